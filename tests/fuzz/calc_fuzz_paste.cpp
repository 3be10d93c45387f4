// Any bytes as a paste: byte 0 picks the restored value and memory, byte 1 the keys pressed
// before it (written as in calc_keys.h), and the rest is the clipboard's block, in a heap area
// of exactly its size, so that AddressSanitizer sees any read past it. After the paste the
// engine keeps every key rule, and the entry is the text's number as worked out here apart.
#include "calc/paste.h"

#include "../unit/calc_invariants.h"
#include "../unit/calc_keys.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace {

const double kStartValues[] = {0.0, 7.0, -12.5, 1e300, HUGE_VAL, 0x1p56};

const char* const kBefore[] = {"",
                               "12",
                               "5+",
                               "5+7",
                               "200*15%",
                               "h",
                               "hAB",
                               "hFF+",
                               "MR",
                               "1.5",
                               "2+3=",
                               "h5*",
                               "12s",
                               "5+.",
                               "12345678901234",
                               "hABCDEF0123456",
                               "MRh",
                               "L",
                               "1234567",
                               "7/0=",
                               "5M",
                               "hFFFFFFFF*",
                               "123.4567890123",
                               "9999999*9999999="};

// The entry a paste of the block should leave, or "" when it should be refused.
std::string expectedEntry(const char* block, std::size_t size, bool hexMode) {
    std::string text(block, std::find(block, block + size, '\0'));
    const char* blanks = " \t\r\n";
    std::size_t first = text.find_first_not_of(blanks);
    if (text.size() > kPasteReadLimit || first == std::string::npos)
        return "";
    std::string body = text.substr(first, text.find_last_not_of(blanks) + 1 - first);
    bool minus = !hexMode && body[0] == '-';
    body.erase(0, minus ? 1 : 0);
    int points = 0;
    int digits = 0;
    for (char& c : body) {
        unsigned char code = static_cast<unsigned char>(c);
        bool digit = std::isdigit(code) || (hexMode && std::isxdigit(code));
        if (!digit && (hexMode || c != '.'))
            return "";
        (digit ? digits : points) += 1;
        c = static_cast<char>(std::toupper(code));
    }
    if (!body.empty() && body[0] == '.')
        body.insert(0, "0");
    if (points > 1 || digits == 0 || body.size() > static_cast<std::size_t>(kEntryTypedLimit))
        return "";
    return minus ? "-" + body : body;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    StartupValues values{};
    const std::size_t starts = sizeof kStartValues / sizeof kStartValues[0];
    values.OldVal = kStartValues[data[0] % starts];
    values.OldMem = kStartValues[(data[0] / starts) % starts];
    std::unique_ptr<CalcState> state(new CalcState);
    resetCalc(*state, values);
    const char* before = kBefore[data[1] % (sizeof kBefore / sizeof kBefore[0])];
    for (const char* key = before; *key != '\0'; ++key)
        pressKey(*state, values, keyId(*key));

    std::size_t blockSize = size - 2;
    std::unique_ptr<char[]> block(new char[blockSize]);
    std::memcpy(block.get(), data + 2, blockSize);
    std::string expected = expectedEntry(block.get(), blockSize, state->HexMode != 0);

    BeforeKey beforePaste = beforeKey(*state);
    KeyEffects effects = pasteText(*state, block.get(), blockSize);
    const char* broken = brokenKeyRule(beforePaste, *state, values, effects, 0);
    if (broken == nullptr && effects.beep != expected.empty())
        broken = effects.beep ? "a number the keys can type was refused"
                              : "a text the keys cannot type was taken";
    if (broken == nullptr && !expected.empty() && expected != state->Entry)
        broken = "the entry is not the pasted number";
    if (broken != nullptr) {
        std::fprintf(stderr, "paste after \"%s\": %s (expected \"%s\", entry \"%s\")\n", before,
                     broken, expected.c_str(), state->Entry);
        std::abort();
    }
    return 0;
}
