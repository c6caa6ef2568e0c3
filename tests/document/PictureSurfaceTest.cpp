#include "document/PictureSurface.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace {

QImage WhitePicture(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

TEST(PictureSurface, SizesItselfToItsPicture) {
    PictureSurface surface;
    EXPECT_FALSE(surface.HasPicture());
    EXPECT_EQ(surface.size(), QSize(32, 32)) << "the placeholder";
    surface.SetPicture(WhitePicture(300, 200));
    EXPECT_TRUE(surface.HasPicture());
    EXPECT_EQ(surface.size(), QSize(300, 200));
    surface.ClearPicture();
    EXPECT_EQ(surface.Type(), PictureType::None);
}

TEST(PictureSurface, DotsLandWhereTheUserCoordinatesSay) {
    PictureSurface surface;
    surface.SetPicture(WhitePicture(100, 100));
    surface.SetScale({0, 100, 100, 0});
    surface.SetDrawWidth(3);
    surface.PSet(25.5, 74.5, 255);
    EXPECT_EQ(surface.Point(25.5, 74.5), 255);
    EXPECT_EQ(surface.DrawnImage().pixelColor(25, 25), QColor(255, 0, 0));
    EXPECT_EQ(surface.DrawnImage().pixelColor(26, 25), QColor(255, 0, 0)) << "three pixels wide";
    EXPECT_EQ(surface.Picture().pixelColor(25, 25), QColor(Qt::white)) << "the picture stays bare";
    surface.Erase();
    EXPECT_EQ(surface.Point(25.5, 74.5), 0xFFFFFF);
}

TEST(PictureSurface, ColourOutsideThePictureIsMinusOne) {
    PictureSurface surface;
    surface.SetPicture(WhitePicture(10, 10));
    EXPECT_EQ(surface.Point(-0.1, 5), -1);
    EXPECT_EQ(surface.Point(10, 5), -1);
    EXPECT_EQ(surface.Point(5, 1e300), -1);
    EXPECT_EQ(surface.Point(std::nan(""), 5), -1);
    surface.PSet(1e300, -1e300, 255); // far off: nothing drawn, nothing broken
    EXPECT_EQ(surface.DrawnImage(), surface.Picture());
}

TEST(PictureSurface, ScaleChangesKeepTheDrawing) {
    PictureSurface surface;
    surface.SetPicture(WhitePicture(20, 20));
    surface.PSet(5, 5, 0x00FF00);
    surface.SetScale({0, 1, 1, 0});
    EXPECT_EQ(surface.Point(0.5, 0.5), 0x00FF00);
}

} // namespace
