// The standard study of a design in the NEC-2 model (sim/Model.h): a coarse
// sweep from 0.4 F to 2.5 F, the series resonance where X rises through 0
// (refined by root finding, not read off the grid), a fine sweep around it
// and the pattern there; then the same with the tuning coil re-sized so that
// the model resonates at F, and the turns that coil needs by the
// calculator's own turns-from-inductance recalculation.
//
// Every figure here comes from nec2c's output; none is tuned toward the
// calculator's. The calculator's own figures sit beside them in the tab and
// in yq-calc simulate.
#pragma once

#include <QtGlobal>

#include "design/DesignRecord.h"
#include "design/Result.h"

#include <atomic>
#include <complex>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace yq::sim {

enum class ModelKind {
    Standard,  // tubes as straight thick wires, lumped coils
    Detailed,  // tubes as wire-grid cages, coils as helices (see runStudy)
};

// One frequency of a sweep: the frequency as the deck asked for it (nec2c
// prints only 5 significant digits) and the impedance at the feed.
struct SweepPoint {
    double hz = 0;
    std::complex<double> z;  // ohms
};

// One direction of a pattern cut, in the plane that holds the antenna's
// axis: elevation 0 is broadside (the horizon with the axis upright), 90
// along the axis.
struct PatternPoint {
    double elevationDeg = 0;
    double gainDbi = 0;  // power gain, losses included
};

// A rule of NEC-2 that the deck breaks, as a whole sentence
// ("Segment length 0.0508 m is 0.00048 wavelength at 2.86 MHz; NEC-2 wants
// at least 0.001.").
// The note of the detailed model (StudyResult::notes, in English, its value
// filled in by fillPattern), for shownText to show in the program's language.
inline constexpr const char* kDetailedModelNote = QT_TRANSLATE_NOOP(
    "SimulationStudy",
    "Its segments are down to %1 wavelength at F (NEC-2 wants at least 0.001) and its cages and leads break NEC-2's "
    "rules, so its feed R and X, and the Q, bandwidths and SWR from them, are not valid: it gives the resonance, "
    "radiation resistance, gain and efficiency from the far field only.");

struct RuleBreak {
    std::string rule;    // short name: "segment length", "length over radius"
    std::string detail;  // the sentence
};

// What the model says about one tuning coil. A figure the run could not
// give (no resonance in the sweep, a bandwidth wider than the fine sweep)
// is empty.
struct ModelFigures {
    double tuningCoilH = 0;                        // the tuning coil of this case
    std::optional<double> resonanceHz;             // series resonance, X rising through 0
    std::optional<std::complex<double>> zAtF;      // feed impedance at the design frequency
    std::optional<double> resistanceAtResonance;   // R at resonance, ohms
    std::optional<double> radiationResistance;     // R at resonance times the efficiency
    std::optional<double> q;                       // f / (2 R) dX/df at resonance
    std::optional<double> halfPowerBandwidthHz;    // |X| <= R around resonance (matched)
    std::optional<double> swr2BandwidthHz;         // SWR <= 2 against R at resonance (matched)
    std::optional<double> halfPowerBandwidth50Hz;  // delivered power >= half its best, 50-ohm source
    std::optional<double> swr2Bandwidth50Hz;       // SWR <= 2 on 50 ohm
    std::optional<double> minSwr50;                // lowest SWR on 50 ohm in the fine sweep
    std::optional<double> efficiency;              // radiated / input power at resonance, 0..1
    std::optional<double> maxGainDbi;              // largest gain of the pattern at resonance
    std::vector<SweepPoint> fine;                  // the fine sweep around resonance
    std::vector<PatternPoint> pattern;             // elevation cut at resonance
    double patternHz = 0;
};

struct StudyResult {
    ModelKind model = ModelKind::Standard;
    double designHz = 0;                // F
    std::vector<SweepPoint> coarse;     // 0.4 F .. 2.5 F, calculated coil
    ModelFigures asDesigned;            // the calculator's tuning coil
    ModelFigures tuned;                 // the coil re-sized to resonate at F
    std::optional<double> tunedTurns;   // turns of the re-sized coil (turns from inductance)
    std::vector<RuleBreak> ruleBreaks;  // of the model's decks
    std::string assumptions;            // one line: free space, no feed line, lumped coils ...
    std::vector<std::string> notes;     // what the model could not give, and why
    int nec2cRuns = 0;                  // processes run
    double seconds = 0;                 // wall time of the study
};

struct StudyOptions {
    ModelKind model = ModelKind::Standard;
    std::string program = "nec2c";  // the nec2c to run (a path, or a name looked up on PATH)
    int timeoutMs = 20000;          // per nec2c run; a run past it is killed and reported
    int processes = 0;              // nec2c processes at a time (0: one per core)
    // Asked between and during runs; true stops the study (its result is then
    // the problem "The simulation was cancelled.").
    const std::atomic<bool>* cancel = nullptr;
    // Called with the share of the work done, 0..1, from the thread the study runs in.
    std::function<void(double)> progress;
};

// The detailed model (sim/Model.h) breaks NEC-2's segment rules at these
// sizes: its study brackets the series resonance on 12 points of 0.4 F to
// 2.5 F, narrows it in rounds of one frequency per nec2c process, runs the
// pattern there, and gives only the resonance, the radiation resistance,
// the largest gain and the efficiency from the far field (its power over
// that power and the losses of the currents; the feed's R, and so the input
// power, is not valid there: with lossless wires the far field carries
// about twice the input power); every
// other figure and the coil for F stay empty, and its notes say why.
//
// Runs the study of a calculated design (ReCalc already run). Fails when
// nec2c is missing ("nec2c is not installed: sudo apt install nec2c"), when
// a run fails (nec2c's own message), times out or is cancelled.
Result<StudyResult> runStudy(const DesignRecord& design, const StudyOptions& options = {});

// The inductance the model puts in series at the feed, in henries: the
// tuning coil (the calculator's CI, or for `tuningTurns` the calculator's
// coil formula with that many turns at the design's coil diameter and
// spacing), the phasing coil (the same formula with PCNT turns of PCCD at
// the spacing SP) and the source coil (SCI).
double feedSeriesInductance(const DesignRecord& design, std::optional<double> tuningTurns = {});

// The tuning-coil inductance (henries) of a given number of turns by the
// calculator's coil formula (Wheeler's, d = CCD, pitch SP), and back: the
// turns for an inductance by the turns-from-inductance recalculation.
double tuningCoilInductance(const DesignRecord& design, double turns);
double turnsForInductance(const DesignRecord& design, double henries);

}  // namespace yq::sim
