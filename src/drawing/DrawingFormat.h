#pragma once

#include "drawing/VectorDrawing.h"

#include <QByteArray>

#include <optional>

// A drawing as bytes, for the decoder's reply and for project files. Little-endian:
//   "KVXV", version 1, path count, text count, the dropped reason (byte count, UTF-8), the
//   page's width and height (doubles), then
//   per path: flags (1 stroked, 2 filled, 4 closed), stroke and fill colour (QRgb), dash key,
//             piece count, point count, stroke width and the clip's left, top, width and height
//             (doubles), the piece starts (32 bits each), the points (x, y doubles);
//   per text: byte count, UTF-8 bytes, box left, top, width and height (doubles).
// The reader checks every count against what is left and against the drawing's bounds before
// it sets anything aside, and takes only finite numbers.
QByteArray DrawingBytes(const VectorDrawing& drawing);
// Nothing when the bytes are no whole, sound drawing.
std::optional<VectorDrawing> ReadDrawingBytes(const QByteArray& bytes);
// The most bytes a drawing within the bounds can take.
qsizetype MostDrawingBytes();
