// Long random key sequences from a fixed seed: the engine keeps its invariants whatever is
// pressed, and the host build and the Windows build (under Wine) produce the same states.
#include "calc/keypad.h"

#include "calc_invariants.h"
#include "calc_keys.h"
#include "calc/numtext.h"

#include <gtest/gtest.h>

#include <array>
#include <cfloat>
#include <cinttypes>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>

namespace {

// splitmix64: the same numbers on every platform, unlike the standard distributions.
struct Random {
    std::uint64_t seed;
    std::uint64_t next() {
        std::uint64_t z = (seed += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    std::size_t below(std::size_t n) { return static_cast<std::size_t>(next() % n); }
};

struct Digest {
    std::uint64_t value = 0xCBF29CE484222325ull; // FNV-1a
    void add(const void* data, std::size_t size) {
        const unsigned char* bytes = static_cast<const unsigned char*>(data);
        for (std::size_t i = 0; i < size; ++i) {
            value ^= bytes[i];
            value *= 0x100000001B3ull;
        }
    }
    void add(const char* text) { add(text, std::strlen(text) + 1); }
    void add(int number) { add(&number, sizeof number); }
    // NaN payloads and signs differ between the x87 and SSE units: all NaNs count as one.
    void add(double number) {
        std::uint64_t bits = 0x7FF8000000000000ull;
        if (!std::isnan(number))
            std::memcpy(&bits, &number, sizeof bits);
        add(&bits, sizeof bits);
    }
};

// Key mixes, one character a key (see calc_keys.h); 'u' is an id the keypad does not have.
// Repetition is weight.
const char* const kProfiles[] = {
    "01234567890123456789..s++--**//==%MRcLLdhABCDEFuOX",      // everyday use
    "99999999999999999999999999999999998****==%MRhdsL+",       // growing towards overflow
    "99999999999999999999999999999991/////////=.MRhd0L",       // shrinking towards zero
    "0123456789ABCDEFABCDEFMMRRRRcdhhhd+-*/=%%s.L",            // memory and radix
    "12.5*%%%=+-sssR7*3%+2*4%-5*6%*7*8%/9*1%=..LLhdMc0123456", // percent and its endings
};

const double kStartValues[] = {
    0.0,     7.0,    -12.5,    1e300,     -1e300,
    DBL_MAX, 1e-310, 0x1p56,   1e32,      123.25,
    -0.0,    1e14,   HUGE_VAL, -HUGE_VAL, std::numeric_limits<double>::quiet_NaN()};

const int kOtherIds[] = {0, 3, 100, 103, 199, 212, 306, 406, 503, 601, 700, 701, -1};

constexpr int kSequences = 400;
constexpr int kKeysPerSequence = 1000;

// The state with guard bytes on both sides, so that a write past Entry is seen in the
// Windows build too, where there is no address sanitizer.
struct GuardedState {
    std::array<unsigned char, 32> before;
    CalcState state;
    std::array<unsigned char, 32> after;
};

struct RunSummary {
    std::uint64_t digest = 0;
    int keys = 0;
    int beeps = 0;
    int overflowShown = 0;
    int infiniteResults = 0;
    int nanResults = 0;
    int tinyResults = 0;
    int hexEntries = 0;
    int percentResults = 0;
    int longEntries = 0; // recalled or converted texts beyond the typed limit
    int maxEntryLength = 0;
};

int pickKey(Random& random, const char* profile) {
    char c = profile[random.below(std::strlen(profile))];
    if (c == 'u')
        return kOtherIds[random.below(sizeof kOtherIds / sizeof kOtherIds[0])];
    return keyId(c);
}

// Checks one key press against the rules of every key and the guard bytes; returns false
// after the first failure.
bool checkKey(const GuardedState& guarded, const BeforeKey& before, const StartupValues& values,
              const KeyEffects& effects, int id, const std::string& context) {
    for (unsigned char b : guarded.before)
        EXPECT_EQ(b, 0xA5) << context;
    for (unsigned char b : guarded.after)
        EXPECT_EQ(b, 0xA5) << context;
    if (const char* broken = brokenKeyRule(before, guarded.state, values, effects, id))
        ADD_FAILURE() << context << ": " << broken;
    return !::testing::Test::HasFailure();
}

RunSummary runSequences() {
    RunSummary summary;
    Digest digest;
    Random random{20240607};
    GuardedState guarded;
    for (int sequence = 0; sequence < kSequences; ++sequence) {
        guarded.before.fill(0xA5);
        guarded.after.fill(0xA5);
        StartupValues values{};
        const std::size_t starts = sizeof kStartValues / sizeof kStartValues[0];
        values.OldVal = kStartValues[random.below(starts)];
        values.OldMem = kStartValues[random.below(starts)];
        resetCalc(guarded.state, values);
        const char* profile = kProfiles[random.below(sizeof kProfiles / sizeof kProfiles[0])];
        for (int k = 0; k < kKeysPerSequence; ++k) {
            int id = pickKey(random, profile);
            BeforeKey before = beforeKey(guarded.state);
            KeyEffects effects = pressKey(guarded.state, values, id);
            std::string context =
                "sequence " + std::to_string(sequence) + " key " + std::to_string(k);
            if (!checkKey(guarded, before, values, effects, id, context))
                return summary;

            const CalcState& state = guarded.state;
            std::string display = shownDisplay(state).text.data();
            digest.add(display.c_str());
            digest.add(memoryIndicator(state));
            digest.add(state.Entry);
            digest.add(state.Typing);
            digest.add(state.PendingOp);
            digest.add(state.HexMode);
            digest.add(state.Accum);
            digest.add(state.Operand);
            digest.add(state.Memory);
            digest.add(state.PctBase);
            digest.add(effects.handled * 1 + effects.beep * 2 + effects.redraw * 4 +
                       effects.enableKeys * 8 + effects.endDialog * 16 + effects.checkRadio * 32);
            if (effects.endDialog) {
                digest.add(values.OldVal);
                digest.add(values.OldMem);
            }

            ++summary.keys;
            summary.beeps += effects.beep;
            summary.overflowShown += display == kOverflowShown;
            summary.infiniteResults += std::isinf(state.Accum);
            summary.nanResults += std::isnan(state.Accum);
            summary.tinyResults += state.Accum != 0.0 && std::fabs(state.Accum) < 1e-300;
            summary.hexEntries += state.HexMode && state.Typing;
            summary.percentResults += state.PendingOp == kOpPercent;
            int length = static_cast<int>(std::strlen(state.Entry));
            summary.longEntries += length > kEntryTypedLimit + 1;
            if (length > summary.maxEntryLength)
                summary.maxEntryLength = length;
        }
    }
    summary.digest = digest.value;
    return summary;
}

} // namespace

TEST(RandomKeySequences, KeepTheInvariantsAndReachTheHardCases) {
    RunSummary summary = runSequences();
    ASSERT_EQ(summary.keys, kSequences * kKeysPerSequence);
    std::printf("keys %d, beeps %d, overflow shown %d, infinite %d, NaN %d, tiny %d, hex entries "
                "%d, percent results %d, long entries %d, longest entry %d\n",
                summary.keys, summary.beeps, summary.overflowShown, summary.infiniteResults,
                summary.nanResults, summary.tinyResults, summary.hexEntries, summary.percentResults,
                summary.longEntries, summary.maxEntryLength);
    // The sequences must reach what the invariants are meant to hold for.
    EXPECT_GT(summary.beeps, 0);
    EXPECT_GT(summary.overflowShown, 0);
    EXPECT_GT(summary.infiniteResults, 0);
    EXPECT_GT(summary.nanResults, 0);
    EXPECT_GT(summary.tinyResults, 0);
    EXPECT_GT(summary.hexEntries, 0);
    EXPECT_GT(summary.percentResults, 0);
    EXPECT_GT(summary.longEntries, 0);
    EXPECT_LT(summary.maxEntryLength, static_cast<int>(kEntrySize));
}

// The digest covers every display text, entry, flag and value after every key. The same
// constant is expected from the host build and from the Windows build under Wine.
TEST(RandomKeySequences, GiveTheSameStatesInEveryBuild) {
    RunSummary summary = runSequences();
    ASSERT_EQ(summary.keys, kSequences * kKeysPerSequence);
    std::printf("digest of %d keys: 0x%016" PRIX64 "\n", summary.keys, summary.digest);
    EXPECT_EQ(summary.digest, UINT64_C(0x082DA9C248FDD642));
}
