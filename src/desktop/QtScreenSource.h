#pragma once

#include "platform/ScreenSource.h"

class QtScreenSource final : public ScreenSource {
public:
    QPoint CursorPosition() const override;
    QImage Grab(const QRect& rectangle) const override;
};
