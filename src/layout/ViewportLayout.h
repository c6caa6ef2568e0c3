#pragma once

#include <QRect>
#include <QSize>

// Where the picture window puts its viewport and scroll bars for a window's inner size, the
// picture's size and the thickness of the two scroll bars. The viewport always leaves room
// for both bars; a bar shows exactly when the picture does not fit that way, and its range
// is what does not fit.
struct ViewportLayout {
    QRect viewport;
    QRect horizontalBar;
    QRect verticalBar;
    bool horizontalVisible = false;
    bool verticalVisible = false;
    int horizontalMaximum = 0;
    int verticalMaximum = 0;
};

ViewportLayout LayOutViewport(QSize inner, QSize picture, int verticalBarWidth,
                              int horizontalBarHeight);
