#include "layout/DefaultPositions.h"

#include <gtest/gtest.h>

namespace {

// On the classic screen of 1024 x 768 (in twips) the data, picture and magnifier windows stand
// side by side along the top, each whole on the screen and none over another.
TEST(DefaultPositions, TheWindowsAlongTheTopDoNotOverlap) {
    const DefaultLayout layout =
        ComputeDefaultPositions({15360, 11520}, {15360, 11000}, {5505, 3750});
    const QRectF screen(0, 0, 15360, 11000);
    for (const QRectF& window : {layout.data, layout.picture, layout.zoom}) {
        EXPECT_TRUE(screen.contains(window)) << window.x() << ", " << window.width();
    }
    EXPECT_LT(layout.data.right(), layout.picture.left());
    EXPECT_LT(layout.picture.right(), layout.zoom.left());
}

} // namespace
