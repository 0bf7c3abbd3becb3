#include "design/WireGauges.h"

#include <array>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace yq {

namespace {

std::array<WireGauge, 44> makeAwg() {
    static const std::array<const char*, 44> names = [] {
        std::array<const char*, 44> n{};
        static const char* big[] = {"4/0", "3/0", "2/0", "1/0"};
        static std::array<std::string, 40> small;
        for (int i = 0; i < 4; ++i) n[std::size_t(i)] = big[i];
        for (int g = 1; g <= 40; ++g) {
            small[std::size_t(g - 1)] = std::to_string(g);
            n[std::size_t(g + 3)] = small[std::size_t(g - 1)].c_str();
        }
        return n;
    }();
    std::array<WireGauge, 44> gauges{};
    for (int i = 0; i < 44; ++i) {
        const int gauge = i - 3;  // 4/0 is gauge -3
        // The defining rule: 0.005 in at gauge 36, 0.46 in at 4/0, 39 steps between.
        const double inches = 0.005 * std::pow(92.0, (36.0 - gauge) / 39.0);
        gauges[std::size_t(i)] = {names[std::size_t(i)], Decimal::fromReal(inches).rounded(4),
                                  Decimal::fromReal(inches * 25.4).rounded(3)};
    }
    return gauges;
}

std::vector<WireGauge> makeSwg() {
    // The Imperial Standard Wire Gauge, diameters in inches.
    static const std::pair<const char*, const char*> table[] = {
        {"7/0", "0.500"}, {"6/0", "0.464"}, {"5/0", "0.432"}, {"4/0", "0.400"}, {"3/0", "0.372"}, {"2/0", "0.348"},
        {"1/0", "0.324"}, {"1", "0.300"},   {"2", "0.276"},   {"3", "0.252"},   {"4", "0.232"},   {"5", "0.212"},
        {"6", "0.192"},   {"7", "0.176"},   {"8", "0.160"},   {"9", "0.144"},   {"10", "0.128"},  {"11", "0.116"},
        {"12", "0.104"},  {"13", "0.092"},  {"14", "0.080"},  {"15", "0.072"},  {"16", "0.064"},  {"17", "0.056"},
        {"18", "0.048"},  {"19", "0.040"},  {"20", "0.036"},  {"21", "0.032"},  {"22", "0.028"},  {"23", "0.024"},
        {"24", "0.022"},  {"25", "0.020"},  {"26", "0.018"},  {"27", "0.0164"}, {"28", "0.0148"}, {"29", "0.0136"},
        {"30", "0.0124"}, {"31", "0.0116"}, {"32", "0.0108"}, {"33", "0.0100"}, {"34", "0.0092"}, {"35", "0.0084"},
        {"36", "0.0076"}, {"37", "0.0068"}, {"38", "0.0060"}, {"39", "0.0052"}, {"40", "0.0048"}, {"41", "0.0044"},
        {"42", "0.0040"}, {"43", "0.0036"}, {"44", "0.0032"}, {"45", "0.0028"}, {"46", "0.0024"}, {"47", "0.0020"},
        {"48", "0.0016"}, {"49", "0.0012"}, {"50", "0.0010"},
    };
    std::vector<WireGauge> gauges;
    for (const auto& [name, inches] : table) {
        const Decimal in = Decimal::of(inches);
        gauges.push_back({name, in, (in * Decimal::of("25.4")).rounded(3)});
    }
    return gauges;
}

}  // namespace

std::span<const WireGauge> awgGauges() {
    static const std::array<WireGauge, 44> gauges = makeAwg();
    return gauges;
}

std::span<const WireGauge> swgGauges() {
    static const std::vector<WireGauge> gauges = makeSwg();
    return gauges;
}

GaugeMatch nearestGauge(std::span<const WireGauge> gauges, const Decimal& diameter, UnitSystem unit) {
    GaugeMatch match;
    if (diameter.sign() <= 0 || gauges.empty()) return match;
    const bool metric = unit == UnitSystem::Metric;
    Decimal best;
    for (const WireGauge& g : gauges) {
        const Decimal d = metric ? g.millimetres : g.inches;
        Decimal distance = d - diameter;
        if (distance.sign() < 0) distance = -distance;
        if (!match.gauge || distance < best) {
            match.gauge = &g;
            best = distance;
        }
    }
    match.diameter = metric ? match.gauge->millimetres : match.gauge->inches;
    match.difference = match.diameter - diameter;
    return match;
}

}  // namespace yq
