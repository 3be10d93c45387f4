#include "paste.h"

#include <algorithm>
#include <cstring>

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// The key that types a character of a number in the radix, or -1.
int numberKey(char c, bool hexMode) {
    if (c >= '0' && c <= '9')
        return kIdDigit0 + (c - '0');
    if (!hexMode)
        return c == '.' ? static_cast<int>(kIdPoint) : -1;
    c = static_cast<char>(c & ~0x20); // a-f as A-F
    return c >= 'A' && c <= 'F' ? kIdHexDigitA + (c - 'A') : -1;
}

KeyEffects refused() {
    KeyEffects effects{};
    effects.handled = true;
    effects.beep = true;
    return effects;
}

} // namespace

KeyEffects pasteText(CalcState& state, const char* block, std::size_t size) {
    if (block == nullptr)
        return refused();
    std::size_t scan = std::min(size, kPasteReadLimit + 1);
    const void* zero = std::memchr(block, '\0', scan);
    const char* end = zero != nullptr ? static_cast<const char*>(zero) : block + scan;
    if (static_cast<std::size_t>(end - block) > kPasteReadLimit)
        return refused();
    const char* begin = block;
    while (begin < end && isBlank(*begin))
        ++begin;
    while (end > begin && isBlank(end[-1]))
        --end;
    bool hexMode = state.HexMode != 0;
    bool minus = !hexMode && begin < end && *begin == '-';
    begin += minus ? 1 : 0;

    // The keys go to a copy, so that a key refused half-way leaves the state as it was: a
    // second point, or a character past the room typing has.
    CalcState typed = state;
    StartupValues unused{}; // none of these keys ends the dialog
    KeyEffects effects{};
    if (typed.Typing)
        effects = pressKey(typed, unused, kIdClear);
    bool digit = false;
    for (const char* c = begin; c < end; ++c) {
        int id = numberKey(*c, hexMode);
        if (id < 0)
            return refused();
        digit = digit || id != kIdPoint;
        effects = pressKey(typed, unused, id);
        if (effects.beep)
            return refused();
    }
    if (!digit)
        return refused();
    if (minus)
        effects = pressKey(typed, unused, kIdSign);
    state = typed;
    return effects;
}
