#pragma once

#include "decoding/PictureFiles.h"

#include <QSize>

// Pages of PDF documents as pictures. A page is rendered through poppler onto white paper,
// antialiased, at a resolution the user picks. Its size in pixels is its size in points
// (1/72 inch) times dots-per-inch / 72, each side rounded to the nearest pixel.

inline constexpr int LeastPdfDotsPerInch = 72;
inline constexpr int MostPdfDotsPerInch = 1200;
inline constexpr int DefaultPdfDotsPerInch = 300;
// The longer side of a page's preview, in pixels.
inline constexpr int PdfPreviewSide = 240;

// Which page to render (from 1), and how: at a resolution, or as a preview whose longer side
// is PdfPreviewSide pixels; and whether its drawing is recorded too (never for a preview).
struct PdfPageRequest {
    int page = 1;
    int dotsPerInch = DefaultPdfDotsPerInch;
    bool preview = false;
    bool drawing = true;
};

// Whether bytes begin a PDF: "%PDF-" within the first kilobyte, where PDF readers look, in
// bytes that do not begin with a picture's signature.
bool LooksLikePdf(const QByteArray& head);
// Whether bytes begin with the signature of a picture format the program reads (PNG, JPEG,
// GIF, BMP, icon, cursor, TIFF, WebP, metafile).
bool StartsLikeAPicture(const QByteArray& head);
// The same for a file, of which only the first kilobyte is read; false when it cannot be read
// or is no regular file.
bool IsPdfFile(const QString& path);

QSize PdfPagePixels(QSizeF points, double dotsPerInch);
// The largest whole resolution up to MostPdfDotsPerInch at which the page stays within the
// picture pixel limit; 0 when not even 1 dpi does.
int MostFittingPdfDotsPerInch(QSizeF points);
// Why the page cannot become a picture at this resolution, naming one that fits; empty when
// it can.
QString PdfPageTooLargeReason(QSizeF points, double dotsPerInch);

// Renders one page. Throws AppError 481 naming the file for an encrypted, damaged or empty
// PDF, a page the file does not have, a resolution outside 72 to 1200 dpi, or a rendering
// above the pixel limit.
LoadedPicture RenderPdfPage(const QByteArray& bytes, const QString& path,
                            const PdfPageRequest& request);
