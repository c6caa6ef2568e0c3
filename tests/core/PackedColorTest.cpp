#include "core/PackedColor.h"
#include "core/Settings.h"

#include <gtest/gtest.h>

#include <type_traits>

// Neither form of a colour passes for the other without a name saying which it is.
static_assert(!std::is_convertible_v<int, PackedColor>);
static_assert(!std::is_convertible_v<QRgb, PackedColor>);
static_assert(!std::is_convertible_v<PackedColor, int>);
static_assert(!std::is_convertible_v<PackedColor, QRgb>);

TEST(PackedColor, BlueIsHighInTheStoredNumberAndLowInQtsColour) {
    const PackedColor blue = PackedColor::Rgb(0, 0, 255);
    EXPECT_EQ(blue.Packed(), 0xFF0000);
    EXPECT_EQ(blue.ToQRgb(), qRgb(0, 0, 255));
    EXPECT_EQ(blue.ToQColor(), QColor(Qt::blue));
    EXPECT_EQ(PackedColor::FromQRgb(qRgb(255, 0, 0)).Packed(), 0xFF);
    EXPECT_EQ(PackedColor::FromQColor(QColor(10, 20, 30)), PackedColor::Rgb(10, 20, 30));
    EXPECT_EQ(PackedColor::FromPacked(0x1E140A), PackedColor::Rgb(10, 20, 30));
}

TEST(PackedColor, ChannelsComeBackFromEveryForm) {
    for (const PackedColor color : {PackedColor::Rgb(80, 255, 30), PackedColor::Rgb(1, 2, 3),
                                    PackedColor::Rgb(255, 255, 255), PackedColor()}) {
        EXPECT_EQ(PackedColor::FromQRgb(color.ToQRgb()), color);
        EXPECT_EQ(PackedColor::FromQColor(color.ToQColor()), color);
        EXPECT_EQ(PackedColor::FromPacked(color.Packed()), color);
        EXPECT_EQ(PackedColor::Rgb(color.Red(), color.Green(), color.Blue()), color);
    }
    // The options' default data colour, as projects keep it.
    EXPECT_EQ(Settings().ARDataColor.Packed(), 80 + 256 * 255 + 65536 * 30);
}
