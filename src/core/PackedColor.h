#pragma once

#include <QColor>
#include <QRgb>

#include <cstdint>

// A colour as the program keeps it in its options, its project files and its drawing: red +
// 256 green + 65536 blue. Written in hex it reads 0xBBGGRR, so 0xFF0000 is pure blue, where
// Qt's QRgb (0xAARRGGBB) has pure red. The type stands between the two forms: it is made from
// a number, a QRgb or a QColor, and given as one, only by name, so one is never taken for the
// other.
class PackedColor {
public:
    constexpr PackedColor() = default;

    static constexpr PackedColor Rgb(int red, int green, int blue) {
        return PackedColor(red + 256 * green + 65536 * blue);
    }
    // The number as options and files keep it.
    static constexpr PackedColor FromPacked(std::int32_t packed) { return PackedColor(packed); }
    static constexpr PackedColor FromQRgb(QRgb rgb) {
        return Rgb(qRed(rgb), qGreen(rgb), qBlue(rgb));
    }
    static PackedColor FromQColor(const QColor& color) { return FromQRgb(color.rgb()); }

    constexpr std::int32_t Packed() const { return m_packed; }
    constexpr int Red() const { return m_packed & 0xFF; }
    constexpr int Green() const { return (m_packed >> 8) & 0xFF; }
    constexpr int Blue() const { return (m_packed >> 16) & 0xFF; }
    // Opaque, as the picture and the drawing are.
    constexpr QRgb ToQRgb() const { return qRgb(Red(), Green(), Blue()); }
    QColor ToQColor() const { return QColor(Red(), Green(), Blue()); }

    constexpr bool operator==(const PackedColor&) const = default;

private:
    constexpr explicit PackedColor(std::int32_t packed) : m_packed(packed) {}

    std::int32_t m_packed = 0;
};

constexpr PackedColor PackedRgb(int red, int green, int blue) {
    return PackedColor::Rgb(red, green, blue);
}
