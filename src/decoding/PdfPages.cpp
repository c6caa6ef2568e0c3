#include "decoding/PdfPages.h"

#include "core/AppError.h"
#include "core/RegularFile.h"
#include "decoding/ImagingDecoder.h"
#include "decoding/VectorRecorder.h"
#include "decoding/WmfRenderer.h"

#include <poppler-qt6.h>

#include <QFile>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <future>

namespace {

constexpr qsizetype HeaderWindow = 1024;

[[noreturn]] void ThrowInvalid(const QString& path, const QString& reason) {
    throw InvalidPictureError(path, reason);
}

void IgnorePopplerMessage(const QString& /*message*/, const QVariant& /*closure*/) {}

// Poppler writes every complaint about a damaged file to standard error; the program reports
// the outcome in its own words instead.
void QuietenPoppler() {
    static const bool quiet = [] {
        Poppler::setDebugErrorFunction(IgnorePopplerMessage, QVariant());
        return true;
    }();
    (void)quiet;
}

double PixelCount(QSizeF points, double dotsPerInch) {
    return std::floor(points.width() * dotsPerInch / 72 + 0.5) *
           std::floor(points.height() * dotsPerInch / 72 + 0.5);
}

bool HasArea(QSizeF points) {
    return std::isfinite(points.width()) && std::isfinite(points.height()) && points.width() > 0 &&
           points.height() > 0;
}

// The page's drawing commands as numbers, at the resolution of its picture, with the texts of
// the page where they stand. Works on a document of its own, so that it can run beside the
// rendering of the pixels.
VectorDrawing RecordPage(const QByteArray& bytes, int pageNumber, QSize pixels,
                         double dotsPerInch) {
    const std::unique_ptr<Poppler::Document> document = Poppler::Document::loadFromData(bytes);
    const std::unique_ptr<Poppler::Page> page = document ? document->page(pageNumber - 1) : nullptr;
    if (!page) {
        return {};
    }
    document->setRenderBackend(Poppler::Document::QPainterBackend);
    VectorRecorder recorder(pixels, false);
    {
        QPainter painter(&recorder);
        page->renderToPainter(&painter, dotsPerInch, dotsPerInch);
    }
    // Glyphs arrive as shapes; the words come from the page's text.
    const double scale = dotsPerInch / 72;
    for (const std::unique_ptr<Poppler::TextBox>& box : page->textList()) {
        const QRectF points = box->boundingBox();
        recorder.KeepText(box->text(),
                          QRectF(points.left() * scale - 0.5, points.top() * scale - 0.5,
                                 points.width() * scale, points.height() * scale));
    }
    return recorder.Take();
}

double PreviewDotsPerInch(QSizeF points) {
    return PdfPreviewSide * 72.0 / std::max(points.width(), points.height());
}

} // namespace

bool LooksLikePdf(const QByteArray& head) {
    // A picture is what its first bytes say; a PDF's mark may come after some bytes of junk,
    // and a picture may carry the same letters in a text of its own.
    return !StartsLikeAPicture(head) && head.left(HeaderWindow).contains("%PDF-");
}

bool StartsLikeAPicture(const QByteArray& head) {
    static const QByteArray signatures[] = {
        QByteArray("\x89PNG\r\n\x1a\n"),
        QByteArray("\xff\xd8\xff"),
        QByteArray("GIF87a"),
        QByteArray("GIF89a"),
        QByteArray("BM"),
        QByteArray("\0\0\1\0", 4),
        QByteArray("\0\0\2\0", 4),
        QByteArray("II*\0", 4),
        QByteArray("MM\0*", 4),
    };
    for (const QByteArray& signature : signatures) {
        if (head.startsWith(signature)) {
            return true;
        }
    }
    const bool webp = head.startsWith("RIFF") && head.mid(8, 4) == "WEBP";
    return webp || LooksLikeWmf(head);
}

bool IsPdfFile(const QString& path) {
    QFile file;
    return OpenRegularFile(file, path) && LooksLikePdf(file.read(HeaderWindow));
}

QSize PdfPagePixels(QSizeF points, double dotsPerInch) {
    const auto side = [&](double length) {
        const double pixels = std::floor(length * dotsPerInch / 72 + 0.5);
        return static_cast<int>(std::clamp(pixels, 0.0, 2147483647.0));
    };
    return {side(points.width()), side(points.height())};
}

