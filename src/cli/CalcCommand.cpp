#include "cli/CalcCommand.h"
#include "cli/CalcHelp.h"
#include "cli/OutputFormats.h"
#include "cli/SimulateCommand.h"
#include "cli/ToolCommands.h"
#include "cli/TuneCommand.h"

#include <algorithm>
#include <istream>
#include <ostream>
#include <string_view>

namespace yq::cli {

int runCalcTool(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err,
                const PageCommandRunner& pages) {
    if (const auto status = answerCalcInformationOptions(args, out)) return *status;
    if (!args.empty() && args[0] == "save") return runSaveCommand({args.begin() + 1, args.end()}, out, err);
    if (!args.empty() && args[0] == "users") return runUsersCommand({args.begin() + 1, args.end()}, out, err);
    if (!args.empty() && (args[0] == "report" || args[0] == "build-sheet")) return pages(args, out, err);
    if (!args.empty() && args[0] == "simulate") return runSimulateCommand({args.begin() + 1, args.end()}, out, err);
    if (!args.empty() && args[0] == "tune") return runTuneCommand({args.begin() + 1, args.end()}, out, err);
    if (const int status = runToolCommand(args, out, err); status >= 0) return status;  // fit, sweep, convert
    if (std::vector<std::string> rest = args; std::find(args.begin(), args.end(), "--format") != args.end()) {
        OutputFormat format = OutputFormat::Line;
        bool given = false;
        if (!takeFormatOption(rest, format, given, err)) return 2;
        return format == OutputFormat::Line ? runCalcTool(rest, in, out, err, pages)
                                            : runFormatted(rest, format, in, out, err);
    }
    if (args.size() == 1 && args[0] == "--batch") {
        // One case and one word list for all lines, so that their storage is reused.
        CalcCase c;
        std::vector<std::string_view> words;
        words.reserve(16);
        return runBatchLines(in, out, err, {}, "error\n", [&](std::string_view line, int, std::string& output) {
            wordsOf(line, words);
            parseWordsInto(words, c);
            appendRecord(output, computeCase(c));
            output += '\n';
        });
    }
    for (const std::string& arg : args) {
        if (arg == "--batch") {
            err << "yq-calc: " << message(QT_TRANSLATE_NOOP("CalcMessages", "'--batch' takes no other arguments"))
                << '\n';
            return 2;
        }
    }
    try {
        std::string warnings;
        out << formatRecord(computeCase(parseCalcCase(args), &warnings)) << '\n';
        if (!warnings.empty())
            err << "yq-calc: " << message(QT_TRANSLATE_NOOP("CalcMessages", "warning: %1"), {warnings}) << '\n';
        return 0;
    } catch (const UsageError& e) {
        err << "yq-calc: " << e.message << '\n';
        return 2;
    }
}

}  // namespace yq::cli
