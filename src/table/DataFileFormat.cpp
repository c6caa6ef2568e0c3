#include "table/DataFileFormat.h"

namespace {

constexpr int SecondColumn = 20;
constexpr int ThirdColumn = 40;

// Appends a cell as UTF-8; the plain ASCII of numbers goes in without a temporary copy.
void AppendText(QByteArray& out, const QString& text) {
    const qsizetype start = out.size();
    out.resize(start + text.size());
    char* target = out.data() + start;
    for (const QChar c : text) {
        if (c.unicode() >= 0x80) {
            out.resize(start);
            out += text.toUtf8();
            return;
        }
        *target++ = static_cast<char>(c.unicode());
    }
}

// Moves to the target column (counted from 1) of the current line, starting a new line when
// the line is already past it. Columns count characters.
void ToColumn(QByteArray& out, qsizetype& used, int target) {
    if (used > target - 1) {
        out += "\r\n";
        used = 0;
    }
    out.append(target - 1 - used, ' ');
    used = target - 1;
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
    switch (layout) {
    case DataFileLayout::FixedColumns: {
        qsizetype used = row[0].size();
        AppendText(out, row[0]);
        ToColumn(out, used, SecondColumn);
        AppendText(out, row[1]);
        used += row[1].size();
        ToColumn(out, used, ThirdColumn);
        AppendText(out, row[2]);
        break;
    }
    case DataFileLayout::Tab:
        for (const QString& cell : row) {
            out += '\t';
            AppendText(out, cell);
        }
        break;
    case DataFileLayout::Comma:
        for (size_t i = 0; i < row.size(); ++i) {
            out += i == 0 ? "\"" : "\",\"";
            AppendText(out, row[i]);
        }
        out += '"';
        break;
    }
    out += "\r\n";
}
