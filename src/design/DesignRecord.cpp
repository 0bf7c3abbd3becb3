#include "design/DesignRecord.h"
#include "design/TranslationMarks.h"

#include <array>
#include <cstdint>

namespace yq {

namespace {

using R = DesignRecord;
using K = Key;
constexpr Storage s92{9, 2}, s93{9, 3}, s94{9, 4}, s72{7, 2}, s73{7, 3}, s74{7, 4};

// The key table, in design-file order (the order of the keys' type): key,
// member, Imperial and Metric storage, role, what the Imperial and the
// Metric window show (label, picture, unit; a Metric label or picture left
// empty is the Imperial one; yq-calc's table and the build sheet show the
// same), the report's picture (empty: not on the report),
// the part in the design file. The Metric storage differs for the keys of
// the Metric calculation's storage table.
// clang-format off
constexpr std::array<KeyInfo, kKeyCount> kKeys{{
    {K::F, "F", &R::F, s94, s94, Role::In, {QT_TRANSLATE_NOOP("KeyTable", "Enter the Frequency in Megahertz"), "n11.3", QT_TRANSLATE_NOOP("KeyTable", "MHz")}, {"", "", QT_TRANSLATE_NOOP("KeyTable", "MHz")}, "n-12.4"},
    {K::RFR, "RFR", &R::RFR, s92, s92, Role::Carried, {"", "", ""}, {"", "", ""}, ""},
    {K::AF, "AF", &R::AF, s92, s92, Role::Carried, {"", "", ""}, {"", "", ""}, ""},
    {K::RR, "RR", &R::RR, s92, s92, Role::Out, {QT_TRANSLATE_NOOP("KeyTable", "Radiation Resistance"), "n-8.2", QT_TRANSLATE_NOOP("KeyTable", "ohm")}, {"", "", QT_TRANSLATE_NOOP("KeyTable", "ohm")}, ""},
    {K::MRR, "MRR", &R::MRR, s93, s93, Role::Out, {QT_TRANSLATE_NOOP("KeyTable", "Radiation Resistance from measured bandwidth"), "n-10.2", QT_TRANSLATE_NOOP("KeyTable", "ohm")}, {"", "", QT_TRANSLATE_NOOP("KeyTable", "ohm")}, "n-10.2", FileRole::NotInWorkingCopy},
    {K::CD, "CD", &R::CD, s92, s92, Role::In, {QT_TRANSLATE_NOOP("KeyTable", "Enter Cylinder  diameter :"), "n6.2", QT_TRANSLATE_NOOP("KeyTable", "in")}, {QT_TRANSLATE_NOOP("KeyTable", "Enter Cylinder  diameter in mm"), "", QT_TRANSLATE_NOOP("KeyTable", "mm")}, "n-10.2"},
    {K::LD, "LD", &R::LD, s92, s72, Role::In, {QT_TRANSLATE_NOOP("KeyTable", "Enter desired Length/Diameter Ratio"), "n6.3", ""}, {"", "n6.1", ""}, "n-10.2"},
    {K::C, "C", &R::C, s92, s92, Role::Out, {QT_TRANSLATE_NOOP("KeyTable", "Calculated Cylinder Capacitance pFd:"), "n10.2", QT_TRANSLATE_NOOP("KeyTable", "pF")}, {"", "", QT_TRANSLATE_NOOP("KeyTable", "pF")}, "n-10.2"},
    {K::XC, "XC", &R::XC, s92, s92, Role::Out, {QT_TRANSLATE_NOOP("KeyTable", "Reactance (Xc) in Ohms"), "n-10.2", QT_TRANSLATE_NOOP("KeyTable", "ohm")}, {"", "", QT_TRANSLATE_NOOP("KeyTable", "ohm")}, "n-10.2"},
    {K::BW, "BW", &R::BW, s92, s92, Role::Out, {QT_TRANSLATE_NOOP("KeyTable", "+/- 3db Bandwidth in kHz"), "n10", QT_TRANSLATE_NOOP("KeyTable", "kHz")}, {"", "", QT_TRANSLATE_NOOP("KeyTable", "kHz")}, "n-10"},
    {K::Q, "Q", &R::Q, s92, s92, Role::Out, {QT_TRANSLATE_NOOP("KeyTable", "'Q' = :"), "n10.2", ""}, {"", "", ""}, "n-10.2"},
    {K::TL, "TL", &R::TL, s92, s92, Role::Out, {QT_TRANSLATE_NOOP("KeyTable", "Total Length of Antenna :"), "n-10.2", QT_TRANSLATE_NOOP("KeyTable", "in")}, {QT_TRANSLATE_NOOP("KeyTable", "Total Length of Antenna in mm:"), "", QT_TRANSLATE_NOOP("KeyTable", "mm")}, "n-10.2"},
    {K::MBW, "MBW", &R::MBW, s92, s92, Role::In, {QT_TRANSLATE_NOOP("KeyTable", "Enter Measured Bandwidth in kHz"), "n-10", QT_TRANSLATE_NOOP("KeyTable", "kHz")}, {"", "", QT_TRANSLATE_NOOP("KeyTable", "kHz")}, ""},
    {K::V, "V", &R::V, s94, s94, Role::Out, {QT_TRANSLATE_NOOP("KeyTable", "Variance in Measured RR"), "n-8.2", QT_TRANSLATE_NOOP("KeyTable", "%")}, {"", "", QT_TRANSLATE_NOOP("KeyTable", "%")}, ""},
    {K::WD, "WD", &R::WD, s74, s94, Role::In, {QT_TRANSLATE_NOOP("KeyTable", "Enter the Wire Diameter :"), "n6.3", QT_TRANSLATE_NOOP("KeyTable", "in")}, {QT_TRANSLATE_NOOP("KeyTable", "Enter the Wire Diameter in mm"), "", QT_TRANSLATE_NOOP("KeyTable", "mm")}, "n-9.4"},
    {K::SP, "SP", &R::SP, s74, s94, Role::InDefault, {QT_TRANSLATE_NOOP("KeyTable", "Enter Spacing :"), "n6.3", QT_TRANSLATE_NOOP("KeyTable", "in")}, {QT_TRANSLATE_NOOP("KeyTable", "Enter Spacing in mm"), "", QT_TRANSLATE_NOOP("KeyTable", "mm")}, "n-9.4"},
    {K::TPI, "TPI", &R::TPI, s72, s72, Role::Out, {QT_TRANSLATE_NOOP("KeyTable", "Calculated Turns per Inch"), "n8.2", QT_TRANSLATE_NOOP("KeyTable", "1/in")}, {QT_TRANSLATE_NOOP("KeyTable", "Calculated Turns per mm"), "", QT_TRANSLATE_NOOP("KeyTable", "1/mm")}, ""},
    {K::EWC, "EWC", &R::EWC, s92, s92, Role::Out, {QT_TRANSLATE_NOOP("KeyTable", "Cylinder to Wire Capacitance in pFd"), "n10.2", QT_TRANSLATE_NOOP("KeyTable", "pF")}, {"", "", QT_TRANSLATE_NOOP("KeyTable", "pF")}, ""},
    {K::ECC, "ECC", &R::ECC, s92, s92, Role::Out, {QT_TRANSLATE_NOOP("KeyTable", "Estimated Coil Capacitance in pFd"), "n-10.2", QT_TRANSLATE_NOOP("KeyTable", "pF")}, {"", "", QT_TRANSLATE_NOOP("KeyTable", "pF")}, ""},
    {K::CI, "CI", &R::CI, s92, s92, Role::Out, {QT_TRANSLATE_NOOP("KeyTable", "Coil Inductance in uH"), "n-10.2", QT_TRANSLATE_NOOP("KeyTable", "uH")}, {"", "", QT_TRANSLATE_NOOP("KeyTable", "uH")}, "n-10.2"},
    {K::NT, "NT", &R::NT, s92, s92, Role::Out, {QT_TRANSLATE_NOOP("KeyTable", "Number of Turns required"), "n-10.2", QT_TRANSLATE_NOOP("KeyTable", "turns")}, {"", "", QT_TRANSLATE_NOOP("KeyTable", "turns")}, "n-10.2"},
    {K::CL, "CL", &R::CL, s92, s92, Role::Out, {QT_TRANSLATE_NOOP("KeyTable", "Coil Length :"), "n-10.2", QT_TRANSLATE_NOOP("KeyTable", "in")}, {QT_TRANSLATE_NOOP("KeyTable", "Coil Length in mm:"), "", QT_TRANSLATE_NOOP("KeyTable", "mm")}, "n-10.2"},
    {K::LW, "LW", &R::LW, s92, s92, Role::Out, {QT_TRANSLATE_NOOP("KeyTable", "Length of wire required in Inches"), "n-10.2", QT_TRANSLATE_NOOP("KeyTable", "in")}, {QT_TRANSLATE_NOOP("KeyTable", "Length of wire required in mm:"), "", QT_TRANSLATE_NOOP("KeyTable", "mm")}, "n-10.2"},
    {K::CCL, "CCL", &R::CCL, s92, s92, Role::Out, {QT_TRANSLATE_NOOP("KeyTable", "Length of cylinder :"), "n-10.3", QT_TRANSLATE_NOOP("KeyTable", "in")}, {QT_TRANSLATE_NOOP("KeyTable", "Length of cylinder in mm :"), "n-10.1", QT_TRANSLATE_NOOP("KeyTable", "mm")}, "n-10.2"},
    {K::CCD, "CCD", &R::CCD, s92, s92, Role::In, {QT_TRANSLATE_NOOP("KeyTable", "Enter the Coil Diameter :"), "n8.2", QT_TRANSLATE_NOOP("KeyTable", "in")}, {QT_TRANSLATE_NOOP("KeyTable", "Enter the Coil Diameter in mm:"), "", QT_TRANSLATE_NOOP("KeyTable", "mm")}, "n-10.2"},
    {K::PWL, "PWL", &R::PWL, s74, s74, Role::Out, {QT_TRANSLATE_NOOP("KeyTable", "Length as a % of wave length:"), "n-8.2", QT_TRANSLATE_NOOP("KeyTable", "%")}, {"", "", QT_TRANSLATE_NOOP("KeyTable", "%")}, ""},
    {K::LPW, "LPW", &R::LPW, s92, s92, Role::Out, {QT_TRANSLATE_NOOP("KeyTable", "Length of Phasing Wire :"), "n-10.2", QT_TRANSLATE_NOOP("KeyTable", "in")}, {QT_TRANSLATE_NOOP("KeyTable", "Length of Phasing Wire"), "", QT_TRANSLATE_NOOP("KeyTable", "mm")}, "n-10.2"},
    {K::PCCD, "PCCD", &R::PCCD, s92, s92, Role::InDefault, {QT_TRANSLATE_NOOP("KeyTable", "Enter Phasing Coil Diameter:"), "n-10.2", QT_TRANSLATE_NOOP("KeyTable", "in")}, {"", "", QT_TRANSLATE_NOOP("KeyTable", "mm")}, "n-10.2"},
    {K::PCNT, "PCNT", &R::PCNT, s92, s72, Role::Out, {QT_TRANSLATE_NOOP("KeyTable", "Phasing Coil Turns"), "n-10.2", QT_TRANSLATE_NOOP("KeyTable", "turns")}, {"", "", QT_TRANSLATE_NOOP("KeyTable", "turns")}, "n-10.2"},
    {K::PCWD, "PCWD", &R::PCWD, s73, s93, Role::Out, {"", "", QT_TRANSLATE_NOOP("KeyTable", "in")}, {"", "", QT_TRANSLATE_NOOP("KeyTable", "mm")}, "", FileRole::NotReadBack},
    {K::RAT, "RAT", &R::RAT, s92, s72, Role::Out, {"", "", ""}, {"", "", ""}, ""},
    {K::FAC, "FAC", &R::FAC, s92, s72, Role::InDefault, {QT_TRANSLATE_NOOP("KeyTable", "Capacitance Factor"), "n-10.2", ""}, {"", "", ""}, "n-10.2"},
    {K::AE, "AE", &R::AE, s94, s94, Role::Out, {QT_TRANSLATE_NOOP("KeyTable", "Antenna Efficiency"), "n-9.2", QT_TRANSLATE_NOOP("KeyTable", "%")}, {"", "", QT_TRANSLATE_NOOP("KeyTable", "%")}, ""},
    {K::DBL, "DBL", &R::DBL, s74, s74, Role::Out, {QT_TRANSLATE_NOOP("KeyTable", "Loss in DB"), "n-9.2", QT_TRANSLATE_NOOP("KeyTable", "dB")}, {"", "", QT_TRANSLATE_NOOP("KeyTable", "dB")}, ""},
    {K::SCT, "SCT", &R::SCT, s72, s92, Role::Out, {QT_TRANSLATE_NOOP("KeyTable", "Source Coil Turns"), "n-10.2", QT_TRANSLATE_NOOP("KeyTable", "turns")}, {"", "", QT_TRANSLATE_NOOP("KeyTable", "turns")}, "n-10.2"},
    {K::SCL, "SCL", &R::SCL, s72, s92, Role::Out, {QT_TRANSLATE_NOOP("KeyTable", "Source coil length :"), "n-10.2", QT_TRANSLATE_NOOP("KeyTable", "in")}, {QT_TRANSLATE_NOOP("KeyTable", "Source coil length in mm"), "", QT_TRANSLATE_NOOP("KeyTable", "mm")}, ""},
    {K::SCI, "SCI", &R::SCI, s92, s92, Role::Out, {QT_TRANSLATE_NOOP("KeyTable", "Source Coil Inductance in uH"), "n-10.2", QT_TRANSLATE_NOOP("KeyTable", "uH")}, {"", "", QT_TRANSLATE_NOOP("KeyTable", "uH")}, ""},
    {K::SCD, "SCD", &R::SCD, s72, s92, Role::InDefault, {QT_TRANSLATE_NOOP("KeyTable", "Enter Source Coil Diameter:"), "n-10.2", QT_TRANSLATE_NOOP("KeyTable", "in")}, {"", "", QT_TRANSLATE_NOOP("KeyTable", "mm")}, "n-10.2"},
    {K::SCWL, "SCWL", &R::SCWL, s72, s92, Role::Out, {QT_TRANSLATE_NOOP("KeyTable", "Source Coil Wire Length :"), "n-10.2", QT_TRANSLATE_NOOP("KeyTable", "in")}, {QT_TRANSLATE_NOOP("KeyTable", "Source Coil Wire Length"), "", QT_TRANSLATE_NOOP("KeyTable", "mm")}, "n-10.2"},
    {K::SCWD, "SCWD", &R::SCWD, s73, s93, Role::Out, {QT_TRANSLATE_NOOP("KeyTable", "Source Coil Wire Diameter"), "n-8.3", QT_TRANSLATE_NOOP("KeyTable", "in")}, {QT_TRANSLATE_NOOP("KeyTable", "Source Coil Wire Diameter in mm"), "", QT_TRANSLATE_NOOP("KeyTable", "mm")}, ""},
    {K::XSC, "XSC", &R::XSC, s72, s92, Role::Out, {QT_TRANSLATE_NOOP("KeyTable", "Source Coil Reactance at 40ohms"), "n-10.2", QT_TRANSLATE_NOOP("KeyTable", "ohm")}, {"", "", QT_TRANSLATE_NOOP("KeyTable", "ohm")}, ""},
    {K::DPS, "DPS", &R::DPS, s92, s92, Role::InDefault, {QT_TRANSLATE_NOOP("KeyTable", "Enter Degrees of Phase:"), "n-4.1", QT_TRANSLATE_NOOP("KeyTable", "degrees")}, {"", "", QT_TRANSLATE_NOOP("KeyTable", "degrees")}, ""},
    {K::WR, "WR", &R::WR, s94, s94, Role::Working, {"", "", QT_TRANSLATE_NOOP("KeyTable", "ohm")}, {"", "", QT_TRANSLATE_NOOP("KeyTable", "ohm")}, "", FileRole::None},
    {K::UF, "UF", &R::UF, s72, s72, Role::Working, {"", "", ""}, {"", "", ""}, "", FileRole::None},
    {K::NTE, "NTE", &R::NTE, s72, s72, Role::Working, {"", "", QT_TRANSLATE_NOOP("KeyTable", "turns")}, {"", "", QT_TRANSLATE_NOOP("KeyTable", "turns")}, "", FileRole::None},
}};
// clang-format on

constexpr std::size_t kDesignFileKeyCount = 42;

constexpr bool inKeyOrder() {
    for (std::size_t i = 0; i < kKeys.size(); ++i) {
        if (kKeys[i].id != static_cast<Key>(i)) return false;
        if ((kKeys[i].file == FileRole::None) != (i >= kDesignFileKeyCount)) return false;
    }
    return true;
}
static_assert(inKeyOrder(), "the key table lists every key once, in the order of Key, design-file keys first");

}  // namespace

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    // ASCII letters only, as the keys are; no locale lookup per character.
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

std::span<const KeyInfo> keyTable() { return kKeys; }

std::span<const KeyInfo> designFileKeys() { return std::span<const KeyInfo>(kKeys).first(kDesignFileKeyCount); }

const KeyInfo& keyInfo(Key key) { return kKeys[static_cast<std::size_t>(key)]; }

namespace {

// The keys by their first letter's place in the alphabet (keys begin with
// a letter), each list in key-table order.
struct KeysByLetter {
    std::array<std::array<std::uint8_t, kKeyCount>, 32> keys{};
    std::array<std::uint8_t, 32> count{};
};

constexpr KeysByLetter kKeysByLetter = [] {
    KeysByLetter t;
    for (std::size_t i = 0; i < kKeys.size(); ++i) {
        const auto letter = static_cast<std::size_t>(kKeys[i].key[0] & 0x1f);
        t.keys[letter][t.count[letter]++] = static_cast<std::uint8_t>(i);
    }
    return t;
}();

}  // namespace

const KeyInfo* findKey(std::string_view key) {
    if (key.empty()) return nullptr;
    const char first = static_cast<char>(key[0] & ~0x20);  // upper case, for letters
    const auto letter = static_cast<std::size_t>(key[0] & 0x1f);
    for (std::size_t i = 0; i < kKeysByLetter.count[letter]; ++i) {
        const KeyInfo& info = kKeys[kKeysByLetter.keys[letter][i]];
        if (info.key.size() == key.size() && info.key[0] == first && equalsIgnoreCase(info.key, key)) return &info;
    }
    return nullptr;
}

DesignRecord::DesignRecord(UnitSystem system) : system_(system) {
    for (const KeyInfo& info : kKeys) (this->*info.member).copyFrom(DecimalField(info.storage(system)));
}

DesignRecord& DesignRecord::operator=(const DesignRecord& other) {
    if (this != &other) {
        system_ = other.system_;
        for (const KeyInfo& info : kKeys) (this->*info.member).copyFrom(other.*info.member);
    }
    return *this;
}

DecimalField* DesignRecord::field(std::string_view key) {
    const KeyInfo* info = findKey(key);
    return info ? &(this->*info->member) : nullptr;
}

const DecimalField* DesignRecord::field(std::string_view key) const {
    const KeyInfo* info = findKey(key);
    return info ? &(this->*info->member) : nullptr;
}

DecimalField& DesignRecord::field(Key key) { return this->*keyInfo(key).member; }

const DecimalField& DesignRecord::field(Key key) const { return this->*keyInfo(key).member; }

void DesignRecord::reset() {
    for (const KeyInfo& info : kKeys) (this->*info.member) = Decimal();
}

}  // namespace yq
