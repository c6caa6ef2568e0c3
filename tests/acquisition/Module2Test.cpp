#include "acquisition/Module2.h"
#include "acquisition/PictureFiles.h"
#include "acquisition/WmfRenderer.h"
#include "core/AppError.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
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

TEST(DecodeToPicture, ErrorsCarryTheirNumbersAndSource) {
    const AppError badPath = ErrorOf(Data("truncated.png"));
    EXPECT_EQ(badPath.number, 999);
    EXPECT_EQ(badPath.description,
              QStringLiteral("Error loading picture ") + Data("truncated.png"));
    EXPECT_EQ(badPath.source, QStringLiteral("GDI+ Module"));
    EXPECT_EQ(ErrorOf(QByteArray()).description, QStringLiteral("Error loading picture"));
    EXPECT_EQ(ErrorOf(QByteArray("garbage")).number, 999);
    const AppError badKind = ErrorOf(QVariant(42));
    EXPECT_EQ(badKind.number, 998);
    EXPECT_EQ(badKind.description, QStringLiteral("Passed invalid parameter as PicFile"));
    int width = -1;
    int height = -1;
    EXPECT_TRUE(DecodeToPicture(QVariant(), width, height, 0, false).isNull());
}

TEST(DecodeToPicture, AHeaderClaimingTenGigapixelsIsRefused) {
    StartImaging();
    EXPECT_EQ(ErrorOf(Data("huge-header.png")).number, 999);
}

TEST(PictureFiles, EveryFormatReadsWithItsType) {
    for (const char* name : {"picture.bmp", "picture.gif", "picture.jpg", "picture.tif"}) {
        const LoadedPicture loaded = LoadPictureFile(Data(name));
        EXPECT_EQ(loaded.image.size(), QSize(16, 12)) << name;
        EXPECT_EQ(loaded.type, PictureType::Bitmap) << name;
    }
    EXPECT_EQ(LoadPictureFile(Data("picture.ico")).type, PictureType::Icon);
    EXPECT_EQ(LoadPictureFile(Data("picture.bmp")).image.pixelColor(2, 3), QColor(Qt::red));
}

TEST(PictureFiles, BadFilesAreRefusedWithTheirName) {
    for (const char* name : {"truncated.bmp", "truncated.gif", "truncated.jpg", "truncated.ico",
                             "truncated.wmf", "not-a-picture.jpg", "empty.bmp"}) {
        try {
            LoadPictureFile(Data(name));
            ADD_FAILURE() << name << " was read";
        } catch (const AppError& error) {
            EXPECT_EQ(error.number, 481) << name;
            EXPECT_TRUE(error.description.contains(QString::fromLatin1(name))) << name;
        }
    }
    try {
        LoadPictureFile(Data("missing.bmp"));
        ADD_FAILURE() << "a missing file was read";
    } catch (const AppError& error) {
        EXPECT_EQ(error.number, 53);
    }
}

} // namespace
