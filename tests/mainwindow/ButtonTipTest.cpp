#include "mainwindow/ButtonTip.h"

#include <gtest/gtest.h>

namespace {

// Two buttons side by side, a separator, and a third button.
const std::vector<ToolbarSpan> Entries = {
    {0, 24, QStringLiteral("New Picture")},
    {24, 24, QStringLiteral("Save Data Points")},
    {48, 6, QString()},
    {54, 24, QStringLiteral("Autoread points")},
};

TEST(ButtonTip, ShowsTheTooltipOfTheButtonUnderTheMouse) {
    EXPECT_EQ(ButtonTip(10, 5, Entries), QStringLiteral("New Picture"));
    EXPECT_EQ(ButtonTip(60, 5, Entries), QStringLiteral("Autoread points"));
    EXPECT_EQ(ButtonTip(60, 500, Entries), QStringLiteral("Autoread points")) << "y is not tested";
}

TEST(ButtonTip, EdgesSeparatorsAndTheEmptyEndGiveNothing) {
    EXPECT_EQ(ButtonTip(24, 5, Entries), QString()) << "the boundary between two buttons";
    EXPECT_EQ(ButtonTip(0, 5, Entries), QString()) << "the left edge itself";
    EXPECT_EQ(ButtonTip(50, 5, Entries), QString()) << "a separator";
    EXPECT_EQ(ButtonTip(200, 5, Entries), QString()) << "past the last button";
    EXPECT_EQ(ButtonTip(-1, 5, {}), QString());
}

TEST(ButtonTip, RightEdgeIsSummedInSinglePrecision) {
    // 16777216 + 1 is 16777216 in single precision, so nothing lies inside.
    const std::vector<ToolbarSpan> far = {{16777216.0f, 1.0f, QStringLiteral("far")}};
    EXPECT_EQ(ButtonTip(16777216.5f, 0, far), QString());
}

} // namespace
