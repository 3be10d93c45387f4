// The memory keys and the two radixes.
#include "keypad_fixture.h"

TEST_F(Keypad, MemoryAddWhileTypingLetsTypingGoOn) {
    keys("7M");
    EXPECT_EQ(state.Memory, 7.0);
    EXPECT_TRUE(last.redraw);
    keys("8");
    EXPECT_EQ(entry(), "78");
    start(5.0, 1.0);
    keys("M");
    EXPECT_EQ(state.Memory, 6.0);
    EXPECT_STREQ(memoryIndicator(state), "M");
}

TEST_F(Keypad, MemoryAddInHexModeReadsTheHexEntry) {
    keys("h1AM");
    EXPECT_EQ(state.Memory, 26.0);
}

TEST_F(Keypad, MemoryRecallInBothRadixes) {
    start(0.0, 12.5);
    keys("R");
    EXPECT_EQ(entry(), "12.500000");
    EXPECT_EQ(shown(), "12.5");
    start(0.0, 12.5);
    keys("hR");
    EXPECT_EQ(entry(), "0C");
    start(0.0, -12.5);
    keys("hR");
    EXPECT_EQ(entry(), "0C");
}

TEST_F(Keypad, RecalledEntryTakesMoreDigitsButNoPoint) {
    start(0.0, 5.0);
    keys("R");
    EXPECT_EQ(entry(), "5.000000");
    keys("3");
    EXPECT_EQ(entry(), "5.0000003");
    EXPECT_TRUE(keys(".").beep);
    keys("99999");
    EXPECT_EQ(entry(), "5.000000399999");
    EXPECT_TRUE(keys("9").beep);
}

TEST_F(Keypad, RecallIsAddedToTheEarlierResult) {
    start(0.0, 10.0);
    keys("2+3=R=");
    EXPECT_EQ(shown(), "15");
}

TEST_F(Keypad, RecallOfZeroMemoryIsIgnoredSilently) {
    keys("2+3=");
    CalcState before = state;
    KeyEffects effects = keys("R");
    EXPECT_TRUE(effects.handled);
    EXPECT_FALSE(effects.beep);
    EXPECT_FALSE(effects.redraw);
    EXPECT_TRUE(sameState(before, state));
    start(0.0, -0.0);
    EXPECT_FALSE(keys("R").redraw);
}

TEST_F(Keypad, MemoryClearEmptiesTheMemory) {
    start(0.0, 8.0);
    EXPECT_STREQ(memoryIndicator(state), "M");
    EXPECT_TRUE(keys("c").redraw);
    EXPECT_EQ(state.Memory, 0.0);
    EXPECT_STREQ(memoryIndicator(state), " ");
}

TEST_F(Keypad, RadixSwitchConvertsTheEntry) {
    keys("255h");
    EXPECT_EQ(entry(), "FF");
    EXPECT_EQ(shown(), "FF");
    start(0.0, 0.0);
    keys("5.7sh");
    EXPECT_EQ(entry(), "05");
    keys("d");
    EXPECT_EQ(entry(), "5");
    keys("hFFd");
    EXPECT_EQ(entry(), "1535"); // 05FF
}

TEST_F(Keypad, RadixAlreadyInForceLeavesTheEntry) {
    keys("12.50");
    KeyEffects effects = keys("d");
    EXPECT_EQ(entry(), "12.50");
    EXPECT_EQ(effects.checkRadio, kIdDecimal);
    EXPECT_TRUE(effects.enableKeys);
    EXPECT_TRUE(effects.redraw);
    keys("h");
    EXPECT_EQ(entry(), "0C");
    effects = keys("h");
    EXPECT_EQ(entry(), "0C");
    EXPECT_EQ(effects.checkRadio, kIdHexa);
}

TEST_F(Keypad, RadixChangesOnlyHowValuesAreShown) {
    start(0.0, 3.0);
    keys("26+");
    keys("h");
    EXPECT_EQ(state.Accum, 26.0);
    EXPECT_EQ(state.Memory, 3.0);
    EXPECT_EQ(state.PendingOp, kOpAdd);
    EXPECT_EQ(state.HexMode, 1);
    EXPECT_EQ(shown(), "1A");
}

TEST_F(Keypad, HexModeShowsMagnitudesOfWholeParts) {
    keys("h1A-1B=");
    EXPECT_EQ(shown(), "01");
    EXPECT_EQ(state.Accum, -1.0);
    keys("7/2=");
    EXPECT_EQ(shown(), "03");
    EXPECT_EQ(state.Accum, 3.5);
    keys("d");
    EXPECT_EQ(shown(), "3.5");
}

TEST_F(Keypad, EnabledKeysFollowTheRadix) {
    for (int id = kIdHexDigitA; id <= kIdHexDigitA + 5; ++id) {
        EXPECT_FALSE(keyEnabled(id, false)) << id;
        EXPECT_TRUE(keyEnabled(id, true)) << id;
    }
    for (int id : {kIdPoint, kIdSign, kIdPercent}) {
        EXPECT_TRUE(keyEnabled(id, false)) << id;
        EXPECT_FALSE(keyEnabled(id, true)) << id;
    }
    const int others[] = {kIdDigit0, kIdDigit0 + 9, kIdEquals,       kIdAdd,
                          kIdDivide, kIdMemoryAdd,  kIdMemoryRecall, kIdMemoryClear,
                          kIdClear,  kIdDecimal,    kIdHexa,         kIdOk};
    for (int id : others) {
        EXPECT_TRUE(keyEnabled(id, false)) << id;
        EXPECT_TRUE(keyEnabled(id, true)) << id;
    }
}

// Disabled buttons send nothing; a command that arrives anyway must not put hexadecimal digits
// into a decimal entry, nor a point or sign into a hexadecimal one.
TEST_F(Keypad, KeysDisabledInTheRadixAreIgnored) {
    keys("12");
    CalcState before = state;
    for (int id = kIdHexDigitA; id <= kIdHexDigitA + 5; ++id) {
        KeyEffects effects = press(id);
        EXPECT_TRUE(effects.handled);
        EXPECT_FALSE(effects.beep || effects.redraw);
    }
    EXPECT_TRUE(sameState(before, state));
    keys("*h");
    keys("1A");
    before = state;
    for (int id : {kIdPoint, kIdSign, kIdPercent}) {
        KeyEffects effects = press(id);
        EXPECT_TRUE(effects.handled);
        EXPECT_FALSE(effects.beep || effects.redraw);
    }
    EXPECT_TRUE(sameState(before, state));
}
