// textToNumber against glibc's strtod, bit for bit, on the same decimal prefix. Byte 0 picks
// the text: even, the rest of the bytes as they are; odd, the exact midpoint between the
// double of bytes 1-8 and the next one up (the ties, where a wrong last bit would hide), less
// as many of its last digits as byte 9 says, followed by the remaining bytes.
#include "text.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

bool isSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// What glibc reads as a decimal number: after white space, the longest run of characters a
// decimal number may hold. strtod takes the longest number from that run; cutting the run
// keeps it from reading "inf", "nan" or hexadecimal forms.
double referenceValue(const std::string& text) {
    std::size_t first = 0;
    while (first < text.size() && isSpace(text[first]))
        ++first;
    std::size_t end = text.find_first_not_of("+-.0123456789eE", first);
    std::string run =
        text.substr(first, end == std::string::npos ? std::string::npos : end - first);
    return std::strtod(run.c_str(), nullptr);
}

std::uint64_t bitsOf(double value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

// The midpoint's digits in full (long double holds it exactly) less `cut` of them, then the
// tail, then the exponent.
std::string midpointText(double value, std::size_t cut, const std::string& tail) {
    long double midpoint = value == DBL_MAX
                               ? static_cast<long double>(value) + std::ldexp(1.0L, 970)
                               : (static_cast<long double>(value) +
                                  std::nextafter(value, static_cast<double>(INFINITY))) /
                                     2;
    char digits[1000];
    std::snprintf(digits, sizeof digits, "%.800Le", midpoint);
    std::string text = digits;
    std::size_t exponent = text.find('e');
    std::string mantissa = text.substr(0, exponent);
    mantissa.erase(mantissa.find_last_not_of('0') + 1);
    mantissa.erase(mantissa.size() - (cut < mantissa.size() ? cut : mantissa.size()));
    return mantissa + tail + text.substr(exponent);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1)
        return 0;
    auto textFrom = [&](std::size_t first) {
        std::string bytes(reinterpret_cast<const char*>(data) + first, size - first);
        return bytes.substr(0, bytes.find('\0'));
    };
    std::string text;
    if (data[0] % 2 == 0) {
        text = textFrom(1);
    } else {
        double value = 0.0;
        if (size < 1 + sizeof value)
            return 0;
        std::memcpy(&value, data + 1, sizeof value);
        if (!std::isfinite(value))
            return 0;
        std::size_t cut = size > 1 + sizeof value ? data[1 + sizeof value] : 0;
        text = midpointText(value, cut, size > 2 + sizeof value ? textFrom(2 + sizeof value) : "");
    }
    double ours = textToNumber(text.c_str());
    double reference = referenceValue(text);
    if (bitsOf(ours) != bitsOf(reference)) {
        std::fprintf(stderr, "\"%s\": %a, strtod %a\n", text.c_str(), ours, reference);
        std::abort();
    }
    return 0;
}
