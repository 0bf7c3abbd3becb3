#include "cli/CalcCase.h"
#include "cli/FieldChecks.h"

#include "files/DesignFile.h"
#include "sim/LocalText.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <charconv>

namespace yq::cli {

std::string message(const char* text, std::initializer_list<std::string_view> args) {
    return sim::filledText(QCoreApplication::translate("CalcMessages", text), args);
}

std::string usageLine(std::string_view usage) {
    return message(QT_TRANSLATE_NOOP("CalcMessages", "usage: %1"), {usage}) + '\n';
}

UsageError::UsageError(std::string text) : message(std::move(text)) {}

const char* UsageError::what() const noexcept { return message.c_str(); }

namespace {

int parseRuns(const std::string& text) {
    int value = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || ptr != last || value < 0 || text.empty())
        throw UsageError{message(QT_TRANSLATE_NOOP("CalcMessages", "invalid run count '%1'"), {text})};
    return value;
}

// The blanks between words: space, tab, newline, vertical tab, form feed,
// carriage return.
constexpr auto kSpaces = [] {
    std::array<bool, 256> t{};
    for (const unsigned char c : {' ', '\t', '\n', '\v', '\f', '\r'}) t[c] = true;
    return t;
}();

bool isSpace(char c) { return kSpaces[static_cast<unsigned char>(c)]; }

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
    return message(QT_TRANSLATE_NOOP("CalcMessages", "'%1...' (%2 characters)"),
                   {value.substr(0, kShown), std::to_string(value.size())});
}

// A command-line value, read in time linear in its length. Throws UsageError.
Decimal commandLineValue(std::string_view key, const std::string& value) {
    const auto parsed = Decimal::parseBounded(value);
    if (!parsed)
        throw UsageError{message(QT_TRANSLATE_NOOP("CalcMessages", "value of %1 is not a decimal number: %2"),
                                 {key, shownValue(value)})};
    static const Decimal limit = Decimal::scaled(1, -widestStorageDigits());
    if (parsed->abs() >= limit)
        throw UsageError{message(QT_TRANSLATE_NOOP("CalcMessages",
                                                   "value of %1 is too large for any field (more than "
                                                   "%2 digits before the point): %3"),
                                 {key, std::to_string(widestStorageDigits()), shownValue(value)})};
    return *parsed;
}

}  // namespace

namespace {

// The arguments of one case, as views of the command line or of a batch line.
template <class Words>
void parseWordsOf(const Words& args, CalcCase& c) {
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
        if (arg.size() < 2 || arg[0] != '-' || arg[1] != '-') {
            const auto eq = arg.find('=');
            if (eq == std::string_view::npos)
                throw UsageError{message(QT_TRANSLATE_NOOP("CalcMessages", "expected KEY=VALUE, got '%1'"), {arg})};
            const std::string_view key = arg.substr(0, eq);
            std::string value(arg.substr(eq + 1));
            const KeyInfo* info = findKey(key);
            if (!info) throw UsageError{message(QT_TRANSLATE_NOOP("CalcMessages", "unknown key '%1'"), {key})};
            c.values.push_back(commandLineValue(info->key, value));
            c.assignments.emplace_back(std::string(info->key), std::move(value));
            c.keys.push_back(info);
        } else if (arg == "--metric") {
            c.metric = true;
        } else if (arg == "--runs" || arg == "--partial" || arg == "--file") {
            if (i + 1 >= args.size())
                throw UsageError{message(QT_TRANSLATE_NOOP("CalcMessages", "option '%1' needs a value"), {arg})};
            const std::string value(args[++i]);
            if (arg == "--runs") {
                c.runs = parseRuns(value);
            } else if (arg == "--file") {
                if (value.empty())
                    throw UsageError{message(QT_TRANSLATE_NOOP("CalcMessages", "option '--file' needs a path"))};
                c.file = value;
            } else {
                c.partial = partialFromName(value);
                if (!c.partial)
                    throw UsageError{
                        message(QT_TRANSLATE_NOOP("CalcMessages", "unknown partial recalculation '%1'"), {value})};
            }
        } else {
            throw UsageError{message(QT_TRANSLATE_NOOP("CalcMessages", "unknown option '%1'"), {arg})};
        }
    }
}

}  // namespace

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

void parseWordsInto(const std::vector<std::string_view>& words, CalcCase& c) { parseWordsOf(words, c); }

CalcCase parseCalcCase(const std::vector<std::string>& args) {
    CalcCase c;
    parseWordsOf(args, c);
    return c;
}

DesignRecord computeCase(const CalcCase& c, std::string* warnings, int* metricFlag) {
    const UnitSystem system = c.metric ? UnitSystem::Metric : UnitSystem::Imperial;
    DesignRecord record(system);
    int metric = c.metric ? 1 : 0;
    if (c.file) {
        const QString path = QString::fromStdString(*c.file);
        const QFileInfo info(path);
        if (info.isDir())
            throw UsageError{
                message(QT_TRANSLATE_NOOP("CalcMessages", "'%1' is a folder, not a design file"), {*c.file})};
        if (!info.isFile())
            throw UsageError{message(QT_TRANSLATE_NOOP("CalcMessages", "design file '%1' not found"), {*c.file})};
        const Result<long long> read = readDesignFile(path, record);
        // A file that cannot be read is not a design of zeros.
        if (!read)
            throw UsageError{message(QT_TRANSLATE_NOOP("CalcMessages", "the design file %1"), {read.problem().text()})};
        const long long unitSystem = *read;
        const UnitReaction reaction = unitReaction(system, unitSystem);
        metric = reaction.metric;
        if (warnings && !reaction.message.isEmpty())
            *warnings += QString(reaction.message).replace(u'|', u' ').toStdString();
        // Stored as a window stores them, but not cut without a word.
        if (warnings) {
            if (const std::string cut = cutKeysWarning(keysCutOnRead(path, system)); !cut.empty())
                *warnings += (warnings->empty() ? "" : "; ") + cut;
        }
    }
    const bool read = c.values.size() == c.assignments.size();
    const bool found = read && c.keys.size() == c.assignments.size();
    for (std::size_t i = 0; i < c.assignments.size(); ++i) {
        const auto& [key, value] = c.assignments[i];
        DecimalField& field = found ? record.*(c.keys[i]->member) : *record.field(key);
        storeHeld(field, key, value, read ? c.values[i] : commandLineValue(key, value));
    }
    if (c.partial) {
        runPartial(record, *c.partial);
    } else {
        for (int i = 0; i < c.runs; ++i) reCalc(record, metric == 1);
    }
    if (metricFlag) *metricFlag = metric;
    return record;
}

}  // namespace yq::cli
