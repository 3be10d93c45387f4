#pragma once
// Number texts of the calculator: hexadecimal and decimal forms and the display field.
// Platform-free: the same text on Linux, under Wine and on Windows.
#include <cstddef>

constexpr std::size_t kHexTextSize = 40;      // 39 digits and the terminator
constexpr unsigned kDisplayWidth = 15;        // sign column and 14 number columns
constexpr std::size_t kDisplayFieldArea = 80; // the work areas of fitDisplayField

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
int formatFixed6(double value, char* text, std::size_t capacity);
int formatFixed0(double value, char* text, std::size_t capacity);
