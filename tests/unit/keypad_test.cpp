#include "calc/keypad.h"

#include "calc_keys.h"
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
const std::string kOverflowShown = "-----------";

int key(char c) {
    int id = keyId(c);
    if (id < 0)
        ADD_FAILURE() << "no key for " << c;
    return id;
}

bool sameState(const CalcState& a, const CalcState& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

class Keypad : public ::testing::Test {
  protected:
    void SetUp() override { start(0.0, 0.0); }

    void start(double oldVal, double oldMem) {
        values = StartupValues{};
        values.OldVal = oldVal;
        values.OldMem = oldMem;
        std::memset(&state, 0x5A, sizeof state); // reset must set every field
        resetCalc(state, values);
    }

    KeyEffects press(int id) {
        last = pressKey(state, values, id);
        return last;
    }

    KeyEffects keys(const char* sequence) {
        for (const char* c = sequence; *c != '\0'; ++c)
            press(key(*c));
        return last;
    }

    // The display without its padding, the sign next to the number ("-2", "12.5").
    std::string shown() const {
        std::array<char, 32> area{};
        displayText(state, area.data(), area.size());
        EXPECT_EQ(std::strlen(area.data()), kDisplayWidth);
        std::string rest = area.data() + 1;
        std::array<char, 32> trimmed{};
        copyText(trimmed.data(), trimmed.size(), rest.c_str());
        trimBlanks(trimmed.data());
        return (area[0] == '-' ? "-" : "") + std::string(trimmed.data());
    }

    std::string entry() const { return state.Entry; }

    void expectStateIs(int typing, int pending) const {
        EXPECT_EQ(state.Typing, typing);
        EXPECT_EQ(state.PendingOp, pending);
        EXPECT_EQ(state.Typing == 1, state.Entry[0] != '\0');
    }

    CalcState state{};
    StartupValues values{};
    KeyEffects last{};
};

// The five entry states, each entered by keys from a fresh start.
enum EntryState { S0, S1, S2, S3, S4 };

class StateTable : public Keypad {
  protected:
    void enter(EntryState s) {
        start(7.0, 10.0);
        switch (s) {
        case S0:
            break; // result 7 shown
        case S1:
            keys("+");
            break; // 7 +
        case S2:
            keys("4");
            break; // typing 4, Accum 0
        case S3:
            keys("*4");
            break; // 7 * 4 being typed
        case S4:
            keys("200*15%");
            break; // 30 shown, PctBase 200
        }
    }
};

} // namespace

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

TEST_F(StateTable, DigitStartsOrContinuesTheNumber) {
    enter(S0);
    keys("5");
    expectStateIs(1, kOpNone);
    EXPECT_EQ(state.Accum, 0.0);
    enter(S1);
    keys("5");
    expectStateIs(1, kOpAdd);
    EXPECT_EQ(state.Accum, 7.0);
    enter(S2);
    keys("5");
    expectStateIs(1, kOpNone);
    EXPECT_EQ(entry(), "45");
    enter(S3);
    keys("5");
    expectStateIs(1, kOpMul);
    EXPECT_EQ(entry(), "45");
    EXPECT_EQ(state.Accum, 7.0);
    enter(S4);
    keys("5");
    expectStateIs(1, kOpNone);
    EXPECT_EQ(state.Accum, 0.0);
}

TEST_F(StateTable, DecimalPointStartsOrContinuesTheNumber) {
    enter(S0);
    keys(".");
    expectStateIs(1, kOpNone);
    EXPECT_EQ(state.Accum, 0.0);
    enter(S1);
    keys(".");
    expectStateIs(1, kOpAdd);
    EXPECT_EQ(state.Accum, 7.0);
    enter(S2);
    keys(".");
    EXPECT_EQ(entry(), "4.");
    expectStateIs(1, kOpNone);
    enter(S3);
    keys(".");
    EXPECT_EQ(entry(), "4.");
    expectStateIs(1, kOpMul);
    enter(S4);
    keys(".");
    expectStateIs(1, kOpNone);
    EXPECT_EQ(state.Accum, 0.0);
}

TEST_F(StateTable, MemoryRecallReplacesTheEntry) {
    enter(S0);
    keys("R");
    expectStateIs(1, kOpNone);
    EXPECT_EQ(state.Accum, 7.0); // kept: the recalled number is added to it
    enter(S1);
    keys("R");
    expectStateIs(1, kOpAdd);
    enter(S2);
    keys("R");
    EXPECT_EQ(entry(), "10.000000");
    expectStateIs(1, kOpNone);
    enter(S3);
    keys("R");
    EXPECT_EQ(entry(), "10.000000");
    expectStateIs(1, kOpMul);
    enter(S4);
    keys("R");
    expectStateIs(1, kOpNone);
    EXPECT_EQ(state.Accum, 0.0);
}

