// yq-calc: designs computed from the command line, and the list of its
// commands.
#pragma once

#include "cli/CalcCase.h"
#include "cli/FileCommands.h"
#include "cli/RecordLine.h"

#include <functional>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace yq::cli {

// Runs a batch: `each` turns one line into its output (or throws
// UsageError, and the line prints `failure`).
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

// Runs a command that draws pages ("report", "build-sheet"; `args` begin
// with its name). Returns the exit status.
using PageCommandRunner =
    std::function<int(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)>;

// Runs yq-calc (arguments after the program name); the page commands go to
// `pages`. Returns the exit status.
int runCalcTool(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err,
                const PageCommandRunner& pages);

}  // namespace yq::cli
