#include "sim/Model.h"

#include "sim/Coils.h"

#include <QtGlobal>

#include <charconv>
#include <cmath>
#include <numbers>

namespace yq::sim {

namespace {

// Shortest text that reads back as the same double, in the C locale.
std::string num(double v) {
    if (v == 0 || !std::isfinite(v)) return "0";
    char buffer[40];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::general, 10).ptr;
    return std::string(buffer, end);
}

std::string card(std::string_view name, std::initializer_list<std::string> fields) {
    std::string line(name);
    for (const std::string& f : fields) line += ' ' + f;
    return line + '\n';
}

std::string whole(int v) { return std::to_string(v); }

// The FR card and what follows it (the pattern, or XQ), then EN.
std::string frequencyCards(const DeckRequest& request, bool fullCircleAverage) {
    std::string deck = card("FR", {"0", whole(request.sweep.count), "0", "0", num(request.sweep.firstHz / 1e6),
                                   num(request.sweep.stepHz / 1e6)});
    if (request.pattern) {
        deck += "RP 0 37 2 1000 0 0 5 180\n";
        deck += fullCircleAverage ? "RP 0 19 5 1002 0 0 10 90\n" : "RP 0 19 2 1002 0 0 10 90\n";
    } else {
        deck += "XQ\n";
    }
    return deck + "EN\n";
}

struct Point {
    double x = 0, y = 0, z = 0;
};

Point polar(double radius, double angle, double z) { return {radius * std::cos(angle), radius * std::sin(angle), z}; }

std::string wire(int tag, int segments, Point a, Point b, double radius) {
    return card("GW",
                {whole(tag), whole(segments), num(a.x), num(a.y), num(a.z), num(b.x), num(b.y), num(b.z), num(radius)});
}

double between(Point a, Point b) { return std::hypot(a.x - b.x, a.y - b.y, a.z - b.z); }

}  // namespace

DetailedGeometry detailedGeometry(const DesignRecord& design) {
    const double m = metresPerUnit(design);
    DetailedGeometry g;
    g.cageRadiusM = real(design.CD) * m / 2;
    g.cageWireRadiusM = g.cageRadiusM / kCageWires;
    g.tubeLengthM = real(design.CD) * real(design.LD) * m;
    g.gapM = real(design.CD) * m;
    g.cageHalfSegments = std::max(1, int(std::lround(real(design.LD))));
    g.tuningRadiusM = real(design.CCD) * m / 2;
    g.tuningTurns = real(design.NT);
    g.tuningPitchM = real(design.SP) * m;
    g.tuningTopM = -g.gapM / 2 - g.tubeLengthM - g.gapM;
    g.tuningSegments = std::max(kHelixSegmentsPerTurn, int(std::ceil(kHelixSegmentsPerTurn * g.tuningTurns - 1e-9)));
    g.phasingRadiusM = real(design.PCCD) * m / 2;
    g.phasingTurns = real(design.PCNT);
    g.phasingLengthM = 0.75 * g.gapM;
    g.phasingSegments = std::max(kHelixSegmentsPerTurn, int(std::ceil(kHelixSegmentsPerTurn * g.phasingTurns - 1e-9)));
    g.wireRadiusM = real(design.WD) * m / 2;
    g.phasingWireRadiusM = (real(design.PCWD) > 0 ? real(design.PCWD) : real(design.WD)) * m / 2;
    return g;
}

std::string detailedAssumptions() {
    return QT_TRANSLATE_NOOP(
        "SimulationStudy",
        "NEC-2 detailed model: free space, no feed line, the cylinders as aluminium wire-grid cages, the tuning "
        "and phasing coils as copper helices with their leads as the build sheet draws them, the source coil "
        "lumped at the feed.");
}

