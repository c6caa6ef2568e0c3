#include "table/MarkerPositions.h"

#include "core/AppError.h"
#include "core/Calibration.h"
#include "core/NumberText.h"
#include "table/DataTable.h"

#include <cmath>

std::vector<QPointF> MarkerPositions(const DataTable& table, bool xLog, bool yLog) {
    std::vector<QPointF> positions;
    positions.reserve(static_cast<size_t>(table.PointCount()));
    for (int row = 1; row < table.RowCount(); ++row) {
        try {
            const auto x =
                static_cast<float>(ToPictureX(LeadingNumberValue(table.CellText(row, 1)), xLog));
            const auto y =
                static_cast<float>(ToPictureY(LeadingNumberValue(table.CellText(row, 2)), yLog));
            if (std::isfinite(x) && std::isfinite(y)) {
                positions.emplace_back(x, y);
            }
        } catch (const AppError&) {
            // Too large to read: no place on the picture.
        }
    }
    return positions;
}
