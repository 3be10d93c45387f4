#include "decimal.h"

#include "limbs.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace {

// Significant digits kept; of the rest only "all zero or not" counts. A midpoint between two
// neighbouring doubles, where the rounding changes, has at most 768 significant digits, so a
// text cut after 800 digits lies on the same side of every midpoint as the whole text.
constexpr int kKeptDigits = 800;

// With d1 the first nonzero digit, a value 0.d1d2... x 10^scale lies in [10^(scale-1), 10^scale).
// From 10^309 on every value is past the largest double; below 10^-324 every value is under
// half the smallest subnormal (2^-1075, about 2.47e-324).
constexpr int kLargestScale = 309;
constexpr int kSmallestScale = -323;

// Exponent digits past this change nothing: only a text of about 10^15 characters could bring
// such an exponent back into range.
constexpr std::int64_t kExponentCap = 1000000000000000;

// Upper bounds of the bit lengths of 10^e and 5^e (log2 10 < 3.322, log2 5 < 2.322).
constexpr int bitsOfPowerOfTen(int e) {
    return e * 3322 / 1000 + 1;
}
constexpr int bitsOfPowerOfFive(int e) {
    return e * 2322 / 1000 + 1;
}

// The largest numbers: the kept digits as an integer (below 10^800), the divisor 5^f for the
// smallest scale (f = 800 + 323), and the division registers, which are aligned to the larger
// of both and stay under twice the divisor. Products D * 5^e for e >= 0 stay below 10^309.
constexpr int kLargestFivePower = kKeptDigits - kSmallestScale;
constexpr int kRegisterBits = (bitsOfPowerOfTen(kKeptDigits) > bitsOfPowerOfFive(kLargestFivePower)
                                   ? bitsOfPowerOfTen(kKeptDigits)
                                   : bitsOfPowerOfFive(kLargestFivePower)) +
                              1;
constexpr int kLimbCapacity = (kRegisterBits + kLimbBits - 1) / kLimbBits;
static_assert(bitsOfPowerOfTen(kLargestScale) <= kRegisterBits, "products fit the registers");

constexpr std::array<std::uint32_t, 10> kPowersOfTen = {
    1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000, 1000000000};
constexpr int kDigitsPerStep = 9;
constexpr std::array<std::uint32_t, 14> kPowersOfFive = {
    1,     5,      25,      125,     625,      3125,      15625,
    78125, 390625, 1953125, 9765625, 48828125, 244140625, 1220703125};
constexpr int kFivesPerStep = 13;

constexpr int kMantissaBits = 52;
constexpr int kSmallestNormalExponent = -1022;
constexpr int kLargestExponent = 1023;
constexpr std::uint64_t kInfinityBits = 0x7FF0000000000000;
constexpr std::uint64_t kSignBit = 0x8000000000000000;

using BigNumber = Limbs<kLimbCapacity>;

int bitLength(const BigNumber& n) {
    if (n.used == 0)
        return 0;
    int bits = (n.used - 1) * kLimbBits;
    for (std::uint32_t top = n.limb[n.used - 1]; top != 0; top >>= 1)
        ++bits;
    return bits;
}

void multiplyByPowerOfFive(BigNumber& n, int exponent) {
    for (; exponent >= kFivesPerStep; exponent -= kFivesPerStep)
        multiplyAdd(n, kPowersOfFive[kFivesPerStep], 0);
    if (exponent > 0)
        multiplyAdd(n, kPowersOfFive[exponent], 0);
}

void shiftLeft(BigNumber& n, int bits) {
    if (n.used == 0 || bits == 0)
        return;
    int wholeLimbs = bits / kLimbBits;
    int offset = bits % kLimbBits;
    int used = (bitLength(n) + bits + kLimbBits - 1) / kLimbBits;
    // From the top down, so that every limb is read before it is overwritten.
    for (int i = used - 1; i >= 0; --i) {
        int from = i - wholeLimbs;
        std::uint32_t high = limbOrZero(n, from);
        n.limb[i] = offset == 0
                        ? high
                        : (high << offset) | (limbOrZero(n, from - 1) >> (kLimbBits - offset));
    }
    n.used = used;
}

