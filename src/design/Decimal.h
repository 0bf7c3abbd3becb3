// Exact decimal arithmetic for the design calculation.
//
// Decimal is an exact intermediate value (big-integer mantissa and a decimal
// scale). Sums, differences and products are exact; a quotient is carried to
// 31 places, rounded half away from zero; a quotient by 0 (or of 0) is 0.
// DecimalField is a stored quantity with a fixed (digits, places) storage:
// assigning to it rounds half away from zero to its places and limits the
// magnitude to what the storage holds.
#pragma once

#include <boost/multiprecision/cpp_int.hpp>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace yq {

using BigInt = boost::multiprecision::cpp_int;

// Places to which a quotient is carried.
inline constexpr int kQuotientPlaces = 31;

class Decimal {
public:
    Decimal() = default;
    Decimal(int value) : mantissa_(value) {}            // NOLINT: implicit by design
    Decimal(long long value) : mantissa_(value) {}      // NOLINT
    Decimal(BigInt mantissa, int scale);

    // Exact decimal text: optional sign, digits, optional point and digits.
    // Returns nothing when the text is not such a number.
    static std::optional<Decimal> parse(std::string_view text);
    // Like parse, for constants known to be valid.
    static Decimal of(std::string_view text);
    // A double brought back through 15 significant digits; not finite gives 0.
    static Decimal fromReal(double value);

    // Correctly rounded conversion to the nearest double.
    double toReal() const;

    // Rounded half away from zero to the given number of places.
    Decimal rounded(int places) const;
    // Integer part, truncated toward zero.
    BigInt truncated() const;

    int sign() const { return mantissa_.sign(); }
    bool isZero() const { return mantissa_.is_zero(); }
    const BigInt& mantissa() const { return mantissa_; }
    int scale() const { return scale_; }

    // Plain text with exactly `places` places (the value rounded first).
    std::string toFixed(int places) const;
    // Plain text with every place the value carries.
    std::string toString() const { return toFixed(scale_); }

    // Repeated multiplication; n >= 0.
    Decimal pow(int n) const;

    friend Decimal operator+(const Decimal& a, const Decimal& b);
    friend Decimal operator-(const Decimal& a, const Decimal& b);
    friend Decimal operator*(const Decimal& a, const Decimal& b);
    friend Decimal operator/(const Decimal& a, const Decimal& b);
    friend Decimal operator-(const Decimal& a);
    friend int compare(const Decimal& a, const Decimal& b);

private:
    BigInt mantissa_ = 0;
    int scale_ = 0;  // value = mantissa_ / 10^scale_, scale_ >= 0
};

// Declared at namespace scope too, so that fields take part through their
// conversion to Decimal.
Decimal operator+(const Decimal& a, const Decimal& b);
Decimal operator-(const Decimal& a, const Decimal& b);
Decimal operator*(const Decimal& a, const Decimal& b);
Decimal operator/(const Decimal& a, const Decimal& b);
Decimal operator-(const Decimal& a);
int compare(const Decimal& a, const Decimal& b);

inline bool operator==(const Decimal& a, const Decimal& b) { return compare(a, b) == 0; }
inline bool operator!=(const Decimal& a, const Decimal& b) { return compare(a, b) != 0; }
inline bool operator<(const Decimal& a, const Decimal& b) { return compare(a, b) < 0; }
inline bool operator<=(const Decimal& a, const Decimal& b) { return compare(a, b) <= 0; }
inline bool operator>(const Decimal& a, const Decimal& b) { return compare(a, b) > 0; }
inline bool operator>=(const Decimal& a, const Decimal& b) { return compare(a, b) >= 0; }

// 10^n as a big integer (cached for the small powers).
const BigInt& powerOfTen(int n);

// π as the calculation uses it: 3.1415926535898.
const Decimal& pi();

// Storage of a field: total digits and places after the point.
struct Storage {
    std::uint8_t digits = 9;
    std::uint8_t places = 2;
    friend bool operator==(const Storage&, const Storage&) = default;
};

class DecimalField {
public:
    explicit DecimalField(Storage storage = {}) : storage_(storage) {}

    // Stores with the field's rounding and limit.
    DecimalField& operator=(const Decimal& value);
    // A field-to-field store must round to the target's storage, so plain
    // copy assignment is not offered: write `a = b.value()`, or copyFrom()
    // for an exact copy of value and storage.
    DecimalField& operator=(const DecimalField&) = delete;
    DecimalField(const DecimalField&) = default;
    void copyFrom(const DecimalField& other) {
        storage_ = other.storage_;
        mantissa_ = other.mantissa_;
    }

    operator Decimal() const { return value(); }  // NOLINT: fields take part in expressions
    Decimal value() const { return Decimal(BigInt(mantissa_), storage_.places); }

    Storage storage() const { return storage_; }
    // Changes the storage, storing the current value again with the new rounding.
    void setStorage(Storage storage);

    // Scaled integer value: value * 10^places.
    std::int64_t mantissa() const { return mantissa_; }
    bool isZero() const { return mantissa_ == 0; }
    // Largest mantissa the storage holds.
    std::int64_t maxMantissa() const;

    // Plain decimal text with all of the field's places ("7.1500", "-0.0300").
    std::string text() const;

private:
    Storage storage_;
    std::int64_t mantissa_ = 0;
};

// Real steps of the calculation. Conversions go through correctly rounded
// doubles and come back with 15 significant digits; a logarithm or square
// root of a value not above 0 is 0, a division by 0 is 0, and anything not
// finite is 0.
double realLog10(double x);
double realSqrt(double x);
double realDiv(double a, double b);

}  // namespace yq
