#include "sim/DeckRules.h"
#include "sim/LocalText.h"
#include "sim/TextFields.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace yq::sim {

namespace {

constexpr double kLight = 299792458.0;

bool toNumber(std::string_view text, double& out) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), out);
    return error == std::errc() && end == text.data() + text.size() && std::isfinite(out);
}

std::string fmt(const char* format, double a, double b = 0, double c = 0) {
    char buffer[200];
    std::snprintf(buffer, sizeof buffer, format, a, b, c);
    return buffer;
}

double distance(double ax, double ay, double az, double bx, double by, double bz) {
    return std::hypot(ax - bx, ay - by, az - bz);
}

}  // namespace

double DeckWire::length() const { return distance(x1, y1, z1, x2, y2, z2); }

Result<DeckContents> readDeck(std::string_view deck) {
    DeckContents out;
    int lineNumber = 0;
    while (!deck.empty()) {
        const std::size_t nl = deck.find('\n');
        const std::string_view line = deck.substr(0, nl);
        deck = nl == std::string_view::npos ? std::string_view() : deck.substr(nl + 1);
        ++lineNumber;
        const auto fields = fieldsOfLine(line);
        if (fields.empty()) continue;
        const std::string_view name = fields[0];
        std::vector<double> n;
        if (name == "CM" || name == "CE") continue;
        for (std::size_t i = 1; i < fields.size(); ++i) {
            double v = 0;
            if (!toNumber(fields[i], v))
                return fail(
                    filledText(QCoreApplication::translate("SimulationStudy", "The deck's line %1 cannot be read"),
                               {std::to_string(lineNumber)}),
                    filledText(QCoreApplication::translate("SimulationStudy", "\"%1\" is not a number in the %2 card"),
                               {fields[i], name}));
            n.push_back(v);
        }
        auto need = [&](std::size_t count) -> Result<void> {
            if (n.size() >= count) return {};
            return fail(filledText(QCoreApplication::translate("SimulationStudy", "The deck's line %1 cannot be read"),
                                   {std::to_string(lineNumber)}),
                        filledText(QCoreApplication::translate("SimulationStudy", "the %1 card needs %2 numbers"),
                                   {name, std::to_string(count)}));
        };
        if (name == "GW") {
            if (auto r = need(9); !r) return r.problem();
            out.wires.push_back({int(n[0]), int(n[1]), n[2], n[3], n[4], n[5], n[6], n[7], n[8]});
        } else if (name == "GH") {
            // GH tag segments pitch length a1 b1 a2 b2 radius: a helix up z
            // from (a1, 0, 0), read as its segments' straight chords.
            if (auto r = need(9); !r) return r.problem();
            const int segments = int(n[1]);
            const double pitch = n[2], length = std::abs(n[3]);
            const double turns = pitch != 0 ? length / pitch : 0;
            const double hand = n[3] < 0 ? -1 : 1;
            auto at = [&](int i, double& x, double& y, double& z) {
                const double t = segments > 0 ? double(i) / segments : 0;
                const double angle = hand * 2 * std::numbers::pi * turns * t;
                x = (n[4] + (n[6] - n[4]) * t) * std::cos(angle);
                y = (n[5] + (n[7] - n[5]) * t) * std::sin(angle);
                z = length * t;
            };
            if (segments < 1) out.wires.push_back({int(n[0]), segments, n[4], 0, 0, n[4], 0, length, n[8]});
            for (int i = 0; i < segments; ++i) {
                DeckWire w{int(n[0]), 1, 0, 0, 0, 0, 0, 0, n[8]};
                at(i, w.x1, w.y1, w.z1);
                at(i + 1, w.x2, w.y2, w.z2);
                out.wires.push_back(w);
            }
        } else if (name == "GM") {
            // Only the moves this program writes: no copies, no rotation.
            if (auto r = need(9); !r) return r.problem();
            if (n[1] != 0 || n[2] != 0 || n[3] != 0 || n[4] != 0)
                return fail(
                    filledText(QCoreApplication::translate("SimulationStudy", "The deck's line %1 cannot be checked"),
                               {std::to_string(lineNumber)}),
                    filledText(QCoreApplication::translate("SimulationStudy",
                                                           "a GM card that copies or rotates is not read here")));
            const int from = int(n[8]);
            bool moving = from == 0;
            for (DeckWire& w : out.wires) {
                moving = moving || w.tag == from;
                if (!moving) continue;
                w.x1 += n[5], w.x2 += n[5];
                w.y1 += n[6], w.y2 += n[6];
                w.z1 += n[7], w.z2 += n[7];
            }
        } else if (name == "EK") {
            out.extendedKernel = n.empty() || n[0] != -1;
        } else if (name == "FR") {
            if (auto r = need(6); !r) return r.problem();
            const int count = std::max(1, int(n[1]));
            for (int i = 0; i < count; ++i)
                out.frequenciesHz.push_back((n[0] == 1 ? n[4] * std::pow(n[5], i) : n[4] + n[5] * i) * 1e6);
        } else if (name == "EX") {
            if (auto r = need(3); !r) return r.problem();
            out.hasFeed = true;
            out.feedTag = int(n[1]);
            out.feedSegment = int(n[2]);
        }
    }
    return out;
}

