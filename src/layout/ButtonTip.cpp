#include "layout/ButtonTip.h"

QString ButtonTip(float x, float /*y*/, std::span<const ToolbarSpan> entries) {
    for (const ToolbarSpan& entry : entries) {
        const float right = entry.left + entry.width;
        if (entry.left < x && right > x) {
            return entry.toolTip;
        }
    }
    return {};
}
