#include "options/ToleranceSwatches.h"
#include "core/Settings.h"

#include <gtest/gtest.h>

TEST(ToleranceSwatches, DefaultDataColourAtTolerance100) {
    const ToleranceSwatches swatches = SwatchesFor(PackedRgb(80, 255, 30), HalfTolerance(100));
    EXPECT_EQ(swatches.lowest, PackedRgb(30, 205, 0));
    EXPECT_EQ(swatches.highest, PackedRgb(130, 255, 80));
    // p - 50 + 50/15 and p + 50 - 50/15, rounded and limited to 0..255.
    EXPECT_EQ(swatches.steps.front(), PackedRgb(33, 208, 0));
    EXPECT_EQ(swatches.steps.back(), PackedRgb(127, 255, 77));
}

TEST(ToleranceSwatches, HalfToleranceRoundsHalvesToEven) {
    EXPECT_EQ(HalfTolerance(100), 50);
    EXPECT_EQ(HalfTolerance(101), 50);
    EXPECT_EQ(HalfTolerance(103), 52);
    EXPECT_EQ(HalfTolerance(510), 255);
}
