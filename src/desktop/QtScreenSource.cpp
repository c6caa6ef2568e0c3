#include "desktop/QtScreenSource.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

QPoint QtScreenSource::CursorPosition() const {
    return QCursor::pos();
}

QImage QtScreenSource::Grab(const QRect& rectangle) const {
    QScreen* screen = QGuiApplication::screenAt(rectangle.center());
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen == nullptr || rectangle.isEmpty()) {
        return {};
    }
    const QRect local = rectangle.translated(-screen->geometry().topLeft());
    return screen->grabWindow(0, local.x(), local.y(), local.width(), local.height()).toImage();
}
