#include "windows/UnitSystemDescription.h"

#include "files/Text.h"

#include <QCoreApplication>

namespace yq {

QString UnitSystemDescription::label(const KeyInfo& info) const { return keyTableText(info.label(system)); }

QString UnitSystemDescription::text(const QString& source) {
    return source.isEmpty() ? source : QCoreApplication::translate("UnitSystem", source.toUtf8().constData());
}

QString UnitSystemDescription::picture(const KeyInfo& info) const { return toQString(info.picture(system)); }

const UnitSystemDescription& UnitSystemDescription::imperial() {
    static const UnitSystemDescription d = [] {
        UnitSystemDescription u;
        u.system = UnitSystem::Imperial;
        u.windowName = QStringLiteral("ImperialDesignWindow");
        u.title = QString::fromUtf8(QT_TRANSLATE_NOOP("UnitSystem", "YQ Antenna Calculations... Imperial"));
        u.initialNotice = QString::fromUtf8(QT_TRANSLATE_NOOP("UnitSystem", "Linear measurements are in Inches"));
        u.noticePoints = 11;
        u.coilNote = QString::fromUtf8(QT_TRANSLATE_NOOP(
            "UnitSystem",
            "All coil dimensions are based on spacing specified. Linear dimensions are in inches. Most entry "
            "fields have 'mouse over' help. All coils use the same wire diameter and spacing."));
        u.openFilter = QString::fromUtf8(QT_TRANSLATE_NOOP("UnitSystem", "Antenna Ini Files M = Metric|*.ini"));
        u.selectFilter = QString::fromUtf8(QT_TRANSLATE_NOOP("UnitSystem", "Antenna Ini Files M = Metric|*.ini"));
        return u;
    }();
    return d;
}

const UnitSystemDescription& UnitSystemDescription::metric() {
    static const UnitSystemDescription d = [] {
        UnitSystemDescription u;
        u.system = UnitSystem::Metric;
        u.windowName = QStringLiteral("MetricDesignWindow");
        u.title = QString::fromUtf8(QT_TRANSLATE_NOOP("UnitSystem", "YQ Antenna Calculations... Metric"));
        u.initialNotice = QString::fromUtf8(QT_TRANSLATE_NOOP("UnitSystem", "Linear measurements are in mm"));
        u.noticePoints = 12;
        u.coilNote = QString::fromUtf8(QT_TRANSLATE_NOOP(
            "UnitSystem",
            "All coil dimensions are based on spacing specified. Linear dimensions are in mm. Most entry "
            "fields have 'mouse over' help. All coils use the same wire diameter and spacing."));
        u.openFilter = QString::fromUtf8(QT_TRANSLATE_NOOP("UnitSystem", "Antenna Ini Files M = Metric|*.ini"));
        u.selectFilter = QString::fromUtf8(QT_TRANSLATE_NOOP("UnitSystem", "Antenna Ini Files M = Metric|M*.ini"));
        u.linkCursorName = QStringLiteral("hand2.cur");
        u.linkTracking = true;
        return u;
    }();
    return d;
}

const UnitSystemDescription& UnitSystemDescription::of(UnitSystem system) {
    return system == UnitSystem::Metric ? metric() : imperial();
}

QString designtext::text(const char* source) { return QCoreApplication::translate("DesignText", source); }

QString designtext::helpText() {
    return QCoreApplication::translate(
        "DesignText",
        "Just follow the prompts. On each entry field there is a popup to tell about the field. After entering "
        "the wire size and spacing, click on the ReCalc button. This causes a looping through several "
        "calculations to get the final coil inductance and size. After making and testing your antenna, if you "
        "find that the coil turns generated are different to what you have found to provide maximum output "
        "with lowest VSWR, then change the Factor field until you get the number of turns on your completed "
        "antenna. Initially this will a factor of 2. Use decimal points to get to the closest number of turns. "
        "Email this information to me from the main form, bottom left.The above information is required to get "
        "a truer picture of the factor we need to use to get the final release of this programme accurate. It "
        "is a chicken before the egg situation. Initially we do not know the size of the inductance required "
        "for resonance, so we insert a guestimate. Then we refine it by setting a factor. This then gives us "
        "the correct inductance, coil length and number of turns. So we need your help to complete the final "
        "project.");
}

}  // namespace yq
