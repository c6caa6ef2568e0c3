#include "drawing/DrawingFormat.h"

#include <QtEndian>

#include <bit>

#include <cmath>
#include <cstring>

namespace {

constexpr char Magic[] = "KVXV";
constexpr quint32 Version = 1;
constexpr quint32 Stroked = 1;
constexpr quint32 Filled = 2;
constexpr quint32 Closed = 4;
constexpr qsizetype PathHeaderBytes = 6 * 4 + 5 * 8;
constexpr qsizetype TextFixedBytes = 4 + 4 * 8;
constexpr qsizetype MostReasonBytes = 4096;

class Writer {
public:
    void Reserve(qsizetype bytes) { m_out.reserve(bytes); }
    void Word(quint32 value) {
        char bytes[4];
        qToLittleEndian(value, bytes);
        m_out.append(bytes, 4);
    }
    void Real(double value) {
        char bytes[8];
        qToLittleEndian(std::bit_cast<quint64>(value), bytes);
        m_out.append(bytes, 8);
    }
    void Text(const QString& text) {
        const QByteArray utf8 = text.toUtf8();
        Word(static_cast<quint32>(utf8.size()));
        m_out.append(utf8);
    }
    void Raw(const char* data, qsizetype size) { m_out.append(data, size); }
    QByteArray Take() { return std::move(m_out); }

private:
    QByteArray m_out;
};

class Reader {
public:
    explicit Reader(const QByteArray& bytes) : m_bytes(bytes) {}
    qsizetype Left() const { return m_bytes.size() - m_at; }
    bool Word(quint32& value) {
        if (Left() < 4) {
            return false;
        }
        value = qFromLittleEndian<quint32>(m_bytes.constData() + m_at);
        m_at += 4;
        return true;
    }
    bool Real(double& value) {
        if (Left() < 8) {
            return false;
        }
        value = std::bit_cast<double>(qFromLittleEndian<quint64>(m_bytes.constData() + m_at));
        m_at += 8;
        return std::isfinite(value);
    }
    bool Bytes(qsizetype size, QByteArray& out) {
        if (size < 0 || Left() < size) {
            return false;
        }
        out = m_bytes.mid(m_at, size);
        m_at += size;
        return true;
    }
    bool Rect(QRectF& rect) {
        double left = 0;
        double top = 0;
        double width = 0;
        double height = 0;
        if (!Real(left) || !Real(top) || !Real(width) || !Real(height) || width < 0 || height < 0) {
            return false;
        }
        rect = QRectF(left, top, width, height);
        return true;
    }

private:
    const QByteArray& m_bytes;
    qsizetype m_at = 0;
};

void PutRect(Writer& out, const QRectF& rect) {
    out.Real(rect.left());
    out.Real(rect.top());
    out.Real(rect.width());
    out.Real(rect.height());
}

bool ReadPath(Reader& in, DrawnPath& path, std::size_t& pointsLeft) {
    quint32 flags = 0;
    quint32 stroke = 0;
    quint32 fill = 0;
    quint32 pieces = 0;
    quint32 points = 0;
    if (!in.Word(flags) || flags > (Stroked | Filled | Closed) || !in.Word(stroke) ||
        !in.Word(fill) || !in.Word(path.dashKey) || !in.Word(pieces) || !in.Word(points) ||
        !in.Real(path.strokeWidth) || path.strokeWidth < 0 || !in.Rect(path.clip)) {
        return false;
    }
    // A path has a piece for at most every point, and every piece at least one point.
    if (points > pointsLeft || pieces > points || (points > 0 && pieces == 0) ||
        in.Left() < static_cast<qint64>(pieces) * 4 + static_cast<qint64>(points) * 16) {
        return false;
    }
    pointsLeft -= points;
    path.stroked = (flags & Stroked) != 0;
    path.filled = (flags & Filled) != 0;
    path.closed = (flags & Closed) != 0;
    path.strokeColor = stroke;
    path.fillColor = fill;
    path.pieceStarts.resize(pieces);
    for (quint32 piece = 0; piece < pieces; ++piece) {
        quint32 start = 0;
        in.Word(start);
        const bool rising = piece == 0 ? start == 0 : start > path.pieceStarts[piece - 1];
        if (!rising || start >= points) {
            return false;
        }
        path.pieceStarts[piece] = start;
    }
    path.points.resize(points);
    for (QPointF& point : path.points) {
        double x = 0;
        double y = 0;
        if (!in.Real(x) || !in.Real(y)) {
            return false;
        }
        point = QPointF(x, y);
    }
    return true;
}

} // namespace

