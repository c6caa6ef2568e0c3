#pragma once

#include <QByteArray>
#include <QImage>
#include <QVariant>

#include <memory>

class QBuffer;

// Picture decoding for Picture > Import: the image is drawn onto a fresh bitmap filled with a
// background colour, so transparent parts come out in that colour.
//
// Errors carry the source "GDI+ Module":
//   998 "Passed invalid parameter as PicFile"  the source is neither a path nor bytes
//   999 "Error loading picture <path>"          the file cannot be opened or decoded
//   999 "Error loading picture"                 the bytes are empty or cannot be decoded

// The largest picture decoded, in megabytes of decoded pixels: a header that claims more is
// refused instead of exhausting memory.
inline constexpr int DecodeLimitMegabytes = 1024;

// Starts and stops decoding around one load; the token pairs them.
int StartImaging();
void StopImaging(int token);

// A stream over bytes [first, first + size) of the array; size 0 means to the end. Nothing
// when the range is not inside the array.
std::unique_ptr<QBuffer> StreamFromBytes(const QByteArray& bytes, qsizetype first, qsizetype size);

// Decodes a path (QString) or the bytes of a file (QByteArray) onto a width x height bitmap
// filled with backColor (packed R + 256G + 65536B). A width or height of -1 takes the image's
// own size for both. keepRatio centres the image in the bitmap at its aspect ratio (halves
// round to even); otherwise it is stretched to fill it. An invalid (empty) QVariant source
// gives a null image. Throws AppError.
QImage DecodeToPicture(const QVariant& source, int& width, int& height, int backColor,
                       bool keepRatio);
