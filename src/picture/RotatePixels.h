#pragma once

#include <QImage>

#include <functional>

// The size of the box that holds a picture turned by an angle (radians):
// width |W cos| + |H sin|, height |H cos| + |W sin|, rounded to whole pixels.
QSize RotatedSize(QSize source, double radians);

// Turns the source into the destination about both centres by an angle given in degrees;
// on return the angle holds radians. Inverse mapping with four-fold symmetry: the destination
// pixel at offset (x, y) from its centre takes the source pixel at the same distance, turned
// by the angle, so the content turns counter-clockwise on screen. Destination pixels with no
// source pixel, or more than the larger half size from the centre, keep their colour.
// afterColumn runs after each of the max(W, H) / 2 column steps of the destination, to let the
// window breathe; when it answers false the turn ends there, half done, and this returns false.
bool RotatePixels(QImage& destination, const QImage& source, double& angle,
                  const std::function<bool()>& afterColumn = {});
