// Values the display cannot hold: the full value is kept, the display shows the overflow
// text, and an overflow never turns into a finite number.
#include "keypad_fixture.h"

#include <cfloat>
#include <cmath>

TEST_F(Keypad, FifteenDigitResultShowsOverflowAndFourteenDigitsFit) {
    start(1e14, 0.0);
    EXPECT_EQ(shown(), kOverflowShown);
    start(-1e13, 0.0);
    EXPECT_EQ(shown(), "-10000000000000");
    start(99999999999999.0, 0.0);
    EXPECT_EQ(shown(), "99999999999999");
    start(0x1p56, 0.0);
    keys("h");
    EXPECT_EQ(shown(), kOverflowShown); // 15 hexadecimal digits
}

TEST_F(Keypad, LongRecalledTextIsHeldWholeSoTheValueStays) {
    start(0.0, 1e32);
    keys("R");
    EXPECT_EQ(entry(), "100000000000000005366162204393472.000000");
    EXPECT_EQ(shown(), kOverflowShown);
    keys("=");
    EXPECT_EQ(state.Accum, 1e32);
    start(0.0, -DBL_MAX);
    keys("R");
    EXPECT_EQ(entry().size(), 317u);
    keys("s");
    EXPECT_EQ(entry().size(), 316u);
    keys("s=");
    EXPECT_EQ(state.Accum, -DBL_MAX);
    EXPECT_LT(std::strlen(state.Entry), kEntrySize);
}

TEST_F(Keypad, LongConvertedTextIsHeldWhole) {
    start(0.0, 0x1p100);
    keys("Rh");
    EXPECT_EQ(entry(), "1" + std::string(25, '0'));
    keys("d");
    EXPECT_EQ(entry(), "1267650600228229401496703205376");
    keys("=");
    EXPECT_EQ(state.Accum, 0x1p100);
}

TEST_F(Keypad, ResultBeyondDoubleRangeShowsOverflow) {
    start(1e300, 0.0);
    keys("*10000000000=");
    EXPECT_EQ(state.Accum, kInfinity);
    EXPECT_EQ(shown(), kOverflowShown);
    keys("s");
    EXPECT_EQ(state.Accum, -kInfinity);
    EXPECT_EQ(shown(), kOverflowShown);
    keys("h");
    EXPECT_EQ(shown(), kOverflowShown);
}

// On the x87 of the i686 build the product would stay in range until multiplied by 0.01.
TEST_F(Keypad, PercentBeyondDoubleRangeOverflowsInEveryBuild) {
    start(1e300, 0.0);
    keys("*10000000000%");
    EXPECT_EQ(state.Accum, kInfinity);
    EXPECT_EQ(shown(), kOverflowShown);
    keys("+");
    EXPECT_EQ(state.Accum, kInfinity);
}

TEST_F(Keypad, InfinityStaysInfiniteThroughMemoryRecallAndRadix) {
    start(kInfinity, 0.0);
    keys("M");
    EXPECT_EQ(state.Memory, kInfinity);
    EXPECT_STREQ(memoryIndicator(state), "M");
    keys("R");
    EXPECT_EQ(entry(), kOverflowNumberText);
    EXPECT_EQ(shown(), kOverflowShown);
    EXPECT_TRUE(keys("5").beep);
    keys("s");
    EXPECT_EQ(shown(), kOverflowShown);
    keys("h");
    EXPECT_EQ(entry(), kHexOverflowText);
    EXPECT_EQ(shown(), kOverflowShown);
    EXPECT_TRUE(keys("A").beep);
    keys("d");
    EXPECT_EQ(entry(), kOverflowNumberText); // the sign went with the hexadecimal form
    keys("=");
    EXPECT_EQ(state.Accum, kInfinity);
}

TEST_F(Keypad, HexEntryBeyondThirtyNineDigitsComesBackAsOverflow) {
    start(0.0, 1e50);
    keys("Rh");
    EXPECT_EQ(entry(), kHexOverflowText);
    EXPECT_EQ(shown(), kOverflowShown);
    keys("d=");
    EXPECT_EQ(state.Accum, kInfinity);
    EXPECT_EQ(shown(), kOverflowShown);
}

TEST_F(Keypad, NaNShowsOverflowAndIsStoredAsInfinity) {
    start(kInfinity, 0.0);
    keys("-R"); // nothing to recall: memory is 0
    keys("M");  // memory: infinity
    keys("R=");
    EXPECT_TRUE(std::isnan(state.Accum)); // infinity minus infinity
    EXPECT_EQ(shown(), kOverflowShown);
    keys("O");
    std::array<char, 400> stored{};
    formatFixed6(values.OldVal, stored.data(), stored.size());
    start(textToNumber(stored.data()), 0.0);
    EXPECT_EQ(state.Accum, kInfinity);
    EXPECT_EQ(shown(), kOverflowShown);
}

TEST_F(Keypad, StoredInfinityComesBackInfinite) {
    start(-kInfinity, kInfinity);
    keys("X");
    std::array<char, 400> stored{};
    formatFixed6(values.OldVal, stored.data(), stored.size());
    double oldVal = textToNumber(stored.data());
    formatFixed6(values.OldMem, stored.data(), stored.size());
    start(oldVal, textToNumber(stored.data()));
    EXPECT_EQ(state.Accum, -kInfinity);
    EXPECT_EQ(state.Memory, kInfinity);
}

TEST_F(Keypad, PercentOfInfinityByZeroIsOverflowNotANumber) {
    start(kInfinity, 0.0);
    keys("*0%");
    EXPECT_TRUE(std::isnan(state.Accum));
    EXPECT_EQ(shown(), kOverflowShown);
    keys("-");
    EXPECT_EQ(shown(), kOverflowShown);
}
