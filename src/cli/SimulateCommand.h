// yq-calc simulate: the NEC-2 study of a design file beside the
// calculator's figures.
//
//   yq-calc simulate DESIGN.ini [--model standard|detailed]
//                    [--format table|json|csv|s1p] [--deck OUT.nec]
//
// table (the default) and json give the figures side by side; csv and s1p
// the sweep. --deck writes the deck the study starts from. Exit status: 0
// done, 1 nec2c missing or failed (its message on standard error) or a file
// not written, 2 bad usage.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace yq::cli {

int runSimulateCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace yq::cli
