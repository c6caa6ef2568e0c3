#include "table/DataFileFormat.h"

namespace {

constexpr int SecondColumn = 20;
constexpr int ThirdColumn = 40;

// Moves to the target column (counted from 1) of the current line, starting a new line when
// the line is already past it.
void ToColumn(QString& record, qsizetype& lineStart, int target) {
    const qsizetype used = record.size() - lineStart;
    if (used > target - 1) {
        record += QStringLiteral("\r\n");
        lineStart = record.size();
        record += QString(target - 1, QLatin1Char(' '));
    } else {
        record += QString(target - 1 - used, QLatin1Char(' '));
    }
}

} // namespace

DataFileLayout LayoutForFileType(int fileTypeIndex) {
    switch (fileTypeIndex) {
    case 2:
        return DataFileLayout::FixedColumns;
    case 4:
        return DataFileLayout::Tab;
    default:
        return DataFileLayout::Comma;
    }
}

void AppendRecord(QByteArray& out, const DataTable::Row& row, DataFileLayout layout) {
    QString record;
    switch (layout) {
    case DataFileLayout::FixedColumns: {
        qsizetype lineStart = 0;
        record = row[0];
        ToColumn(record, lineStart, SecondColumn);
        record += row[1];
        ToColumn(record, lineStart, ThirdColumn);
        record += row[2];
        break;
    }
    case DataFileLayout::Tab:
        record =
            QLatin1Char('\t') + row[0] + QLatin1Char('\t') + row[1] + QLatin1Char('\t') + row[2];
        break;
    case DataFileLayout::Comma:
        record = QLatin1Char('"') + row[0] + QStringLiteral("\",\"") + row[1] +
                 QStringLiteral("\",\"") + row[2] + QLatin1Char('"');
        break;
    }
    record += QStringLiteral("\r\n");
    out += record.toUtf8();
}
