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

// The texts are kept in English and shown through text(), in the
// program's language of the moment.
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
    // One of the texts above as the window shows it (translated).
    static QString text(const QString& source);
    // The key table's label (translated) and picture of this unit system.
    QString label(const KeyInfo& info) const;
    QString picture(const KeyInfo& info) const;

    static const UnitSystemDescription& imperial();
    static const UnitSystemDescription& metric();
    static const UnitSystemDescription& of(UnitSystem system);
};

// Texts shared by both windows.
namespace designtext {
inline constexpr const char* kProductCaption = QT_TRANSLATE_NOOP("DesignText", "YQ Design Calculator");
inline constexpr const char* kDialogTitle = QT_TRANSLATE_NOOP("DesignText", "Choose File to Open");
inline constexpr const char* kFacMessage =
    QT_TRANSLATE_NOOP("DesignText", "Invalid figure. Valid values are between|1 and 99. Please re-enter");
inline constexpr const char* kPrintingMetricMessage =
    QT_TRANSLATE_NOOP("DesignText", "You are printing a metric|antenna. Measurements will default to mm.");
// One of the texts above in the program's language.
QString text(const char* source);
QString helpText();
}  // namespace designtext

}  // namespace yq
