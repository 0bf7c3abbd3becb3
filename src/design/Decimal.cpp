#include "design/Decimal.h"

#include "design/BigInt.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <stdexcept>
#include <system_error>

namespace yq {

namespace {

// The integer of the out-of-line form. Its first 640 bits live inside the
// object, which covers the wide values of real designs (long chains of
// quotients and powers) without further allocation.
using Int =
    boost::multiprecision::number<boost::multiprecision::cpp_int_backend<
                                      640, 0, boost::multiprecision::signed_magnitude, boost::multiprecision::unchecked,
                                      std::allocator<boost::multiprecision::limb_type>>,
                                  boost::multiprecision::et_off>;

Int toInt(const BigInt& value) { return Int(value.base()); }
BigInt toBigInt(const Int& value) { return BigInt(BigInt::Base(value)); }

}  // namespace

// The out-of-line mantissa of a value that does not fit in 128 bits.
struct Decimal::Big {
    Int value;
};

namespace {

using Wide = Decimal::Wide;
__extension__ typedef unsigned __int128 UWide;

constexpr int kWidePowers = 39;  // 10^0 ... 10^38 fit in a signed 128-bit integer

constexpr std::array<Wide, kWidePowers> makeWidePowers() {
    std::array<Wide, kWidePowers> t{};
    t[0] = 1;
    for (int i = 1; i < kWidePowers; ++i) t[i] = t[i - 1] * 10;
    return t;
}
constexpr std::array<Wide, kWidePowers> kPow10 = makeWidePowers();

constexpr Wide kWideMax = static_cast<Wide>(~UWide(0) >> 1);
constexpr Wide kWideMin = -kWideMax - 1;

UWide magnitude(Wide v) { return v < 0 ? UWide(0) - UWide(v) : UWide(v); }

// m * 10^k without overflow, or false.
bool scaleUp(Wide m, int k, Wide& out) {
    if (k == 0) {
        out = m;
        return true;
    }
    if (k >= kWidePowers) {
        out = 0;
        return m == 0;
    }
    return !__builtin_mul_overflow(m, kPow10[static_cast<std::size_t>(k)], &out);
}

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
    if ((n | d) >> 64) {
        UWide q, r;
        if (divideByEstimate(n, d, q, r)) return r >= d - r ? q + 1 : q;
    }
    if (!(d >> 64)) {
        const auto d64 = static_cast<std::uint64_t>(d);
        std::uint64_t r = 0;
        const UWide q = divideBy64(n, d64, r);
        return r >= d64 - r ? q + 1 : q;
    }
    const UWide q = n / d;
    const UWide r = n - q * d;
    return r >= d - r ? q + 1 : q;
}

// |n| / 10^k rounded half away from zero, 0 <= k <= 38.
UWide divideRoundedByPowerOfTen(UWide n, int k, const Wide* powers) {
    if (k <= 19 || (n >> 64) == 0) return divideRoundedMagnitude(n, UWide(powers[k]));
    {
        UWide q, r;
        const UWide d = UWide(powers[k]);
        if (divideByEstimate(n, d, q, r)) return r >= d - r ? q + 1 : q;
    }
    std::uint64_t ignored = 0;
    constexpr std::uint64_t kStep = 10000000000000000000ull;  // 10^19
    const UWide q = divideBy64(divideBy64(n, kStep, ignored), static_cast<std::uint64_t>(powers[k - 19]), ignored);
    const UWide d = UWide(powers[k]);
    const UWide r = n - q * d;
    return r >= d - r ? q + 1 : q;
}

constexpr int kCachedPowers = 128;

const std::array<Int, kCachedPowers>& powerTable() {
    static const std::array<Int, kCachedPowers> table = [] {
        std::array<Int, kCachedPowers> t;
        t[0] = 1;
        for (int i = 1; i < kCachedPowers; ++i) t[i] = t[i - 1] * 10;
        return t;
    }();
    return table;
}

// Divides |num| by |den| (den != 0) and rounds half away from zero; the sign
// of the result is negative when exactly one operand is.
// 10^n (cached for the small powers).
const Int& intPower(int n) {
    if (n < kCachedPowers) return powerTable()[static_cast<std::size_t>(n)];
    // Larger powers are rare (long chains of quotients); build them on demand.
    thread_local Int scratch;
    scratch = powerTable()[kCachedPowers - 1];
    for (int i = kCachedPowers - 1; i < n; ++i) scratch *= 10;
    return scratch;
}

Int divideRounded(const Int& num, const Int& den) {
    const bool negative = (num.sign() < 0) != (den.sign() < 0);
    Int n = boost::multiprecision::abs(num);
    Int d = boost::multiprecision::abs(den);
    Int q;
    Int r;
    boost::multiprecision::divide_qr(n, d, q, r);
    r <<= 1;
    if (r >= d) ++q;
    return negative ? Int(-q) : q;
}

const Int& bigWideMax() {
    static const Int value(kWideMax);
    return value;
}
const Int& bigWideMin() {
    static const Int value(kWideMin);
    return value;
}

// Writes the decimal digits of m (most significant first) into the end of
// a buffer; returns the first digit.
char* writeDigits(UWide m, char* end) {
    char* p = end;
    do {
        // Two steps per 64-bit chunk keep most divisions in 64 bits.
        if (m >> 64) {
            constexpr std::uint64_t kChunk = 10000000000000000000ull;  // 10^19
            std::uint64_t low = 0;
            m = divideBy64(m, kChunk, low);
            for (int i = 0; i < 19; ++i) {
                *--p = static_cast<char>('0' + low % 10);
                low /= 10;
            }
        } else {
            std::uint64_t v = static_cast<std::uint64_t>(m);
            do {
                *--p = static_cast<char>('0' + v % 10);
                v /= 10;
            } while (v);
            m = 0;
        }
    } while (m);
    return p;
}

// m / 10^scale rounded to the nearest double, through the 64-bit mantissa of
// the x87 extended type: the mantissa and at most two exact powers of ten
// (10^27 and below are exact there) give a quotient within 4 units of its
// last place of the true value, so rounding it to a double gives the true
// value's double unless it lies within that distance of a midpoint between
// two doubles (or of a change of binade). Then it returns false and the
// caller converts through the digits.
bool realByExtendedDivision(Wide m, int scale, double& out) {
#if defined(__x86_64__) && __LDBL_MANT_DIG__ == 64
    constexpr int kExactExtended = 27;
    if (m == 0 || scale < 0 || scale > 2 * kExactExtended) return false;
    static const auto powers = [] {
        std::array<long double, kExactExtended + 1> t{};
        t[0] = 1.0L;
        for (std::size_t i = 1; i < t.size(); ++i) t[i] = t[i - 1] * 10.0L;
        return t;
    }();
    const UWide mag = magnitude(m);
    long double y = static_cast<long double>(mag);
    if (scale > kExactExtended) {
        y /= powers[kExactExtended];
        y /= powers[static_cast<std::size_t>(scale - kExactExtended)];
    } else {
        y /= powers[static_cast<std::size_t>(scale)];
    }
    // Far from the ends of the double range, so that no subnormal or
    // infinite result arises.
    if (!(y > 1e-290L && y < 1e290L)) return false;
    std::uint64_t bits;
    static_assert(sizeof(long double) >= sizeof bits);
    std::memcpy(&bits, &y, sizeof bits);  // the explicit 64-bit mantissa, top bit set
    constexpr std::uint64_t kMargin = 16;
    const std::uint64_t low = bits & 0x7ff;                              // the 11 bits below a double's 53
    if (low + kMargin >= 0x400 && low <= 0x400 + kMargin) return false;  // near a midpoint
    const std::uint64_t fromBottom = bits - (std::uint64_t(1) << 63);
    if (fromBottom < (kMargin << 11) || ~bits < (kMargin << 11)) return false;  // near a power of two
    const double r = static_cast<double>(y);
    out = m < 0 ? -r : r;
    return true;
#else
    (void)m;
    (void)scale;
    (void)out;
    return false;
#endif
}

// Text of a mantissa with `places` places (digits padded with zeros).
void appendFixed(std::string& out, bool negative, std::string_view digits, int places) {
    if (negative) out += '-';
    const auto p = static_cast<std::size_t>(places);
    if (places <= 0) {
        out += digits;
        return;
    }
    if (digits.size() <= p) {
        out += '0';
        out += '.';
        out.append(p - digits.size(), '0');
        out += digits;
    } else {
        out.append(digits.substr(0, digits.size() - p));
        out += '.';
        out.append(digits.substr(digits.size() - p));
    }
}

// ---------------------------------------------------------------------------
// Unsigned numbers of a few 64-bit limbs (least significant first), for the
// quotients whose operands outgrow 128 bits once scaled: long division
// (Knuth's algorithm D) without the general big-integer machinery.

constexpr int kMaxLimbs = 12;

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
int compareLimbs(const std::uint64_t* a, const std::uint64_t* b, int n) {
    for (int i = n - 1; i >= 0; --i) {
        if (a[i] != b[i]) return a[i] < b[i] ? -1 : 1;
    }
    return 0;
}

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

}  // namespace

