// Saving a design converted to the other unit system: the design file its
// own window's SAVE would write, under that window's file-name rule, in a
// given folder. No results row is appended: the conversion is not a design
// the user has built or measured yet.
#pragma once

#include "design/DesignRecord.h"
#include "files/AtomicFile.h"

#include <QString>

namespace yq {

struct ConvertedSave {
    QString path;  // folder + "/" + the name ("M7506.ini", "726.ini")
    Result<> written;
};

// Writes keys 1 to 42 and "Metric" ("1" for a Metric design, "0" for an
// Imperial one) as SAVE does; an existing file of that name is updated in
// place, as SAVE updates it.
ConvertedSave saveConvertedDesign(const DesignRecord& converted, const QString& folder);

}  // namespace yq
