// The entry fields of the design window, one row per field in the order of
// the window's columns, top to bottom: where each sits, whether it can be
// typed in and is shown bold, what accepting it runs (the user changed it and
// left it), what using it runs (a computed field clicked into or tabbed
// onto) and its tip. One table per unit system; a new field is one row.
#pragma once

#include "design/Calculation.h"
#include "design/DesignRecord.h"

#include <optional>
#include <span>
#include <string_view>

namespace yq {

// The heading a field sits under: the cylinder and the source coil in the
// second column, the tuning and the phasing coil in the third.
enum class FieldSection { Cylinder, SourceCoil, TuningCoil, PhasingCoil };

enum class FieldKind {
    Input,             // typed in, bold
    Computed,          // read-only
    BoldComputed,      // read-only, shown bold (the Imperial cylinder length)
    EditableComputed,  // can be typed in, not bold; the next ReCalc overwrites it
};

// What a field runs, in this order. The queued ReCalc runs after the
// current event, as a press of its key does.
struct FieldAction {
    std::optional<PartialRecalc> partial = {};
    bool redisplay = false;  // every control shows the record again
    bool reCalc = false;     // a ReCalc is queued

    constexpr bool any() const { return partial || redisplay || reCalc; }
};

// A check of an accepted value; a refused value keeps the focus in its field.
enum class FieldCheck {
    None,
    FactorAtLeastOne,  // below 1: the capacitance factor message
};

struct DesignField {
    Key key;
    FieldSection section;
    FieldKind kind;
    FieldAction onAccept;
    FieldAction onUse;
    std::string_view tip;  // one line per "\n"
    FieldCheck check = FieldCheck::None;
    // A value shown as plain text before the entry, on the same row; the row
    // takes that value's label (RR before MRR), the entry keeps its own as
    // its accessible name.
    std::optional<Key> textBefore = {};

    constexpr bool editable() const { return kind == FieldKind::Input || kind == FieldKind::EditableComputed; }
    constexpr bool bold() const { return kind == FieldKind::Input || kind == FieldKind::BoldComputed; }
};

std::span<const DesignField> designFields(UnitSystem system);

}  // namespace yq
