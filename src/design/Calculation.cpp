#include "design/Calculation.h"

#include "design/UnitSystemRules.h"

#include <array>
#include <utility>

namespace yq {

namespace {

struct Constants {
    Decimal k0_546 = Decimal::of("0.546");
    Decimal k2_06 = Decimal::of("2.06");
    Decimal k39_37 = Decimal::of("39.37");
    Decimal k25_4 = Decimal::of("25.4");
    Decimal k4_5 = Decimal::of("4.5");
    Decimal k0_614 = Decimal::of("0.614");
    Decimal kPico = Decimal::of("0.000000000001");
    Decimal k0_996 = Decimal::of("0.996");
    Decimal kMicro = Decimal::of("0.000001");
    Decimal kMega = Decimal(1000000);
    // Real forms of the constants of the real steps (exact decimals, so
    // their conversions never change).
    double real0_614 = k0_614.toReal();
    double realWireFactor = (k0_996 * kMicro).toReal();
};

const Constants& constants() {
    static const Constants c;
    return c;
}

double real(const Decimal& d) { return d.toReal(); }

// CI := 1 / ((pi x 2 x F x 10^6)^2 x ((C + EWC + ECC) x 10^-12)) x 10^6
Decimal inductanceFor(const DesignRecord& r) {
    const Constants& k = constants();
    const Decimal omega = pi() * 2 * r.F * k.kMega;
    return Decimal(1) / (omega.pow(2) * ((r.C + r.EWC + r.ECC) * k.kPico)) * k.kMega;
}

// The turns formula solved for n: (A + sqrt(B)) / (d^2 / 2), in double.
double turns(const Decimal& a, const Decimal& b, const Decimal& halfSquare) {
    return realDiv(real(a) + realSqrt(real(b)), real(halfSquare));
}

// NT from CI with the cylinder diameter (the partial recalculations).
void turnsWithCylinderDiameter(DesignRecord& r) {
    const Constants& k = constants();
    const Decimal a = Decimal(10) * r.CI * r.SP;
    const Decimal b = a.pow(2) + r.CD.value().pow(3) * k.k4_5 * r.CI;
    r.NT = Decimal::fromReal(turns(a, b, r.CD.value().pow(2) / 2));
}

void wireLength(DesignRecord& r) { r.LW = r.NT * r.CCD * pi(); }

// Step 23: the turns of the tuning coil (diameter CCD, pitch SP; the Metric
// window converts both to inches) for an inductance in uH.
Decimal tuningCoilTurnsAs(const DesignRecord& r, const Decimal& microhenries, bool metricWindow) {
    const Constants& k = constants();
    if (metricWindow) {
        const Decimal a = Decimal(10) * microhenries * r.SP / k.k25_4;
        const Decimal diameter = r.CCD / k.k25_4;
        const Decimal squared = diameter.pow(2);
        const Decimal b = a.pow(2) + squared * diameter * k.k4_5 * microhenries;
        return Decimal::fromReal(turns(a, b, squared / 2));
    }
    const Decimal a = Decimal(10) * microhenries * r.SP;
    const Decimal squared = r.CCD.value().pow(2);
    const Decimal b = a.pow(2) + squared * r.CCD * k.k4_5 * microhenries;
    return Decimal::fromReal(turns(a, b, squared / 2));
}

void phasingCoilTurns(DesignRecord& r) { r.PCNT = r.LPW / (pi() * r.PCCD); }

// Both full calculations share their steps; `metricWindow` selects the
// Metric window's variant, `metricUnits` the unit factor 25.4.
//
// Products that several steps share are computed once: decimal products are
// exact, so their grouping changes neither value nor places. Quotients are
// rounded, so every quotient stays where its step has it.
void runReCalc(DesignRecord& r, bool metricWindow, bool metricUnits) {
    const Constants& k = constants();
    const Decimal wavelengthFactor = metricUnits ? Decimal(1000) : k.k39_37;
    const Decimal f = r.F.value();  // F is an input: no step stores it
    const Decimal twoPiF = pi() * 2 * f;
    const Decimal twoPiFSquared = pi() * 2 * f.pow(2);
    const Decimal kiloF = f * 1000;
    const Decimal wavelength = (Decimal(300) / f) * wavelengthFactor;

    // 1. unit factor
    r.UF = metricUnits ? k.k25_4 : Decimal(1);
    // 2. turns estimate
    if (!metricWindow) r.NTE = r.CCD.value().pow(2) * 35 / r.F;
    // 3. capacitance factor default
    if (r.FAC.isZero()) r.FAC = Decimal(2);
    if (r.FAC < Decimal(1)) r.FAC = Decimal(2);
    // 4. one wire for every coil
    r.PCWD = r.WD.value();
    r.SCWD = r.WD.value();
    // 5. spacing at least the wire diameter
    if (r.SP < r.WD) r.SP = r.WD.value();
    // 6.
    r.TPI = Decimal(1) / r.SP;
    // 7.
    r.CCL = r.CD * r.LD;
    // 8. cylinder capacitance
    if (metricUnits)
        r.C = (k.k0_546 * r.LD + k.k2_06) * r.CD / r.UF;
    else
        r.C = (k.k0_546 * r.LD + k.k2_06) * r.CD;
    // 9. coil length estimate
    if (!metricWindow) r.CL = r.SP * r.NTE;
    // 10. reactance
    r.XC = k.kMega / (twoPiF * r.C);
    // 11. bandwidth with 120 ohms
    r.BW = Decimal(120) * r.C * twoPiFSquared / 1000;
    // 12. radiation resistance and bandwidth
    const int passes = metricWindow ? 1 : 5;
    for (int i = 0; i < passes; ++i) {
        r.RR = r.XC * r.BW / kiloF;
        r.BW = r.RR * r.C * twoPiFSquared / 1000;
    }
    // 13.
    r.Q = r.XC / r.RR;
    // 14. total length, completed in step 36
    r.TL = Decimal(2) * r.CD * r.LD + r.CD;
    // 15. phasing wire, 6 degrees
    r.LPW = wavelength / 360 * 6;
    // 16.
    if (r.PCCD.isZero()) r.PCCD = r.CD.value();
    // 17.
    phasingCoilTurns(r);
    // 18. with the coil length left by step 9 (or before this run)
    r.RAT = r.CL / r.CCL;
    // 19.
    r.ECC = r.C / r.FAC;
    // 20. cylinder to wire capacitance (real)
    {
        double ewc = realDiv(k.real0_614, realLog10(real(r.CD / r.WD))) * real(r.LD) * real(r.CD);
        if (metricWindow) ewc = realDiv(ewc, real(r.UF));
        r.EWC = Decimal::fromReal(ewc);
    }
    // 21. inductance
    r.CI = inductanceFor(r);
    // 22.
    if (!metricWindow) r.CL = r.SP * r.NTE;
    // 23. turns from the inductance (real)
    r.NT = tuningCoilTurnsAs(r, r.CI.value(), metricWindow);
    r.CL = r.NT * r.SP;
    // 24.
    wireLength(r);
    // 25. RF resistance of the coil wire (real)
    {
        const double perFoot = k.realWireFactor * realSqrt(real(r.F * k.kMega));
        r.WR = Decimal::fromReal(realDiv(realDiv(perFoot, real(r.WD)) * real(r.LW), 12.0));
    }
    // 26. efficiency and variance
    if (!r.MBW.isZero()) {
        r.MRR = r.XC * r.MBW / kiloF;
        r.AE = r.MRR / (r.MRR + r.WR) * 100;
        if (metricWindow)
            r.V = (r.MRR - Decimal(120)) / 120 * 100;
        else
            r.V = (r.MRR - r.RR) / r.RR * 100;
    } else {
        r.AE = r.RR / (r.RR + r.WR) * 100;
        if (metricWindow)
            r.V = (r.RR - Decimal(120)) / 12000;
        else
            r.V = (r.RR - Decimal(120)) / (r.RR * 100);
    }
    // 27. loss (real), rounded to 2 places before it is stored
    r.DBL = Decimal::fromReal(10.0 * realLog10(real(r.AE / 100))).rounded(2);
    // 28., 29. source coil defaults
    if (r.SCD.isZero()) r.SCD = r.CCD.value();
    if (r.DPS.isZero()) r.DPS = Decimal(6);
    // 30.
    r.SCI = r.CI / 90 * r.DPS;
    // 31. source coil turns, in inches (real)
    {
        const Decimal a = Decimal(10) * r.SCI * r.SP / r.UF;
        const Decimal diameter = r.SCD / r.UF;
        const Decimal squared = diameter.pow(2);
        const Decimal b = a.pow(2) + squared * diameter * k.k4_5 * r.SCI;
        r.SCT = Decimal::fromReal(turns(a, b, squared / 2));
    }
    // 32. to 35.
    r.SCL = r.SCT * r.SCWD;
    r.XSC = twoPiF * r.SCI;
    r.SCWL = r.SCT * r.SCD * pi();
    phasingCoilTurns(r);
    // 36.
    r.TL = r.CD + r.CL + r.TL;
    // 37. length as a percentage of the wavelength
    r.PWL = r.TL * 100 / wavelength;
}

}  // namespace

void reCalcImperial(DesignRecord& record, bool metricFlag) { runReCalc(record, false, metricFlag); }

void reCalcMetric(DesignRecord& record) { runReCalc(record, true, true); }

void reCalc(DesignRecord& record, bool metricFlag) {
    UnitSystemRules::of(record.unitSystem()).reCalc(record, metricFlag);
}

Decimal tuningCoilTurns(const DesignRecord& record, const Decimal& microhenries) {
    return tuningCoilTurnsAs(record, microhenries, record.unitSystem() == UnitSystem::Metric);
}

double tuningCoilMicrohenries(const DesignRecord& record, double turns) {
    // Wheeler's L = d^2 n^2 / (18 d + 40 n s), d and s in inches.
    const double inches = record.unitSystem() == UnitSystem::Metric ? 1 / 25.4 : 1.0;
    const double d = record.CCD.value().toReal() * inches;
    const double s = record.SP.value().toReal() * inches;
    const double den = 18 * d + 40 * turns * s;
    return den > 0 && turns > 0 ? d * d * turns * turns / den : 0;
}

void runPartial(DesignRecord& r, PartialRecalc which) {
    switch (which) {
        case PartialRecalc::CylinderLength:
            r.CCL = r.CD * r.LD;
            break;
        case PartialRecalc::LdFromCylinderLength:
            r.LD = r.CCL / r.CD;
            break;
        case PartialRecalc::WireLength:
            wireLength(r);
            break;
        case PartialRecalc::CoilFromEstimatedCapacitance:
            r.CI = inductanceFor(r);
            turnsWithCylinderDiameter(r);
            r.CL = r.NT * r.SP;
            wireLength(r);
            break;
        case PartialRecalc::TurnsFromInductance:
            turnsWithCylinderDiameter(r);
            wireLength(r);
            break;
        case PartialRecalc::CoilFromTurns:
            r.CL = r.NT * r.SP;
            wireLength(r);
            break;
        case PartialRecalc::PhasingCoilTurns:
            phasingCoilTurns(r);
            break;
    }
}

std::optional<PartialRecalc> partialFromName(std::string_view name) {
    static constexpr std::array<std::pair<std::string_view, PartialRecalc>, 7> names{{
        {"cylinder-length", PartialRecalc::CylinderLength},
        {"ld-from-cylinder-length", PartialRecalc::LdFromCylinderLength},
        {"wire-length", PartialRecalc::WireLength},
        {"coil-from-estimated-capacitance", PartialRecalc::CoilFromEstimatedCapacitance},
        {"turns-from-inductance", PartialRecalc::TurnsFromInductance},
        {"coil-from-turns", PartialRecalc::CoilFromTurns},
        {"phasing-coil-turns", PartialRecalc::PhasingCoilTurns},
    }};
    for (const auto& [text, value] : names) {
        if (text == name) return value;
    }
    return std::nullopt;
}

}  // namespace yq
