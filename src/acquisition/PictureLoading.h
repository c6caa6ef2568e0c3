#pragma once

#include <QVariant>

class PictureSurface;

// Decodes a path or file bytes with DecodeToPicture onto a white bitmap and gives it to the
// surface: at the picture's own size, or with fit at the surface's size. Throws AppError.
void LoadPictureInto(const QVariant& source, PictureSurface& surface, bool fit);
