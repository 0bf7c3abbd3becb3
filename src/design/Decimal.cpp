#include "design/Decimal.h"

#include "design/BigInt.h"
#include "design/WideDivision.h"

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

using detail::divideBy64;
using detail::divideRoundedByPowerOfTen;
using detail::divideRoundedLimbs;
using detail::divideRoundedMagnitude;
using detail::kMaxLimbs;
using detail::kPow10;
using detail::kWideMax;
using detail::kWideMin;
using detail::kWidePowers;
using detail::Limbs;
using detail::magnitude;
using detail::scaleUp;
using detail::UWide;
using detail::Wide;

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

// y / 10^scale rounded to the nearest double, through the 64-bit mantissa
// of the x87 extended type, where y is the mantissa's magnitude within
// `error` units of its last place: the exact powers of ten (10^27 and below
// are exact there), at most four of them, add at most a unit each, so the
// quotient lies within error + 4 units of the true value (16 allowed), and
// rounding it to a double gives the true value's double unless it lies
// within that distance of a midpoint between two doubles (or of a change of
// binade). Then it returns false and the caller converts through the digits.
#if defined(__x86_64__) && __LDBL_MANT_DIG__ == 64
constexpr int kExactExtended = 27;
constexpr int kExtendedSteps = 4;

bool realFromExtended(long double y, bool negative, int scale, double& out) {
    if (scale < 0 || scale > kExtendedSteps * kExactExtended) return false;
    static const auto powers = [] {
        std::array<long double, kExactExtended + 1> t{};
        t[0] = 1.0L;
        for (std::size_t i = 1; i < t.size(); ++i) t[i] = t[i - 1] * 10.0L;
        return t;
    }();
    for (; scale > kExactExtended; scale -= kExactExtended) y /= powers[kExactExtended];
    y /= powers[static_cast<std::size_t>(scale)];
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
    out = negative ? -r : r;
    return true;
}
#endif

// m / 10^scale, as realFromExtended says (the magnitude rounded once).
bool realByExtendedDivision(Wide m, int scale, double& out) {
#if defined(__x86_64__) && __LDBL_MANT_DIG__ == 64
    if (m == 0) return false;
    return realFromExtended(static_cast<long double>(magnitude(m)), m < 0, scale, out);
#else
    (void)m;
    (void)scale;
    (void)out;
    return false;
#endif
}

// The same for a magnitude of limbs (n >= 1): its top 64 bits, the rest cut
// off (within one unit).
bool realByExtendedDivision(const Limbs& m, bool negative, int scale, double& out) {
#if defined(__x86_64__) && __LDBL_MANT_DIG__ == 64
    if (m.n == 0) return false;
    const std::uint64_t top = m.w[m.n - 1];
    const int shift = __builtin_clzll(top);
    std::uint64_t head = top;
    if (shift > 0 && m.n > 1) head = (top << shift) | (m.w[m.n - 2] >> (64 - shift));
    const int below = m.n > 1 ? 64 * (m.n - 1) - shift : 0;  // bits under the head
    if (m.n == 1) return realFromExtended(static_cast<long double>(head), negative, scale, out);
    return realFromExtended(std::ldexp(static_cast<long double>(head), below), negative, scale, out);
#else
    (void)m;
    (void)negative;
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

}  // namespace

