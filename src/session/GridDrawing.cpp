#include "session/GridDrawing.h"

#include "session/SessionPicture.h"

void DrawGrid(SessionPicture& picture, double rowStep, double colStep, double minimumStep) {
    DrawnPicture& drawing = picture.Drawing();
    ForEachGridPixel(
        picture.Picture().size(), rowStep, colStep,
        [&drawing](int column, int row, PackedColor color) {
            drawing.SetPixelColor(column, row, color);
        },
        minimumStep);
    picture.Redrawn();
}
