#include "document/UserCoordinates.h"

#include <gtest/gtest.h>

TEST(UserCoordinates, NeutralFrameRunsFromZeroToTenWhateverTheSize) {
    const UserCoordinates frame(NeutralFrame, QSize(400, 200));
    EXPECT_EQ(frame.ToUser({0, 0}), QPointF(0, 10));
    EXPECT_EQ(frame.ToUser({400, 200}), QPointF(10, 0));
    EXPECT_EQ(frame.ToUser({100, 150}), QPointF(2.5, 2.5));
    EXPECT_EQ(frame.ToPixel({2.5, 2.5}), QPointF(100, 150));
}

TEST(UserCoordinates, CalibratedEdgesMapBothWays) {
    const UserCoordinates frame({0, 120, 500, 20}, QSize(1000, 500));
    const QPointF user = frame.ToUser({200, 100});
    EXPECT_DOUBLE_EQ(user.x(), 100);
    EXPECT_DOUBLE_EQ(user.y(), 100);
    const QPointF pixel = frame.ToPixel(user);
    EXPECT_DOUBLE_EQ(pixel.x(), 200);
    EXPECT_DOUBLE_EQ(pixel.y(), 100);
}

TEST(UserCoordinates, AnEmptyPictureNeverDividesByZero) {
    const UserCoordinates frame(NeutralFrame, QSize(0, 0));
    EXPECT_EQ(frame.Pixels(), QSize(1, 1));
    EXPECT_EQ(frame.ToUser({1, 1}), QPointF(10, 0));
}
