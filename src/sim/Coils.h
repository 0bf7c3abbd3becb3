// The coils of a design as the model loads them: inductance by the
// calculator's own coil formula, resistance by its own skin-effect formula.
#pragma once

#include "design/DesignRecord.h"

namespace yq::sim {

// A lumped series load: R in ohms, L in henries.
struct SeriesLoad {
    double ohms = 0;
    double henries = 0;
};

// A field's value as a double.
inline double real(const DecimalField& field) { return field.value().toReal(); }

// Inches per unit length of the design (1, or 1/25.4 for millimetres).
double inchesPerUnit(const DesignRecord& design);
// Metres per unit length of the design (0.0254 or 0.001).
double metresPerUnit(const DesignRecord& design);

// Wheeler's single-layer formula as the calculator uses it:
// L = d^2 n^2 / (18 d + 40 n s) microhenries, d and s in inches.
double wheelerMicrohenries(double diameterIn, double turns, double pitchIn);
// The same solved for the turns (the calculator's turns formula).
double wheelerTurns(double diameterIn, double microhenries, double pitchIn);

// RF resistance of a wire (the calculator's 0.996e-6 sqrt(f) / d ohms per
// foot) of a length, both in the design's unit, at `hz`.
double wireOhms(double wireDiameter, double wireLength, double hz);

// The three coils at `hz` (the wire's resistance depends on it).
SeriesLoad tuningCoil(const DesignRecord& design, double hz);   // CI, LW of wire
SeriesLoad phasingCoil(const DesignRecord& design, double hz);  // PCNT turns of PCCD at pitch SP, LPW of wire
SeriesLoad sourceCoil(const DesignRecord& design, double hz);   // SCI, SCWL of wire

}  // namespace yq::sim
