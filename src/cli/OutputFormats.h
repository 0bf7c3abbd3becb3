// How yq-calc prints a computed design (--format):
//   line   every key as KEY=value on one line (formatRecord; the default)
//   table  one quantity a line as the design window shows it: the window's
//          label, the value in the window's picture and its unit, in the
//          window's order (column by column, top to bottom)
//   json   one object of every key with its exact decimal text as a string
//   csv    the title row and the row SAVE appends to the results table
//          YQ.csv (the same code, so the same fields, quoting and CRLF line
//          ends; the user field is the first user of the current folder's
//          user file, as SAVE writes it)
// In --batch, json prints one object a line, csv the title row once and one
// row per case, table one block per case with an empty line between.
#pragma once

#include "design/DesignRecord.h"

#include <QString>

#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace yq::cli {

enum class OutputFormat { Line, Table, Json, Csv };

std::optional<OutputFormat> outputFormatNamed(std::string_view name);

// The window's label of a quantity (as the window shows it, without the
// blanks around it), and the picture its value is shown in.
std::string windowLabel(std::string_view key, UnitSystem system);
std::string windowPicture(std::string_view key, UnitSystem system);

// The texts of one design in a format other than line.
std::string formatTable(const DesignRecord& record);
std::string formatJson(const DesignRecord& record);
std::string csvTitleRow();                                                   // with its CRLF
std::string csvResultsRow(const DesignRecord& record, const QString& user);  // with its CRLF

// Removes every "--format NAME" from `args`. Returns false, with the
// message on `err`, for a missing or unknown name; `given` tells whether
// the option was there.
bool takeFormatOption(std::vector<std::string>& args, OutputFormat& format, bool& given, std::ostream& err);

// The calculation (or --batch) printed in `format` (not Line): the same
// parsing, messages and exit statuses as the line output.
int runFormatted(const std::vector<std::string>& args, OutputFormat format, std::istream& in, std::ostream& out,
                 std::ostream& err);

// A JSON string of UTF-8 text, quoted, with quotes, backslashes and control
// characters escaped.
std::string jsonString(std::string_view text);

}  // namespace yq::cli
