#include "mainwindow/DefaultPositions.h"

#include <gtest/gtest.h>

namespace {

TEST(DefaultPositions, TheClassicScreenOf1024By768) {
    const DefaultLayout layout =
        ComputeDefaultPositions({15360, 11520}, {15360, 11000}, {5505, 3750});
    EXPECT_EQ(layout.data, QRectF(0, 0, 7110, 5520));
    EXPECT_EQ(layout.zoom, QRectF(12940, 0, 2200, 2200));
    EXPECT_EQ(layout.picture, QRectF(7160, 0, 5730, 5184));
    EXPECT_EQ(layout.options.size(), QSizeF(9105, 3045));
    EXPECT_NEAR(layout.options.top(), 6648, 0.01);
    EXPECT_EQ(layout.options.left(), 0);
    EXPECT_EQ(layout.guide.size(), QSizeF(5505, 3750));
    EXPECT_NEAR(layout.guide.left(), 15360 - 1.1 * 5505, 0.01);
    EXPECT_NEAR(layout.guide.top(), (11000 - 0 + 5184) / 2.0 - 3750 / 2.0, 0.01);
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
