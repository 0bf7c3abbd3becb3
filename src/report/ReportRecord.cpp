#include "report/ReportRecord.h"

#include "files/AtomicFile.h"
#include "files/Text.h"
#include "files/UserFile.h"
#include "design/DesignRecord.h"
#include "files/DesignFile.h"
#include "files/PrivateProfile.h"

#include <QCoreApplication>

#include <array>
#include <string>

namespace yq::report {

namespace {

using R = ReportRecord;

// The keys the report reads from the design file, in its reading order, and
// where each lands in its record; names and pictures are the key table's.
struct ReportMember {
    Key id;
    DecimalField ReportRecord::*member;
};
constexpr std::array<ReportMember, 23> kFileMembers{{
    {Key::F, &R::F},     {Key::CD, &R::CD},   {Key::LD, &R::LD},     {Key::C, &R::C},       {Key::XC, &R::XC},
    {Key::BW, &R::BW},   {Key::Q, &R::Q},     {Key::TL, &R::TL},     {Key::WD, &R::WD},     {Key::SP, &R::SP},
    {Key::CI, &R::CI},   {Key::NT, &R::NT},   {Key::CL, &R::CL},     {Key::LW, &R::LW},     {Key::CCL, &R::CCL},
    {Key::CCD, &R::CCD}, {Key::LPW, &R::LPW}, {Key::PCCD, &R::PCCD}, {Key::PCNT, &R::PCNT}, {Key::FAC, &R::FAC},
    {Key::SCT, &R::SCT}, {Key::SCD, &R::SCD}, {Key::MRR, &R::MRR},
}};

const std::array<ReportKey, 23>& fileKeys() {
    static const std::array<ReportKey, 23> keys = [] {
        std::array<ReportKey, 23> out{};
        for (std::size_t i = 0; i < kFileMembers.size(); ++i) {
            const KeyInfo& info = keyInfo(kFileMembers[i].id);
            out[i] = {info.key, kFileMembers[i].member, info.reportPicture};
        }
        return out;
    }();
    return keys;
}

}  // namespace

std::span<const ReportKey> reportFileKeys() { return fileKeys(); }

std::string_view reportPicture(std::string_view key) {
    const KeyInfo* info = findKey(key);
    return info ? info->reportPicture : std::string_view();
}

const DecimalField* ReportRecord::field(std::string_view key) const {
    for (const ReportKey& k : fileKeys()) {
        if (equalsIgnoreCase(k.key, key)) return &(this->*k.member);
    }
    if (equalsIgnoreCase(key, "SCWL")) return &SCWL;
    return nullptr;
}

Decimal sourceCoilWireLength(const Decimal& scd, const Decimal& sct) { return scd * sct * pi(); }

ReportRecord loadReportRecord(const QString& designPath, const QString& userFolder, const TodayFunction& today) {
    ReportRecord record;
    const QString path = withoutTrailingBlanks(designPath);
    ProfileFile file;
    // Like the profile calls, an empty or over-long path reads nothing.
    if (!path.isEmpty() && path.size() <= kProfilePathLimit) file.load(path);
    const QString section = QString::fromLatin1(kDesignSection);
    for (const ReportKey& k : fileKeys()) {
        (record.*k.member) = parseDesignValue(file.value(section, toQString(k.key)));
    }
    record.metric = metricFlagFromText(file.value(section, QStringLiteral("metric")));

    record.SCWL = sourceCoilWireLength(record.SCD, record.SCT);
    // The unit systems' words on the report page ("inches", "mm"), translated.
    static constexpr const char* kUnitWords[] = {QT_TRANSLATE_NOOP("ReportPage", "inches"),
                                                 QT_TRANSLATE_NOOP("ReportPage", "mm")};
    (void)kUnitWords;
    record.unitText = QCoreApplication::translate(
        "ReportPage", std::string(UnitSystemRules::of(record.metric.system()).reportUnitText).c_str());
    record.printDate = today ? today() : QDate::currentDate();

    if (const auto users = UserFile(userFolder).inKeyOrder()) {
        for (const UserRecord& user : *users) record.designers.append(user.user);
    } else {
        record.userFileError = problemText(users.problem());
    }
    return record;
}

}  // namespace yq::report
