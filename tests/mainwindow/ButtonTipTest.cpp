#include "mainwindow/ButtonTip.h"

#include <gtest/gtest.h>

namespace {

// Two buttons side by side, a separator, and a third button; the height is not looked at.
TEST(ButtonTip, TheTooltipOfTheButtonUnderTheMouseAndNothingElsewhere) {
    const std::vector<ToolbarSpan> entries = {
        {0, 24, QStringLiteral("New Picture")},
        {24, 24, QStringLiteral("Save Data Points")},
        {48, 6, QString()},
        {54, 24, QStringLiteral("Autoread points")},
    };
    EXPECT_EQ(ButtonTip(10, 5, entries), QStringLiteral("New Picture"));
    EXPECT_EQ(ButtonTip(60, 500, entries), QStringLiteral("Autoread points"));
    for (const float x : {24.0f, 0.0f, 50.0f, 200.0f}) { // edges, a separator, past the end
        EXPECT_EQ(ButtonTip(x, 5, entries), QString()) << x;
    }
    EXPECT_EQ(ButtonTip(-1, 5, {}), QString());
    // 16777216 + 1 is 16777216 in single precision, so nothing lies inside.
    const std::vector<ToolbarSpan> far = {{16777216.0f, 1.0f, QStringLiteral("far")}};
    EXPECT_EQ(ButtonTip(16777216.5f, 0, far), QString());
}

} // namespace
