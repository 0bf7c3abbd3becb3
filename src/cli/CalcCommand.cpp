#include "cli/CalcCommand.h"
#include "cli/CalcHelp.h"
#include "cli/OutputFormats.h"

#include "files/UserFile.h"
#include "cli/ToolCommands.h"
#include "files/DesignFile.h"
#include "files/SaveDesign.h"

#include <QDir>

#include <QFileInfo>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <stdexcept>
#include <istream>
#include <ostream>
#include <string_view>

namespace yq::cli {

namespace {

int parseRuns(const std::string& text) {
    int value = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || ptr != last || value < 0 || text.empty())
        throw UsageError{"invalid run count '" + text + "'"};
    return value;
}

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

// No field has more digits than this, so a value whose whole part needs more
// is one that no field can hold (a field limits a smaller excess itself).
int widestStorageDigits() {
    static const int digits = [] {
        int widest = 0;
        for (const KeyInfo& info : keyTable())
            widest = std::max({widest, int(info.imperial.digits), int(info.metric.digits)});
        return widest;
    }();
    return digits;
}

// The value text as a message shows it: long texts are cut short.
std::string shownValue(const std::string& value) {
    constexpr std::size_t kShown = 24;
    if (value.size() <= kShown + 3) return "'" + value + "'";
    return "'" + value.substr(0, kShown) + "...' (" + std::to_string(value.size()) + " characters)";
}

// A command-line value, read in time linear in its length. Throws UsageError.
Decimal commandLineValue(std::string_view key, const std::string& value) {
    const auto parsed = Decimal::parseBounded(value);
    if (!parsed) throw UsageError{"value of " + std::string(key) + " is not a decimal number: " + shownValue(value)};
    static const Decimal limit = Decimal::scaled(1, -widestStorageDigits());
    if (parsed->abs() >= limit)
        throw UsageError{"value of " + std::string(key) + " is too large for any field (more than " +
                         std::to_string(widestStorageDigits()) + " digits before the point): " + shownValue(value)};
    return *parsed;
}

}  // namespace

namespace {

// The arguments of one case, as views of the command line or of a batch line.
template <class Words>
void parseWordsInto(const Words& args, CalcCase& c) {
    c.metric = false;
    c.runs = 1;
    c.partial.reset();
    c.file.reset();
    c.assignments.clear();
    c.values.clear();
    c.keys.clear();
    c.assignments.reserve(args.size());
    c.values.reserve(args.size());
    c.keys.reserve(args.size());
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--metric") {
            c.metric = true;
        } else if (arg == "--runs" || arg == "--partial" || arg == "--file") {
            if (i + 1 >= args.size()) throw UsageError{"option '" + std::string(arg) + "' needs a value"};
            const std::string value(args[++i]);
            if (arg == "--runs") {
                c.runs = parseRuns(value);
            } else if (arg == "--file") {
                if (value.empty()) throw UsageError{"option '--file' needs a path"};
                c.file = value;
            } else {
                c.partial = partialFromName(value);
                if (!c.partial) throw UsageError{"unknown partial recalculation '" + value + "'"};
            }
        } else if (arg.substr(0, 2) == "--") {
            throw UsageError{"unknown option '" + std::string(arg) + "'"};
        } else {
            const auto eq = arg.find('=');
            if (eq == std::string_view::npos) throw UsageError{"expected KEY=VALUE, got '" + std::string(arg) + "'"};
            const std::string_view key = arg.substr(0, eq);
            std::string value(arg.substr(eq + 1));
            const KeyInfo* info = findKey(key);
            if (!info) throw UsageError{"unknown key '" + std::string(key) + "'"};
            c.values.push_back(commandLineValue(info->key, value));
            c.assignments.emplace_back(std::string(info->key), std::move(value));
            c.keys.push_back(info);
        }
    }
}

