// The amateur radio bands, as the design tools shade them on a frequency
// axis: one table of band edges for the whole program.
#pragma once

#include <span>
#include <string_view>

namespace yq {

struct AmateurBand {
    std::string_view name;  // "40 m"
    double lowMHz;
    double highMHz;
};

// The bands from 2200 m to 70 cm, lowest first. Each band runs from the
// lowest to the highest edge that any of the three ITU regions allocates
// (40 m is 7.0 to 7.2 MHz in Region 1 and 7.0 to 7.3 MHz in Region 2), so a
// design that is in a band anywhere falls inside its shading.
std::span<const AmateurBand> amateurBands();

// The band that holds a frequency in MHz (edges included), or nullptr.
const AmateurBand* bandAt(double mhz);

}  // namespace yq
