#pragma once

#include <QImage>

// A picture as it shows on paper: transparent parts white, in 32-bit RGB. Dropping the alpha
// instead would turn them black and hide black curves and axes.
QImage OpaqueOnWhite(const QImage& picture);
