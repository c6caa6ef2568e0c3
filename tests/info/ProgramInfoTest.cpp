#include "info/ProgramInfo.h"

#include <gtest/gtest.h>

TEST(ProgramInfo, SplashDateLineUsesTheTwelveHourClock) {
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(SplashDateLine(QDateTime(QDate(2026, 3, 5), QTime(14, 7, 9)), english),
              QStringLiteral("March 05, 2026 - 02:07:09 PM"));
    EXPECT_EQ(SplashDateLine(QDateTime(QDate(2026, 12, 31), QTime(0, 0, 1)), english),
              QStringLiteral("December 31, 2026 - 12:00:01 AM"));
    EXPECT_EQ(SplashDateLine(QDateTime(QDate(2026, 1, 1), QTime(12, 30, 0)), english),
              QStringLiteral("January 01, 2026 - 12:30:00 PM"));
}
