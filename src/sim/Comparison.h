// The calculator's figures beside the model's, as the Simulation tab and
// yq-calc simulate show them, and the sweep as CSV and Touchstone text.
// Where the calculator computes no such figure its cell is "-"; where the
// model gives none (no resonance in the sweep, a band wider than the fine
// sweep) its cell says "none". The detailed model's figures that are not
// valid there say "not valid", and its coil-for-F column "not computed".
#pragma once

#include "design/DesignRecord.h"
#include "sim/Study.h"

#include <QtGlobal>

#include <string>
#include <vector>

namespace yq::sim {

struct ComparisonRow {
    std::string key;         // "resonance", for json and tests
    std::string label;       // "Series resonance"
    std::string unit;        // "MHz"
    std::string calculator;  // the calculator's figure, or "-"
    std::string asDesigned;  // the model with the calculator's tuning coil
    std::string tuned;       // the model with the coil re-sized to resonate at F
};

// Headings of the three value columns (in the program's language through
// shownText("SimulationTable", ...), as the row labels).
inline constexpr const char* kCalculatorHeading = QT_TRANSLATE_NOOP("SimulationTable", "calculator");
inline constexpr const char* kAsDesignedHeading = QT_TRANSLATE_NOOP("SimulationTable", "NEC-2, calculated coil");
inline constexpr const char* kTunedHeading = QT_TRANSLATE_NOOP("SimulationTable", "NEC-2, coil for F");
inline constexpr const char* kNotValid = QT_TRANSLATE_NOOP("SimulationTable", "not valid");
inline constexpr const char* kNotComputed = QT_TRANSLATE_NOOP("SimulationTable", "not computed");

std::vector<ComparisonRow> comparisonRows(const DesignRecord& design, const StudyResult& study);

// A rule break's detail, a note and the assumptions in the program's
// language, as the table and the Simulation tab show them.
std::string shownRuleDetail(const std::string& detail);
std::string shownNote(const std::string& note);
std::string shownAssumptions(const std::string& assumptions);
// The rows as aligned text columns, then the assumptions, the rule breaks and the notes.
std::string comparisonText(const DesignRecord& design, const StudyResult& study);
// One JSON object: the rows (calculator, model and tuned values as text),
// the assumptions, the rule breaks, the notes and the sweeps in numbers.
std::string comparisonJson(const DesignRecord& design, const StudyResult& study);

// Every point of both cases (coarse and fine sweeps): case, frequency in
// MHz, R, X, SWR on 50 ohm; frequencies rising within each case.
std::string sweepCsv(const StudyResult& study);
// The calculated coil's sweep (coarse and fine, rising) as a Touchstone
// one-port: "# MHz S RI R 50", S11 against 50 ohm.
std::string sweepTouchstone(const StudyResult& study);

// The calculated coil's points, coarse and fine, rising, without repeats.
std::vector<SweepPoint> mergedSweep(const StudyResult& study, bool tuned = false);

}  // namespace yq::sim
