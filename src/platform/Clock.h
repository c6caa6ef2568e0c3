#pragma once

#include <QDateTime>

// Time of day and waiting, so that the splash's and the capture's waits cost tests nothing.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime Now() const = 0;
    enum class Input { HeldBack, Taken };
    // Waits while windows repaint; the user's input waits until the end, or is taken meanwhile
    // (the capture countdown, during which the user goes to the window to capture).
    virtual void Wait(int milliseconds, Input input = Input::HeldBack) = 0;
};
