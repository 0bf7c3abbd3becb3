#include "design/WideDivision.h"

#include <array>

namespace yq::detail {

// (hi:lo) / d with hi < d: one hardware division where there is one.
std::uint64_t divide128by64(std::uint64_t hi, std::uint64_t lo, std::uint64_t d, std::uint64_t& rem) {
#if defined(__x86_64__)
    std::uint64_t q;
    __asm__("divq %[d]" : "=a"(q), "=d"(rem) : [d] "rm"(d), "a"(lo), "d"(hi));
    return q;
#else
    const UWide n = (UWide(hi) << 64) | lo;
    rem = static_cast<std::uint64_t>(n % d);
    return static_cast<std::uint64_t>(n / d);
#endif
}

// n / d for a 64-bit d (!= 0), with the remainder.
UWide divideBy64(UWide n, std::uint64_t d, std::uint64_t& rem) {
    const auto hi = static_cast<std::uint64_t>(n >> 64);
    const auto lo = static_cast<std::uint64_t>(n);
    if (hi == 0) {
        rem = lo % d;
        return lo / d;
    }
    if (hi < d) return divide128by64(hi, lo, d, rem);  // one hardware division
    const std::uint64_t qhi = hi / d;
    const std::uint64_t qlo = divide128by64(hi % d, lo, d, rem);
    return (UWide(qhi) << 64) | qlo;
}

// n / d, and n - q * d, from a floating-point estimate corrected exactly;
// false when the quotient may be too large for the estimate (d != 0).
bool divideByEstimate(UWide n, UWide d, UWide& q, UWide& r) {
    // Bounds that keep q * d below 2^127 during the correction.
    if ((n >> 126) || (d >> 124)) return false;
    // Two 64-bit halves: not the nearest double, but near enough for an estimate.
    auto toDouble = [](UWide v) {
        return static_cast<double>(static_cast<std::uint64_t>(v >> 64)) * 18446744073709551616.0 +
               static_cast<double>(static_cast<std::uint64_t>(v));
    };
    const double estimate = toDouble(n) / toDouble(d);
    if (!(estimate < 4503599627370496.0)) return false;  // 2^52: within a few units of the quotient
    UWide qq = static_cast<UWide>(static_cast<std::uint64_t>(estimate));
    // One product; the corrections step the remainder by d.
    UWide p = qq * d;
    while (p > n) {
        --qq;
        p -= d;
    }
    UWide rest = n - p;
    while (rest >= d) {
        ++qq;
        rest -= d;
    }
    q = qq;
    r = rest;
    return true;
}

// |n| / |d| rounded half away from zero (d != 0).
UWide divideRoundedMagnitude(UWide n, UWide d) {
    if (!(d >> 64)) {
        // One or two hardware divisions.
        const auto d64 = static_cast<std::uint64_t>(d);
        std::uint64_t r = 0;
        const UWide q = divideBy64(n, d64, r);
        return r >= d64 - r ? q + 1 : q;
    }
    {
        UWide q, r;
        if (divideByEstimate(n, d, q, r)) return r >= d - r ? q + 1 : q;
    }
    const UWide q = n / d;
    const UWide r = n - q * d;
    return r >= d - r ? q + 1 : q;
}

namespace {

// n / 10^j for 1 <= j <= 19 by a multiplication: n / 2^j (a shift), then
// by 5^j through its rounded-up reciprocal m = ceil(2^(N + l) / 5^j), where
// N = 64 - j is the width of the shifted n and l = ceil(log2 5^j), which
// fits in 64 bits and gives the floor for every N-bit n (Granlund and
// Montgomery, "Division by invariant integers using multiplication", 4.2).
struct FivePowerReciprocal {
    std::uint64_t multiplier = 0;
    int shift = 0;  // N + l
};

constexpr std::array<FivePowerReciprocal, 20> kFivePowerReciprocals = [] {
    std::array<FivePowerReciprocal, 20> t{};
    UWide five = 1;
    for (int j = 1; j < 20; ++j) {
        five *= 5;
        int l = 0;
        while ((UWide(1) << l) < five) ++l;
        const int shift = 64 - j + l;
        t[static_cast<std::size_t>(j)] = {static_cast<std::uint64_t>(((UWide(1) << shift) + five - 1) / five), shift};
    }
    return t;
}();

std::uint64_t divideByPowerOfTen(std::uint64_t n, int j) {
    const FivePowerReciprocal& r = kFivePowerReciprocals[static_cast<std::size_t>(j)];
    return static_cast<std::uint64_t>((UWide(n >> j) * r.multiplier) >> r.shift);
}

// (high:low) / 10^19 with high < 10^19, with the remainder: 10^19 has its
// top bit set, so its reciprocal gives the quotient in two multiplications
// and at most two corrections (Moller and Granlund, "Improved division by
// invariant integers", algorithm 4).
std::uint64_t divideByTenToNineteen(std::uint64_t high, std::uint64_t low, std::uint64_t& rem) {
    constexpr std::uint64_t d = 10000000000000000000ull;
    constexpr std::uint64_t v = static_cast<std::uint64_t>(~UWide(0) / d);  // floor((2^128 - 1) / d) - 2^64
    const UWide p = UWide(v) * high + ((UWide(high) << 64) | low);
    auto q = static_cast<std::uint64_t>(p >> 64) + 1;
    std::uint64_t r = low - q * d;
    if (r > static_cast<std::uint64_t>(p)) {
        --q;
        r += d;
    }
    if (r >= d) {
        ++q;
        r -= d;
    }
    rem = r;
    return q;
}

}  // namespace

// |n| / 10^k rounded half away from zero, 0 <= k <= 38.
UWide divideRoundedByPowerOfTen(UWide n, int k, const Wide* powers) {
    if (k <= 19 || (n >> 64) == 0) return divideRoundedMagnitude(n, UWide(powers[k]));
    constexpr std::uint64_t kStep = 10000000000000000000ull;  // 10^19
    const auto high = static_cast<std::uint64_t>(n >> 64);
    if (high < kStep) {
        // n / 10^k = (n / 10^19) / 10^(k - 19), each step truncating; the
        // first quotient fits in 64 bits.
        std::uint64_t low = 0;
        const std::uint64_t first = divideByTenToNineteen(high, static_cast<std::uint64_t>(n), low);
        const auto rest = static_cast<std::uint64_t>(powers[k - 19]);
        const std::uint64_t q = divideByPowerOfTen(first, k - 19);
        const UWide r = UWide(first - q * rest) * kStep + low;  // n - q * 10^k
        const UWide d = UWide(powers[k]);
        return r >= d - r ? UWide(q) + 1 : UWide(q);
    }
    {
        UWide q, r;
        const UWide d = UWide(powers[k]);
        if (divideByEstimate(n, d, q, r)) return r >= d - r ? q + 1 : q;
    }
    std::uint64_t ignored = 0;
    const UWide q = divideBy64(divideBy64(n, kStep, ignored), static_cast<std::uint64_t>(powers[k - 19]), ignored);
    const UWide d = UWide(powers[k]);
    const UWide r = n - q * d;
    return r >= d - r ? q + 1 : q;
}

namespace {

int compareLimbs(const std::uint64_t* a, const std::uint64_t* b, int n) {
    for (int i = n - 1; i >= 0; --i) {
        if (a[i] != b[i]) return a[i] < b[i] ? -1 : 1;
    }
    return 0;
}

}  // namespace

// u / v rounded half away from zero, when the quotient fits in 127 bits
// (v != 0).
std::optional<UWide> divideRoundedLimbs(const Limbs& u, const Limbs& v) {
    if (u.n < v.n) {
        // u < v: the quotient rounds to 1 when 2u >= v, else to 0.
        Limbs twice = u;
        twice.multiply(2);
        if (twice.n < v.n) return UWide(0);
        return compareLimbs(twice.w, v.w, v.n) >= 0 ? UWide(1) : UWide(0);
    }
    const int m = u.n;
    const int n = v.n;
    if (m - n + 1 > 3) return std::nullopt;  // the quotient needs more than 128 bits
    // The quotient has at most three limbs here; the remainder is written
    // before it is read.
    std::uint64_t q[3] = {0, 0, 0};
    std::uint64_t r[kMaxLimbs];
    if (n == 1) {
        const std::uint64_t d = v.w[0];
        std::uint64_t rem = 0;
        for (int i = m - 1; i >= 0; --i) q[i] = divide128by64(rem, u.w[i], d, rem);
        r[0] = rem;
    } else {
        // Normalise so that the divisor's top limb has its top bit set.
        const int s = __builtin_clzll(v.w[n - 1]);
        std::uint64_t vn[kMaxLimbs];
        std::uint64_t un[kMaxLimbs + 1];
        for (int i = n - 1; i > 0; --i) vn[i] = (v.w[i] << s) | (s ? v.w[i - 1] >> (64 - s) : 0);
        vn[0] = v.w[0] << s;
        un[m] = s ? u.w[m - 1] >> (64 - s) : 0;
        for (int i = m - 1; i > 0; --i) un[i] = (u.w[i] << s) | (s ? u.w[i - 1] >> (64 - s) : 0);
        un[0] = u.w[0] << s;
        constexpr UWide kBase = UWide(1) << 64;
        for (int j = m - n; j >= 0; --j) {
            UWide qhat;
            UWide rhat;
            if (un[j + n] < vn[n - 1]) {
                std::uint64_t r64 = 0;
                qhat = divide128by64(un[j + n], un[j + n - 1], vn[n - 1], r64);
                rhat = r64;
            } else {
                const UWide num = (UWide(un[j + n]) << 64) | un[j + n - 1];
                qhat = num / vn[n - 1];
                rhat = num % vn[n - 1];
            }
            while (qhat >= kBase || qhat * vn[n - 2] > ((rhat << 64) | un[j + n - 2])) {
                --qhat;
                rhat += vn[n - 1];
                if (rhat >= kBase) break;
            }
            // un[j .. j+n] -= qhat * vn
            std::uint64_t borrow = 0;
            std::uint64_t carry = 0;
            for (int i = 0; i < n; ++i) {
                const UWide p = qhat * vn[i] + carry;
                carry = static_cast<std::uint64_t>(p >> 64);
                const std::uint64_t low = static_cast<std::uint64_t>(p);
                const std::uint64_t before = un[i + j];
                const std::uint64_t diff = before - low - borrow;
                borrow = (before < low) || (before - low < borrow) ? 1 : 0;
                un[i + j] = diff;
            }
            const std::uint64_t top = un[j + n];
            un[j + n] = top - carry - borrow;
            const bool negative = top < carry || top - carry < borrow;
            q[j] = static_cast<std::uint64_t>(qhat);
            if (negative) {
                // Added back once: qhat was one too large.
                --q[j];
                std::uint64_t c = 0;
                for (int i = 0; i < n; ++i) {
                    const UWide t = UWide(un[i + j]) + vn[i] + c;
                    un[i + j] = static_cast<std::uint64_t>(t);
                    c = static_cast<std::uint64_t>(t >> 64);
                }
                un[j + n] += c;
            }
        }
        // The remainder, still normalised, against the normalised divisor.
        for (int i = 0; i < n; ++i) r[i] = un[i];
        // 2r >= v  <=>  r >= v - r (all normalised alike)
        std::uint64_t rest[kMaxLimbs];
        std::uint64_t borrow = 0;
        for (int i = 0; i < n; ++i) {
            const std::uint64_t d = vn[i] - r[i] - borrow;
            borrow = (vn[i] < r[i]) || (vn[i] - r[i] < borrow) ? 1 : 0;
            rest[i] = d;
        }
        const int qn = m - n + 1;
        if (qn == 3 && q[2]) return std::nullopt;
        UWide quotient = (UWide(q[1]) << 64) | q[0];
        if (compareLimbs(r, rest, n) >= 0) ++quotient;
        if (quotient > UWide(kWideMax)) return std::nullopt;
        return quotient;
    }
    // One-limb divisor: 2r >= d  <=>  r >= d - r.
    if (m > 2 && q[2]) return std::nullopt;
    UWide quotient = (UWide(q[1]) << 64) | q[0];
    if (r[0] >= v.w[0] - r[0]) ++quotient;
    if (quotient > UWide(kWideMax)) return std::nullopt;
    return quotient;
}

}  // namespace yq::detail
