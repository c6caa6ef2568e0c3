#include "decoding/WmfHeader.h"

#include <QtEndian>

namespace {

constexpr qsizetype PlaceableSize = 22;
constexpr qsizetype StandardSize = 18;
constexpr int MostUnitsPerInch = 2880;
constexpr quint32 SmallestRecordWords = 3;

quint16 Word(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}
qint16 SignedWord(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<qint16>(bytes.constData() + at);
}
quint32 DoubleWord(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

bool IsPlaceable(const QByteArray& bytes) {
    return bytes.size() >= 4 && DoubleWord(bytes, 0) == 0x9AC6CDD7u;
}

} // namespace

QString WmfHeaderProblem(const QByteArray& bytes) {
    qsizetype at = 0;
    if (IsPlaceable(bytes)) {
        if (bytes.size() < PlaceableSize) {
            return QStringLiteral("the metafile header is cut short");
        }
        const int unitsPerInch = Word(bytes, 14);
        if (unitsPerInch < 1 || unitsPerInch > MostUnitsPerInch) {
            return QStringLiteral("the metafile gives %1 units per inch").arg(unitsPerInch);
        }
        if (SignedWord(bytes, 6) == SignedWord(bytes, 10) ||
            SignedWord(bytes, 8) == SignedWord(bytes, 12)) {
            return QStringLiteral("the metafile's picture has no width or no height");
        }
        at = PlaceableSize;
    }
    if (bytes.size() - at < StandardSize) {
        return QStringLiteral("the metafile header is cut short");
    }
    const quint16 type = Word(bytes, at);
    if ((type != 1 && type != 2) || Word(bytes, at + 2) != 9) {
        return QStringLiteral("the metafile header is damaged");
    }
    const quint64 fileBytes = static_cast<quint64>(bytes.size());
    if (static_cast<quint64>(DoubleWord(bytes, at + 12)) * 2 > fileBytes) {
        return QStringLiteral("the metafile claims a record larger than the file");
    }
    at += StandardSize;
    while (bytes.size() - at >= 6) {
        const quint32 words = DoubleWord(bytes, at);
        if (words < SmallestRecordWords ||
            static_cast<quint64>(words) * 2 > static_cast<quint64>(bytes.size() - at)) {
            return QStringLiteral("a record of the metafile runs past the end of the file");
        }
        if (Word(bytes, at + 4) == 0) {
            break; // the end record
        }
        at += static_cast<qsizetype>(words) * 2;
    }
    return {};
}
