#include "decoding/ImagingDecoder.h"
#include "core/AppError.h"
#include "decoding/PictureFiles.h"
#include "decoding/WmfRenderer.h"

#include <QtEndian>

#include "TestData.h"

#include <gtest/gtest.h>

namespace {

AppError ErrorOf(const QVariant& source) {
    int width = -1;
    int height = -1;
    try {
        DecodeToPicture(source, width, height, 0xFFFFFF, false);
    } catch (const AppError& error) {
        return error;
    }
    return {};
}

TEST(DecodeToPicture, KeepRatioCentresWithHalvesToEven) {
    // 60 x 40 into 100 x 100: 100 x 66.67 -> 67 high, top (100 - 67) / 2 = 16.5 -> 16.
    int width = 100;
    int height = 100;
    const QImage image = DecodeToPicture(Data("graph-60x40.png"), width, height, 0x00FF00, true);
    ASSERT_EQ(image.size(), QSize(100, 100));
    EXPECT_EQ(image.pixelColor(50, 15), QColor(Qt::green)) << "margin above";
    EXPECT_NE(image.pixelColor(50, 16), QColor(Qt::green)) << "picture from row 16";
    EXPECT_NE(image.pixelColor(50, 82), QColor(Qt::green));
    EXPECT_EQ(image.pixelColor(50, 83), QColor(Qt::green)) << "margin below";
    // Into 100 x 20: 30 wide, from column 35.
    height = 20;
    const QImage wide = DecodeToPicture(Data("graph-60x40.png"), width, height, 0x00FF00, true);
    EXPECT_EQ(wide.pixelColor(34, 10), QColor(Qt::green));
    EXPECT_NE(wide.pixelColor(35, 10), QColor(Qt::green));
    EXPECT_NE(wide.pixelColor(64, 10), QColor(Qt::green));
    EXPECT_EQ(wide.pixelColor(65, 10), QColor(Qt::green));
}

TEST(DecodeToPicture, AHeaderClaimingTenGigapixelsIsRefused) {
    StartImaging();
    EXPECT_EQ(ErrorOf(Data("huge-header.png")).number, 999);
    EXPECT_EQ(TooLargeReason(QSize(16000, 16000)),
              QStringLiteral("the picture has 16000 x 16000 pixels; at most 64 megapixels can be "
                             "read"));
    EXPECT_TRUE(TooLargeReason(QSize(8192, 8192)).isEmpty()) << "exactly 64 megapixels";
}

} // namespace
