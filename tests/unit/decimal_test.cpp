#include "decimal.h"
#include "text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

// Expectations are bit patterns, or come from exact decimal arithmetic done here in base 10^9,
// apart from the binary arithmetic of the code under test: the tests run natively and under
// Wine alike and never ask the platform's strtod.

namespace {

constexpr std::uint64_t kSignBit = 0x8000000000000000;
constexpr std::uint64_t kInfinityBits = 0x7FF0000000000000;
constexpr std::uint64_t kLargestBits = 0x7FEFFFFFFFFFFFFF;
constexpr std::uint64_t kTwoPow53Bits = 0x4340000000000000;
constexpr std::uint64_t kSmallestNormalBits = 0x0010000000000000;
constexpr std::uint64_t kLargestSubnormalBits = 0x000FFFFFFFFFFFFF;

std::uint64_t bitsOf(double value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

double doubleOf(std::uint64_t bits) {
    double value = 0.0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::uint64_t readBits(const std::string& text) {
    return bitsOf(decimalToDouble(text.c_str(), text.size()));
}

// A nonnegative exact decimal: 0.digits x 10^scale, digits without leading or trailing zeros
// (none for zero).
struct Exact {
    std::string digits;
    long scale;
};

Exact normalized(std::string digits, long scale) {
    std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos)
        return {"", 0};
    digits.erase(digits.find_last_not_of('0') + 1);
    return {digits.substr(first), scale - static_cast<long>(first)};
}

// odd * 2^exponent, worked out in base 10^9 limbs.
Exact exactOfBinary(std::uint64_t odd, int exponent) {
    const std::uint32_t base = 1000000000;
    std::vector<std::uint32_t> limbs = {static_cast<std::uint32_t>(odd % base),
                                        static_cast<std::uint32_t>(odd / base % base),
                                        static_cast<std::uint32_t>(odd / base / base)};
    auto multiply = [&](std::uint32_t factor) {
        std::uint64_t carry = 0;
        for (std::uint32_t& limb : limbs) {
            carry += static_cast<std::uint64_t>(limb) * factor;
            limb = static_cast<std::uint32_t>(carry % base);
            carry /= base;
        }
        for (; carry != 0; carry /= base)
            limbs.push_back(static_cast<std::uint32_t>(carry % base));
    };
    // 2^-e = 5^e / 10^e: a negative exponent multiplies by fives and moves the point.
    bool negative = exponent < 0;
    int count = negative ? -exponent : exponent;
    for (; count >= 13; count -= 13)
        multiply(negative ? 1220703125u : 8192u);
    for (; count > 0; --count)
        multiply(negative ? 5u : 2u);
    std::string digits;
    for (std::size_t i = limbs.size(); i-- > 0;) {
        char group[16];
        std::snprintf(group, sizeof group, "%09u", static_cast<unsigned>(limbs[i]));
        digits += group;
    }
    long scale = static_cast<long>(digits.size()) + (negative ? exponent : 0);
    return normalized(digits, scale);
}

// A plain text such as "123.456" or "0.000000".
Exact exactOfPlainText(const std::string& text) {
    std::size_t point = text.find('.');
    std::string whole = text.substr(0, point);
    std::string fraction = point == std::string::npos ? "" : text.substr(point + 1);
    return normalized(whole + fraction, static_cast<long>(whole.size()));
}

int compareExact(const Exact& a, const Exact& b) {
    if (a.digits.empty() || b.digits.empty())
        return a.digits.empty() ? (b.digits.empty() ? 0 : -1) : 1;
    if (a.scale != b.scale)
        return a.scale < b.scale ? -1 : 1;
    int order = a.digits.compare(b.digits);
    return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

// Just above or below a nonzero exact value, closer than any digit it has.
Exact nudgedUp(const Exact& value, int zeros) {
    return {value.digits + std::string(static_cast<std::size_t>(zeros), '0') + "1", value.scale};
}
Exact nudgedDown(const Exact& value, int nines) {
    std::string digits = value.digits;
    --digits.back();
    return {digits + std::string(static_cast<std::size_t>(nines), '9'), value.scale};
}

// The text of value with the point after `point` digits, some leading zeros and an exponent.
std::string textOf(const Exact& value, std::size_t point, int leadingZeros) {
    std::string digits = value.digits.empty() ? "0" : value.digits;
    point = point < digits.size() ? point : digits.size();
    std::string text = std::string(static_cast<std::size_t>(leadingZeros), '0') +
                       digits.substr(0, point) + "." + digits.substr(point);
    long exponent = value.scale - static_cast<long>(point);
    return exponent == 0 ? text : text + "e" + std::to_string(exponent);
}

// Whether the double of bits is the one nearest the value, a tie going to the even one.
bool isNearest(const Exact& value, std::uint64_t bits) {
    if (bits == 0)
        return compareExact(value, exactOfBinary(1, -1075)) <= 0;
    // Between the largest double and 2^1024.
    if (bits == kInfinityBits)
        return compareExact(value, exactOfBinary((std::uint64_t{1} << 54) - 1, 970)) >= 0;
    if (bits > kInfinityBits)
        return false;
    std::uint64_t field = bits >> 52;
    std::uint64_t mantissa = (bits & kLargestSubnormalBits) | (field != 0 ? 1ull << 52 : 0);
    int exponent = field != 0 ? static_cast<int>(field) - 1075 : -1074;
    Exact upper = exactOfBinary(2 * mantissa + 1, exponent - 1);
    // At a power of two the neighbour below is half as far away.
    Exact lower = mantissa == (1ull << 52) && field > 1
                      ? exactOfBinary(4 * mantissa - 1, exponent - 2)
                      : exactOfBinary(2 * mantissa - 1, exponent - 1);
    int belowUpper = compareExact(value, upper);
    int aboveLower = compareExact(value, lower);
    bool even = (mantissa & 1) == 0;
    return belowUpper <= 0 && aboveLower >= 0 && (even || (belowUpper != 0 && aboveLower != 0));
}

std::uint64_t randomFiniteBits(std::mt19937_64& random) {
    for (;;) {
        std::uint64_t bits = random() & ~kSignBit;
        if (bits < kInfinityBits)
            return bits;
    }
}

std::string printed(const char* format, double value) {
    char text[400];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

} // namespace

TEST(DecimalToDouble, KeepsTheSignOfZero) {
    EXPECT_EQ(readBits("-0"), kSignBit);
    EXPECT_EQ(readBits("-0.000e5"), kSignBit);
    EXPECT_EQ(readBits("+0"), 0u);
    EXPECT_EQ(readBits("0"), 0u);
    EXPECT_EQ(readBits("-1e-400"), kSignBit);
}

TEST(DecimalToDouble, PastTheLargestDoubleGivesInfinity) {
    EXPECT_EQ(readBits("1e309"), kInfinityBits);
    EXPECT_EQ(readBits("2e308"), kInfinityBits);
    EXPECT_EQ(readBits("-2e308"), kSignBit | kInfinityBits);
    EXPECT_EQ(readBits("1" + std::string(400, '0')), kInfinityBits);
    EXPECT_EQ(readBits("1.7976931348623158e308"), kLargestBits);
    EXPECT_EQ(readBits("1.7976931348623159e308"), kInfinityBits);
    // The midpoint between the largest double and 2^1024 rounds up to infinity (even).
    Exact midpoint = exactOfBinary((std::uint64_t{1} << 54) - 1, 970);
    EXPECT_EQ(readBits(textOf(midpoint, midpoint.digits.size(), 0)), kInfinityBits);
    EXPECT_EQ(readBits(textOf(nudgedDown(midpoint, 500), 1, 0)), kLargestBits);
}

TEST(DecimalToDouble, BelowHalfTheSmallestSubnormalGivesZero) {
    EXPECT_EQ(readBits("4.9e-324"), 1u);
    EXPECT_EQ(readBits("5e-324"), 1u);
    EXPECT_EQ(readBits("2.4703282292062327e-324"), 0u);
    EXPECT_EQ(readBits("2.4703282292062328e-324"), 1u);
    Exact half = exactOfBinary(1, -1075);
    EXPECT_EQ(readBits(textOf(half, 1, 0)), 0u);
    EXPECT_EQ(readBits(textOf(nudgedUp(half, 2000), 0, 3)), 1u);
    EXPECT_EQ(readBits(textOf(exactOfBinary(3, -1075), 1, 0)), 2u);
}

TEST(DecimalToDouble, NormalAndSubnormalMeetExactly) {
    EXPECT_EQ(readBits("2.2250738585072011e-308"), kLargestSubnormalBits);
    EXPECT_EQ(readBits("2.2250738585072014e-308"), kSmallestNormalBits);
    Exact between = exactOfBinary((std::uint64_t{1} << 53) - 1, -1075);
    EXPECT_EQ(readBits(textOf(between, 1, 0)), kSmallestNormalBits);
    EXPECT_EQ(readBits(textOf(nudgedDown(between, 40), 1, 0)), kLargestSubnormalBits);
}

TEST(DecimalToDouble, HalfwayGoesToEvenAndAnyLaterDigitBreaksTheTie) {
    EXPECT_EQ(readBits("9007199254740993"), kTwoPow53Bits);
    EXPECT_EQ(readBits("9007199254740995"), kTwoPow53Bits + 2);
    EXPECT_EQ(readBits("9007199254740993." + std::string(2000, '0')), kTwoPow53Bits);
    EXPECT_EQ(readBits("9007199254740993." + std::string(2000, '0') + "1"), kTwoPow53Bits + 1);
    EXPECT_EQ(readBits("9007199254740992." + std::string(2000, '9')), kTwoPow53Bits);
}

TEST(DecimalToDouble, HugeExponentsSaturate) {
    EXPECT_EQ(readBits("1e999999999"), kInfinityBits);
    EXPECT_EQ(readBits("1e-999999999"), 0u);
    // Exponents past the int range must not wrap around to small ones.
    EXPECT_EQ(readBits("1e4294967297"), kInfinityBits);
    EXPECT_EQ(readBits("1e-4294967295"), 0u);
    EXPECT_EQ(readBits("1e99999999999999999999999999999999"), kInfinityBits);
    EXPECT_EQ(readBits("-1e-99999999999999999999999999999999"), kSignBit);
    EXPECT_EQ(readBits("0e99999999999999999999"), 0u);
    EXPECT_EQ(readBits("1e000000000000000000000000000001"), bitsOf(10.0));
}

TEST(DecimalToDouble, LeadingZerosAndExponentsOffsetEachOther) {
    EXPECT_EQ(readBits(std::string(3000, '0') + "1.5"), bitsOf(1.5));
    EXPECT_EQ(readBits("0." + std::string(399, '0') + "1e400"), bitsOf(1.0));
    EXPECT_EQ(readBits("0." + std::string(5000, '0') + "15e5001"), bitsOf(1.5));
    EXPECT_EQ(readBits("1" + std::string(5000, '0') + "e-5000"), bitsOf(1.0));
    EXPECT_EQ(readBits("25" + std::string(5000, '0') + "e-5002"), bitsOf(0.25));
    EXPECT_EQ(readBits("0.0000000000000000000000000000001e31"), bitsOf(1.0));
}

TEST(DecimalToDouble, ReadsOnlyTheGivenLengthAndForm) {
    EXPECT_EQ(decimalToDouble("12345", 3), 123.0);
    EXPECT_EQ(decimalToDouble("1e5", 2), 1.0);
    EXPECT_EQ(decimalToDouble("1.5.3", 5), 1.5);
    EXPECT_EQ(decimalToDouble("1e+", 3), 1.0);
    EXPECT_EQ(decimalToDouble("2E-1x", 5), 0.2);
    EXPECT_EQ(readBits("-"), 0u);
    EXPECT_EQ(readBits("-.e5"), 0u);
    EXPECT_EQ(readBits("--1"), 0u);
}

TEST(DecimalToDouble, KnownNearestDoubles) {
    EXPECT_EQ(readBits("0.1"), 0x3FB999999999999Au);
    EXPECT_EQ(readBits("1e23"), 0x44B52D02C7E14AF6u);
    EXPECT_EQ(readBits("8.98846567431158e307"), 0x7FE0000000000000u);
    EXPECT_EQ(readBits("0.333333"), 0x3FD55553EF6B5D46u);
    EXPECT_EQ(readBits("123456.789012"), 0x40FE240C9FCB0C02u);
}

// Every double printed with 17 significant digits reads back as itself.
TEST(DecimalToDouble, SeventeenDigitTextsReadBackExactly) {
    std::mt19937_64 random(17);
    for (int i = 0; i < 20000; ++i) {
        std::uint64_t bits = randomFiniteBits(random);
        if (i % 2 == 1)
            bits |= kSignBit;
        std::string text = printed("%.17g", doubleOf(bits));
        ASSERT_EQ(readBits(text), bits) << text;
    }
    for (std::uint64_t bits : {std::uint64_t{1}, kLargestSubnormalBits, kSmallestNormalBits,
                               kLargestBits, std::uint64_t{2}, kSmallestNormalBits + 1}) {
        std::string text = printed("%.17g", doubleOf(bits));
        EXPECT_EQ(readBits(text), bits) << text;
    }
}

// Midpoints between neighbouring doubles of every size, written out in full and in many
// shapes: exactly, a tie to the even one; a hair above or below, the neighbour on that side.
TEST(DecimalToDouble, MidpointsRoundToTheEvenNeighbourAndNudgesToTheNearer) {
    std::mt19937_64 random(1075);
    for (int i = 0; i < 1500; ++i) {
        std::uint64_t bits = randomFiniteBits(random);
        std::uint64_t field = bits >> 52;
        std::uint64_t mantissa = (bits & kLargestSubnormalBits) | (field != 0 ? 1ull << 52 : 0);
        int exponent = field != 0 ? static_cast<int>(field) - 1075 : -1074;
        Exact midpoint = exactOfBinary(2 * mantissa + 1, exponent - 1);
        std::size_t point = random() % (midpoint.digits.size() + 1);
        int zeros = static_cast<int>(random() % 3);
        int tail = 1 + static_cast<int>(random() % 1200);
        std::uint64_t even = (bits & 1) == 0 ? bits : bits + 1;
        std::string exact = textOf(midpoint, point, zeros);
        ASSERT_EQ(readBits(exact), even) << exact;
        ASSERT_EQ(readBits("-" + exact), even | kSignBit) << exact;
        std::string above = textOf(nudgedUp(midpoint, tail), point, zeros);
        ASSERT_EQ(readBits(above), bits + 1) << above;
        std::string below = textOf(nudgedDown(midpoint, tail), point, zeros);
        ASSERT_EQ(readBits(below), bits) << below;
    }
}

// Random digit strings of up to 1500 digits, the point anywhere, exponents across the range
// and past it.
TEST(DecimalToDouble, RandomLongTextsGiveTheNearestDouble) {
    std::mt19937_64 random(800);
    const char pool[] = "0000000009999999990123456789";
    for (int i = 0; i < 1500; ++i) {
        std::size_t length = 1 + random() % (i % 4 == 0 ? 1500 : 40);
        std::string digits;
        for (std::size_t k = 0; k < length; ++k)
            digits += pool[random() % (sizeof pool - 1)];
        long scale = static_cast<long>(random() % 700) - 340;
        Exact value = normalized(digits, scale);
        std::string text = textOf(value, random() % (length + 1), static_cast<int>(random() % 3));
        ASSERT_TRUE(isNearest(value, readBits(text))) << text;
    }
}

// The calculator stores "%.6lf" texts; each must read back as the double nearest to it.
TEST(DecimalToDouble, SixDecimalTextsGiveTheNearestDouble) {
    std::mt19937_64 random(6);
    for (int i = 0; i < 1500; ++i) {
        std::uint64_t bits = randomFiniteBits(random);
        // Mostly the calculator's everyday sizes, up to 2^64, then any size up to the largest.
        if (i % 3 != 0)
            bits = (bits & kLargestSubnormalBits) | ((0x3C0 + random() % 0x80) << 52);
        std::string text = printed("%.6lf", doubleOf(bits));
        std::uint64_t read = bitsOf(textToNumber(text.c_str()));
        ASSERT_TRUE(isNearest(exactOfPlainText(text), read)) << text;
        ASSERT_EQ(printed("%.6lf", doubleOf(read)), text);
    }
}

// The checks above must be able to fail: the oracle rejects a neighbour of the nearest double.
TEST(DecimalToDouble, NearestCheckRejectsNeighbours) {
    Exact tenth = exactOfPlainText("0.1");
    EXPECT_TRUE(isNearest(tenth, 0x3FB999999999999Au));
    EXPECT_FALSE(isNearest(tenth, 0x3FB9999999999999u));
    EXPECT_FALSE(isNearest(tenth, 0x3FB999999999999Bu));
    Exact midpoint = exactOfBinary((1ull << 53) + 1, 0);
    EXPECT_TRUE(isNearest(midpoint, kTwoPow53Bits));
    EXPECT_FALSE(isNearest(midpoint, kTwoPow53Bits + 1));
    EXPECT_FALSE(isNearest(exactOfPlainText("1.0"), 0u));
    EXPECT_TRUE(isNearest(exactOfPlainText("0.000000"), 0u));
}
