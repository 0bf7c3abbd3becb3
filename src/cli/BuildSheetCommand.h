// yq-calc build-sheet: the build sheet of a design file (the dimensioned
// drawing and the cut list) as PDF, SVG or PNG, without windows.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace yq::cli {

// `yq-calc build-sheet DESIGN.ini (--pdf OUT.pdf | --svg OUT.svg | --png OUT.png) ...`;
// `args` are the words after "build-sheet". The design is read and
// calculated as the design window of its unit system does after opening it
// (a file with "Metric" = 1 in the Metric window, any other in the Imperial
// one). One or more outputs may be given. Returns 0 when every file was
// written, 2 for bad usage (message on `err`), 1 when the design could not
// be read or a file could not be written.
int runBuildSheetCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace yq::cli
