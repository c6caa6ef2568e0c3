#pragma once

#include "core/PackedColor.h"

#include <QImage>

#include <functional>

// A grid of vertical lines every colStep pixels and horizontal lines every rowStep pixels
// from the top-left corner, as fine dotted lines of dark and light grey.
// Nothing is drawn when a step is below the minimum: 3 pixels for the magnifier (the lines would
// hide what they lie on), half a pixel for the preview of the auto-read sweep grid, whose
// every line matters.
inline constexpr double MinimumGridStep = 3;
inline constexpr double MinimumSweepGridStep = 0.5;

void ForEachGridPixel(QSize size, double rowStep, double colStep,
                      const std::function<void(int column, int row, PackedColor color)>& setPixel,
                      double minimumStep = MinimumGridStep);

// The grid over an image, such as the magnifier's view.
void DrawGrid(QImage& image, double rowStep, double colStep);
