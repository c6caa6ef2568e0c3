#include "extraction/TableSpline.h"

#include "core/NumberText.h"
#include "extraction/NaturalSpline.h"

std::vector<QPointF> InterpolateTable(const DataTable& table, bool xIndependent, int samples) {
    const int independent = xIndependent ? 1 : 2;
    const int dependent = xIndependent ? 2 : 1;
    std::vector<float> u;
    std::vector<float> v;
    for (int row = 1; row < table.RowCount(); ++row) {
        u.push_back(static_cast<float>(LeadingNumberValue(table.CellText(row, independent))));
        v.push_back(static_cast<float>(LeadingNumberValue(table.CellText(row, dependent))));
    }
    std::vector<QPointF> points = NaturalSplineSamples(u, v, samples);
    if (!xIndependent) {
        for (QPointF& point : points) {
            point = QPointF(point.y(), point.x());
        }
    }
    return points;
}

std::vector<DataTable::Row>
InterpolatedRows(int firstNumber, const std::vector<QPointF>& points,
                 const std::function<bool(std::int64_t done)>& keepGoing) {
    std::vector<DataTable::Row> rows;
    rows.reserve(points.size());
    int number = firstNumber;
    for (const QPointF& point : points) {
        rows.push_back({PaddedNumberText(static_cast<double>(number++)),
                        PaddedNumberText(static_cast<float>(point.x())),
                        PaddedNumberText(static_cast<float>(point.y()))});
        if (keepGoing && !keepGoing(static_cast<std::int64_t>(rows.size()))) {
            break;
        }
    }
    return rows;
}
