#include "acquisition/PictureFiles.h"

#include "acquisition/Module2.h"
#include "acquisition/WmfRenderer.h"
#include "core/AppError.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace {

constexpr int InvalidPicture = 481;

[[noreturn]] void ThrowInvalid(const QString& path, const QString& reason) {
    throw AppError{
        InvalidPicture,
        QStringLiteral("Invalid picture: ") + QDir::toNativeSeparators(path) +
            (reason.isEmpty() ? QString() : QStringLiteral(" (") + reason + QLatin1Char(')')),
        {}};
}

} // namespace

LoadedPicture LoadPictureFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists() || info.isDir()) {
        throw AppError{ErrorNumber::FileNotFound,
                       QStringLiteral("File not found: ") + QDir::toNativeSeparators(path),
                       {}};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw AppError{ErrorNumber::PermissionDenied,
                       QStringLiteral("Permission denied: ") + QDir::toNativeSeparators(path),
                       {}};
    }
    const QByteArray bytes = file.readAll();
    if (bytes.isEmpty()) {
        ThrowInvalid(path, QStringLiteral("the file is empty"));
    }

    LoadedPicture loaded;
    if (LooksLikeWmf(bytes)) {
        const qint64 mostPixels = static_cast<qint64>(DecodeLimitMegabytes) * 1024 * 1024 / 4;
        loaded.image = RenderWmf(bytes, mostPixels);
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
    loaded.image = reader.read();
    if (loaded.image.isNull()) {
        ThrowInvalid(path, reader.errorString());
    }
    loaded.type = format == "ico" || format == "cur" ? PictureType::Icon : PictureType::Bitmap;
    return loaded;
}
