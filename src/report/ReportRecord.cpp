#include "report/ReportRecord.h"

#include "files/Text.h"
#include "files/ProgramState.h"
#include "files/UserFile.h"
#include "design/DesignRecord.h"
#include "files/DesignFile.h"
#include "files/PrivateProfile.h"

#include <array>

namespace yq::report {

namespace {

using R = ReportRecord;

constexpr std::array<ReportKey, 23> kFileKeys{{
    {"F", &R::F, "n-12.4"},     {"CD", &R::CD, "n-10.2"},     {"LD", &R::LD, "n-10.2"},     {"C", &R::C, "n-10.2"},
    {"XC", &R::XC, "n-10.2"},   {"BW", &R::BW, "n-10"},       {"Q", &R::Q, "n-10.2"},       {"TL", &R::TL, "n-10.2"},
    {"WD", &R::WD, "n-9.4"},    {"SP", &R::SP, "n-9.4"},      {"CI", &R::CI, "n-10.2"},     {"NT", &R::NT, "n-10.2"},
    {"CL", &R::CL, "n-10.2"},   {"LW", &R::LW, "n-10.2"},     {"CCL", &R::CCL, "n-10.2"},   {"CCD", &R::CCD, "n-10.2"},
    {"LPW", &R::LPW, "n-10.2"}, {"PCCD", &R::PCCD, "n-10.2"}, {"PCNT", &R::PCNT, "n-10.2"}, {"FAC", &R::FAC, "n-10.2"},
    {"SCT", &R::SCT, "n-10.2"}, {"SCD", &R::SCD, "n-10.2"},   {"MRR", &R::MRR, "n-10.2"},
}};

constexpr ReportKey kSourceCoilWireLength{"SCWL", &R::SCWL, "n-10.2"};

}  // namespace

std::span<const ReportKey> reportFileKeys() { return kFileKeys; }

std::string_view reportPicture(std::string_view key) {
    for (const ReportKey& k : kFileKeys) {
        if (equalsIgnoreCase(k.key, key)) return k.picture;
    }
    if (equalsIgnoreCase(kSourceCoilWireLength.key, key)) return kSourceCoilWireLength.picture;
    return {};
}

const DecimalField* ReportRecord::field(std::string_view key) const {
    for (const ReportKey& k : kFileKeys) {
        if (equalsIgnoreCase(k.key, key)) return &(this->*k.member);
    }
    if (equalsIgnoreCase(kSourceCoilWireLength.key, key)) return &SCWL;
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
    for (const ReportKey& k : kFileKeys) {
        (record.*k.member) = parseDesignValue(file.value(section, toQString(k.key)));
    }
    record.metric = metricFlagFromText(file.value(section, QStringLiteral("metric")));

    record.SCWL = sourceCoilWireLength(record.SCD, record.SCT);
    record.unitText = toQString(UnitSystemRules::of(record.metric.system()).reportUnitText);
    record.printDate = today ? today() : QDate::currentDate();

    const UserFile users(userFolder);
    for (const UserRecord& user : users.inKeyOrder()) record.designers.append(user.user);
    if (users.failed()) record.userFileError = users.errorText();
    return record;
}

}  // namespace yq::report
