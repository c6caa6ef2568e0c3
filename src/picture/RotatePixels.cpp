#include "picture/RotatePixels.h"

#include <algorithm>
#include <cmath>

namespace {

// Rounds to the nearest whole number, halves to even, as std::nearbyint does in the default
// rounding mode, but without a call into the maths library: adding and taking away 1.5 * 2^52
// leaves no bits for a fraction. Exact below 2^51; larger values have no fraction anyway.
double RoundHalfEven(double value) {
    constexpr double Shift = 6755399441055744.0;
    constexpr double NoFraction = 2251799813685248.0;
    return std::fabs(value) < NoFraction ? (value + Shift) - Shift : value;
}

// Once any code of the process has left the upper halves of the AVX registers in use without
// clearing them, every plain SSE instruction waits on them (or the processor saves and restores
// them, tens of cycles a time) until something clears them. The maths library's AVX routines
// that the turn calls millions of times never do, so on such processors the turn ran several
// times slower, its time spent right after the library's returns. The program is built for every
// x86-64 processor, in plain SSE: it clears them itself, at a cost of a cycle, changing no value.
class VectorUpperHalves {
public:
    VectorUpperHalves() : m_avx(__builtin_cpu_supports("avx")) {}
    void Clear() const {
#if defined(__x86_64__) && !defined(__AVX__)
        if (m_avx) {
            __asm__ __volatile__("vzeroupper");
        }
#endif
    }

private:
    bool m_avx;
};

} // namespace

QSize RotatedSize(QSize source, double radians) {
    const double w = source.width();
    const double h = source.height();
    const double c = std::fabs(std::cos(radians));
    const double s = std::fabs(std::sin(radians));
    return {static_cast<int>(std::nearbyint(w * c + h * s)),
            static_cast<int>(std::nearbyint(h * c + w * s))};
}

bool RotatePixels(QImage& destination, const QImage& source, double& angle,
                  const std::function<bool()>& afterColumn) {
    const double pi = 4 * std::atan(1.0);
    angle = angle * pi / 180;
    const QImage from = source.convertToFormat(QImage::Format_RGB32);
    if (destination.format() != QImage::Format_RGB32) {
        destination = destination.convertToFormat(QImage::Format_RGB32);
    }
    const int sourceWidth = from.width();
    const int sourceHeight = from.height();
    const int width = destination.width();
    const int height = destination.height();
    const int sw2 = sourceWidth / 2;
    const int sh2 = sourceHeight / 2;
    const int dw2 = width / 2;
    const int dh2 = height / 2;
    const int n = std::max(dw2, dh2);

    // The pixels are reached through the images' memory directly, taken once: a scanLine()
    // per pixel costs more than the copy itself.
    const auto* sourceBits = reinterpret_cast<const QRgb*>(from.constBits());
    const qsizetype sourceStride = from.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    auto* bits = reinterpret_cast<QRgb*>(destination.bits());
    const qsizetype stride = destination.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    const auto copy = [&](int dx, int dy, int sx, int sy) {
        // One unsigned comparison per bound also refuses negative positions.
        if (static_cast<unsigned>(sx) >= static_cast<unsigned>(sourceWidth) ||
            static_cast<unsigned>(sy) >= static_cast<unsigned>(sourceHeight) ||
            static_cast<unsigned>(dx) >= static_cast<unsigned>(width) ||
            static_cast<unsigned>(dy) >= static_cast<unsigned>(height)) {
            return;
        }
        bits[dy * stride + dx] = sourceBits[sy * sourceStride + sx];
    };

    // The positions are visited in blocks, whose copies stay within a few cached rows and
    // columns. The four copies of positions meet only on the centre lines, where (0, y) and
    // (y, 0) write the same pixels; the blocks still visit (0, y) first, so every pixel keeps
    // its last writer of the column-by-column order. The transcendental functions stay per
    // position: any shortcut would round some pixels otherwise.
    const VectorUpperHalves upperHalves;
    upperHalves.Clear();
    const auto turn = [&](int x, int y) {
        const float a = x != 0 ? static_cast<float>(std::atan(static_cast<double>(y) / x))
                               : static_cast<float>(pi / 2);
        upperHalves.Clear();
        const double r =
            RoundHalfEven(std::sqrt(static_cast<double>(x) * x + static_cast<double>(y) * y));
        double sine = 0;
        double cosine = 0;
        ::sincos(a + angle, &sine, &cosine);
        upperHalves.Clear();
        const int xs = static_cast<int>(RoundHalfEven(r * cosine));
        const int ys = static_cast<int>(RoundHalfEven(r * sine));
        copy(dw2 + x, dh2 + y, sw2 + xs, sh2 + ys);
        copy(dw2 - x, dh2 - y, sw2 - xs, sh2 - ys);
        copy(dw2 + y, dh2 - x, sw2 + ys, sh2 - xs);
        copy(dw2 - y, dh2 + x, sw2 - ys, sh2 + xs);
    };
    constexpr int Block = 64;
    for (int blockX = 0; blockX < n; blockX += Block) {
        const int lastX = std::min(blockX + Block, n);
        for (int blockY = 0; blockY < n; blockY += Block) {
            const int lastY = std::min(blockY + Block, n);
            for (int x = blockX; x < lastX; ++x) {
                for (int y = blockY; y < lastY; ++y) {
                    turn(x, y);
                }
            }
        }
        // Progress by columns of positions, as many steps as before.
        for (int x = blockX; x < lastX; ++x) {
            if (afterColumn && !afterColumn()) {
                return false;
            }
        }
    }
    return true;
}
