#include "sim/Study.h"

#include "sim/Coils.h"
#include "sim/LocalText.h"
#include "sim/DeckRules.h"
#include "sim/Model.h"
#include "sim/Nec2cRunner.h"
#include "sim/NecOutput.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace yq::sim {

namespace {

// A message of the study for a person, in the program's language.
std::string studyText(const char* text) { return QCoreApplication::translate("SimulationStudy", text).toStdString(); }

constexpr double kReference = 50;

double swrOf(std::complex<double> z, double reference) {
    const double g = std::abs((z - reference) / (z + reference));
    return g >= 1 ? 1e9 : (1 + g) / (1 - g);
}

// Power a source of `reference` ohms delivers into z, as a share of what it
// gives a matched load.
double deliveredShare(std::complex<double> z, double reference) {
    return 4 * reference * z.real() / std::norm(z + reference);
}

class StudyRun {
public:
    StudyRun(const DesignRecord& design, const StudyOptions& options) : design_(design), options_(options) {
        settings_.program = options.program;
        settings_.timeoutMs = options.timeoutMs;
        settings_.cancel = options.cancel;
        totalSteps_ = options.model == ModelKind::Detailed ? 7 : 34;
    }

    int runs() const { return runs_; }
    std::vector<RuleBreak> breaks() const { return breaks_; }

    // Several decks at once; the parsed outputs in order.
    Result<std::vector<std::vector<NecFrequency>>> run(const std::vector<DeckRequest>& requests) {
        std::vector<std::string> decks;
        std::vector<std::vector<double>> frequencies;
        for (const DeckRequest& r : requests) {
            decks.push_back(options_.model == ModelKind::Detailed ? detailedDeck(design_, r)
                                                                  : standardDeck(design_, r));
            auto contents = readDeck(decks.back());
            if (!contents) return contents.problem();
            for (RuleBreak& b : checkRules(*contents))
                if (std::none_of(breaks_.begin(), breaks_.end(), [&](const RuleBreak& k) { return k.rule == b.rule; }))
                    breaks_.push_back(std::move(b));
            frequencies.push_back(contents->frequenciesHz);
        }
        auto outputs = runNec2cAll(decks, settings_, options_.processes);
        runs_ += int(decks.size());
        std::vector<std::vector<NecFrequency>> parsed;
        for (std::size_t i = 0; i < outputs.size(); ++i) {
            if (!outputs[i]) return outputs[i].problem();
            auto p = parseNecOutput(*outputs[i], frequencies[i]);
            if (!p) return p.problem();
            parsed.push_back(std::move(*p));
        }
        step();
        return parsed;
    }

    Result<std::vector<NecFrequency>> run(const DeckRequest& request) {
        auto all = run(std::vector<DeckRequest>{request});
        if (!all) return all.problem();
        return std::move(all->front());
    }

    Result<std::complex<double>> zAt(double hz, std::optional<double> coil, std::optional<double> turns) {
        DeckRequest r;
        r.sweep = {hz, 0, 1};
        r.tuningCoilH = coil;
        r.tuningCoilTurns = turns;
        auto out = run(r);
        if (!out) return out.problem();
        return out->front().z;
    }

    // X rises through 0 between a and b (X(a) < 0 < X(b)): the root by the
    // Illinois form of false position, to a part in 10^8.
    Result<double> refine(double a, double xa, double b, double xb, std::optional<double> coil,
                          std::optional<double> turns) {
        int side = 0;
        for (int i = 0; i < 40 && std::abs(b - a) > 1e-8 * b; ++i) {
            const double c = (a * xb - b * xa) / (xb - xa);
            auto z = zAt(c, coil, turns);
            if (!z) return z.problem();
            const double xc = z->imag();
            if (xc == 0) return c;
            if (xc < 0) {
                a = c, xa = xc;
                if (side == -1) xb /= 2;
                side = -1;
            } else {
                b = c, xb = xc;
                if (side == 1) xa /= 2;
                side = 1;
            }
        }
        return (a * xb - b * xa) / (xb - xa);
    }