// Operations on the out-of-line form, and the bridge between the two forms.
struct DecimalInternals {
    static Int big(const Decimal& d) { return d.big_ ? d.big_->value : Int(d.small_); }
    static const Wide& small(const Decimal& d) { return d.small_; }
    static bool isSmall(const Decimal& d) { return d.big_ == nullptr; }
    static Decimal make(Wide m, int scale) {
        Decimal d;
        d.small_ = m;
        d.scale_ = scale;
        return d;
    }
    // A value from a big mantissa, held inline when it fits.
    static Decimal make(Int&& m, int scale) {
        Decimal d;
        d.scale_ = scale;
        if (m >= bigWideMin() && m <= bigWideMax()) {
            d.small_ = m.convert_to<Wide>();
        } else {
            d.big_ = new Decimal::Big{std::move(m)};
        }
        return d;
    }

    static void align(const Decimal& a, const Decimal& b, Int& ma, Int& mb, int& scale) {
        scale = std::max(a.scale_, b.scale_);
        ma = big(a);
        mb = big(b);
        if (a.scale_ < scale) ma *= intPower(scale - a.scale_);
        if (b.scale_ < scale) mb *= intPower(scale - b.scale_);
    }
    static bool alignSmall(const Decimal& a, const Decimal& b, Wide& ma, Wide& mb, int& scale) {
        if (a.big_ || b.big_) return false;
        scale = std::max(a.scale_, b.scale_);
        return scaleUp(a.small_, scale - a.scale_, ma) && scaleUp(b.small_, scale - b.scale_, mb);
    }

