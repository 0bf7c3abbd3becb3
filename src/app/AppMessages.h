// What the user list and its form tell the user ("|" starts a new line;
// %1 is filled in).
#pragma once

#include <QtGlobal>

namespace yq {

inline constexpr char kDeleteFromListMessage[] =
    QT_TRANSLATE_NOOP("UserList", "Records are deleted from the list of users, not from this form.");
inline constexpr char kConfirmDeleteCaption[] = QT_TRANSLATE_NOOP("UserList", "Confirm Delete");
inline constexpr char kConfirmDeleteMessage[] =
    QT_TRANSLATE_NOOP("UserList", "Are you sure you want to delete the highlighted record?|%1");

}  // namespace yq
