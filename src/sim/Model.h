// The NEC-2 model of a YQ design, written as a deck for nec2c. This comment
// is the one description of the model; the tab, yq-calc simulate and the
// tests refer to it.
//
// Standard model
// - The antenna's axis is z, in free space (no ground card: GE 0 alone).
// - The two cylinders are straight thick wires of radius CD/2 and length
//   CCL = CD x LD each, on the axis, a gap of one CD between them: tag 1
//   runs from +CD/2 to +CD/2 + CCL, tag 3 from -CD/2 - CCL to -CD/2. Each is
//   cut into floor(LD) segments (at least 1), about one CD long, so that a
//   segment is at least twice its radius (the least the extended thin-wire
//   kernel allows).
// - The gap is one wire of one segment (tag 2), of the cylinders' radius, so
//   that the radius does not change at the two junctions (the extended
//   kernel is not valid where it does). It holds the feed (EX 0, 1 V) and
//   the coils.
// - The extended thin-wire kernel (EK).
// - The cylinders are aluminium: LD 5 with 3.77e7 S/m.
// - The tuning, phasing and source coils are one lumped series R + L load
//   in the gap segment (LD 0), their values from the calculator's own
//   formulas (sim/Coils.h): L = CI + the phasing coil's inductance (PCNT
//   turns of diameter PCCD at the pitch SP, Wheeler's formula as the
//   calculator uses it) + SCI; R = the wire resistance of the three coils
//   (LW, LPW and SCWL of wire WD, the calculator's skin-effect formula)
//   re-evaluated at the centre of the deck's frequency range.
// - Nothing else: no feed line, no balun, no mast, no coil self-capacitance
//   or coupling between the coils and the cylinders.
// Because the coils are one series load at the feed, the impedance the
// model gives with another tuning coil is the bare structure's impedance
// plus that coil's R + jwL, exactly.
//
// Detailed model
// - The same axis, free space, the same cylinders and gap (one CD) as the
//   standard model, but every part as the build sheet places it.
// - Each cylinder is a wire-grid cage of radius CD/2: 8 straight wires
//   along it at 45-degree steps, each cut into LD segments a half (about
//   CD/2 long), joined by rings of 8 one-segment chords at both ends and in
//   the middle. The cage's wires have the radius CD/16, so that the 8 of
//   them have the tube's surface. The upper cage's lower end is closed by 8
//   spokes to the axis; the lower cage is open at both ends.
// - The phasing coil is a GH helix in the gap: PCNT turns of diameter PCCD,
//   wire PCWD, wound over the middle three quarters of the gap (the design
//   leaves its wound length open), joined to the upper cage's spokes along
//   the axis and, through a radial lead, to the top wire.
// - The tuning coil is a GH helix of NT turns of diameter CCD at the pitch
//   SP (NT x SP long), wire WD, one CD below the lower cylinder. Its top
//   wire runs from its upper end to the axis and up the axis through the
//   lower cage, which it does not touch, to the phasing coil (the build
//   sheet's wire up the centre of the lower cylinder, carried on as the
//   phasing coil's lead). Its bottom wire runs across the coil's lower end
//   to 0.85 of the smaller of the two radii, at the cage wire opposite the
//   top wire's lead, straight up inside the coil and joins the lower cage at
//   its lower rim (the build sheet runs it on up the inside edge; a wire
//   that close along the cage wall breaks NEC-2's rules more).
// - Both helices have 16 segments a turn (NEC-2 needs at least 16 for a
//   helix's inductance); the leads are cut into segments of about CD/2.
// - The feed (EX 0, 1 V) is the lowest segment of the bottom wire's rise;
//   the source coil stays one lumped series R + L load there (SCI, and the
//   wire resistance of SCWL of wire SCWD at the centre of the sweep).
// - The cages are aluminium and the coils and leads copper (LD 5 with
//   3.77e7 and 5.8e7 S/m); the normal thin-wire kernel (EK is not valid at
//   a cage's many junctions).
// At these sizes the helices' and the leads' segments are far shorter than
// NEC-2's least of 0.001 wavelength, and the cage's rings and the leads
// break its length-over-radius and junction rules: the study reports from
// this model only what stays valid there (sim/Study.h).
//
// Every length is converted to metres from the design's unit (inches or
// millimetres); numbers are written in the C locale whatever the program's
// locale is. The deck is a function of the design record (its unit system
// included) and the request alone.
#pragma once

