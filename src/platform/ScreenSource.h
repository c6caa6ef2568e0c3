#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

// The screen as the magnifier reads it: the pointer position and a rectangle of pixels, both
// in screen pixels. Parts of the rectangle off the screen come back black.
class ScreenSource {
public:
    virtual ~ScreenSource() = default;
    virtual QPoint CursorPosition() const = 0;
    virtual QImage Grab(const QRect& rectangle) const = 0;
};
