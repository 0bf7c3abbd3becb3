#include "sim/Coils.h"

#include "sim/Study.h"

#include <cmath>
#include <numbers>

namespace yq::sim {

double inchesPerUnit(const DesignRecord& design) { return design.unitSystem() == UnitSystem::Metric ? 1 / 25.4 : 1.0; }

double metresPerUnit(const DesignRecord& design) { return design.unitSystem() == UnitSystem::Metric ? 0.001 : 0.0254; }

double wheelerMicrohenries(double diameterIn, double turns, double pitchIn) {
    const double den = 18 * diameterIn + 40 * turns * pitchIn;
    return den > 0 ? diameterIn * diameterIn * turns * turns / den : 0;
}

double wheelerTurns(double diameterIn, double microhenries, double pitchIn) {
    if (diameterIn <= 0 || microhenries <= 0) return 0;
    const double a = 10 * microhenries * pitchIn;
    const double b = a * a + diameterIn * diameterIn * diameterIn * 4.5 * microhenries;
    return (a + std::sqrt(b)) / (diameterIn * diameterIn / 2);
}

double wireOhms(double wireDiameter, double wireLength, double hz) {
    // Both lengths in one unit: the formula's inches and feet become a ratio.
    if (wireDiameter <= 0 || hz <= 0) return 0;
    return 0.996e-6 * std::sqrt(hz) / wireDiameter * wireLength / 12;
}

SeriesLoad tuningCoil(const DesignRecord& design, double hz) {
    return {wireOhms(real(design.WD), real(design.LW), hz), real(design.CI) * 1e-6};
}

SeriesLoad phasingCoil(const DesignRecord& design, double hz) {
    const double in = inchesPerUnit(design);
    const double uh = wheelerMicrohenries(real(design.PCCD) * in, real(design.PCNT), real(design.SP) * in);
    return {wireOhms(real(design.PCWD), real(design.LPW), hz), uh * 1e-6};
}

SeriesLoad sourceCoil(const DesignRecord& design, double hz) {
    return {wireOhms(real(design.SCWD), real(design.SCWL), hz), real(design.SCI) * 1e-6};
}

double tuningCoilInductance(const DesignRecord& design, double turns) {
    const double in = inchesPerUnit(design);
    return wheelerMicrohenries(real(design.CCD) * in, turns, real(design.SP) * in) * 1e-6;
}

double turnsForInductance(const DesignRecord& design, double henries) {
    const double in = inchesPerUnit(design);
    return wheelerTurns(real(design.CCD) * in, henries * 1e6, real(design.SP) * in);
}

double feedSeriesInductance(const DesignRecord& design, std::optional<double> tuningTurns) {
    const double f = real(design.F) * 1e6;
    const double tuning = tuningTurns ? tuningCoilInductance(design, *tuningTurns) : tuningCoil(design, f).henries;
    return tuning + phasingCoil(design, f).henries + sourceCoil(design, f).henries;
}

}  // namespace yq::sim
