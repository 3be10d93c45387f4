#pragma once
// Text helpers shared by both programs. Platform-free: no windows.h.
#include <cstddef>

// Removes leading and trailing spaces (code 32 only) in place.
void trimBlanks(char* text);

// Copies src into dst (capacity bytes including the terminator). Returns false, and leaves
// dst holding the cut copy, when src does not fit whole.
bool copyText(char* dst, std::size_t capacity, const char* src);

// The classic decimal text-to-number conversion: leading white space, optional sign, digits
// with an optional point and exponent; the longest such prefix counts, rounded to the nearest
// double (a tie to the even one), and no number gives 0.
// Unlike a C99 strtod it never reads "inf", "nan" or hexadecimal forms, so a stored text
// means the same number on every platform.
double textToNumber(const char* text);

// The "%d" text of an integer (at most 11 characters), cut to the area when it does not fit.
// Written without printf, so that a program which shows no fractions carries no formatter.
void formatInt(int value, char* text, std::size_t capacity);

// Truncates toward zero into an int, saturating at the int range (NaN gives 0), so that a
// stored 1e30 cannot become an undefined conversion.
int truncateToInt(double value);
