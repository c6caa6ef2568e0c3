#include "core/NumberText.h"
#include "core/AppError.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

namespace {

struct DoubleCase {
    double value;
    const char* padded;
};

TEST(NumberText, PaddedDoubleTexts) {
    const DoubleCase cases[] = {
        {-2.5, "-2.5"},
        {-0.0, " 0"},
        {1.0 / 3.0, " 0.333333333333333"},
        {-2.0 / 3.0, "-0.666666666666667"},
        {0.1 + 0.2, " 0.3"},
        {0.0001, " 0.0001"},
        {0.00001, " 1E-05"},
        {0.000015, " 1.5E-05"},
        {-1.25e-10, "-1.25E-10"},
        {123456789012345.0, " 123456789012345"},
        {999999999999999.0, " 999999999999999"},
        {1e15, " 1E+15"},
        {9999999999999999.0, " 1E+16"},
        {1234567890123456.0, " 1.23456789012346E+15"},
        {1e300, " 1E+300"},
        {std::numeric_limits<double>::max(), " 1.79769313486231E+308"},
        {std::numeric_limits<double>::denorm_min(), " 4.94065645841247E-324"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PaddedNumberText(c.value).toStdString(), c.padded) << c.value;
        const QString plain = QString::fromLatin1(c.padded).trimmed();
        EXPECT_EQ(PlainNumberText(c.value), plain) << c.value;
    }
}

struct FloatCase {
    float value;
    const char* padded;
};

TEST(NumberText, PaddedFloatTextsHaveSevenDigits) {
    const FloatCase cases[] = {
        {1.0f / 3.0f, " 0.3333333"},
        {-1.0f, "-1"},
        {0.1f, " 0.1"},
        {9999999.0f, " 9999999"},
        {1e7f, " 1E+07"},
        {16777216.0f, " 1.677722E+07"},
        {0.00001f, " 1E-05"},
        {-0.0f, " 0"},
        {std::numeric_limits<float>::max(), " 3.402823E+38"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PaddedNumberText(c.value).toStdString(), c.padded) << c.value;
    }
}

TEST(NumberText, NonFiniteValuesNeverLookLikeNumbers) {
    EXPECT_EQ(PlainNumberText(std::numeric_limits<double>::quiet_NaN()), QStringLiteral("NaN"));
    EXPECT_EQ(PlainNumberText(-std::numeric_limits<double>::infinity()),
              QStringLiteral("-Infinity"));
}

struct ReadCase {
    const char* text;
    double value;
};

TEST(LeadingNumberValue, ReadsTheNumericPrefix) {
    const ReadCase cases[] = {
        {"", 0},           {"abc", 0},
        {"12abc", 12},     {"1,5", 1},
        {" 1 2 3", 123},   {"\t-4.5e1x", -45},
        {"- 7", -7},       {"1\n2", 12},
        {"1\r2", 1},       {"1D2", 100},
        {"2.5d-1", 0.25},  {"1e", 1},
        {"1e+", 1},        {"1E-", 1},
        {".5", 0.5},       {"-.5", -0.5},
        {"+3", 3},         {"5.", 5},
        {".", 0},          {"-", 0},
        {"1.2.3", 1.2},    {"--5", 0},
        {"+-5", 0},        {"1e-400", 0},
        {"0e999", 0},      {"0.0000001e-400", 0},
        {"1E308", 1e308},  {" 1E-05", 1e-05},
        {"= Point =", 0},  {"&HFF", 255},
        {"&hff", 255},     {"&H1F!", 31},
        {"&O17", 15},      {"&o778", 63},
        {"&O9", 0},        {"&H", 0},
        {"&X12", 0},       {"&", 0},
        {"&HFFFF", 65535},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LeadingNumberValue(QString::fromLatin1(c.text)), c.value) << c.text;
    }
}

TEST(LeadingNumberValue, TooLargeForADoubleIsAnOverflowError) {
    for (const char* text :
         {"1e400", "-1e309", "000000001e400", "0.001e312", "999e99999999999999"}) {
        try {
            LeadingNumberValue(QString::fromLatin1(text));
            ADD_FAILURE() << "no overflow for " << text;
        } catch (const AppError& error) {
            EXPECT_EQ(error.number, 6) << text;
            EXPECT_EQ(error.description, QStringLiteral("Overflow"));
        }
    }
    const QString hugeHex = QStringLiteral("&H") + QString(300, QLatin1Char('F'));
    EXPECT_THROW(LeadingNumberValue(hugeHex), AppError);
}

TEST(LeadingNumberValue, NonLatinDigitsAreNotDigits) {
    EXPECT_EQ(LeadingNumberValue(QStringLiteral("\u0663")), 0);   // Arabic-Indic three
    EXPECT_EQ(LeadingNumberValue(QStringLiteral("4\u00A05")), 4); // no-break space is no blank
}

// Every text written reads back to its value to the digits it carries, and writing that value
// again gives the same text; the exponent edges of both precisions and random bit patterns.
TEST(NumberText, EveryTextWrittenReadsBackToItsDigits) {
    std::vector<double> doubles = {std::numeric_limits<double>::max(),
                                   -std::numeric_limits<double>::max(),
                                   std::numeric_limits<double>::min(), 99999999999999.95};
    for (int exponent = -307; exponent <= 307; ++exponent) {
        for (const double mantissa : {1.0, 1.5, -9.99999999999999, 9.999999999999999}) {
            doubles.push_back(mantissa * std::pow(10.0, exponent));
        }
    }
    std::mt19937_64 random(20261206);
    while (doubles.size() < 20000) {
        const double value = std::bit_cast<double>(random());
        if (std::isfinite(value) && std::fabs(value) >= 1e-307) {
            doubles.push_back(value);
        }
    }
    for (const double value : doubles) {
        const QString text = PaddedNumberText(value);
        const double back = LeadingNumberValue(text);
        // Half a unit of the 15th digit, plus the rounding of the text back into a double.
        const double ulp = std::fabs(std::nextafter(value, 0.0) - value);
        ASSERT_LE(std::fabs(back - value), 5e-15 * std::fabs(value) + 2 * ulp)
            << text.toStdString();
        ASSERT_EQ(PaddedNumberText(back), text);
        const auto single = static_cast<float>(value);
        if (std::isfinite(single) && std::fabs(single) >= 1e-37f) {
            const double singleBack = LeadingNumberValue(PlainNumberText(single));
            ASSERT_LE(std::fabs(singleBack - single), 5.000001e-7 * std::fabs(single))
                << PlainNumberText(single).toStdString();
            ASSERT_EQ(PlainNumberText(static_cast<float>(singleBack)), PlainNumberText(single));
        }
    }
}

TEST(NumberText, OnlyAWholeNumberIsANumber) {
    EXPECT_EQ(WholeNumber(QStringLiteral(" 7 ")), 7.0);
    EXPECT_EQ(WholeNumber(QStringLiteral("-5")), -5.0);
    EXPECT_EQ(WholeNumber(QStringLiteral("12.5")), 12.5);
    EXPECT_EQ(WholeNumber(QStringLiteral("-1.5E-05")), -1.5e-05) << "as the program writes it";
    for (const char* text : {"12abc", "abc", "", "1,5", "1,000", "inf", "nan", "1e999"}) {
        EXPECT_FALSE(WholeNumber(QString::fromLatin1(text)).has_value()) << text;
    }
}

} // namespace
