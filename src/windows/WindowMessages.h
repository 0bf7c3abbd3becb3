// What the design window itself tells the user ("|" starts a new line; %1,
// %2 are filled in). The unit systems' own messages stand in their
// descriptions (UnitSystemDescription.h).
#pragma once

#include <QtGlobal>

namespace yq::windowtext {

inline constexpr char kWorkingCopyNotWritten[] =
    QT_TRANSLATE_NOOP("yq::DesignWindow", "The working copy %1 could not be written.|%2");
inline constexpr char kNoSpreadsheet[] = QT_TRANSLATE_NOOP("yq::DesignWindow", "No spreadsheet program could open %1.");

}  // namespace yq::windowtext
