#pragma once
// Unsigned integers of a fixed number of 32-bit limbs, for the exact decimal conversions in
// both directions. Platform-free: no windows.h.
#include <array>
#include <cstdint>

constexpr int kLimbBits = 32;

// Least significant limb first; the top limb in use is nonzero.
template <int Capacity> struct Limbs {
    std::array<std::uint32_t, Capacity> limb;
    int used;
};

template <int Capacity> std::uint32_t limbOrZero(const Limbs<Capacity>& n, int index) {
    return index >= 0 && index < n.used ? n.limb[index] : 0;
}

template <int Capacity> void dropLeadingZeroLimbs(Limbs<Capacity>& n) {
    while (n.used > 0 && n.limb[n.used - 1] == 0)
        --n.used;
}

// n = n * factor + addend
template <int Capacity>
void multiplyAdd(Limbs<Capacity>& n, std::uint32_t factor, std::uint32_t addend) {
    std::uint64_t carry = addend;
    for (int i = 0; i < n.used; ++i) {
        carry += static_cast<std::uint64_t>(n.limb[i]) * factor;
        n.limb[i] = static_cast<std::uint32_t>(carry);
        carry >>= kLimbBits;
    }
    if (carry != 0)
        n.limb[n.used++] = static_cast<std::uint32_t>(carry);
}
