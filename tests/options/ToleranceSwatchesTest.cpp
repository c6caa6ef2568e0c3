#include "options/ToleranceSwatches.h"
#include "core/Settings.h"

#include <gtest/gtest.h>

TEST(ToleranceSwatches, HalfToleranceRoundsHalvesToEven) {
    EXPECT_EQ(HalfTolerance(100), 50);
    EXPECT_EQ(HalfTolerance(101), 50);
    EXPECT_EQ(HalfTolerance(103), 52);
    EXPECT_EQ(HalfTolerance(510), 255);
}
