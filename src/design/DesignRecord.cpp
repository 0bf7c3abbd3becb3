#include "design/DesignRecord.h"

#include <array>

namespace yq {

namespace {

using R = DesignRecord;
using K = Key;
constexpr Storage s92{9, 2}, s93{9, 3}, s94{9, 4}, s72{7, 2}, s73{7, 3}, s74{7, 4};

// Design-file order, the order of the keys' type; the Metric storage differs
// for the keys of the Metric calculation's storage table.
constexpr std::array<KeyInfo, kKeyCount> kKeys{{
    {K::F, "F", &R::F, s94, s94, "n11.3", Role::In, "Enter the Frequency in Megahertz"},
    {K::RFR, "RFR", &R::RFR, s92, s92, "", Role::Carried, ""},
    {K::AF, "AF", &R::AF, s92, s92, "", Role::Carried, ""},
    {K::RR, "RR", &R::RR, s92, s92, "n-8.2", Role::Out, "Radiation Resistance"},
    {K::MRR, "MRR", &R::MRR, s93, s93, "n-10.2", Role::Out, "", FileRole::NotInWorkingCopy},
    {K::CD, "CD", &R::CD, s92, s92, "n6.2", Role::In, "Enter Cylinder  diameter :"},
    {K::LD, "LD", &R::LD, s92, s72, "n6.3", Role::In, "Enter desired Length/Diameter Ratio"},
    {K::C, "C", &R::C, s92, s92, "n10.2", Role::Out, "Calculated Cylinder Capacitance pFd:"},
    {K::XC, "XC", &R::XC, s92, s92, "n-10.2", Role::Out, "Reactance (Xc) in Ohms"},
    {K::BW, "BW", &R::BW, s92, s92, "n10", Role::Out, "+/- 3db Bandwidth in kHz"},
    {K::Q, "Q", &R::Q, s92, s92, "n10.2", Role::Out, "'Q' = :"},
    {K::TL, "TL", &R::TL, s92, s92, "n-10.2", Role::Out, "Total Length of Antenna :"},
    {K::MBW, "MBW", &R::MBW, s92, s92, "n-10", Role::In, "Enter Measured Bandwidth in kHz"},
    {K::V, "V", &R::V, s94, s94, "n-8.2", Role::Out, "Variance in Measured RR"},
    {K::WD, "WD", &R::WD, s74, s94, "n6.3", Role::In, "Enter the Wire Diameter :"},
    {K::SP, "SP", &R::SP, s74, s94, "n6.3", Role::InDefault, "Enter Spacing :"},
    {K::TPI, "TPI", &R::TPI, s72, s72, "n8.2", Role::Out, "Calculated Turns per "},
    {K::EWC, "EWC", &R::EWC, s92, s92, "n10.2", Role::Out, "Cylinder to Wire Capacitance in pFd"},
    {K::ECC, "ECC", &R::ECC, s92, s92, "n-10.2", Role::Out, "Estimated Coil Capacitance in pFd"},
    {K::CI, "CI", &R::CI, s92, s92, "n-10.2", Role::Out, "Coil Inductance in uH"},
    {K::NT, "NT", &R::NT, s92, s92, "n-10.2", Role::Out, "Number of Turns required"},
    {K::CL, "CL", &R::CL, s92, s92, "n-10.2", Role::Out, "Coil Length :"},
    {K::LW, "LW", &R::LW, s92, s92, "n-10.2", Role::Out, "Length of wire required in Inches"},
    {K::CCL, "CCL", &R::CCL, s92, s92, "n-10.3", Role::Out, "Length of cylinder :"},
    {K::CCD, "CCD", &R::CCD, s92, s92, "n8.2", Role::In, "Enter the Coil Diameter :"},
    {K::PWL, "PWL", &R::PWL, s74, s74, "n-8.2", Role::Out, "Length as a % of wave length:"},
    {K::LPW, "LPW", &R::LPW, s92, s92, "n-10.2", Role::Out, "Length of Phasing Wire :"},
    {K::PCCD, "PCCD", &R::PCCD, s92, s92, "n-10.2", Role::InDefault, "Enter Phasing Coil Diameter:"},
    {K::PCNT, "PCNT", &R::PCNT, s92, s72, "n-10.2", Role::Out, "Phasing Coil Turns"},
    {K::PCWD, "PCWD", &R::PCWD, s73, s93, "", Role::Out, "", FileRole::NotReadBack},
    {K::RAT, "RAT", &R::RAT, s92, s72, "", Role::Out, ""},
    {K::FAC, "FAC", &R::FAC, s92, s72, "n-10.2", Role::InDefault, "Capacitance Factor"},
    {K::AE, "AE", &R::AE, s94, s94, "n-9.2", Role::Out, "Antenna Efficiency"},
    {K::DBL, "DBL", &R::DBL, s74, s74, "n-9.2", Role::Out, "Loss in DB"},
    {K::SCT, "SCT", &R::SCT, s72, s92, "n-10.2", Role::Out, "Source Coil Turns"},
    {K::SCL, "SCL", &R::SCL, s72, s92, "n-10.2", Role::Out, "Source coil length :"},
    {K::SCI, "SCI", &R::SCI, s92, s92, "n-10.2", Role::Out, "Source Coil Inductance in uH"},
    {K::SCD, "SCD", &R::SCD, s72, s92, "n-10.2", Role::InDefault, "Enter Source Coil Diameter:"},
    {K::SCWL, "SCWL", &R::SCWL, s72, s92, "n-10.2", Role::Out, "Source Coil Wire Length :"},
    {K::SCWD, "SCWD", &R::SCWD, s73, s93, "n-8.3", Role::Out, "Source Coil Wire Diameter"},
    {K::XSC, "XSC", &R::XSC, s72, s92, "n-10.2", Role::Out, "Source Coil Reactance at 40ohms"},
    {K::DPS, "DPS", &R::DPS, s92, s92, "n-4.1", Role::InDefault, "Enter Degrees of Phase:"},
    {K::WR, "WR", &R::WR, s94, s94, "", Role::Working, "", FileRole::None},
    {K::UF, "UF", &R::UF, s72, s72, "", Role::Working, "", FileRole::None},
    {K::NTE, "NTE", &R::NTE, s72, s72, "", Role::Working, "", FileRole::None},
}};

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

const KeyInfo* findKey(std::string_view key) {
    if (key.empty()) return nullptr;
    const char first = static_cast<char>(key[0] & ~0x20);  // upper case, for letters
    for (const KeyInfo& info : kKeys) {
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