template <class Words>
CalcCase parseWords(const Words& args) {
    CalcCase c;
    parseWordsInto(args, c);
    return c;
}

// The words of a batch line, without copies, into `words`.
void wordsOf(std::string_view line, std::vector<std::string_view>& words) {
    words.clear();
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && isSpace(line[i])) ++i;
        const std::size_t start = i;
        while (i < line.size() && !isSpace(line[i])) ++i;
        if (i > start) words.push_back(line.substr(start, i - start));
    }
}

}  // namespace

CalcCase parseCalcCase(const std::vector<std::string>& args) { return parseWords(args); }

DesignRecord computeCase(const CalcCase& c, std::string* warnings, int* metricFlag) {
    const UnitSystem system = c.metric ? UnitSystem::Metric : UnitSystem::Imperial;
    DesignRecord record(system);
    int metric = c.metric ? 1 : 0;
    if (c.file) {
        const QString path = QString::fromStdString(*c.file);
        if (!QFileInfo(path).isFile()) throw UsageError{"design file '" + *c.file + "' not found"};
        QString error;
        const long long unitSystem = readDesignFile(path, record, &error);
        // A file that cannot be read is not a design of zeros.
        if (!error.isEmpty()) throw UsageError{"the design file " + error.toStdString()};
        const UnitReaction reaction = unitReaction(system, unitSystem);
        metric = reaction.metric;
        if (warnings && !reaction.message.isEmpty())
            *warnings += QString(reaction.message).replace(u'|', u' ').toStdString();
    }
    const bool read = c.values.size() == c.assignments.size();
    const bool found = read && c.keys.size() == c.assignments.size();
    for (std::size_t i = 0; i < c.assignments.size(); ++i) {
        const auto& [key, value] = c.assignments[i];
        DecimalField& field = found ? record.*(c.keys[i]->member) : *record.field(key);
        field = read ? c.values[i] : commandLineValue(key, value);
    }
    if (c.partial) {
        runPartial(record, *c.partial);
    } else {
        for (int i = 0; i < c.runs; ++i) reCalc(record, metric == 1);
    }
    if (metricFlag) *metricFlag = metric;
    return record;
}

namespace {

// KEY=text of one field at p; returns the end. `key` holds the key padded
// to 8 characters, so that it is copied in one move.
char* writeField(char* p, const char (&key)[8], std::size_t keySize, const DecimalField& field) {
    std::memcpy(p, key, sizeof key);
    p += keySize;
    *p++ = '=';
    return field.writeText(p);
}

// The keys of the key table, each padded to 8 characters.
struct PaddedKey {
    char text[8] = {};
    std::size_t size = 0;
};

const std::vector<PaddedKey>& paddedKeys() {
    static const std::vector<PaddedKey> keys = [] {
        std::vector<PaddedKey> v;
        for (const KeyInfo& info : keyTable()) {
            if (info.key.size() > sizeof(PaddedKey::text)) throw std::logic_error("key longer than 8 characters");
            PaddedKey k;
            std::memcpy(k.text, info.key.data(), info.key.size());
            k.size = info.key.size();
            v.push_back(k);
        }
        return v;
    }();
    return keys;
}

}  // namespace

void appendRecord(std::string& out, const DesignRecord& record) {
    // Per field: a key of at most 8 characters, '=', its text, a blank.
    constexpr std::size_t kFieldRoom = 8 + 1 + DecimalField::kMaxTextSize + 1;
    char line[48 * kFieldRoom];
    if (keyTable().size() > 48) throw std::logic_error("key table larger than a record line");
    const std::vector<PaddedKey>& keys = paddedKeys();
    char* p = line;
    std::size_t i = 0;
    for (const KeyInfo& info : keyTable()) {
        if (p != line) *p++ = ' ';
        p = writeField(p, keys[i].text, keys[i].size, record.*info.member);
        ++i;
    }
    out.append(line, static_cast<std::size_t>(p - line));
}

