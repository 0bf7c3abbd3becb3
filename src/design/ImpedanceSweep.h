// What a sweep of the antenna's reflection says about it: the impedance,
// SWR and return loss at each frequency (on the sweep's reference and on
// 50 ohm), the series resonances where the reactance rises through 0
// (interpolated between the points), the least SWR and the 2:1 SWR
// bandwidth around it. Plain doubles, no units but Hz, ohms and dB.
#pragma once

#include "design/Result.h"

#include <complex>
#include <optional>
#include <string>
#include <vector>

namespace yq {

struct ReflectionPoint {
    double hz = 0;
    std::complex<double> s11;  // on the sweep's reference impedance
};

struct ImpedanceFigures {
    double hz = 0;
    std::complex<double> z;   // ohms; not finite where |S11| is 1 at angle 0
    double swr = 0;           // on the reference; infinity where |S11| >= 1
    double swr50 = 0;         // on 50 ohm
    double returnLossDb = 0;  // on the reference, -20 log10 |S11|
};

struct SwrBandwidth {
    double lowHz = 0;
    double highHz = 0;
    bool lowOpen = false;   // the SWR is still under 2 at the sweep's first point
    bool highOpen = false;  // ... at its last
    double widthHz() const { return highHz - lowHz; }
};

enum class TuningPoint {
    Resonance,  // a series resonance of the sweep
    LeastSwr,   // no resonance in the sweep: the frequency of least SWR
};

struct SweepFindings {
    double referenceOhms = 50;
    std::vector<ImpedanceFigures> points;
    std::vector<double> resonancesHz;      // X rising through 0, rising frequency
    std::size_t leastSwrIndex = 0;         // on the reference
    std::size_t leastSwr50Index = 0;       // on 50 ohm
    std::optional<SwrBandwidth> swr2;      // around the least SWR, on the reference
    std::optional<SwrBandwidth> swr2On50;  // around the least SWR on 50 ohm
    // The frequency the antenna is tuned from: the resonance nearest the
    // least SWR, or without one the frequency of least SWR.
    double tuningHz = 0;
    TuningPoint tuningPoint = TuningPoint::LeastSwr;

    const ImpedanceFigures& leastSwr() const { return points[leastSwrIndex]; }
    const ImpedanceFigures& leastSwr50() const { return points[leastSwr50Index]; }
};

// Fails when the sweep has fewer than 2 points ("holds no usable sweep").
Result<SweepFindings> analyseSweep(const std::vector<ReflectionPoint>& sweep, double referenceOhms);

// The impedance interpolated at a frequency inside the sweep (linear in R
// and X between the points around it); nothing outside it.
std::optional<std::complex<double>> impedanceAt(const SweepFindings& findings, double hz);

// "1.52", "12.3", "> 99" for the SWR; the way the tables print it.
std::string swrText(double swr);

}  // namespace yq

namespace yq {

// One line of the findings as the Measurement tab and yq-calc tune show them.
struct FindingRow {
    std::string key;    // "resonance", for json and the tests
    std::string label;  // "Series resonance"
    std::string value;  // "12.7520 MHz"
};

// The findings of a sweep: resonances (or that there is none), the point
// tuned from and which it is, the impedance there, the least SWR on the
// reference and on 50 ohm with its return loss, the 2:1 SWR bandwidths.
std::vector<FindingRow> findingRows(const SweepFindings& findings);

// "12.7520 MHz"
std::string mhzText(double hz);

}  // namespace yq
