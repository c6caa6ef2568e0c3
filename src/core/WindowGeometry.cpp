#include "core/WindowGeometry.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

QRect ScreenGeometry() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->geometry() : QRect(0, 0, 1024, 768);
}

QWidget& FrameOf(QWidget& child) {
    return child.parentWidget() != nullptr ? *child.parentWidget() : child;
}
