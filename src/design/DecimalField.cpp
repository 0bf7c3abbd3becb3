#include "design/Decimal.h"

#include "design/DecimalDetail.h"
#include "design/WideDivision.h"

#include <array>
#include <cstring>

namespace yq {

using detail::kPow10;
using detail::scaleUp;
using detail::Wide;

std::int64_t DecimalField::maxMantissa() const {
    if (storage_.digits < 19) return static_cast<std::int64_t>(kPow10[storage_.digits]) - 1;
    std::int64_t max = 1;
    for (int i = 0; i < storage_.digits; ++i) max *= 10;
    return max - 1;
}

DecimalField& DecimalField::operator=(const Decimal& value) {
    const std::int64_t max = maxMantissa();
    auto limited = [max](Wide m) { return m > max ? max : (m < -max ? -max : static_cast<std::int64_t>(m)); };
    if (!value.big_) {
        // Rounded and limited at once, as value.rounded(places) and the
        // general case below give it.
        const int k = value.scale_ - storage_.places;
        if (k > 0) {
            if (k >= detail::kWidePowers) {
                mantissa_ = 0;  // |m| < 1.8 * 10^38 rounds to 0 in a step of 10^39 or more
                return *this;
            }
            const auto q =
                static_cast<Wide>(detail::divideRoundedByPowerOfTen(detail::magnitude(value.small_), k, kPow10.data()));
            mantissa_ = limited(value.small_ < 0 ? -q : q);  // q <= |m|: fits
            return *this;
        }
        Wide m;
        mantissa_ = scaleUp(value.small_, -k, m) ? limited(m) : (value.small_ > 0 ? max : -max);
        return *this;
    }
    const Decimal r = value.rounded(storage_.places);
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
    mantissa_ = r.sign() > 0 ? max : -max;  // a big mantissa is beyond every limit
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
    // The digits of |mantissa|, right-aligned before `end` (at most 19 of
    // them); the room after it lets the usual texts be copied in pieces of
    // a fixed size, which compile to plain moves.
    constexpr std::size_t kPiece = 24;
    char digits[24 + kPiece];
    char* const end = digits + 24;
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
    if (count <= places && places <= kPiece) {
        // 0.00ddd, in fixed pieces: the zeros, then the digits over them.
        *p++ = '0';
        *p++ = '.';
        std::memset(p, '0', kPiece);
        std::memcpy(p + (places - count), q, kPiece);
        return p + places;
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
    // dd.dd: fewer than 19 places, so both pieces stay within the room
    // that writeText has (and within `digits`).
    const std::size_t whole = count - places;
    std::memcpy(p, q, kPiece);
    p += whole;
    *p++ = '.';
    std::memcpy(p, q + whole, kPiece);
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

}  // namespace yq
