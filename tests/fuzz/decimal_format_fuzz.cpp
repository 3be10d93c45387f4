// formatFixedDecimal against glibc's snprintf "%.*f", text and length, into the same area.
// Byte 0: decimals (0 to 9), byte 1: the area's size. Byte 2 picks the value from bytes 3-10:
// even, the double of those bytes; odd, an exact half at those decimals (an odd integer times
// 2^-(decimals + 1), where a wrong rounding would show).
#include "decimal_format.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3 + sizeof(std::uint64_t))
        return 0;
    unsigned decimals = data[0] % (kMostDecimals + 1);
    std::size_t capacity = data[1] * 2u;
    std::uint64_t bits = 0;
    std::memcpy(&bits, data + 3, sizeof bits);
    double value = 0.0;
    if (data[2] % 2 == 0) {
        std::memcpy(&value, &bits, sizeof value);
    } else {
        auto odd = static_cast<std::int64_t>(bits >> 11) | 1; // below 2^53: exact as a double
        value = std::ldexp(static_cast<double>(bits >> 63 != 0 ? -odd : odd),
                           -static_cast<int>(decimals + 1));
    }
    if (!std::isfinite(value))
        return 0;
    std::vector<char> ours(capacity + 1, '#');
    std::vector<char> reference(capacity + 1, '#');
    int ourLength = formatFixedDecimal(value, decimals, ours.data(), capacity);
    int referenceLength =
        std::snprintf(reference.data(), capacity, "%.*f", static_cast<int>(decimals), value);
    if (ourLength != referenceLength || ours != reference) {
        std::fprintf(stderr, "%a at %u decimals in %zu bytes: %d \"%.*s\", snprintf %d \"%.*s\"\n",
                     value, decimals, capacity, ourLength, static_cast<int>(capacity), ours.data(),
                     referenceLength, static_cast<int>(capacity), reference.data());
        std::abort();
    }
    return 0;
}