TEST_F(StateTable, OperatorAppliesOrReplacesThePendingOne) {
    enter(S0);
    keys("-");
    expectStateIs(0, kOpSub);
    EXPECT_EQ(state.Accum, 7.0);
    enter(S1);
    keys("-");
    expectStateIs(0, kOpSub);
    EXPECT_EQ(state.Accum, 7.0);
    enter(S2);
    keys("-");
    expectStateIs(0, kOpSub);
    EXPECT_EQ(state.Accum, 4.0);
    enter(S3);
    keys("-");
    expectStateIs(0, kOpSub);
    EXPECT_EQ(state.Accum, 28.0);
    enter(S4);
    keys("+");
    expectStateIs(0, kOpNone);
    EXPECT_EQ(state.Accum, 230.0);
}

TEST_F(StateTable, EqualsEndsInResultShown) {
    enter(S0);
    keys("=");
    expectStateIs(0, kOpNone);
    EXPECT_EQ(state.Accum, 7.0);
    enter(S1);
    keys("=");
    expectStateIs(0, kOpNone);
    EXPECT_EQ(state.Accum, 7.0);
    enter(S2);
    keys("=");
    expectStateIs(0, kOpNone);
    EXPECT_EQ(state.Accum, 4.0);
    enter(S3);
    keys("=");
    expectStateIs(0, kOpNone);
    EXPECT_EQ(state.Accum, 28.0);
    enter(S4);
    keys("=");
    expectStateIs(0, kOpNone);
    EXPECT_EQ(state.Accum, 30.0);
}

TEST_F(StateTable, PercentOnlyOnANumberTypedAfterMultiply) {
    for (EntryState s : {S0, S1, S2, S4}) {
        enter(s);
        CalcState before = state;
        EXPECT_TRUE(keys("%").beep) << s;
        EXPECT_TRUE(sameState(before, state)) << s;
    }
    enter(S3);
    EXPECT_FALSE(keys("%").beep);
    expectStateIs(0, kOpPercent);
    EXPECT_EQ(state.Accum, 0.28);
    EXPECT_EQ(state.PctBase, 7.0);
    start(7.0, 0.0);
    keys("+4");
    EXPECT_TRUE(keys("%").beep);
}

TEST_F(StateTable, SignNegatesResultOrToggleEntry) {
    enter(S0);
    keys("s");
    expectStateIs(0, kOpNone);
    EXPECT_EQ(state.Accum, -7.0);
    enter(S1);
    keys("s");
    expectStateIs(0, kOpAdd);
    EXPECT_EQ(state.Accum, -7.0);
    enter(S2);
    keys("s");
    EXPECT_EQ(entry(), "-4");
    expectStateIs(1, kOpNone);
    enter(S3);
    keys("s");
    EXPECT_EQ(entry(), "-4");
    expectStateIs(1, kOpMul);
    enter(S4);
    keys("s");
    expectStateIs(0, kOpNone);
    EXPECT_EQ(state.Accum, 0.0);
}

TEST_F(StateTable, ClearTakesTheEntryFirstThenTheResult) {
    enter(S0);
    keys("L");
    expectStateIs(0, kOpNone);
    EXPECT_EQ(state.Accum, 0.0);
    enter(S1);
    keys("L");
    expectStateIs(0, kOpNone);
    EXPECT_EQ(state.Accum, 0.0);
    enter(S2);
    keys("L");
    expectStateIs(0, kOpNone);
    enter(S3);
    keys("L");
    expectStateIs(0, kOpMul);
    EXPECT_EQ(state.Accum, 7.0);
    enter(S4);
    keys("L");
    expectStateIs(0, kOpNone);
    EXPECT_EQ(state.Accum, 0.0);
}

TEST_F(StateTable, MemoryAddTakesTheEntryOrTheResult) {
    const double expected[] = {17.0, 17.0, 14.0, 14.0, 40.0};
    for (EntryState s : {S0, S1, S2, S3, S4}) {
        enter(s);
        int typing = state.Typing;
        int pending = state.PendingOp;
        std::string before = entry();
        keys("M");
        EXPECT_EQ(state.Memory, expected[s]) << s;
        expectStateIs(typing, pending);
        EXPECT_EQ(entry(), before);
    }
}

TEST_F(StateTable, MemoryClearAndRadixKeysKeepTheState) {
    for (EntryState s : {S0, S1, S2, S3, S4}) {
        for (const char* sequence : {"c", "d", "hd"}) {
            enter(s);
            CalcState before = state;
            keys(sequence);
            EXPECT_EQ(state.Typing, before.Typing) << s << sequence;
            EXPECT_EQ(state.PendingOp, before.PendingOp) << s << sequence;
            EXPECT_EQ(state.Accum, before.Accum) << s << sequence;
            EXPECT_EQ(entry(), before.Entry) << s << sequence;
        }
    }
}

