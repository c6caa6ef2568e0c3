#pragma once

#include "document/PictureType.h"

#include <QByteArray>
#include <QImage>
#include <QString>

struct LoadedPicture {
    QImage image;
    PictureType type = PictureType::None;
    QByteArray originalBytes; // kept for metafiles, which are saved back as they came
};

// The general picture loader: BMP, ICO, JPEG, GIF (and TIFF, WebP, PNG where the desktop's
// image plugins read them) through Qt, Windows metafiles through libwmf. Throws AppError:
// 53 when the file is missing, 481 "Invalid picture" when it is no picture it can read; both
// name the file.
LoadedPicture LoadPictureFile(const QString& path);
// The same for the bytes of a file; path only names it in messages.
LoadedPicture LoadPictureBytes(const QByteArray& bytes, const QString& path);

struct AppError;
// 481 "Invalid picture: <path> (<reason>)", the error of a file that is no picture it can read.
AppError InvalidPictureError(const QString& path, const QString& reason);
