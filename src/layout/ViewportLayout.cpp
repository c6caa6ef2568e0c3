#include "layout/ViewportLayout.h"

#include <algorithm>

ViewportLayout LayOutViewport(QSize inner, QSize picture, int verticalBarWidth,
                              int horizontalBarHeight) {
    ViewportLayout layout;
    const int width = std::max(0, inner.width() - verticalBarWidth);
    const int height = std::max(0, inner.height() - horizontalBarHeight);
    layout.viewport = QRect(0, 0, width, height);
    layout.horizontalBar = QRect(0, height, width, horizontalBarHeight);
    layout.verticalBar = QRect(width, 0, verticalBarWidth, height);
    layout.horizontalVisible = width < picture.width();
    layout.verticalVisible = height < picture.height();
    layout.horizontalMaximum = std::max(0, picture.width() - width);
    layout.verticalMaximum = std::max(0, picture.height() - height);
    return layout;
}
