#pragma once

#include "table/DataFileFormat.h"

#include <QString>

enum class WriteMode { Replace, Append };

// Writes the whole table, header first, in one layout. Replacing writes a new file beside the
// old one and puts it in place only when every record is written, so a failed save leaves the
// earlier file as it was; appending adds to the end of the file. Throws AppError with the
// classic file error numbers and a description that names the file.
void WriteDataFile(const DataTable& table, const QString& path, DataFileLayout layout,
                   WriteMode mode);
