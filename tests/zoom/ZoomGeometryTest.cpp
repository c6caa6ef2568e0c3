#include "zoom/ZoomGeometry.h"
#include "zoom/GridLines.h"
#include "zoom/ZoomPolling.h"

#include <gtest/gtest.h>

TEST(ZoomGeometry, GridOnlyFromThreePixelsApart) {
    QImage view(30, 30, QImage::Format_RGB32);
    view.fill(Qt::white);
    DrawGrid(view, 2.5, 2.5);
    EXPECT_EQ(view.pixelColor(0, 5), QColor(Qt::white)) << "250%: no grid";
    DrawGrid(view, 3, 3);
    EXPECT_NE(view.pixelColor(0, 5), QColor(Qt::white)) << "300%: one line per screen pixel";
    EXPECT_NE(view.pixelColor(3, 5), QColor(Qt::white));
    EXPECT_EQ(view.pixelColor(4, 5), QColor(Qt::white));
}

namespace {

// The magnifier looks often while the pointer moves and seldom while it rests, copying the
// screen on every move, once a second at rest, and at once after the picture was repainted.
TEST(ZoomPolling, LooksOftenWhileThePointerMovesAndSeldomAtRest) {
    ZoomPolling polling;
    EXPECT_TRUE(polling.Look({10, 10})) << "the first look copies the screen";
    EXPECT_EQ(polling.IntervalMs(), 50);
    EXPECT_TRUE(polling.Look({11, 10}));
    int looks = 0;
    int copies = 0;
    int elapsed = 0;
    // Ten seconds at rest.
    while (elapsed < 10000) {
        elapsed += polling.IntervalMs();
        ++looks;
        copies += polling.Look({11, 10}) ? 1 : 0;
    }
    EXPECT_EQ(polling.IntervalMs(), 500);
    EXPECT_LE(looks, 10 + 20) << "half a second of quick looks, then two a second";
    EXPECT_GE(copies, 9);
    EXPECT_LE(copies, 10) << "once a second";

    polling.ScreenMayHaveChanged();
    EXPECT_TRUE(polling.Look({11, 10})) << "the picture was repainted";
    EXPECT_FALSE(polling.Look({11, 10}));

    polling.Moved();
    EXPECT_EQ(polling.IntervalMs(), 50) << "a move seen by a window";
    EXPECT_TRUE(polling.Look({40, 12}));
    EXPECT_EQ(polling.IntervalMs(), 50);
    polling.Forget();
    EXPECT_TRUE(polling.Look({40, 12})) << "forgotten: copied again";
}

} // namespace
