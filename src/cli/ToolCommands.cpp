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
    if (c.partial) throw UsageError{std::string("'") + command + "' takes no '--partial'"};
    for (const std::string& arg : args)
        if (arg == "--runs") throw UsageError{std::string("'") + command + "' takes no '--runs'"};
    c.runs = 0;
    std::string warnings;
    DesignRecord record = computeCase(c, &warnings, &metricFlag);
    // The unit-system warning a window would show for the file, as yq-calc gives it.
    if (!warnings.empty()) err << "yq-calc: warning: " << warnings << '\n';
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
        if (targets.empty()) throw UsageError{"'fit' needs NT=<turns> or SCT=<turns>"};
        if (targets.size() > 1) throw UsageError{"'fit' takes one target, got '" + targets[1] + "' as well"};
        const std::string& target = targets[0];
        const auto eq = target.find('=');
        const FitField field = (target[0] == 'N' || target[0] == 'n') ? FitField::Fac : FitField::Dps;
        const std::string valueText = target.substr(eq + 1);
        const auto turns = Decimal::parse(valueText);
        if (!turns) throw UsageError{"turns '" + valueText + "' in '" + target + "' are not a decimal number"};
        if (turns->sign() <= 0) throw UsageError{"turns '" + valueText + "' in '" + target + "' are not above 0"};
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
                throw UsageError{"'" + arg + "' is what the fit finds; leave it out"};

        int metricFlag = 0;
        const DesignRecord design = startingDesign(rest, "fit", metricFlag, err);
        const FitOutcome fit = fitDesign(design, metricFlag == 1, field, *turns);
        out << formatRecord(fit.design) << '\n';
        if (!fit.withinHalfTurn) {
            const FitRange range = fitRange(field);
            err << "yq-calc: no " << fitFieldKey(field) << " from " << range.first.toString() << " to "
                << range.last.toString() << " gives " << fitTurnsKey(field) << " within half a turn of "
                << turnsText(*turns) << "; the nearest, " << fitFieldKey(field) << '=' << fit.value.toString()
                << ", gives " << fitTurnsKey(field) << '=' << fit.turns.toFixed(2) << '\n';
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
        if (ranges.empty()) throw UsageError{"'sweep' needs KEY=FROM:TO:STEP"};
        if (ranges.size() > 1) throw UsageError{"'sweep' varies one input, got '" + ranges[1] + "' as well"};
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
                if (i + 1 >= args.size()) throw UsageError{"option '--to' needs 'metric' or 'imperial'"};
                to = args[++i];
                if (to != "metric" && to != "imperial")
                    throw UsageError{"'--to " + to + "': expected 'metric' or 'imperial'"};
            } else if (args[i].rfind("--", 0) == 0) {
                throw UsageError{"unknown option '" + args[i] + "'"};
            } else if (!file.empty()) {
                throw UsageError{"'convert' takes one design file, got '" + args[i] + "' as well"};
            } else {
                file = args[i];
            }
        }
        if (file.empty()) throw UsageError{"'convert' needs a design file"};
        if (to.empty()) throw UsageError{"'convert' needs '--to metric' or '--to imperial'"};
        const QString path = QString::fromStdString(file);
        if (!QFileInfo(path).isFile()) throw UsageError{"design file '" + file + "' not found"};

        // The file's own unit system decides the record it is read into.
        DesignRecord probe(UnitSystem::Imperial);
        const Result<long long> read = readDesignFile(path, probe);
        if (!read) throw UsageError{"the design file " + read.problem().text()};
        const long long unitSystem = *read;
        if (unitSystem != 0 && unitSystem != 1)
            throw UsageError{"design file '" + file + "' declares the unit system " + std::to_string(unitSystem) +
                             ", neither Imperial (0) nor Metric (1)"};
        const UnitSystem from = unitSystem == 1 ? UnitSystem::Metric : UnitSystem::Imperial;
        const UnitSystem target = to == "metric" ? UnitSystem::Metric : UnitSystem::Imperial;
        if (from == target)
            throw UsageError{"design file '" + file + "' is already " +
                             (from == UnitSystem::Metric ? "a Metric" : "an Imperial") + " design"};
        DesignRecord design(from);
        (void)readDesignFile(path, design);
        // As its own window shows it after opening: recalculated.
        reCalcAs(design, false);

        const Result<DesignRecord> converted = convertDesign(design, target);
        if (!converted) throw UsageError{converted.problem().text()};
        const ConvertedSave saved = saveConvertedDesign(*converted, QDir::currentPath());
        if (!saved.written) {
            err << "yq-calc: the design file " << saved.path.toStdString()
                << " could not be written: " << saved.written.problem().text() << '\n';
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