    static Decimal add(const Decimal& a, const Decimal& b, bool subtract) {
        Wide ma, mb, sum;
        int scale = 0;
        if (alignSmall(a, b, ma, mb, scale)) {
            const bool overflow =
                subtract ? __builtin_sub_overflow(ma, mb, &sum) : __builtin_add_overflow(ma, mb, &sum);
            if (!overflow) return make(sum, scale);
        }
        Int x, y;
        align(a, b, x, y, scale);
        return make(subtract ? Int(x - y) : Int(x + y), scale);
    }

    static Decimal multiply(const Decimal& a, const Decimal& b) {
        if (!a.big_ && !b.big_) {
            // Two 64-bit mantissas (the usual case) cannot overflow 128 bits.
            const auto x = static_cast<std::int64_t>(a.small_);
            const auto y = static_cast<std::int64_t>(b.small_);
            if (x == a.small_ && y == b.small_) return make(Wide(x) * y, a.scale_ + b.scale_);
            Wide product;
            if (!__builtin_mul_overflow(a.small_, b.small_, &product)) return make(product, a.scale_ + b.scale_);
        }
        Limbs x, y;
        if (limbsOf(a, x) && limbsOf(b, y) && x.n + y.n <= kMaxLimbs) {
            // Schoolbook product; it exceeds 127 bits, so it goes out of line.
            std::uint64_t w[kMaxLimbs] = {};
            for (int i = 0; i < x.n; ++i) {
                std::uint64_t carry = 0;
                for (int j = 0; j < y.n; ++j) {
                    const UWide t = UWide(x.w[i]) * y.w[j] + w[i + j] + carry;
                    w[i + j] = static_cast<std::uint64_t>(t);
                    carry = static_cast<std::uint64_t>(t >> 64);
                }
                w[i + y.n] = carry;
            }
            int n = x.n + y.n;
            while (n > 0 && w[n - 1] == 0) --n;
            if (n == 0) return make(Wide(0), a.scale_ + b.scale_);
            Int m;
            auto& backend = m.backend();
            backend.resize(static_cast<unsigned>(n), static_cast<unsigned>(n));
            for (int i = 0; i < n; ++i) backend.limbs()[i] = w[i];
            backend.normalize();
            if ((a.sign() < 0) != (b.sign() < 0)) backend.negate();
            return make(std::move(m), a.scale_ + b.scale_);
        }
        return make(Int(big(a) * big(b)), a.scale_ + b.scale_);
    }

