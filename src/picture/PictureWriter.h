#pragma once

#include "picture/PictureType.h"

#include <QByteArray>
#include <QImage>
#include <QString>

// Writes a picture in its own format: a metafile as the WMF bytes it came from, an icon as
// ICO, a PDF page as PNG, anything else as BMP. The file is put in place only when it is completely
// written. Throws AppError (481 when there is no picture, file errors as for data files).
void WritePicture(const QString& path, const QImage& picture, PictureType type,
                  const QByteArray& originalBytes);
