#pragma once
// Decimal text to double, rounded correctly with integer arithmetic only. Platform-free: no
// windows.h.
#include <cstddef>

// The double nearest the decimal number at the start of text[0, length): optional sign, digits
// with an optional point, optional exponent (e or E, optional sign, digits). Reading stops at
// the first character outside that form; text without digits gives 0. A tie goes to the even
// neighbour, a value beyond the double range gives a signed infinity, one at or below half the
// smallest subnormal a signed zero. No floating arithmetic (so x87 precision cannot change a
// bit), no allocation, and any length is safe.
double decimalToDouble(const char* text, std::size_t length);