    static Decimal divide(const Decimal& a, const Decimal& b) {
        if (a.isZero() || b.isZero()) return Decimal();
        // result * 10^31 = a.m * 10^(31 + b.scale - a.scale) / b.m
        const int e = kQuotientPlaces + b.scale_ - a.scale_;
        if (!a.big_ && !b.big_) {
            Wide n = a.small_;
            Wide d = b.small_;
            if (e >= 0 ? scaleUp(n, e, n) : scaleUp(d, -e, d)) {
                const bool negative = (n < 0) != (d < 0);
                const UWide q = divideRoundedMagnitude(magnitude(n), magnitude(d));
                if (q <= UWide(kWideMax)) {
                    const Wide s = static_cast<Wide>(q);
                    return make(negative ? -s : s, kQuotientPlaces);
                }
            }
        }
        Limbs n, d;
        if (limbsOf(a, n) && limbsOf(b, d) && (e >= 0 ? n.scaleUp(e) : d.scaleUp(-e))) {
            if (const auto q = divideRoundedLimbs(n, d)) {
                const Wide s = static_cast<Wide>(*q);
                return make((a.sign() < 0) != (b.sign() < 0) ? -s : s, kQuotientPlaces);
            }
        }
        if (e >= 0) return make(divideRounded(Int(big(a) * intPower(e)), big(b)), kQuotientPlaces);
        return make(divideRounded(big(a), Int(big(b) * intPower(-e))), kQuotientPlaces);
    }

    // The magnitude as limbs, when it has few enough.
    static bool limbsOf(const Decimal& d, Limbs& out) {
        if (!d.big_) {
            out = Limbs::of(magnitude(d.small_));
            return true;
        }
        const auto& backend = d.big_->value.backend();
        const auto size = static_cast<int>(backend.size());
        if (size > kMaxLimbs - 2) return false;
        static_assert(sizeof(*backend.limbs()) == sizeof(std::uint64_t));
        for (int i = 0; i < size; ++i) out.w[i] = backend.limbs()[i];
        out.n = size;
        while (out.n > 0 && out.w[out.n - 1] == 0) --out.n;
        return true;
    }

    static int compare(const Decimal& a, const Decimal& b) {
        const int sa = a.sign();
        const int sb = b.sign();
        if (sa != sb) return sa < sb ? -1 : 1;
        Wide ma, mb;
        int scale = 0;
        if (alignSmall(a, b, ma, mb, scale)) return ma < mb ? -1 : (ma > mb ? 1 : 0);
        Int x, y;
        align(a, b, x, y, scale);
        return x.compare(y) < 0 ? -1 : (x.compare(y) > 0 ? 1 : 0);
    }

    static Decimal rounded(const Decimal& v, int places) {
        if (places >= v.scale_) return v;
        const int k = v.scale_ - places;
        if (!v.big_) {
            // |m| < 1.8 * 10^38, so a step of 10^39 or more always rounds to 0.
            if (k >= kWidePowers) return make(Wide(0), places);
            const UWide q = divideRoundedByPowerOfTen(magnitude(v.small_), k, kPow10.data());
            const Wide s = static_cast<Wide>(q);  // q <= |m|: fits
            return make(v.small_ < 0 ? -s : s, places);
        }
        return make(divideRounded(big(v), intPower(k)), places);
    }
};

