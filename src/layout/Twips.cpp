#include "layout/Twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace {
double LogicalDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->logicalDotsPerInchX() : 96.0;
}
} // namespace

int TwipsToPixels(double twips) {
    return static_cast<int>(std::lround(twips * LogicalDpi() / 1440.0));
}

double PixelsToTwips(int pixels) {
    return pixels * 1440.0 / LogicalDpi();
}
