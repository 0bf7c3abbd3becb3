// Which program of the desktop opens a kind of address or file.
//
// The desktop names its default handler for a MIME type or URL scheme
// ("x-scheme-handler/http", "x-scheme-handler/mailto", "text/csv") through
// `xdg-mime query default`; the answer is a desktop file ID whose `.desktop`
// file lies under $XDG_DATA_HOME/applications or one of
// $XDG_DATA_DIRS/applications (platform/DesktopEntry reads it).
#pragma once

#include "platform/DesktopEntry.h"
#include "platform/Launcher.h"

#include <QString>
#include <QStringList>

namespace yq::platform {

// The folders searched for `.desktop` files, in order of precedence:
// $XDG_DATA_HOME/applications (default ~/.local/share/applications), then
// each of $XDG_DATA_DIRS (default /usr/local/share:/usr/share) + /applications.
QStringList applicationDirs();

// The file of a desktop file ID: the first folder holding it wins; inside a
// folder "a-b.desktop" may also be found as "a/b.desktop". Empty when not
// found or when the ID is not a plain file name ending in ".desktop".
QString findDesktopFile(const QString& id, const QStringList& dirs);

// The answer to "which program opens this kind of file or address".
struct HandlerLookup {
    enum class Status {
        Found,        // entry holds the handler
        NoHandler,    // the desktop has no default for the type
        Broken,       // a default is named, but its file is missing or unusable
        Unavailable,  // the desktop could not be asked (no xdg-mime)
    };
    Status status = Status::NoHandler;
    DesktopEntry entry;
    QString id;      // the desktop file ID the desktop named, if any
    QString detail;  // why it failed, for traces

    bool found() const { return status == Status::Found; }
};

class DesktopHandlers {
public:
    virtual ~DesktopHandlers();
    // `type` is a MIME type or "x-scheme-handler/<scheme>".
    virtual HandlerLookup defaultHandler(const QString& type) = 0;
};

// The real lookup: `xdg-mime query default <type>` through the runner, then
// the named `.desktop` file in the application folders.
class XdgDesktopHandlers final : public DesktopHandlers {
public:
    explicit XdgDesktopHandlers(CommandRunner& runner, QStringList dirs = applicationDirs());
    HandlerLookup defaultHandler(const QString& type) override;

private:
    CommandRunner& runner_;
    QStringList dirs_;
};

}  // namespace yq::platform
