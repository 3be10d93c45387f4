// A pasted text typed as its keys: what each radix takes and refuses, how much of the
// clipboard's block is read; and the number a copy takes.
#include "keypad_fixture.h"

#include "calc/paste.h"

#include <memory>
#include <vector>

namespace {

class Paste : public Keypad {
  protected:
    // Pastes `text` as a clipboard block with its terminator.
    KeyEffects paste(const std::string& text) {
        return pasteText(state, text.c_str(), text.size() + 1);
    }
    // After the keys `setup`, pasting `text` leaves the state that pressing `sequence` instead
    // leaves; with no `sequence`, it beeps once and changes nothing, not even the screen.
    void expectPaste(const char* setup, const std::string& text, const char* sequence) {
        start(0.0, 3.0);
        keys(setup);
        CalcState before = state;
        KeyEffects effects = paste(text);
        CalcState pasted = state;
        std::string what = std::string(setup) + " then \"" + text + "\" gives " + pasted.Entry;
        if (sequence == nullptr) {
            EXPECT_TRUE(effects.handled && effects.beep && !effects.redraw) << what;
            EXPECT_TRUE(sameState(before, pasted)) << what;
            return;
        }
        start(0.0, 3.0);
        keys(setup);
        keys(sequence);
        EXPECT_TRUE(effects.handled && effects.redraw && !effects.beep) << what;
        EXPECT_TRUE(sameState(pasted, state)) << what << ", not " << state.Entry;
    }
    // The display after the keys `before`, a paste of `text`, then the keys `after`.
    std::string shownAfter(const char* before, const char* text, const char* after) {
        start(0.0, 0.0);
        keys(before);
        paste(text);
        keys(after);
        return shown();
    }
};

std::string copied(const CalcState& state, bool isNumber = true) {
    ShownNumber text;
    EXPECT_EQ(shownNumber(state, text), isNumber) << text;
    return text;
}

} // namespace

TEST_F(Paste, NumbersTypeAsTheirKeysWithTheMinusLast) {
    expectPaste("", "3.25", "3.25");
    expectPaste("", "-2.5", "2.5s");
    expectPaste("", "-.5", ".5s"); // the point first makes "0."
    expectPaste("", "7.", "7.");
    expectPaste("", "007", "007");
    expectPaste("", " \t42\r\n", "42"); // blanks, tabs and line ends around are trimmed
    expectPaste("h", "\tff\r\n", "FF");
    expectPaste("h", "0aBc", "0ABC");
}

TEST_F(Paste, TheTypingRulesHoldAroundAPaste) {
    expectPaste("5+", "3", "3");      // the pending operator waits for it
    expectPaste("200*15%", "4", "4"); // a percent result gives way
    expectPaste("5+", "-3", "3s");    // the minus belongs to the pasted number
    expectPaste("hFF+", "1", "1");
    EXPECT_EQ(shownAfter("5+", "3.25", "="), "8.25");
    EXPECT_EQ(shownAfter("h", "ff", "d"), "255");
}

// A number copied from elsewhere is a whole value: appended to a half-typed one it would make
// another number without a word. It replaces the number being typed, as CLEAR then its keys.
TEST_F(Paste, APasteReplacesTheNumberBeingTyped) {
    expectPaste("12", "34", "L34");
    expectPaste("5+7", "-3", "L3s");
    expectPaste("MR", "6", "L6"); // a recalled number too
    expectPaste("h5+A", "ff", "LFF");
    EXPECT_EQ(shownAfter("5+7", "3", "="), "8");
}

TEST_F(Paste, WhatTheRadixCannotTypeIsRefused) {
    for (const char* text :
         {"",      " \t\r\n", "abc",   "1.2.3",        "1..2", "1A", "ff", "1,000",
          "1 000", "+5",      "5-",    "--5",          "-",    ".",  "-.", "1e5",
          "0x1F",  "5%",      "5\xA0", "\xEF\xBC\x91", "\v5"})
        for (const char* setup : {"", "12", "5+"}) // a number being typed stays
            expectPaste(setup, text, nullptr);
    for (const char* text : {"", "-FF", "F.F", "0x1F", "g", "FF FF", "FFh"})
        for (const char* setup : {"h", "hAB"})
            expectPaste(setup, text, nullptr);
}

TEST_F(Paste, ANumberMustFitTheRoomTypingHas) {
    expectPaste("", "12345678901234", "12345678901234");
    expectPaste("", "-12345678901234", "12345678901234s");
    expectPaste("", ".123456789012", ".123456789012"); // "0." and 12 digits
    expectPaste("999", "12345678901234", "L12345678901234");
    expectPaste("h", "ABCDEF01234567", "ABCDEF01234567");
    for (const char* text : {"123456789012345", ".1234567890123", "-123456789012345"})
        expectPaste("999", text, nullptr);
    expectPaste("h", "ABCDEF012345678", nullptr);
}

TEST_F(Paste, ReadsNoFurtherThanItsLimit) {
    // A block said to be 8 MB of which only the first bytes exist: reading past them would be
    // an overrun (AddressSanitizer watches the host build).
    std::unique_ptr<char[]> head(new char[kPasteReadLimit + 1]);
    std::memset(head.get(), '1', kPasteReadLimit + 1);
    EXPECT_TRUE(pasteText(state, head.get(), 8u << 20).beep);
    std::vector<char> megabytes(4u << 20, '1');
    megabytes.back() = '\0';
    EXPECT_TRUE(pasteText(state, megabytes.data(), megabytes.size()).beep);
    EXPECT_TRUE(pasteText(state, nullptr, 0).beep);
    EXPECT_EQ(entry(), "");

    // A text longer than the limit is refused, although its number alone would fit.
    std::string padded = std::string(kPasteReadLimit - 2, ' ') + "42";
    expectPaste("", padded, "42");
    expectPaste("", " " + padded, nullptr);

    // The text ends at its terminator, or where a block without one ends.
    const char block[] = " 7 \0garbage";
    EXPECT_FALSE(pasteText(state, block, sizeof block).beep);
    EXPECT_EQ(entry(), "7");
    EXPECT_FALSE(pasteText(state, block, 2).beep);
    EXPECT_EQ(entry(), "7");
    EXPECT_TRUE(pasteText(state, block, 0).beep);
}

TEST_F(Keypad, ACopyTakesTheShownNumberWithoutPadding) {
    keys("12+3=");
    EXPECT_EQ(copied(state), "15");
    keys("h");
    EXPECT_EQ(copied(state), "0F");
    start(-1e13, 0.0);
    EXPECT_EQ(copied(state), "-10000000000000");
    keys("12.50s");
    EXPECT_EQ(copied(state), "-12.5");
    for (double overflow : {1e15, -kInfinity}) {
        start(overflow, 0.0);
        EXPECT_EQ(copied(state, false), "-----------");
    }
}
