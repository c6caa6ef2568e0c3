#include "windows/zoom/GridDrawing.h"

#include "windows/document/PictureSurface.h"

void DrawGrid(PictureSurface& surface, double rowStep, double colStep, double minimumStep) {
    DrawnPicture& drawing = surface.Drawing();
    ForEachGridPixel(
        surface.Picture().size(), rowStep, colStep,
        [&drawing](int column, int row, int color) { drawing.SetPixelColor(column, row, color); },
        minimumStep);
    surface.update();
}
