#pragma once

#include <QRect>

// The rectangle spanned by two corners given in either order, each edge rounded to a whole
// pixel (halves to even).
QRect CaptureRectangle(double x1, double x2, double y1, double y2);

// The size read-out is written in black on light screen colours (a packed value of at least
// 31127.5) and in white on dark ones.
bool ReadoutInBlack(int packedColorAtCentre);
