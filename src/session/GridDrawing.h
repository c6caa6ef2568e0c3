#pragma once

#include "zoom/GridLines.h"

class SessionPicture;

// The grid over the picture, as part of its drawing (an erase removes it).
void DrawGrid(SessionPicture& picture, double rowStep, double colStep,
              double minimumStep = MinimumGridStep);
