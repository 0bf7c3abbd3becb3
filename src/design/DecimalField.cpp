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
    std::uint64_t m = mantissa_ < 0 ? 0 - static_cast<std::uint64_t>(mantissa_) : static_cast<std::uint64_t>(mantissa_);
    // The number of digits of m (0 for 0), from its bit length.
    static constexpr auto kPowers = [] {
        std::array<std::uint64_t, 20> t{};
        t[0] = 1;
        for (std::size_t i = 1; i < t.size(); ++i) t[i] = t[i - 1] * 10;
        return t;
    }();
    const auto bits = static_cast<std::size_t>(64 - __builtin_clzll(m | 1));
    const std::size_t guess = (bits * 1233) >> 12;
    const std::size_t count = m == 0 ? 0 : guess + 1 - (m < kPowers[guess] ? 1 : 0);
    const std::size_t whole = count > places ? count - places : 1;
    if (mantissa_ < 0) *p++ = '-';
    char* const end = p + whole + (places ? places + 1 : 0);
    // Written backwards straight into place, two digits a step: the places
    // (with their leading zeros), the point, then the whole digits.
    char* w = end;
    std::size_t left = places;
    for (; left >= 2; left -= 2) {
        w -= 2;
        std::memcpy(w, kDigitPairs.data() + 2 * (m % 100), 2);
        m /= 100;
    }
    if (left) {
        *--w = static_cast<char>('0' + m % 10);
        m /= 10;
    }
    if (places) *--w = '.';
    while (m >= 100) {
        w -= 2;
        std::memcpy(w, kDigitPairs.data() + 2 * (m % 100), 2);
        m /= 100;
    }
    if (m >= 10) {
        w -= 2;
        std::memcpy(w, kDigitPairs.data() + 2 * m, 2);
    } else {
        *--w = static_cast<char>('0' + m);  // a lone 0 too: there is always a whole digit
    }
    return end;
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
