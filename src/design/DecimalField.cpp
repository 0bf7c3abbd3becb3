#include "design/Decimal.h"

#include "design/DecimalDetail.h"

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

}  // namespace yq
