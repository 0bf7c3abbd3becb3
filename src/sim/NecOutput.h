// nec2c's output file, read by its headings and by whitespace (its spacing
// differs from the FORTRAN NEC-2's): one block per frequency with the feed's
// impedance, the power budget and the radiation patterns asked for. The
// frequencies are the deck's (nec2c prints only 5 significant digits).
#pragma once

#include "design/Result.h"

#include <complex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace yq::sim {

struct PatternRow {
    double thetaDeg = 0;
    double phiDeg = 0;
    double totalDb = 0;  // power gain, -999.99 where there is none
};

struct NecFrequency {
    double hz = 0;  // from the deck
    std::complex<double> z;
    std::optional<double> inputWatts;
    std::optional<double> radiatedWatts;
    std::vector<PatternRow> pattern;           // every row of every pattern at this frequency
    std::optional<double> averageGain;         // the last "AVERAGE POWER GAIN" (a ratio)
    std::optional<double> efficiency() const;  // radiated / input
};

// Reads an output of a run that exited with 0. `frequenciesHz` are the
// deck's; the output must hold exactly one input-parameters block for each.
Result<std::vector<NecFrequency>> parseNecOutput(std::string_view output, const std::vector<double>& frequenciesHz);

// The message of a failed run: nec2c writes it as the last, unterminated
// line of its output file; empty when the output does not end that way.
std::string failureMessage(std::string_view output);

}  // namespace yq::sim
