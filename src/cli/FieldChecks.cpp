#include "cli/FieldChecks.h"

#include "design/FieldLimits.h"
#include "files/DesignFile.h"
#include "files/PrivateProfile.h"
#include "files/Text.h"

#include <cstdlib>

namespace yq::cli {

namespace {

// The text as a message shows it: long texts are cut short.
std::string shown(std::string_view text) {
    constexpr std::size_t kShown = 24;
    if (text.size() <= kShown + 3) return "'" + std::string(text) + "'";
    return message(QT_TRANSLATE_NOOP("CalcMessages", "'%1...' (%2 characters)"),
                   {text.substr(0, kShown), std::to_string(text.size())});
}

}  // namespace

std::string notHeldMessage(std::string_view key, std::string_view text, Storage storage) {
    const std::string largest = largestHeld(storage).toFixed(storage.places);
    return message(QT_TRANSLATE_NOOP("CalcMessages", "value of %1 does not fit its field: %2 (%1 holds -%3 to %3)"),
                   {key, shown(text), largest});
}

void storeHeld(DecimalField& field, std::string_view key, std::string_view text, const Decimal& value) {
    field = value;
    // A field cuts what it cannot hold to its limit, so only a value that
    // landed on the limit can have been cut.
    if (std::llabs(field.mantissa()) == field.maxMantissa() && !storageHolds(field.storage(), value))
        throw UsageError{notHeldMessage(key, text, field.storage())};
}

std::vector<std::string> keysCutOnRead(const QString& path, UnitSystem system) {
    std::vector<std::string> cut;
    ProfileFile file;
    if (!file.load(path)) return cut;
    const ProfileSection section = file.section(QString::fromLatin1(kDesignSection));
    for (const KeyInfo& info : designFileKeys()) {
        if (info.file == FileRole::NotReadBack) continue;
        if (!storageHolds(info.storage(system), parseDesignValue(section.value(toQString(info.key)))))
            cut.emplace_back(info.key);
    }
    return cut;
}

std::string cutKeysWarning(const std::vector<std::string>& keys) {
    if (keys.empty()) return {};
    if (keys.size() == 1)
        return message(QT_TRANSLATE_NOOP("CalcMessages",
                                         "the design file's value of %1 does not fit its field and was cut to what "
                                         "the field holds"),
                       {keys[0]});
    // The keys listed as "A, B and C".
    std::string list = keys[0];
    for (std::size_t i = 1; i + 1 < keys.size(); ++i)
        list = message(QT_TRANSLATE_NOOP("CalcMessages", "%1, %2"), {list, keys[i]});
    list = message(QT_TRANSLATE_NOOP("CalcMessages", "%1 and %2"), {list, keys.back()});
    return message(QT_TRANSLATE_NOOP("CalcMessages",
                                     "the design file's values of %1 do not fit their fields and were cut to what "
                                     "the field holds"),
                   {list});
}

}  // namespace yq::cli
