#include "table/TableSort.h"

#include "core/NumberText.h"
#include "table/DataTable.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace {

struct SortEntry {
    double key;
    double partner;
    int row;
};

// The plain text of a value read from a cell: a cell that already holds it (after its padding
// blank) is kept, which spares writing the number anew.
QString PlainTextOf(double value, const QString& cell) {
    QStringView text(cell);
    if (text.startsWith(u' ')) {
        text = text.mid(1);
    }
    return IsPlainNumberText(text) ? text.toString() : PlainNumberText(value);
}

} // namespace

void SortPoints(DataTable& table, SortKey key) {
    const int keyColumn = key == SortKey::X ? 1 : 2;
    const int partnerColumn = key == SortKey::X ? 2 : 1;
    const int count = table.PointCount();
    std::vector<SortEntry> entries(static_cast<size_t>(count));
    for (int row = 1; row <= count; ++row) {
        entries[static_cast<size_t>(row - 1)] = {
            LeadingNumberValue(table.CellText(row, keyColumn)),
            LeadingNumberValue(table.CellText(row, partnerColumn)), row};
    }
    // Stable, and ascending by "greater than moves down" exactly as an insertion sort decides.
    std::stable_sort(entries.begin(), entries.end(),
                     [](const SortEntry& a, const SortEntry& b) { return a.key < b.key; });

    std::vector<QString> xTexts(entries.size());
    std::vector<QString> yTexts(entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        const SortEntry& entry = entries[i];
        const QString keyText = PlainTextOf(entry.key, table.CellText(entry.row, keyColumn));
        const QString partnerText =
            PlainTextOf(entry.partner, table.CellText(entry.row, partnerColumn));
        xTexts[i] = key == SortKey::X ? keyText : partnerText;
        yTexts[i] = key == SortKey::X ? partnerText : keyText;
    }
    table.SetPointValues(xTexts, yTexts);
}

bool SameInSinglePrecision(double a, double b) {
    constexpr double FloatMax = std::numeric_limits<float>::max();
    if (std::fabs(a) > FloatMax || std::fabs(b) > FloatMax) {
        return a == b;
    }
    return static_cast<float>(a) == static_cast<float>(b);
}

int RemoveRepeatedNeighbours(DataTable& table) {
    const auto& rows = table.Rows();
    std::vector<DataTable::Row> kept;
    kept.reserve(rows.size());
    double keptX = 0;
    double keptY = 0;
    for (size_t i = 1; i < rows.size(); ++i) {
        const double x = LeadingNumberValue(rows[i][1]);
        const double y = LeadingNumberValue(rows[i][2]);
        // A removed row leaves the kept one above to be compared with the next.
        if (!kept.empty() && SameInSinglePrecision(x, keptX) && SameInSinglePrecision(y, keptY)) {
            continue;
        }
        kept.push_back(rows[i]);
        keptX = x;
        keptY = y;
    }
    const int removed = table.PointCount() - static_cast<int>(kept.size());
    if (removed > 0) {
        table.ReplacePointRows(std::move(kept));
    }
    table.RenumberPlain();
    return removed;
}
