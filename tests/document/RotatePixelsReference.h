#pragma once

#include <QImage>

#include <functional>

// The turn of a picture as it was first written, kept as the oracle of RotatePixels.
namespace Reference {

bool RotatePixels(QImage& destination, const QImage& source, double& angle,
                  const std::function<bool()>& afterColumn = {});

} // namespace Reference
