// Any bytes as a run of the calculator: byte 0 and 1 pick the restored value and memory, every
// further byte is one key, written as in calc_keys.h ("2+3*4="); a byte that is no key there is
// sent as a control id of its own value (0-255: Ok, Cancel, radix, digits and ids the keypad
// does not have). The state lives on the heap, so AddressSanitizer sees any write past Entry.
#include "calc/keypad.h"

#include "../unit/calc_invariants.h"
#include "../unit/calc_keys.h"
#include "calc/numtext.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <memory>

namespace {

const double kStartValues[] = {
    0.0,     7.0,    -12.5,    1e300,     -1e300,
    DBL_MAX, 1e-310, 0x1p56,   1e32,      123.25,
    -0.0,    1e14,   HUGE_VAL, -HUGE_VAL, std::numeric_limits<double>::quiet_NaN(),
    5e-324};

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
        BeforeKey before = beforeKey(*state);
        KeyEffects effects = pressKey(*state, values, id);
        if (const char* broken = brokenKeyRule(before, *state, values, effects, id)) {
            std::fprintf(stderr, "key %zu (id %d): %s\n", i - 2, id, broken);
            std::abort();
        }
    }
    return 0;
}
