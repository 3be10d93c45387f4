// What the engine asks of the dialog after a key: end, redraw, beep, or nothing at all.
#include "keypad_fixture.h"

TEST_F(Keypad, EndKeysStoreResultAndMemoryNotTheTypedNumber) {
    for (int id : {kIdOk, kIdCancel}) {
        start(17.0, 6.0);
        keys("42");
        KeyEffects effects = press(id);
        EXPECT_TRUE(effects.handled);
        EXPECT_TRUE(effects.endDialog);
        EXPECT_FALSE(effects.beep);
        EXPECT_EQ(values.OldVal, 0.0);
        EXPECT_EQ(values.OldMem, 6.0);
    }
    start(17.0, 6.0);
    keys("+1=O");
    EXPECT_EQ(values.OldVal, 18.0);
}

TEST_F(Keypad, IdsOutsideTheKeypadAreNotHandled) {
    keys("12+3");
    CalcState before = state;
    // The neighbours of every range of keys, the display's controls, and the extremes.
    const int outside[] = {0,
                           kIdCancel + 1,
                           kIdDecimal - 1,
                           kIdHexa + 1,
                           kIdDigit0 - 1,
                           kIdSign + 1,
                           kIdEquals - 1,
                           kIdPercent + 1,
                           kIdHexDigitA - 1,
                           kIdHexDigitA + 6,
                           kIdMemoryAdd - 1,
                           kIdMemoryClear + 1,
                           kIdClear - 1,
                           kIdClear + 1,
                           kIdIndicator,
                           kIdDisplay,
                           -1,
                           65535};
    for (int id : outside) {
        KeyEffects effects = press(id);
        EXPECT_FALSE(effects.handled) << id;
        EXPECT_FALSE(effects.beep || effects.redraw || effects.endDialog || effects.enableKeys)
            << id;
        EXPECT_EQ(effects.checkRadio, 0);
    }
    EXPECT_TRUE(sameState(before, state));
}

TEST_F(Keypad, EveryKeyThatChangesTheDisplayAsksForARedraw) {
    struct Case {
        const char* before;
        char key;
        bool redraw;
    } cases[] = {{"", '5', true},    {"5", '.', true},   {"5", 's', true},   {"", 's', true},
                 {"5", '+', true},   {"5+", '-', false}, {"5+3", '=', true}, {"5+", '=', false},
                 {"5*3", '%', true}, {"5", 'M', true},   {"5M", 'R', true},  {"", 'R', false},
                 {"5M", 'c', true},  {"5", 'L', true},   {"", 'L', true},    {"", 'h', true},
                 {"h", 'd', true},   {"", 'O', false},   {"", 'X', false}};
    for (const Case& c : cases) {
        start(0.0, 0.0);
        keys(c.before);
        const char sequence[2] = {c.key, '\0'};
        EXPECT_EQ(keys(sequence).redraw, c.redraw) << c.before << " then " << c.key;
    }
}

// MessageBeep comes for exactly three things: a character beyond 14, a refused point, and a
// refused percent. Every key is pressed in many states to see that nothing else beeps.
TEST_F(Keypad, BeepsInTheThreeCasesAndNoOthers) {
    const char* setups[] = {"",
                            "7",
                            "7+",
                            "7+4",
                            "7*4",
                            "200*15%",
                            "12345678901234",
                            "1.5",
                            "5R",
                            "h",
                            "hA",
                            "hABCDEF0123456",
                            "9.",
                            "7s"};
    const int ids[] = {
        kIdOk,           kIdCancel,      kIdDecimal, kIdHexa,      kIdDigit0,        kIdDigit0 + 1,
        kIdDigit0 + 9,   kIdPoint,       kIdSign,    kIdEquals,    kIdAdd,           kIdSubtract,
        kIdMultiply,     kIdDivide,      kIdPercent, kIdHexDigitA, kIdHexDigitA + 5, kIdMemoryAdd,
        kIdMemoryRecall, kIdMemoryClear, kIdClear};
    for (const char* setup : setups) {
        for (int id : ids) {
            start(3.0, 2.0);
            keys(setup);
            CalcState before = state;
            std::size_t length = std::strlen(state.Entry);
            bool isCharacter = (id >= kIdDigit0 && id <= kIdDigit0 + 9) ||
                               (id >= kIdHexDigitA && id <= kIdHexDigitA + 5);
            bool expectBeep =
                keyEnabled(id, state.HexMode) &&
                ((isCharacter && length >= 14) ||
                 (id == kIdPoint && (length >= 14 || std::strchr(state.Entry, '.'))) ||
                 (id == kIdPercent && !(state.Typing == 1 && state.PendingOp == kOpMul)));
            KeyEffects effects = press(id);
            EXPECT_EQ(effects.beep, expectBeep) << setup << " then " << id;
            if (effects.beep) {
                EXPECT_TRUE(sameState(before, state)) << setup << " then " << id;
                EXPECT_FALSE(effects.redraw);
            }
        }
    }
}

TEST_F(Keypad, DisplayTextIsBoundedByTheCallersArea) {
    keys("123");
    std::array<char, 8> area{};
    area.fill('#');
    displayText(state, area.data(), 5);
    EXPECT_STREQ(area.data(), "    ");
    EXPECT_EQ(area[5], '#');
    area.fill('#');
    displayText(state, area.data(), 0);
    EXPECT_EQ(area[0], '#');
}
