#include "decoding/DecoderReply.h"

#include "decoding/ImagingDecoder.h"
#include "drawing/DrawingFormat.h"
#include "picture/OpaquePicture.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr char Magic[] = "KVXD";
constexpr qsizetype MagicSize = 4;
constexpr quint32 PictureKind = 1;
constexpr quint32 ErrorKind = 2;
constexpr qsizetype KindEnd = MagicSize + 4;
constexpr qsizetype PictureHeaderSize = KindEnd + 36;
// A PDF page's size travels in thousandths of a point.
constexpr double PointParts = 1000;
// A metafile kept as it came, and the texts of an error, are small; more is a damaged reply.
constexpr quint32 MostOriginalBytes = 64u * 1024 * 1024;
constexpr quint32 MostTextBytes = 64u * 1024;

void PutWord(QByteArray& out, quint32 value) {
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

void PutText(QByteArray& out, const QString& text) {
    const QByteArray utf8 = text.toUtf8().left(MostTextBytes);
    PutWord(out, static_cast<quint32>(utf8.size()));
    out.append(utf8);
}

quint32 PointWord(double points) {
    const double parts = std::round(points * PointParts);
    return std::isfinite(parts) ? static_cast<quint32>(std::clamp(parts, 0.0, 4294967295.0)) : 0;
}

quint32 WordAt(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

} // namespace

QByteArray PictureReply(const LoadedPicture& picture) {
    QByteArray out;
    WritePictureReply(picture, [&out](const char* data, qsizetype size) {
        out.append(data, size);
        return true;
    });
    return out;
}

bool WritePictureReply(const LoadedPicture& picture,
                       const std::function<bool(const char*, qsizetype)>& write) {
    // Composited here: the reply carries no alpha.
    const QImage image = OpaqueOnWhite(picture.image);
    QByteArray header(Magic, MagicSize);
    PutWord(header, PictureKind);
    PutWord(header, static_cast<quint32>(picture.type));
    PutWord(header, static_cast<quint32>(image.width()));
    PutWord(header, static_cast<quint32>(image.height()));
    PutWord(header, static_cast<quint32>(picture.originalBytes.size()));
    PutWord(header, static_cast<quint32>(picture.pdf.page));
    PutWord(header, static_cast<quint32>(picture.pdf.pageCount));
    PutWord(header, PointWord(picture.pdf.points.width()));
    PutWord(header, PointWord(picture.pdf.points.height()));
    const QByteArray drawing = picture.drawing ? DrawingBytes(*picture.drawing) : QByteArray();
    PutWord(header, static_cast<quint32>(drawing.size()));
    if (!write(header.constData(), header.size())) {
        return false;
    }
    const qsizetype rowBytes = static_cast<qsizetype>(image.width()) * 4;
    const auto* pixels = reinterpret_cast<const char*>(image.constBits());
    if (image.bytesPerLine() == rowBytes) {
        if (!write(pixels, rowBytes * image.height())) {
            return false;
        }
    } else {
        for (int row = 0; row < image.height(); ++row) {
            if (!write(reinterpret_cast<const char*>(image.constScanLine(row)), rowBytes)) {
                return false;
            }
        }
    }
    return write(picture.originalBytes.constData(), picture.originalBytes.size()) &&
           write(drawing.constData(), drawing.size());
}

QByteArray ErrorReply(const AppError& error) {
    QByteArray out(Magic, MagicSize);
    PutWord(out, ErrorKind);
    PutWord(out, static_cast<quint32>(error.number));
    PutText(out, error.description);
    PutText(out, error.source);
    return out;
}

void DecoderReplyReader::Feed(const char* data, qsizetype size) {
    while (size > 0) {
        if (m_state != State::Incomplete) {
            m_state = State::Damaged; // more than the reply said
            return;
        }
        if (m_kind != static_cast<int>(PictureKind) || m_picture.image.isNull()) {
            // Header fields: taken one byte range at a time up to what is known to be needed.
            const qsizetype wanted = std::max<qsizetype>(KindEnd, m_pending.size() + 1);
            const qsizetype taken = std::min(size, wanted - m_pending.size());
            m_pending.append(data, taken);
            data += taken;
            size -= taken;
            if (!TakeHeader()) {
                return;
            }
            continue;
        }
        const qint64 pixelBytes =
            static_cast<qint64>(m_picture.image.width()) * m_picture.image.height() * 4;
        if (m_pixelBytesDone < pixelBytes) {
            const qsizetype taken =
                static_cast<qsizetype>(std::min<qint64>(size, pixelBytes - m_pixelBytesDone));
            std::memcpy(m_picture.image.bits() + m_pixelBytesDone, data,
                        static_cast<size_t>(taken));
            m_pixelBytesDone += taken;
            data += taken;
            size -= taken;
        } else if (m_picture.originalBytes.size() < m_originalLength) {
            const qsizetype taken = static_cast<qsizetype>(
                std::min<qint64>(size, m_originalLength - m_picture.originalBytes.size()));
            m_picture.originalBytes.append(data, taken);
            data += taken;
            size -= taken;
        } else {
            const qsizetype taken = static_cast<qsizetype>(
                std::min<qint64>(size, m_drawingLength - m_drawingBytes.size()));
            m_drawingBytes.append(data, taken);
            data += taken;
            size -= taken;
        }
        TakePixels();
    }
}

void DecoderReplyReader::TakePixels() {
    if (m_kind != static_cast<int>(PictureKind) || m_picture.image.isNull()) {
        return;
    }
    const qint64 pixelBytes =
        static_cast<qint64>(m_picture.image.width()) * m_picture.image.height() * 4;
    if (m_pixelBytesDone != pixelBytes || m_picture.originalBytes.size() != m_originalLength ||
        m_drawingBytes.size() != m_drawingLength) {
        return;
    }
    if (m_drawingLength > 0) {
        std::optional<VectorDrawing> drawing = ReadDrawingBytes(m_drawingBytes);
        m_drawingBytes.clear();
        if (!drawing) {
            m_state = State::Damaged;
            return;
        }
        m_picture.drawing = std::make_shared<const VectorDrawing>(std::move(*drawing));
    }
    m_state = State::Picture;
}

// Looks at the header bytes gathered so far; false when they are damaged.
bool DecoderReplyReader::TakeHeader() {
    if (m_pending.size() < KindEnd) {
        return true;
    }
    if (std::memcmp(m_pending.constData(), Magic, MagicSize) != 0) {
        m_state = State::Damaged;
        return false;
    }
    m_kind = static_cast<int>(WordAt(m_pending, MagicSize));
    if (m_kind == static_cast<int>(ErrorKind)) {
        return TakeErrorFields();
    }
    if (m_kind != static_cast<int>(PictureKind)) {
        m_state = State::Damaged;
        return false;
    }
    if (m_pending.size() < PictureHeaderSize) {
        return true;
    }
    const quint32 type = WordAt(m_pending, KindEnd);
    const quint32 width = WordAt(m_pending, KindEnd + 4);
    const quint32 height = WordAt(m_pending, KindEnd + 8);
    const quint32 original = WordAt(m_pending, KindEnd + 12);
    const quint32 page = WordAt(m_pending, KindEnd + 16);
    const quint32 pageCount = WordAt(m_pending, KindEnd + 20);
    const quint32 drawingLength = WordAt(m_pending, KindEnd + 32);
    const bool isPage = type == static_cast<quint32>(PictureType::PdfPage);
    const bool drawn = isPage || type == static_cast<quint32>(PictureType::SvgDrawing);
    const bool knownType = isPage || type == static_cast<quint32>(PictureType::Bitmap) ||
                           type == static_cast<quint32>(PictureType::Metafile) ||
                           type == static_cast<quint32>(PictureType::Icon) ||
                           type == static_cast<quint32>(PictureType::SvgDrawing);
    const bool pageFits = isPage ? page >= 1 && page <= pageCount && pageCount <= 0x7FFFFFFFu
                                 : page == 0 && pageCount == 0;
    if (!knownType || !pageFits || width == 0 || height == 0 || width > 0x7FFFFFFFu ||
        height > 0x7FFFFFFFu ||
        static_cast<quint64>(width) * height > static_cast<quint64>(MostPicturePixels) ||
        original > MostOriginalBytes || (!drawn && drawingLength != 0) ||
        drawingLength > static_cast<quint64>(MostDrawingBytes())) {
        m_state = State::Damaged;
        return false;
    }
    m_picture.type = static_cast<PictureType>(type);
    m_picture.pdf = {static_cast<int>(page), static_cast<int>(pageCount),
                     QSizeF(WordAt(m_pending, KindEnd + 24) / PointParts,
                            WordAt(m_pending, KindEnd + 28) / PointParts)};
    m_picture.image =
        QImage(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB32);
    if (m_picture.image.isNull()) {
        m_state = State::Damaged;
        return false;
    }
    m_originalLength = original;
    m_drawingLength = drawingLength;
    m_picture.originalBytes.reserve(static_cast<qsizetype>(original));
    m_pending.clear();
    TakePixels();
    return true;
}

bool DecoderReplyReader::TakeErrorFields() {
    // number, description length and bytes, source length and bytes
    qsizetype at = KindEnd + 4;
    QString texts[2];
    for (QString& text : texts) {
        if (m_pending.size() < at + 4) {
            return true;
        }
        const quint32 length = WordAt(m_pending, at);
        if (length > MostTextBytes) {
            m_state = State::Damaged;
            return false;
        }
        at += 4;
        if (m_pending.size() < at + static_cast<qsizetype>(length)) {
            return true;
        }
        text = QString::fromUtf8(m_pending.constData() + at, static_cast<qsizetype>(length));
        at += static_cast<qsizetype>(length);
    }
    m_error = {static_cast<int>(WordAt(m_pending, KindEnd)), texts[0], texts[1]};
    m_pending.clear();
    m_state = State::Error;
    return true;
}

DecoderReplyReader::State DecoderReplyReader::Finish() {
    if (m_state == State::Incomplete) {
        m_state = State::Damaged;
    }
    return m_state;
}
