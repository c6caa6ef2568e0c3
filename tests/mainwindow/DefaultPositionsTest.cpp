#include "mainwindow/DefaultPositions.h"

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

TEST(DefaultPositions, FramesArePulledOntoTheScreen) {
    // A free area below a 30-pixel panel.
    const QRect screen(0, 30, 1280, 994);
    const struct {
        QRect frame;
        QPoint expected;
    } cases[] = {
        {{100, 200, 300, 200}, {100, 200}}, // already on it
        {{1133, 0, 149, 169}, {1131, 30}},  // over the right edge and above the top
        {{-20, 900, 300, 200}, {0, 824}},   // over the left and bottom edges
        {{0, 30, 1280, 994}, {0, 30}},      // exactly the free area
        {{500, 500, 1400, 1100}, {0, 30}},  // larger: title bar and left edge in reach
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FrameOnScreen(c.frame, screen), c.expected) << c.frame.x() << "," << c.frame.y();
    }
}

} // namespace
