// Which program of the desktop opens a kind of address or file, and opening
// addresses and files with it.
//
// The desktop names its default handler for a MIME type or URL scheme
// ("x-scheme-handler/http", "x-scheme-handler/mailto", "text/csv") through
// `xdg-mime query default`; the answer is a desktop file ID whose `.desktop`
// file lies under $XDG_DATA_HOME/applications or one of
// $XDG_DATA_DIRS/applications. Its Exec line, split into program and
// arguments with the field codes (%f %F %u %U %i %c %k %%) expanded, is the
// command that opens a file or address. Nothing here passes through a shell.
#pragma once

#include "platform/Launcher.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace yq::platform {

// The keys of a `.desktop` file's [Desktop Entry] group that launching needs.
struct DesktopEntry {
    QString id;             // desktop file ID ("org.example.Browser.desktop")
    QString path;           // the file it was read from
    QString name;           // Name (unlocalised)
    QString exec;           // Exec, as written in the file
    QString icon;           // Icon
    bool terminal = false;  // Terminal=true: the program runs in a terminal
};

// Reads a `.desktop` file. Empty when the file cannot be read, has no
// [Desktop Entry] group, is not of Type Application, is Hidden, or has no
// Exec key.
std::optional<DesktopEntry> readDesktopFile(const QString& path, const QString& id = {});

// One word of an Exec line after quoting has been undone.
struct ExecWord {
    QString text;
    bool quoted = false;  // some part of it was quoted
};

// Splits an Exec value into words: first the escapes of string values
// (\s \n \t \r \\), then the quoting rules of Exec lines (double-quoted
// words with \" \` \$ \\ inside; single quotes and a backslash outside
// quotes are accepted too, as common launchers do). Empty when a quote is
// left open.
std::optional<std::vector<ExecWord>> splitExecLine(const QString& exec);

// A program and its arguments, ready to start.
struct ExecCommand {
    QString program;
    QStringList arguments;
};

// Expands the field codes of an entry's Exec line for the given targets
// (local paths, file: URLs or other URLs):
//   %f  the first target as a local path   %F  every target, one argument each
//   %u  the first target as a URL           %U  every URL, one argument each
//   %i  "--icon" and the Icon (nothing when there is none)
//   %c  the Name     %k  the desktop file's path     %%  a literal %
// %d %D %n %N %v %m are deprecated and expand to nothing. A word made only of
// a field code that expands to nothing is dropped. When the line has no
// file or URL code, the first target is appended (as launchers do). Empty
// when the line is empty, a quote is left open, or it holds an unknown
// field code.
std::optional<ExecCommand> expandExec(const DesktopEntry& entry, const QStringList& targets);

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
