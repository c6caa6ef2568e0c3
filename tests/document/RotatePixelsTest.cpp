#include "picture/RotatePixels.h"
#include "TestData.h"
#include "picture/PictureWriter.h"

#include "core/AppError.h"

#include <QCryptographicHash>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <random>

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

// Pictures of random pixels turned by angles of every kind. Each turn must give, pixel for
// pixel, the picture the first version of the turn gave (one scanLine() call per pixel, sine
// and cosine apart); those are kept as the MD5 sums of their pixels.
TEST(RotatePixels, EveryPixelIsTheOneTheFirstVersionChose) {
    std::mt19937 random(9);
    const struct {
        int width, height;
        double degrees;
        const char* md5;
    } cases[] = {
        {64, 48, 1.5, "f4f150dfde582d26ef2f510149070fdb"},
        {63, 97, 45, "ffb003d23364fefdb5afec497827f68b"},
        {120, 41, 90, "c709c9d1e54c47d56229eb0c6f751edc"},
        {51, 51, 200.7, "d55c525611ec7a071afde31ef5ab386f"},
        {80, 60, 359.9, "6ba1d00d8baa66ba409e41474001874f"},
        {33, 70, -12.25, "f1a8bb221387617f69938986f196b457"},
        {1, 1, 30, "a54f0041a9e15b050f25c463f1db7449"},
        {300, 200, 7.3, "0425bda9728f85cb9f00a4858263a878"},
    };
    for (const auto& c : cases) {
        QImage source(c.width, c.height, QImage::Format_ARGB32);
        for (int y = 0; y < c.height; ++y) {
            for (int x = 0; x < c.width; ++x) {
                source.setPixel(x, y, random() | 0xff000000u);
            }
        }
        const double pi = 4 * std::atan(1.0);
        const double radians = c.degrees * pi / 180;
        QImage turned(RotatedSize(source.size(), radians), QImage::Format_RGB32);
        turned.fill(Qt::white);
        double angle = c.degrees;
        EXPECT_TRUE(RotatePixels(turned, source, angle));
        EXPECT_EQ(angle, radians);
        const QByteArray pixels(reinterpret_cast<const char*>(turned.constBits()),
                                static_cast<qsizetype>(turned.sizeInBytes()));
        EXPECT_EQ(QCryptographicHash::hash(pixels, QCryptographicHash::Md5).toHex(),
                  QByteArray(c.md5))
            << c.width << " x " << c.height << " by " << c.degrees;
    }
}

TEST(PictureWriter, NoPlaceIsAnError) {
    QTemporaryDir folder;
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