TEST_F(Keypad, EvaluatesLeftToRight) {
    keys("2+3*4=");
    EXPECT_EQ(shown(), "20");
    keys("10-4/3=");
    EXPECT_EQ(shown(), "2");
}

TEST_F(Keypad, EqualsNeverRepeatsTheLastOperation) {
    keys("5+=");
    EXPECT_EQ(shown(), "5");
    KeyEffects effects = keys("=");
    EXPECT_FALSE(effects.redraw);
    EXPECT_EQ(shown(), "5");
    keys("3=");
    EXPECT_EQ(shown(), "3"); // a new calculation, not 5 + 3
}

TEST_F(Keypad, SecondOperatorReplacesTheFirstWithoutRedraw) {
    keys("7+");
    EXPECT_FALSE(keys("-").redraw);
    keys("2=");
    EXPECT_EQ(shown(), "5");
}

TEST_F(Keypad, DivisionByZeroGivesZeroWithoutBeep) {
    EXPECT_FALSE(keys("8/0").beep);
    KeyEffects effects = keys("=");
    EXPECT_FALSE(effects.beep);
    EXPECT_EQ(state.Accum, 0.0);
    EXPECT_EQ(shown(), "0");
    keys("8/0s=");
    EXPECT_EQ(state.Accum, 0.0);
    EXPECT_FALSE(std::signbit(state.Accum));
}

TEST_F(Keypad, PercentResultAndEachKeyThatCompletesOrDiscardsIt) {
    keys("200*15%");
    EXPECT_EQ(shown(), "30");
    struct Case {
        const char* keys;
        double accum;
    } cases[] = {{"+", 230.0}, {"-", 170.0}, {"*", 0.0}, {"/", 0.0}, {"=", 30.0},
                 {"s", 0.0},   {"5", 0.0},   {".", 0.0}, {"R", 0.0}};
    for (const Case& c : cases) {
        start(0.0, 9.0);
        keys("200*15%");
        keys(c.keys);
        EXPECT_EQ(state.Accum, c.accum) << c.keys;
        EXPECT_EQ(state.PendingOp, kOpNone) << c.keys;
    }
    start(0.0, 9.0);
    keys("200*15%R=");
    EXPECT_EQ(shown(), "9");
}

TEST_F(Keypad, PercentMultipliesTheProductByOneHundredth) {
    keys("5*7%");
    EXPECT_EQ(state.Accum, 0.35000000000000003); // 35 * 0.01; 35 / 100 would be 0.35
    EXPECT_EQ(shown(), "0.35");
}

TEST_F(Keypad, PercentBeepsWithoutMultiplyOrTypedNumber) {
    EXPECT_TRUE(keys("50%").beep);
    EXPECT_EQ(entry(), "50");
    start(0.0, 0.0);
    EXPECT_TRUE(keys("200*%").beep);
    expectStateIs(0, kOpMul);
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
        EXPECT_FALSE(keyEnabled(id, 0)) << id;
        EXPECT_TRUE(keyEnabled(id, 1)) << id;
    }
    for (int id : {kIdPoint, kIdSign, kIdPercent}) {
        EXPECT_TRUE(keyEnabled(id, 0)) << id;
        EXPECT_FALSE(keyEnabled(id, 1)) << id;
    }
    const int others[] = {kIdDigit0, kIdDigit0 + 9, kIdEquals,       kIdAdd,
                          kIdDivide, kIdMemoryAdd,  kIdMemoryRecall, kIdMemoryClear,
                          kIdClear,  kIdDecimal,    kIdHexa,         kIdOk};
    for (int id : others) {
        EXPECT_TRUE(keyEnabled(id, 0)) << id;
        EXPECT_TRUE(keyEnabled(id, 1)) << id;
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

TEST_F(Keypad, RestoredValueIsDiscardedByADigitAndUsedByAnOperator) {
    start(42.5, 0.0);
    keys("3");
    EXPECT_EQ(shown(), "3");
    EXPECT_EQ(state.Accum, 0.0);
    start(42.5, 0.0);
    keys("+1=");
    EXPECT_EQ(shown(), "43.5");
}

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
    for (int id :
         {0, 3, 100, 103, 199, 212, 299, 306, 399, 406, 499, 503, 599, 601, 700, 701, -1, 65535}) {
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
    const int ids[] = {1,   2,   101, 102, 200, 201, 209, 210, 211, 300, 301,
                       302, 303, 304, 305, 400, 405, 500, 501, 502, 600};
    for (const char* setup : setups) {
        for (int id : ids) {
            start(3.0, 2.0);
            keys(setup);
            CalcState before = state;
            std::size_t length = std::strlen(state.Entry);
            bool isCharacter = (id >= 200 && id <= 209) || (id >= 400 && id <= 405);
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

// Values too long for the display: the full value is kept, the display shows the overflow
// text.
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
