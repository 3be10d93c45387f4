#pragma once
// The rules every key press of the calculator keeps, whatever was pressed before: checked
// after each key by the random key sequences and by the key fuzzer.
#include "calc/keypad.h"
#include "calc/numtext.h"

#include <array>
#include <cmath>
#include <cstring>

// The display of a value that overflows it.
constexpr const char* kOverflowShown = "    -----------";

// The display field of the state, in an area roomy enough to show a field that is too long.
struct ShownDisplay {
    std::array<char, 2 * kDisplayWidth + 2> text;
};

inline ShownDisplay shownDisplay(const CalcState& state) {
    ShownDisplay shown{};
    displayText(state, shown.text.data(), shown.text.size());
    return shown;
}

// The state before a key, and what the screen showed for it.
struct BeforeKey {
    CalcState state;
    ShownDisplay display;
    const char* indicator;
};

inline BeforeKey beforeKey(const CalcState& state) {
    return BeforeKey{state, shownDisplay(state), memoryIndicator(state)};
}

inline bool isHexEntry(const char* text) {
    if (std::strcmp(text, kHexOverflowText) == 0)
        return true;
    for (; *text != '\0'; ++text) {
        if (!((*text >= '0' && *text <= '9') || (*text >= 'A' && *text <= 'F')))
            return false;
    }
    return true;
}

// A decimal entry: an optional sign, digits, an optional point and digits; or the overflow text.
inline bool isDecimalEntry(const char* text) {
    if (*text == '-')
        ++text;
    if (std::strcmp(text, kOverflowNumberText) == 0)
        return true;
    int digits = 0;
    while (*text >= '0' && *text <= '9') {
        ++text;
        ++digits;
    }
    if (*text == '.') {
        ++text;
        while (*text >= '0' && *text <= '9')
            ++text;
    }
    return digits > 0 && *text == '\0';
}

inline bool sameState(const CalcState& a, const CalcState& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// The first rule that pressing `id` broke, going from `before` to `state` with `effects`;
// nullptr when the press kept them all. `values` are the start-up values after the press.
inline const char* brokenKeyRule(const BeforeKey& before, const CalcState& state,
                                 const StartupValues& values, const KeyEffects& effects, int id) {
    if (std::memchr(state.Entry, '\0', sizeof state.Entry) == nullptr)
        return "the entry has no terminator";
    if (state.Typing != 0 && state.Typing != 1)
        return "Typing is neither 0 nor 1";
    if ((state.Typing == 1) != (state.Entry[0] != '\0'))
        return "Typing does not tell whether there is an entry";
    if (state.HexMode != 0 && state.HexMode != 1)
        return "HexMode is neither 0 nor 1";
    if (state.PendingOp < kOpNone || state.PendingOp > kOpPercent)
        return "PendingOp names no operator";
    if (state.Typing && state.HexMode && !isHexEntry(state.Entry))
        return "a hexadecimal entry holds other characters";
    if (state.Typing && !state.HexMode && !isDecimalEntry(state.Entry))
        return "a decimal entry is not a number";
    ShownDisplay display = shownDisplay(state);
    if (std::strlen(display.text.data()) != kDisplayWidth)
        return "the display is not as wide as its field";
    bool typedCharacter =
        (id >= kIdDigit0 && id <= kIdPoint) || (id >= kIdHexDigitA && id <= kIdHexDigitA + 5);
    if (typedCharacter && !effects.beep && effects.redraw &&
        std::strlen(state.Entry) > static_cast<std::size_t>(kEntryTypedLimit))
        return "typing went past the typed limit";
    if (effects.beep && (effects.redraw || !sameState(before.state, state)))
        return "a refused key changed the state or the screen";
    if (!effects.handled && !sameState(before.state, state))
        return "an id that is no key changed the state";
    // Without a redraw the screen keeps the old picture: it must still be right.
    if (!effects.redraw && std::strcmp(display.text.data(), before.display.text.data()) != 0)
        return "the display changed without a redraw";
    if (!effects.redraw && std::strcmp(memoryIndicator(state), before.indicator) != 0)
        return "the memory indicator changed without a redraw";
    if (effects.checkRadio != 0 &&
        (effects.checkRadio != kIdDecimal + state.HexMode || !effects.enableKeys))
        return "the radix checked is not the one in force, or its keys stay as they were";
    if (effects.endDialog && (std::memcmp(&values.OldVal, &state.Accum, sizeof(double)) != 0 ||
                              std::memcmp(&values.OldMem, &state.Memory, sizeof(double)) != 0))
        return "the values stored at the end are not the ones shown";
    if (!state.Typing && !std::isfinite(state.Accum) &&
        std::strcmp(display.text.data(), kOverflowShown) != 0)
        return "a result that is not finite does not show as overflow";
    return nullptr;
}
