#include "decoding/PictureFiles.h"

#include "core/AppError.h"
#include "core/RegularFile.h"
#include "decoding/ImagingDecoder.h"
#include "decoding/WmfHeader.h"
#include "decoding/WmfRenderer.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace {

constexpr int InvalidPicture = 481;
const QString FolderKind = QStringLiteral("a folder");

[[noreturn]] void ThrowInvalid(const QString& path, const QString& reason) {
    throw InvalidPictureError(path, reason);
}

} // namespace

AppError InvalidPictureError(const QString& path, const QString& reason) {
    return {InvalidPicture,
            QStringLiteral("Invalid picture: ") + QDir::toNativeSeparators(path) +
                (reason.isEmpty() ? QString() : QStringLiteral(" (") + reason + QLatin1Char(')')),
            {}};
}

LoadedPicture LoadPictureFile(const QString& path) {
    return LoadPictureBytes(ReadPictureFile(path), path);
}

void CheckPictureFile(const QString& path) {
    const QString kind = NotARegularFile(path);
    if (!kind.isEmpty() && kind != FolderKind) {
        ThrowInvalid(path, QStringLiteral("it is %1, not a file").arg(kind));
    }
}

QByteArray ReadPictureFile(const QString& path) {
    if (!QFileInfo::exists(path) || NotARegularFile(path) == FolderKind) {
        throw AppError{ErrorNumber::FileNotFound,
                       QStringLiteral("File not found: ") + QDir::toNativeSeparators(path),
                       {}};
    }
    CheckPictureFile(path);
    QFile file;
    QString problem;
    if (!OpenRegularFile(file, path, &problem)) {
        // Swapped for something else since the check above, or not readable.
        CheckPictureFile(path);
        throw AppError{ErrorNumber::PermissionDenied,
                       QStringLiteral("Permission denied: ") + QDir::toNativeSeparators(path),
                       {}};
    }
    return file.readAll();
}

LoadedPicture LoadPictureBytes(const QByteArray& bytes, const QString& path) {
    if (bytes.isEmpty()) {
        ThrowInvalid(path, QStringLiteral("the file is empty"));
    }

    LoadedPicture loaded;
    if (LooksLikeWmf(bytes)) {
        const QString problem = WmfHeaderProblem(bytes);
        if (!problem.isEmpty()) {
            ThrowInvalid(path, problem);
        }
        QSize displaySize;
        loaded.image = RenderWmf(bytes, MostPicturePixels, &displaySize);
        if (const QString tooLarge = TooLargeReason(displaySize); !tooLarge.isEmpty()) {
            ThrowInvalid(path, tooLarge);
        }
        if (loaded.image.isNull()) {
            ThrowInvalid(path, QStringLiteral("the metafile cannot be drawn"));
        }
        loaded.type = PictureType::Metafile;
        loaded.originalBytes = bytes;
        return loaded;
    }

    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    const QByteArray format = reader.format();
    const QString tooLarge = TooLargeReason(reader.size());
    if (!tooLarge.isEmpty()) {
        ThrowInvalid(path, tooLarge);
    }
    loaded.image = reader.read();
    if (loaded.image.isNull()) {
        ThrowInvalid(path, reader.errorString());
    }
    loaded.type = format == "ico" || format == "cur" ? PictureType::Icon : PictureType::Bitmap;
    return loaded;
}
