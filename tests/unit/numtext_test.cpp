#include "calc/numtext.h"

#include "text.h"

#include <gtest/gtest.h>

#include <array>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
const double kNaN = std::nan("");

std::string hex(double value) {
    std::array<char, kHexTextSize> area{};
    formatHex(value, area.data());
    return area.data();
}

// The field of `text` at `width`, in an area with room for the text or the field.
std::string field(const std::string& text, unsigned width = kDisplayWidth) {
    std::array<char, 512> area{};
    copyText(area.data(), area.size(), text.c_str());
    fitDisplayField(area.data(), width);
    return area.data();
}

std::string fixed6(double value) {
    std::array<char, 400> area{};
    formatFixed6(value, area.data(), area.size());
    return area.data();
}

std::string fixed0(double value) {
    std::array<char, 400> area{};
    formatFixed0(value, area.data(), area.size());
    return area.data();
}

const std::string kOverflowField = "    -----------";

} // namespace

TEST(FormatHex, ExamplesGiveUpperCaseDigitsWithAtLeastTwo) {
    EXPECT_EQ(hex(0), "00");
    EXPECT_EQ(hex(5), "05");
    EXPECT_EQ(hex(10), "0A");
    EXPECT_EQ(hex(15), "0F");
    EXPECT_EQ(hex(16), "10");
    EXPECT_EQ(hex(255), "FF");
    EXPECT_EQ(hex(256), "100");
    EXPECT_EQ(hex(4096), "1000");
    EXPECT_EQ(hex(65535), "FFFF");
    EXPECT_EQ(hex(1e15), "38D7EA4C68000");
}

TEST(FormatHex, DropsTheSignAndTheFraction) {
    EXPECT_EQ(hex(-26), "1A");
    EXPECT_EQ(hex(26.75), "1A");
    EXPECT_EQ(hex(0.5), "00");
    EXPECT_EQ(hex(-0.0), "00");
    EXPECT_EQ(hex(15.999), "0F");
}

TEST(FormatHex, LargestValueBelowSixteenToTheThirtyNineHasThirtyNineDigits) {
    double largest = std::nextafter(0x1p156, 0.0); // 53 one bits, then zeros
    std::string text = hex(largest);
    EXPECT_EQ(text.size(), 39u);
    EXPECT_EQ(text.substr(0, 14), "FFFFFFFFFFFFF8");
    EXPECT_EQ(text.substr(14), std::string(25, '0'));
    EXPECT_EQ(hex(0x1p152), "1" + std::string(38, '0'));
}

TEST(FormatHex, OverflowForThirtyNineDigitsAndMoreInfinitiesAndNaN) {
    for (double value : {0x1p156, -0x1p156, 1e100, DBL_MAX, kInfinity, -kInfinity, kNaN}) {
        std::string text = hex(value);
        EXPECT_EQ(text, kHexOverflowText) << value;
        EXPECT_GT(text.size(), kDisplayWidth);
        EXPECT_LT(text.size(), kHexTextSize);
        EXPECT_EQ(field(text), kOverflowField);
    }
}

TEST(FormatHex, NeverWritesPastFortyBytes) {
    std::array<char, 64> area{};
    double values[] = {0.0, 1.0, 0x1p155, std::nextafter(0x1p156, 0.0), 0x1p156, 1e300, kNaN};
    for (double value : values) {
        area.fill('#');
        formatHex(value, area.data());
        EXPECT_LT(std::strlen(area.data()), kHexTextSize);
        for (std::size_t i = kHexTextSize; i < area.size(); ++i)
            ASSERT_EQ(area[i], '#') << value;
    }
}

TEST(ParseHex, ExamplesReadTheDigits) {
    EXPECT_EQ(parseHex("1A"), 26.0);
    EXPECT_EQ(parseHex("00"), 0.0);
    EXPECT_EQ(parseHex("FF"), 255.0);
    EXPECT_EQ(parseHex("100"), 256.0);
    EXPECT_EQ(parseHex(""), 0.0);
    EXPECT_EQ(parseHex("FFFFFFFFFFFFFF"), 0x1p56); // 2^56 - 1 rounded once
}

TEST(ParseHex, GivesBackWholeNumbersOfFormatHexAndTruncatedMagnitudesOfOthers) {
    double wholes[] = {0,
                       1,
                       15,
                       16,
                       255,
                       65536,
                       1e15,
                       0x1p53,
                       0x1p53 + 2,
                       0x1p100 + 0x1p60,
                       std::nextafter(0x1p156, 0.0)};
    for (double value : wholes)
        EXPECT_EQ(parseHex(hex(value).c_str()), value) << value;
    EXPECT_EQ(parseHex(hex(26.75).c_str()), 26.0);
    EXPECT_EQ(parseHex(hex(-26.75).c_str()), 26.0);
    EXPECT_EQ(parseHex(hex(-0x1p80).c_str()), 0x1p80);
}

TEST(ParseHex, OverflowTextReadsAsInfinity) {
    EXPECT_EQ(parseHex(kHexOverflowText), kInfinity);
    EXPECT_EQ(parseHex(hex(kNaN).c_str()), kInfinity);
}

