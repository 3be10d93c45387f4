#include "text.h"

#include "decimal.h"

#include <array>
#include <climits>
#include <cmath>
#include <cstring>

void trimBlanks(char* text) {
    std::size_t first = 0;
    while (text[first] == ' ')
        ++first;
    if (text[first] == '\0') {
        text[0] = '\0';
        return;
    }
    std::size_t end = first + std::strlen(text + first);
    while (end > first && text[end - 1] == ' ')
        --end;
    text[end] = '\0';
    if (first > 0)
        std::memmove(text, text + first, end - first + 1);
}

bool copyText(char* dst, std::size_t capacity, const char* src) {
    if (capacity == 0)
        return false;
    std::size_t length = std::strlen(src);
    bool fits = length < capacity;
    std::size_t count = fits ? length : capacity - 1;
    std::memcpy(dst, src, count);
    dst[count] = '\0';
    return fits;
}

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// Length of the longest prefix of s that is a decimal number (0 when there is none).
std::size_t decimalPrefixLength(const char* s) {
    std::size_t i = 0;
    if (s[i] == '+' || s[i] == '-')
        ++i;
    std::size_t digits = 0;
    while (isDigit(s[i])) {
        ++i;
        ++digits;
    }
    if (s[i] == '.') {
        ++i;
        while (isDigit(s[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0;
    if (s[i] == 'e' || s[i] == 'E') {
        std::size_t j = i + 1;
        if (s[j] == '+' || s[j] == '-')
            ++j;
        if (isDigit(s[j])) {
            while (isDigit(s[j]))
                ++j;
            i = j;
        }
    }
    return i;
}

} // namespace

double textToNumber(const char* text) {
    while (isSpace(*text))
        ++text;
    return decimalToDouble(text, decimalPrefixLength(text));
}

void formatInt(int value, char* text, std::size_t capacity) {
    std::array<char, 12> digits{};
    std::size_t first = digits.size() - 1; // digits[11] stays the terminator
    // Through unsigned arithmetic, so that INT_MIN has a magnitude too.
    unsigned magnitude =
        value < 0 ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
    do {
        digits[--first] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0)
        digits[--first] = '-';
    copyText(text, capacity, digits.data() + first);
}

int truncateToInt(double value) {
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (value <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(value);
}
