#pragma once

#include "platform/Clock.h"

class SystemClock final : public Clock {
public:
    QDateTime Now() const override;
    void Wait(int milliseconds, Input input = Input::HeldBack) override;
};
