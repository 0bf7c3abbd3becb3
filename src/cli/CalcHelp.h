// yq-calc's --help and --version. Every command and option of yq-calc is
// one row of the table in CalcHelp.cpp, with an example each; the manual
// page yq-calc(1) is made from the same text at build time.
#pragma once

#include "platform/HelpText.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace yq::cli {

// The help page: the commands, the calculation's options, the report's
// options, the output formats.
platform::HelpPage calcHelpPage();

// The words that start a command ("save", "users", "report"), in the order
// of the help's command rows.
std::vector<std::string> calcCommandNames();

// When `args` ask for help ("--help", "-h", also after a command: "save
// --help") or the version ("--version", "-V") as their first or only
// word after a command, writes it to `out` and returns the exit status 0;
// otherwise nothing.
std::optional<int> answerCalcInformationOptions(const std::vector<std::string>& args, std::ostream& out);

}  // namespace yq::cli