std::string formatRecord(const DesignRecord& record) {
    std::string line;
    line.reserve(700);
    appendRecord(line, record);
    return line;
}

int runSaveCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    try {
        CalcCase c = parseCalcCase(args);
        if (c.partial) throw UsageError{"'save' takes no '--partial'"};
        c.runs = 1;
        std::string warnings;
        int metric = 0;
        const DesignRecord record = computeCase(c, &warnings, &metric);
        if (!warnings.empty()) err << "yq-calc: warning: " << warnings << '\n';
        QString userRecord;
        QString resultsUser;
        const SaveOutcome outcome =
            saveDesign(record, record.unitSystem(), metric, userRecord, QDir::currentPath(), resultsUser);
        if (!outcome.designWritten) {
            err << "yq-calc: the design file " << outcome.path.toStdString()
                << " could not be written: " << outcome.designError.toStdString() << '\n';
            return 1;
        }
        out << outcome.path.toStdString() << '\n';
        if (!outcome.results.ok) {
            err << "yq-calc: the results row could not be written: " << outcome.results.error.toStdString() << '\n';
            return 1;
        }
        if (!outcome.results.warning.isEmpty())
            err << "yq-calc: warning: " << outcome.results.warning.toStdString() << '\n';
        return 0;
    } catch (const UsageError& e) {
        err << "yq-calc: " << e.message << '\n';
        return 2;
    }
}

int runUsersCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    UserFile users(QDir::currentPath());
    if (args.empty()) {
        const QList<UserRecord> records = users.inKeyOrder();
        if (users.failed()) {
            err << "yq-calc: " << users.errorText().toStdString() << '\n';
            return 1;
        }
        for (const UserRecord& r : records) out << r.user.toStdString() << '\n';
        return 0;
    }
    const std::string& verb = args[0];
    if ((verb != "add" && verb != "delete") || args.size() < 2) {
        err << "yq-calc: usage: yq-calc users [add TEXT | delete TEXT]\n";
        return 2;
    }
    std::string joined;
    for (std::size_t i = 1; i < args.size(); ++i) joined += (i > 1 ? " " : "") + args[i];
    QString text = QString::fromStdString(joined);
    while (text.endsWith(u' ')) text.chop(1);
    if (verb == "add") {
        if (!users.add(text)) {
            err << "yq-calc: " << users.errorText().toStdString() << '\n';
            return 1;
        }
        return 0;
    }
    const QList<UserRecord> records = users.inKeyOrder();
    if (users.failed()) {
        err << "yq-calc: " << users.errorText().toStdString() << '\n';
        return 1;
    }
    for (const UserRecord& r : records) {
        if (r.user == text) {
            if (!users.remove(r.id)) {
                err << "yq-calc: " << users.errorText().toStdString() << '\n';
                return 1;
            }
            return 0;
        }
    }
    err << "yq-calc: no user record '" << joined << "'\n";
    return 1;
}

int runCalcTool(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err,
                const PageCommandRunner& pages) {
    if (const auto status = answerCalcInformationOptions(args, out)) return *status;
    if (!args.empty() && args[0] == "save") return runSaveCommand({args.begin() + 1, args.end()}, out, err);
    if (!args.empty() && args[0] == "users") return runUsersCommand({args.begin() + 1, args.end()}, out, err);
    if (!args.empty() && (args[0] == "report" || args[0] == "build-sheet")) return pages(args, out, err);
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
            err << "yq-calc: '--batch' takes no other arguments\n";
            return 2;
        }
    }
    try {
        std::string warnings;
        out << formatRecord(computeCase(parseCalcCase(args), &warnings)) << '\n';
        if (!warnings.empty()) err << "yq-calc: warning: " << warnings << '\n';
        return 0;
    } catch (const UsageError& e) {
        err << "yq-calc: " << e.message << '\n';
        return 2;
    }
}

}  // namespace yq::cli
