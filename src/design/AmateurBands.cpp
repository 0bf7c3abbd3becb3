#include "design/AmateurBands.h"

#include <array>

namespace yq {

namespace {

constexpr std::array<AmateurBand, 15> kBands{{
    {"2200 m", 0.1357, 0.1378},
    {"630 m", 0.472, 0.479},
    {"160 m", 1.8, 2.0},
    {"80 m", 3.5, 4.0},
    {"60 m", 5.3515, 5.3665},
    {"40 m", 7.0, 7.3},
    {"30 m", 10.1, 10.15},
    {"20 m", 14.0, 14.35},
    {"17 m", 18.068, 18.168},
    {"15 m", 21.0, 21.45},
    {"12 m", 24.89, 24.99},
    {"10 m", 28.0, 29.7},
    {"6 m", 50.0, 54.0},
    {"2 m", 144.0, 148.0},
    {"70 cm", 420.0, 450.0},
}};

}  // namespace

std::span<const AmateurBand> amateurBands() { return kBands; }

const AmateurBand* bandAt(double mhz) {
    for (const AmateurBand& band : kBands)
        if (mhz >= band.lowMHz && mhz <= band.highMHz) return &band;
    return nullptr;
}

}  // namespace yq
