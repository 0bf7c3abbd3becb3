// Tuning the built antenna from its measured resonance. The inductance in
// series at the feed (the tuning coil as wound, with whatever else is in
// series with it) resonates at the measured frequency with an effective
// capacitance C = 1 / ((2 pi f)^2 L). For the design frequency F the series
// inductance must become L (f / F)^2; the tuning coil takes the whole
// change, the other coils stay as they are. Its turns come from the
// calculator's own turns formula (coil diameter, pitch and wire of the
// design), its length and wire length from the coil-from-turns
// recalculation, and the Capacitance Factor from the design tools' fit.
#pragma once

#include "design/DesignRecord.h"
#include "design/DesignTools.h"
#include "design/Result.h"

#include <optional>
#include <string>
#include <vector>

namespace yq {

struct TuningInput {
    double measuredHz = 0;              // resonance (or least SWR) of the measurement
    std::optional<Decimal> woundTurns;  // the turns wound; the design's NT when absent
    // The inductance in series at the feed, in henries, with the tuning coil
    // as wound (the model's whole series inductance). Absent: the tuning
    // coil alone.
    std::optional<double> seriesHenries;
};

// Measured resonances outside this share of F tune in one step only roughly.
inline constexpr double kTrustedLow = 0.5;
inline constexpr double kTrustedHigh = 2.0;

struct Tuning {
    double designHz = 0;
    double measuredHz = 0;
    Decimal nowTurns;                // the turns wound (M)
    double nowTuningHenries = 0;     // the tuning coil of M turns
    double seriesHenries = 0;        // all in series at the feed, as wound
    double otherSeriesHenries = 0;   // of which not the tuning coil
    double effectiveFarads = 0;      // what the series inductance resonates with
    double neededSeriesHenries = 0;  // for resonance at F
    double neededTuningHenries = 0;
    Decimal turns;                   // N, two places
    Decimal coilLength;              // N x SP, in the design's unit
    Decimal wireLength;              // N x CCD x pi
    FitOutcome fit;                  // the FAC whose design winds nearest N turns
    bool trusted = true;             // measured within 0.5 F .. 2 F
    std::vector<std::string> notes;  // sentences for the user
};

// `design` has had its ReCalc. Fails when F or the measured frequency is not
// above 0, or when the other series coils alone already exceed what F needs.
Result<Tuning> computeTuning(const DesignRecord& design, bool metricFlag, const TuningInput& input);

}  // namespace yq

namespace yq {

struct FindingRow;

// The tuning as the tab and yq-calc tune show it: the series inductance and
// the effective capacitance, the inductance for F, "wind N turns (now M)",
// the coil and wire length, the Capacitance Factor of the fit; then the
// notes. Lengths in the design's unit ("in", "mm").
std::vector<FindingRow> tuningRows(const Tuning& tuning, UnitSystem system);

}  // namespace yq