// n * 10^e / d rounded half away from zero, for a divisor of 64 bits
// (the usual one: a field or a product of two) when n * 10^e fits in three
// limbs and the quotient in 127 bits; otherwise nothing. Two hardware
// divisions, without the general limb machinery.
std::optional<UWide> divideScaledBy64(UWide n, int e, UWide d) {
    if ((d >> 64) || d == 0) return std::nullopt;
    std::uint64_t w[3] = {static_cast<std::uint64_t>(n), static_cast<std::uint64_t>(n >> 64), 0};
    constexpr std::uint64_t kStep = 10000000000000000000ull;  // 10^19
    while (e > 0) {
        const int k = e < 19 ? e : 19;
        const std::uint64_t f = k == 19 ? kStep : static_cast<std::uint64_t>(kPow10[static_cast<std::size_t>(k)]);
        const UWide p0 = UWide(w[0]) * f;
        const UWide p1 = UWide(w[1]) * f + (p0 >> 64);
        const UWide p2 = UWide(w[2]) * f + (p1 >> 64);
        if (p2 >> 64) return std::nullopt;
        w[0] = static_cast<std::uint64_t>(p0);
        w[1] = static_cast<std::uint64_t>(p1);
        w[2] = static_cast<std::uint64_t>(p2);
        e -= k;
    }
    const auto d64 = static_cast<std::uint64_t>(d);
    if (w[2] >= d64) return std::nullopt;  // a quotient of more than 128 bits
    std::uint64_t r = 0;
    const std::uint64_t high = detail::divide128by64(w[2], w[1], d64, r);
    const std::uint64_t low = detail::divide128by64(r, w[0], d64, r);
    UWide q = (UWide(high) << 64) | low;
    if (r >= d64 - r) ++q;
    if (q > UWide(kWideMax)) return std::nullopt;
    return q;
}

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
            // On the magnitudes: two 64-bit halves (the usual case) in one
            // step, a 128-bit one (a quotient) by a 64-bit one in two.
            const UWide x = magnitude(a.small_);
            const UWide y = magnitude(b.small_);
            const auto xHigh = static_cast<std::uint64_t>(x >> 64);
            const auto yHigh = static_cast<std::uint64_t>(y >> 64);
            UWide product = 0;
            bool fits = false;
            if (!xHigh && !yHigh) {
                product = UWide(static_cast<std::uint64_t>(x)) * static_cast<std::uint64_t>(y);
                fits = product <= UWide(kWideMax);
            } else if (!xHigh || !yHigh) {
                const UWide wide = xHigh ? x : y;
                const auto factor = static_cast<std::uint64_t>(xHigh ? y : x);
                const UWide low = UWide(static_cast<std::uint64_t>(wide)) * factor;
                const UWide high = UWide(static_cast<std::uint64_t>(wide >> 64)) * factor + (low >> 64);
                if (!(high >> 63)) {
                    product = (high << 64) | static_cast<std::uint64_t>(low);
                    fits = true;
                }
            }
            if (fits) {
                const Wide s = static_cast<Wide>(product);
                return make((a.small_ < 0) != (b.small_ < 0) ? -s : s, a.scale_ + b.scale_);
            }
        }
        return multiplyWide(a, b);
    }

    // A product beyond 127 bits, or of an out-of-line operand: apart from
    // the quick cases, so that they keep a small frame.
    [[gnu::noinline]] static Decimal multiplyWide(const Decimal& a, const Decimal& b) {
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
            const bool negative = (a.sign() < 0) != (b.sign() < 0);
            if (n <= 2) {
                // Within 128 bits after all (an operand was out of line).
                const UWide p = n == 2 ? (UWide(w[1]) << 64) | w[0] : UWide(n == 1 ? w[0] : 0);
                if (p <= UWide(kWideMax)) return make(negative ? -Wide(p) : Wide(p), a.scale_ + b.scale_);
            }
            // Beyond 128 bits: written straight into the out-of-line form.
            Decimal d;
            d.scale_ = a.scale_ + b.scale_;
            d.big_ = new Decimal::Big;
            auto& backend = d.big_->value.backend();
            backend.resize(static_cast<unsigned>(n), static_cast<unsigned>(n));
            for (int i = 0; i < n; ++i) backend.limbs()[i] = w[i];
            backend.normalize();
            if (negative) backend.negate();
            return d;
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
        return divideWide(a, b, e);
    }

    // A quotient whose operands outgrow 128 bits once scaled: apart from the
    // quick case, so that it keeps a small frame.
    [[gnu::noinline]] static Decimal divideWide(const Decimal& a, const Decimal& b, int e) {
        if (!a.big_ && !b.big_ && e > 0) {
            if (const auto q = divideScaledBy64(magnitude(a.small_), e, magnitude(b.small_))) {
                const Wide s = static_cast<Wide>(*q);
                return make((a.small_ < 0) != (b.small_ < 0) ? -s : s, kQuotientPlaces);
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

BigInt powerOfTen(int n) {
    if (n < 0) throw std::invalid_argument("negative power of ten");
    return toBigInt(intPower(n));
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

int Decimal::bigSign() const { return big_->value.sign(); }

BigInt Decimal::mantissa() const { return toBigInt(DecimalInternals::big(*this)); }

namespace {

// The one syntax of decimal text: an optional sign, digits, an optional
// point and digits; at least one digit.
struct DecimalText {
    bool negative = false;
    std::string_view integerDigits;
    std::string_view fractionDigits;
};

[[gnu::always_inline]] inline std::optional<DecimalText> scanDecimalText(std::string_view text) {
    DecimalText out;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        out.negative = text[i] == '-';
        ++i;
    }
    const std::size_t start = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
    out.integerDigits = text.substr(start, i - start);
    if (i < text.size() && text[i] == '.') {
        const std::size_t fractionStart = ++i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
        out.fractionDigits = text.substr(fractionStart, i - fractionStart);
    }
    if (i != text.size() || (out.integerDigits.empty() && out.fractionDigits.empty())) return std::nullopt;
    return out;
}

}  // namespace

std::optional<Decimal> Decimal::parse(std::string_view text) {
    const auto scanned = scanDecimalText(text);
    if (!scanned) return std::nullopt;
    const std::string_view parts[] = {scanned->integerDigits, scanned->fractionDigits};
    const int scale = static_cast<int>(scanned->fractionDigits.size());
    if (parts[0].size() + parts[1].size() <= 38) {
        Wide m = 0;
        for (const std::string_view part : parts) {
            for (const char c : part) m = m * 10 + (c - '0');
        }
        return DecimalInternals::make(scanned->negative ? -m : m, scale);
    }
    // Exact for any length: 18 digits at a time.
    Int m = 0;
    std::uint64_t chunk = 0;
    int chunkDigits = 0;
    for (const std::string_view part : parts) {
        for (const char c : part) {
            chunk = chunk * 10 + static_cast<std::uint64_t>(c - '0');
            if (++chunkDigits == 18) {
                m = m * intPower(18) + chunk;
                chunk = 0;
                chunkDigits = 0;
            }
        }
    }
    if (chunkDigits > 0) m = m * intPower(chunkDigits) + chunk;
    if (scanned->negative) m = -m;
    return DecimalInternals::make(std::move(m), scale);
}

std::optional<Decimal> Decimal::parseBounded(std::string_view text) {
    const auto scanned = scanDecimalText(text);
    if (!scanned) return std::nullopt;
    if (scanned->integerDigits.size() + scanned->fractionDigits.size() <= 18) {
        // Every digit kept, in 64 bits: what fromDigits gives for so few.
        std::int64_t m = 0;
        for (const char c : scanned->integerDigits) m = m * 10 + (c - '0');
        for (const char c : scanned->fractionDigits) m = m * 10 + (c - '0');
        if (m == 0) return Decimal();
        return DecimalInternals::make(Wide(scanned->negative ? -m : m),
                                      static_cast<int>(scanned->fractionDigits.size()));
    }
    return fromDigits(scanned->negative, scanned->integerDigits, scanned->fractionDigits);
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

namespace {

// The 15 significant digits of a double between 10^-13 and 10^14 through
// the x87 extended type: |value| x 10^k (10^k exact there for k <= 27)
// rounded once, within 2^-14 of the true product, which lies between 10^14
// and 10^15. Unless the product lies within 2^-8 of a midpoint between two
// integers, its nearest integer is the one that the digits of a correctly
// rounded conversion give. False when it may not be (and outside the range).
bool fifteenDigitsByExtended(double value, std::int64_t& digits, int& k) {
#if defined(__x86_64__) && __LDBL_MANT_DIG__ == 64
    const double a = std::fabs(value);
    if (!(a > 1e-13 && a < 1e14)) return false;
    static const auto powers = [] {
        std::array<long double, 28> t{};
        t[0] = 1.0L;
        for (std::size_t i = 1; i < t.size(); ++i) t[i] = t[i - 1] * 10.0L;
        return t;
    }();
    // log10(a) from the binary exponent, within one; the steps below fix it.
    std::uint64_t bits;
    std::memcpy(&bits, &a, sizeof bits);
    const int binary = static_cast<int>((bits >> 52) & 0x7ff) - 1023;  // a is normal here
    int place = 14 - static_cast<int>(std::floor(binary * 0.30102999566398120));
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (place < 0 || place > 27) return false;
        const long double t = static_cast<long double>(a) * powers[static_cast<std::size_t>(place)];
        if (t < 1e14L) {
            ++place;
            continue;
        }
        if (t >= 1e15L) {
            --place;
            continue;
        }
        // The nearest integer in the unit's own rounding (no change of its
        // control word, as a truncating conversion needs), and how far off.
        const long long nearest = std::llrint(t);
        const long double off = t - static_cast<long double>(nearest);  // exact
        if (off > 0.5L - 0x1p-8L || off < -0.5L + 0x1p-8L) return false;
        digits = nearest;
        k = place;
        if (digits == 1000000000000000) {
            // Rounded up to the next power of ten: one digit less.
            digits = 100000000000000;
            --k;
        }
        return true;
    }
    return false;
#else
    (void)value;
    (void)digits;
    (void)k;
    return false;
#endif
}

}  // namespace

Decimal Decimal::fromReal(double value) {
    if (!std::isfinite(value)) return Decimal();
    {
        std::int64_t digits = 0;
        int place = 0;
        if (fifteenDigitsByExtended(value, digits, place) && place >= 0)
            return DecimalInternals::make(value < 0 ? -Wide(digits) : Wide(digits), place);
    }
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
        double fast = 0.0;
        if (realByExtendedDivision(limbs, sign() < 0, scale_, fast)) return fast;
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
