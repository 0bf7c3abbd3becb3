#include "sim/Comparison.h"

#include "design/TerminalColumns.h"
#include "sim/Coils.h"
#include "sim/DeckRules.h"
#include "sim/LocalText.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace yq::sim {

namespace {

std::string fixed(double v, int places) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", places, v);
    return buffer;
}

std::string sig(double v, int digits) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*g", digits, v);
    return buffer;
}

std::string opt(const std::optional<double>& v, double scale, int places) {
    return v ? fixed(*v * scale, places) : std::string(QT_TRANSLATE_NOOP("SimulationTable", "none"));
}

std::string impedance(const std::optional<std::complex<double>>& z) {
    if (!z) return "none";
    return fixed(z->real(), 3) + (z->imag() < 0 ? " - j" : " + j") + fixed(std::abs(z->imag()), 2);
}

std::string field(const DecimalField& f) { return f.value().toString(); }

double swr50(std::complex<double> z) {
    const double g = std::abs((z - 50.0) / (z + 50.0));
    return g >= 1 ? 1e9 : (1 + g) / (1 - g);
}

std::string jsonText(const std::string& s) {
    std::string out = "\"";
    for (char c : s) {
        if (c == '"' || c == '\\')
            out += '\\', out += c;
        else if (static_cast<unsigned char>(c) < 0x20)
            out += ' ';
        else
            out += c;
    }
    return out + '"';
}

std::string jsonNumber(double v) { return std::isfinite(v) ? sig(v, 10) : std::string("null"); }

std::string loss(const std::optional<double>& efficiency) {
    return efficiency && *efficiency > 0 ? fixed(10 * std::log10(*efficiency), 2) : std::string("none");
}

}  // namespace

std::vector<SweepPoint> mergedSweep(const StudyResult& study, bool tuned) {
    std::vector<SweepPoint> all = tuned ? std::vector<SweepPoint>() : study.coarse;
    const ModelFigures& m = tuned ? study.tuned : study.asDesigned;
    all.insert(all.end(), m.fine.begin(), m.fine.end());
    std::sort(all.begin(), all.end(), [](const SweepPoint& a, const SweepPoint& b) { return a.hz < b.hz; });
    all.erase(
        std::unique(all.begin(), all.end(), [](const SweepPoint& a, const SweepPoint& b) { return a.hz == b.hz; }),
        all.end());
    return all;
}