QByteArray DrawingBytes(const VectorDrawing& drawing) {
    Writer out;
    qsizetype bytes = 36 + 4 * MostReasonBytes;
    for (const DrawnPath& path : drawing.paths) {
        bytes += PathHeaderBytes + static_cast<qsizetype>(path.pieceStarts.size()) * 4 +
                 static_cast<qsizetype>(path.points.size()) * 16;
    }
    out.Reserve(bytes + static_cast<qsizetype>(drawing.texts.size()) * (TextFixedBytes + 16));
    out.Raw(Magic, 4);
    out.Word(Version);
    out.Word(static_cast<quint32>(drawing.paths.size()));
    out.Word(static_cast<quint32>(drawing.texts.size()));
    out.Text(drawing.dropped.left(MostReasonBytes / 4));
    out.Real(drawing.size.width());
    out.Real(drawing.size.height());
    for (const DrawnPath& path : drawing.paths) {
        out.Word((path.stroked ? Stroked : 0) | (path.filled ? Filled : 0) |
                 (path.closed ? Closed : 0));
        out.Word(path.strokeColor);
        out.Word(path.fillColor);
        out.Word(path.dashKey);
        out.Word(static_cast<quint32>(path.pieceStarts.size()));
        out.Word(static_cast<quint32>(path.points.size()));
        out.Real(path.strokeWidth);
        PutRect(out, path.clip);
        for (const std::uint32_t start : path.pieceStarts) {
            out.Word(start);
        }
        for (const QPointF& point : path.points) {
            out.Real(point.x());
            out.Real(point.y());
        }
    }
    for (const DrawnText& text : drawing.texts) {
        out.Text(text.text);
        PutRect(out, text.box);
    }
    return out.Take();
}

std::optional<VectorDrawing> ReadDrawingBytes(const QByteArray& bytes) {
    Reader in(bytes);
    QByteArray magic;
    quint32 version = 0;
    quint32 paths = 0;
    quint32 texts = 0;
    quint32 reasonBytes = 0;
    QByteArray reason;
    if (!in.Bytes(4, magic) || magic != QByteArray(Magic, 4) || !in.Word(version) ||
        version != Version || !in.Word(paths) || !in.Word(texts) || !in.Word(reasonBytes) ||
        reasonBytes > MostReasonBytes || !in.Bytes(reasonBytes, reason)) {
        return std::nullopt;
    }
    // Counts are held to the bounds and to the bytes that could hold them before anything is
    // set aside for them.
    if (paths > MostDrawingPaths || texts > MostDrawingTexts ||
        in.Left() < static_cast<qint64>(paths) * PathHeaderBytes +
                        static_cast<qint64>(texts) * TextFixedBytes) {
        return std::nullopt;
    }
    VectorDrawing drawing;
    drawing.dropped = QString::fromUtf8(reason);
    double width = 0;
    double height = 0;
    if (!in.Real(width) || !in.Real(height) || width < 0 || height < 0) {
        return std::nullopt;
    }
    drawing.size = QSizeF(width, height);
    drawing.paths.resize(paths);
    std::size_t pointsLeft = MostDrawingPoints;
    for (DrawnPath& path : drawing.paths) {
        if (!ReadPath(in, path, pointsLeft)) {
            return std::nullopt;
        }
    }
    drawing.texts.resize(texts);
    qsizetype textBytesLeft = static_cast<qsizetype>(MostDrawingTextBytes);
    for (DrawnText& text : drawing.texts) {
        quint32 size = 0;
        QByteArray utf8;
        if (!in.Word(size) || size > static_cast<quint64>(textBytesLeft) || !in.Bytes(size, utf8) ||
            !in.Rect(text.box)) {
            return std::nullopt;
        }
        textBytesLeft -= size;
        text.text = QString::fromUtf8(utf8);
    }
    if (in.Left() != 0) {
        return std::nullopt;
    }
    return drawing;
}

qsizetype MostDrawingBytes() {
    return 36 + MostReasonBytes + static_cast<qsizetype>(MostDrawingPaths) * PathHeaderBytes +
           static_cast<qsizetype>(MostDrawingPoints) * (16 + 4) +
           static_cast<qsizetype>(MostDrawingTexts) * TextFixedBytes +
           static_cast<qsizetype>(MostDrawingTextBytes);
}
