// The design calculation (ReCalc) of the Imperial and Metric windows and the
// partial recalculations that single controls run.
#pragma once

#include "design/DesignRecord.h"

#include <optional>
#include <string_view>

namespace yq {

// Full calculation of the Imperial window. `metricFlag` is the program-wide
// unit flag: when set, the unit factor is 25.4 and the wavelength steps use
// millimetres.
void reCalcImperial(DesignRecord& record, bool metricFlag);

// Full calculation of the Metric window (millimetre lengths, one pass, no
// turns estimate, variance against 120 ohms). It does not read the unit flag.
void reCalcMetric(DesignRecord& record);

// The calculation that belongs to the record's unit system.
void reCalc(DesignRecord& record, bool metricFlag);

enum class PartialRecalc {
    CylinderLength,                // CCL := CD x LD
    LdFromCylinderLength,          // LD := CCL / CD
    WireLength,                    // LW := NT x CCD x pi
    CoilFromEstimatedCapacitance,  // CI, NT (with CD), CL, LW
    TurnsFromInductance,           // NT (with CD), LW
    CoilFromTurns,                 // CL, LW
    PhasingCoilTurns,              // PCNT
};

void runPartial(DesignRecord& record, PartialRecalc which);

// The tuning coil's formula both ways (Wheeler's single-layer coil with the
// design's coil diameter CCD and pitch SP, in inches): the turns for an
// inductance in uH, exactly as ReCalc's turns step computes NT from CI, and
// the inductance in uH that a number of turns gives.
Decimal tuningCoilTurns(const DesignRecord& record, const Decimal& microhenries);
double tuningCoilMicrohenries(const DesignRecord& record, double turns);

// Command-line names: "cylinder-length", "ld-from-cylinder-length",
// "wire-length", "coil-from-estimated-capacitance", "turns-from-inductance",
// "coil-from-turns", "phasing-coil-turns".
std::optional<PartialRecalc> partialFromName(std::string_view name);

}  // namespace yq
