#pragma once

#include "zoom/GridLines.h"

class PictureSurface;

// The grid over the picture, as part of its drawing (an erase removes it).
void DrawGrid(PictureSurface& surface, double rowStep, double colStep,
              double minimumStep = MinimumGridStep);
