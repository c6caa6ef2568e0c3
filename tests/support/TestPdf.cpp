#include "TestPdf.h"

#include <cstdlib>

namespace TestPdf {

QPointF MarkerCentre(const QImage& picture, const QColor& color) {
    // Antialiased edges are mixed with white; the marker's own pixels are the saturated ones.
    double sumX = 0;
    double sumY = 0;
    int count = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QColor pixel = picture.pixelColor(x, y);
            if (std::abs(pixel.red() - color.red()) < 40 &&
                std::abs(pixel.green() - color.green()) < 40 &&
                std::abs(pixel.blue() - color.blue()) < 40) {
                sumX += x + 0.5;
                sumY += y + 0.5;
                ++count;
            }
        }
    }
    return count == 0 ? QPointF(-1, -1) : QPointF(sumX / count, sumY / count);
}

} // namespace TestPdf
