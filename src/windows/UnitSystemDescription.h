// What differs between the Imperial and the Metric design window: texts,
// pictures, the calculation, the file dialog filters and the commands' unit
// handling. One window class is driven by one of the two descriptions.
#pragma once

#include "design/DesignRecord.h"

#include <QMap>
#include <QString>

namespace yq {

struct UnitSystemDescription {
    UnitSystem system = UnitSystem::Imperial;

    QString title;            // title line at the top of the window
    QString initialNotice;    // unit notice when the window opens
    int noticePoints = 11;    // size of the unit notice
    QString coilNote;         // note under the phasing coil

    // Labels that differ from the key table's, by key; "TPI" holds the whole
    // "Calculated Turns per ..." text.
    QMap<QString, QString> labels;
    // Pictures that differ from the key table's, by key.
    QMap<QString, QString> pictures;
    // The cylinder length can be typed (the ratio follows from it).
    bool cylinderLengthEditable = false;

    QString openFilter;       // filter of the dialog when the window opens
    QString selectFilter;     // filter of Select Antenna

    int metricOnOpen = 0;     // the unit flag when the window opens
    // Print/View: the flag it sets; email Report never changes it.
    int metricForPrint = 0;
    // Print/View warns when the flag is 1 (the Imperial window).
    bool warnWhenPrintingMetric = true;

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
inline constexpr const char* kPrintingMetricMessage = "You are printing a metric|antenna. Measurements will default to mm.";
QString helpText();
}  // namespace designtext

}  // namespace yq