void shiftLeftOne(BigNumber& n) {
    std::uint32_t carry = 0;
    for (int i = 0; i < n.used; ++i) {
        std::uint32_t next = n.limb[i] >> (kLimbBits - 1);
        n.limb[i] = (n.limb[i] << 1) | carry;
        carry = next;
    }
    if (carry != 0)
        n.limb[n.used++] = carry;
}

int compare(const BigNumber& a, const BigNumber& b) {
    if (a.used != b.used)
        return a.used < b.used ? -1 : 1;
    for (int i = a.used - 1; i >= 0; --i) {
        if (a.limb[i] != b.limb[i])
            return a.limb[i] < b.limb[i] ? -1 : 1;
    }
    return 0;
}

// a = a - b, for a >= b.
void subtract(BigNumber& a, const BigNumber& b) {
    std::uint32_t borrow = 0;
    for (int i = 0; i < a.used; ++i) {
        std::uint64_t difference =
            static_cast<std::uint64_t>(a.limb[i]) - limbOrZero(b, i) - borrow;
        a.limb[i] = static_cast<std::uint32_t>(difference);
        borrow = static_cast<std::uint32_t>(difference >> 63);
    }
    dropLeadingZeroLimbs(a);
}

// A decimal number as its first significant digits: 0.d1d2d3... x 10^scale, d1 nonzero.
struct DecimalDigits {
    bool negative;
    std::array<std::uint8_t, kKeptDigits> digit;
    int count;           // none for zero
    bool droppedNonzero; // a nonzero digit after the kept ones
    std::int64_t scale;
};

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads "[+-]digits[.digits][(e|E)[+-]digits]" from the start of text, at most length chars.
void readDecimal(const char* text, std::size_t length, DecimalDigits& number) {
    std::size_t i = 0;
    if (i < length && (text[i] == '+' || text[i] == '-')) {
        number.negative = text[i] == '-';
        ++i;
    }
    bool sawDigit = false;
    bool sawPoint = false;
    for (; i < length; ++i) {
        char c = text[i];
        if (c == '.' && !sawPoint) {
            sawPoint = true;
            continue;
        }
        if (!isDigit(c))
            break;
        sawDigit = true;
        if (number.count == 0 && c == '0') {
            if (sawPoint)
                --number.scale;
            continue;
        }
        if (!sawPoint)
            ++number.scale;
        if (number.count < kKeptDigits)
            number.digit[number.count++] = static_cast<std::uint8_t>(c - '0');
        else if (c != '0')
            number.droppedNonzero = true;
    }
    if (!sawDigit) {
        number.negative = false;
        return;
    }
    if (i >= length || (text[i] != 'e' && text[i] != 'E'))
        return;
    std::size_t j = i + 1;
    bool negativeExponent = false;
    if (j < length && (text[j] == '+' || text[j] == '-')) {
        negativeExponent = text[j] == '-';
        ++j;
    }
    std::int64_t exponent = 0;
    for (; j < length && isDigit(text[j]); ++j) {
        if (exponent < kExponentCap)
            exponent = exponent * 10 + (text[j] - '0');
    }
    number.scale += negativeExponent ? -exponent : exponent;
}

BigNumber integerOf(const DecimalDigits& number) {
    BigNumber n{};
    for (int first = 0; first < number.count; first += kDigitsPerStep) {
        int step = number.count - first < kDigitsPerStep ? number.count - first : kDigitsPerStep;
        std::uint32_t chunk = 0;
        for (int i = first; i < first + step; ++i)
            chunk = chunk * 10 + number.digit[i];
        multiplyAdd(n, kPowersOfTen[step], chunk);
    }
    return n;
}

