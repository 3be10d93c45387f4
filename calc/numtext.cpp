#include "numtext.h"

#include "decimal_format.h"
#include "text.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

constexpr std::size_t kHexDigitsMax = kHexTextSize - 1;
// 16 to the power 39: the first value whose hexadecimal text has more digits than fit.
constexpr double kHexTooLarge = 0x1p156;

char hexDigit(double v) {
    int whole = static_cast<int>(v); // 0 <= v < 16, truncated toward zero
    return static_cast<char>(whole < 10 ? '0' + whole : 'A' + (whole - 10));
}

int formatFixed(double value, unsigned decimals, char* text, std::size_t capacity) {
    if (std::isfinite(value))
        return formatFixedDecimal(value, decimals, text, capacity);
    // NaN has no sign worth showing (x87 and SSE give it different ones): plain overflow.
    bool minus = std::isinf(value) && value < 0.0;
    std::array<char, 20> overflow = {'-'};
    copyText(overflow.data() + 1, overflow.size() - 1, kOverflowNumberText);
    const char* shown = minus ? overflow.data() : overflow.data() + 1;
    copyText(text, capacity, shown);
    return static_cast<int>(std::strlen(shown));
}

// The whole part of a value from 0 up to 2^152, exactly, without the C library's floor.
double wholePart(double x) {
    // From 2^52 on every double is whole; below, the integer conversion truncates exactly.
    if (x >= 0x1p52)
        return x;
    return static_cast<double>(static_cast<std::int64_t>(x));
}

// The number columns of the field, right-aligned, after the sign column: writes exactly
// `width` characters. `body` may lie inside `text`.
void placeInField(char* text, unsigned width, bool negative, const char* body, std::size_t length) {
    std::size_t start = width - length;
    std::memmove(text + start, body, length);
    std::memset(text + 1, ' ', start - 1);
    text[0] = negative ? '-' : ' ';
    text[width] = '\0';
}

#if defined(__i386__) && !defined(__SSE2_MATH__)

enum class Operation { kAdd, kSubtract, kMultiply, kDivide };

// Moves a double's smallest normal exponent onto the x87's, so that a product or quotient
// too small for a normal double is rounded once, where the double itself would round it.
constexpr long double kScaleDown = 0x1p-15360L;
constexpr long double kScaleUp = 0x1p15360L;

// One operation with the x87 rounding to a double's 53 bits, the result stored as a double
// (which applies the double's exponent range). The volatile accesses and the "memory"
// clobbers keep the arithmetic between the two changes of the control word.
double x87Operation(Operation operation, double a, double b) {
    unsigned short saved = 0;
    __asm__ volatile("fnstcw %0" : "=m"(saved)::"memory");
    unsigned short doublePrecision = static_cast<unsigned short>((saved & ~0x0300u) | 0x0200u);
    __asm__ volatile("fldcw %0" ::"m"(doublePrecision) : "memory");
    volatile long double x = a;
    volatile long double y = b;
    long double r = 0.0L;
    switch (operation) {
    case Operation::kAdd:
        r = x + y; // a sum too small for a normal double is exact: nothing to round
        break;
    case Operation::kSubtract:
        r = x - y;
        break;
    case Operation::kMultiply:
        r = (x * kScaleDown) * y * kScaleUp;
        break;
    case Operation::kDivide:
        r = (x * kScaleDown) / y * kScaleUp;
        break;
    }
    volatile double result = static_cast<double>(r);
    __asm__ volatile("fldcw %0" ::"m"(saved) : "memory");
    return result;
}

#endif

} // namespace

#if defined(__i386__) && !defined(__SSE2_MATH__)
double addNumbers(double a, double b) {
    return x87Operation(Operation::kAdd, a, b);
}
double subtractNumbers(double a, double b) {
    return x87Operation(Operation::kSubtract, a, b);
}
double multiplyNumbers(double a, double b) {
    return x87Operation(Operation::kMultiply, a, b);
}
double divideNumbers(double a, double b) {
    return x87Operation(Operation::kDivide, a, b);
}
#else
double addNumbers(double a, double b) {
    return a + b;
}
double subtractNumbers(double a, double b) {
    return a - b;
}
double multiplyNumbers(double a, double b) {
    return a * b;
}
double divideNumbers(double a, double b) {
    return a / b;
}
#endif

void formatHex(double value, char* text) {
    double x = value < 0.0 ? -value : value;
    // Beyond 39 digits, and for infinities and NaN, a text the display shows as overflow.
    if (!(x < kHexTooLarge)) {
        copyText(text, kHexTextSize, kHexOverflowText);
        return;
    }
    char reversed[kHexTextSize];
    std::size_t count = 0;
    for (;;) {
        // Scaling by 1/16 and taking the remainder are exact for doubles, in every build.
        double q = wholePart(x * 0.0625);
        double r = x - q * 16.0;
        reversed[count++] = hexDigit(r);
        if (q >= 16.0) {
            x = q;
            continue;
        }
        reversed[count++] = hexDigit(q);
        break;
    }
    for (std::size_t i = 0; i < count; ++i)
        text[i] = reversed[count - 1 - i];
    text[count] = '\0';
}

double parseHex(const char* text) {
    if (std::strcmp(text, kHexOverflowText) == 0)
        return HUGE_VAL;
    // Leading zeros add nothing; more significant digits than the 39 a hexadecimal text holds
    // is a magnitude of 16^39 or more, which is overflow, as formatHex shows it.
    while (*text == '0')
        ++text;
    std::size_t length = std::strlen(text);
    if (length > kHexDigitsMax)
        return HUGE_VAL;
    double result = 0.0;
    double weight = 1.0;
    for (std::size_t i = length; i > 0; --i) {
        // The digit rule of any character: callers pass only 0-9 and A-F.
        int code = static_cast<unsigned char>(text[i - 1]);
        int digit = code >= 'A' ? code - 'A' + 10 : code - '0';
        result = addNumbers(result, static_cast<double>(digit) * weight); // product is exact
        weight *= 16.0;
    }
    return result;
}

void fitDisplayField(char* text, unsigned width) {
    if (width == 0) {
        text[0] = '\0';
        return;
    }
    std::size_t length = std::strlen(text);
    if (length > 0 && std::memchr(text, '.', length) != nullptr) {
        while (length > 0 && text[length - 1] == '0')
            --length;
    }
    if (length > 0 && text[length - 1] == '.')
        --length;
    text[length] = '\0';

    std::size_t columns = width - 1;
    const char* body = kOverflowFieldText;
    std::size_t bodyLength = std::strlen(kOverflowFieldText);
    bool negative = false;
    if (length <= width) {
        if (text[0] == '-') {
            text[0] = ' ';
            trimBlanks(text);
            negative = true;
        }
        body = text;
        bodyLength = std::strlen(text);
        // A positive text as long as the whole field has one character more than the number
        // columns: shown as overflow, since cutting it would show a number ten times smaller.
        if (bodyLength > columns) {
            body = kOverflowFieldText;
            bodyLength = std::strlen(kOverflowFieldText);
            negative = false;
        }
    }
    // A field narrower than the overflow text keeps the overflow text's right-hand end.
    if (bodyLength > columns) {
        body += bodyLength - columns;
        bodyLength = columns;
    }
    placeInField(text, width, negative, body, bodyLength);
}

int formatFixed6(double value, char* text, std::size_t capacity) {
    return formatFixed(value, 6, text, capacity);
}

int formatFixed0(double value, char* text, std::size_t capacity) {
    return formatFixed(value, 0, text, capacity);
}
