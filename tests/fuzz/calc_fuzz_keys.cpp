// Any bytes as a run of the calculator: byte 0 and 1 pick the restored value and memory, every
// further byte is one key, written as in calc_keys.h ("2+3*4="); a byte that is no key there is
// sent as a control id of its own value (0-255: Ok, Cancel, radix, digits and ids the keypad
// does not have). The state lives on the heap, so AddressSanitizer sees any write past Entry.
#include "calc/keypad.h"

#include "../unit/calc_keys.h"
#include "calc/numtext.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>

namespace {

void require(bool condition) {
    if (!condition)
        std::abort();
}

const double kStartValues[] = {
    0.0,     7.0,    -12.5,    1e300,     -1e300,
    DBL_MAX, 1e-310, 0x1p56,   1e32,      123.25,
    -0.0,    1e14,   HUGE_VAL, -HUGE_VAL, std::numeric_limits<double>::quiet_NaN(),
    5e-324};

struct Display {
    char text[kDisplayWidth + 1];
};

Display displayOf(const CalcState& state) {
    Display display{};
    displayText(state, display.text, sizeof display.text);
    require(std::strlen(display.text) == kDisplayWidth);
    return display;
}

bool isHexText(const char* text) {
    if (std::strcmp(text, kHexOverflowText) == 0)
        return true;
    for (; *text != '\0'; ++text) {
        if (!((*text >= '0' && *text <= '9') || (*text >= 'A' && *text <= 'F')))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    const std::size_t starts = sizeof kStartValues / sizeof kStartValues[0];
    StartupValues values{};
    values.OldVal = kStartValues[data[0] % starts];
    values.OldMem = kStartValues[data[1] % starts];
    std::unique_ptr<CalcState> state(new CalcState);
    resetCalc(*state, values);

    for (std::size_t i = 2; i < size; ++i) {
        int id = keyId(static_cast<char>(data[i]));
        if (id < 0)
            id = data[i];
        CalcState before = *state;
        Display shownBefore = displayOf(before);
        const char* indicatorBefore = memoryIndicator(before);

        KeyEffects effects = pressKey(*state, values, id);

        require(std::memchr(state->Entry, '\0', kEntrySize) != nullptr);
        require((state->Typing == 1) == (state->Entry[0] != '\0'));
        require(state->Typing == 0 || state->Typing == 1);
        require(state->HexMode == 0 || state->HexMode == 1);
        require(state->PendingOp >= kOpNone && state->PendingOp <= kOpPercent);
        if (state->Typing && state->HexMode)
            require(isHexText(state->Entry));
        Display shown = displayOf(*state);
        if (effects.beep)
            require(!effects.redraw && std::memcmp(&before, state.get(), sizeof before) == 0);
        if (!effects.handled)
            require(std::memcmp(&before, state.get(), sizeof before) == 0);
        if (!effects.redraw) {
            require(std::strcmp(shown.text, shownBefore.text) == 0);
            require(std::strcmp(memoryIndicator(*state), indicatorBefore) == 0);
        }
        if (effects.checkRadio != 0)
            require(effects.checkRadio == kIdDecimal + state->HexMode && effects.enableKeys);
        if (effects.endDialog) {
            require(std::memcmp(&values.OldVal, &state->Accum, sizeof(double)) == 0);
            require(std::memcmp(&values.OldMem, &state->Memory, sizeof(double)) == 0);
        }
        // A non-finite result always shows as overflow.
        if (!state->Typing && !std::isfinite(state->Accum))
            require(std::strcmp(shown.text, "    -----------") == 0);
    }
    return 0;
}
