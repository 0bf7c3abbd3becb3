// What the user list and its form tell the user ("|" starts a new line;
// %1 is filled in).
#pragma once

namespace yq {

inline constexpr char kDeleteFromListMessage[] = "Records are deleted from the list of users, not from this form.";
inline constexpr char kConfirmDeleteCaption[] = "Confirm Delete";
inline constexpr char kConfirmDeleteMessage[] = "Are you sure you want to delete the highlighted record?|%1";

}  // namespace yq
