#include "desktop/SystemClock.h"

#include <QEventLoop>
#include <QTimer>

QDateTime SystemClock::Now() const {
    return QDateTime::currentDateTime();
}

void SystemClock::Wait(int milliseconds, Input input) {
    if (milliseconds <= 0) {
        return;
    }
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec(input == Input::Taken ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
}
