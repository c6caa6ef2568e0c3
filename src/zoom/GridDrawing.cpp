#include "zoom/GridDrawing.h"

#include "document/PictureSurface.h"

namespace {
constexpr double MinimumStep = 3;
constexpr int DarkGrey = 0x808080;
constexpr int LightGrey = 0xC0C0C0;

int Checker(int column, int row) {
    return (column + row) % 2 == 0 ? DarkGrey : LightGrey;
}
} // namespace

void DrawGrid(PictureSurface& surface, double rowStep, double colStep) {
    if (rowStep < MinimumStep || colStep < MinimumStep) {
        return;
    }
    DrawnPicture& drawing = surface.Drawing();
    const int width = surface.Picture().width();
    const int height = surface.Picture().height();
    for (float x = 0; x <= width; x += static_cast<float>(colStep)) {
        const int column = static_cast<int>(x);
        for (int row = 0; row < height; ++row) {
            drawing.SetPixelColor(column, row, Checker(column, row));
        }
    }
    for (float y = 0; y <= height; y += static_cast<float>(rowStep)) {
        const int row = static_cast<int>(y);
        for (int column = 0; column < width; ++column) {
            drawing.SetPixelColor(column, row, Checker(column, row));
        }
    }
    surface.update();
}
