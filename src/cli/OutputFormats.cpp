#include "cli/OutputFormats.h"

#include "cli/CalcCommand.h"
#include "design/TerminalColumns.h"
#include "design/DesignTools.h"
#include "files/ResultsFile.h"
#include "files/UserFile.h"
#include "files/Picture.h"
#include "files/Text.h"

#include <QDir>

#include <algorithm>
#include <istream>
#include <ostream>
#include <sstream>

namespace yq::cli {

namespace {

std::string trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

std::vector<std::string> wordsOfLine(const std::string& line) {
    std::vector<std::string> words;
    std::istringstream stream(line);
    std::string word;
    while (stream >> word) words.push_back(word);
    return words;
}

// The user SAVE would write into the row: the first record of the current
// folder's user file (none when there is no file).
bool rowUser(QString& user, std::ostream& err) {
    UserFile users(QDir::currentPath());
    const auto first = users.first();
    if (!first) {
        err << "yq-calc: " << first.problem().text() << '\n';
        return false;
    }
    user = *first ? (*first)->user : QString();
    return true;
}

std::string formatted(const DesignRecord& record, OutputFormat format, const QString& user) {
    switch (format) {
        case OutputFormat::Table:
            return formatTable(record);
        case OutputFormat::Json:
            return formatJson(record) + '\n';
        case OutputFormat::Csv:
            return csvResultsRow(record, user);
        case OutputFormat::Line:
            break;
    }
    return formatRecord(record) + '\n';
}

}  // namespace

std::string jsonString(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            static constexpr char hex[] = "0123456789abcdef";
            out += "\\u00";
            out += hex[(c >> 4) & 0xF];
            out += hex[c & 0xF];
        } else {
            out += c;
        }
    }
    return out + '"';
}

std::optional<OutputFormat> outputFormatNamed(std::string_view name) {
    if (name == "line") return OutputFormat::Line;
    if (name == "table") return OutputFormat::Table;
    if (name == "json") return OutputFormat::Json;
    if (name == "csv") return OutputFormat::Csv;
    return std::nullopt;
}

std::string windowLabel(std::string_view key, UnitSystem system) {
    const KeyInfo* info = findKey(key);
    return info ? trimmed(keyTableText(info->label(system)).toStdString()) : std::string();
}

std::string windowPicture(std::string_view key, UnitSystem system) {
    const KeyInfo* info = findKey(key);
    return info ? std::string(info->picture(system)) : std::string();
}

std::string formatTable(const DesignRecord& record) {
    const UnitSystem system = record.unitSystem();
    struct Line {
        std::string label, value;
        std::string_view unit;
    };
    std::vector<Line> lines;
    std::size_t labelWidth = 0;
    std::size_t valueWidth = 0;
    for (const Key key : kWindowOrder) {
        const KeyInfo& info = keyInfo(key);
        Line line{trimmed(keyTableText(info.label(system)).toStdString()),
                  formatNumeric(record.field(key).value(), info.picture(system)).toStdString(), info.unit(system)};
        labelWidth = std::max(labelWidth, terminalColumns(line.label));
        valueWidth = std::max(valueWidth, line.value.size());
        lines.push_back(std::move(line));
    }
    std::string out;
    for (const Line& line : lines) {
        out += line.label;
        out.append(labelWidth - terminalColumns(line.label) + 2, ' ');
        out.append(valueWidth - line.value.size(), ' ');
        out += line.value;
        if (!line.unit.empty()) {
            out += ' ';
            out += line.unit;
        }
        out += '\n';
    }
    return out;
}

std::string formatJson(const DesignRecord& record) {
    std::string out = "{";
    for (const KeyInfo& info : keyTable()) {
        if (out.size() > 1) out += ',';
        out += jsonString(info.key) + ':' + jsonString((record.*info.member).text());
    }
    return out + '}';
}

std::string csvTitleRow() {
    // A results file that SAVE creates from the command line has no user in
    // its title row's last field.
    QStringList titles = resultsTitles();
    titles << QString();
    return csvLine(titles).toStdString() + "\r\n";
}

std::string csvResultsRow(const DesignRecord& record, const QString& user) {
    return csvLine(resultsRow(record, user)).toStdString() + "\r\n";
}

bool takeFormatOption(std::vector<std::string>& args, OutputFormat& format, bool& given, std::ostream& err) {
    given = false;
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] != "--format") {
            rest.push_back(args[i]);
            continue;
        }
        if (i + 1 >= args.size()) {
            err << "yq-calc: " << message(QT_TRANSLATE_NOOP("CalcMessages", "option '--format' needs a value")) << '\n';
            return false;
        }
        const auto named = outputFormatNamed(args[++i]);
        if (!named) {
            err << "yq-calc: "
                << message(QT_TRANSLATE_NOOP("CalcMessages", "unknown format '%1' (line, table, json or csv)"),
                           {args[i]})
                << '\n';
            return false;
        }
        format = *named;
        given = true;
    }
    args = std::move(rest);
    return true;
}

int runFormatted(const std::vector<std::string>& args, OutputFormat format, std::istream& in, std::ostream& out,
                 std::ostream& err) {
    const bool batch = std::find(args.begin(), args.end(), "--batch") != args.end();
    if (batch && args.size() != 1) {
        err << "yq-calc: " << message(QT_TRANSLATE_NOOP("CalcMessages", "'--batch' takes no other arguments")) << '\n';
        return 2;
    }
    QString user;
    if (format == OutputFormat::Csv && !rowUser(user, err)) return 1;
    if (!batch) {
        try {
            std::string warnings;
            const DesignRecord record = computeCase(parseCalcCase(args), &warnings);
            if (format == OutputFormat::Csv) out << csvTitleRow();
            out << formatted(record, format, user);
            if (!warnings.empty())
                err << "yq-calc: " << message(QT_TRANSLATE_NOOP("CalcMessages", "warning: %1"), {warnings}) << '\n';
            return 0;
        } catch (const UsageError& e) {
            err << "yq-calc: " << e.message << '\n';
            return 2;
        }
    }
    return runBatchLines(in, out, err, format == OutputFormat::Csv ? csvTitleRow() : std::string(),
                         format == OutputFormat::Csv ? "error\r\n" : "error\n",
                         [&](std::string_view line, int lineNumber, std::string& output) {
                             if (format == OutputFormat::Table && lineNumber > 1) output += '\n';
                             output +=
                                 formatted(computeCase(parseCalcCase(wordsOfLine(std::string(line)))), format, user);
                         });
}

}  // namespace yq::cli
