#include "design/Tuning.h"

#include "design/Calculation.h"

#include <cmath>
#include <cstdio>
#include <numbers>

namespace yq {

namespace {

std::string mhz(double hz) {
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
                        mhz(t.designHz) + " needs");
    t.turns = tuningCoilTurns(design, Decimal::fromReal(t.neededTuningHenries * 1e6)).rounded(2);

    DesignRecord coil = design;
    coil.NT = t.turns;
    runPartial(coil, PartialRecalc::CoilFromTurns);
    t.coilLength = coil.CL.value();
    t.wireLength = coil.LW.value();

    t.fit = fitDesign(design, metricFlag, FitField::Fac, t.turns);
    t.trusted = ratio >= kTrustedLow && ratio <= kTrustedHigh;
    if (!t.trusted)
        t.notes.push_back("The measured resonance " + mhz(t.measuredHz) +
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
