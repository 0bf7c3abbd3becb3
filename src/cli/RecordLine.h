// yq-calc's result line: every key as KEY=value, written with the fields'
// own number writer.
#pragma once

#include "design/DesignRecord.h"

#include <string>

namespace yq::cli {

// One output line: every design-file key, then WR, UF and NTE, as KEY=value.
std::string formatRecord(const DesignRecord& record);
// The same line, appended to `out`.
void appendRecord(std::string& out, const DesignRecord& record);

}  // namespace yq::cli
