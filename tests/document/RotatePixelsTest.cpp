#include "document/RotatePixels.h"
#include "RotatePixelsReference.h"
#include "document/PictureWriter.h"

#include "core/AppError.h"

#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include <cmath>

namespace {

// 200 x 100, white, with a red block in the top right corner.
QImage MarkedPicture() {
    QImage image(200, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 5; y < 25; ++y) {
        for (int x = 170; x < 195; ++x) {
            image.setPixelColor(x, y, Qt::red);
        }
    }
    return image;
}

// The turn reaches the pixels through memory directly and takes sine and cosine together; every
// pixel must still be the one the first version chose.
TEST(RotatePixels, EveryPixelIsTheOneTheFirstVersionChose) {
    std::mt19937 random(9);
    const struct {
        int width, height;
        double degrees;
    } cases[] = {{64, 48, 1.5},   {63, 97, 45},     {120, 41, 90}, {51, 51, 200.7},
                 {80, 60, 359.9}, {33, 70, -12.25}, {1, 1, 30},    {300, 200, 7.3}};
    for (const auto& c : cases) {
        QImage source(c.width, c.height, QImage::Format_ARGB32);
        for (int y = 0; y < c.height; ++y) {
            for (int x = 0; x < c.width; ++x) {
                source.setPixel(x, y, random() | 0xff000000u);
            }
        }
        const double pi = 4 * std::atan(1.0);
        QImage fast(RotatedSize(source.size(), c.degrees * pi / 180), QImage::Format_RGB32);
        fast.fill(Qt::white);
        QImage first = fast.copy();
        double fastAngle = c.degrees;
        double firstAngle = c.degrees;
        EXPECT_TRUE(RotatePixels(fast, source, fastAngle));
        Reference::RotatePixels(first, source, firstAngle);
        EXPECT_EQ(fast, first) << c.width << " x " << c.height << " by " << c.degrees;
        EXPECT_EQ(fastAngle, firstAngle);
    }
}

TEST(PictureWriter, WritesEachTypeInItsOwnFormat) {
    QTemporaryDir folder;
    const QImage picture = MarkedPicture();
    const QString bmp = folder.filePath(QStringLiteral("p.bmp"));
    WritePicture(bmp, picture, PictureType::Bitmap, {});
    QImageReader reader(bmp);
    EXPECT_EQ(reader.format(), QByteArray("bmp"));
    EXPECT_EQ(reader.read().size(), QSize(200, 100));

    const QString wmf = folder.filePath(QStringLiteral("p.wmf"));
    WritePicture(wmf, picture, PictureType::Metafile, QByteArray("\xD7\xCD\xC6\x9A original"));
    QFile file(wmf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("\xD7\xCD\xC6\x9A original"));

    const QString ico = folder.filePath(QStringLiteral("p.ico"));
    WritePicture(ico, picture.scaled(32, 32), PictureType::Icon, {});
    EXPECT_EQ(QImageReader(ico).format(), QByteArray("ico"));
}

TEST(PictureWriter, NoPictureOrNoPlaceIsAnError) {
    QTemporaryDir folder;
    EXPECT_THROW(
        WritePicture(folder.filePath(QStringLiteral("x.bmp")), QImage(), PictureType::None, {}),
        AppError);
    EXPECT_THROW(WritePicture(folder.path(), MarkedPicture(), PictureType::Bitmap, {}), AppError);
    try {
        WritePicture(folder.filePath(QStringLiteral("missing/x.bmp")), MarkedPicture(),
                     PictureType::Bitmap, {});
        ADD_FAILURE() << "written into a missing folder";
    } catch (const AppError& error) {
        EXPECT_EQ(error.number, ErrorNumber::PathNotFound);
    }
}

} // namespace