int MostFittingPdfDotsPerInch(QSizeF points) {
    if (!HasArea(points)) {
        return 0;
    }
    // The pixel count grows with the resolution, so the last one that fits is found by halving.
    int fits = 0;
    int tooMany = MostPdfDotsPerInch + 1;
    while (tooMany - fits > 1) {
        const int middle = fits + (tooMany - fits) / 2;
        if (PixelCount(points, middle) <= static_cast<double>(MostPicturePixels)) {
            fits = middle;
        } else {
            tooMany = middle;
        }
    }
    return fits;
}

QString PdfPageTooLargeReason(QSizeF points, double dotsPerInch) {
    if (!HasArea(points)) {
        return QStringLiteral("the page has no size");
    }
    if (PixelCount(points, dotsPerInch) <= static_cast<double>(MostPicturePixels)) {
        return {};
    }
    const QSize pixels = PdfPagePixels(points, dotsPerInch);
    QString reason = QStringLiteral("the page at %1 dpi would have %2 x %3 pixels; at most %4 "
                                    "megapixels can be read")
                         .arg(dotsPerInch)
                         .arg(pixels.width())
                         .arg(pixels.height())
                         .arg(MostPicturePixels / (1024 * 1024));
    const int fits = MostFittingPdfDotsPerInch(points);
    if (fits >= LeastPdfDotsPerInch) {
        return reason + QStringLiteral(": %1 dpi or less fits").arg(fits);
    }
    return reason +
           QStringLiteral(", and the page is too large even at %1 dpi").arg(LeastPdfDotsPerInch);
}

LoadedPicture RenderPdfPage(const QByteArray& bytes, const QString& path,
                            const PdfPageRequest& request) {
    QuietenPoppler();
    if (!request.preview &&
        (request.dotsPerInch < LeastPdfDotsPerInch || request.dotsPerInch > MostPdfDotsPerInch)) {
        ThrowInvalid(path, QStringLiteral("a PDF page is rendered at %1 to %2 dpi, not at %3")
                               .arg(LeastPdfDotsPerInch)
                               .arg(MostPdfDotsPerInch)
                               .arg(request.dotsPerInch));
    }
    const std::unique_ptr<Poppler::Document> document = Poppler::Document::loadFromData(bytes);
    if (!document) {
        ThrowInvalid(path, QStringLiteral("the PDF is damaged and cannot be read"));
    }
    if (document->isLocked()) {
        ThrowInvalid(path, QStringLiteral("the PDF is encrypted and needs a password"));
    }
    const int pageCount = document->numPages();
    if (pageCount <= 0) {
        ThrowInvalid(path, QStringLiteral("the PDF has no pages"));
    }
    if (request.page < 1 || request.page > pageCount) {
        ThrowInvalid(path, QStringLiteral("the PDF has no page %1; its pages are 1 to %2")
                               .arg(request.page)
                               .arg(pageCount));
    }
    const std::unique_ptr<Poppler::Page> page = document->page(request.page - 1);
    if (!page) {
        ThrowInvalid(path, QStringLiteral("page %1 of the PDF is damaged").arg(request.page));
    }
    const QSizeF points = page->pageSizeF();
    const double dotsPerInch =
        request.preview && HasArea(points) ? PreviewDotsPerInch(points) : request.dotsPerInch;
    if (const QString tooLarge = PdfPageTooLargeReason(points, dotsPerInch); !tooLarge.isEmpty()) {
        ThrowInvalid(path, tooLarge);
    }
    // The drawing is recorded on the other core while this one renders the pixels.
    std::future<VectorDrawing> recording;
    if (!request.preview && request.drawing) {
        recording = std::async(std::launch::async, RecordPage, bytes, request.page,
                               PdfPagePixels(points, dotsPerInch), dotsPerInch);
    }
    document->setRenderHint(Poppler::Document::Antialiasing);
    document->setRenderHint(Poppler::Document::TextAntialiasing);
    document->setPaperColor(Qt::white);
    QImage image = page->renderToImage(dotsPerInch, dotsPerInch);
    if (image.isNull()) {
        ThrowInvalid(path, QStringLiteral("page %1 of the PDF cannot be drawn").arg(request.page));
    }
    if (const QString tooLarge = TooLargeReason(image.size()); !tooLarge.isEmpty()) {
        ThrowInvalid(path, tooLarge);
    }
    // The paper is opaque white, so dropping the alpha channel changes no pixel.
    image.convertTo(QImage::Format_RGB32);
    LoadedPicture loaded{image, PictureType::PdfPage, {}, {request.page, pageCount, points}, {}};
    if (recording.valid()) {
        VectorDrawing drawing = recording.get();
        drawing.size = QSizeF(image.size());
        loaded.drawing = std::make_shared<const VectorDrawing>(std::move(drawing));
    }
    return loaded;
}
