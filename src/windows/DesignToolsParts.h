// What the design tools tab's three panels (fit, sweep, convert) share: the
// names of the inputs and outputs, value texts with units, and the look of
// their group boxes and result labels.
#pragma once

#include "windows/DesignToolsTab.h"
#include "windows/WindowColours.h"

#include "files/AtomicFile.h"
#include "files/DesignFile.h"
#include "files/Text.h"
#include "files/SaveConverted.h"
#include "platform/UserMessages.h"
#include "windows/DialogUnits.h"
#include "windows/SweepPlot.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include <cmath>

namespace yq::toolsparts {

inline QString qs(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

// The inputs a sweep may vary, with their names (shown through tr()).
inline const QList<QPair<QString, QString>>& inputNames() {
    static const QList<QPair<QString, QString>> names = {
        {"F", QT_TRANSLATE_NOOP("yq::DesignToolsTab", "Frequency")},
        {"CD", QT_TRANSLATE_NOOP("yq::DesignToolsTab", "Cylinder diameter")},
        {"LD", QT_TRANSLATE_NOOP("yq::DesignToolsTab", "Length/Diameter ratio")},
        {"WD", QT_TRANSLATE_NOOP("yq::DesignToolsTab", "Wire diameter")},
        {"SP", QT_TRANSLATE_NOOP("yq::DesignToolsTab", "Spacing")},
        {"CCD", QT_TRANSLATE_NOOP("yq::DesignToolsTab", "Coil diameter")},
        {"FAC", QT_TRANSLATE_NOOP("yq::DesignToolsTab", "Capacitance factor")},
        {"PCCD", QT_TRANSLATE_NOOP("yq::DesignToolsTab", "Phasing coil diameter")},
        {"SCD", QT_TRANSLATE_NOOP("yq::DesignToolsTab", "Source coil diameter")},
        {"DPS", QT_TRANSLATE_NOOP("yq::DesignToolsTab", "Degrees of phase")},
        {"MBW", QT_TRANSLATE_NOOP("yq::DesignToolsTab", "Measured bandwidth")}};
    return names;
}

inline const QStringList& outputKeys() {
    static const QStringList keys = {"NT", "CI", "CL", "LW", "XC", "BW", "Q", "RR", "AE", "TL", "SCT", "PCNT"};
    return keys;
}

inline QString unitText(std::string_view key, UnitSystem system) { return keyTableText(unitOf(key, system)); }

inline QString withUnit(const DecimalField& f, std::string_view key, UnitSystem system) {
    const QString unit = unitText(key, system);
    const QString value = withoutTrailingZeros(QString::fromStdString(f.text()));
    return unit.isEmpty() ? value : value + u' ' + unit;
}

inline QLabel* resultLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setWordWrap(true);
    label->setTextFormat(Qt::RichText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

inline QGroupBox* group(const QString& title, QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    QFont f = box->font();
    f.setBold(true);
    box->setFont(f);
    setTextRole(box, TextRole::Heading);
    return box;
}

// Children of a bold group box keep the window's plain font.
template <typename W>
inline W* plain(W* widget) {
    QFont f = widget->font();
    f.setBold(false);
    widget->setFont(f);
    // ... and the window's own text colour (black on a light window).
    QPalette p = widget->palette();
    const QPalette window = QApplication::palette(widget);
    for (const QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        p.setColor(g, QPalette::WindowText, window.color(g, QPalette::WindowText));
    widget->setPalette(p);
    return widget;
}

}  // namespace yq::toolsparts
