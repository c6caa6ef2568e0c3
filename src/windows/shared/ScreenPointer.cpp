#include "windows/shared/ScreenPointer.h"

#include <QApplication>
#include <QCursor>

namespace {
ScreenPointer current = ScreenPointer::Default;
}

void SetScreenPointer(ScreenPointer pointer) {
    // One override at most, so that a command that ends early can never leave a stack of
    // hourglasses behind.
    while (QApplication::overrideCursor() != nullptr) {
        QApplication::restoreOverrideCursor();
    }
    current = pointer;
    switch (pointer) {
    case ScreenPointer::Default:
        return;
    case ScreenPointer::Arrow:
        QApplication::setOverrideCursor(QCursor(Qt::ArrowCursor));
        return;
    case ScreenPointer::Hourglass:
        QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        return;
    case ScreenPointer::ArrowHourglass:
        QApplication::setOverrideCursor(QCursor(Qt::BusyCursor));
        return;
    case ScreenPointer::Custom:
        return; // set with its image by SetCustomScreenPointer
    }
}

void SetCustomScreenPointer(const QCursor& pointer) {
    SetScreenPointer(ScreenPointer::Custom);
    QApplication::setOverrideCursor(pointer);
}

ScreenPointer CurrentScreenPointer() {
    return current;
}
