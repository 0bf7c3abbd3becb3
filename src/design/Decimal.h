// Exact decimal arithmetic for the design calculation.
//
// Decimal is an exact intermediate value (an integer mantissa and a decimal
// scale). Sums, differences and products are exact; a quotient is carried to
// 31 places, rounded half away from zero; a quotient by 0 (or of 0) is 0.
// DecimalField is a stored quantity with a fixed (digits, places) storage:
// assigning to it rounds half away from zero to its places and limits the
// magnitude to what the storage holds.
//
// The mantissa lives inline as a 128-bit integer, which holds every value a
// real design produces; a value that needs more is held out of line as a big
// integer. Both forms give the same exact results. The big-integer type is
// complete only in "design/BigInt.h", so that this header stays light.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace yq {

// Arbitrary-precision integer; see "design/BigInt.h".
class BigInt;

// Places to which a quotient is carried.
inline constexpr int kQuotientPlaces = 31;

class Decimal {
public:
    __extension__ typedef __int128 Wide;

    Decimal() = default;
    Decimal(int value) : small_(value) {}        // NOLINT: implicit by design
    Decimal(long long value) : small_(value) {}  // NOLINT
    Decimal(const BigInt& mantissa, int scale);
    // value = mantissa / 10^scale.
    static Decimal scaled(long long mantissa, int scale) {
        if (scale < 0) return Decimal(Wide(mantissa), 0, -scale);
        Decimal d;
        d.small_ = mantissa;
        d.scale_ = scale;
        return d;
    }

    Decimal(const Decimal& other) : small_(other.small_), scale_(other.scale_) {
        if (other.big_) copyBig(other);
    }
    Decimal(Decimal&& other) noexcept : small_(other.small_), scale_(other.scale_), big_(other.big_) {
        other.big_ = nullptr;
    }
    Decimal& operator=(const Decimal& other) {
        if (big_ || other.big_) {
            assignSlow(other);
        } else {
            small_ = other.small_;
            scale_ = other.scale_;
        }
        return *this;
    }
    Decimal& operator=(Decimal&& other) noexcept {
        if (this != &other) {
            if (big_) releaseBig();
            small_ = other.small_;
            scale_ = other.scale_;
            big_ = other.big_;
            other.big_ = nullptr;
        }
        return *this;
    }
    ~Decimal() {
        if (big_) releaseBig();
    }

    // Exact decimal text: optional sign, digits, optional point and digits.
    // Returns nothing when the text is not such a number. The work grows with
    // the square of the number of significant digits; readers of text from
    // outside use parseBounded.
    static std::optional<Decimal> parse(std::string_view text);
    // The same syntax as parse, read in time linear in the text and bounded
    // in the value as fromDigits says.
    static std::optional<Decimal> parseBounded(std::string_view text);
    // Like parse, for constants known to be valid.
    static Decimal of(std::string_view text);
    // The number ±integerDigits.fractionDigits × 10^exponent (both views hold
    // ASCII digits only; either may be empty), read in time linear in the
    // digits, leading zeros and all. Magnitudes of 10^kReadIntegerDigits or
    // more are held as ±10^kReadIntegerDigits, and places beyond kReadPlaces
    // are dropped (toward zero). Both bounds lie beyond every field's storage
    // (an int64 mantissa), so storing the result in a field gives exactly
    // what storing the exact number would give.
    static Decimal fromDigits(bool negative, std::string_view integerDigits, std::string_view fractionDigits,
                              long long exponent = 0);
    static constexpr int kReadIntegerDigits = 19;
    static constexpr int kReadPlaces = 19;
    // A double brought back through 15 significant digits; not finite gives 0.
    static Decimal fromReal(double value);

    // Correctly rounded conversion to the nearest double.
    double toReal() const;

    // Rounded half away from zero to the given number of places.
    Decimal rounded(int places) const;
    // Integer part, truncated toward zero.
    BigInt truncated() const;
    // Integer part, truncated toward zero, limited to [-limit, limit].
    long long truncatedClamped(long long limit) const;
    // Integer part, truncated toward zero, as decimal text ("-12", "0").
    std::string truncatedText() const;

    int sign() const {
        if (!big_) return small_ > 0 ? 1 : (small_ < 0 ? -1 : 0);
        return bigSign();
    }
    bool isZero() const { return !big_ && small_ == 0; }
    BigInt mantissa() const;
    int scale() const { return scale_; }
    // The absolute value.
    Decimal abs() const { return sign() < 0 ? -*this : *this; }

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
    friend class DecimalField;
    friend struct DecimalInternals;
    struct Big;

    // mantissa * 10^shift, at the given scale.
    Decimal(Wide mantissa, int scale, int shift);
    void copyBig(const Decimal& other);
    void assignSlow(const Decimal& other);
    void releaseBig();
    int bigSign() const;

    Wide small_ = 0;      // the mantissa when big_ is null
    int scale_ = 0;       // value = mantissa / 10^scale_, scale_ >= 0
    Big* big_ = nullptr;  // the mantissa when it does not fit in small_
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

// 10^n as a big integer (from the one cache of big powers).
BigInt powerOfTen(int n);

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
    Decimal value() const { return Decimal::scaled(mantissa_, storage_.places); }

    Storage storage() const { return storage_; }

    // Scaled integer value: value * 10^places.
    std::int64_t mantissa() const { return mantissa_; }
    bool isZero() const { return mantissa_ == 0; }
    // Largest mantissa the storage holds.
    std::int64_t maxMantissa() const;

    // Plain decimal text with all of the field's places ("7.1500", "-0.0300").
    std::string text() const;
    // The same text, appended to `out`.
    void appendText(std::string& out) const;
    // Room that writeText needs: a sign, 19 digits, the point, 255 places.
    static constexpr std::size_t kMaxTextSize = 24 + 256;
    // The same text written at `out` (room for kMaxTextSize characters);
    // returns the end. The one number writer of every key=value line.
    char* writeText(char* out) const;

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
