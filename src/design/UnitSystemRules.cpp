#include "design/UnitSystemRules.h"

#include "design/Calculation.h"
#include "design/TranslationMarks.h"

namespace yq {

namespace {

// The Metric window's calculation does not read the flag.
void reCalcMetricWindow(DesignRecord& record, bool) { reCalcMetric(record); }

constexpr UnitSystemRules kImperial{
    .system = UnitSystem::Imperial,
    .fileNamePrefix = "",
    .reportUnitText = "inches",
    .reCalc = reCalcImperial,
    .metricOnOpen = 0,
    .metricOnSave = std::nullopt,
    .metricOnPrint = 0,
    .warnWhenPrintingMetric = true,
    .chosenNameIsSavedPath = false,
    .onImperialFile = {.notice = QT_TRANSLATE_NOOP("UnitSystem", "All measurements are in inches")},
    // The messages and notices are shown by the design window, translated
    // under the context "UnitSystem".
    .onMetricFile = {.message = QT_TRANSLATE_NOOP("UnitSystem",
                                                  "Incorrect choice. You have chosen|a Metric design in error.|Select "
                                                  "Metric Design instead.|Do NOT save this version!"),
                     .notice = QT_TRANSLATE_NOOP("UnitSystem", "Press ESC & Select Metric Option!"),
                     .messageBeforeNotice = false,
                     // Saving afterwards writes the design as Imperial.
                     .metricAfter = 0},
};

constexpr UnitSystemRules kMetric{
    .system = UnitSystem::Metric,
    .fileNamePrefix = "M",
    .reportUnitText = "mm",
    .reCalc = reCalcMetricWindow,
    .metricOnOpen = 1,
    .metricOnSave = 1,
    .metricOnPrint = 1,
    .warnWhenPrintingMetric = false,
    .chosenNameIsSavedPath = true,
    .onImperialFile = {.message = QT_TRANSLATE_NOOP("UnitSystem",
                                                    "Incorrect choice. You have chosen|an Imperial design in "
                                                    "error.|Select Imperial Design instead."),
                       .notice = QT_TRANSLATE_NOOP("UnitSystem", "Press ESC & select Imperial Design"),
                       .messageBeforeNotice = true},
    .onMetricFile = {.notice = QT_TRANSLATE_NOOP("UnitSystem", "All measurements are in mm")},
};

}  // namespace

const UnitReactionRule* UnitSystemRules::reaction(MetricFlag read) const {
    switch (read) {
        case 0:
            return &onImperialFile;
        case 1:
            return &onMetricFile;
        default:
            return nullptr;
    }
}

const UnitSystemRules& UnitSystemRules::of(UnitSystem system) {
    return system == UnitSystem::Metric ? kMetric : kImperial;
}

}  // namespace yq
