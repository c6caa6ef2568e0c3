#pragma once

#include "drawing/VectorDrawing.h"
#include "picture/PictureType.h"

#include <QByteArray>
#include <QImage>
#include <QSizeF>
#include <QString>

#include <memory>

// Where a picture rendered from a PDF came from: its page (from 1) of how many, and the page's
// size in points (1/72 inch) as shown, rotation included.
struct PdfPageOrigin {
    int page = 0;
    int pageCount = 0;
    QSizeF points{0, 0};
};

struct LoadedPicture {
    QImage image;
    PictureType type = PictureType::None;
    QByteArray originalBytes; // kept for metafiles, which are saved back as they came
    PdfPageOrigin pdf;        // for PictureType::PdfPage
    // What a PDF page or an SVG file draws, in the picture's positions; null for other pictures.
    std::shared_ptr<const VectorDrawing> drawing;
};

// The general picture loader: BMP, ICO, JPEG, GIF (and TIFF, WebP, PNG where the desktop's
// image plugins read them) through Qt, Windows metafiles through libwmf. Throws AppError:
// 53 when the file is missing, 481 "Invalid picture" when it is no picture it can read; both
// name the file.
LoadedPicture LoadPictureFile(const QString& path);
// Throws 481 for a path that names a named pipe, a device or a socket, which no reader may
// open: they would wait for ever. Missing files and folders are left to the readers, which
// say so in their own words. Nothing is opened.
void CheckPictureFile(const QString& path);
// The whole file, with the same errors 53 and 70, and 481 for a path that is no regular file.
QByteArray ReadPictureFile(const QString& path);
// The same for the bytes of a file; path only names it in messages.
LoadedPicture LoadPictureBytes(const QByteArray& bytes, const QString& path);

struct AppError;
// 481 "Invalid picture: <path> (<reason>)", the error of a file that is no picture it can read.
AppError InvalidPictureError(const QString& path, const QString& reason);
