#pragma once

#include "decoding/PictureFiles.h"

// SVG files as pictures. The drawing is rendered onto white paper at 300/72 pixels per unit of
// its own size (so a drawing measured in points comes out as a page at 300 dpi), or smaller when
// that would pass the picture pixel limit, and its drawing commands are kept as numbers.

inline constexpr double SvgPixelsPerUnit = 300.0 / 72;

// Whether bytes begin an SVG file: an "<svg" element within the first four kilobytes, in bytes
// that begin with no picture's signature and no PDF's mark.
bool LooksLikeSvg(const QByteArray& head);
bool IsSvgFile(const QString& path);

// Renders the file and records its drawing, at SvgPixelsPerUnit unless asked for fewer pixels.
// Throws AppError 481 naming the file for an SVG that cannot be read or has no size.
LoadedPicture RenderSvgFile(const QByteArray& bytes, const QString& path,
                            double pixelsPerUnit = SvgPixelsPerUnit);
