#pragma once

#include <QDateTime>

// Time of day and waiting, so that the splash's and the capture's waits cost tests nothing.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime Now() const = 0;
    // Waits while windows repaint; the user's input waits until the end.
    virtual void Wait(int milliseconds) = 0;
};