// The bits of the double nearest (top + fraction) * 2^exponent, where top has its highest bit
// set and the fraction in [0, 1) is nonzero exactly when sticky is set. Ties go to even.
std::uint64_t roundToDoubleBits(std::uint64_t top, int exponent, bool sticky) {
    int highestBit = exponent + 63;
    if (highestBit > kLargestExponent)
        return kInfinityBits;
    // Below the normal range the last mantissa bit stays at 2^-1074.
    bool normal = highestBit >= kSmallestNormalExponent;
    int dropped = 63 - kMantissaBits + (normal ? 0 : kSmallestNormalExponent - highestBit);
    if (dropped > 64)
        return 0;
    std::uint64_t mantissa = dropped == 64 ? 0 : top >> dropped;
    bool roundBit = ((top >> (dropped - 1)) & 1) != 0;
    bool belowRoundBit = (top << (65 - dropped)) != 0 || sticky;
    if (roundBit && (belowRoundBit || (mantissa & 1) != 0))
        ++mantissa;
    // A carry out of the mantissa steps the exponent field up by itself; past the largest
    // double that gives exactly the pattern of infinity.
    std::uint64_t field =
        normal ? static_cast<std::uint64_t>(highestBit - kSmallestNormalExponent) : 0;
    return (field << kMantissaBits) + mantissa;
}

// The double of digits * 10^tens for tens >= 0: digits * 5^tens, then its top 64 bits.
std::uint64_t scaledUpBits(BigNumber& digits, int tens, bool sticky) {
    multiplyByPowerOfFive(digits, tens);
    int low = bitLength(digits) - 64; // the lowest bit that the top 64 bits keep
    if (low <= 0) {
        std::uint64_t value =
            static_cast<std::uint64_t>(limbOrZero(digits, 1)) << kLimbBits | digits.limb[0];
        return roundToDoubleBits(value << -low, low + tens, sticky);
    }
    int limb = low / kLimbBits;
    int offset = low % kLimbBits;
    std::uint64_t top = static_cast<std::uint64_t>(limbOrZero(digits, limb + 1))
                            << (kLimbBits - offset) |
                        digits.limb[limb] >> offset;
    if (offset != 0)
        top |= static_cast<std::uint64_t>(limbOrZero(digits, limb + 2)) << (2 * kLimbBits - offset);
    sticky = sticky || (digits.limb[limb] & ((std::uint32_t{1} << offset) - 1)) != 0;
    for (int i = 0; i < limb && !sticky; ++i)
        sticky = digits.limb[i] != 0;
    return roundToDoubleBits(top, low + tens, sticky);
}

// The double of digits / 10^tens: 64 quotient bits of digits / 5^tens by binary long division
// (the 2^tens goes to the exponent), the remainder as the sticky bit.
std::uint64_t scaledDownBits(BigNumber& digits, int tens, bool sticky) {
    BigNumber divisor{};
    divisor.limb[0] = 1;
    divisor.used = 1;
    multiplyByPowerOfFive(divisor, tens);
    // Aligned so that divisor <= remainder < 2 * divisor: the first quotient bit is the top one.
    BigNumber& remainder = digits;
    int shift = bitLength(divisor) - bitLength(remainder);
    if (shift > 0)
        shiftLeft(remainder, shift);
    else
        shiftLeft(divisor, -shift);
    if (compare(remainder, divisor) < 0) {
        shiftLeftOne(remainder);
        ++shift;
    }
    std::uint64_t quotient = 0;
    for (int bit = 0; bit < 64; ++bit) {
        quotient <<= 1;
        if (compare(remainder, divisor) >= 0) {
            subtract(remainder, divisor);
            quotient |= 1;
        }
        shiftLeftOne(remainder);
    }
    return roundToDoubleBits(quotient, -63 - shift - tens, sticky || remainder.used != 0);
}

std::uint64_t magnitudeBits(DecimalDigits& number) {
    if (number.count == 0 || number.scale < kSmallestScale)
        return 0;
    if (number.scale > kLargestScale)
        return kInfinityBits;
    while (number.digit[number.count - 1] == 0)
        --number.count;
    BigNumber digits = integerOf(number);
    int tens = static_cast<int>(number.scale) - number.count;
    if (tens >= 0)
        return scaledUpBits(digits, tens, number.droppedNonzero);
    return scaledDownBits(digits, -tens, number.droppedNonzero);
}

} // namespace

double decimalToDouble(const char* text, std::size_t length) {
    DecimalDigits number{};
    readDecimal(text, length, number);
    std::uint64_t bits = magnitudeBits(number);
    if (number.negative)
        bits |= kSignBit;
    double value = 0.0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}
