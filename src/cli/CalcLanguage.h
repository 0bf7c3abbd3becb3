// yq-calc's language for one run: "--lang CODE" taken out of the command
// line, or the desktop's choice. English, the language of the program's own
// texts, starts without an application object, as yq-calc always has; any
// other language needs one to hold its translation, which `makeApplication`
// makes (a core one for yq-calc, the GUI one yq-calc-pages draws with).
#pragma once

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace yq::cli {

// Chooses and installs the run's language, taking --lang out of `args`.
// A --lang without a code or with an unknown one is refused on `err` (in
// the desktop's language): returns the exit status then, otherwise nothing.
std::optional<int> chooseCalcLanguage(std::vector<std::string>& args, std::ostream& err,
                                      const std::function<void()>& makeApplication);

}  // namespace yq::cli
