// yq-calc's cases: the words of one command line or batch line, read into
// a case, and the case computed on a fresh design.
#pragma once

#include "design/Calculation.h"

#include <QtGlobal>

#include <exception>
#include <initializer_list>
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

// A message of yq-calc for a person (standard error), in the program's
// language: `text` is a source text marked QT_TRANSLATE_NOOP("CalcMessages",
// ...) where it is written; its %1, %2 ... are filled with `args`, byte for
// byte.
std::string message(const char* text, std::initializer_list<std::string_view> args = {});
// "usage: " and a command's usage ("yq-calc tune DESIGN.ini ..."), a line
// of its own, in the program's language.
std::string usageLine(std::string_view usage);

// Thrown for input that cannot be used; the text names the offending argument.
// A command line or batch line that yq-calc cannot take: the message says why.
struct UsageError : std::exception {
    explicit UsageError(std::string text);
    const char* what() const noexcept override;
    std::string message;
};

// The batch loop: each line of `in` (a final "\r" dropped) goes to
// `each(line, lineNumber, output)`, which appends its result to `output`; a
// line that throws UsageError is reported on `err` with its number, and
// `failure` stands in its place. `output` starts with `head` and reaches
// `out` in pieces of about 64 KiB. Returns 1 when a line failed, else 0.

// Parses the arguments of one case. Throws UsageError.
CalcCase parseCalcCase(const std::vector<std::string>& args);

// Applies a case to a fresh record and returns the record. `warnings`, when
// given, receives the unit-system warning a window would show for --file.
// `metricFlag`, when given, receives the program-wide unit flag afterwards.
DesignRecord computeCase(const CalcCase& c, std::string* warnings = nullptr, int* metricFlag = nullptr);

// The words of a batch line, without copies, into `words`; then into `c`,
// whose storage is reused from line to line. Throws UsageError.
void wordsOf(std::string_view line, std::vector<std::string_view>& words);
void parseWordsInto(const std::vector<std::string_view>& words, CalcCase& c);

}  // namespace yq::cli
