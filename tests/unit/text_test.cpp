#include "text.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cstring>
#include <limits>
#include <string>

namespace {

std::string trimmed(const char* input) {
    std::array<char, 64> area{};
    copyText(area.data(), area.size(), input);
    trimBlanks(area.data());
    return area.data();
}

} // namespace

TEST(TrimBlanks, RemovesSpacesAtBothEndsOnly) {
    EXPECT_EQ(trimmed("  abc  "), "abc");
    EXPECT_EQ(trimmed("abc"), "abc");
    EXPECT_EQ(trimmed("a b"), "a b");
    EXPECT_EQ(trimmed("  a  b "), "a  b");
}

TEST(TrimBlanks, AllBlanksOrEmptyBecomesEmpty) {
    EXPECT_EQ(trimmed("   "), "");
    EXPECT_EQ(trimmed(""), "");
}

TEST(TrimBlanks, TabsAreNotBlanks) {
    EXPECT_EQ(trimmed("\tabc "), "\tabc");
    EXPECT_EQ(trimmed(" abc\t"), "abc\t");
}

TEST(TrimBlanks, MovesTheRestToTheStartOfTheArea) {
    std::array<char, 8> area = {' ', ' ', 'x', 'y', '\0', 'Q', 'Q', 'Q'};
    trimBlanks(area.data());
    EXPECT_STREQ(area.data(), "xy");
}

// UTF-8 names: only code 32 is trimmed, never a byte of a multibyte character (à ends in
// 0xA0, the no-break space of code page 1252) nor the ideographic space U+3000.
TEST(TrimBlanks, LeavesEveryByteOfUtf8CharactersAlone) {
    char text[] = "  Ωμέγα 日本 🎵 voilà  ";
    trimBlanks(text);
    EXPECT_STREQ(text, "Ωμέγα 日本 🎵 voilà");
    char wide[] = " \u3000日本\u3000 ";
    trimBlanks(wide);
    EXPECT_STREQ(wide, "\u3000日本\u3000");
}

TEST(CopyText, FitsOrCutsWithinCapacity) {
    std::array<char, 4> area{};
    area.fill('#');
    EXPECT_TRUE(copyText(area.data(), area.size(), "abc"));
    EXPECT_STREQ(area.data(), "abc");
    EXPECT_FALSE(copyText(area.data(), area.size(), "abcd"));
    EXPECT_STREQ(area.data(), "abc");
    EXPECT_FALSE(copyText(area.data(), 0, "a"));
}

TEST(TextToNumber, ReadsTheLongestDecimalPrefix) {
    EXPECT_EQ(textToNumber("640"), 640.0);
    EXPECT_EQ(textToNumber("  -1"), -1.0);
    EXPECT_EQ(textToNumber("640.9"), 640.9);
    EXPECT_EQ(textToNumber("12abc"), 12.0);
    EXPECT_EQ(textToNumber("1.5e3x"), 1500.0);
    EXPECT_EQ(textToNumber("1.5e"), 1.5);
    EXPECT_EQ(textToNumber(".5"), 0.5);
    EXPECT_EQ(textToNumber("5."), 5.0);
    EXPECT_EQ(textToNumber("0.333333"), 0.333333);
}

TEST(TextToNumber, SkipsEveryLeadingWhiteSpaceOfTheCLibrary) {
    for (char blank : {' ', '\t', '\n', '\v', '\f', '\r'}) {
        EXPECT_EQ(textToNumber((std::string(1, blank) + "100").c_str()), 100.0) << int(blank);
        EXPECT_EQ(textToNumber((std::string(3, blank) + "-2.5").c_str()), -2.5) << int(blank);
    }
    EXPECT_EQ(textToNumber(" \t\n\v\f\r7"), 7.0);
}

TEST(TextToNumber, OtherControlCharactersBeforeTheNumberGiveZero) {
    // Backspace lies just below the tab, shift-out just above the carriage return.
    for (char other : {'\b', '\x0E', '\x1F'})
        EXPECT_EQ(textToNumber((std::string(1, other) + "100").c_str()), 0.0) << int(other);
}

TEST(TextToNumber, NoNumberGivesZero) {
    EXPECT_EQ(textToNumber(""), 0.0);
    EXPECT_EQ(textToNumber("abc"), 0.0);
    EXPECT_EQ(textToNumber("-"), 0.0);
    EXPECT_EQ(textToNumber("."), 0.0);
    EXPECT_EQ(textToNumber("+.e5"), 0.0);
}

TEST(TextToNumber, NeverReadsInfinityNanOrHexForms) {
    EXPECT_EQ(textToNumber("inf"), 0.0);
    EXPECT_EQ(textToNumber("nan"), 0.0);
    EXPECT_EQ(textToNumber("1.#INF00"), 1.0);
    EXPECT_EQ(textToNumber("0x1A"), 0.0);
}

TEST(TextToNumber, LongTextsAreReadWhole) {
    std::string digits = "1" + std::string(600, '0') + ".5";
    EXPECT_EQ(textToNumber(("0." + std::string(600, '0') + "1").c_str()), 0.0);
    EXPECT_TRUE(textToNumber(digits.c_str()) > 1e300);
}

TEST(TruncateToInt, TruncatesTowardZeroAndSaturates) {
    EXPECT_EQ(truncateToInt(700.9), 700);
    EXPECT_EQ(truncateToInt(-0.5), 0);
    EXPECT_EQ(truncateToInt(-30.7), -30);
    EXPECT_EQ(truncateToInt(1e30), INT_MAX);
    EXPECT_EQ(truncateToInt(-1e30), INT_MIN);
}

TEST(TruncateToInt, NotANumberIsZeroAndInfinitiesSaturate) {
    EXPECT_EQ(truncateToInt(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(truncateToInt(-std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(truncateToInt(std::numeric_limits<double>::infinity()), INT_MAX);
    EXPECT_EQ(truncateToInt(-std::numeric_limits<double>::infinity()), INT_MIN);
}

TEST(FormatInt, WritesTheDecimalTextOfEveryInt) {
    std::array<char, 16> area{};
    for (int value : {0, 7, -1, 640, -30, 2147483647, -2147483647 - 1}) {
        formatInt(value, area.data(), area.size());
        EXPECT_EQ(std::string(area.data()), std::to_string(value));
    }
}

TEST(FormatInt, CutsToTheArea) {
    std::array<char, 6> area{};
    area.fill('#');
    formatInt(-123456, area.data(), 4);
    EXPECT_STREQ(area.data(), "-12");
    EXPECT_EQ(area[4], '#');
}
