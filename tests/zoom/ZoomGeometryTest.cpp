#include "zoom/ZoomGeometry.h"
#include "zoom/GridLines.h"

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
