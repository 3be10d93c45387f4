#include "position_text.h"

#include "text.h"

namespace {

// Appends to a text that always has room for the longest position text.
struct TextBuilder {
    char text[kPositionTextSize];
    std::size_t used;

    void add(char c) { text[used++] = c; }

    void addText(const char* part) {
        while (*part != '\0')
            add(*part++);
    }

    // At least `digits` digits, with zeros in front.
    void addNumber(std::uint32_t value, int digits) {
        char reversed[10];
        int count = 0;
        do {
            reversed[count++] = static_cast<char>('0' + value % 10);
            value /= 10;
        } while (value != 0 || count < digits);
        while (count > 0)
            add(reversed[--count]);
    }

    // Hours stay below 2^32 for any position: 2^32 units at the slowest rate, one unit per
    // thousand seconds, make some 1.2 billion hours. Only the division by 3600 needs 64 bits.
    void addTime(std::uint64_t seconds) {
        auto hours = static_cast<std::uint32_t>(seconds / 3600);
        auto rest = static_cast<std::uint32_t>(seconds - std::uint64_t{hours} * 3600);
        if (hours > 0) {
            addNumber(hours, 1);
            add(':');
        }
        addNumber(rest / 60, hours > 0 ? 2 : 1);
        add(':');
        addNumber(rest % 60, 2);
    }

    // Whole seconds, or the units themselves when their rate is not known.
    void addAmount(std::uint32_t units, std::uint32_t unitsPerKilosecond) {
        if (unitsPerKilosecond == 0)
            addNumber(units, 1);
        else
            addTime(static_cast<std::uint64_t>(units) * 1000 / unitsPerKilosecond);
    }
};

} // namespace

void positionText(char* text, std::size_t capacity, std::uint32_t position, std::uint32_t length,
                  std::uint32_t unitsPerKilosecond) {
    TextBuilder out = {};
    out.addAmount(position, unitsPerKilosecond);
    out.addText(" / ");
    out.addAmount(length, unitsPerKilosecond);
    if (unitsPerKilosecond == 0)
        out.addText(" frames");
    out.add('\0');
    copyText(text, capacity, out.text);
}
