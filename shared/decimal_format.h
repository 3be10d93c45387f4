#pragma once
// Double to fixed-point decimal text, exact, with integer arithmetic only. Platform-free: no
// windows.h.
#include <cstddef>

constexpr unsigned kMostDecimals = 9;

// The "%.Nf" text of a finite value (N = decimals, at most kMostDecimals): every digit of the
// whole part, the fraction rounded to N decimals (an exact half to the even neighbour), a "-"
// whenever the sign bit is set (-0.0 and values that round to zero included), and no point
// when N is 0. Written into `capacity` bytes, always terminated and cut when it does not fit.
// Returns the full length, as snprintf does. No floating arithmetic, so x87 precision cannot
// change a digit.
int formatFixedDecimal(double value, unsigned decimals, char* text, std::size_t capacity);