const BigInt& powerOfTen(int n) {
    if (n < 0) throw std::invalid_argument("negative power of ten");
    static const std::array<BigInt, kCachedPowers> table = [] {
        std::array<BigInt, kCachedPowers> t;
        for (int i = 0; i < kCachedPowers; ++i) t[static_cast<std::size_t>(i)] = toBigInt(intPower(i));
        return t;
    }();
    if (n < kCachedPowers) return table[static_cast<std::size_t>(n)];
    thread_local BigInt scratch;
    scratch = toBigInt(intPower(n));
    return scratch;
}

Decimal::Decimal(const BigInt& mantissa, int scale) {
    Int m = toInt(mantissa);
    if (scale < 0) {
        m *= intPower(-scale);
        scale = 0;
    }
    *this = DecimalInternals::make(std::move(m), scale);
}

Decimal::Decimal(Wide mantissa, int scale, int shift) : scale_(scale) {
    if (!scaleUp(mantissa, shift, small_)) {
        small_ = 0;
        big_ = new Big{Int(Int(mantissa) * intPower(shift))};
    }
}

void Decimal::copyBig(const Decimal& other) { big_ = new Big(*other.big_); }

void Decimal::assignSlow(const Decimal& other) {
    if (this == &other) return;
    if (big_ && other.big_) {
        big_->value = other.big_->value;
    } else if (other.big_) {
        big_ = new Big(*other.big_);
    } else {
        releaseBig();
    }
    small_ = other.small_;
    scale_ = other.scale_;
}

void Decimal::releaseBig() {
    delete big_;
    big_ = nullptr;
}

int Decimal::sign() const {
    if (big_) return big_->value.sign();
    return small_ > 0 ? 1 : (small_ < 0 ? -1 : 0);
}

BigInt Decimal::mantissa() const { return toBigInt(DecimalInternals::big(*this)); }

std::optional<Decimal> Decimal::parse(std::string_view text) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::size_t start = i;
    std::size_t point = std::string_view::npos;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '.' && point == std::string_view::npos) {
            point = i;
        } else if (c < '0' || c > '9') {
            return std::nullopt;
        }
    }
    const std::size_t digitCount = text.size() - start - (point == std::string_view::npos ? 0 : 1);
    if (digitCount == 0) return std::nullopt;
    const int scale = point == std::string_view::npos ? 0 : static_cast<int>(text.size() - point - 1);
    if (digitCount <= 38) {
        Wide m = 0;
        for (std::size_t j = start; j < text.size(); ++j) {
            if (text[j] != '.') m = m * 10 + (text[j] - '0');
        }
        return DecimalInternals::make(negative ? -m : m, scale);
    }
    // Exact for any length: 18 digits at a time.
    Int m = 0;
    std::uint64_t chunk = 0;
    int chunkDigits = 0;
    for (std::size_t j = start; j < text.size(); ++j) {
        if (text[j] == '.') continue;
        chunk = chunk * 10 + static_cast<std::uint64_t>(text[j] - '0');
        if (++chunkDigits == 18) {
            m = m * intPower(18) + chunk;
            chunk = 0;
            chunkDigits = 0;
        }
    }
    if (chunkDigits > 0) m = m * intPower(chunkDigits) + chunk;
    if (negative) m = -m;
    return DecimalInternals::make(std::move(m), scale);
}

std::optional<Decimal> Decimal::parseBounded(std::string_view text) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::size_t start = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
    const std::string_view integerDigits = text.substr(start, i - start);
    std::string_view fractionDigits;
    if (i < text.size() && text[i] == '.') {
        const std::size_t fractionStart = ++i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
        fractionDigits = text.substr(fractionStart, i - fractionStart);
    }
    if (i != text.size() || (integerDigits.empty() && fractionDigits.empty())) return std::nullopt;
    return fromDigits(negative, integerDigits, fractionDigits);
}

