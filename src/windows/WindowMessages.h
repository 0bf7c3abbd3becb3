// What the design window itself tells the user ("|" starts a new line; %1,
// %2 are filled in). The unit systems' own messages stand in their
// descriptions (UnitSystemDescription.h).
#pragma once

namespace yq::windowtext {

inline constexpr char kWorkingCopyNotWritten[] = "The working copy %1 could not be written.|%2";
inline constexpr char kNoSpreadsheet[] = "No spreadsheet program could open %1.";

}  // namespace yq::windowtext
