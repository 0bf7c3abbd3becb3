// Design tools on top of the calculation: fitting the capacitance factor or
// the degrees of phase to the turns of a built antenna, sweeping one input
// over a range, and converting a design between inches and millimetres.
// Every answer comes from full ReCalc runs of the record's own calculation.
#pragma once

#include "design/DesignRecord.h"
#include "design/Result.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace yq {

// ReCalc of the record's unit system; `metricFlag` is the program-wide unit
// flag the Imperial calculation reads (the Metric one ignores it).
void reCalcAs(DesignRecord& record, bool metricFlag);

// Unit of a quantity in a unit system, as an axis or a table heading shows
// it ("MHz", "in", "mm", "pF", "turns"); empty for a plain ratio.
std::string_view unitOf(std::string_view key, UnitSystem system);

// ---------------------------------------------------------------- fit

enum class FitField {
    Fac,  // Capacitance Factor FAC, fitted to the tuning-coil turns NT
    Dps,  // Degrees of Phase DPS, fitted to the source-coil turns SCT
};

std::string_view fitFieldKey(FitField field);  // "FAC", "DPS"
std::string_view fitTurnsKey(FitField field);  // "NT", "SCT"

// The values a fit tries, in steps of 0.01 (the fields' two places):
// FAC 1.00 to 99.99, the values the window accepts (below 1 it puts 2);
// DPS 0.01 to 90.00: 0 stands for the default of 6 degrees, a negative
// phase gives no coil, and at 90 degrees the source coil already takes the
// whole inductance of the tuning coil.
struct FitRange {
    Decimal first;
    Decimal last;
    int count = 0;
};
FitRange fitRange(FitField field);

struct FitOutcome {
    FitField field = FitField::Fac;
    Decimal turnsWanted;          // the turns asked for
    Decimal value;                // the fitted FAC or DPS
    Decimal turns;                // the NT or SCT that value gives
    bool withinHalfTurn = false;  // |turns - turnsWanted| <= 0.5
    DesignRecord design;          // the full ReCalc with the fitted value
    // Keys, in design-file order, whose values differ from the design's
    // own ReCalc (the fitted field and its turns included).
    std::vector<std::string_view> changed;
};

// Tries every value of the field's range, each as a full ReCalc with all
// other inputs of `design`, and keeps the one whose turns come nearest to
// `turnsWanted`; of equally near values the smallest wins. When no value
// comes within half a turn the outcome says so and still holds the nearest.
FitOutcome fitDesign(const DesignRecord& design, bool metricFlag, FitField field, const Decimal& turnsWanted);

// ---------------------------------------------------------------- sweep

inline constexpr int kMaxSweepPoints = 10000;

// The inputs a sweep can vary, in the window's order.
const std::vector<std::string_view>& sweepInputs();

struct SweepRange {
    std::string key;  // one of sweepInputs()
    Decimal from;
    Decimal to;
    Decimal step;    // signed: negative runs downwards
    int points = 0;  // filled in by checkSweepRange
};

// The range the design tools offer for sweeping `key` around a calculated
// design, in the key's places: F over its amateur band (5 % either side
// outside the bands), FAC from 1 to twice its value (at least 4), MBW from
// 10 to 100 kHz while it is 0, any other 0 from 0 to 1, anything else 20 %
// either side; about 150 steps, at least one unit of the last place.
struct SuggestedRange {
    Decimal from, to, step;
    int places = 0;
};
SuggestedRange suggestedSweepRange(const DesignRecord& calculated, std::string_view key);

// Checks a range for a record of `system`: a sweepable key, a step that is
// not 0 and runs from FROM towards TO, no more places than the field holds,
// at most kMaxSweepPoints points. Returns the reason naming the offending
// text, or nothing (and sets `points`) when the range is usable.
std::optional<std::string> checkSweepRange(SweepRange& range, UnitSystem system);

// "KEY=FROM:TO:STEP" as yq-calc takes it, or why the text is not such a
// range. The range is checked too.
Result<SweepRange> parseSweepRange(std::string_view text, UnitSystem system);

// One full ReCalc of `design` per point, with the swept input replaced by
// FROM + i x STEP. The range must have passed checkSweepRange.
std::vector<DesignRecord> runSweep(const DesignRecord& design, bool metricFlag, const SweepRange& range);

// CSV of a sweep: a title row of every key in yq-calc's order (the design
// file's 42, then WR, UF and NTE), then one row per point with each value
// as yq-calc prints it. Lines end in "\r\n"; no field needs quoting.
std::string sweepCsv(const std::vector<DesignRecord>& points);

// ---------------------------------------------------------------- convert

// The lengths among the inputs: converted by 25.4. CL is converted too (the
// Metric calculation reads the coil length it held before, for RAT).
const std::vector<std::string_view>& convertedLengths();

// Imperial to Metric (lengths x 25.4) or Metric to Imperial (lengths / 25.4),
// rounded to the target record's places; F, LD, MBW, FAC, DPS and the
// carried RFR, AF and MRR unchanged; then the target's ReCalc (the Imperial
// one with the flag its window opens with, 0). Gives the converted design
// after its ReCalc, or the first length too large for the target's field.
Result<DesignRecord> convertDesign(const DesignRecord& design, UnitSystem to);

}  // namespace yq
