#include "decoding/ScanFrame.h"

#include <cstdint>
#include <cstring>

namespace {

int Channels(ScanFrame::Kind kind) {
    return kind == ScanFrame::Kind::Rgb ? 3 : 1;
}

// Sample number index of a line, scaled to 0..255.
int Sample(const unsigned char* line, int index, int depth) {
    switch (depth) {
    case 1:
        return (line[index / 8] & (0x80 >> (index % 8))) != 0 ? 0 : 255;
    case 16: {
        std::uint16_t value = 0;
        std::memcpy(&value, line + static_cast<std::size_t>(index) * 2, sizeof value);
        return value >> 8;
    }
    default:
        return line[index];
    }
}

} // namespace

bool StoreScanFrame(QImage& image, const ScanFrame& frame, const unsigned char* bytes,
                    std::size_t size) {
    if ((frame.depth != 1 && frame.depth != 8 && frame.depth != 16) || frame.lines < 1 ||
        frame.pixelsPerLine < 1 || image.format() != QImage::Format_RGB32 ||
        image.width() != frame.pixelsPerLine || image.height() != frame.lines) {
        return false;
    }
    const std::int64_t bitsPerLine =
        static_cast<std::int64_t>(frame.pixelsPerLine) * Channels(frame.kind) * frame.depth;
    if ((bitsPerLine + 7) / 8 > frame.bytesPerLine ||
        static_cast<std::int64_t>(frame.bytesPerLine) * frame.lines >
            static_cast<std::int64_t>(size)) {
        return false;
    }
    for (int row = 0; row < frame.lines; ++row) {
        const unsigned char* line = bytes + static_cast<std::size_t>(row) * frame.bytesPerLine;
        auto* target = reinterpret_cast<QRgb*>(image.scanLine(row));
        for (int column = 0; column < frame.pixelsPerLine; ++column) {
            const QRgb old = target[column];
            switch (frame.kind) {
            case ScanFrame::Kind::Grey: {
                const int grey = Sample(line, column, frame.depth);
                target[column] = qRgb(grey, grey, grey);
                break;
            }
            case ScanFrame::Kind::Rgb:
                target[column] = qRgb(Sample(line, 3 * column, frame.depth),
                                      Sample(line, 3 * column + 1, frame.depth),
                                      Sample(line, 3 * column + 2, frame.depth));
                break;
            case ScanFrame::Kind::Red:
                target[column] = qRgb(Sample(line, column, frame.depth), qGreen(old), qBlue(old));
                break;
            case ScanFrame::Kind::Green:
                target[column] = qRgb(qRed(old), Sample(line, column, frame.depth), qBlue(old));
                break;
            case ScanFrame::Kind::Blue:
                target[column] = qRgb(qRed(old), qGreen(old), Sample(line, column, frame.depth));
                break;
            }
        }
    }
    return true;
}
