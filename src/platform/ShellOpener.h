// Opening addresses and files with the desktop's programs: the default
// handler's Exec line, started without a shell.
#pragma once

#include "platform/DesktopHandlers.h"
#include "platform/Launcher.h"

#include <QString>
#include <QStringList>

namespace yq::platform {

// The handler type for an address or file name as the opener sees it:
// "x-scheme-handler/<scheme>" for a URL with a scheme, the web scheme for
// an address beginning with "www.", empty for anything else (a file).
QString schemeHandlerType(const QString& target);

// Opens addresses and files with the desktop's programs, as a shell's
// "open" would: the default handler's Exec line is started with the target
// as its argument. When the desktop cannot be asked, `xdg-open` gets the
// target instead. Every failure comes back as a result code:
//   - no handler for the type ............................ NoAssociation
//   - a named handler whose file or Exec line is unusable  AssociationIncomplete
//   - a file (or its folder) that does not exist ......... FileNotFound / PathNotFound
//   - the handler program itself cannot be started ....... the launcher's code
class ShellOpener {
public:
    ShellOpener(DesktopHandlers& handlers, Launcher& launcher, CommandRunner& runner);
    virtual ~ShellOpener();

    // An address with a scheme ("http://...", "mailto:..."), an address
    // beginning with "www.", or a file path (absolute, relative to the
    // current folder, or a file: URL).
    virtual LaunchResult open(const QString& target);
    // A file opened with the default handler of `mimeType` (or one of its
    // aliases) whatever its name says.
    virtual LaunchResult openAs(const QString& path, const QString& mimeType);
    // A program started directly with its arguments.
    virtual LaunchResult startProgram(const QString& program, const QStringList& args);

    DesktopHandlers& handlers() { return handlers_; }

private:
    LaunchResult openWith(const QStringList& types, const QString& target);
    LaunchResult launchEntry(const DesktopEntry& entry, const QString& target);
    LaunchResult viaXdgOpen(const QString& target);

    DesktopHandlers& handlers_;
    Launcher& launcher_;
    CommandRunner& runner_;
};

// The real platform objects in one place, for the program's start-up.
struct DesktopPlatform {
    ProcessRunner runner;
    ProcessLauncher launcher;
    XdgDesktopHandlers handlers{runner};
    ShellOpener opener{handlers, launcher, runner};
};

}  // namespace yq::platform
