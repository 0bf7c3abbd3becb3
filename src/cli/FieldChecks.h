// yq-calc's checks of a value against the field it goes into: a value given
// on the command line that its field cannot hold is refused, never cut; a
// design file's values are stored as the windows store them, and the keys
// that were cut on the way are named.
#pragma once

#include "cli/CalcCase.h"

#include <QString>

#include <string>
#include <string_view>
#include <vector>

namespace yq::cli {

// The message for a value its field cannot hold, naming the key, the text
// as given and the range the field holds.
std::string notHeldMessage(std::string_view key, std::string_view text, Storage storage);

// Stores `value` into `field`, or throws UsageError (notHeldMessage) when
// the field cannot hold it once rounded to its places.
void storeHeld(DecimalField& field, std::string_view key, std::string_view text, const Decimal& value);

// The keys of the design file whose values a record of `system` cannot
// hold, in the file's key order (empty for a file that cannot be read).
std::vector<std::string> keysCutOnRead(const QString& path, UnitSystem system);

// "the design file's values of CD and LD do not fit their fields and were
// cut to what the fields hold"; empty when no key was cut.
std::string cutKeysWarning(const std::vector<std::string>& keys);

}  // namespace yq::cli