Decimal Decimal::fromDigits(bool negative, std::string_view integerDigits, std::string_view fractionDigits,
                            long long exponent) {
    // The digits as one run d[0] d[1] ... with d[0] at the power
    // integerDigits.size() - 1 + exponent.
    const std::size_t total = integerDigits.size() + fractionDigits.size();
    auto digitAt = [&](std::size_t k) {
        return k < integerDigits.size() ? integerDigits[k] : fractionDigits[k - integerDigits.size()];
    };
    std::size_t first = integerDigits.find_first_not_of('0');
    if (first == std::string_view::npos) {
        const std::size_t inFraction = fractionDigits.find_first_not_of('0');
        if (inFraction == std::string_view::npos) return Decimal();
        first = integerDigits.size() + inFraction;
    }
    // Power of ten of the first significant digit, without overflow.
    const Wide leading = Wide(exponent) + Wide(integerDigits.size()) - 1 - Wide(first);
    if (leading >= kReadIntegerDigits) {
        const Wide limit = kPow10[kReadIntegerDigits];
        return DecimalInternals::make(negative ? -limit : limit, 0);
    }
    if (leading < -kReadPlaces) return Decimal();
    // Keep the digits down to the power -kReadPlaces (at most 38 of them).
    const std::size_t count = std::min<std::size_t>(total - first, static_cast<std::size_t>(leading + kReadPlaces + 1));
    Wide m = 0;
    for (std::size_t k = first; k < first + count; ++k) m = m * 10 + (digitAt(k) - '0');
    const int lastPower = static_cast<int>(leading) - static_cast<int>(count) + 1;
    if (negative) m = -m;
    if (lastPower >= 0) return Decimal(m, 0, lastPower);
    return DecimalInternals::make(m, -lastPower);
}

Decimal Decimal::of(std::string_view text) {
    auto value = parse(text);
    if (!value) throw std::invalid_argument("not a decimal constant");
    return *value;
}

Decimal Decimal::fromReal(double value) {
    if (!std::isfinite(value)) return Decimal();
    // 15 significant digits: one before the point and 14 after.
    char buffer[40];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    const char* p = buffer;
    const char* end = result.ptr;
    bool negative = false;
    if (*p == '-') {
        negative = true;
        ++p;
    }
    std::int64_t digits = 0;
    for (; p < end && *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9') digits = digits * 10 + (*p - '0');
    }
    int exponent = 0;
    if (p < end && *p == 'e') {
        ++p;
        if (*p == '+') ++p;
        std::from_chars(p, end, exponent);
    }
    if (digits == 0) return Decimal();
    // value = digits * 10^(exponent - 14)
    const int scale = 14 - exponent;
    const Wide m = negative ? -Wide(digits) : Wide(digits);
    if (scale >= 0) return DecimalInternals::make(m, scale);
    return Decimal(m, 0, -scale);
}

double Decimal::toReal() const {
    // Exact operands and one IEEE division give a correctly rounded result.
    static constexpr double exactPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                             1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    constexpr Wide kExactLimit = Wide(1) << 53;
    if (!big_) {
        if (scale_ <= 22 && small_ < kExactLimit && small_ > -kExactLimit)
            return static_cast<double>(static_cast<std::int64_t>(small_)) / exactPowers[scale_];
        double fast = 0.0;
        if (realByExtendedDivision(small_, scale_, fast)) return fast;
        // "digits e-scale", read back correctly rounded.
        char buffer[64];
        char* end = buffer + 48;
        char* p = writeDigits(magnitude(small_), end);
        if (small_ < 0) *--p = '-';
        *end++ = 'e';
        *end++ = '-';
        end = std::to_chars(end, buffer + sizeof buffer, scale_).ptr;
        double result = 0.0;
        if (std::from_chars(p, end, result).ec == std::errc::result_out_of_range) {
            *end = '\0';
            return std::strtod(p, nullptr);
        }
        return result;
    }
    Limbs limbs;
    if (DecimalInternals::limbsOf(*this, limbs)) {
        // At most 12 limbs: 232 digits, a sign and the exponent.
        char buffer[kMaxLimbs * 20 + 32];
        char* end = buffer + kMaxLimbs * 20 + 2;
        char* p = end;
        constexpr std::uint64_t kChunk = 10000000000000000000ull;  // 10^19
        while (limbs.n > 0) {
            std::uint64_t rem = limbs.divide(kChunk);
            const bool last = limbs.n == 0;
            for (int i = 0; i < 19 && (!last || rem); ++i) {
                *--p = static_cast<char>('0' + rem % 10);
                rem /= 10;
            }
        }
        if (sign() < 0) *--p = '-';
        *end++ = 'e';
        *end++ = '-';
        end = std::to_chars(end, buffer + sizeof buffer - 1, scale_).ptr;
        double result = 0.0;
        if (std::from_chars(p, end, result).ec == std::errc::result_out_of_range) {
            *end = '\0';
            return std::strtod(p, nullptr);
        }
        return result;
    }
    const std::string text = big_->value.str() + "e-" + std::to_string(scale_);
    double result = 0.0;
    const auto r = std::from_chars(text.data(), text.data() + text.size(), result);
    if (r.ec == std::errc::result_out_of_range) return std::strtod(text.c_str(), nullptr);
    return result;
}

