// The published wire gauges, American (AWG) and Standard (SWG), and the
// gauge nearest to a wire's diameter in either unit system.
#pragma once

#include "design/Decimal.h"
#include "design/DesignRecord.h"

#include <span>

namespace yq {

// A wire gauge: its name ("18", "4/0") and its published diameter.
struct WireGauge {
    const char* name;
    Decimal inches;       // as the tables publish it (AWG: 4 places)
    Decimal millimetres;  // as the tables publish it (AWG: 3 places)
};

// American Wire Gauge 4/0 to 40 and Standard Wire Gauge 7/0 to 50.
std::span<const WireGauge> awgGauges();
std::span<const WireGauge> swgGauges();

struct GaugeMatch {
    const WireGauge* gauge = nullptr;  // nullptr when the diameter is not above 0
    Decimal diameter;                  // the gauge's diameter in the design's unit
    Decimal difference;                // gauge diameter minus the wire's, design unit
};

// The gauge whose diameter is nearest to `diameter` (in the unit of `unit`).
GaugeMatch nearestGauge(std::span<const WireGauge> gauges, const Decimal& diameter, UnitSystem unit);

}  // namespace yq