std::vector<RuleBreak> checkRules(const DeckContents& deck) {
    std::vector<RuleBreak> breaks;
    if (deck.frequenciesHz.empty()) breaks.push_back({"frequency", kNoFrequencyBreak});
    const auto [lowIt, highIt] = std::minmax_element(deck.frequenciesHz.begin(), deck.frequenciesHz.end());
    const double low = deck.frequenciesHz.empty() ? 0 : *lowIt;
    const double high = deck.frequenciesHz.empty() ? 0 : *highIt;

    double shortest = 1e300, longest = 0, leastRatio = 1e300;
    int shortestTag = 0, longestTag = 0, ratioTag = 0;
    for (const DeckWire& w : deck.wires) {
        if (w.length() <= 1e-9 || w.segments < 1) {
            breaks.push_back({"zero length", fillPattern(kZeroLengthBreak, {std::to_string(w.tag)})});
            continue;
        }
        const double segment = w.length() / w.segments;
        if (segment < shortest * (1 - 1e-9)) shortest = segment, shortestTag = w.tag;
        if (segment > longest * (1 + 1e-9)) longest = segment, longestTag = w.tag;
        if (w.radius > 0 && segment / w.radius < leastRatio * (1 - 1e-9))
            leastRatio = segment / w.radius, ratioTag = w.tag;
    }
    if (low > 0 && shortest < 1e300 && shortest < 0.001 * kLight / low)
        breaks.push_back({"segment length", fillPattern(kShortSegmentsBreak, {fmt("%.0f", shortestTag),
                                                                              fmt("%.4g", shortest / (kLight / low)),
                                                                              fmt("%.4g", low / 1e6)})});
    if (high > 0 && longest > 0.1 * kLight / high)
        breaks.push_back({"segment length", fillPattern(kLongSegmentsBreak, {fmt("%.0f", longestTag),
                                                                             fmt("%.4g", longest / (kLight / high)),
                                                                             fmt("%.4g", high / 1e6)})});
    const double wanted = deck.extendedKernel ? 2 : 8;
    if (leastRatio < 1e300 && leastRatio < wanted * (1 - 1e-9))
        breaks.push_back(
            {"length over radius", fillPattern(deck.extendedKernel ? kThinSegmentsExtendedBreak : kThinSegmentsBreak,
                                               {fmt("%.0f", ratioTag), fmt("%.3g", leastRatio), fmt("%.0f", wanted)})});

    // Two wires over the same stretch: parallel, on one line, overlapping.
    for (std::size_t i = 0; i < deck.wires.size(); ++i)
        for (std::size_t j = i + 1; j < deck.wires.size(); ++j) {
            const DeckWire& a = deck.wires[i];
            const DeckWire& b = deck.wires[j];
            const double la = a.length(), lb = b.length();
            if (la <= 1e-9 || lb <= 1e-9) continue;
            const double ux = (a.x2 - a.x1) / la, uy = (a.y2 - a.y1) / la, uz = (a.z2 - a.z1) / la;
            // b's ends in a's frame: along the axis and off it.
            auto along = [&](double x, double y, double z) {
                return (x - a.x1) * ux + (y - a.y1) * uy + (z - a.z1) * uz;
            };
            auto off = [&](double x, double y, double z) {
                const double t = along(x, y, z);
                return distance(x, y, z, a.x1 + t * ux, a.y1 + t * uy, a.z1 + t * uz);
            };
            const double tol = std::max(1e-9, 1e-6 * std::max(la, lb));
            if (off(b.x1, b.y1, b.z1) > tol || off(b.x2, b.y2, b.z2) > tol) continue;
            const double s = std::min(along(b.x1, b.y1, b.z1), along(b.x2, b.y2, b.z2));
            const double e = std::max(along(b.x1, b.y1, b.z1), along(b.x2, b.y2, b.z2));
            const double overlap = std::min(e, la) - std::max(s, 0.0);
            if (overlap > tol)
                breaks.push_back(
                    {"overlapping wires",
                     fillPattern(kOverlapBreak, {fmt("%.0f", a.tag), fmt("%.0f", b.tag), fmt("%.4g", overlap)})});
        }

    // Junctions: wire ends that meet.
    for (std::size_t i = 0; i < deck.wires.size(); ++i)
        for (std::size_t j = i + 1; j < deck.wires.size(); ++j) {
            const DeckWire& a = deck.wires[i];
            const DeckWire& b = deck.wires[j];
            const double tol = 1e-6 * std::max({a.length(), b.length(), 1e-3});
            const bool meet = distance(a.x1, a.y1, a.z1, b.x1, b.y1, b.z1) < tol ||
                              distance(a.x1, a.y1, a.z1, b.x2, b.y2, b.z2) < tol ||
                              distance(a.x2, a.y2, a.z2, b.x1, b.y1, b.z1) < tol ||
                              distance(a.x2, a.y2, a.z2, b.x2, b.y2, b.z2) < tol;
            if (!meet || a.radius <= 0 || b.radius <= 0) continue;
            const double ratio = std::max(a.radius, b.radius) / std::min(a.radius, b.radius);
            if (deck.extendedKernel && ratio > 1 + 1e-9)
                breaks.push_back({"radius at a junction",
                                  fillPattern(kJunctionExtendedBreak,
                                              {fmt("%.0f", a.tag), fmt("%.0f", b.tag), fmt("%.3g", ratio)})});
            else if (ratio > 5)
                breaks.push_back(
                    {"radius at a junction",
                     fillPattern(kJunctionBreak, {fmt("%.0f", a.tag), fmt("%.0f", b.tag), fmt("%.3g", ratio)})});
        }

    if (!deck.hasFeed) {
        breaks.push_back({"feed", kNoFeedBreak});
    } else {
        // A tag's segments are numbered across all its wires.
        int segments = 0;
        for (const DeckWire& w : deck.wires)
            if (w.tag == deck.feedTag) segments += std::max(0, w.segments);
        if (deck.feedSegment < 1 || deck.feedSegment > segments)
            breaks.push_back({"feed", fillPattern(kMissingFeedSegmentBreak,
                                                  {fmt("%.0f", deck.feedSegment), fmt("%.0f", deck.feedTag)})});
    }
    return breaks;
}

}  // namespace yq::sim
