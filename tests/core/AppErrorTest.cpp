#include "core/AppError.h"
#include "core/ShownText.h"

#include <gtest/gtest.h>

TEST(ErrorReportText, FileNotFoundReadsAsTheClassicBox) {
    const AppError error{53, QStringLiteral("File not found"), QStringLiteral("Kurvex")};
    EXPECT_EQ(ErrorReportText(error),
              QStringLiteral("Error #  53 was generated. \rFile not found"));
    EXPECT_EQ(ErrorReportText(error, true),
              QStringLiteral("Error #  53 was generated. \rFile not foundKurvex"));
}

TEST(ErrorReportText, NegativeNumbersHaveNoBlank) {
    EXPECT_EQ(ErrorReportText({-1, QStringLiteral("x"), {}}),
              QStringLiteral("Error # -1 was generated. \rx"));
}

TEST(ShownText, EveryKindOfLineBreakShowsAsOne) {
    EXPECT_EQ(ShownText(ErrorReportText({53, QStringLiteral("File not found"), {}})),
              QStringLiteral("Error #  53 was generated. \nFile not found"));
    EXPECT_EQ(ShownText(QStringLiteral("a\r\nb\rc\nd\r\n\r\ne")),
              QStringLiteral("a\nb\nc\nd\n\ne"));
    EXPECT_EQ(ShownText(QStringLiteral("no break")), QStringLiteral("no break"));
}