Decimal Decimal::rounded(int places) const { return DecimalInternals::rounded(*this, places); }

BigInt Decimal::truncated() const {
    if (scale_ == 0) return mantissa();
    return toBigInt(Int(DecimalInternals::big(*this) / intPower(scale_)));  // division truncates toward zero
}

long long Decimal::truncatedClamped(long long limit) const {
    if (!big_) {
        const Wide whole = scale_ < kWidePowers ? small_ / kPow10[static_cast<std::size_t>(scale_)] : 0;
        if (whole > limit) return limit;
        if (whole < -limit) return -limit;
        return static_cast<long long>(whole);
    }
    const Int whole = DecimalInternals::big(*this) / intPower(scale_);
    if (whole > limit) return limit;
    if (whole < -limit) return -limit;
    return whole.convert_to<long long>();
}

std::string Decimal::truncatedText() const {
    if (!big_) {
        const Wide whole = scale_ < kWidePowers ? small_ / kPow10[static_cast<std::size_t>(scale_)] : 0;
        char buffer[48];
        char* end = buffer + sizeof buffer;
        char* p = writeDigits(magnitude(whole), end);
        if (whole < 0) *--p = '-';
        return std::string(p, end);
    }
    return Int(DecimalInternals::big(*this) / intPower(scale_)).str();
}

std::string Decimal::toFixed(int places) const {
    const Decimal r = rounded(places);
    std::string out;
    if (!r.big_) {
        Wide m;
        if (scaleUp(r.small_, places - r.scale_, m)) {
            char buffer[48];
            char* end = buffer + sizeof buffer;
            const char* p = writeDigits(magnitude(m), end);
            out.reserve(static_cast<std::size_t>(end - p) + static_cast<std::size_t>(std::max(places, 0)) + 3);
            appendFixed(out, m < 0, std::string_view(p, static_cast<std::size_t>(end - p)), places);
            return out;
        }
    }
    Int m = DecimalInternals::big(r);
    if (r.scale_ < places) m *= intPower(places - r.scale_);
    const std::string digits = Int(boost::multiprecision::abs(m)).str();
    appendFixed(out, m.sign() < 0, digits, places);
    return out;
}

Decimal Decimal::pow(int n) const {
    if (n <= 0) return Decimal(1);
    // 1 x a x a ... has a's mantissa and scale after the first step.
    Decimal result = *this;
    for (int i = 1; i < n; ++i) result = result * *this;
    return result;
}

Decimal operator+(const Decimal& a, const Decimal& b) { return DecimalInternals::add(a, b, false); }

Decimal operator-(const Decimal& a, const Decimal& b) { return DecimalInternals::add(a, b, true); }

Decimal operator-(const Decimal& a) {
    if (!a.big_ && a.small_ != kWideMin) return DecimalInternals::make(-a.small_, a.scale_);
    return DecimalInternals::make(Int(-DecimalInternals::big(a)), a.scale_);
}

Decimal operator*(const Decimal& a, const Decimal& b) { return DecimalInternals::multiply(a, b); }

Decimal operator/(const Decimal& a, const Decimal& b) { return DecimalInternals::divide(a, b); }

int compare(const Decimal& a, const Decimal& b) { return DecimalInternals::compare(a, b); }

const Decimal& pi() {
    static const Decimal value = Decimal::of("3.1415926535898");
    return value;
}

