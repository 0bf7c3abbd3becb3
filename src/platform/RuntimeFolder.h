// The per-user runtime folder ($XDG_RUNTIME_DIR) that Qt wants for its
// sockets and locks. A login session sets it; a program started as root
// from a plain shell, under sudo or in a container often has none, and Qt
// then prints a warning on every start. Before the application object is
// made, the program gives itself one: the folder Qt would fall back to
// ("runtime-<user>" in the temporary folder), created private to the user.
#pragma once

#include <QString>

namespace yq::platform {

// Sets XDG_RUNTIME_DIR when it is unset or empty: to
// `<temp>/runtime-<user>` when that is (or can be made) a real folder owned
// by the user with mode 0700, otherwise to a new private folder in the
// temporary folder. A value that is set is left alone (the session's
// display server and message bus live there). Returns the folder in use,
// empty when none could be made (Qt then warns as before).
QString ensureRuntimeFolder();

// Whether `path` is a folder (not a link) owned by the current user with
// no access for others.
bool isPrivateRuntimeFolder(const QString& path);

}  // namespace yq::platform
