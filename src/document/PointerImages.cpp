#include "document/PointerImages.h"

#include <QPainter>
#include <QPixmap>

#include <algorithm>

namespace {

constexpr int Size = 32;
constexpr int Centre = 15;

void CrossHair(QPainter& p, int reach, int gap) {
    p.drawLine(Centre - reach, Centre, Centre - gap, Centre);
    p.drawLine(Centre + gap, Centre, Centre + reach, Centre);
    p.drawLine(Centre, Centre - reach, Centre, Centre - gap);
    p.drawLine(Centre, Centre + gap, Centre, Centre + reach);
}

// Draws each shape twice, white and wide under black and thin, so it shows on any picture.
void DrawShape(QPainter& p, int index) {
    switch (index) {
    case 0:
        CrossHair(p, 15, 0);
        break;
    case 1:
        CrossHair(p, 12, 3);
        break;
    case 2:
        CrossHair(p, 14, 5);
        p.drawEllipse(QPoint(Centre, Centre), 5, 5);
        break;
    case 3:
        CrossHair(p, 8, 2);
        p.drawRect(Centre - 9, Centre - 9, 18, 18);
        break;
    case 4:
        p.drawLine(Centre - 10, Centre - 10, Centre - 2, Centre - 2);
        p.drawLine(Centre + 2, Centre + 2, Centre + 10, Centre + 10);
        p.drawLine(Centre - 10, Centre + 10, Centre - 2, Centre + 2);
        p.drawLine(Centre + 2, Centre - 2, Centre + 10, Centre - 10);
        break;
    case 5:
        CrossHair(p, 6, 0);
        p.drawEllipse(QPoint(Centre, Centre), 11, 11);
        break;
    default: // the colour picker: a dropper whose tip is the hot spot at the bottom left
        p.drawLine(1, 30, 12, 19);
        p.drawLine(12, 19, 22, 9);
        p.drawRect(20, 3, 8, 8);
        p.drawLine(9, 16, 15, 22);
        break;
    }
}

} // namespace

QImage PointerImage(int number) {
    const int index = std::clamp(number, 1, PointerImageCount) - 1;
    QImage image(Size, Size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setPen(QPen(Qt::white, 3));
    DrawShape(painter, index);
    painter.setPen(QPen(Qt::black, 1));
    DrawShape(painter, index);
    return image;
}

QCursor PointerCursor(int number) {
    const bool picker = std::clamp(number, 1, PointerImageCount) == ColourPickerPointer;
    return QCursor(QPixmap::fromImage(PointerImage(number)), picker ? 1 : Centre,
                   picker ? 30 : Centre);
}
