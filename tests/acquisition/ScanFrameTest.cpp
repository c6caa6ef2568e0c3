#include "decoding/ScanFrame.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace {

using Kind = ScanFrame::Kind;

QImage Blank(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

// 16-bit samples as the scanner sends them: in this machine's byte order.
std::vector<unsigned char> Samples16(std::initializer_list<std::uint16_t> values) {
    std::vector<unsigned char> bytes(values.size() * 2);
    std::memcpy(bytes.data(), std::data(values), bytes.size());
    return bytes;
}

QRgb Grey(int level) {
    return qRgb(level, level, level);
}

TEST(ScanFrame, EveryKindAndDepthGivesItsColours) {
    const struct {
        const char* name;
        ScanFrame frame;
        std::vector<unsigned char> bytes;
        QRgb first, second;
    } cases[] = {
        {"grey 8", {Kind::Grey, 8, 2, 2, 1}, {0x10, 0xF0}, Grey(0x10), Grey(0xF0)},
        {"grey 16: the high byte",
         {Kind::Grey, 16, 2, 4, 1},
         Samples16({0x1234, 0xABCD}),
         Grey(0x12),
         Grey(0xAB)},
        {"line art: 1 is black", {Kind::Grey, 1, 2, 1, 1}, {0x80}, Grey(0), Grey(255)},
        {"rgb 8", {Kind::Rgb, 8, 2, 6, 1}, {1, 2, 3, 4, 5, 6}, qRgb(1, 2, 3), qRgb(4, 5, 6)},
        {"rgb 16",
         {Kind::Rgb, 16, 2, 12, 1},
         Samples16({0x0100, 0x0200, 0x0300, 0xFF00, 0x8000, 0x00FF}),
         qRgb(1, 2, 3),
         qRgb(0xFF, 0x80, 0)},
        {"rgb 1", {Kind::Rgb, 1, 2, 1, 1}, {0b10001100}, qRgb(0, 255, 255), qRgb(255, 0, 0)},
        {"padded lines", {Kind::Grey, 8, 2, 4, 1}, {7, 9, 0xEE, 0xEE}, Grey(7), Grey(9)},
    };
    for (const auto& c : cases) {
        QImage image = Blank(2, 1);
        ASSERT_TRUE(StoreScanFrame(image, c.frame, c.bytes.data(), c.bytes.size())) << c.name;
        EXPECT_EQ(image.pixel(0, 0), c.first) << c.name;
        EXPECT_EQ(image.pixel(1, 0), c.second) << c.name;
    }
}

TEST(ScanFrame, ThreePassesFillOneChannelEach) {
    QImage image = Blank(1, 2);
    const std::vector<unsigned char> red = {10, 20};
    const auto green = Samples16({0x3000, 0x4000});
    const std::vector<unsigned char> blue = {50, 60};
    ASSERT_TRUE(StoreScanFrame(image, {Kind::Red, 8, 1, 1, 2}, red.data(), red.size()));
    ASSERT_TRUE(StoreScanFrame(image, {Kind::Green, 16, 1, 2, 2}, green.data(), green.size()));
    ASSERT_TRUE(StoreScanFrame(image, {Kind::Blue, 8, 1, 1, 2}, blue.data(), blue.size()));
    EXPECT_EQ(image.pixel(0, 0), qRgb(10, 0x30, 50));
    EXPECT_EQ(image.pixel(0, 1), qRgb(20, 0x40, 60));
}

TEST(ScanFrame, AFrameThatCannotBeReadLeavesTheImage) {
    const std::vector<unsigned char> bytes(64, 0xFF);
    const ScanFrame refused[] = {
        {Kind::Rgb, 8, 2, 5, 1},   // lines shorter than their samples
        {Kind::Grey, 8, 2, 2, 40}, // more lines than bytes
        {Kind::Grey, 12, 2, 4, 1}, // a depth scanners do not send
        {Kind::Grey, 8, 3, 3, 1},  // another width than the image
    };
    for (const ScanFrame& frame : refused) {
        QImage image = Blank(2, 1);
        EXPECT_FALSE(StoreScanFrame(image, frame, bytes.data(), bytes.size()));
        EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 0));
    }
}

} // namespace
