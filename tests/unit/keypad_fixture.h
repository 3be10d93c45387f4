#pragma once
// The engine's test fixture: a fresh state from start-up values, keys pressed one character
// each (calc_keys.h), and the display read back without its padding.
#include "calc/keypad.h"
#include "calc/numtext.h"

#include "calc_keys.h"
#include "text.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <limits>
#include <string>

inline constexpr double kInfinity = std::numeric_limits<double>::infinity();
inline const std::string kOverflowShown = "-----------";

inline int key(char c) {
    int id = keyId(c);
    if (id < 0)
        ADD_FAILURE() << "no key for " << c;
    return id;
}

inline bool sameState(const CalcState& a, const CalcState& b) {
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
