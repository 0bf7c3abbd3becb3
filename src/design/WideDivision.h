// Division of the decimal type's mantissas: 128 bits by 64 in one hardware
// step, rounded quotients by a floating-point estimate corrected exactly,
// and long division of a few 64-bit limbs for operands beyond 128 bits.
#pragma once

#include "design/DecimalDetail.h"

#include <cstdint>
#include <optional>

namespace yq::detail {

// (hi:lo) / d with hi < d: one hardware division where there is one.
std::uint64_t divide128by64(std::uint64_t hi, std::uint64_t lo, std::uint64_t d, std::uint64_t& rem);

// n / d for a 64-bit d (!= 0), with the remainder.
UWide divideBy64(UWide n, std::uint64_t d, std::uint64_t& rem);

// n / d, and n - q * d, from a floating-point estimate corrected exactly;
// false when the quotient may be too large for the estimate (d != 0).
bool divideByEstimate(UWide n, UWide d, UWide& q, UWide& r);

// |n| / |d| rounded half away from zero (d != 0).
UWide divideRoundedMagnitude(UWide n, UWide d);

// |n| / 10^k rounded half away from zero, 0 <= k <= 38.
UWide divideRoundedByPowerOfTen(UWide n, int k, const Wide* powers);

// ---------------------------------------------------------------------------
// Unsigned numbers of a few 64-bit limbs (least significant first), for the
// quotients whose operands outgrow 128 bits once scaled: long division
// (Knuth's algorithm D) without the general big-integer machinery.

inline constexpr int kMaxLimbs = 12;

struct Limbs {
    std::uint64_t w[kMaxLimbs + 1];
    int n = 0;  // limbs in use; w[n - 1] != 0 unless n == 0

    static Limbs of(UWide v) {
        Limbs l;
        l.w[0] = static_cast<std::uint64_t>(v);
        l.w[1] = static_cast<std::uint64_t>(v >> 64);
        l.n = l.w[1] ? 2 : (l.w[0] ? 1 : 0);
        return l;
    }
    // Multiplies by f; false when the result needs more than kMaxLimbs.
    bool multiply(std::uint64_t f) {
        std::uint64_t carry = 0;
        for (int i = 0; i < n; ++i) {
            const UWide p = UWide(w[i]) * f + carry;
            w[i] = static_cast<std::uint64_t>(p);
            carry = static_cast<std::uint64_t>(p >> 64);
        }
        if (carry) {
            if (n == kMaxLimbs) return false;
            w[n++] = carry;
        }
        return true;
    }
    // Divides by d (!= 0) and returns the remainder.
    std::uint64_t divide(std::uint64_t d) {
        std::uint64_t rem = 0;
        for (int i = n - 1; i >= 0; --i) w[i] = divide128by64(rem, w[i], d, rem);
        while (n > 0 && w[n - 1] == 0) --n;
        return rem;
    }
    bool scaleUp(int k) {
        constexpr std::uint64_t kStep = 10000000000000000000ull;  // 10^19
        for (; k >= 19; k -= 19) {
            if (!multiply(kStep)) return false;
        }
        return k == 0 || multiply(static_cast<std::uint64_t>(kPow10[static_cast<std::size_t>(k)]));
    }
};

// Compares a and b of the same limb count.

// u / v rounded half away from zero, when the quotient fits in 127 bits
// (v != 0).
std::optional<UWide> divideRoundedLimbs(const Limbs& u, const Limbs& v);

}  // namespace yq::detail
