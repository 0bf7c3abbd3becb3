// Inside the decimal type: the 128-bit mantissa, its powers of ten (the one
// table of them below the big integers' own) and its scaling. Only the
// design layer's number code includes this.
#pragma once

#include "design/Decimal.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace yq::detail {

using Wide = Decimal::Wide;
__extension__ typedef unsigned __int128 UWide;

inline constexpr int kWidePowers = 39;  // 10^0 ... 10^38 fit in a signed 128-bit integer

constexpr std::array<Wide, kWidePowers> makeWidePowers() {
    std::array<Wide, kWidePowers> t{};
    t[0] = 1;
    for (int i = 1; i < kWidePowers; ++i) t[i] = t[i - 1] * 10;
    return t;
}
inline constexpr std::array<Wide, kWidePowers> kPow10 = makeWidePowers();

inline constexpr Wide kWideMax = static_cast<Wide>(~UWide(0) >> 1);
inline constexpr Wide kWideMin = -kWideMax - 1;

inline UWide magnitude(Wide v) { return v < 0 ? UWide(0) - UWide(v) : UWide(v); }

// m * 10^k without overflow, or false.
inline bool scaleUp(Wide m, int k, Wide& out) {
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

}  // namespace yq::detail
