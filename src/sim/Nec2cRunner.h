// nec2c run as a separate process on a deck, in a temporary folder of its
// own: `nec2c -i deck.nec -o deck.out`. A result is accepted only when the
// process exits with 0; on failure nec2c exits 255 and writes its message as
// the last, unterminated line of its output (its standard error stays
// empty), and that message is the problem's reason. Every run has a time
// limit (a zero-length wire can make nec2c run on for ever): a run past it
// is killed and reported. Qt Core only; runs in whatever thread calls it.
#pragma once

#include <QtGlobal>

#include "design/Result.h"

#include <atomic>
#include <functional>
#include <string>
#include <vector>

namespace yq::sim {

struct RunSettings {
    std::string program = "nec2c";  // a path, or a name looked up on PATH
    int timeoutMs = 20000;
    const std::atomic<bool>* cancel = nullptr;  // true kills the runs within a few milliseconds
};

// The program's full path, or empty when it is not there.
std::string findProgram(const std::string& program);

// The one sentence shown when nec2c is missing.
std::string missingProgramText(const std::string& program);

// The text of nec2c's output file for a deck.
Result<std::string> runNec2c(const std::string& deck, const RunSettings& settings);

// Several decks, up to `processes` nec2c at a time (0: one per core); the
// outputs in the decks' order. `done` is told after each run finishes.
std::vector<Result<std::string>> runNec2cAll(const std::vector<std::string>& decks, const RunSettings& settings,
                                             int processes, const std::function<void(int finished)>& done = {});

// The text of the problem of a cancelled run.
inline constexpr const char* kCancelledText = QT_TRANSLATE_NOOP("SimulationStudy", "The simulation was cancelled.");

}  // namespace yq::sim