std::vector<ComparisonRow> comparisonRows(const DesignRecord& d, const StudyResult& s) {
    const ModelFigures& a = s.asDesigned;
    const ModelFigures& t = s.tuned;
    const std::string none = "-";
    std::vector<ComparisonRow> rows;
    rows.push_back({"resonance", QT_TRANSLATE_NOOP("SimulationTable", "Series resonance"), "MHz", field(d.F),
                    opt(a.resonanceHz, 1e-6, 4), opt(t.resonanceHz, 1e-6, 4)});
    rows.push_back({"tuning_coil", QT_TRANSLATE_NOOP("SimulationTable", "Tuning coil inductance"), "uH", field(d.CI),
                    fixed(a.tuningCoilH * 1e6, 2), t.tuningCoilH > 0 ? fixed(t.tuningCoilH * 1e6, 2) : "none"});
    rows.push_back({"tuning_turns", QT_TRANSLATE_NOOP("SimulationTable", "Tuning coil turns"), "turns", field(d.NT),
                    field(d.NT), s.tunedTurns ? fixed(*s.tunedTurns, 2) : "none"});
    rows.push_back(
        {"feed_series_inductance", QT_TRANSLATE_NOOP("SimulationTable", "Series L at the feed"), "uH", none,
         fixed(feedSeriesInductance(d) * 1e6, 2),
         t.tuningCoilH > 0 ? fixed((feedSeriesInductance(d) - a.tuningCoilH + t.tuningCoilH) * 1e6, 2) : "none"});
    rows.push_back({"z_at_f", QT_TRANSLATE_NOOP("SimulationTable", "Feed impedance at F"), "ohm", none,
                    impedance(a.zAtF), impedance(t.zAtF)});
    const double rr = d.RR.value().toReal(), wr = d.WR.value().toReal();
    rows.push_back({"r_at_resonance", QT_TRANSLATE_NOOP("SimulationTable", "R at resonance (RR + WR)"), "ohm",
                    fixed(rr + wr, 4), opt(a.resistanceAtResonance, 1, 4), opt(t.resistanceAtResonance, 1, 4)});
    rows.push_back({"radiation_resistance", QT_TRANSLATE_NOOP("SimulationTable", "Radiation resistance"), "ohm",
                    field(d.RR), opt(a.radiationResistance, 1, 4), opt(t.radiationResistance, 1, 4)});
    rows.push_back({"q", QT_TRANSLATE_NOOP("SimulationTable", "Q"), "", field(d.Q), opt(a.q, 1, 1), opt(t.q, 1, 1)});
    rows.push_back({"half_power_bw", QT_TRANSLATE_NOOP("SimulationTable", "Half-power BW, matched"), "kHz", field(d.BW),
                    opt(a.halfPowerBandwidthHz, 1e-3, 2), opt(t.halfPowerBandwidthHz, 1e-3, 2)});
    rows.push_back({"swr2_bw", QT_TRANSLATE_NOOP("SimulationTable", "2:1 SWR BW, matched"), "kHz", none,
                    opt(a.swr2BandwidthHz, 1e-3, 2), opt(t.swr2BandwidthHz, 1e-3, 2)});
    rows.push_back({"half_power_bw_50", QT_TRANSLATE_NOOP("SimulationTable", "Half-power BW on 50 ohm"), "kHz", none,
                    opt(a.halfPowerBandwidth50Hz, 1e-3, 2), opt(t.halfPowerBandwidth50Hz, 1e-3, 2)});
    rows.push_back({"swr2_bw_50", QT_TRANSLATE_NOOP("SimulationTable", "2:1 SWR BW on 50 ohm"), "kHz", none,
                    opt(a.swr2Bandwidth50Hz, 1e-3, 2), opt(t.swr2Bandwidth50Hz, 1e-3, 2)});
    rows.push_back({"min_swr_50", QT_TRANSLATE_NOOP("SimulationTable", "Lowest SWR on 50 ohm"), "", none,
                    opt(a.minSwr50, 1, 2), opt(t.minSwr50, 1, 2)});
    rows.push_back({"efficiency", QT_TRANSLATE_NOOP("SimulationTable", "Efficiency"), "%", field(d.AE),
                    opt(a.efficiency, 100, 3), opt(t.efficiency, 100, 3)});
    rows.push_back({"loss", QT_TRANSLATE_NOOP("SimulationTable", "Loss"), "dB", field(d.DBL), loss(a.efficiency),
                    loss(t.efficiency)});
    rows.push_back({"max_gain", QT_TRANSLATE_NOOP("SimulationTable", "Largest gain"), "dBi", none,
                    opt(a.maxGainDbi, 1, 2), opt(t.maxGainDbi, 1, 2)});
    if (s.model == ModelKind::Detailed) {
        // Only what stays valid in the detailed model (sim/Study.h).
        static const char* const valid[] = {"resonance",  "tuning_coil", "tuning_turns", "radiation_resistance",
                                            "efficiency", "loss",        "max_gain"};
        for (ComparisonRow& r : rows) {
            if (std::find_if(std::begin(valid), std::end(valid), [&](const char* k) { return r.key == k; }) ==
                std::end(valid))
                r.asDesigned = kNotValid;
            r.tuned = kNotComputed;
        }
    }
    return rows;
}

std::string shownRuleDetail(const std::string& detail) {
    return shownText(
        "SimulationStudy", detail,
        {kZeroLengthBreak, kShortSegmentsBreak, kLongSegmentsBreak, kThinSegmentsExtendedBreak, kThinSegmentsBreak,
         kOverlapBreak, kJunctionExtendedBreak, kJunctionBreak, kMissingFeedSegmentBreak});
}

std::string shownNote(const std::string& note) { return shownText("SimulationStudy", note, {kDetailedModelNote}); }

std::string shownAssumptions(const std::string& assumptions) { return shownText("SimulationStudy", assumptions); }