TEST(ParseHex, MoreThanThirtyNineSignificantDigitsIsOverflow) {
    EXPECT_EQ(parseHex(("1" + std::string(39, '0')).c_str()), kInfinity);
    EXPECT_EQ(parseHex(std::string(300, 'F').c_str()), kInfinity);
    EXPECT_EQ(parseHex((std::string(45, '0') + "1A").c_str()), 26.0);
    EXPECT_EQ(parseHex(std::string(60, '0').c_str()), 0.0);
    EXPECT_EQ(parseHex(("1" + std::string(38, '0')).c_str()), 0x1p152);
}

TEST(ParseHex, OtherCharactersFollowTheDigitRule) {
    EXPECT_EQ(parseHex("G"), 16.0);        // 'G' - 65 + 10
    EXPECT_EQ(parseHex("a"), 42.0);        // 'a' - 65 + 10
    EXPECT_EQ(parseHex("1-"), 16.0 - 3.0); // '-' - 48
}

TEST(FitDisplayField, SixDecimalTextsLoseTrailingZeros) {
    EXPECT_EQ(field("12.500000"), "           12.5");
    EXPECT_EQ(field("0.000000"), "              0");
    EXPECT_EQ(field("-3.250000"), "-          3.25");
    EXPECT_EQ(field("0.666667"), "       0.666667");
    EXPECT_EQ(field("10.050000"), "          10.05");
}

TEST(FitDisplayField, TextsWithoutAPointKeepTheirZeros) {
    EXPECT_EQ(field("100"), "            100");
    EXPECT_EQ(field("12."), "             12");
    EXPECT_EQ(field("0."), "              0");
    EXPECT_EQ(field("1A"), "             1A");
    EXPECT_EQ(field("007"), "            007");
}

TEST(FitDisplayField, SignStandsInItsOwnColumn) {
    EXPECT_EQ(field("-10000000000000.000000"), "-10000000000000");
    EXPECT_EQ(field("-0.000000"), "-             0");
    EXPECT_EQ(field("-"), "-              ");
    EXPECT_EQ(field(""), "               ");
}

TEST(FitDisplayField, TooLongTextShowsTheOverflowText) {
    EXPECT_EQ(field("-100000000000000.000000"), kOverflowField);
    EXPECT_EQ(field("1.0000000000e999"), kOverflowField);
    EXPECT_EQ(field(std::string(300, '9')), kOverflowField);
}

// A positive text exactly as long as the field would need 15 number columns: overflow, since
// a cut text would show a number ten times smaller.
TEST(FitDisplayField, PositiveTextAsLongAsTheFieldIsOverflowNotCut) {
    EXPECT_EQ(field("100000000000000"), kOverflowField);
    EXPECT_EQ(field("100000000000000.000000"), kOverflowField);
    EXPECT_EQ(field("10000000000000"), " 10000000000000");
    EXPECT_EQ(field("-1000000000000"), "- 1000000000000");
}

TEST(FitDisplayField, OtherWidthsKeepTheFieldExactlyThatLong) {
    EXPECT_EQ(field("12.500000", 20), "                12.5");
    EXPECT_EQ(field("-3.5", 5), "- 3.5");
    EXPECT_EQ(field("123456", 5), " ----"); // the overflow text's right-hand end
    EXPECT_EQ(field("5", 1), " ");
    EXPECT_EQ(field("-", 1), "-");
    EXPECT_EQ(field("5", 0), "");
    EXPECT_EQ(field(std::string(78, '7'), 79), " " + std::string(78, '7'));
    EXPECT_EQ(field("1.0000000000e999", 79).size(), 79u);
}

TEST(FitDisplayField, WritesNoMoreThanWidthAndTerminator) {
    std::array<char, 40> area{};
    for (unsigned width : {0u, 1u, 5u, 15u, 20u}) {
        for (const char* text : {"", "-", "7", "12.500000", "-3.25", "123456789012345678"}) {
            area.fill('#');
            copyText(area.data(), area.size(), text);
            std::size_t length = std::strlen(text);
            std::size_t used = (length > width ? length : width) + 1;
            fitDisplayField(area.data(), width);
            EXPECT_EQ(std::strlen(area.data()), width) << text;
            for (std::size_t i = used; i < area.size(); ++i)
                ASSERT_EQ(area[i], '#') << text << " at " << width;
        }
    }
}

TEST(FormatFixed, SixAndNoDecimals) {
    EXPECT_EQ(fixed6(12.5), "12.500000");
    EXPECT_EQ(fixed6(-3.25), "-3.250000");
    EXPECT_EQ(fixed6(0.0), "0.000000");
    EXPECT_EQ(fixed6(-0.0), "-0.000000");
    EXPECT_EQ(fixed6(2.0 / 3.0), "0.666667");
    EXPECT_EQ(fixed0(255.0), "255");
    EXPECT_EQ(fixed0(5.7), "6");
}

