// Starting programs without waiting for them, and running small helper
// commands that answer on standard output.
//
// A launch reports a result code numbered like the desktop shell's codes:
// above 32 means the program was started, 32 and below name the reason it
// was not (file or path not found, access denied, no associated program ...).
// Programs are always started from an argument list, never through a shell,
// so no text of an address or a file name is ever interpreted as a command.
#pragma once

#include "design/Result.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <array>
#include <span>
#include <string_view>

namespace yq::platform {

// Result codes of a launch or an open request.
namespace launch {
inline constexpr int OutOfResources = 0;  // the system could not create the process
inline constexpr int Failed = 1;          // failed for a reason that has no code of its own
inline constexpr int FileNotFound = 2;
inline constexpr int PathNotFound = 3;
inline constexpr int AccessDenied = 5;
inline constexpr int OutOfMemory = 8;
inline constexpr int BadFormat = 11;  // not a program this system can run
inline constexpr int SharingViolation = 26;
inline constexpr int AssociationIncomplete = 27;  // a handler exists but its command is unusable
inline constexpr int NoAssociation = 31;          // no program is registered for this kind of file or address
inline constexpr int Started = 42;                // any value above 32 means success

// One result code: its name, the text a message about it shows (the file
// or address follows the "|"), and the system errors (errno) of a failed
// start that mean it.
struct Code {
    int code;
    std::string_view name;
    std::string_view text;  // UTF-8, marked for translation under the context "LaunchCodes"
    std::array<int, 2> errors = {0, 0};
};
// Every code a launch or an open request can give, and those the desktop
// shell numbers next to them, by code.
std::span<const Code> codes();
// The row of a code; nullptr when it has none.
const Code* codeInfo(int code);
}  // namespace launch

// What a launch tried, and whether the program started. A failure's code
// is one of the launch codes; its reason, the system's own words, for
// traces.
struct LaunchResult {
    QString program;  // the program that was (or was to be) started
    QStringList arguments;
    Result<> started;

    bool ok() const { return started.ok(); }
};

namespace launch {
// The result code of an outcome: Started, or the failure's code.
inline int codeOf(const Result<>& outcome) { return codeOr(outcome, Started); }
// A failure with its code, and the system's words (or nothing) as reason.
Problem failure(int code, const QString& detail = {});
}  // namespace launch

// Starts programs detached: the call returns once the program has started
// and never waits for it to finish.
class Launcher {
public:
    virtual ~Launcher();
    virtual LaunchResult start(const QString& program, const QStringList& args) = 0;
};

// The real launcher: QProcess::startDetached with an argument list.
// Before starting, the program is looked up (a bare name on PATH, otherwise
// the path itself), so a missing program, a missing folder or a file that
// may not be run map onto their own codes.
class ProcessLauncher final : public Launcher {
public:
    LaunchResult start(const QString& program, const QStringList& args) override;
};

// Works out why `program` cannot be started, before trying: launch::Started
// when it looks startable, otherwise FileNotFound, PathNotFound,
// AccessDenied or BadFormat. `resolved` receives the full path found.
int checkProgram(const QString& program, QString* resolved = nullptr);

// Maps the system's error text of a failed start ("execve: Permission
// denied", "fork: Cannot allocate memory" ...) onto a result code: the code
// whose system errors' own text (strerror) the text holds.
int launchCodeForError(const QString& errorText);

// Output of a helper command that was run to its end.
struct CommandOutput {
    bool started = false;   // false: the program could not be run at all
    bool finished = false;  // false: it was stopped after the time limit
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs helper programs (such as xdg-mime) to their end and collects what
// they print. Behind an interface so tests can answer for them.
class CommandRunner {
public:
    virtual ~CommandRunner();
    virtual CommandOutput run(const QString& program, const QStringList& args, int timeoutMs = 5000) = 0;
    // Full path of a program on PATH; empty when there is none.
    virtual QString findProgram(const QString& name) = 0;
};

class ProcessRunner final : public CommandRunner {
public:
    CommandOutput run(const QString& program, const QStringList& args, int timeoutMs = 5000) override;
    QString findProgram(const QString& name) override;
};

}  // namespace yq::platform
