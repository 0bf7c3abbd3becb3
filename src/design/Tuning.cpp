#include "design/Tuning.h"
#include "design/TranslationMarks.h"

#include "design/Calculation.h"
#include "design/ImpedanceSweep.h"

#include <cmath>
#include <cstdio>
#include <numbers>

namespace yq {

namespace {

std::string tuningMhz(double hz) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "%.4f MHz", hz / 1e6);
    return buf;
}

}  // namespace

Result<Tuning> computeTuning(const DesignRecord& design, bool metricFlag, const TuningInput& input) {
    Tuning t;
    t.designHz = design.F.value().toReal() * 1e6;
    t.measuredHz = input.measuredHz;
    if (!(t.designHz > 0)) return fail("The antenna cannot be tuned", "the design has no frequency");
    if (!(t.measuredHz > 0)) return fail("The antenna cannot be tuned", "the measured frequency is not above 0");
    if (!(design.CCD.value().toReal() > 0) || !(design.SP.value().toReal() > 0))
        return fail("The antenna cannot be tuned", "the design has no tuning-coil diameter (CCD) or spacing (SP)");
    if (input.woundTurns && !(input.woundTurns->toReal() > 0))
        return fail("The antenna cannot be tuned", "the turns wound must be more than 0");
    t.nowTurns = input.woundTurns ? *input.woundTurns : design.NT.value();
    t.nowTuningHenries = input.woundTurns ? tuningCoilMicrohenries(design, input.woundTurns->toReal()) * 1e-6
                                          : design.CI.value().toReal() * 1e-6;
    if (!(t.nowTuningHenries > 0)) return fail("The antenna cannot be tuned", "the design has no tuning coil");
    t.seriesHenries = input.seriesHenries ? *input.seriesHenries : t.nowTuningHenries;
    t.otherSeriesHenries = t.seriesHenries - t.nowTuningHenries;
    const double w = 2 * std::numbers::pi * t.measuredHz;
    t.effectiveFarads = 1 / (w * w * t.seriesHenries);
    const double ratio = t.measuredHz / t.designHz;
    t.neededSeriesHenries = t.seriesHenries * ratio * ratio;
    t.neededTuningHenries = t.neededSeriesHenries - t.otherSeriesHenries;
    if (!(t.neededTuningHenries > 0))
        return fail("The antenna cannot be tuned",
                    "the coils in series with the tuning coil already hold more inductance than resonance at " +
                        tuningMhz(t.designHz) + " needs");
    t.turns = tuningCoilTurns(design, Decimal::fromReal(t.neededTuningHenries * 1e6)).rounded(2);

    DesignRecord coil = design;
    coil.NT = t.turns;
    runPartial(coil, PartialRecalc::CoilFromTurns);
    t.coilLength = coil.CL.value();
    t.wireLength = coil.LW.value();

    t.fit = fitDesign(design, metricFlag, FitField::Fac, t.turns);
    t.trusted = ratio >= kTrustedLow && ratio <= kTrustedHigh;
    if (!t.trusted)
        t.notes.push_back("The measured resonance " + tuningMhz(t.measuredHz) +
                          " is outside 0.5 to 2 times the design frequency: one step cannot be trusted; rewind, "
                          "measure again and tune once more.");
    else
        t.notes.push_back("A second measurement after rewinding refines the turns.");
    if (!t.fit.withinHalfTurn)
        t.notes.push_back("No Capacitance Factor from 1.00 to 99.99 gives a design within half a turn of " +
                          t.turns.toFixed(2) + " turns; the nearest, " + t.fit.value.toFixed(2) + ", gives " +
                          t.fit.turns.toFixed(2) + ".");
    return t;
}

}  // namespace yq

namespace yq {

namespace {

std::string tuningFigure(const char* format, double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, format, v);
    return buf;
}

}  // namespace

std::vector<FindingRow> tuningRows(const Tuning& t, UnitSystem system) {
    const std::string unit = system == UnitSystem::Metric ? " mm" : " in";
    std::vector<FindingRow> rows;
    rows.push_back({"design_frequency", QT_TRANSLATE_NOOP("Findings", "Design frequency"), mhzText(t.designHz)});
    std::string series = tuningFigure("%.2f uH", t.seriesHenries * 1e6) + " (tuning coil " +
                         tuningFigure("%.2f uH", t.nowTuningHenries * 1e6) + " of " + t.nowTurns.toFixed(2) + " turns";
    if (t.otherSeriesHenries != 0) series += " + " + tuningFigure("%.2f uH", t.otherSeriesHenries * 1e6) + " in series";
    rows.push_back({"series_inductance", QT_TRANSLATE_NOOP("Findings", "Series inductance at the feed"), series + ")"});
    rows.push_back(
        {"effective_capacitance", QT_TRANSLATE_NOOP("Findings", "Effective capacitance"),
         tuningFigure("%.2f pF", t.effectiveFarads * 1e12) + " (resonating at " + mhzText(t.measuredHz) + ")"});
    rows.push_back({"inductance_for_f", QT_TRANSLATE_NOOP("Findings", "Inductance for the design frequency"),
                    tuningFigure("%.2f uH", t.neededSeriesHenries * 1e6) + " in series: tuning coil " +
                        tuningFigure("%.2f uH", t.neededTuningHenries * 1e6)});
    rows.push_back({"turns", QT_TRANSLATE_NOOP("Findings", "Tuning coil"),
                    "wind " + t.turns.toFixed(2) + " turns (now " + t.nowTurns.toFixed(2) + ")"});
    rows.push_back({"coil_length", QT_TRANSLATE_NOOP("Findings", "Coil length"), t.coilLength.toFixed(2) + unit});
    rows.push_back({"wire_length", QT_TRANSLATE_NOOP("Findings", "Wire length"), t.wireLength.toFixed(2) + unit});
    rows.push_back({"fac", QT_TRANSLATE_NOOP("Findings", "Capacitance Factor"),
                    t.fit.value.toFixed(2) + " (its design winds " + t.fit.turns.toFixed(2) + " turns" +
                        (t.fit.withinHalfTurn ? ")" : "; not within half a turn)")});
    for (std::size_t i = 0; i < t.notes.size(); ++i)
        rows.push_back({"note" + std::to_string(i + 1), QT_TRANSLATE_NOOP("Findings", "Note"), t.notes[i]});
    return rows;
}

}  // namespace yq
