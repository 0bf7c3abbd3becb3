// What the unit system of a design decides beyond the calculation's own
// steps: the unit flag `Metric` and its byte rule, the prefix of design file
// names, a window's reaction to the flag a design file declares, which full
// calculation the window runs, the flag values a window sets when it opens,
// saves and prints, and the unit text of the report. The design windows add
// only their widget texts to this (UnitSystemDescription).
#pragma once

#include "design/DesignRecord.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace yq {

// The program-wide unit flag `Metric`: a byte, 0 for a design in inches and
// 1 for one in millimetres. A design file may leave any other number in it;
// like any byte it keeps the low eight bits of a number stored into it (257
// is 1, -1 is 255). It reads as its byte value.
class MetricFlag {
public:
    constexpr MetricFlag(int value = 0) : byte_(static_cast<std::uint8_t>(value & 0xFF)) {}
    // The whole number read from a design file's "Metric" key.
    static constexpr MetricFlag fromWholeNumber(long long value) { return MetricFlag(static_cast<int>(value & 0xFF)); }

    constexpr operator int() const { return byte_; }
    constexpr bool isMetric() const { return byte_ == 1; }
    // The unit system of a design with this flag: Metric for 1 only.
    constexpr UnitSystem system() const { return isMetric() ? UnitSystem::Metric : UnitSystem::Imperial; }
    // The text SAVE writes under "Metric": "1" for a Metric design, "0" for
    // anything else (a file may have left any number; the Imperial
    // calculation then ran).
    constexpr std::string_view fileText() const { return isMetric() ? "1" : "0"; }

private:
    std::uint8_t byte_;
};

// What a design window does after reading the unit flag of a design file.
struct UnitReactionRule {
    std::string_view message = {};  // message box text ("|" breaks lines); empty for none
    std::string_view notice = {};   // new text of the unit notice; empty when unchanged
    bool messageBeforeNotice = false;
    // The flag afterwards; empty when it keeps the value read.
    std::optional<MetricFlag> metricAfter = {};
};

struct UnitSystemRules {
    UnitSystem system;
    // Design file names of this window begin with it ("M7506.ini").
    std::string_view fileNamePrefix;
    // The report of a design in this unit system gives its lengths in it.
    std::string_view reportUnitText;
    // The full calculation of this system's window; `metricFlag` is whether
    // the program-wide flag is 1.
    void (*reCalc)(DesignRecord& record, bool metricFlag);
    // The flag the window sets when it opens.
    MetricFlag metricOnOpen;
    // The flag SAVE sets before it writes it; empty when SAVE writes the flag
    // as it is.
    std::optional<MetricFlag> metricOnSave;
    // The flag Print/View sets for the save and the report; email Report
    // leaves the flag as it is.
    MetricFlag metricOnPrint;
    // Print/View and email Report warn first when the flag is 1.
    bool warnWhenPrintingMetric;
    // After SAVE the window's chosen file name is the saved file's full path
    // (otherwise its name alone).
    bool chosenNameIsSavedPath;
    // Reading a file whose flag is 0 (or that has none), and one whose flag
    // is 1. Any other value: no message, no notice, the flag keeps it.
    UnitReactionRule onImperialFile;
    UnitReactionRule onMetricFile;

    // The rule for a flag read from a file; nullptr for "any other value".
    const UnitReactionRule* reaction(MetricFlag read) const;

    static const UnitSystemRules& of(UnitSystem system);
};

}  // namespace yq
