// Program-wide state: what one action of the program leaves for a later
// one in any window. Created once at start-up and handed to the windows and
// services; tests make their own. Everything else travels as values: a save
// returns the flag it wrote, the report takes a request and returns what it
// read, the pending results mail is the report layer's value.
#pragma once

#include "design/UnitSystemRules.h"

#include <QString>

namespace yq {

struct ProgramState {
    // The unit flag: 0 = design in inches, 1 = design in millimetres.
    // Program-wide because the calculation of every design window and of the
    // design tools reads the flag that the last open, save or report left
    // (whichever window it came from), and the Imperial window's next save
    // writes it.
    MetricFlag metric;

    // The user file's record buffer: the last user record read ("Name &
    // Call", at most 40 characters) by SAVE or the report. Program-wide
    // because SAVE's results row takes it when the user file holds no
    // record, whichever action read it last.
    QString userRecord;
};

}  // namespace yq
