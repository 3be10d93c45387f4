// Typing a number: the start, the 14-character limit, the point, the sign and CLEAR.
#include "keypad_fixture.h"

TEST_F(Keypad, StartShowsTheRestoredValueInDecimalMode) {
    start(42.5, 3.0);
    EXPECT_EQ(state.Accum, 42.5);
    EXPECT_EQ(state.Memory, 3.0);
    EXPECT_EQ(state.Operand, 0.0);
    EXPECT_EQ(state.PctBase, 0.0);
    EXPECT_EQ(state.HexMode, 0);
    EXPECT_EQ(entry(), "");
    expectStateIs(0, kOpNone);
    EXPECT_EQ(shown(), "42.5");
}

TEST_F(Keypad, FifteenthTypedCharacterBeepsAndIsNotAdded) {
    keys("12345678901234");
    EXPECT_EQ(entry(), "12345678901234");
    CalcState before = state;
    KeyEffects effects = keys("5");
    EXPECT_TRUE(effects.beep);
    EXPECT_FALSE(effects.redraw);
    EXPECT_TRUE(sameState(before, state));
    EXPECT_TRUE(keys(".").beep);
    EXPECT_EQ(shown(), "12345678901234");
}

TEST_F(Keypad, HexDigitsKeepTheSameLimit) {
    keys("hABCDEF01234567");
    EXPECT_EQ(entry(), "ABCDEF01234567");
    EXPECT_TRUE(keys("F").beep);
    EXPECT_EQ(entry(), "ABCDEF01234567");
}

TEST_F(Keypad, DecimalPointRules) {
    keys(".");
    EXPECT_EQ(entry(), "0.");
    EXPECT_EQ(shown(), "0");
    EXPECT_TRUE(keys(".").beep);
    keys("5");
    EXPECT_EQ(entry(), "0.5");
    start(0.0, 0.0);
    keys("1234567890123.");
    EXPECT_EQ(entry(), "1234567890123.");
    EXPECT_TRUE(keys("4").beep);
    start(0.0, 0.0);
    keys("12345678901234");
    EXPECT_TRUE(keys(".").beep);
}

TEST_F(Keypad, SignTogglesTheTypedText) {
    keys("12s");
    EXPECT_EQ(entry(), "-12");
    EXPECT_EQ(shown(), "-12");
    keys("s");
    EXPECT_EQ(entry(), "12");
    keys("L.5s");
    EXPECT_EQ(entry(), "-0.5");
}

TEST_F(Keypad, SignOnAFullEntryMakesFifteenCharacters) {
    keys("12345678901234s");
    EXPECT_EQ(entry(), "-12345678901234");
    EXPECT_EQ(shown(), "-12345678901234");
    EXPECT_TRUE(keys("5").beep);
}

TEST_F(Keypad, SignOnResultsAndWithOperatorPending) {
    start(5.0, 0.0);
    keys("s");
    EXPECT_EQ(shown(), "-5");
    start(0.0, 0.0);
    keys("5+s3=");
    EXPECT_EQ(shown(), "-2");
    keys("200*15%s");
    EXPECT_EQ(shown(), "0");
}

TEST_F(Keypad, ClearIsTwoStageAndNeverTouchesMemory) {
    keys("5+3L4=");
    EXPECT_EQ(shown(), "9");
    start(0.0, 0.0);
    keys("7M5+3L");
    expectStateIs(0, kOpAdd);
    EXPECT_TRUE(keys("L").redraw);
    expectStateIs(0, kOpNone);
    EXPECT_EQ(state.Accum, 0.0);
    EXPECT_EQ(state.Memory, 7.0);
    keys("4=");
    EXPECT_EQ(shown(), "4");
}

TEST_F(Keypad, RestoredValueIsDiscardedByADigitAndUsedByAnOperator) {
    start(42.5, 0.0);
    keys("3");
    EXPECT_EQ(shown(), "3");
    EXPECT_EQ(state.Accum, 0.0);
    start(42.5, 0.0);
    keys("+1=");
    EXPECT_EQ(shown(), "43.5");
}
