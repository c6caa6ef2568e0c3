#include "document/ViewportLayout.h"

#include <gtest/gtest.h>

namespace {

constexpr int Bar = 16;

TEST(ViewportLayout, SmallPictureNeedsNoBars) {
    const ViewportLayout layout = LayOutViewport({400, 300}, {100, 80}, Bar, Bar);
    EXPECT_EQ(layout.viewport, QRect(0, 0, 384, 284));
    EXPECT_FALSE(layout.horizontalVisible);
    EXPECT_FALSE(layout.verticalVisible);
}

TEST(ViewportLayout, WidePictureShowsOnlyTheHorizontalBar) {
    const ViewportLayout layout = LayOutViewport({400, 300}, {1000, 80}, Bar, Bar);
    EXPECT_TRUE(layout.horizontalVisible);
    EXPECT_FALSE(layout.verticalVisible);
    EXPECT_EQ(layout.horizontalMaximum, 1000 - 384);
    EXPECT_EQ(layout.horizontalBar, QRect(0, 284, 384, Bar));
}

TEST(ViewportLayout, TallPictureShowsOnlyTheVerticalBar) {
    const ViewportLayout layout = LayOutViewport({400, 300}, {384, 2000}, Bar, Bar);
    EXPECT_FALSE(layout.horizontalVisible) << "exactly as wide as the viewport fits";
    EXPECT_TRUE(layout.verticalVisible);
    EXPECT_EQ(layout.verticalMaximum, 2000 - 284);
    EXPECT_EQ(layout.verticalBar, QRect(384, 0, Bar, 284));
}

TEST(ViewportLayout, HugePicturesScrollAllTheWay) {
    const ViewportLayout layout = LayOutViewport({400, 300}, {100000, 70000}, Bar, Bar);
    EXPECT_EQ(layout.horizontalMaximum, 100000 - 384);
    EXPECT_EQ(layout.verticalMaximum, 70000 - 284);
}

TEST(ViewportLayout, ATinyWindowNeverGoesNegative) {
    const ViewportLayout layout = LayOutViewport({5, 5}, {100, 100}, Bar, Bar);
    EXPECT_EQ(layout.viewport, QRect(0, 0, 0, 0));
    EXPECT_TRUE(layout.horizontalVisible);
}

} // namespace
