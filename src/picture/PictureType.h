#pragma once

// What kind of picture the picture window holds; a metafile or icon is saved back in its own
// format, a page rendered from a PDF or an SVG drawing as PNG.
enum class PictureType { None, Bitmap, Metafile, Icon, EnhancedMetafile, PdfPage, SvgDrawing };

// Whether the picture was rendered from a drawing (a PDF page, an SVG file): such a picture is
// saved as PNG, and stays of its kind when it is turned.
constexpr bool IsRenderedDrawing(PictureType type) {
    return type == PictureType::PdfPage || type == PictureType::SvgDrawing;
}
