// Each key from each of the five entry states: whether a number is being typed afterwards,
// the operator pending, and the result or the entry.
#include "keypad_fixture.h"

#include <optional>

namespace {

// The five entry states, each entered by keys from a fresh start with 7 restored and 10 in
// memory.
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

struct KeyRow {
    const char* name;
    EntryState from;
    const char* keys;
    int typing;
    int pending;
    std::optional<double> accum; // unset: not part of the row
    const char* entry;           // null: not part of the row
};

const KeyRow kKeyRows[] = {
    // A digit starts a number, or continues the one being typed.
    {"DigitOnResult", S0, "5", 1, kOpNone, 0.0, nullptr},
    {"DigitAfterOperator", S1, "5", 1, kOpAdd, 7.0, nullptr},
    {"DigitWhileTyping", S2, "5", 1, kOpNone, std::nullopt, "45"},
    {"DigitWhileTypingOperand", S3, "5", 1, kOpMul, 7.0, "45"},
    {"DigitOnPercentResult", S4, "5", 1, kOpNone, 0.0, nullptr},
    // So does the decimal point.
    {"PointOnResult", S0, ".", 1, kOpNone, 0.0, nullptr},
    {"PointAfterOperator", S1, ".", 1, kOpAdd, 7.0, nullptr},
    {"PointWhileTyping", S2, ".", 1, kOpNone, std::nullopt, "4."},
    {"PointWhileTypingOperand", S3, ".", 1, kOpMul, std::nullopt, "4."},
    {"PointOnPercentResult", S4, ".", 1, kOpNone, 0.0, nullptr},
    // A memory recall replaces the entry; the result stays, to be added to.
    {"RecallOnResult", S0, "R", 1, kOpNone, 7.0, nullptr},
    {"RecallAfterOperator", S1, "R", 1, kOpAdd, std::nullopt, nullptr},
    {"RecallWhileTyping", S2, "R", 1, kOpNone, std::nullopt, "10.000000"},
    {"RecallWhileTypingOperand", S3, "R", 1, kOpMul, std::nullopt, "10.000000"},
    {"RecallOnPercentResult", S4, "R", 1, kOpNone, 0.0, nullptr},
    // An operator applies the pending one to a typed number, or replaces it.
    {"OperatorOnResult", S0, "-", 0, kOpSub, 7.0, nullptr},
    {"OperatorAfterOperator", S1, "-", 0, kOpSub, 7.0, nullptr},
    {"OperatorWhileTyping", S2, "-", 0, kOpSub, 4.0, nullptr},
    {"OperatorWhileTypingOperand", S3, "-", 0, kOpSub, 28.0, nullptr},
    {"OperatorOnPercentResult", S4, "+", 0, kOpNone, 230.0, nullptr},
    // Equals always ends in a result shown.
    {"EqualsOnResult", S0, "=", 0, kOpNone, 7.0, nullptr},
    {"EqualsAfterOperator", S1, "=", 0, kOpNone, 7.0, nullptr},
    {"EqualsWhileTyping", S2, "=", 0, kOpNone, 4.0, nullptr},
    {"EqualsWhileTypingOperand", S3, "=", 0, kOpNone, 28.0, nullptr},
    {"EqualsOnPercentResult", S4, "=", 0, kOpNone, 30.0, nullptr},
    // Sig negates the result, or toggles the sign of the typed text.
    {"SignOnResult", S0, "s", 0, kOpNone, -7.0, nullptr},
    {"SignAfterOperator", S1, "s", 0, kOpAdd, -7.0, nullptr},
    {"SignWhileTyping", S2, "s", 1, kOpNone, std::nullopt, "-4"},
    {"SignWhileTypingOperand", S3, "s", 1, kOpMul, std::nullopt, "-4"},
    {"SignOnPercentResult", S4, "s", 0, kOpNone, 0.0, nullptr},
    // CLEAR takes the entry first, then the result and the pending operator.
    {"ClearOnResult", S0, "L", 0, kOpNone, 0.0, nullptr},
    {"ClearAfterOperator", S1, "L", 0, kOpNone, 0.0, nullptr},
    {"ClearWhileTyping", S2, "L", 0, kOpNone, std::nullopt, nullptr},
    {"ClearWhileTypingOperand", S3, "L", 0, kOpMul, 7.0, nullptr},
    {"ClearOnPercentResult", S4, "L", 0, kOpNone, 0.0, nullptr},
};

class KeyInState : public StateTable, public ::testing::WithParamInterface<KeyRow> {};

std::string rowName(const ::testing::TestParamInfo<KeyRow>& row) {
    return row.param.name;
}

} // namespace

TEST_P(KeyInState, LeavesTypingPendingOperatorAndValue) {
    const KeyRow& row = GetParam();
    enter(row.from);
    keys(row.keys);
    expectStateIs(row.typing, row.pending);
    if (row.accum) {
        EXPECT_EQ(state.Accum, *row.accum);
    }
    if (row.entry != nullptr) {
        EXPECT_EQ(entry(), row.entry);
    }
}

INSTANTIATE_TEST_SUITE_P(Keypad, KeyInState, ::testing::ValuesIn(kKeyRows), rowName);

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
