#include "picture/CalibrationGridLines.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(CalibrationGrid, RoundValuesAreStepsOfOneTwoOrFiveAndDecadesOnLogAxes) {
    EXPECT_EQ(RoundValues(0, 10, false), (std::vector<double>{0, 2, 4, 6, 8, 10}));
    EXPECT_EQ(RoundValues(120, -3, false), (std::vector<double>{0, 20, 40, 60, 80, 100, 120}));
    EXPECT_EQ(RoundValues(0.013, 0.05, false).front(), 0.015);
    // log10 of 1 to 1000: 1, 2, 5, 10, 20, 50, 100, 200, 500, 1000.
    const std::vector<double> log = RoundValues(0, 3, true);
    ASSERT_EQ(log.size(), 10u);
    EXPECT_NEAR(std::pow(10, log[1]), 2, 1e-12);
    EXPECT_NEAR(std::pow(10, log[8]), 500, 1e-9);
    // Ranges no grid can show: nothing, and never more than the most lines.
    EXPECT_TRUE(RoundValues(5, 5, false).empty());
    EXPECT_TRUE(RoundValues(0, INFINITY, false).empty());
    EXPECT_LE(RoundValues(-300, 300, true).size(), static_cast<std::size_t>(MostGridLines));
    EXPECT_LE(RoundValues(1e20, 1e20 + 1e5, true).size(), static_cast<std::size_t>(MostGridLines));
    EXPECT_LE(RoundValues(1e15, 1e15 + 1, false).size(), static_cast<std::size_t>(MostGridLines));
}

TEST(CalibrationGrid, LinesFollowTheCalibrationAcrossThePicture) {
    // x from 0 to 100 over 200 pixels, y from 50 down to 0 over 100 pixels.
    const UserCoordinates plain({0, 50, 100, 0}, {200, 100});
    const std::vector<QLineF> lines = CalibrationGridLines(plain, false, false);
    ASSERT_FALSE(lines.empty());
    // The vertical line at x = 20 stands at pixel column 40, from the top to the bottom.
    const auto at20 = std::find_if(lines.begin(), lines.end(), [](const QLineF& line) {
        return std::abs(line.x1() - 40) < 1e-9 && std::abs(line.x2() - 40) < 1e-9;
    });
    ASSERT_NE(at20, lines.end());
    EXPECT_NEAR(std::abs(at20->y2() - at20->y1()), 100, 1e-9);
    // Turned, the same line leans.
    const UserCoordinates turned({0, 50, 100, 0}, {200, 100},
                                 QTransform(0.5, 0.01, 0.02, -0.5, 0, 50));
    for (const QLineF& line : CalibrationGridLines(turned, false, false)) {
        EXPECT_TRUE(std::abs(line.dx()) > 1e-6 && std::abs(line.dy()) > 1e-6);
    }
}
