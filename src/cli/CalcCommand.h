// yq-calc: designs computed from the command line.
#pragma once

#include "design/Calculation.h"

#include <functional>

#include <istream>
#include <ostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace yq::cli {

// One parsed calculation case: `[--metric] [--runs N] [--partial NAME] KEY=VALUE ...`.
struct CalcCase {
    bool metric = false;
    int runs = 1;
    std::optional<PartialRecalc> partial;
    std::optional<std::string> file;                               // design file read first, as a window reads it
    std::vector<std::pair<std::string, std::string>> assignments;  // key, value text
    // The values of the assignments as parseCalcCase read them (same order);
    // when it does not match the assignments, computeCase reads the texts.
    std::vector<Decimal> values;
    // The fields of the assignments as parseCalcCase found them (same order);
    // when it does not match the assignments, computeCase looks the keys up.
    std::vector<const KeyInfo*> keys;
};

// Thrown for input that cannot be used; the text names the offending argument.
struct UsageError {
    std::string message;
};

// The batch loop: each line of `in` (a final "\r" dropped) goes to
// `each(line, lineNumber, output)`, which appends its result to `output`; a
// line that throws UsageError is reported on `err` with its number, and
// `failure` stands in its place. `output` starts with `head` and reaches
// `out` in pieces of about 64 KiB. Returns 1 when a line failed, else 0.
template <class Each>
int runBatchLines(std::istream& in, std::ostream& out, std::ostream& err, std::string head, std::string_view failure,
                  Each&& each) {
    std::string output = std::move(head);
    std::string line;
    int lineNumber = 0;
    bool failed = false;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        try {
            each(std::string_view(line), lineNumber, output);
        } catch (const UsageError& e) {
            err << "yq-calc: line " << lineNumber << ": " << e.message << '\n';
            output += failure;
            failed = true;
        }
        if (output.size() > (1u << 16)) {
            out << output;
            output.clear();
        }
    }
    out << output;
    out.flush();
    return failed ? 1 : 0;
}

// Parses the arguments of one case. Throws UsageError.
CalcCase parseCalcCase(const std::vector<std::string>& args);

// Applies a case to a fresh record and returns the record. `warnings`, when
// given, receives the unit-system warning a window would show for --file.
// `metricFlag`, when given, receives the program-wide unit flag afterwards.
DesignRecord computeCase(const CalcCase& c, std::string* warnings = nullptr, int* metricFlag = nullptr);

// One output line: every design-file key, then WR, UF and NTE, as KEY=value.
std::string formatRecord(const DesignRecord& record);
// The same line, appended to `out`.
void appendRecord(std::string& out, const DesignRecord& record);

// `yq-calc save ...` and `yq-calc users ...`, in the current folder.
int runSaveCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int runUsersCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Runs a command that draws pages ("report", "build-sheet"; `args` begin
// with its name). Returns the exit status.
using PageCommandRunner =
    std::function<int(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)>;

// Runs yq-calc (arguments after the program name); the page commands go to
// `pages`. Returns the exit status.
int runCalcTool(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err,
                const PageCommandRunner& pages);

}  // namespace yq::cli