    void step() {
        ++steps_;
        if (options_.progress) options_.progress(std::min(1.0, steps_ / totalSteps_));
    }

private:
    const DesignRecord& design_;
    StudyOptions options_;
    RunSettings settings_;
    int runs_ = 0;
    int steps_ = 0;
    double totalSteps_ = 34;
    std::vector<RuleBreak> breaks_;
};

// The interval around index `at` of a sweep where `inside` holds, its ends
// interpolated between the points; empty when it reaches an end of the sweep.
std::optional<double> widthAround(const std::vector<SweepPoint>& sweep, std::size_t at,
                                  const std::function<double(const SweepPoint&)>& margin) {
    // margin >= 0 inside.
    if (sweep.empty() || margin(sweep[at]) < 0) return std::nullopt;
    auto edge = [&](int direction) -> std::optional<double> {
        for (long i = long(at); i + direction >= 0 && i + direction < long(sweep.size()); i += direction) {
            const SweepPoint& p = sweep[i];
            const SweepPoint& q = sweep[i + direction];
            const double mp = margin(p), mq = margin(q);
            if (mq < 0) return p.hz + (q.hz - p.hz) * mp / (mp - mq);
        }
        return std::nullopt;
    };
    const auto low = edge(-1), high = edge(1);
    if (!low || !high) return std::nullopt;
    return *high - *low;
}

std::size_t nearest(const std::vector<SweepPoint>& sweep, double hz) {
    std::size_t best = 0;
    for (std::size_t i = 1; i < sweep.size(); ++i)
        if (std::abs(sweep[i].hz - hz) < std::abs(sweep[best].hz - hz)) best = i;
    return best;
}

std::vector<SweepPoint> points(const std::vector<NecFrequency>& run) {
    std::vector<SweepPoint> out;
    for (const NecFrequency& f : run) out.push_back({f.hz, f.z});
    return out;
}

// The elevation cut (the first RP card: theta 0..180 at phi 0 and 180) and
// its largest gain.
void readPattern(const NecFrequency& pattern, ModelFigures& figures) {
    double peak = -1e300;
    std::vector<PatternPoint> cut;
    std::size_t rows = 0;
    for (const PatternRow& row : pattern.pattern) {
        if (rows++ >= 74) break;  // the first card's 37 x 2 rows
        // Angles round the cut: phi 0 gives 90 - theta, phi 180 gives 90 + theta.
        const double angle = row.phiDeg == 0 ? 90 - row.thetaDeg : 90 + row.thetaDeg;
        cut.push_back({angle, row.totalDb <= -999 ? -999.99 : row.totalDb});
        if (row.totalDb > -999) peak = std::max(peak, row.totalDb);
    }
    std::sort(cut.begin(), cut.end(),
              [](const PatternPoint& a, const PatternPoint& b) { return a.elevationDeg < b.elevationDeg; });
    figures.pattern = cut;
    if (peak > -1e300) figures.maxGainDbi = peak;
}

// Everything about one tuning coil once its resonance is known.
Result<void> describe(StudyRun& run, const DesignRecord& design, double designHz, ModelFigures& figures,
                      double resonance, std::optional<double> coil, std::optional<double> turns,
                      std::vector<std::string>& notes) {
    figures.resonanceHz = resonance;
    // R and the slope of X at resonance, from three close points.
    DeckRequest slopeRun;
    const double d = 1e-4 * resonance;
    slopeRun.sweep = {resonance - d, d, 3};
    slopeRun.tuningCoilH = coil;
    slopeRun.tuningCoilTurns = turns;
    auto slope = run.run(slopeRun);
    if (!slope) return slope.problem();
    const double r0 = (*slope)[1].z.real();
    const double dxdf = ((*slope)[2].z.imag() - (*slope)[0].z.imag()) / (2 * d);
    figures.resistanceAtResonance = r0;
    if (dxdf > 0 && r0 > 0) figures.q = resonance / (2 * r0) * dxdf;

    // Fine sweeps: a narrow one over |X| <= 4 R, a wide one for 50 ohm;
    // the pattern at resonance; the impedance at F. All at once.
    const double narrow = dxdf > 0 ? 4 * std::max(r0, 1e-6) / dxdf : 0.01 * resonance;
    const double wide = dxdf > 0 ? 1.5 * (std::max(r0, 0.0) + kReference) / dxdf : 0.05 * resonance;
    std::vector<DeckRequest> requests(4);
    requests[0].sweep = {resonance - narrow, narrow / 20, 41};
    requests[1].sweep = {std::max(resonance - wide, 0.05 * resonance), 0, 61};
    requests[1].sweep.stepHz = (resonance + wide - requests[1].sweep.firstHz) / 60;
    requests[2].sweep = {resonance, 0, 1};
    requests[2].pattern = true;
    requests[3].sweep = {designHz, 0, 1};
    for (DeckRequest& r : requests) r.tuningCoilH = coil, r.tuningCoilTurns = turns;
    auto out = run.run(requests);
    if (!out) return out.problem();

    std::vector<SweepPoint> fine = points((*out)[0]);
    for (const SweepPoint& p : points((*out)[1])) fine.push_back(p);
    std::sort(fine.begin(), fine.end(), [](const SweepPoint& a, const SweepPoint& b) { return a.hz < b.hz; });
    figures.fine = fine;
    const std::size_t at = nearest(fine, resonance);
    figures.halfPowerBandwidthHz =
        widthAround(fine, at, [](const SweepPoint& p) { return p.z.real() - std::abs(p.z.imag()); });
    figures.swr2BandwidthHz = widthAround(fine, at, [r0](const SweepPoint& p) { return 2 - swrOf(p.z, r0); });
    double best = 0, bestSwr = 1e300;
    std::size_t bestAt = 0;
    for (std::size_t i = 0; i < fine.size(); ++i) {
        const double share = deliveredShare(fine[i].z, kReference);
        if (share > best) best = share, bestAt = i;
        bestSwr = std::min(bestSwr, swrOf(fine[i].z, kReference));
    }
    figures.minSwr50 = bestSwr;
    figures.halfPowerBandwidth50Hz =
        widthAround(fine, bestAt, [best](const SweepPoint& p) { return deliveredShare(p.z, kReference) - best / 2; });
    figures.swr2Bandwidth50Hz =
        widthAround(fine, nearest(fine, resonance), [](const SweepPoint& p) { return 2 - swrOf(p.z, kReference); });
    if (!figures.halfPowerBandwidthHz)
        notes.push_back(
            QT_TRANSLATE_NOOP("SimulationStudy", "The matched half-power band is wider than the fine sweep."));
    if (!figures.halfPowerBandwidth50Hz)
        notes.push_back(
            QT_TRANSLATE_NOOP("SimulationStudy", "The half-power band on 50 ohm is wider than the fine sweep."));

    const NecFrequency& pattern = (*out)[2].front();
    figures.patternHz = resonance;
    figures.efficiency = pattern.efficiency();
    if (figures.efficiency) figures.radiationResistance = r0 * *figures.efficiency;
    double peak = -1e300;
    for (const PatternRow& row : pattern.pattern) {
        if (row.totalDb <= -999) continue;
        // The cut of the RP card with phi 0 and 180 (the second card's
        // rows, phi 0 and 90 in 10-degree steps, are for the average).
        if (row.phiDeg != 0 && row.phiDeg != 180) continue;
        peak = std::max(peak, row.totalDb);
    }
    // Angles round the cut: phi 0 gives 90 - theta, phi 180 gives 90 + theta.
    std::vector<PatternPoint> cut;
    std::size_t rows = 0;
    for (const PatternRow& row : pattern.pattern) {
        if (rows++ >= 74) break;  // the first card's 37 x 2 rows
        const double angle = row.phiDeg == 0 ? 90 - row.thetaDeg : 90 + row.thetaDeg;
        cut.push_back({angle, row.totalDb <= -999 ? -999.99 : row.totalDb});
    }
    std::sort(cut.begin(), cut.end(),
              [](const PatternPoint& a, const PatternPoint& b) { return a.elevationDeg < b.elevationDeg; });
    figures.pattern = cut;
    if (peak > -1e300) figures.maxGainDbi = peak;
    figures.zAtF = (*out)[3].front().z;
    (void)design;
    return {};
}

// X rises through 0 between a and b: for a series L and C, X f is a
// straight line in f^2, so the root is read there between the two points.
double seriesRoot(double a, double xa, double b, double xb) {
    const double ya = xa * a, yb = xb * b;
    const double u = (a * a * yb - b * b * ya) / (yb - ya);
    const double root = u > 0 ? std::sqrt(u) : (a * xb - b * xa) / (xb - xa);
    return std::clamp(root, a, b);
}

constexpr int kDetailedBracketPoints = 12;

// The detailed study: the resonance bracketed on a few points of 0.4 F to
// 2.5 F, narrowed by rounds of one point per nec2c process, then the pattern
// there. Only the figures that stay valid in that model are kept.
Result<StudyResult> detailedStudy(const DesignRecord& design, const StudyOptions& options, StudyResult result) {
    const double f = result.designHz;
    const int processes = options.processes > 0 ? options.processes : std::max(1, QThread::idealThreadCount());
    StudyRun run(design, options);
    result.assumptions = detailedAssumptions();

    // The bracket: the coarse range in a few points, split among the processes.
    const double step = (2.5 - 0.4) * f / (kDetailedBracketPoints - 1);
    const int perDeck = (kDetailedBracketPoints + processes - 1) / processes;
    std::vector<DeckRequest> bracket;
    for (int first = 0; first < kDetailedBracketPoints; first += perDeck) {
        DeckRequest r;
        r.sweep = {0.4 * f + first * step, step, std::min(perDeck, kDetailedBracketPoints - first)};
        bracket.push_back(r);
    }
    auto coarse = run.run(bracket);
    if (!coarse) return coarse.problem();
    for (const auto& deck : *coarse)
        for (const SweepPoint& p : points(deck)) result.coarse.push_back(p);

    std::optional<double> a, b;
    double xa = 0, xb = 0;
    auto findCrossing = [&] {
        for (std::size_t i = 1; i < result.coarse.size(); ++i)
            if (result.coarse[i - 1].z.imag() < 0 && result.coarse[i].z.imag() >= 0) {
                a = result.coarse[i - 1].hz, xa = result.coarse[i - 1].z.imag();
                b = result.coarse[i].hz, xb = result.coarse[i].z.imag();
                return;
            }
    };
    findCrossing();
    // No crossing on the grid: the helices' own resonances can put the
    // series resonance just below a parallel one, where X rises to a peak
    // between two points and falls again. Look closer around the largest X.
    for (int zoom = 0; zoom < 4 && !a; ++zoom) {
        const auto top =
            std::max_element(result.coarse.begin(), result.coarse.end(),
                             [](const SweepPoint& p, const SweepPoint& q) { return p.z.imag() < q.z.imag(); });
        if (top == result.coarse.begin() || top + 1 == result.coarse.end()) break;
        const double low = (top - 1)->hz, high = (top + 1)->hz;
        const int count = 2 * processes;
        const double inner = (high - low) / (count + 1);
        std::vector<DeckRequest> closer;
        for (int k = 0; k < processes; ++k) {
            DeckRequest r;
            r.sweep = {low + inner * (1 + 2 * k), inner, 2};
            closer.push_back(r);
        }
        auto out = run.run(closer);
        if (!out) return out.problem();
        for (const auto& deck : *out)
            for (const SweepPoint& p : points(deck)) result.coarse.push_back(p);
        std::sort(result.coarse.begin(), result.coarse.end(),
                  [](const SweepPoint& p, const SweepPoint& q) { return p.hz < q.hz; });
        findCrossing();
    }
    if (!a) {
        result.notes.push_back(QT_TRANSLATE_NOOP(
            "SimulationStudy", "With the calculated coil the model has no series resonance between 0.4 F and 2.5 F."));
    } else {
        // Rounds of one point per process around the estimate, until the
        // bracket is a part in a million wide.
        for (int round = 0; round < 8 && *b - *a > 1e-6 * *b; ++round) {
            const double c = seriesRoot(*a, xa, *b, xb);
            const double h = 0.02 * (*b - *a);
            std::vector<DeckRequest> probes;
            for (int k = 0; k < processes; ++k) {
                DeckRequest r;
                const double at = processes == 1 ? c : c + h * (k - (processes - 1) / 2.0);
                r.sweep = {std::clamp(at, *a + 1e-3 * (*b - *a), *b - 1e-3 * (*b - *a)), 0, 1};
                probes.push_back(r);
            }
            auto out = run.run(probes);
            if (!out) return out.problem();
            std::vector<SweepPoint> known = {{*a, {0, xa}}, {*b, {0, xb}}};
            for (const auto& deck : *out) known.push_back({deck.front().hz, deck.front().z});
            std::sort(known.begin(), known.end(), [](const SweepPoint& p, const SweepPoint& q) { return p.hz < q.hz; });
            for (std::size_t i = 1; i < known.size(); ++i)
                if (known[i - 1].z.imag() < 0 && known[i].z.imag() >= 0) {
                    a = known[i - 1].hz, xa = known[i - 1].z.imag();
                    b = known[i].hz, xb = known[i].z.imag();
                    break;
                }
        }
        const double resonance = seriesRoot(*a, xa, *b, xb);
        DeckRequest patternRun;
        patternRun.sweep = {resonance, 0, 1};
        patternRun.pattern = true;
        auto out = run.run(patternRun);
        if (!out) return out.problem();
        const NecFrequency& at = out->front();
        ModelFigures& m = result.asDesigned;
        m.resonanceHz = resonance;
        m.patternHz = resonance;
        // The input power (the feed's R) is not valid here: the far field
        // carries more than it. The radiated power is the far field's (the
        // average gain times the input power), the losses those of the
        // currents in the loads and conductors (input minus the power
        // budget's radiated power); the efficiency is the one over their
        // sum, the radiation resistance the far field's power over the feed
        // current squared, and the gains the pattern's directivity times
        // that efficiency.
        readPattern(at, m);
        if (at.averageGain && at.inputWatts && at.radiatedWatts && *at.averageGain > 0 && *at.inputWatts > 0) {
            const double far = *at.averageGain * *at.inputWatts;
            const double lost = std::max(0.0, *at.inputWatts - *at.radiatedWatts);
            m.efficiency = far / (far + lost);
            m.radiationResistance = at.z.real() * *at.averageGain;
            const double correction = 10 * std::log10(*m.efficiency / *at.averageGain);
            for (PatternPoint& p : m.pattern)
                if (p.gainDbi > -999) p.gainDbi += correction;
            if (m.maxGainDbi) *m.maxGainDbi += correction;
        } else {
            m.pattern.clear();
            m.maxGainDbi.reset();
            result.notes.push_back(
                QT_TRANSLATE_NOOP("SimulationStudy", "nec2c gave no power budget or average gain at the resonance."));
        }
    }
    result.asDesigned.tuningCoilH = design.CI.value().toReal() * 1e-6;

    const auto breaks = run.breaks();
    double shortest = 1e300;
    if (auto deck = readDeck(detailedDeck(design, bracket.front())))
        for (const DeckWire& w : deck->wires)
            if (w.segments > 0 && w.length() > 0) shortest = std::min(shortest, w.length() / w.segments);
    char shortestText[40];
    std::snprintf(shortestText, sizeof shortestText, "%.2g", shortest / (299792458.0 / f));
    result.notes.push_back(fillPattern(kDetailedModelNote, {shortestText}));
    result.notes.push_back(QT_TRANSLATE_NOOP("SimulationStudy", "The coil for F is not computed in this model."));
    result.ruleBreaks = breaks;
    result.nec2cRuns = run.runs();
    return result;
}

}  // namespace

