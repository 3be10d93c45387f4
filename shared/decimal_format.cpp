#include "decimal_format.h"

#include "limbs.h"
#include "text.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace {

// The largest scaled value, below 2^1024 * 10^9 < 2^1054, and one limb to spare for a carry.
constexpr int kLimbCapacity = (1024 + 30 + kLimbBits - 1) / kLimbBits + 1;
constexpr std::uint32_t kBillion = 1000000000;
constexpr int kDigitsPerBillion = 9;
// The digits of that value (at most 318), in whole groups of nine.
constexpr std::size_t kDigitCapacity = 36 * kDigitsPerBillion;
// A sign, every digit and the point.
constexpr std::size_t kLongestText = kDigitCapacity + 2;

constexpr std::array<std::uint32_t, kMostDecimals + 1> kPowersOfTen = {
    1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000, 1000000000};

constexpr int kMantissaBits = 52;
constexpr int kExponentBias = 1075; // of the mantissa read as an integer
constexpr std::uint64_t kSignBit = 0x8000000000000000;

using Magnitude = Limbs<kLimbCapacity>;

void addOne(Magnitude& n) {
    for (int i = 0; i < n.used; ++i) {
        if (++n.limb[i] != 0)
            return;
    }
    n.limb[n.used++] = 1;
}

void shiftLeft(Magnitude& n, int bits) {
    int wholeLimbs = bits / kLimbBits;
    int offset = bits % kLimbBits;
    int used = n.used + wholeLimbs + 1;
    // From the top down, so that every limb is read before it is overwritten.
    for (int i = used - 1; i >= 0; --i) {
        std::uint32_t high = limbOrZero(n, i - wholeLimbs);
        std::uint32_t low = limbOrZero(n, i - wholeLimbs - 1);
        n.limb[i] = offset == 0 ? high : (high << offset) | (low >> (kLimbBits - offset));
    }
    n.used = used;
    dropLeadingZeroLimbs(n);
}

bool bitAt(const Magnitude& n, int index) {
    return (limbOrZero(n, index / kLimbBits) >> (index % kLimbBits) & 1) != 0;
}

bool anyBitBelow(const Magnitude& n, int index) {
    int limb = index / kLimbBits;
    for (int i = 0; i < limb && i < n.used; ++i) {
        if (n.limb[i] != 0)
            return true;
    }
    std::uint32_t lowBits = (std::uint32_t{1} << (index % kLimbBits)) - 1;
    return (limbOrZero(n, limb) & lowBits) != 0;
}

// n = n / 2^bits (bits >= 1), rounded to the nearest integer, an exact half to the even one.
void shiftRightRounded(Magnitude& n, int bits) {
    bool half = bitAt(n, bits - 1);
    bool belowHalf = anyBitBelow(n, bits - 1);
    int wholeLimbs = bits / kLimbBits;
    int offset = bits % kLimbBits;
    for (int i = 0; i < n.used; ++i) {
        std::uint32_t low = limbOrZero(n, i + wholeLimbs);
        std::uint32_t high = limbOrZero(n, i + wholeLimbs + 1);
        n.limb[i] = offset == 0 ? low : (low >> offset) | (high << (kLimbBits - offset));
    }
    dropLeadingZeroLimbs(n);
    if (half && (belowHalf || (limbOrZero(n, 0) & 1) != 0))
        addOne(n);
}

// n = n / divisor; returns the remainder.
std::uint32_t divideBy(Magnitude& n, std::uint32_t divisor) {
    std::uint64_t remainder = 0;
    for (int i = n.used - 1; i >= 0; --i) {
        std::uint64_t part = remainder << kLimbBits | n.limb[i];
        n.limb[i] = static_cast<std::uint32_t>(part / divisor);
        remainder = part % divisor;
    }
    dropLeadingZeroLimbs(n);
    return static_cast<std::uint32_t>(remainder);
}

// |value| * 10^decimals, rounded to an integer.
Magnitude scaledMagnitude(std::uint64_t bits, unsigned decimals) {
    int field = static_cast<int>(bits >> kMantissaBits & 0x7FF);
    std::uint64_t mantissa = bits & ((std::uint64_t{1} << kMantissaBits) - 1);
    int exponent = 1 - kExponentBias; // subnormals keep the smallest normal exponent
    if (field != 0) {
        mantissa |= std::uint64_t{1} << kMantissaBits;
        exponent = field - kExponentBias;
    }
    Magnitude n{};
    n.limb[0] = static_cast<std::uint32_t>(mantissa);
    n.limb[1] = static_cast<std::uint32_t>(mantissa >> kLimbBits);
    n.used = 2;
    dropLeadingZeroLimbs(n);
    // Scaling first keeps every step exact: only the last shift rounds.
    multiplyAdd(n, kPowersOfTen[decimals], 0);
    if (exponent >= 0)
        shiftLeft(n, exponent);
    else
        shiftRightRounded(n, -exponent);
    return n;
}

// The decimal digits of n (which it consumes), least significant first, at least `minimum`
// of them; returns how many.
std::size_t reversedDigits(Magnitude& n, std::size_t minimum, char* digits) {
    std::size_t count = 0;
    do {
        std::uint32_t group = divideBy(n, kBillion);
        for (int i = 0; i < kDigitsPerBillion; ++i) {
            digits[count++] = static_cast<char>('0' + group % 10);
            group /= 10;
        }
    } while (n.used > 0);
    while (count < minimum)
        digits[count++] = '0';
    while (count > minimum && digits[count - 1] == '0')
        --count;
    return count;
}

} // namespace

int formatFixedDecimal(double value, unsigned decimals, char* text, std::size_t capacity) {
    if (decimals > kMostDecimals)
        decimals = kMostDecimals;
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    Magnitude n = scaledMagnitude(bits, decimals);
    std::array<char, kDigitCapacity> digits{};
    std::size_t count = reversedDigits(n, decimals + 1, digits.data());

    std::array<char, kLongestText + 1> whole{};
    std::size_t length = 0;
    if ((bits & kSignBit) != 0)
        whole[length++] = '-';
    for (std::size_t i = count; i > decimals; --i)
        whole[length++] = digits[i - 1];
    if (decimals > 0) {
        whole[length++] = '.';
        for (std::size_t i = decimals; i > 0; --i)
            whole[length++] = digits[i - 1];
    }
    copyText(text, capacity, whole.data());
    return static_cast<int>(length);
}
