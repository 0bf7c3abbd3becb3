// yq-calc's design tools: fit, sweep and convert.
//
//   yq-calc fit NT=<turns> [--metric] [--file PATH] KEY=VALUE ...
//   yq-calc fit SCT=<turns> [--metric] [--file PATH] KEY=VALUE ...
//   yq-calc sweep KEY=FROM:TO:STEP [--metric] [--file PATH] KEY=VALUE ...
//   yq-calc convert DESIGN.ini --to metric|imperial
//
// Exit status: 0 done, 1 a file could not be written, 2 bad input (a one-line
// message names the offending text), 3 (fit only) no value within half a
// turn; the nearest is printed all the same.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace yq::cli {

int runFitCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int runSweepCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int runConvertCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Runs the tool named by args[0] ("fit", "sweep", "convert") with the rest;
// returns -1 when args[0] names none of them.
int runToolCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace yq::cli
