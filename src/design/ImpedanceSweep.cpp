#include "design/ImpedanceSweep.h"
#include "design/TranslationMarks.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace yq {

namespace {

using cplx = std::complex<double>;

double swrOf(double gamma) {
    if (!(gamma < 1)) return std::numeric_limits<double>::infinity();
    return (1 + gamma) / (1 - gamma);
}

// Where the SWR crosses 2 between two points, linear in the SWR.
double crossing(const ImpedanceFigures& a, const ImpedanceFigures& b, double ImpedanceFigures::*swr) {
    const double sa = a.*swr, sb = b.*swr;
    if (!std::isfinite(sa) || !std::isfinite(sb) || sa == sb) return std::isfinite(sa) && sa <= 2 ? a.hz : b.hz;
    return a.hz + (2 - sa) / (sb - sa) * (b.hz - a.hz);
}

std::optional<SwrBandwidth> bandwidth(const std::vector<ImpedanceFigures>& p, std::size_t best,
                                      double ImpedanceFigures::*swr) {
    if (!(p[best].*swr <= 2)) return std::nullopt;
    SwrBandwidth bw;
    std::size_t lo = best;
    while (lo > 0 && p[lo - 1].*swr <= 2) --lo;
    std::size_t hi = best;
    while (hi + 1 < p.size() && p[hi + 1].*swr <= 2) ++hi;
    bw.lowOpen = lo == 0;
    bw.highOpen = hi + 1 == p.size();
    bw.lowHz = bw.lowOpen ? p[lo].hz : crossing(p[lo - 1], p[lo], swr);
    bw.highHz = bw.highOpen ? p[hi].hz : crossing(p[hi], p[hi + 1], swr);
    return bw;
}

}  // namespace

Result<SweepFindings> analyseSweep(const std::vector<ReflectionPoint>& sweep, double referenceOhms) {
    if (sweep.empty()) return fail("The measurement holds no usable sweep", "it has no frequency points");
    if (sweep.size() < 2)
        return fail("The measurement holds no usable sweep", "it has one frequency point; a sweep needs two or more");
    if (!(referenceOhms > 0))
        return fail("The measurement holds no usable sweep", "its reference impedance is not above 0");
    SweepFindings f;
    f.referenceOhms = referenceOhms;
    for (const ReflectionPoint& p : sweep) {
        ImpedanceFigures fig;
        fig.hz = p.hz;
        fig.z = referenceOhms * (1.0 + p.s11) / (1.0 - p.s11);
        const double gamma = std::abs(p.s11);
        fig.swr = swrOf(gamma);
        fig.returnLossDb = gamma > 0 ? -20 * std::log10(gamma) : std::numeric_limits<double>::infinity();
        const double gamma50 = std::isfinite(fig.z.real()) && std::isfinite(fig.z.imag())
                                   ? std::abs((fig.z - 50.0) / (fig.z + 50.0))
                                   : 1.0;
        fig.swr50 = swrOf(gamma50);
        f.points.push_back(fig);
    }
    for (std::size_t i = 0; i < f.points.size(); ++i) {
        if (f.points[i].swr < f.points[f.leastSwrIndex].swr) f.leastSwrIndex = i;
        if (f.points[i].swr50 < f.points[f.leastSwr50Index].swr50) f.leastSwr50Index = i;
    }
    // Series resonances: X from below 0 to 0 or above, between neighbours
    // whose impedance is finite.
    for (std::size_t i = 0; i + 1 < f.points.size(); ++i) {
        const ImpedanceFigures& a = f.points[i];
        const ImpedanceFigures& b = f.points[i + 1];
        const double xa = a.z.imag(), xb = b.z.imag();
        if (!std::isfinite(xa) || !std::isfinite(xb) || !std::isfinite(a.z.real()) || !std::isfinite(b.z.real()))
            continue;
        if (xa < 0 && xb >= 0) f.resonancesHz.push_back(a.hz + (0 - xa) / (xb - xa) * (b.hz - a.hz));
    }
    f.swr2 = bandwidth(f.points, f.leastSwrIndex, &ImpedanceFigures::swr);
    f.swr2On50 = bandwidth(f.points, f.leastSwr50Index, &ImpedanceFigures::swr50);
    if (f.resonancesHz.empty()) {
        f.tuningPoint = TuningPoint::LeastSwr;
        f.tuningHz = f.leastSwr().hz;
    } else {
        f.tuningPoint = TuningPoint::Resonance;
        f.tuningHz = f.resonancesHz.front();
        for (double r : f.resonancesHz)
            if (std::abs(r - f.leastSwr().hz) < std::abs(f.tuningHz - f.leastSwr().hz)) f.tuningHz = r;
    }
    return f;
}

