#include "telemetry/text_rules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace drovik::telemetry;

namespace {

struct IntCase {
    const char *text;
    int32_t expected;
};

TEST(TextRules, IntegerValue)
{
    const IntCase cases[] = {
        {"", 0},           {"abc", 0},          {"42", 42},           {"  \t\n-17xyz", -17},
        {"+8", 8},         {"-", 0},            {"+", 0},             {"- 5", 0},
        {"12.9", 12},      {"0042", 42},        {"2147483647", 2147483647},
        {"2147483648", 2147483647},             {"-2147483648", std::numeric_limits<int32_t>::min()},
        {"-99999999999999999999", std::numeric_limits<int32_t>::min()},
        {"\xC2\xA0" "5", 0}, // a no-break space is not skipped
        {"\r\n12", 12},
    };
    for (const auto &c : cases)
        EXPECT_EQ(integerValue(c.text), c.expected) << '"' << c.text << '"';
}

struct FloatCase {
    const char *text;
    float expected;
};

TEST(TextRules, FloatValue)
{
    const float inf = std::numeric_limits<float>::infinity();
    const FloatCase cases[] = {
        {"", 0.0f},        {"x1", 0.0f},        {".", 0.0f},         {"-.", 0.0f},
        {"1.5", 1.5f},     {" -2.25abc", -2.25f}, {".5", 0.5f},      {"5.", 5.0f},
        {"1e3", 1000.0f},  {"1e", 1.0f},        {"1e+", 1.0f},       {"2E-1", 0.2f},
        {"0x10", 0.0f},    {"inf", 0.0f},       {"nan", 0.0f},       {"+3", 3.0f},
        {"1e39", inf},     {"-1e39", -inf},     {"1e-50", 0.0f},     {"23.2475", 23.2475f},
        {"340282356779733661637539395458142568448", inf},
        {"3.40282346e38", std::numeric_limits<float>::max()},
        {"1e-45", std::numeric_limits<float>::denorm_min()},
        {"0.000000000000000000000000000000000000000000000000001e51", 1.0f},
        {"100000000000000000000000000000000000000000000000000e-51", 0.1f},
    };
    for (const auto &c : cases)
        EXPECT_EQ(floatValue(c.text), c.expected) << '"' << c.text << '"';
    EXPECT_TRUE(std::signbit(floatValue("-0")));
}

TEST(TextRules, StrictUtf8)
{
    EXPECT_TRUE(isValidUtf8("plain"));
    EXPECT_TRUE(isValidUtf8("\xE2\x80\xA8 \xF0\x9F\x98\x80"));
    EXPECT_FALSE(isValidUtf8("\xC0\x80"));         // overlong
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));     // surrogate
    EXPECT_FALSE(isValidUtf8("\xF4\x90\x80\x80")); // past U+10FFFF
    EXPECT_FALSE(isValidUtf8("\xE2\x80"));         // cut short
    EXPECT_FALSE(isValidUtf8("\x80"));

    // Fed in pieces, a sequence may span two pieces.
    Utf8Validator v;
    EXPECT_TRUE(v.feed("a\xE2"));
    EXPECT_FALSE(v.finish());
    EXPECT_TRUE(v.feed("\x80\xA8"));
    EXPECT_TRUE(v.finish());
}

TEST(TextRules, LinesSplitAtEveryNewlineCharacter)
{
    const auto lines = splitLines("a\r\nb\x0B" "c\xC2\x85" "d\xE2\x80\xA8" "e\xE2\x80\xA9" "f\x0C" "g");
    const std::vector<std::string_view> expected = {"a", "", "b", "c", "d", "e", "f", "g"};
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(splitLines("x\n"), (std::vector<std::string_view>{"x", ""}));
}

TEST(TextRules, FieldsKeepEmptyParts)
{
    EXPECT_EQ(splitFields(",a,,b,", ','), (std::vector<std::string_view>{"", "a", "", "b", ""}));
    EXPECT_EQ(splitFields("", ',').size(), 1u);
}

} // namespace
