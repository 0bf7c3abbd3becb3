// yq-calc report: the design report of a design file, rendered without
// windows.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace yq::cli {

// `yq-calc report DESIGN.ini --pdf OUT.pdf [--date YYYY-MM-DD]`; `args` are
// the words after "report". The designers come from the user file of the
// working folder; the print date is today unless --date gives one. Returns
// 0 when the PDF was written, 2 for bad usage (message on `err`), 1 when the
// report could not be written.
int runReportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace yq::cli
