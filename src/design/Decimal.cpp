#include "design/Decimal.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace yq {

namespace {

constexpr int kCachedPowers = 128;

const std::array<BigInt, kCachedPowers>& powerTable() {
    static const std::array<BigInt, kCachedPowers> table = [] {
        std::array<BigInt, kCachedPowers> t;
        t[0] = 1;
        for (int i = 1; i < kCachedPowers; ++i) t[i] = t[i - 1] * 10;
        return t;
    }();
    return table;
}

// Divides |num| by |den| (den != 0) and rounds half away from zero; the sign
// of the result is negative when exactly one operand is.
BigInt divideRounded(const BigInt& num, const BigInt& den) {
    const bool negative = (num.sign() < 0) != (den.sign() < 0);
    BigInt n = abs(num);
    BigInt d = abs(den);
    BigInt q;
    BigInt r;
    boost::multiprecision::divide_qr(n, d, q, r);
    r <<= 1;
    if (r >= d) ++q;
    return negative ? BigInt(-q) : q;
}

// Both values brought to the larger of the two scales.
void align(const Decimal& a, const Decimal& b, BigInt& ma, BigInt& mb, int& scale) {
    scale = std::max(a.scale(), b.scale());
    ma = a.mantissa();
    mb = b.mantissa();
    if (a.scale() < scale) ma *= powerOfTen(scale - a.scale());
    if (b.scale() < scale) mb *= powerOfTen(scale - b.scale());
}

}  // namespace

const BigInt& powerOfTen(int n) {
    if (n < 0) throw std::invalid_argument("negative power of ten");
    if (n < kCachedPowers) return powerTable()[static_cast<std::size_t>(n)];
    // Larger powers are rare (long chains of quotients); build them on demand.
    thread_local BigInt scratch;
    scratch = powerTable()[kCachedPowers - 1];
    for (int i = kCachedPowers - 1; i < n; ++i) scratch *= 10;
    return scratch;
}

Decimal::Decimal(BigInt mantissa, int scale) : mantissa_(std::move(mantissa)), scale_(scale) {
    if (scale_ < 0) {
        mantissa_ *= powerOfTen(-scale_);
        scale_ = 0;
    }
}

std::optional<Decimal> Decimal::parse(std::string_view text) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    BigInt mantissa = 0;
    int scale = 0;
    bool digits = false;
    bool point = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            mantissa = mantissa * 10 + (c - '0');
            digits = true;
            if (point) ++scale;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return std::nullopt;
        }
    }
    if (!digits) return std::nullopt;
    if (negative) mantissa = -mantissa;
    return Decimal(std::move(mantissa), scale);
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
    std::snprintf(buffer, sizeof buffer, "%.14e", value);
    const char* p = buffer;
    bool negative = false;
    if (*p == '-') {
        negative = true;
        ++p;
    }
    std::int64_t digits = 0;
    for (; *p && *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9') digits = digits * 10 + (*p - '0');
    }
    int exponent = 0;
    if (*p == 'e') exponent = std::atoi(p + 1);
    // value = digits * 10^(exponent - 14)
    const int scale = 14 - exponent;
    BigInt mantissa = negative ? -digits : digits;
    if (digits == 0) return Decimal();
    return Decimal(std::move(mantissa), scale);
}

double Decimal::toReal() const {
    // Exact operands and one IEEE division give a correctly rounded result.
    static const double exactPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                         1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                         1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    constexpr std::int64_t kExactLimit = std::int64_t{1} << 53;
    if (scale_ <= 22 && mantissa_ < kExactLimit && mantissa_ > -kExactLimit) {
        const double m = static_cast<double>(mantissa_.convert_to<std::int64_t>());
        return m / exactPowers[scale_];
    }
    const std::string text = toString();
    return std::strtod(text.c_str(), nullptr);
}

Decimal Decimal::rounded(int places) const {
    if (places >= scale_) return *this;
    return Decimal(divideRounded(mantissa_, powerOfTen(scale_ - places)), places);
}

BigInt Decimal::truncated() const {
    if (scale_ == 0) return mantissa_;
    return mantissa_ / powerOfTen(scale_);  // cpp_int division truncates toward zero
}

std::string Decimal::toFixed(int places) const {
    const Decimal r = rounded(places);
    BigInt m = r.mantissa_;
    if (r.scale_ < places) m *= powerOfTen(places - r.scale_);
    const bool negative = m.sign() < 0;
    std::string digits = BigInt(abs(m)).str();
    if (places > 0) {
        if (digits.size() <= static_cast<std::size_t>(places))
            digits.insert(0, static_cast<std::size_t>(places) + 1 - digits.size(), '0');
        digits.insert(digits.size() - static_cast<std::size_t>(places), 1, '.');
    }
    return negative ? "-" + digits : digits;
}

Decimal Decimal::pow(int n) const {
    Decimal result(1);
    for (int i = 0; i < n; ++i) result = result * *this;
    return result;
}

Decimal operator+(const Decimal& a, const Decimal& b) {
    BigInt ma, mb;
    int scale = 0;
    align(a, b, ma, mb, scale);
    return Decimal(ma + mb, scale);
}

Decimal operator-(const Decimal& a, const Decimal& b) {
    BigInt ma, mb;
    int scale = 0;
    align(a, b, ma, mb, scale);
    return Decimal(ma - mb, scale);
}

Decimal operator-(const Decimal& a) { return Decimal(-a.mantissa_, a.scale_); }

Decimal operator*(const Decimal& a, const Decimal& b) {
    return Decimal(a.mantissa_ * b.mantissa_, a.scale_ + b.scale_);
}

Decimal operator/(const Decimal& a, const Decimal& b) {
    if (a.isZero() || b.isZero()) return Decimal();
    // result * 10^31 = a.m * 10^(31 + b.scale - a.scale) / b.m
    const int e = kQuotientPlaces + b.scale_ - a.scale_;
    if (e >= 0) return Decimal(divideRounded(a.mantissa_ * powerOfTen(e), b.mantissa_), kQuotientPlaces);
    return Decimal(divideRounded(a.mantissa_, b.mantissa_ * powerOfTen(-e)), kQuotientPlaces);
}

int compare(const Decimal& a, const Decimal& b) {
    BigInt ma, mb;
    int scale = 0;
    align(a, b, ma, mb, scale);
    return ma.compare(mb) < 0 ? -1 : (ma.compare(mb) > 0 ? 1 : 0);
}

const Decimal& pi() {
    static const Decimal value = Decimal::of("3.1415926535898");
    return value;
}

// ---------------------------------------------------------------------------

std::int64_t DecimalField::maxMantissa() const {
    std::int64_t max = 1;
    for (int i = 0; i < storage_.digits; ++i) max *= 10;
    return max - 1;
}

DecimalField& DecimalField::operator=(const Decimal& value) {
    const Decimal r = value.rounded(storage_.places);
    BigInt m = r.mantissa();
    if (r.scale() < storage_.places) m *= powerOfTen(storage_.places - r.scale());
    const std::int64_t max = maxMantissa();
    if (m > max) {
        mantissa_ = max;
    } else if (m < -max) {
        mantissa_ = -max;
    } else {
        mantissa_ = m.convert_to<std::int64_t>();
    }
    return *this;
}

void DecimalField::setStorage(Storage storage) {
    const Decimal current = value();
    storage_ = storage;
    *this = current;
}

std::string DecimalField::text() const { return value().toFixed(storage_.places); }

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