Result<StudyResult> runStudy(const DesignRecord& design, const StudyOptions& options) {
    QElapsedTimer clock;
    clock.start();
    StudyResult result;
    result.model = options.model;
    result.assumptions = modelAssumptions();
    const double f = design.F.value().toReal() * 1e6;
    result.designHz = f;
    if (!(f > 0))
        return fail(studyText(QT_TRANSLATE_NOOP("SimulationStudy", "The design has no frequency")),
                    studyText(QT_TRANSLATE_NOOP("SimulationStudy", "F is 0")));
    if (!(design.CD.value().toReal() > 0) || !(design.LD.value().toReal() > 0))
        return fail(studyText(QT_TRANSLATE_NOOP("SimulationStudy", "The design has no cylinders")),
                    studyText(QT_TRANSLATE_NOOP("SimulationStudy", "CD or LD is 0")));
    if (findProgram(options.program).empty()) return fail(missingProgramText(options.program));
    if (options.model == ModelKind::Detailed) {
        if (!(design.NT.value().toReal() > 0) || !(design.SP.value().toReal() > 0) ||
            !(design.CCD.value().toReal() > 0))
            return fail(studyText(QT_TRANSLATE_NOOP("SimulationStudy", "The detailed model needs a tuning coil")),
                        studyText(QT_TRANSLATE_NOOP("SimulationStudy", "NT, SP or CCD is 0")));
        if (options.progress) options.progress(0);
        auto detailed = detailedStudy(design, options, std::move(result));
        if (!detailed) return detailed.problem();
        detailed->seconds = clock.nsecsElapsed() / 1e9;
        if (options.progress) options.progress(1.0);
        return detailed;
    }

    StudyRun run(design, options);
    DeckRequest coarse;
    coarse.sweep = coarseSweep(f);
    auto sweep = run.run(coarse);
    if (!sweep) return sweep.problem();
    result.coarse = points(*sweep);

    const double ci = design.CI.value().toReal() * 1e-6;
    result.asDesigned.tuningCoilH = ci;
    // The series resonance: X rising through 0.
    for (std::size_t i = 1; i < result.coarse.size(); ++i) {
        const SweepPoint& a = result.coarse[i - 1];
        const SweepPoint& b = result.coarse[i];
        if (a.z.imag() < 0 && b.z.imag() >= 0) {
            auto root = run.refine(a.hz, a.z.imag(), b.hz, b.z.imag(), std::nullopt, std::nullopt);
            if (!root) return root.problem();
            if (auto r = describe(run, design, f, result.asDesigned, *root, std::nullopt, std::nullopt, result.notes);
                !r)
                return r.problem();
            break;
        }
    }
    if (!result.asDesigned.resonanceHz) {
        result.notes.push_back(QT_TRANSLATE_NOOP(
            "SimulationStudy", "With the calculated coil the model has no series resonance between 0.4 F and 2.5 F."));
        auto z = run.zAt(f, std::nullopt, std::nullopt);
        if (!z) return z.problem();
        result.asDesigned.zAtF = *z;
    }

    // The coil that resonates the model at F: the coils are one series load
    // at the feed, so X at F falls by exactly the change of wL.
    const double w = 2 * std::numbers::pi * f;
    double tunedH = ci - result.asDesigned.zAtF->imag() / w;
    if (tunedH > 0) {
        // nec2c prints 5 significant digits: the X left at F with that coil,
        // small and so printed finely, takes the rest off.
        auto left = run.zAt(f, tunedH, turnsForInductance(design, tunedH));
        if (!left) return left.problem();
        tunedH -= left->imag() / w;
    }
    if (!(tunedH > 0)) {
        result.notes.push_back(QT_TRANSLATE_NOOP(
            "SimulationStudy", "No tuning coil resonates the model at F: it needs a series capacitance there."));
    } else {
        const double turns = turnsForInductance(design, tunedH);
        result.tunedTurns = turns;
        result.tuned.tuningCoilH = tunedH;
        auto below = run.zAt(f * 0.99, tunedH, turns);
        if (!below) return below.problem();
        auto above = run.zAt(f * 1.01, tunedH, turns);
        if (!above) return above.problem();
        if (below->imag() < 0 && above->imag() >= 0) {
            auto root = run.refine(f * 0.99, below->imag(), f * 1.01, above->imag(), tunedH, turns);
            if (!root) return root.problem();
            if (auto r = describe(run, design, f, result.tuned, *root, tunedH, turns, result.notes); !r)
                return r.problem();
        } else {
            result.notes.push_back(QT_TRANSLATE_NOOP(
                "SimulationStudy", "With the re-sized coil X does not rise through 0 within 1 % of F."));
        }
    }
    result.ruleBreaks = run.breaks();
    result.nec2cRuns = run.runs();
    result.seconds = clock.nsecsElapsed() / 1e9;
    if (options.progress) options.progress(1.0);
    return result;
}

}  // namespace yq::sim
