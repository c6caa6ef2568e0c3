#pragma once

#include "acquisition/PictureFiles.h"

// Decodes a picture file as the import does, in this process: the imaging decoder for paths
// that mention ".png" (wherever in the path), the general loader for the rest. Throws AppError
// with the loaders' numbers and texts.
LoadedPicture DecodePictureFile(const QString& path);
