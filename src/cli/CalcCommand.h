// yq-calc: designs computed from the command line, and the list of its
// commands.
#pragma once

#include "cli/CalcCase.h"
#include "cli/FileCommands.h"
#include "cli/RecordLine.h"

#include <cstring>
#include <functional>
#include <memory>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace yq::cli {

// Calls `line(text)` for each line of `in` (without its "\n"; a last line
// without one too), reading the stream in blocks: a line that lies in one
// block is handed over without a copy.
template <class Line>
void forEachLine(std::istream& in, Line&& line) {
    std::streambuf* const buffer = in.rdbuf();
    if (!buffer) return;
    constexpr std::size_t kBlock = std::size_t(1) << 16;
    const auto block = std::make_unique<char[]>(kBlock);
    std::string carried;  // the start of a line that runs past its block
    for (;;) {
        const std::streamsize got = buffer->sgetn(block.get(), static_cast<std::streamsize>(kBlock));
        if (got <= 0) break;
        const char* p = block.get();
        const char* const end = p + got;
        while (p < end) {
            const auto* newline = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
            if (!newline) {
                carried.append(p, end);
                break;
            }
            if (carried.empty()) {
                line(std::string_view(p, static_cast<std::size_t>(newline - p)));
            } else {
                carried.append(p, newline);
                line(std::string_view(carried));
                carried.clear();
            }
            p = newline + 1;
        }
    }
    if (!carried.empty()) line(std::string_view(carried));
}

// Runs a batch: `each` turns one line into its output (or throws
// UsageError, and the line prints `failure`).
template <class Each>
int runBatchLines(std::istream& in, std::ostream& out, std::ostream& err, std::string head, std::string_view failure,
                  Each&& each) {
    std::string output = std::move(head);
    int lineNumber = 0;
    bool failed = false;
    forEachLine(in, [&](std::string_view line) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        try {
            each(line, lineNumber, output);
        } catch (const UsageError& e) {
            err << "yq-calc: "
                << message(QT_TRANSLATE_NOOP("CalcMessages", "line %1: %2"), {std::to_string(lineNumber), e.message})
                << '\n';
            output += failure;
            failed = true;
        }
        if (output.size() > (1u << 16)) {
            out << output;
            output.clear();
        }
    });
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
