#include "decoding/ImagingDecoder.h"

#include "core/AppError.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>

#include <cmath>

namespace {

const QString ModuleSource = QStringLiteral("GDI+ Module");

[[noreturn]] void ThrowLoadError(const QString& description) {
    throw AppError{999, description, ModuleSource};
}

int RoundHalfEven(double value) {
    return static_cast<int>(std::nearbyint(value));
}

QColor BackColorOf(int packed) {
    return QColor(packed & 0xFF, (packed >> 8) & 0xFF, (packed >> 16) & 0xFF);
}

QImage Decode(QImageReader& reader, const QString& failure) {
    reader.setAutoTransform(true);
    const QString tooLarge = TooLargeReason(reader.size());
    if (!tooLarge.isEmpty()) {
        ThrowLoadError(failure + QStringLiteral(" (") + tooLarge + QLatin1Char(')'));
    }
    return reader.read();
}

} // namespace

void SetDecodeLimits() {
    QImageReader::setAllocationLimit(DecodeLimitMegabytes);
}

QString TooLargeReason(QSize size) {
    if (!size.isValid() || static_cast<qint64>(size.width()) * size.height() <= MostPicturePixels) {
        return {};
    }
    return QStringLiteral("the picture has %1 x %2 pixels; at most %3 megapixels can be read")
        .arg(size.width())
        .arg(size.height())
        .arg(MostPicturePixels / (1024 * 1024));
}

int StartImaging() {
    static int started = 0;
    return ++started;
}

void StopImaging(int /*token*/) {}

std::unique_ptr<QBuffer> StreamFromBytes(const QByteArray& bytes, qsizetype first, qsizetype size) {
    if (first < 0 || first >= bytes.size() || size < 0) {
        return nullptr;
    }
    if (size == 0) {
        size = bytes.size() - first;
    }
    if (first + size > bytes.size()) {
        return nullptr;
    }
    auto stream = std::make_unique<QBuffer>();
    stream->setData(bytes.mid(first, size));
    if (!stream->open(QIODevice::ReadOnly)) {
        return nullptr;
    }
    return stream;
}

QImage DecodeToPicture(const QVariant& source, int& width, int& height, int backColor,
                       bool keepRatio) {
    if (!source.isValid()) {
        return {};
    }
    QImage image;
    if (source.typeId() == QMetaType::QString) {
        const QString path = source.toString();
        QImageReader reader(path);
        const QString failure = QStringLiteral("Error loading picture ") + path;
        image = Decode(reader, failure);
        if (image.isNull()) {
            ThrowLoadError(failure);
        }
    } else if (source.typeId() == QMetaType::QByteArray) {
        const std::unique_ptr<QBuffer> stream = StreamFromBytes(source.toByteArray(), 0, 0);
        if (stream) {
            QImageReader reader(stream.get());
            image = Decode(reader, QStringLiteral("Error loading picture"));
        }
        if (image.isNull()) {
            ThrowLoadError(QStringLiteral("Error loading picture"));
        }
    } else {
        throw AppError{998, QStringLiteral("Passed invalid parameter as PicFile"), ModuleSource};
    }

    if (width == -1 || height == -1) {
        width = image.width();
        height = image.height();
    }
    if (width <= 0 || height <= 0) {
        ThrowLoadError(QStringLiteral("Error loading picture"));
    }
    // An opaque picture at its own size looks the same on any background: no canvas needed.
    if (!keepRatio && image.size() == QSize(width, height) && !image.hasAlphaChannel()) {
        return image.convertToFormat(QImage::Format_RGB32);
    }
    QImage canvas(width, height, QImage::Format_RGB32);
    if (canvas.isNull()) {
        ThrowLoadError(QStringLiteral("Error loading picture"));
    }
    canvas.fill(BackColorOf(backColor));
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!keepRatio) {
        if (image.size() == canvas.size()) {
            painter.drawImage(0, 0, image);
        } else {
            painter.drawImage(QRect(0, 0, width, height), image);
        }
    } else {
        const double imageRatio = static_cast<double>(image.width()) / image.height();
        const double boxRatio = static_cast<double>(width) / height;
        int drawnWidth = 0;
        int drawnHeight = 0;
        if (boxRatio < imageRatio) {
            drawnWidth = width;
            drawnHeight = RoundHalfEven(width / imageRatio);
        } else {
            drawnWidth = RoundHalfEven(height * imageRatio);
            drawnHeight = height;
        }
        const int left = RoundHalfEven((width - drawnWidth) / 2.0);
        const int top = RoundHalfEven((height - drawnHeight) / 2.0);
        painter.drawImage(QRect(left, top, drawnWidth, drawnHeight), image);
    }
    return canvas;
}