// The classic msvcrt printf stops after 17 significant digits; these need the exact one.
TEST(FormatFixed, DigitsAreExactInEveryBuild) {
    EXPECT_EQ(fixed6(0x1p70), "1180591620717411303424.000000");
    EXPECT_EQ(fixed6(1e32), "100000000000000005366162204393472.000000");
    EXPECT_EQ(fixed6(0.1), "0.100000");
    EXPECT_EQ(fixed0(2.5), "2"); // exact halves go to the even neighbour
    EXPECT_EQ(fixed0(3.5), "4");
    EXPECT_EQ(fixed0(0.5), "0");
}

TEST(FormatFixed, LargestDoublesTakeThreeHundredSixteenCharacters) {
    std::string largest = fixed6(DBL_MAX);
    EXPECT_EQ(largest.size(), 316u);
    EXPECT_EQ(largest.substr(0, 20), "17976931348623157081");
    EXPECT_EQ(largest.substr(300), "124858368.000000");
    EXPECT_EQ(fixed6(-DBL_MAX).size(), 317u);
    EXPECT_EQ(textToNumber(largest.c_str()), DBL_MAX);
}

TEST(FormatFixed, InfinityAndNaNGiveOverflowTextThatReadsBackInfinite) {
    EXPECT_EQ(fixed6(kInfinity), kOverflowNumberText);
    EXPECT_EQ(fixed6(-kInfinity), std::string("-") + kOverflowNumberText);
    EXPECT_EQ(fixed6(kNaN), kOverflowNumberText);
    EXPECT_EQ(fixed6(-kNaN), kOverflowNumberText);
    EXPECT_EQ(fixed0(kInfinity), kOverflowNumberText);
    EXPECT_EQ(textToNumber(fixed6(kInfinity).c_str()), kInfinity);
    EXPECT_EQ(textToNumber(fixed6(-kInfinity).c_str()), -kInfinity);
    EXPECT_EQ(textToNumber(fixed6(kNaN).c_str()), kInfinity);
    EXPECT_EQ(field(fixed6(kInfinity)), kOverflowField);
    EXPECT_EQ(field(fixed6(-kInfinity)), kOverflowField);
}

TEST(FormatFixed, CutToCapacityButReportsTheFullLength) {
    std::array<char, 16> area{};
    area.fill('#');
    EXPECT_EQ(formatFixed6(1e20, area.data(), 8), 28);
    EXPECT_STREQ(area.data(), "1000000");
    EXPECT_EQ(area[8], '#');
    area.fill('#');
    EXPECT_EQ(formatFixed6(kInfinity, area.data(), 4), 16);
    EXPECT_STREQ(area.data(), "1.0");
    area.fill('#');
    EXPECT_EQ(formatFixed0(12.0, area.data(), 0), 2);
    EXPECT_EQ(area[0], '#');
}

// Persisted values are "%.6lf" texts read back with textToNumber.
TEST(FormatFixed, StoredTextsReadBackAsTheSameValue) {
    for (double value : {12.5, -3.25, 0.0, 1e32, 1e300, -DBL_MAX, 123456789.125})
        EXPECT_EQ(textToNumber(fixed6(value).c_str()), value) << value;
}

// Operands and expected results were found with exact rational arithmetic: each is a case in
// which rounding twice (x87 precision, then the double) gives another last bit.
TEST(Arithmetic, RoundsOnceAsAnIeeeDouble) {
    EXPECT_EQ(multiplyNumbers(0x1.ad8d5c985850cp+0, 0x1.b589131e975abp+0), 0x1.6f1427e5b757fp+1);
    EXPECT_EQ(addNumbers(0x1.fd0a6c6097d40p+0, 0x1.b4eb2314006f0p-23), 0x1.fd0a6fca6e1a3p+0);
    EXPECT_EQ(subtractNumbers(0x1.fd0a6c6097d40p+0, -0x1.b4eb2314006f0p-23), 0x1.fd0a6fca6e1a3p+0);
    EXPECT_EQ(divideNumbers(0x1.e71d468739094p+0, 0x1.65f0abf6de0d2p+0), 0x1.5c62c747526ebp+0);
}

TEST(Arithmetic, ResultsTooSmallForANormalDoubleRoundOnce) {
    EXPECT_EQ(multiplyNumbers(0x1.0000000000001p-1000, 0x1.0000000000001p-24),
              0x0.4000000000001p-1022);
    EXPECT_EQ(divideNumbers(0x1.8000000000002p-922, 0x1.8p+101), 0x0.8000000000001p-1022);
    EXPECT_EQ(addNumbers(0x1p-1074, 0x1p-1074), 0x1p-1073);
}

TEST(Arithmetic, ExponentRangeIsThatOfADouble) {
    EXPECT_EQ(multiplyNumbers(multiplyNumbers(1e300, 1e10), 0.01), kInfinity);
    EXPECT_EQ(multiplyNumbers(multiplyNumbers(1e-300, 1e-300), 1e300), 0.0);
    EXPECT_EQ(addNumbers(DBL_MAX, DBL_MAX), kInfinity);
    EXPECT_EQ(divideNumbers(DBL_MAX, 0.5), kInfinity);
    EXPECT_TRUE(std::isnan(subtractNumbers(kInfinity, kInfinity)));
    EXPECT_EQ(multiplyNumbers(-2.0, 3.0), -6.0);
}
