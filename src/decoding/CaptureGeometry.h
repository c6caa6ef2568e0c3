#pragma once

#include <QRect>

// The rectangle spanned by two corners given in either order, each edge rounded to a whole
// pixel (halves to even).
QRect CaptureRectangle(double x1, double x2, double y1, double y2);

// The screen pixels under a rectangle drawn in window units on a screen with this device
// pixel ratio (2 on a display scaled twice): every pixel that the rectangle covers, at least
// in part.
QRect ScreenPixelsOf(const QRect& drawn, double devicePixelRatio);

// The size read-out is written in black on light screen colours (a packed value of at least
// 31127.5) and in white on dark ones.
bool ReadoutInBlack(int packedColorAtCentre);
