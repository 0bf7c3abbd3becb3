#include "cli/CalcCommand.h"

#include <charconv>
#include <istream>
#include <ostream>
#include <sstream>

namespace yq::cli {

namespace {

constexpr const char* kUsage =
    "usage: yq-calc [--metric] [--runs N] [--partial NAME] KEY=VALUE ...\n"
    "       yq-calc --batch   (one case per line on standard input)\n";

int parseRuns(const std::string& text) {
    int value = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || ptr != last || value < 0 || text.empty())
        throw UsageError{"invalid run count '" + text + "'"};
    return value;
}

std::vector<std::string> splitWords(const std::string& line) {
    std::vector<std::string> words;
    std::istringstream stream(line);
    std::string word;
    while (stream >> word) words.push_back(word);
    return words;
}

}  // namespace

CalcCase parseCalcCase(const std::vector<std::string>& args) {
    CalcCase c;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--metric") {
            c.metric = true;
        } else if (arg == "--runs" || arg == "--partial") {
            if (i + 1 >= args.size()) throw UsageError{"option '" + arg + "' needs a value"};
            const std::string& value = args[++i];
            if (arg == "--runs") {
                c.runs = parseRuns(value);
            } else {
                c.partial = partialFromName(value);
                if (!c.partial) throw UsageError{"unknown partial recalculation '" + value + "'"};
            }
        } else if (arg.rfind("--", 0) == 0) {
            throw UsageError{"unknown option '" + arg + "'"};
        } else {
            const auto eq = arg.find('=');
            if (eq == std::string::npos) throw UsageError{"expected KEY=VALUE, got '" + arg + "'"};
            std::string key = arg.substr(0, eq);
            std::string value = arg.substr(eq + 1);
            const KeyInfo* info = findKey(key);
            if (!info) throw UsageError{"unknown key '" + key + "'"};
            if (!Decimal::parse(value))
                throw UsageError{"value of " + std::string(info->key) + " is not a decimal number: '" +
                                 value + "'"};
            c.assignments.emplace_back(std::string(info->key), std::move(value));
        }
    }
    return c;
}

DesignRecord computeCase(const CalcCase& c) {
    DesignRecord record(c.metric ? UnitSystem::Metric : UnitSystem::Imperial);
    for (const auto& [key, value] : c.assignments) *record.field(key) = *Decimal::parse(value);
    if (c.partial) {
        runPartial(record, *c.partial);
    } else {
        for (int i = 0; i < c.runs; ++i) reCalc(record, c.metric);
    }
    return record;
}

std::string formatRecord(const DesignRecord& record) {
    std::string line;
    line.reserve(700);
    for (const KeyInfo& info : keyTable()) {
        if (!line.empty()) line += ' ';
        line += info.key;
        line += '=';
        line += (record.*info.member).text();
    }
    return line;
}

int runCalcTool(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                std::ostream& err) {
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        out << kUsage;
        return 0;
    }
    if (args.size() == 1 && args[0] == "--batch") {
        std::string line;
        std::string output;
        int lineNumber = 0;
        bool failed = false;
        while (std::getline(in, line)) {
            ++lineNumber;
            if (!line.empty() && line.back() == '\r') line.pop_back();
            try {
                output += formatRecord(computeCase(parseCalcCase(splitWords(line))));
            } catch (const UsageError& e) {
                err << "yq-calc: line " << lineNumber << ": " << e.message << '\n';
                output += "error";
                failed = true;
            }
            output += '\n';
            if (output.size() > (1u << 16)) {
                out << output;
                output.clear();
            }
        }
        out << output;
        out.flush();
        return failed ? 1 : 0;
    }
    for (const std::string& arg : args) {
        if (arg == "--batch") {
            err << "yq-calc: '--batch' takes no other arguments\n";
            return 2;
        }
    }
    try {
        out << formatRecord(computeCase(parseCalcCase(args))) << '\n';
        return 0;
    } catch (const UsageError& e) {
        err << "yq-calc: " << e.message << '\n';
        return 2;
    }
}

}  // namespace yq::cli