std::string comparisonText(const DesignRecord& d, const StudyResult& s) {
    const auto rows = comparisonRows(d, s);
    // The table in the program's language, padded to the terminal's columns.
    auto shown = [](const std::string& text) { return shownText("SimulationTable", text); };
    const auto width = [](const std::string& text) { return terminalColumns(text); };
    const std::string headings[] = {shown(kCalculatorHeading), shown(kAsDesignedHeading), shown(kTunedHeading)};
    std::vector<std::array<std::string, 4>> cells;
    std::size_t w0 = 0, w1 = width(headings[0]), w2 = width(headings[1]);
    for (const auto& r : rows) {
        cells.push_back({r.unit.empty() ? shown(r.label) : shown(r.label) + " (" + r.unit + ")", shown(r.calculator),
                         shown(r.asDesigned), shown(r.tuned)});
        w0 = std::max(w0, width(cells.back()[0]));
        w1 = std::max(w1, width(cells.back()[1]));
        w2 = std::max(w2, width(cells.back()[2]));
    }
    auto pad = [&width](std::string t, std::size_t w) {
        t.append(w - std::min(w, width(t)), ' ');
        return t;
    };
    std::string out =
        pad("", w0) + "  " + pad(headings[0], w1) + "  " + pad(headings[1], w2) + "  " + headings[2] + '\n';
    for (const auto& c : cells) out += pad(c[0], w0) + "  " + pad(c[1], w1) + "  " + pad(c[2], w2) + "  " + c[3] + '\n';
    out += "\n" + shownAssumptions(s.assumptions) + '\n';
    for (const RuleBreak& b : s.ruleBreaks) {
        out += filledText(QCoreApplication::translate("SimulationTable", "Rule not kept: %1"),
                          {shownRuleDetail(b.detail)}) +
               '\n';
    }
    for (const std::string& n : s.notes)
        out += filledText(QCoreApplication::translate("SimulationTable", "Note: %1"), {shownNote(n)}) + '\n';
    out += filledText(QCoreApplication::translate("SimulationTable", "nec2c runs: %1, %2 s"),
                      {std::to_string(s.nec2cRuns), fixed(s.seconds, 3)}) +
           '\n';
    return out;
}

std::string comparisonJson(const DesignRecord& d, const StudyResult& s) {
    std::string out = std::string("{\"model\":\"") + (s.model == ModelKind::Detailed ? "detailed" : "standard") +
                      "\",\"design_mhz\":" + jsonNumber(s.designHz / 1e6) + ",\"rows\":[";
    const auto rows = comparisonRows(d, s);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto& r = rows[i];
        out += std::string(i ? "," : "") + "{\"key\":" + jsonText(r.key) + ",\"label\":" + jsonText(r.label) +
               ",\"unit\":" + jsonText(r.unit) + ",\"calculator\":" + jsonText(r.calculator) +
               ",\"nec2_calculated_coil\":" + jsonText(r.asDesigned) + ",\"nec2_coil_for_f\":" + jsonText(r.tuned) +
               "}";
    }
    out += "],\"assumptions\":" + jsonText(s.assumptions) + ",\"rule_breaks\":[";
    for (std::size_t i = 0; i < s.ruleBreaks.size(); ++i)
        out += std::string(i ? "," : "") + jsonText(s.ruleBreaks[i].detail);
    out += "],\"notes\":[";
    for (std::size_t i = 0; i < s.notes.size(); ++i) out += std::string(i ? "," : "") + jsonText(s.notes[i]);
    out += "],\"sweep\":[";
    const auto all = mergedSweep(s);
    for (std::size_t i = 0; i < all.size(); ++i)
        out += std::string(i ? "," : "") + "[" + jsonNumber(all[i].hz) + "," + jsonNumber(all[i].z.real()) + "," +
               jsonNumber(all[i].z.imag()) + "]";
    out += "],\"nec2c_runs\":" + std::to_string(s.nec2cRuns) + "}\n";
    return out;
}

std::string sweepCsv(const StudyResult& s) {
    std::string out = "case,frequency (MHz),R (ohm),X (ohm),SWR on 50 ohm\n";
    for (int k = 0; k < 2; ++k)
        for (const SweepPoint& p : mergedSweep(s, k == 1))
            out += std::string(k ? "coil for F" : "calculated coil") + ',' + sig(p.hz / 1e6, 10) + ',' +
                   sig(p.z.real(), 8) + ',' + sig(p.z.imag(), 8) + ',' + sig(swr50(p.z), 6) + '\n';
    return out;
}

std::string sweepTouchstone(const StudyResult& s) {
    std::string out = std::string("! YQ antenna, NEC-2 ") + (s.model == ModelKind::Detailed ? "detailed" : "standard") +
                      " model, calculated coil\n! S11 against 50 ohm\n# MHz S RI R 50\n";
    for (const SweepPoint& p : mergedSweep(s)) {
        const std::complex<double> g = (p.z - 50.0) / (p.z + 50.0);
        out += sig(p.hz / 1e6, 10) + ' ' + sig(g.real(), 10) + ' ' + sig(g.imag(), 10) + '\n';
    }
    return out;
}

}  // namespace yq::sim
