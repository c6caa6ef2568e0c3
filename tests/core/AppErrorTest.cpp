#include "core/AppError.h"

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
