// The Design record: one antenna design, one decimal field per quantity, and
// the key table that every file, table and report reads its keys from.
#pragma once

#include "design/Decimal.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace yq {

enum class UnitSystem { Imperial, Metric };

enum class Role {
    In,         // entered by the user
    InDefault,  // entered; the calculation replaces a missing or small value
    Out,        // computed
    Carried,    // stored in design files only
    Working,    // kept with the record by the calculation (WR, UF, NTE)
};

// Every quantity and working value, in the order of the key table.
enum class Key : std::uint8_t {
    F,
    RFR,
    AF,
    RR,
    MRR,
    CD,
    LD,
    C,
    XC,
    BW,
    Q,
    TL,
    MBW,
    V,
    WD,
    SP,
    TPI,
    EWC,
    ECC,
    CI,
    NT,
    CL,
    LW,
    CCL,
    CCD,
    PWL,
    LPW,
    PCCD,
    PCNT,
    PCWD,
    RAT,
    FAC,
    AE,
    DBL,
    SCT,
    SCL,
    SCI,
    SCD,
    SCWL,
    SCWD,
    XSC,
    DPS,
    WR,
    UF,
    NTE,
};
inline constexpr std::size_t kKeyCount = 45;

// How a key takes part in the design file.
enum class FileRole : std::uint8_t {
    ReadWrite,         // written by SAVE and by the working copy, read back by the windows
    NotInWorkingCopy,  // written by SAVE only (MRR)
    NotReadBack,       // written, never read back into a window (PCWD)
    None,              // not a design-file key (the working values)
};

struct DesignRecord;

// What a window of one unit system shows of a key: the label before its
// entry, the picture of its value, the unit (yq-calc's table and the design
// tools print it; empty for a plain number).
struct KeyShown {
    std::string_view label;
    std::string_view picture;
    std::string_view unit;
};

// One row of the key table: every fact of a key that is not a widget's.
struct KeyInfo {
    Key id;
    std::string_view key;
    DecimalField DesignRecord::*member;
    Storage imperial;
    Storage metric;
    Role role;
    KeyShown imperialShown;          // empty label and picture: not shown
    KeyShown metricShown;            // an empty label or picture: the Imperial one
    std::string_view reportPicture;  // picture on the design report, empty when not on it
    FileRole file = FileRole::ReadWrite;

    Storage storage(UnitSystem system) const { return system == UnitSystem::Metric ? metric : imperial; }
    bool isDesignFileKey() const { return file != FileRole::None; }
    std::string_view label(UnitSystem system) const {
        return system == UnitSystem::Metric && !metricShown.label.empty() ? metricShown.label : imperialShown.label;
    }
    std::string_view picture(UnitSystem system) const {
        return system == UnitSystem::Metric && !metricShown.picture.empty() ? metricShown.picture
                                                                            : imperialShown.picture;
    }
    std::string_view unit(UnitSystem system) const {
        return system == UnitSystem::Metric ? metricShown.unit : imperialShown.unit;
    }
    // A length: inches in the Imperial unit system, millimetres in the Metric.
    bool isLength() const { return imperialShown.unit == "in"; }
};

// The design window's quantities, column by column, top to bottom: the
// cylinder (RR stands as text before MRR on one row), the source coil, the
// tuning coil, the phasing coil. yq-calc's table prints them in this order.
inline constexpr std::array<Key, 38> kWindowOrder{
    Key::F,   Key::CD,  Key::LD,  Key::CCL,  Key::C,  Key::XC,   Key::BW,  Key::MBW,  Key::Q,    Key::TL,
    Key::PWL, Key::RR,  Key::MRR, Key::V,    Key::AE, Key::DBL,  Key::SCD, Key::DPS,  Key::SCWD, Key::XSC,
    Key::SCI, Key::SCT, Key::SCL, Key::SCWL, Key::WD, Key::SP,   Key::CCD, Key::TPI,  Key::EWC,  Key::ECC,
    Key::FAC, Key::CI,  Key::NT,  Key::CL,   Key::LW, Key::PCCD, Key::LPW, Key::PCNT,
};

struct DesignRecord {
    explicit DesignRecord(UnitSystem system = UnitSystem::Imperial);
    DesignRecord(const DesignRecord&) = default;
    DesignRecord& operator=(const DesignRecord& other);

    UnitSystem unitSystem() const { return system_; }

    DecimalField F, RFR, AF, RR, MRR, CD, LD, C, XC, BW, Q, TL, MBW, V, WD, SP, TPI, EWC, ECC, CI, NT, CL, LW, CCL, CCD,
        PWL, LPW, PCCD, PCNT, PCWD, RAT, FAC, AE, DBL, SCT, SCL, SCI, SCD, SCWL, SCWD, XSC, DPS;
    // Working values of the calculation.
    DecimalField WR, UF, NTE;

    DecimalField& field(Key key);
    const DecimalField& field(Key key) const;
    // Field by key (case-insensitive); nullptr for an unknown key.
    DecimalField* field(std::string_view key);
    const DecimalField* field(std::string_view key) const;

    // Every field back to 0.
    void reset();

private:
    UnitSystem system_;
};

// The key table: the 42 design-file quantities in design-file order, then
// WR, UF and NTE.
std::span<const KeyInfo> keyTable();
// The 42 design-file quantities only (F ... DPS).
std::span<const KeyInfo> designFileKeys();
const KeyInfo& keyInfo(Key key);
// Entry for a key (case-insensitive).
const KeyInfo* findKey(std::string_view key);

bool equalsIgnoreCase(std::string_view a, std::string_view b);

}  // namespace yq
