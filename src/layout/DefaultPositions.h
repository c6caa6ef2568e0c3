#pragma once

#include <QPoint>
#include <QRect>
#include <QRectF>
#include <QSizeF>

// Where Default Positions puts each window, in twips, from the screen size, the main window's
// size, the guide's current size. Computed in single precision.
//   data:    7110 wide, screen height - 6000 high, at (0, 0) of the frame's client area
//   zoom:    2200 x 2200, top 0, left = screen width - 1.1 x 2200
//   picture: 0.45 x screen height high, from the data window's right edge + 50 to 50 short
//            of the zoom window's left edge, top 0
//   options: 9105 x 3045, left 0, top = screen height - 1.6 x 3045
//   guide:   5505 x 3750; left and top from its size before the move
// Windows never get smaller than a usable minimum, so a small screen still shows them.
struct DefaultLayout {
    QRectF data;
    QRectF zoom;
    QRectF picture;
    QRectF options;
    QRectF guide;
};

inline constexpr double MinimumWindowTwips = 1500;

DefaultLayout ComputeDefaultPositions(QSizeF screen, QSizeF mainWindow, QSizeF guide);

// Where a window frame goes so that it lies on the screen: pulled back over the right and
// bottom edges first, then over the left and top ones, so a frame larger than the screen keeps
// its title bar and left edge in reach.
QPoint FrameOnScreen(const QRect& frame, const QRect& screen);
