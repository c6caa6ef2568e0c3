#include "decoding/SvgPictures.h"

#include "core/AppError.h"
#include "core/RegularFile.h"
#include "decoding/ImagingDecoder.h"
#include "decoding/PdfPages.h"
#include "decoding/VectorRecorder.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

#include <cmath>

namespace {

constexpr qsizetype HeadWindow = 4096;

} // namespace

bool LooksLikeSvg(const QByteArray& head) {
    const QByteArray window = head.left(HeadWindow);
    return !StartsLikeAPicture(head) && !LooksLikePdf(head) && window.contains("<svg");
}

bool IsSvgFile(const QString& path) {
    QFile file;
    return OpenRegularFile(file, path) && LooksLikeSvg(file.read(HeadWindow));
}

LoadedPicture RenderSvgFile(const QByteArray& bytes, const QString& path, double pixelsPerUnit) {
    QSvgRenderer renderer(bytes);
    if (!renderer.isValid()) {
        throw InvalidPictureError(path,
                                  QStringLiteral("the SVG file is damaged and cannot be read"));
    }
    const QSizeF units = renderer.viewBoxF().size();
    if (!(units.width() > 0 && units.height() > 0 && std::isfinite(units.width()) &&
          std::isfinite(units.height()))) {
        throw InvalidPictureError(path, QStringLiteral("the SVG drawing has no size"));
    }
    // Held to the pixel limit with the same shape.
    const double fitting =
        std::sqrt(static_cast<double>(MostPicturePixels) / (units.width() * units.height()));
    const double scale = std::min(pixelsPerUnit, fitting);
    const QSize pixels(std::max(1, static_cast<int>(std::round(units.width() * scale))),
                       std::max(1, static_cast<int>(std::round(units.height() * scale))));
    if (const QString tooLarge = TooLargeReason(pixels); !tooLarge.isEmpty()) {
        throw InvalidPictureError(path, tooLarge);
    }
    QImage image(pixels, QImage::Format_RGB32);
    if (image.isNull()) {
        throw InvalidPictureError(path, QStringLiteral("it needs more memory than a picture may "
                                                       "take"));
    }
    image.fill(Qt::white);
    const QRectF target(QPointF(0, 0), QSizeF(pixels));
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        renderer.render(&painter, target);
    }
    VectorRecorder recorder(pixels, true);
    {
        QPainter painter(&recorder);
        renderer.render(&painter, target);
    }
    LoadedPicture loaded{image, PictureType::SvgDrawing, {}, {}, {}};
    loaded.drawing = std::make_shared<const VectorDrawing>(recorder.Take());
    return loaded;
}