std::string detailedDeck(const DesignRecord& design, const DeckRequest& request) {
    const DetailedGeometry g = detailedGeometry(design);
    constexpr double pi = std::numbers::pi;
    const double centre = request.sweep.centreHz();
    const double r = g.cageRadiusM;
    const double leadStep = g.gapM / 2;
    auto leadSegments = [&](Point a, Point b) { return std::max(1, int(std::lround(between(a, b) / leadStep))); };

    std::string deck;
    deck += "CM YQ antenna, NEC-2 detailed model (free space, cages, helices, no feed line)\n";
    deck += "CM F " + num(real(design.F)) + " MHz, cylinders " + num(real(design.CD)) +
            (design.unitSystem() == UnitSystem::Metric ? " mm" : " in") + " x " + num(real(design.CCL)) + "\n";
    deck += "CM tuning coil NT " + num(g.tuningTurns) + " turns, phasing coil PCNT " + num(g.phasingTurns) + " turns\n";
    const SeriesLoad source = sourceCoil(design, centre);
    if (!request.unloaded)
        deck += "CM source coil " + num(source.henries) + " H, " + num(request.lossless ? 0 : source.ohms) +
                " ohm at the feed\n";
    deck += "CE\n";

    // The helices first, each moved into place as soon as it is made: GM
    // moves the structure from the given tag on.
    const double tuningLength = g.tuningTurns * g.tuningPitchM;
    const double tuningBottom = g.tuningTopM - tuningLength;
    deck += card("GH", {"1", whole(g.tuningSegments), num(g.tuningPitchM), num(tuningLength), num(g.tuningRadiusM),
                        num(g.tuningRadiusM), num(g.tuningRadiusM), num(g.tuningRadiusM), num(g.wireRadiusM)});
    deck += card("GM", {"0", "0", "0", "0", "0", "0", "0", num(tuningBottom), "1"});
    const double phasingBottom = -g.phasingLengthM / 2;
    const double phasingTop = g.phasingLengthM / 2;
    const bool phasing = g.phasingTurns > 0 && g.phasingRadiusM > 0;
    if (phasing) {
        deck += card("GH", {"2", whole(g.phasingSegments), num(g.phasingLengthM / g.phasingTurns),
                            num(g.phasingLengthM), num(g.phasingRadiusM), num(g.phasingRadiusM), num(g.phasingRadiusM),
                            num(g.phasingRadiusM), num(g.phasingWireRadiusM)});
        deck += card("GM", {"0", "0", "0", "0", "0", "0", "0", num(phasingBottom), "2"});
    }

    // The cages: wires along, rings at both ends and the middle.
    const double step = 2 * pi / kCageWires;
    auto cage = [&](int tag, double low, double high, bool spokesAtLow) {
        const double mid = (low + high) / 2;
        for (int k = 0; k < kCageWires; ++k) {
            deck += wire(tag, g.cageHalfSegments, polar(r, k * step, low), polar(r, k * step, mid), g.cageWireRadiusM);
            deck += wire(tag, g.cageHalfSegments, polar(r, k * step, mid), polar(r, k * step, high), g.cageWireRadiusM);
        }
        for (double z : {low, mid, high})
            for (int k = 0; k < kCageWires; ++k)
                deck += wire(tag, 1, polar(r, k * step, z), polar(r, (k + 1) * step, z), g.cageWireRadiusM);
        if (spokesAtLow)
            for (int k = 0; k < kCageWires; ++k)
                deck += wire(tag, 1, polar(r, k * step, low), {0, 0, low}, g.cageWireRadiusM);
    };
    const double upperLow = g.gapM / 2;
    const double lowerLow = -g.gapM / 2 - g.tubeLengthM;
    cage(3, upperLow, upperLow + g.tubeLengthM, true);
    cage(4, lowerLow, -g.gapM / 2, false);

    // The leads.
    auto lead = [&](int tag, Point a, Point b, double radius) { deck += wire(tag, leadSegments(a, b), a, b, radius); };
    const double pw = g.phasingWireRadiusM, tw = g.wireRadiusM;
    if (phasing) {
        const double end = 2 * pi * g.phasingTurns;
        lead(5, {0, 0, upperLow}, {0, 0, phasingTop}, pw);
        lead(5, polar(g.phasingRadiusM, end, phasingTop), {0, 0, phasingTop}, pw);
        lead(5, polar(g.phasingRadiusM, 0, phasingBottom), {0, 0, phasingBottom}, pw);
        lead(5, {0, 0, phasingBottom}, {0, 0, g.tuningTopM}, tw);
    } else {
        lead(5, {0, 0, upperLow}, {0, 0, g.tuningTopM}, tw);
    }
    const double tuningEnd = 2 * pi * g.tuningTurns;
    lead(5, polar(g.tuningRadiusM, tuningEnd, g.tuningTopM), {0, 0, g.tuningTopM}, tw);
    // The bottom wire rises at the cage wire opposite the top wire's lead.
    const int opposite = int(std::lround((tuningEnd + pi) / step)) % kCageWires;
    const double rise = opposite * step;
    const double inside = 0.85 * std::min(r, g.tuningRadiusM);
    lead(5, polar(g.tuningRadiusM, 0, tuningBottom), polar(inside, rise, tuningBottom), tw);
    const Point riseLow = polar(inside, rise, tuningBottom), riseHigh = polar(inside, rise, lowerLow);
    deck += wire(6, std::max(2, leadSegments(riseLow, riseHigh)), riseLow, riseHigh, tw);
    lead(5, riseHigh, polar(r, rise, lowerLow), tw);
    deck += "GE 0\n";

    if (!request.lossless) {
        for (const char* tag : {"3", "4"}) deck += card("LD", {"5", tag, "0", "0", num(kAluminiumSiemensPerMetre)});
        for (const char* tag : {"1", "2", "5", "6"})
            deck += card("LD", {"5", tag, "0", "0", num(kCopperSiemensPerMetre)});
    }
    if (!request.unloaded)
        deck += card("LD", {"0", "6", "1", "1", num(request.lossless ? 0 : source.ohms), num(source.henries), "0"});
    deck += "EX 0 6 1 0 1 0\n";
    return deck + frequencyCards(request, true);
}

