#include "design/DesignTools.h"
#include "design/FieldLimits.h"

#include "design/AmateurBands.h"
#include "design/UnitSystemRules.h"

#include <algorithm>
#include <unordered_map>

namespace yq {

namespace {

Decimal hundredths(long long n) { return Decimal::scaled(n, 2); }

Decimal absolute(const Decimal& d) { return d.sign() < 0 ? -d : d; }

const DecimalField& fieldOf(const DesignRecord& r, std::string_view key) { return *r.field(key); }

// Places of a decimal text value as given (trailing zeros count: "7.10"
// has two).
int placesOf(const Decimal& d) { return d.scale(); }

}  // namespace

void reCalcAs(DesignRecord& record, bool metricFlag) {
    UnitSystemRules::of(record.unitSystem()).reCalc(record, metricFlag);
}

std::string_view unitOf(std::string_view key, UnitSystem system) {
    const KeyInfo* info = findKey(key);
    return info ? info->unit(system) : std::string_view();
}

// ---------------------------------------------------------------- fit

std::string_view fitFieldKey(FitField field) { return field == FitField::Fac ? "FAC" : "DPS"; }
std::string_view fitTurnsKey(FitField field) { return field == FitField::Fac ? "NT" : "SCT"; }

FitRange fitRange(FitField field) {
    if (field == FitField::Fac) return {hundredths(100), hundredths(9999), 9900};
    return {hundredths(1), hundredths(9000), 9000};
}

FitOutcome fitDesign(const DesignRecord& design, bool metricFlag, FitField field, const Decimal& turnsWanted) {
    const std::string_view valueKey = fitFieldKey(field);
    const std::string_view turnsKey = fitTurnsKey(field);
    const FitRange range = fitRange(field);

    DesignRecord base = design;
    reCalcAs(base, metricFlag);

    // The field reaches the turns through one stored value only: FAC through
    // ECC := C / FAC, DPS through SCI := CI / 90 x DPS, with C and CI the
    // same for every value of the field. Values that store the same ECC (or
    // SCI) give the same turns, so one ReCalc answers for all of them. Each
    // ReCalc checks the predicted value against the one it stored; on any
    // difference the search starts again with one ReCalc per value.
    const UnitSystem system = design.unitSystem();
    const Storage linkStorage = findKey(field == FitField::Fac ? "ECC" : "SCI")->storage(system);
    auto predictedLink = [&](const Decimal& value) {
        DecimalField link(linkStorage);
        if (field == FitField::Fac)
            link = base.C / value;
        else
            link = base.CI / 90 * value;
        return link.mantissa();
    };
    auto storedLink = [&](const DesignRecord& r) {
        return field == FitField::Fac ? r.ECC.mantissa() : r.SCI.mantissa();
    };

    auto search = [&](bool grouped, bool& consistent) {
        std::unordered_map<std::int64_t, Decimal> turnsByLink;
        long long bestIndex = -1;
        Decimal bestDistance;
        DesignRecord trial = design;
        const long long first = field == FitField::Fac ? 100 : 1;
        for (long long n = first; n < first + range.count; ++n) {
            const Decimal value = hundredths(n);
            Decimal turns;
            bool known = false;
            std::int64_t link = 0;
            if (grouped) {
                link = predictedLink(value);
                if (const auto it = turnsByLink.find(link); it != turnsByLink.end()) {
                    turns = it->second;
                    known = true;
                }
            }
            if (!known) {
                trial = design;
                *trial.field(valueKey) = value;
                reCalcAs(trial, metricFlag);
                turns = fieldOf(trial, turnsKey).value();
                if (grouped) {
                    if (storedLink(trial) != link) {
                        consistent = false;
                        return -1LL;
                    }
                    turnsByLink.emplace(link, turns);
                }
            }
            const Decimal distance = absolute(turns - turnsWanted);
            if (bestIndex < 0 || distance < bestDistance) {
                bestIndex = n;
                bestDistance = distance;
            }
        }
        return bestIndex;
    };

    bool consistent = true;
    long long best = search(true, consistent);
    if (!consistent) best = search(false, consistent);

    FitOutcome out;
    out.field = field;
    out.turnsWanted = turnsWanted;
    out.value = hundredths(best);
    out.design = design;
    *out.design.field(valueKey) = out.value;
    reCalcAs(out.design, metricFlag);
    out.turns = fieldOf(out.design, turnsKey).value();
    out.withinHalfTurn = absolute(out.turns - turnsWanted) <= Decimal::of("0.5");
    for (const KeyInfo& info : designFileKeys())
        if ((out.design.*info.member).mantissa() != (base.*info.member).mantissa()) out.changed.push_back(info.key);
    return out;
}

// ---------------------------------------------------------------- sweep

SuggestedRange suggestedSweepRange(const DesignRecord& calculated, std::string_view key) {
    const KeyInfo& info = *findKey(key);
    SuggestedRange range;
    range.places = info.storage(calculated.unitSystem()).places;
    const double v = calculated.field(info.id).value().toReal();
    double lo = v * 0.8;
    double hi = v * 1.2;
    if (info.id == Key::F) {
        if (const AmateurBand* band = bandAt(v > 0 ? v : 7.15)) {
            lo = band->lowMHz;
            hi = band->highMHz;
        } else {
            lo = v * 0.95;
            hi = v * 1.05;
        }
    } else if (info.id == Key::MBW && v == 0) {
        lo = 10;
        hi = 100;
    } else if (info.id == Key::FAC) {
        lo = 1;
        hi = std::max(4.0, v * 2);
    } else if (v == 0) {
        lo = 0;
        hi = 1;
    }
    const auto roundedTo = [&range](double value) { return Decimal::fromReal(value).rounded(range.places); };
    range.from = roundedTo(lo);
    range.to = roundedTo(hi);
    const Decimal unit = Decimal::scaled(1, range.places);
    range.step = roundedTo((hi - lo) / 150.0);
    if (range.step < unit || range.step.isZero()) range.step = unit;
    return range;
}

const std::vector<std::string_view>& sweepInputs() {
    static const std::vector<std::string_view> keys = {"F",   "CD",   "LD",  "WD",  "SP", "CCD",
                                                       "FAC", "PCCD", "SCD", "DPS", "MBW"};
    return keys;
}

std::optional<std::string> checkSweepRange(SweepRange& range, UnitSystem system) {
    const auto& inputs = sweepInputs();
    const auto it =
        std::find_if(inputs.begin(), inputs.end(), [&](std::string_view k) { return equalsIgnoreCase(k, range.key); });
    if (it == inputs.end()) return "'" + range.key + "' is not an input a sweep can vary";
    range.key = std::string(*it);
    const int places = findKey(range.key)->storage(system).places;
    const std::pair<const char*, const Decimal*> parts[] = {
        {"start", &range.from}, {"end", &range.to}, {"step", &range.step}};
    for (const auto& [name, value] : parts) {
        if (placesOf(*value) > places)
            return std::string(name) + " '" + value->toString() + "' has more places than " + range.key + " holds (" +
                   std::to_string(places) + ")";
        DecimalField f(findKey(range.key)->storage(system));
        f = *value;
        if (f.value() != *value)
            return std::string(name) + " '" + value->toString() + "' does not fit the field " + range.key + " (" +
                   range.key + " holds -" + largestHeld(f.storage()).toFixed(places) + " to " +
                   largestHeld(f.storage()).toFixed(places) + ")";
    }
    if (range.step.isZero()) return "step '" + range.step.toString() + "' is 0";
    const Decimal span = range.to - range.from;
    if (span.sign() != 0 && span.sign() != range.step.sign())
        return "step '" + range.step.toString() + "' runs away from the end '" + range.to.toString() + "'";
    // Points FROM, FROM + STEP, ... as long as they do not pass TO.
    const long long count = (span / range.step).truncatedClamped(1000000000000000LL) + 1;
    if (count > kMaxSweepPoints)
        return "the range " + range.from.toString() + " to " + range.to.toString() + " in steps of " +
               range.step.toString() + " has " + std::to_string(count) + " points; at most " +
               std::to_string(kMaxSweepPoints) + " are allowed";
    range.points = static_cast<int>(count);
    return std::nullopt;
}

Result<SweepRange> parseSweepRange(std::string_view text, UnitSystem system) {
    const auto eq = text.find('=');
    if (eq == std::string_view::npos) return fail("expected KEY=FROM:TO:STEP, got '" + std::string(text) + "'");
    SweepRange range;
    range.key = std::string(text.substr(0, eq));
    const std::string_view rest = text.substr(eq + 1);
    const auto c1 = rest.find(':');
    const auto c2 = c1 == std::string_view::npos ? c1 : rest.find(':', c1 + 1);
    if (c2 == std::string_view::npos || rest.find(':', c2 + 1) != std::string_view::npos)
        return fail("expected KEY=FROM:TO:STEP, got '" + std::string(text) + "'");
    const std::string_view pieces[] = {rest.substr(0, c1), rest.substr(c1 + 1, c2 - c1 - 1), rest.substr(c2 + 1)};
    Decimal* targets[] = {&range.from, &range.to, &range.step};
    for (int i = 0; i < 3; ++i) {
        const auto value = Decimal::parse(pieces[i]);
        if (!value)
            return fail("'" + std::string(pieces[i]) + "' in '" + std::string(text) + "' is not a decimal number");
        *targets[i] = *value;
    }
    if (auto problem = checkSweepRange(range, system)) return fail(*problem);
    return range;
}

std::vector<DesignRecord> runSweep(const DesignRecord& design, bool metricFlag, const SweepRange& range) {
    std::vector<DesignRecord> points;
    points.reserve(static_cast<std::size_t>(range.points));
    for (int i = 0; i < range.points; ++i) {
        DesignRecord r = design;
        *r.field(range.key) = range.from + range.step * Decimal(i);
        reCalcAs(r, metricFlag);
        points.push_back(std::move(r));
    }
    return points;
}

std::string sweepCsv(const std::vector<DesignRecord>& points) {
    std::string out;
    out.reserve((points.size() + 1) * 400);
    bool first = true;
    for (const KeyInfo& info : keyTable()) {
        if (!first) out += ',';
        out += info.key;
        first = false;
    }
    out += "\r\n";
    for (const DesignRecord& r : points) {
        first = true;
        for (const KeyInfo& info : keyTable()) {
            if (!first) out += ',';
            out += (r.*info.member).text();
            first = false;
        }
        out += "\r\n";
    }
    return out;
}

// ---------------------------------------------------------------- convert

const std::vector<std::string_view>& convertedLengths() {
    static const std::vector<std::string_view> keys = {"CD", "WD", "SP", "CCD", "PCCD", "SCD", "CL"};
    return keys;
}

Result<DesignRecord> convertDesign(const DesignRecord& design, UnitSystem to) {
    struct {
        DesignRecord design;
        std::optional<std::string> error;
    } out{DesignRecord(to), std::nullopt};
    const Decimal factor = Decimal::of("25.4");
    const bool toMetric = to == UnitSystem::Metric;
    for (std::string_view key : {"F", "LD", "MBW", "FAC", "DPS", "RFR", "AF", "MRR"})
        *out.design.field(key) = design.field(key)->value();
    for (std::string_view key : convertedLengths()) {
        const Decimal from = design.field(key)->value();
        const Decimal converted = toMetric ? from * factor : from / factor;
        DecimalField& target = *out.design.field(key);
        target = converted;
        if (!out.error && absolute(converted.rounded(target.storage().places)) >
                              Decimal::scaled(target.maxMantissa(), target.storage().places))
            out.error = std::string(key) + " = " + design.field(key)->text() + (toMetric ? " in" : " mm") +
                        " is too large for the " + (toMetric ? "Metric" : "Imperial") + " design's field (" +
                        std::string(key) + " holds -" + largestHeld(target.storage()).toFixed(target.storage().places) +
                        " to " + largestHeld(target.storage()).toFixed(target.storage().places) + ")";
    }
    // With the flag the target's window sets when it opens.
    if (out.error) return fail(*out.error);
    reCalcAs(out.design, UnitSystemRules::of(to).metricOnOpen.isMetric());
    return out.design;
}

}  // namespace yq
