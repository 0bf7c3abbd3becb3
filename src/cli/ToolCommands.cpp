#include "cli/ToolCommands.h"

#include "cli/CalcCommand.h"
#include "cli/FieldChecks.h"
#include "design/DesignTools.h"
#include "files/DesignFile.h"
#include "files/SaveConverted.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <ostream>

namespace yq::cli {

namespace {

bool takesValue(const std::string& arg) { return arg == "--file" || arg == "--runs" || arg == "--partial"; }

// Splits off the arguments that `pick` claims (never an option's value).
template <typename Pick>
std::vector<std::string> splitOff(const std::vector<std::string>& args, std::vector<std::string>& rest, Pick pick) {
    std::vector<std::string> picked;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (takesValue(args[i]) && i + 1 < args.size()) {
            rest.push_back(args[i]);
            rest.push_back(args[++i]);
        } else if (pick(args[i])) {
            picked.push_back(args[i]);
        } else {
            rest.push_back(args[i]);
        }
    }
    return picked;
}

// The design a command starts from: the case's file and assignments, not yet
// calculated. Refuses the options that make no sense for a tool.
DesignRecord startingDesign(const std::vector<std::string>& args, const char* command, int& metricFlag,
                            std::ostream& err) {
    CalcCase c = parseCalcCase(args);
    if (c.partial) throw UsageError{message(QT_TRANSLATE_NOOP("CalcMessages", "'%1' takes no '--partial'"), {command})};
    for (const std::string& arg : args)
        if (arg == "--runs")
            throw UsageError{message(QT_TRANSLATE_NOOP("CalcMessages", "'%1' takes no '--runs'"), {command})};
    c.runs = 0;
    std::string warnings;
    DesignRecord record = computeCase(c, &warnings, &metricFlag);
    // The unit-system warning a window would show for the file, as yq-calc gives it.
    if (!warnings.empty())
        err << "yq-calc: " << message(QT_TRANSLATE_NOOP("CalcMessages", "warning: %1"), {warnings}) << '\n';
    return record;
}

std::string turnsText(const Decimal& d) { return d.toString(); }

}  // namespace

int runFitCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    try {
        std::vector<std::string> rest;
        const std::vector<std::string> targets = splitOff(args, rest, [](const std::string& a) {
            return a.rfind("NT=", 0) == 0 || a.rfind("SCT=", 0) == 0 || a.rfind("nt=", 0) == 0 ||
                   a.rfind("sct=", 0) == 0;
        });
        if (targets.empty())
            throw UsageError{message(QT_TRANSLATE_NOOP("CalcMessages", "'fit' needs NT=<turns> or SCT=<turns>"))};
        if (targets.size() > 1)
            throw UsageError{
                message(QT_TRANSLATE_NOOP("CalcMessages", "'fit' takes one target, got '%1' as well"), {targets[1]})};
        const std::string& target = targets[0];
        const auto eq = target.find('=');
        const FitField field = (target[0] == 'N' || target[0] == 'n') ? FitField::Fac : FitField::Dps;
        const std::string valueText = target.substr(eq + 1);
        const auto turns = Decimal::parse(valueText);
        if (!turns)
            throw UsageError{message(QT_TRANSLATE_NOOP("CalcMessages", "turns '%1' in '%2' are not a decimal number"),
                                     {valueText, target})};
        if (turns->sign() <= 0)
            throw UsageError{
                message(QT_TRANSLATE_NOOP("CalcMessages", "turns '%1' in '%2' are not above 0"), {valueText, target})};
        {
            // The turns are compared with the field's, so they must be a value it holds.
            const bool metric = std::find(args.begin(), args.end(), "--metric") != args.end();
            DecimalField turnsField(
                findKey(fitTurnsKey(field))->storage(metric ? UnitSystem::Metric : UnitSystem::Imperial));
            storeHeld(turnsField, fitTurnsKey(field), valueText, *turns);
        }
        for (const std::string& arg : rest)
            if (arg.find('=') != std::string::npos &&
                equalsIgnoreCase(std::string_view(arg).substr(0, arg.find('=')), fitFieldKey(field)))
                throw UsageError{
                    message(QT_TRANSLATE_NOOP("CalcMessages", "'%1' is what the fit finds; leave it out"), {arg})};

        int metricFlag = 0;
        const DesignRecord design = startingDesign(rest, "fit", metricFlag, err);
        const FitOutcome fit = fitDesign(design, metricFlag == 1, field, *turns);
        out << formatRecord(fit.design) << '\n';
        if (!fit.withinHalfTurn) {
            const FitRange range = fitRange(field);
            err << "yq-calc: "
                << message(QT_TRANSLATE_NOOP("CalcMessages",
                                             "no %1 from %2 to %3 gives %4 within half a turn of %5; the nearest, "
                                             "%1=%6, gives %4=%7"),
                           {fitFieldKey(field), range.first.toString(), range.last.toString(), fitTurnsKey(field),
                            turnsText(*turns), fit.value.toString(), fit.turns.toFixed(2)})
                << '\n';
            return 3;
        }
        return 0;
    } catch (const UsageError& e) {
        err << "yq-calc: " << e.message << '\n';
        return 2;
    }
}

int runSweepCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    try {
        std::vector<std::string> rest;
        const std::vector<std::string> ranges = splitOff(args, rest, [](const std::string& a) {
            const auto eq = a.find('=');
            return eq != std::string::npos && a.find(':', eq) != std::string::npos;
        });
        if (ranges.empty())
            throw UsageError{message(QT_TRANSLATE_NOOP("CalcMessages", "'sweep' needs KEY=FROM:TO:STEP"))};
        if (ranges.size() > 1)
            throw UsageError{
                message(QT_TRANSLATE_NOOP("CalcMessages", "'sweep' varies one input, got '%1' as well"), {ranges[1]})};
        bool metric = false;
        for (const std::string& a : rest) metric = metric || a == "--metric";
        const auto range = parseSweepRange(ranges[0], metric ? UnitSystem::Metric : UnitSystem::Imperial);
        if (!range) throw UsageError{range.problem().text()};

        int metricFlag = 0;
        const DesignRecord design = startingDesign(rest, "sweep", metricFlag, err);
        out << sweepCsv(runSweep(design, metricFlag == 1, *range));
        out.flush();
        return 0;
    } catch (const UsageError& e) {
        err << "yq-calc: " << e.message << '\n';
        return 2;
    }
}

int runConvertCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    try {
        std::string file;
        std::string to;
        for (std::size_t i = 0; i < args.size(); ++i) {
            if (args[i] == "--to") {
                if (i + 1 >= args.size())
                    throw UsageError{
                        message(QT_TRANSLATE_NOOP("CalcMessages", "option '--to' needs 'metric' or 'imperial'"))};
                to = args[++i];
                if (to != "metric" && to != "imperial")
                    throw UsageError{
                        message(QT_TRANSLATE_NOOP("CalcMessages", "'--to %1': expected 'metric' or 'imperial'"), {to})};
            } else if (args[i].rfind("--", 0) == 0) {
                throw UsageError{message(QT_TRANSLATE_NOOP("CalcMessages", "unknown option '%1'"), {args[i]})};
            } else if (!file.empty()) {
                throw UsageError{message(
                    QT_TRANSLATE_NOOP("CalcMessages", "'convert' takes one design file, got '%1' as well"), {args[i]})};
            } else {
                file = args[i];
            }
        }
        if (file.empty()) throw UsageError{message(QT_TRANSLATE_NOOP("CalcMessages", "'convert' needs a design file"))};
        if (to.empty())
            throw UsageError{
                message(QT_TRANSLATE_NOOP("CalcMessages", "'convert' needs '--to metric' or '--to imperial'"))};
        const QString path = QString::fromStdString(file);
        if (!QFileInfo(path).isFile())
            throw UsageError{message(QT_TRANSLATE_NOOP("CalcMessages", "design file '%1' not found"), {file})};

        // The file's own unit system decides the record it is read into.
        DesignRecord probe(UnitSystem::Imperial);
        const Result<long long> read = readDesignFile(path, probe);
        if (!read)
            throw UsageError{message(QT_TRANSLATE_NOOP("CalcMessages", "the design file %1"), {read.problem().text()})};
        const long long unitSystem = *read;
        if (unitSystem != 0 && unitSystem != 1)
            throw UsageError{
                message(QT_TRANSLATE_NOOP("CalcMessages",
                                          "design file '%1' declares the unit system %2, neither Imperial (0) "
                                          "nor Metric (1)"),
                        {file, std::to_string(unitSystem)})};
        const UnitSystem from = unitSystem == 1 ? UnitSystem::Metric : UnitSystem::Imperial;
        const UnitSystem target = to == "metric" ? UnitSystem::Metric : UnitSystem::Imperial;
        if (from == target)
            throw UsageError{
                from == UnitSystem::Metric
                    ? message(QT_TRANSLATE_NOOP("CalcMessages", "design file '%1' is already a Metric design"), {file})
                    : message(QT_TRANSLATE_NOOP("CalcMessages", "design file '%1' is already an Imperial design"),
                              {file})};
        DesignRecord design(from);
        (void)readDesignFile(path, design);
        // As its own window shows it after opening: recalculated.
        reCalcAs(design, false);

        const Result<DesignRecord> converted = convertDesign(design, target);
        if (!converted) throw UsageError{converted.problem().text()};
        const ConvertedSave saved = saveConvertedDesign(*converted, QDir::currentPath());
        if (!saved.written) {
            err << "yq-calc: "
                << message(QT_TRANSLATE_NOOP("CalcMessages", "the design file %1 could not be written: %2"),
                           {saved.path.toStdString(), saved.written.problem().text()})
                << '\n';
            return 1;
        }
        out << saved.path.toStdString() << '\n';
        return 0;
    } catch (const UsageError& e) {
        err << "yq-calc: " << e.message << '\n';
        return 2;
    }
}

int runToolCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) return -1;
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (args[0] == "fit") return runFitCommand(rest, out, err);
    if (args[0] == "sweep") return runSweepCommand(rest, out, err);
    if (args[0] == "convert") return runConvertCommand(rest, out, err);
    return -1;
}

}  // namespace yq::cli
