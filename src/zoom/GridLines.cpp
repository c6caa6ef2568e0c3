#include "zoom/GridLines.h"

namespace {
constexpr PackedColor DarkGrey = PackedColor::Rgb(0x80, 0x80, 0x80);
constexpr PackedColor LightGrey = PackedColor::Rgb(0xC0, 0xC0, 0xC0);
} // namespace

void ForEachGridPixel(QSize size, double rowStep, double colStep,
                      const std::function<void(int column, int row, PackedColor color)>& setPixel,
                      double minimumStep) {
    if (!(rowStep >= minimumStep && colStep >= minimumStep)) {
        return;
    }
    const auto checker = [](int column, int row) {
        return (column + row) % 2 == 0 ? DarkGrey : LightGrey;
    };
    for (float x = 0; x <= size.width(); x += static_cast<float>(colStep)) {
        const int column = static_cast<int>(x);
        for (int row = 0; row < size.height(); ++row) {
            setPixel(column, row, checker(column, row));
        }
    }
    for (float y = 0; y <= size.height(); y += static_cast<float>(rowStep)) {
        const int row = static_cast<int>(y);
        for (int column = 0; column < size.width(); ++column) {
            setPixel(column, row, checker(column, row));
        }
    }
}

void DrawGrid(QImage& image, double rowStep, double colStep) {
    ForEachGridPixel(image.size(), rowStep, colStep,
                     [&image](int column, int row, PackedColor color) {
                         if (image.rect().contains(column, row)) {
                             image.setPixelColor(column, row, color.ToQColor());
                         }
                     });
}
