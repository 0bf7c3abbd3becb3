// The command line of yq, the windowed program: --help and --version
// answer on standard output and end the program before any window opens;
// the hyperlink service's trace switches and Qt's own options go on to
// the application.
#pragma once

#include "platform/HelpText.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace yq {

// The help page of yq: every option, with an example each.
platform::HelpPage programHelpPage();

// When `args` (after the program name) ask for help or the version, writes
// it to `out` and returns the exit status; otherwise nothing.
std::optional<int> answerInformationOptions(const std::vector<std::string>& args, std::ostream& out);

}  // namespace yq