#include "design/DesignRecord.h"

#include <optional>
#include <string>
#include <vector>

namespace yq::sim {

inline constexpr double kAluminiumSiemensPerMetre = 3.77e7;

// Evenly spaced frequencies, as one FR card gives them.
struct FrequencySpan {
    double firstHz = 0;
    double stepHz = 0;
    int count = 1;
    double lastHz() const { return firstHz + stepHz * (count - 1); }
    double centreHz() const { return firstHz + stepHz * (count - 1) / 2; }
    std::vector<double> frequencies() const;
};

struct DeckRequest {
    FrequencySpan sweep;
    // Replaces the calculator's tuning coil (henries), for the re-sized coil.
    std::optional<double> tuningCoilH;
    // The turns of that coil: its wire is then turns x CCD x pi long (the
    // calculator's wire-length formula) instead of LW.
    std::optional<double> tuningCoilTurns;
    // An elevation cut (theta 0..180 at phi 0 and 180, 5-degree steps) and
    // the average gain at every frequency of the sweep.
    bool pattern = false;
    // For the physics checks: perfectly conducting cylinders and lossless
    // coils; or no coils at all (the bare cylinders fed in the gap).
    bool lossless = false;
    bool unloaded = false;
};

// The standard model's deck for a calculated design.
std::string standardDeck(const DesignRecord& design, const DeckRequest& request);

// The deck "Export NEC deck..." writes: the coarse sweep of the study
// (0.4 F to 2.5 F) with the calculator's coils and the pattern at F, a
// deck that xnec2c and other NEC-2 programs open as it is.
std::string exportDeck(const DesignRecord& design);

// The same for the detailed model: 12 frequencies of 0.4 F to 2.5 F (each
// takes about a second), then the pattern at F.
std::string exportDetailedDeck(const DesignRecord& design);

// The coarse sweep of the study: 0.4 F to 2.5 F in 85 steps.
FrequencySpan coarseSweep(double designHz);

// Geometry of the standard model in metres, for the tests and the rule checks.
struct StandardGeometry {
    double tubeLengthM = 0;
    double tubeRadiusM = 0;
    double gapM = 0;
    int tubeSegments = 1;
};
StandardGeometry standardGeometry(const DesignRecord& design);

// The total series load of the coils at `hz` (sim/Coils.h), with
// `tuningCoilH` in place of CI when given.
double coilsOhms(const DesignRecord& design, double hz, std::optional<double> tuningCoilTurns = {});
double coilsHenries(const DesignRecord& design, std::optional<double> tuningCoilH = {});

// The one-line summary of what the model leaves out.
std::string modelAssumptions();
std::string detailedAssumptions();

inline constexpr double kCopperSiemensPerMetre = 5.8e7;
inline constexpr int kCageWires = 8;
inline constexpr int kHelixSegmentsPerTurn = 16;

// Geometry of the detailed model in metres, for the tests.
struct DetailedGeometry {
    double cageRadiusM = 0;      // CD/2
    double cageWireRadiusM = 0;  // CD/16
    double tubeLengthM = 0;      // CCL
    double gapM = 0;             // CD
    int cageHalfSegments = 1;    // segments of each half of a cage wire
    double tuningRadiusM = 0;    // CCD/2
    double tuningTurns = 0;      // NT
    double tuningPitchM = 0;     // SP
    double tuningTopM = 0;       // z of the tuning coil's upper end
    int tuningSegments = 0;
    double phasingRadiusM = 0;  // PCCD/2
    double phasingTurns = 0;    // PCNT
    double phasingLengthM = 0;  // three quarters of the gap
    int phasingSegments = 0;
    double wireRadiusM = 0;         // WD/2
    double phasingWireRadiusM = 0;  // PCWD/2
};
DetailedGeometry detailedGeometry(const DesignRecord& design);

// The detailed model's deck (request.tuningCoilH and tuningCoilTurns are
// not used: its tuning coil is the helix of NT turns; lossless leaves out
// the conductivity and the source coil's resistance; unloaded the source
// coil as well).
std::string detailedDeck(const DesignRecord& design, const DeckRequest& request);

}  // namespace yq::sim