std::vector<double> FrequencySpan::frequencies() const {
    std::vector<double> out;
    for (int i = 0; i < count; ++i) out.push_back(firstHz + stepHz * i);
    return out;
}

FrequencySpan coarseSweep(double designHz) { return {0.4 * designHz, (2.5 - 0.4) * designHz / 84, 85}; }

StandardGeometry standardGeometry(const DesignRecord& design) {
    const double m = metresPerUnit(design);
    StandardGeometry g;
    g.tubeRadiusM = real(design.CD) * m / 2;
    g.gapM = real(design.CD) * m;
    g.tubeLengthM = real(design.CD) * real(design.LD) * m;
    g.tubeSegments = std::max(1, int(std::floor(real(design.LD) + 1e-9)));
    return g;
}

double coilsOhms(const DesignRecord& design, double hz, std::optional<double> tuningCoilTurns) {
    const double tuning = tuningCoilTurns
                              ? wireOhms(real(design.WD), *tuningCoilTurns * real(design.CCD) * 3.1415926535898, hz)
                              : tuningCoil(design, hz).ohms;
    return tuning + phasingCoil(design, hz).ohms + sourceCoil(design, hz).ohms;
}

double coilsHenries(const DesignRecord& design, std::optional<double> tuningCoilH) {
    const double hz = real(design.F) * 1e6;
    return (tuningCoilH ? *tuningCoilH : tuningCoil(design, hz).henries) + phasingCoil(design, hz).henries +
           sourceCoil(design, hz).henries;
}

std::string modelAssumptions() {
    return QT_TRANSLATE_NOOP(
        "SimulationStudy",
        "NEC-2 standard model: free space, no feed line, the cylinders as thick aluminium wires, the three "
        "coils as one lumped series R + L at the feed from the calculator's coil values.");
}

