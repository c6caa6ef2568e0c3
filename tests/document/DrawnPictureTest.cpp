#include "picture/DrawnPicture.h"

#include <gtest/gtest.h>

namespace {

constexpr int PackedWhite = 0xFFFFFF;

DrawnPicture WhitePicture(int width, int height, const EdgeValues& edges) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    DrawnPicture picture;
    picture.SetPicture(image);
    picture.SetScale(edges);
    return picture;
}

TEST(DrawnPicture, ClickedPixelReadsBackAsThatPixelOnANonSquarePicture) {
    // 300 x 120 pixels, x from 0 to 500, y from 120 down to 20.
    const DrawnPicture picture = WhitePicture(300, 120, {0, 120, 500, 20});
    for (const QPoint pixel : {QPoint(0, 0), QPoint(299, 119), QPoint(150, 60), QPoint(7, 113)}) {
        const QPointF user = picture.Coordinates().ToUser(pixel);
        // The mouse hands positions over in single precision.
        const auto x = static_cast<float>(user.x());
        const auto y = static_cast<float>(user.y());
        EXPECT_EQ(picture.PixelAt(x, y), pixel) << x << ", " << y;
    }
    EXPECT_DOUBLE_EQ(picture.Coordinates().ToUser(QPointF(150, 60)).x(), 250);
    EXPECT_DOUBLE_EQ(picture.Coordinates().ToUser(QPointF(150, 60)).y(), 70);
}

TEST(UserCoordinates, AOnePixelOrEmptyPictureSpansItsWholeFrame) {
    for (const QSize size : {QSize(1, 1), QSize(0, 0)}) {
        const UserCoordinates coordinates({0, 10, 10, 0}, size);
        EXPECT_EQ(coordinates.ToUser(QPointF(1, 1)), QPointF(10, 0));
        EXPECT_EQ(coordinates.ToPixel(QPointF(5, 5)), QPointF(0.5, 0.5));
    }
}

TEST(DrawnPicture, PointOutsideThePictureIsMinusOne) {
    const DrawnPicture picture = WhitePicture(10, 20, NeutralFrame);
    EXPECT_EQ(picture.Point(-0.01, 5), -1);
    EXPECT_EQ(picture.Point(10, 5), -1);
    EXPECT_EQ(picture.Point(5, 10.01), -1);
    EXPECT_EQ(picture.Point(5, -1e300), -1);
    EXPECT_EQ(picture.Point(std::nan(""), 5), -1);
    EXPECT_EQ(picture.Point(0, 10), 0xFFFFFF);
    EXPECT_EQ(picture.PixelColor(10, 0), -1);
}

} // namespace
