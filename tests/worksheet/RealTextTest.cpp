#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "worksheet/RealText.h"

using namespace quorvant;

TEST(FormatReal, FixedAndExponentForms)
{
    const struct {
        double value;
        const char* text;
    } rows[] = {
        {0, "0"},
        {120000, "120000"},
        {6.75, "6.75"},
        {-1234.5, "-1234.5"},
        {0.1 + 0.2, "0.3"},
        {2.0 / 3, "0.666666666666667"},
        {700.4859442936728, "700.485944293673"},
        {999999999999999, "999999999999999"}, // 15 integer digits: fixed
        {1e15, "1E15"},                       // 16: exponent form
        {9.999999999999999e14, "1E15"},       // rounding decides the form
        {123456789012345678.0, "1.23456789012346E17"},
        {1e20, "1E20"},
        {0.0001, "0.0001"},
        {0.00012345, "0.00012345"},
        {0.00009, "9E-5"},
        {1.5e-7, "1.5E-7"},
        {-1.5e-7, "-1.5E-7"},
        {std::numeric_limits<double>::max(), "1.79769313486232E308"},
        {std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.text, FormatReal(row.value, '.')) << row.value;
}

TEST(FormatReal, UsesTheGivenSeparatorOnly)
{
    EXPECT_EQ("6,75", FormatReal(6.75, ','));
    EXPECT_EQ("1,5E-7", FormatReal(1.5e-7, ','));
    EXPECT_EQ("1234567", FormatReal(1234567, ',')); // never a group separator
}

TEST(ParseReal, Grammar)
{
    const struct {
        const char* text;
        char separator;
        std::optional<double> value;
    } rows[] = {
        {"6.75", '.', 6.75},
        {"  -6.75", '.', -6.75},
        {"+1e3", '.', 1000},
        {"1.5E-7", '.', 1.5e-7},
        {"1.", '.', 1},
        {".5", '.', 0.5},
        {"12  ", '.', 12},
        {"1e+05", '.', 1e5},
        {"6,75", ',', 6.75},
        {"1e-999", '.', 0},
        {"", '.', std::nullopt},
        {"   ", '.', std::nullopt},
        {"abc", '.', std::nullopt},
        {".", '.', std::nullopt},
        {"-", '.', std::nullopt},
        {"1e", '.', std::nullopt},
        {"1e+", '.', std::nullopt},
        {"1.2.3", '.', std::nullopt},
        {"12x", '.', std::nullopt},
        {"1 2", '.', std::nullopt},
        {"0x10", '.', std::nullopt},
        {"1,5", '.', std::nullopt},
        {"6.75", ',', std::nullopt}, // the other locale's file reads as no number
        {"1e999", '.', std::nullopt},
        {"-1e309", '.', std::nullopt},
        {"1e99999999999999999999", '.', std::nullopt},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.value, ParseReal(row.text, row.separator)) << '"' << row.text << '"';
}

TEST(ParseReal, LongDigitStrings)
{
    EXPECT_EQ(std::nullopt, ParseReal(std::string(100000, '1'), '.'));
    EXPECT_EQ(1.0, ParseReal("0." + std::string(500, '0') + "1e501", '.'));
    EXPECT_EQ(7.0, ParseReal(std::string(400, '0') + "7", '.'));
}

TEST(RealText, RoundTripsWithinFifteenDigits)
{
    std::mt19937_64 random(20101);
    std::uniform_real_distribution<double> mantissa(-10, 10);
    std::uniform_int_distribution<int> exponent(-300, 300);
    for (int i = 0; i < 20000; ++i) {
        const double value = mantissa(random) * std::pow(10.0, exponent(random));
        for (const char separator : {'.', ','}) {
            const auto back = ParseReal(FormatReal(value, separator), separator);
            ASSERT_TRUE(back.has_value()) << FormatReal(value, separator);
            EXPECT_NEAR(value, *back, std::fabs(value) * 1e-14);
        }
    }
}

TEST(RealText, IgnoresTheProcessLocale)
{
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
        GTEST_SKIP() << "no decimal-comma locale installed (scripts/bootstrap makes one)";
    ASSERT_EQ(',', *std::localeconv()->decimal_point);
    EXPECT_EQ("6.75", FormatReal(6.75, '.'));
    EXPECT_EQ(6.75, ParseReal("6.75", '.'));
    EXPECT_EQ("1.5E-7", FormatReal(1.5e-7, '.'));
    std::setlocale(LC_ALL, previous.c_str());
}

TEST(ParseInteger, DecimalAndHexadecimal)
{
    EXPECT_EQ(16, ParseInteger("0x10"));
    EXPECT_EQ(16, ParseInteger("0X10"));
    EXPECT_EQ(255, ParseInteger("$ff"));
    EXPECT_EQ(-1, ParseInteger("$FFFFFFFF"));
    EXPECT_EQ(-1, ParseInteger("-1"));
    EXPECT_EQ(2147483647, ParseInteger("2147483647"));
    EXPECT_EQ(-2147483647 - 1, ParseInteger("-2147483648"));
    EXPECT_EQ(std::nullopt, ParseInteger("2147483648"));
    EXPECT_EQ(std::nullopt, ParseInteger(""));
    EXPECT_EQ(std::nullopt, ParseInteger("no"));
    EXPECT_EQ(std::nullopt, ParseInteger("0x"));
    EXPECT_EQ(std::nullopt, ParseInteger("1.0"));
    EXPECT_EQ(std::nullopt, ParseDecimalInteger("0x10"));
    EXPECT_EQ(360, ParseDecimalInteger("360"));
}
