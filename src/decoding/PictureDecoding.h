#pragma once

#include "decoding/PdfPages.h"

// Decodes a picture file as the import does, in this process: a PDF (by its content) renders
// the requested page, an SVG (by its content) is drawn; otherwise the imaging decoder takes paths
// that mention ".png" (wherever in the path) and the general loader the rest. Throws AppError with
// the loaders' numbers and texts.
LoadedPicture DecodePictureFile(const QString& path, const PdfPageRequest& pdfPage = {});
