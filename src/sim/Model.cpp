#include "sim/Model.h"

#include "sim/Coils.h"

#include <charconv>
#include <cmath>

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

}  // namespace

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
    return "NEC-2 standard model: free space, no feed line, the cylinders as thick aluminium wires, the three "
           "coils as one lumped series R + L at the feed from the calculator's coil values.";
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

}  // namespace yq::sim
