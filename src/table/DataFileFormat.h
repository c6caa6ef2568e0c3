#pragma once

#include "table/DataTable.h"

#include <QByteArray>

// The three layouts of a data file. The file dialog's file-type index chooses one, never the
// file name's extension: 2 fixed columns, 4 tab separated, anything else comma separated.
enum class DataFileLayout { FixedColumns, Tab, Comma };

DataFileLayout LayoutForFileType(int fileTypeIndex);

// The file-type list of the data-file dialogs.
inline constexpr const char* DataFileFilter =
    "All Files (*.*)|*.*|Space Delimited (*.txt)|*.txt|Comma Delimited (*.csv)|*.csv|"
    "Tab Delimited (*.dat)|*.dat";

// One table row as a record of the layout, in UTF-8, ending in CR LF.
//   fixed columns: c0 from column 1, c1 from column 20, c2 from column 40; a text that runs
//                  past the next column pushes the next one onto a new line at its column
//   tab:           TAB c0 TAB c1 TAB c2
//   comma:         "c0","c1","c2" with inner double quotes written unchanged
void AppendRecord(QByteArray& out, const DataTable::Row& row, DataFileLayout layout);
