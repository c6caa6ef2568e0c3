#include "picture/PictureWriter.h"

#include "core/AppError.h"
#include "core/FileErrors.h"

#include <QBuffer>
#include <QImageWriter>

void WritePicture(const QString& path, const QImage& picture, PictureType type,
                  const QByteArray& originalBytes) {
    if (type == PictureType::None || picture.isNull()) {
        throw AppError{481, QStringLiteral("Invalid picture: there is no picture to save"), {}};
    }
    QByteArray bytes;
    if (type == PictureType::Metafile && !originalBytes.isEmpty()) {
        bytes = originalBytes;
    } else {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        const char* format = type == PictureType::Icon ? "ico"
                             : IsRenderedDrawing(type) ? "png"
                                                       : "bmp";
        QImageWriter writer(&buffer, format);
        if (!writer.write(picture)) {
            throw AppError{481, QStringLiteral("Invalid picture: ") + writer.errorString(), {}};
        }
    }
    WriteWholeFile(path, bytes);
}
