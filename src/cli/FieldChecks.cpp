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
    return "'" + std::string(text.substr(0, kShown)) + "...' (" + std::to_string(text.size()) + " characters)";
}

}  // namespace

std::string notHeldMessage(std::string_view key, std::string_view text, Storage storage) {
    const std::string largest = largestHeld(storage).toFixed(storage.places);
    return "value of " + std::string(key) + " does not fit its field: " + shown(text) + " (" + std::string(key) +
           " holds -" + largest + " to " + largest + ")";
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
    std::string list;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (i > 0) list += i + 1 == keys.size() ? " and " : ", ";
        list += keys[i];
    }
    return "the design file's " + std::string(keys.size() == 1 ? "value of " : "values of ") + list +
           (keys.size() == 1 ? " does not fit its field and was" : " do not fit their fields and were") +
           " cut to what the field holds";
}

}  // namespace yq::cli
