// What differs between the Imperial and the Metric design window on the
// screen: texts, the file dialog filters and the forum link's
// cursor and tracking. The unit rules (flag, calculation, file prefix,
// reaction) are the core's UnitSystemRules; the fields are DesignFields. One
// window class is driven by one of the two descriptions.
#pragma once

#include "design/DesignRecord.h"
#include "design/UnitSystemRules.h"

#include <QString>

namespace yq {

struct UnitSystemDescription {
    UnitSystem system = UnitSystem::Imperial;
    QString windowName;  // the window's object name

    QString title;          // title line at the top of the window
    QString initialNotice;  // unit notice when the window opens
    int noticePoints = 11;  // size of the unit notice
    QString coilNote;       // note under the phasing coil

    QString openFilter;    // filter of the dialog when the window opens
    QString selectFilter;  // filter of Select Antenna

    // The forum link's cursor file (empty: the standard hand) and whether
    // the link tracks the mouse with a timer.
    QString linkCursorName;
    bool linkTracking = false;

    const UnitSystemRules& rules() const { return UnitSystemRules::of(system); }
    // The key table's label and picture of this unit system.
    QString label(const KeyInfo& info) const;
    QString picture(const KeyInfo& info) const;

    static const UnitSystemDescription& imperial();
    static const UnitSystemDescription& metric();
    static const UnitSystemDescription& of(UnitSystem system);
};

// Texts shared by both windows.
namespace designtext {
inline constexpr const char* kProductCaption = "YQ Design Calculator";
inline constexpr const char* kDialogTitle = "Choose File to Open";
inline constexpr const char* kFacMessage = "Invalid figure. Valid values are between|1 and 99. Please re-enter";
inline constexpr const char* kPrintingMetricMessage =
    "You are printing a metric|antenna. Measurements will default to mm.";
QString helpText();
}  // namespace designtext

}  // namespace yq
