#include "windows/shared/WindowGeometry.h"

#include "layout/DefaultPositions.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QThread>
#include <QWidget>
#include <QWindow>

QRect ScreenGeometry() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->geometry() : QRect(0, 0, 1024, 768);
}

QRect AvailableScreenGeometry() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry() : ScreenGeometry();
}

QWidget& FrameOf(QWidget& child) {
    return child.parentWidget() != nullptr && !child.isWindow() ? *child.parentWidget() : child;
}

void WaitUntilExposed(const QWidget& window, int timeoutMs) {
    QElapsedTimer elapsed;
    elapsed.start();
    while (window.windowHandle() == nullptr || !window.windowHandle()->isExposed()) {
        if (elapsed.elapsed() >= timeoutMs) {
            return;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
}

void PlaceFrame(QWidget& window, const QRect& frame) {
    // The decorations are known once the window manager has framed the window; before its
    // first showing they count as nothing.
    const QRect outer = window.frameGeometry();
    const QRect inner = window.geometry();
    const QMargins decorations(inner.left() - outer.left(), inner.top() - outer.top(),
                               outer.right() - inner.right(), outer.bottom() - inner.bottom());
    window.resize(frame.size().shrunkBy(decorations));
    const QSize outerSize = window.size().grownBy(decorations);
    const QPoint topLeft =
        FrameOnScreen(QRect(frame.topLeft(), outerSize), AvailableScreenGeometry());
    // A window's position is that of its frame. A window that exists on the screen but has no
    // frame yet is told so outright, so that the frame goes there when the window manager adds
    // it.
    QWindow* handle = window.windowHandle();
    if (handle != nullptr && decorations.isNull()) {
        handle->setFramePosition(topLeft);
    } else {
        window.move(topLeft);
    }
}
