#include "cli/TuneCommand.h"
#include "cli/OutputFormats.h"

#include "design/TerminalColumns.h"
#include "design/DesignTools.h"
#include "design/ImpedanceSweep.h"
#include "design/Tuning.h"
#include "files/DesignFile.h"
#include "files/Touchstone.h"
#include "sim/LocalText.h"
#include "sim/Study.h"

#include <QFileInfo>
#include <QString>

#include <algorithm>
#include <ostream>

namespace yq::cli {

namespace {

void printRows(std::ostream& out, const std::vector<FindingRow>& rows) {
    // The labels in the program's language, padded to the terminal's columns.
    std::vector<std::string> labels;
    std::size_t width = 0;
    const auto characters = [](const std::string& text) { return terminalColumns(text); };
    for (const FindingRow& r : rows) {
        labels.push_back(sim::shownText("TuneTable", r.label));
        width = std::max(width, characters(labels.back()));
    }
    for (std::size_t i = 0; i < rows.size(); ++i)
        out << labels[i] << std::string(width + 2 - characters(labels[i]), ' ') << rows[i].value << '\n';
}

}  // namespace

int runTuneCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    auto usage = [&](const std::string& text) {
        err << "yq-calc: " << text << '\n'
            << usageLine("yq-calc tune DESIGN.ini MEASURED.s1p [--wound TURNS] [--format table|json]");
        return 2;
    };
    std::vector<std::string> files;
    std::string format = "table";
    std::optional<Decimal> wound;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--format") {
            if (i + 1 >= args.size())
                return usage(message(QT_TRANSLATE_NOOP("CalcMessages", "'--format' needs table or json")));
            format = args[++i];
            if (format != "table" && format != "json")
                return usage(message(QT_TRANSLATE_NOOP("CalcMessages", "unknown format '%1'"), {format}));
        } else if (a == "--wound") {
            if (i + 1 >= args.size())
                return usage(message(QT_TRANSLATE_NOOP("CalcMessages", "'--wound' needs the turns wound")));
            const auto turns = Decimal::parse(args[++i]);
            if (!turns || !(turns->toReal() > 0) || turns->toReal() > 100000)
                return usage(
                    message(QT_TRANSLATE_NOOP("CalcMessages", "'--wound' needs a number of turns above 0, got '%1'"),
                            {args[i]}));
            wound = turns->rounded(2);
        } else if (!a.empty() && a[0] == '-') {
            return usage(message(QT_TRANSLATE_NOOP("CalcMessages", "unknown option '%1'"), {a}));
        } else {
            files.push_back(a);
        }
    }
    if (files.size() != 2)
        return usage(message(QT_TRANSLATE_NOOP("CalcMessages", "'tune' needs a design file and a measurement")));
    const QString designPath = QString::fromStdString(files[0]);
    if (!QFileInfo(designPath).isFile())
        return usage(message(QT_TRANSLATE_NOOP("CalcMessages", "design file '%1' not found"), {files[0]}));

    DesignRecord probe(UnitSystem::Imperial);
    const Result<long long> read = readDesignFile(designPath, probe);
    if (!read) {
        err << "yq-calc: " << message(QT_TRANSLATE_NOOP("CalcMessages", "the design file %1"), {read.problem().text()})
            << '\n';
        return 1;
    }
    const long long unitSystem = *read;
    DesignRecord design(unitSystem == 1 ? UnitSystem::Metric : UnitSystem::Imperial);
    (void)readDesignFile(designPath, design);
    reCalcAs(design, unitSystem == 1);

    const auto measurement = readMeasurementFile(files[1]);
    if (!measurement) {
        err << "yq-calc: " << measurement.problem().text() << '\n';
        return 2;
    }
    std::vector<ReflectionPoint> sweep;
    for (const MeasuredPoint& p : measurement->points) sweep.push_back({p.hz, p.s11});
    const auto findings = analyseSweep(sweep, measurement->referenceOhms);
    if (!findings) {
        err << "yq-calc: "
            << message(QT_TRANSLATE_NOOP("CalcMessages", "The measurement %1 holds no usable sweep: %2"),
                       {files[1], findings.problem().reason})
            << '\n';
        return 3;
    }
    TuningInput input;
    input.measuredHz = findings->tuningHz;
    input.woundTurns = wound;
    input.seriesHenries = sim::feedSeriesInductance(design, wound ? std::optional(wound->toReal()) : std::nullopt);
    const auto tuning = computeTuning(design, unitSystem == 1, input);

    std::vector<FindingRow> rows{
        {"measurement", QT_TRANSLATE_NOOP("TuneTable", "Measurement"), measurement->describe()}};
    for (const std::string& note : measurement->notes)
        rows.push_back({"file_note", QT_TRANSLATE_NOOP("TuneTable", "Read"), note});
    for (FindingRow& r : findingRows(*findings)) rows.push_back(std::move(r));
    if (tuning)
        for (FindingRow& r : tuningRows(*tuning, design.unitSystem())) rows.push_back(std::move(r));
    else
        rows.push_back({"tuning", QT_TRANSLATE_NOOP("TuneTable", "Tuning"), tuning.problem().text()});

    if (format == "json") {
        out << '{';
        bool first = true;
        auto field = [&](const std::string& key, const std::string& value) {
            out << (first ? "" : ",") << jsonString(key) << ':' << value;
            first = false;
        };
        std::vector<std::string> notes;
        for (const FindingRow& r : rows) {
            if (r.key.rfind("note", 0) == 0 || r.key == "file_note")
                notes.push_back(jsonString(r.value));
            else
                field(r.key, jsonString(r.value));
        }
        std::string list;
        for (double r : findings->resonancesHz) list += (list.empty() ? "" : ",") + std::to_string(r);
        field("resonances_hz", "[" + list + "]");
        field("tuned_from_hz", std::to_string(findings->tuningHz));
        field("tuned_from_resonance", findings->tuningPoint == TuningPoint::Resonance ? "true" : "false");
        if (tuning) {
            field("wind_turns", tuning->turns.toFixed(2));
            field("now_turns", tuning->nowTurns.toFixed(2));
            field("fitted_fac", tuning->fit.value.toFixed(2));
            field("trusted", tuning->trusted ? "true" : "false");
        }
        std::string joined;
        for (const std::string& n : notes) joined += (joined.empty() ? "" : ",") + n;
        field("notes", "[" + joined + "]");
        out << "}\n";
    } else {
        printRows(out, rows);
    }
    return tuning ? 0 : 1;
}

}  // namespace yq::cli
