// Any bytes into the number-text routines. Byte 0 picks the routine; the rest is its input:
// 0 formatHex of a double (8 bytes), 1 parseHex of a text, 2 fitDisplayField of a text at the
// width of byte 1, 3 formatFixed6 and formatFixed0 of a double into an area of byte 1's size.
// Every area is allocated at exactly the size the routine may use, so AddressSanitizer sees
// any write or read past it.
#include "calc/numtext.h"

#include "text.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

void require(bool condition) {
    if (!condition)
        std::abort();
}

bool isHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}

double doubleFrom(const std::uint8_t* data, std::size_t size) {
    std::uint8_t bytes[sizeof(double)] = {};
    std::memcpy(bytes, data, size < sizeof bytes ? size : sizeof bytes);
    double value = 0.0;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

// The bytes up to the first zero as a text in an area of exactly its length plus one.
std::vector<char> textFrom(const std::uint8_t* data, std::size_t size, std::size_t minimum) {
    std::size_t length = 0;
    while (length < size && data[length] != 0)
        ++length;
    std::vector<char> area((length > minimum ? length : minimum) + 1, '\0');
    std::memcpy(area.data(), data, length);
    return area;
}

void fuzzFormatHex(double value) {
    std::vector<char> area(kHexTextSize);
    formatHex(value, area.data());
    std::size_t length = std::strlen(area.data());
    double magnitude = std::fabs(value);
    if (std::isfinite(value) && magnitude < 0x1p156) {
        require(length >= 2 && length < kHexTextSize);
        for (std::size_t i = 0; i < length; ++i)
            require(isHexDigit(area[i]));
        require(length == 2 || area[0] != '0');
        require(parseHex(area.data()) == std::floor(magnitude));
    } else {
        require(std::strcmp(area.data(), kHexOverflowText) == 0);
        require(length > kDisplayWidth);
        require(parseHex(area.data()) == HUGE_VAL);
    }
}

void fuzzParseHex(const std::uint8_t* data, std::size_t size) {
    std::vector<char> text = textFrom(data, size, 0);
    double value = parseHex(text.data());
    std::size_t length = std::strlen(text.data());
    bool digitsOnly = true;
    for (std::size_t i = 0; i < length; ++i)
        digitsOnly = digitsOnly && isHexDigit(text[i]);
    // Up to 16 digits the exact value fits a 64-bit integer: the result is it, rounded once.
    if (digitsOnly && length <= 16) {
        std::uint64_t exact = 0;
        for (std::size_t i = 0; i < length; ++i) {
            char c = text[i];
            exact = exact * 16 + static_cast<std::uint64_t>(c <= '9' ? c - '0' : c - 'A' + 10);
        }
        if (length <= 14)
            require(value == static_cast<double>(exact));
        require(value >= 0.0 && std::isfinite(value));
    }
}

void fuzzFitDisplayField(unsigned width, const std::uint8_t* data, std::size_t size) {
    std::vector<char> text = textFrom(data, size, width);
    const std::string original = text.data();
    fitDisplayField(text.data(), width);
    require(std::strlen(text.data()) == width);
    if (width == 0)
        return;
    require(text[0] == ' ' || text[0] == '-');
    // Digits alone that fit the number columns stand unchanged at the right after blanks.
    bool digitsOnly = original.find_first_not_of("0123456789") == std::string::npos;
    if (digitsOnly && original.size() < width) {
        std::string expected = std::string(width - original.size(), ' ') + original;
        require(expected == text.data());
    }
    // A text without a point (nothing to trim) longer than the field gives the overflow text,
    // or its right-hand end in a narrow field.
    if (original.size() > width && width > 1 && original.find('.') == std::string::npos) {
        std::string overflow = kOverflowFieldText;
        std::string columns = text.data() + 1;
        std::string end = overflow.substr(
            overflow.size() > columns.size() ? overflow.size() - columns.size() : 0);
        require(columns.size() >= end.size() &&
                columns.compare(columns.size() - end.size(), end.size(), end) == 0);
        require(text[0] == ' ');
    }
}

void fuzzFormatFixed(double value, std::size_t capacity) {
    std::vector<char> six(capacity + 1, '#');
    std::vector<char> none(capacity + 1, '#');
    int length6 = formatFixed6(value, six.data(), capacity);
    int length0 = formatFixed0(value, none.data(), capacity);
    require(six[capacity] == '#' && none[capacity] == '#');
    if (capacity == 0)
        return;
    require(std::strlen(six.data()) == (static_cast<std::size_t>(length6) < capacity
                                            ? static_cast<std::size_t>(length6)
                                            : capacity - 1));
    require(std::strlen(none.data()) < capacity);
    require(length0 >= 1 && length6 >= 8);
    if (!std::isfinite(value) && static_cast<std::size_t>(length6) < capacity) {
        double back = textToNumber(six.data());
        require(std::isinf(back) && (std::isnan(value) || back == value));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1)
        return 0;
    const std::uint8_t* rest = data + 1;
    std::size_t restSize = size - 1;
    switch (data[0] % 4) {
    case 0:
        fuzzFormatHex(doubleFrom(rest, restSize));
        break;
    case 1:
        fuzzParseHex(rest, restSize);
        break;
    case 2:
        if (restSize >= 1)
            fuzzFitDisplayField(rest[0] % 100u, rest + 1, restSize - 1);
        break;
    case 3:
        if (restSize >= 1)
            fuzzFormatFixed(doubleFrom(rest + 1, restSize - 1), rest[0] % 64u);
        break;
    }
    return 0;
}
