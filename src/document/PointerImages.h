#pragma once

#include <QCursor>
#include <QImage>

// The custom mouse pointers of the picture, chosen by PointerIndex; the last one is the
// colour picker.
inline constexpr int PointerImageCount = 7;

QImage PointerImage(int index);
QCursor PointerCursor(int index);
