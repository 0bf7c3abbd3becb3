// The build sheet: a dimensioned drawing of the antenna, to scale in the
// design's own units, and the cut list of what to cut and wind, as one page
// of data. Every renderer (screen, printer, PDF, SVG, PNG) draws this one
// model, as the report's renderers draw its page model.
//
// Positions are in thousandths of an inch from the sheet's top-left corner.
// The antenna stands upright: the upper cylinder at the top, then the
// cylinder spacing with the phasing coil, the lower cylinder, the spacing to
// the top of the tuning coil, the tuning coil and, at the feed, the source
// coil. Lengths along the axis and diameters across it share one scale;
// parts that would come out thinner than can be drawn are drawn at a least
// size, and the sheet says which.
#pragma once

#include "design/DesignRecord.h"
#include "design/WireGauges.h"
#include "report/Fonts.h"

#include <QCoreApplication>
#include <QLineF>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <functional>
#include <span>

namespace yq::report {

// The sheet: the report's page size (A4 portrait).
inline constexpr double kSheetWidth = 8000;
inline constexpr double kSheetHeight = 11689;

// Title of the sheet's PDF and SVG, and the job name of its print.
inline constexpr const char* kBuildSheetTitle = QT_TRANSLATE_NOOP("BuildSheet", "Print build sheet from queue");

// The least size, across or along the axis, at which a part is drawn.
inline constexpr double kLeastDrawnSize = 80;
// At most this many turns are drawn per coil; more are drawn schematically.
inline constexpr int kMostDrawnTurns = 60;

enum class SheetItemKind {
    Text,        // one line of text in `rect` (left-aligned, top of the box)
    Cylinder,    // a tube, outline and light fill, in `rect`
    Coil,        // a coil former in `rect` with `turns` turns drawn across it
    Line,        // a visible wire or outline, `line`
    HiddenLine,  // a wire inside a cylinder (dashed), `line`
    CentreLine,  // the antenna's axis (chain-dotted), `line`
    Extension,   // extension line of a dimension (thin), `line`
    Dimension,   // dimension line with an arrow at each end, `line`
    Leader,      // thin line from a label to what it names, `line`
    Rule,        // a ruled line of the cut list, `line`
};

struct SheetItem {
    SheetItemKind kind = SheetItemKind::Text;
    // What the item is: a part ("upper cylinder", "tuning coil"), the key of
    // a dimension ("CCL upper", "CD spacing", "TL"), or for a text the role
    // it plays ("title", "note", "label CCL upper", "cut list").
    QString name;
    QString text;
    QRectF rect;
    QLineF line;
    FontSpec font;
    int turns = 0;
};

// One dimension of the drawing: the design's value on a dimension line.
struct SheetDimension {
    QString name;          // "CCL upper", "CD spacing", "CCL lower", "CD to coil", "CL", "SCL", "TL",
                           // "CD upper", "CD lower", "PCCD", "CCD", "SCD"
    QString key;           // the design key it shows ("CCL", "CD", ...)
    QString valueText;     // the value through the window's picture ("12.000")
    QString unit;          // "in" or "mm"
    Decimal value;         // the design's value
    bool clamped = false;  // drawn at the least size, not to scale
    int lineItem = -1;     // index of its Dimension item
    int labelItem = -1;    // index of the Text item that carries the value
};

struct CutListRow {
    QString part;
    QString quantity;
    QStringList material;  // one entry per printed line
    QString length;
};

struct WireGaugeRow {
    QString wire;  // "WD (all coils)", "SCWD (source coil)"
    QString key;
    Decimal diameter;
    GaugeMatch awg;
    GaugeMatch swg;
};

struct BuildSheet {
    QSizeF size{kSheetWidth, kSheetHeight};
    QList<SheetItem> items;
    QList<SheetDimension> dimensions;
    QList<CutListRow> cutList;
    QList<WireGaugeRow> gauges;
    UnitSystem unit = UnitSystem::Imperial;
    // Sheet units (thousandths of an inch) per unit of the design; 0 when
    // the design has no dimensions yet.
    double scale = 0;
    // Parts drawn at the least size instead of to scale.
    QStringList clampedParts;

    const SheetItem* find(SheetItemKind kind, const QString& name) const;
    const SheetDimension* dimension(const QString& name) const;
    // Every text of the sheet, one line each, in drawing order.
    QStringList texts() const;
};

// The display picture of a key in the design window of a unit system.
using PictureFunction = std::function<QString(const KeyInfo& info, UnitSystem unit)>;
// The windows' pictures: the key table's of the unit system.
QString windowPicture(const KeyInfo& info, UnitSystem unit);

struct BuildSheetOptions {
    QString designName;  // shown under the title when not empty (the design file's name)
    PictureFunction picture = windowPicture;
};

// The sheet of a calculated design. Reads the record only: every value on
// it is the calculation's, shown through the window's pictures. Needs a
// QGuiApplication (texts are measured so that none overlaps another).
BuildSheet buildBuildSheet(const DesignRecord& record, const BuildSheetOptions& options = {});

}  // namespace yq::report
