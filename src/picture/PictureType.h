#pragma once

// What kind of picture the picture window holds; a metafile or icon is saved back in its own
// format, a page rendered from a PDF as PNG.
enum class PictureType { None, Bitmap, Metafile, Icon, EnhancedMetafile, PdfPage };