std::optional<std::complex<double>> impedanceAt(const SweepFindings& findings, double hz) {
    const auto& p = findings.points;
    if (p.empty() || hz < p.front().hz || hz > p.back().hz) return std::nullopt;
    for (std::size_t i = 0; i + 1 < p.size(); ++i) {
        if (hz <= p[i + 1].hz) {
            const double t = (hz - p[i].hz) / (p[i + 1].hz - p[i].hz);
            return p[i].z + t * (p[i + 1].z - p[i].z);
        }
    }
    return p.back().z;
}

std::string swrText(double swr) {
    if (!std::isfinite(swr) || swr >= 99.95) return "> 99";
    char buf[32];
    std::snprintf(buf, sizeof buf, swr < 10 ? "%.2f" : "%.1f", swr);
    return buf;
}

}  // namespace yq

namespace yq {

namespace {

std::string printed(const char* format, double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, format, v);
    return buf;
}

std::string ohms(double r) { return printed("%.0f", r); }

std::string impedanceText(std::complex<double> z) {
    if (!std::isfinite(z.real()) || !std::isfinite(z.imag())) return "open";
    return printed("%.2f", z.real()) + (z.imag() < 0 ? " - j" : " + j") + printed("%.2f", std::abs(z.imag())) + " ohm";
}

std::string bandwidthText(const std::optional<SwrBandwidth>& bw) {
    if (!bw) return "none (the SWR stays above 2)";
    std::string text =
        printed("%.2f kHz", bw->widthHz() / 1e3) + " (" + mhzText(bw->lowHz) + " to " + mhzText(bw->highHz) + ")";
    if (bw->lowOpen || bw->highOpen) text = "at least " + text + ", the sweep ends below SWR 2";
    return text;
}

}  // namespace

std::string mhzText(double hz) { return printed("%.4f MHz", hz / 1e6); }

std::vector<FindingRow> findingRows(const SweepFindings& f) {
    std::vector<FindingRow> rows;
    const std::string ref = "R " + ohms(f.referenceOhms);
    rows.push_back({"sweep", QT_TRANSLATE_NOOP("Findings", "Sweep"),
                    mhzText(f.points.front().hz) + " to " + mhzText(f.points.back().hz) + ", " +
                        std::to_string(f.points.size()) + " points"});
    std::string resonances;
    for (double r : f.resonancesHz) resonances += (resonances.empty() ? "" : ", ") + mhzText(r);
    rows.push_back({"resonances",
                    f.resonancesHz.size() > 1 ? QT_TRANSLATE_NOOP("Findings", "Series resonances")
                                              : QT_TRANSLATE_NOOP("Findings", "Series resonance"),
                    resonances.empty() ? "none in the sweep (X does not rise through 0)" : resonances});
    rows.push_back({"tuned_from", QT_TRANSLATE_NOOP("Findings", "Tuned from"),
                    (f.tuningPoint == TuningPoint::Resonance ? "the series resonance at " : "the least SWR at ") +
                        mhzText(f.tuningHz)});
    if (const auto z = impedanceAt(f, f.tuningHz))
        rows.push_back({"impedance", QT_TRANSLATE_NOOP("Findings", "Impedance there"), impedanceText(*z)});
    rows.push_back({"least_swr", "Least SWR (" + ref + ")",
                    swrText(f.leastSwr().swr) + " at " + mhzText(f.leastSwr().hz) + ", return loss " +
                        printed("%.2f dB", f.leastSwr().returnLossDb)});
    if (f.referenceOhms != 50)
        rows.push_back({"least_swr_50", QT_TRANSLATE_NOOP("Findings", "Least SWR (50 ohm)"),
                        swrText(f.leastSwr50().swr50) + " at " + mhzText(f.leastSwr50().hz)});
    rows.push_back({"swr2_bandwidth", "2:1 SWR bandwidth (" + ref + ")", bandwidthText(f.swr2)});
    if (f.referenceOhms != 50)
        rows.push_back({"swr2_bandwidth_50", QT_TRANSLATE_NOOP("Findings", "2:1 SWR bandwidth (50 ohm)"),
                        bandwidthText(f.swr2On50)});
    return rows;
}

}  // namespace yq
