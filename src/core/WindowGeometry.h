#pragma once

#include <QRect>

class QWidget;

// The primary screen's geometry in pixels (1024 x 768 when there is no screen at all).
QRect ScreenGeometry();

// The frame a child window lives in inside the main window, or the window itself when it has
// none yet: sizes and places of child windows are those of their frames.
QWidget& FrameOf(QWidget& child);