std::string standardDeck(const DesignRecord& design, const DeckRequest& request) {
    const StandardGeometry g = standardGeometry(design);
    const double centre = request.sweep.centreHz();
    const double henries = coilsHenries(design, request.tuningCoilH);
    const double ohms = request.lossless ? 0 : coilsOhms(design, centre, request.tuningCoilTurns);
    const double inner = g.gapM / 2;
    const double outer = inner + g.tubeLengthM;

    std::string deck;
    deck += "CM YQ antenna, NEC-2 standard model (free space, lumped coils, no feed line)\n";
    deck += "CM F " + num(real(design.F)) + " MHz, cylinders " + num(real(design.CD)) +
            (design.unitSystem() == UnitSystem::Metric ? " mm" : " in") + " x " + num(real(design.CCL)) +
            ", gap one diameter\n";
    if (request.unloaded) {
        deck += "CM no coils: the bare cylinders fed in the gap\n";
    } else {
        const SeriesLoad t = tuningCoil(design, centre);
        const SeriesLoad p = phasingCoil(design, centre);
        const SeriesLoad s = sourceCoil(design, centre);
        const double tuningOhms = coilsOhms(design, centre, request.tuningCoilTurns) - p.ohms - s.ohms;
        // nec2c reads comment cards of up to 80 characters: one card a coil.
        deck += "CM tuning coil " + num(request.tuningCoilH ? *request.tuningCoilH : t.henries) + " H, " +
                num(tuningOhms) + " ohm" + (request.lossless ? " (left out)" : "") + "\n";
        deck += "CM phasing coil " + num(p.henries) + " H, " + num(p.ohms) + " ohm" +
                (request.lossless ? " (left out)" : "") + "\n";
        deck += "CM source coil " + num(s.henries) + " H, " + num(s.ohms) + " ohm" +
                (request.lossless ? " (left out)" : "") + "\n";
    }
    deck += "CE\n";
    const std::string r = num(g.tubeRadiusM);
    deck += card("GW", {"1", whole(g.tubeSegments), "0", "0", num(inner), "0", "0", num(outer), r});
    deck += card("GW", {"2", "1", "0", "0", num(-inner), "0", "0", num(inner), r});
    deck += card("GW", {"3", whole(g.tubeSegments), "0", "0", num(-outer), "0", "0", num(-inner), r});
    deck += "GE 0\n";
    deck += "EK\n";
    if (!request.lossless) {
        deck += card("LD", {"5", "1", "0", "0", num(kAluminiumSiemensPerMetre)});
        deck += card("LD", {"5", "3", "0", "0", num(kAluminiumSiemensPerMetre)});
    }
    if (!request.unloaded) deck += card("LD", {"0", "2", "1", "1", num(ohms), num(henries), "0"});
    deck += "EX 0 2 1 0 1 0\n";
    deck += card("FR", {"0", whole(request.sweep.count), "0", "0", num(request.sweep.firstHz / 1e6),
                        num(request.sweep.stepHz / 1e6)});
    if (request.pattern) {
        deck += "RP 0 37 2 1000 0 0 5 180\n";
        deck += "RP 0 19 2 1002 0 0 10 90\n";
    } else {
        deck += "XQ\n";
    }
    deck += "EN\n";
    return deck;
}

std::string exportDeck(const DesignRecord& design) {
    const double f = real(design.F) * 1e6;
    DeckRequest coarse;
    coarse.sweep = coarseSweep(f);
    std::string deck = standardDeck(design, coarse);
    // The pattern at F after the sweep, with the same structure.
    const std::size_t end = deck.rfind("EN\n");
    deck.insert(end, card("FR", {"0", "1", "0", "0", num(f / 1e6), "0"}) + "RP 0 37 2 1000 0 0 5 180\n");
    return deck;
}

std::string exportDetailedDeck(const DesignRecord& design) {
    const double f = real(design.F) * 1e6;
    DeckRequest coarse;
    coarse.sweep = {0.4 * f, (2.5 - 0.4) * f / 11, 12};
    std::string deck = detailedDeck(design, coarse);
    const std::size_t end = deck.rfind("EN\n");
    deck.insert(end, card("FR", {"0", "1", "0", "0", num(f / 1e6), "0"}) + "RP 0 37 2 1000 0 0 5 180\n");
    return deck;
}

}  // namespace yq::sim
