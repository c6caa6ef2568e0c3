#pragma once

class PictureSurface;

// Draws a grid over the picture: vertical lines every colStep pixels and horizontal lines
// every rowStep pixels from the top-left corner, as fine dotted lines of dark and light grey.
// Nothing is drawn when a step is below 3 pixels (the lines would hide the picture).
void DrawGrid(PictureSurface& surface, double rowStep, double colStep);
