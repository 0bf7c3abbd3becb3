// yq-calc tune: what a measured sweep says about the built antenna, and the
// tuning coil that brings its resonance to the design frequency.
//
//   yq-calc tune DESIGN.ini MEASURED.s1p [--wound TURNS] [--format table|json]
//
// The measurement is a Touchstone file (.s1p, .s2p, .ts) or a VNA program's
// CSV (files/Touchstone.h says which layouts). The inductance in series at
// the feed is the NEC-2 model's (the tuning coil of NT turns, or of the
// turns wound, with the phasing and source coils). Exit status: 0 done,
// 1 a design file that cannot be read or a design that cannot be tuned
// (the findings are still printed, the reason in the tuning's line),
// 2 bad usage or a bad or damaged
// measurement (one line naming the line), 3 a measurement that holds no
// usable sweep.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace yq::cli {

int runTuneCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace yq::cli
