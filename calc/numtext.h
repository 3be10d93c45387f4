#pragma once
// Number texts of the calculator: hexadecimal and decimal forms and the display field.
// Platform-free: the same text on Linux, under Wine and on Windows.
#include <cstddef>

constexpr std::size_t kHexTextSize = 40; // 39 digits and the terminator
constexpr unsigned kDisplayWidth = 15;   // sign column and 14 number columns

// Upper-case hexadecimal digits of the magnitude's integer part, at least two digits.
// `text` must hold kHexTextSize bytes.
void formatHex(double value, char* text);

// The value of a hexadecimal text (digits 0-9 and A-F); empty gives 0.
double parseHex(const char* text);

// Turns a number text (in an area of at least width + 1 bytes) into the display field:
// a sign column, then the number right-aligned, or the overflow text when it is too long.
void fitDisplayField(char* text, unsigned width);

// "%.6lf" and "%.0lf" of a value into an area of `capacity` bytes, always terminated.
// Returns the full length of the text (which may exceed capacity - 1 when cut).
// Infinities and NaN give kOverflowNumberText (with "-" for minus infinity) instead of the
// C library's "inf": longer than the display, and read back by textToNumber as infinity.
int formatFixed6(double value, char* text, std::size_t capacity);
int formatFixed0(double value, char* text, std::size_t capacity);

// The field of a value that overflows the display (a standing text, not a number).
constexpr const char* kOverflowFieldText = " -----------";

// Decimal text of an infinite or NaN value: too long for the display, and the same infinity
// again when read back, so a stored or recalled overflow never turns into a finite number.
constexpr const char* kOverflowNumberText = "1.0000000000e999";

// Hexadecimal text of values that need more than 39 digits, of infinities and NaN; parseHex
// reads it back as infinity.
constexpr const char* kHexOverflowText = "OVERFLOW-OVERFLOW";

// Double arithmetic rounded once to a double, the same in every build. The i686 build runs on
// the x87 unit, which otherwise keeps extra precision and exponent range between operations
// (1e300 * 1e10 * 0.01 would be 1e308 there and infinity on the host).
double addNumbers(double a, double b);
double subtractNumbers(double a, double b);
double multiplyNumbers(double a, double b);
double divideNumbers(double a, double b);
