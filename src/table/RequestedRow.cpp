#include "table/RequestedRow.h"

#include "core/AppError.h"
#include "core/NumberText.h"

#include <cmath>

std::optional<int> RequestedRow(const QString& text, int rowCount) {
    double value = 0;
    try {
        value = LeadingNumberValue(text);
    } catch (const AppError&) {
        return std::nullopt;
    }
    // nearbyint rounds halves to even in the default rounding mode.
    const double row = std::nearbyint(value);
    if (!(row >= 0) || row > rowCount - 1) {
        return std::nullopt;
    }
    return static_cast<int>(row);
}
