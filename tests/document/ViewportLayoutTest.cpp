#include "layout/ViewportLayout.h"

#include <gtest/gtest.h>

namespace {

constexpr int Bar = 16;

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
