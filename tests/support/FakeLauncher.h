// Test stand-ins for the program launcher, the helper-command runner, the
// desktop's handler look-up.
// Nothing here starts a program.
#pragma once

#include "platform/ShellOpener.h"
#include "platform/Launcher.h"

#include <QMap>
#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

namespace yq::test {

// Records every start; answers with `nextCode` (or a code per program).
class FakeLauncher final : public platform::Launcher {
public:
    struct Call {
        QString program;
        QStringList args;
    };

    platform::LaunchResult start(const QString& program, const QStringList& args) override {
        calls.push_back({program, args});
        const int code = codeFor.contains(program) ? codeFor.value(program) : nextCode;
        platform::LaunchResult result{program, args, {}};
        if (code <= 32) result.started = platform::launch::failure(code);
        return result;
    }

    std::vector<Call> calls;
    int nextCode = platform::launch::Started;
    QMap<QString, int> codeFor;  // program -> result code
};

// Answers helper commands from a table keyed by "program arg1 arg2 ...";
// a command not in the table cannot be started.
class FakeCommandRunner final : public platform::CommandRunner {
public:
    platform::CommandOutput run(const QString& program, const QStringList& args, int /*timeoutMs*/) override {
        const QString key = (QStringList{program} + args).join(QLatin1Char(' '));
        commands << key;
        if (answers.contains(key)) return answers.value(key);
        return {};
    }
    QString findProgram(const QString& name) override { return programs.value(name); }

    // Makes `command` print `out` and end with exit code 0.
    void answer(const QString& command, const QString& out) {
        platform::CommandOutput output;
        output.started = true;
        output.finished = true;
        output.exitCode = 0;
        output.out = out;
        answers.insert(command, output);
    }

    QMap<QString, platform::CommandOutput> answers;
    QMap<QString, QString> programs;  // name -> full path, for findProgram
    QStringList commands;
};

// A fixed table of default handlers; any other type has none.
class FakeDesktopHandlers final : public platform::DesktopHandlers {
public:
    platform::HandlerLookup defaultHandler(const QString& type) override {
        queries << type;
        if (unavailable) {
            platform::HandlerLookup lookup;
            lookup.status = platform::HandlerLookup::Status::Unavailable;
            return lookup;
        }
        if (lookups.contains(type)) return lookups.value(type);
        return {};
    }

    // Registers a handler with the given Exec line for `type`.
    void set(const QString& type, const QString& exec, const QString& id = QStringLiteral("fake.desktop"),
             bool terminal = false) {
        platform::HandlerLookup lookup;
        lookup.status = platform::HandlerLookup::Status::Found;
        lookup.id = id;
        lookup.entry.id = id;
        lookup.entry.path = QStringLiteral("/fake/applications/") + id;
        lookup.entry.name = id;
        lookup.entry.exec = exec;
        lookup.entry.terminal = terminal;
        lookups.insert(type, lookup);
    }
    // Names a handler for `type` whose desktop file is missing.
    void setBroken(const QString& type, const QString& id) {
        platform::HandlerLookup lookup;
        lookup.status = platform::HandlerLookup::Status::Broken;
        lookup.id = id;
        lookups.insert(type, lookup);
    }

    QMap<QString, platform::HandlerLookup> lookups;
    QStringList queries;
    bool unavailable = false;
};

// Fake launcher, runner and handlers wired into a real ShellOpener.
struct FakeDesktop {
    FakeLauncher launcher;
    FakeCommandRunner runner;
    FakeDesktopHandlers handlers;
    platform::ShellOpener opener{handlers, launcher, runner};
};

}  // namespace yq::test
