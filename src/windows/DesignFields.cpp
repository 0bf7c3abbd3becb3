#include "windows/DesignFields.h"

#include <QtGlobal>

#include <array>

namespace yq {

namespace {

using S = FieldSection;
using K = FieldKind;
using P = PartialRecalc;

constexpr FieldAction kNothing{};
constexpr FieldAction kReCalc{.reCalc = true};
constexpr FieldAction run(P partial, bool redisplay = false, bool reCalc = false) {
    return {partial, redisplay, reCalc};
}

constexpr std::string_view kTipF =
    QT_TRANSLATE_NOOP("DesignFields", "Enter the Centre Frequency in Megahertz. \nMaximum of 3 decimal points.");
constexpr std::string_view kTipCD =
    QT_TRANSLATE_NOOP("DesignFields", "Enter the outside diameter of the cylinder in inches");
constexpr std::string_view kTipLD =
    QT_TRANSLATE_NOOP("DesignFields",
                      "The L/D Ratio and the Diameter are used to\ncalculate the primary Capacitance in pfd, the\n"
                      "reactance in Ohms, the 3db bandwidth and the\n'Q' of the antenna.");
constexpr std::string_view kTipMBW = QT_TRANSLATE_NOOP(
    "DesignFields", "Measured bandwidth in kHz is the 2:1 VSWR\nreading either side of the minimum VSWR.");
constexpr std::string_view kTipDPS = QT_TRANSLATE_NOOP(
    "DesignFields",
    "An option to calculate the source Coil Inductance\nbased on the amount of phase shift. Initial setting\n"
    "is 6 degrees similar to the Phase Coil. When you \nhave your antenna working, enter in a value to\n"
    "generate the completed number of turns in the \nsource Coil.");
constexpr std::string_view kTipSCWD = QT_TRANSLATE_NOOP(
    "DesignFields", "Normally the same diameter as the Tuning Coil. \nHowever, you may vary to suit.");
constexpr std::string_view kTipSP =
    QT_TRANSLATE_NOOP("DesignFields", "Close wound coils are usually spaced the same\ndiameter as the wire diameter.");
constexpr std::string_view kTipFAC = QT_TRANSLATE_NOOP(
    "DesignFields",
    "Factor divided the ratio of Cylinder length to coil length\nby 2 then applies the factor you specify. Click on\n"
    "the Recalc Button to apply.");
constexpr std::string_view kTipCL = QT_TRANSLATE_NOOP(
    "DesignFields",
    "To calculate the size correctly we need to click \nthis field to regenerate the inductance and \n"
    "re-calculate the coil size.");

// The tips are shown translated under the context "DesignFields".

// key, section, kind, on accept, on use, tip (then check, text before), in
// the key table's window order
constexpr std::array<DesignField, 37> kImperialFields{{
    {Key::F, S::Cylinder, K::Input, kNothing, kNothing, kTipF},
    {Key::CD, S::Cylinder, K::Input, kNothing, kNothing, kTipCD},
    {Key::LD, S::Cylinder, K::Input, run(P::CylinderLength, false, true), kNothing, kTipLD},
    {Key::CCL, S::Cylinder, K::BoldComputed, run(P::LdFromCylinderLength, true, true), kNothing, {}},
    {Key::C, S::Cylinder, K::Computed, kNothing, kNothing, {}},
    {Key::XC, S::Cylinder, K::Computed, kNothing, kNothing, {}},
    {Key::BW, S::Cylinder, K::Computed, kNothing, kNothing, {}},
    {Key::MBW, S::Cylinder, K::Input, kReCalc, kNothing, kTipMBW},
    {Key::Q, S::Cylinder, K::Computed, kNothing, kNothing, {}},
    {Key::TL, S::Cylinder, K::Computed, kNothing, kNothing, {}},
    {Key::PWL, S::Cylinder, K::Computed, kNothing, kNothing, {}},
    {Key::MRR, S::Cylinder, K::Computed, kNothing, kNothing, {}, FieldCheck::None, Key::RR},
    {Key::V, S::Cylinder, K::Computed, kNothing, kNothing, {}},
    {Key::AE, S::Cylinder, K::Computed, kNothing, kNothing, {}},
    {Key::DBL, S::Cylinder, K::Computed, kNothing, kNothing, {}},

    {Key::SCD, S::SourceCoil, K::Input, kReCalc, kNothing, {}},
    {Key::DPS, S::SourceCoil, K::Input, kReCalc, kNothing, kTipDPS},
    {Key::SCWD, S::SourceCoil, K::Computed, kReCalc, kNothing, kTipSCWD},
    {Key::XSC, S::SourceCoil, K::Computed, kNothing, kNothing, {}},
    {Key::SCI, S::SourceCoil, K::Computed, kNothing, kNothing, {}},
    {Key::SCT, S::SourceCoil, K::Computed, kNothing, kNothing, {}},
    {Key::SCL, S::SourceCoil, K::Computed, kNothing, kNothing, {}},
    {Key::SCWL, S::SourceCoil, K::EditableComputed, kNothing, kNothing, {}},

    {Key::WD, S::TuningCoil, K::Input, kReCalc, kNothing, {}},
    {Key::SP, S::TuningCoil, K::Input, kReCalc, kNothing, kTipSP},
    {Key::CCD, S::TuningCoil, K::Input, kReCalc, kNothing, {}},
    {Key::TPI, S::TuningCoil, K::Computed, kNothing, kNothing, {}},
    {Key::EWC, S::TuningCoil, K::Computed, kNothing, kNothing, {}},
    {Key::ECC, S::TuningCoil, K::Computed, kNothing, run(P::CoilFromEstimatedCapacitance), {}},
    {Key::FAC, S::TuningCoil, K::Input, kReCalc, kNothing, kTipFAC, FieldCheck::FactorAtLeastOne},
    {Key::CI, S::TuningCoil, K::Computed, kNothing, run(P::TurnsFromInductance), {}},
    {Key::NT, S::TuningCoil, K::Computed, kNothing, run(P::CoilFromTurns, true), {}},
    {Key::CL, S::TuningCoil, K::Computed, kNothing, run(P::WireLength), kTipCL},
    {Key::LW, S::TuningCoil, K::Computed, kNothing, kNothing, {}},

    {Key::PCCD, S::PhasingCoil, K::Input, run(P::PhasingCoilTurns, true, true), kNothing, {}},
    {Key::LPW, S::PhasingCoil, K::Computed, kNothing, kNothing, {}},
    {Key::PCNT, S::PhasingCoil, K::Computed, kNothing, kNothing, {}},
}};

// The Metric window's cylinder length can be typed; the ratio follows from it.
constexpr std::array<DesignField, 37> kMetricFields = [] {
    auto fields = kImperialFields;
    for (DesignField& f : fields) {
        if (f.key == Key::CCL) f.kind = K::Input;
    }
    return fields;
}();

// Each quantity has one field, and a value shown as text has none.
constexpr bool eachKeyOnce(const std::array<DesignField, 37>& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        for (std::size_t j = 0; j < fields.size(); ++j) {
            if (i != j && fields[i].key == fields[j].key) return false;
            if (fields[j].textBefore == fields[i].key) return false;
        }
    }
    return true;
}
static_assert(eachKeyOnce(kImperialFields) && eachKeyOnce(kMetricFields));

// The rows follow the key table's window order, a text before its entry.
constexpr bool inWindowOrder(const std::array<DesignField, 37>& fields) {
    std::size_t next = 0;
    for (const DesignField& f : fields) {
        if (f.textBefore && kWindowOrder[next++] != *f.textBefore) return false;
        if (kWindowOrder[next++] != f.key) return false;
    }
    return next == kWindowOrder.size();
}
static_assert(inWindowOrder(kImperialFields) && inWindowOrder(kMetricFields));

}  // namespace

std::span<const DesignField> designFields(UnitSystem system) {
    return system == UnitSystem::Metric ? std::span<const DesignField>(kMetricFields)
                                        : std::span<const DesignField>(kImperialFields);
}

}  // namespace yq
