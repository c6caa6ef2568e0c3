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

// The largest picture the program takes: 64 megapixels (256 MB of pixels, a 600 dpi scan of
// a large page). A header that claims more is refused before anything is decoded; the picture
// and its drawn copy then stay well inside a desktop's memory.
inline constexpr qint64 MostPicturePixels = 64LL * 1024 * 1024;
inline constexpr int DecodeLimitMegabytes = static_cast<int>(MostPicturePixels * 4 / 1024 / 1024);

// Gives every image reader of the process the same decode limit; called once at start, so no
// import can raise it for the ones that follow.
void SetDecodeLimits();

// The reason a picture of this size is refused, naming the largest that is taken; empty when
// it may be decoded.
QString TooLargeReason(QSize size);

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
