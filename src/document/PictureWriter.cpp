#include "document/PictureWriter.h"

#include "core/AppError.h"
#include "core/FileErrors.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

void WritePicture(const QString& path, const QImage& picture, PictureType type,
                  const QByteArray& originalBytes) {
    if (type == PictureType::None || picture.isNull()) {
        throw AppError{481, QStringLiteral("Invalid picture: there is no picture to save"), {}};
    }
    if (QFileInfo(path).isDir()) {
        throw AppError{ErrorNumber::PathFileAccess,
                       QStringLiteral("Path/File access error: ") + QDir::toNativeSeparators(path) +
                           QStringLiteral(" is a folder"),
                       {}};
    }
    QByteArray bytes;
    if (type == PictureType::Metafile && !originalBytes.isEmpty()) {
        bytes = originalBytes;
    } else {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        const char* format = type == PictureType::Icon      ? "ico"
                             : type == PictureType::PdfPage ? "png"
                                                            : "bmp";
        QImageWriter writer(&buffer, format);
        if (!writer.write(picture)) {
            throw AppError{481, QStringLiteral("Invalid picture: ") + writer.errorString(), {}};
        }
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        throw FileErrorFor(file, path);
    }
}
