#include "windows/shared/PointerImages.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include <algorithm>

namespace {

constexpr int Size = 32;
constexpr int Centre = 15;

} // namespace

QImage PointerImage(int number) {
    const int index = std::clamp(number, 1, PointerImageCount);
    QImage image(Size, Size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    // Each shape is drawn white and wide under black and thin, so it shows on any picture.
    QSvgRenderer drawing(QStringLiteral(":/pointers/pointer%1.svg").arg(index));
    QPainter painter(&image);
    drawing.render(&painter);
    return image;
}

QCursor PointerCursor(int number) {
    const bool picker = std::clamp(number, 1, PointerImageCount) == ColourPickerPointer;
    return QCursor(QPixmap::fromImage(PointerImage(number)), picker ? 1 : Centre,
                   picker ? 30 : Centre);
}
