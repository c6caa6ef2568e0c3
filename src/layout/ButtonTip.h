#pragma once

#include <QString>

#include <span>

// A toolbar entry as the hover read-out sees it; separators have an empty tooltip.
struct ToolbarSpan {
    float left;
    float width;
    QString toolTip;
};

// The tooltip of the first entry whose left edge lies strictly left of x and whose right edge
// (left + width, taken in single precision) strictly right of it; empty text when none. The y
// position is not looked at.
QString ButtonTip(float x, float y, std::span<const ToolbarSpan> entries);
