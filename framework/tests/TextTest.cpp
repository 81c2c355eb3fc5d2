#include "rb/Text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

struct ValCase {
    std::string text;
    double expected;
};

TEST(Val, ReadsTheNumberAtTheStartOfTheText)
{
    const ValCase cases[] = {
        {"07", 7.0},    {"", 0.0},       {"1.5e2", 150.0}, {" 12", 12.0},   {"-3", -3.0},
        {"abc", 0.0},   {"42abc", 42.0}, {"+5", 5.0},      {"-", 0.0},      {".", 0.0},
        {".5", 0.5},    {"1e", 1.0},     {"2e+", 2.0},     {"1e-999", 0.0}, {"\xff\xfe" "12", 0.0},
        {"3.25.1", 3.25}, {"1,5", 1.0},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE("Val(\"" + text + "\")");
        EXPECT_DOUBLE_EQ(rb::Val(text), expected);
    }
}

TEST(Val, HugeNumbersGiveInfinityNotACrash)
{
    EXPECT_EQ(rb::Val("1e999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(rb::Val("-1e999"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(rb::Val(std::string(10000, '9')), std::numeric_limits<double>::infinity());
    EXPECT_DOUBLE_EQ(rb::Val(std::string(10000, '0') + "1"), 1.0);
}

TEST(Str, WritesADoubleInAtMostSevenSignificantDigits)
{
    const std::pair<double, std::string> cases[] = {
        {0.5, "0.5"},       {1.0, "1"},     {0.7000000000000001, "0.7"}, {70.00000000000001, "70"},
        {1.5, "1.5"},       {-0.05, "-0.05"}, {0.333, "0.333"},          {7.000000000000001, "7"},
        {0.0, "0"},         {-0.0, "0"},    {50.0, "50"},                {0.75, "0.75"},
        {1234567.0, "1234567"}, {0.05, "0.05"},
    };
    for (const auto& [value, expected] : cases) {
        SCOPED_TRACE(expected);
        EXPECT_EQ(rb::Str(value), expected);
    }
}

TEST(Str, WritesAnIntegerInDecimalDigits)
{
    EXPECT_EQ(rb::Str(0), "0");
    EXPECT_EQ(rb::Str(42), "42");
    EXPECT_EQ(rb::Str(-7), "-7");
    EXPECT_EQ(rb::Str(std::numeric_limits<std::int32_t>::min()), "-2147483648");
}

TEST(LeftRight, CountCharactersAndGiveTheWholeTextWhenShorter)
{
    EXPECT_EQ(rb::Left("f13", 1), "f");
    EXPECT_EQ(rb::Right("0.75", 2), "75");
    EXPECT_EQ(rb::Right("1", 2), "1");
    EXPECT_EQ(rb::Left("ab", 5), "ab");
    EXPECT_EQ(rb::Left("ab", -1), "");
    EXPECT_EQ(rb::Right("ab", 0), "");
    EXPECT_EQ(rb::Right("x\xc3\xa9", 1), "\xc3\xa9");
    EXPECT_EQ(rb::Left("\xc3\xa9x", 1), "\xc3\xa9");
}

TEST(Chr, EncodesCodePointsAsUtf8)
{
    EXPECT_EQ(rb::Chr(13), "\r");
    EXPECT_EQ(rb::Chr(48), "0");
    EXPECT_EQ(rb::Chr(0xE9), "\xc3\xa9");
    EXPECT_EQ(rb::Chr(0x1F34E), "\xf0\x9f\x8d\x8e");
    EXPECT_EQ(rb::Chr(-1), "");
    EXPECT_EQ(rb::Chr(0xD800), "");
}

TEST(DoubleToInteger, TruncatesTowardZeroAndSaturates)
{
    const std::pair<double, std::int32_t> cases[] = {
        {439.5, 439}, {-439.5, -439}, {7.999, 7}, {0.0, 0}, {1e300, std::numeric_limits<std::int32_t>::max()},
        {-1e300, std::numeric_limits<std::int32_t>::min()}, {std::nan(""), 0},
    };
    for (const auto& [value, expected] : cases) {
        SCOPED_TRACE(value);
        EXPECT_EQ(rb::DoubleToInteger(value), expected);
    }
}

} // namespace
