#pragma once

#include "core/Settings.h"

#include <QCursor>
#include <QImage>

// The custom mouse pointers of the picture, numbered from 1 and chosen by PointerIndex; the
// last one is the colour picker.
inline constexpr int ColourPickerPointer = PointerImageCount;

QImage PointerImage(int number);
QCursor PointerCursor(int number);
