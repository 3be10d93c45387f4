#include "decimal_format.h"

#include <gtest/gtest.h>

#include <array>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <string>

namespace {

std::string ours(double value, unsigned decimals) {
    std::array<char, 400> text{};
    int length = formatFixedDecimal(value, decimals, text.data(), text.size());
    EXPECT_EQ(static_cast<std::size_t>(length), std::string(text.data()).size());
    return text.data();
}

// What it replaces: the C library's exact "%.6lf" and "%.0lf" (glibc's on the host, MinGW's
// own C99 printf in the Windows builds).
std::string printed(double value, unsigned decimals) {
    std::array<char, 400> text{};
    std::snprintf(text.data(), text.size(), "%.*lf", static_cast<int>(decimals), value);
    return text.data();
}

} // namespace

TEST(FormatFixedDecimal, EveryDigitAsTheCLibraryPrintsIt) {
    const double values[] = {
        // The calculator's own numbers.
        0.0, 12.5, -3.25, 2.0 / 3.0, 1.0 / 3.0, 0.1, 255.0, 5.7, 26.75, 123456789.125, 1e13, -1e13,
        1e14, -1e14, 1e15, 99999999999999.0, 0x1p70, 1e32, 1e100, 1e300, 640.9, -0.5,
        // Exact halves, which go to the even neighbour: at 0 decimals n + 1/2, at 6 odd
        // multiples of 2^-7.
        0.5, 1.5, 2.5, 3.5, -2.5, 0x1p52 - 0.5, 0x1p-7, 3 * 0x1p-7, -5 * 0x1p-7, 1023 * 0x1p-7,
        // Next to the halves, and a carry through every digit.
        std::nextafter(0.5, 0.0), std::nextafter(0.5, 1.0), 0.9999995, 999999.9999995, 9.5,
        std::nextafter(0.0000005, 0.0), std::nextafter(0.0000005, 1.0), 0x1p-21, 0x1p-20,
        // The largest and smallest magnitudes, and zeros and tiny negatives, which keep their sign.
        DBL_MAX, -DBL_MAX, std::nextafter(DBL_MAX, 0.0), DBL_MIN, -DBL_MIN, DBL_TRUE_MIN,
        -DBL_TRUE_MIN, -0.0, -0.0000001, -0.4, -1e-300, 0x1p53 + 2, 0x1p64, 0x1p1023};
    for (double value : values)
        for (unsigned decimals : {0u, 6u, 1u, 9u})
            EXPECT_EQ(ours(value, decimals), printed(value, decimals)) << value << " " << decimals;
}

TEST(FormatFixedDecimal, MoreThanNineDecimalsAreNine) {
    EXPECT_EQ(ours(0.1, 12), "0.100000000");
}
