#include "platform/SystemClock.h"

#include <QEventLoop>
#include <QTimer>

QDateTime SystemClock::Now() const {
    return QDateTime::currentDateTime();
}

void SystemClock::Wait(int milliseconds) {
    if (milliseconds <= 0) {
        return;
    }
    // Windows repaint meanwhile, but no click or key is taken before the wait is over.
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}