// ---------------------------------------------------------------------------

namespace {

constexpr std::array<std::int64_t, 19> makeInt64Powers() {
    std::array<std::int64_t, 19> t{};
    t[0] = 1;
    for (std::size_t i = 1; i < t.size(); ++i) t[i] = t[i - 1] * 10;
    return t;
}
constexpr std::array<std::int64_t, 19> kPow10Int64 = makeInt64Powers();

}  // namespace

std::int64_t DecimalField::maxMantissa() const {
    if (storage_.digits < kPow10Int64.size()) return kPow10Int64[storage_.digits] - 1;
    std::int64_t max = 1;
    for (int i = 0; i < storage_.digits; ++i) max *= 10;
    return max - 1;
}

DecimalField& DecimalField::operator=(const Decimal& value) {
    const Decimal r = value.rounded(storage_.places);
    const std::int64_t max = maxMantissa();
    if (!r.big_) {
        Wide m;
        if (scaleUp(r.small_, storage_.places - r.scale_, m)) {
            mantissa_ = m > max ? max : (m < -max ? -max : static_cast<std::int64_t>(m));
            return *this;
        }
        // Too large even for 128 bits: beyond the limit with its sign.
        mantissa_ = r.small_ > 0 ? max : -max;
        return *this;
    }
    mantissa_ = r.big_->value.sign() > 0 ? max : -max;  // a big mantissa is beyond every limit
    return *this;
}

namespace {

// "00" "01" ... "99": two digits per step.
constexpr auto kDigitPairs = [] {
    std::array<char, 200> t{};
    for (int i = 0; i < 100; ++i) {
        t[static_cast<std::size_t>(2 * i)] = static_cast<char>('0' + i / 10);
        t[static_cast<std::size_t>(2 * i + 1)] = static_cast<char>('0' + i % 10);
    }
    return t;
}();

}  // namespace

char* DecimalField::writeText(char* p) const {
    const auto places = static_cast<std::size_t>(storage_.places);
    // The digits of |mantissa|, right-aligned (at most 19 of them).
    char digits[24];
    char* const end = digits + sizeof digits;
    char* q = end;
    std::uint64_t m = mantissa_ < 0 ? 0 - static_cast<std::uint64_t>(mantissa_) : static_cast<std::uint64_t>(mantissa_);
    while (m >= 100) {
        const std::uint64_t pair = m % 100;
        m /= 100;
        q -= 2;
        std::memcpy(q, kDigitPairs.data() + 2 * pair, 2);
    }
    if (m >= 10) {
        q -= 2;
        std::memcpy(q, kDigitPairs.data() + 2 * m, 2);
    } else {
        *--q = static_cast<char>('0' + m);
    }
    const auto count = static_cast<std::size_t>(end - q);
    if (mantissa_ < 0) *p++ = '-';
    if (places == 0) {
        std::memcpy(p, q, count);
        return p + count;
    }
    if (count <= places) {
        // 0.00ddd
        *p++ = '0';
        *p++ = '.';
        std::memset(p, '0', places - count);
        p += places - count;
        std::memcpy(p, q, count);
        return p + count;
    }
    const std::size_t whole = count - places;
    std::memcpy(p, q, whole);
    p += whole;
    *p++ = '.';
    std::memcpy(p, q + whole, places);
    return p + places;
}

void DecimalField::appendText(std::string& out) const {
    char buffer[kMaxTextSize];
    out.append(buffer, static_cast<std::size_t>(writeText(buffer) - buffer));
}

std::string DecimalField::text() const {
    std::string out;
    appendText(out);
    return out;
}

double realLog10(double x) {
    if (!(x > 0.0)) return 0.0;
    const double r = std::log10(x);
    return std::isfinite(r) ? r : 0.0;
}

double realSqrt(double x) {
    if (!(x > 0.0)) return 0.0;
    const double r = std::sqrt(x);
    return std::isfinite(r) ? r : 0.0;
}

double realDiv(double a, double b) {
    if (b == 0.0) return 0.0;
    const double r = a / b;
    return std::isfinite(r) ? r : 0.0;
}

}  // namespace yq
