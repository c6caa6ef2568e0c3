#pragma once

#include <QRect>

class QWidget;

// The primary screen's geometry in pixels (1024 x 768 when there is no screen at all).
QRect ScreenGeometry();

// The part of the primary screen that windows may use (without panels and docks).
QRect AvailableScreenGeometry();

// The frame a child window lives in inside the main window, or the window itself when it has
// none yet: sizes and places of child windows are those of their frames.
QWidget& FrameOf(QWidget& child);

// Lets events run until the window system shows the window (at most `timeoutMs`), so that
// what follows sees it framed and placed by the window manager.
void WaitUntilExposed(const QWidget& window, int timeoutMs);

// Puts a top-level window so that its outer frame (with the title bar and borders that the
// window manager adds) fills `frame`, moved as little as needed to lie wholly on the screen's
// free area: a title bar above the screen's edge could not be grabbed any more.
void PlaceFrame(QWidget& window, const QRect& frame);
