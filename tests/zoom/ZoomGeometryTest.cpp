#include "zoom/ZoomGeometry.h"
#include "zoom/GridLines.h"

#include <gtest/gtest.h>

TEST(ZoomGeometry, EveryScreenPixelIsTheFactorWide) {
    // A 146 x 146 view at 750%: twenty screen pixels fill 150 view pixels.
    const ZoomMapping mapping = MapZoom({500, 300}, {146, 146}, 7.5f);
    EXPECT_EQ(mapping.source, QRect(491, 291, 20, 20));
    EXPECT_EQ(mapping.drawn, QSize(150, 150));
}

TEST(ZoomGeometry, AViewThatFitsExactlyIsLeftAlone) {
    const ZoomMapping mapping = MapZoom({10, 10}, {100, 50}, 2.0f);
    EXPECT_EQ(mapping.source, QRect(-15, -2, 50, 25)) << "the source is not clipped to the screen";
    EXPECT_EQ(mapping.drawn, QSize(100, 50));
}

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
