#include "platform/Launcher.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string_view>

namespace yq::platform {
namespace {

void writeFile(const QString& path, const QByteArray& bytes, QFile::Permissions permissions) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    ASSERT_TRUE(file.setPermissions(permissions));
}

constexpr QFile::Permissions kReadWrite = QFile::ReadOwner | QFile::WriteOwner;
constexpr QFile::Permissions kExecutable = kReadWrite | QFile::ExeOwner;

class ProcessLauncherTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    ProcessLauncher launcher;
};

TEST_F(ProcessLauncherTest, FailedStartsMapToTheirCodes) {
    ASSERT_TRUE(dir.isValid());
    writeFile(dir.filePath(QStringLiteral("plain.txt")), "text", kReadWrite);
    writeFile(dir.filePath(QStringLiteral("garbage")), QByteArray("\x01\x02\x03 not a program", 18), kExecutable);

    struct Case {
        QString program;
        int code;
    } cases[] = {
        {dir.filePath(QStringLiteral("missing")), launch::FileNotFound},
        {dir.filePath(QStringLiteral("no-folder/program")), launch::PathNotFound},
        {QStringLiteral("yq-no-such-program-on-path"), launch::FileNotFound},
        {QString(), launch::FileNotFound},
        {dir.filePath(QStringLiteral("plain.txt")), launch::AccessDenied},  // not executable
        {dir.path(), launch::AccessDenied},                                 // a folder
        {dir.filePath(QStringLiteral("garbage")), launch::BadFormat},       // executable bit, no program
    };
    for (const Case& c : cases) {
        const LaunchResult result = launcher.start(c.program, {QStringLiteral("x")});
        EXPECT_EQ(launch::codeOf(result.started), c.code)
            << c.program.toStdString() << " " << (result.ok() ? std::string() : result.started.problem().reason);
        EXPECT_FALSE(result.ok());
        EXPECT_EQ(result.program, c.program);
    }
}

TEST_F(ProcessLauncherTest, StartsProgramWithArgumentsVerbatim) {
    // A script that writes its arguments, one per line, to a file: the
    // arguments must arrive untouched by any shell.
    const QString out = dir.filePath(QStringLiteral("args.txt"));
    const QString script = dir.filePath(QStringLiteral("record"));
    writeFile(script,
              "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$0.out.tmp\"\nmv \"$0.out.tmp\" \"" +
                  out.toUtf8() + "\"\n",
              kExecutable);
    const QStringList args{QStringLiteral("http://example.org/?a=1&b=2"), QStringLiteral("$HOME; rm -rf x"),
                           QStringLiteral("two words")};
    const LaunchResult result = launcher.start(script, args);
    ASSERT_TRUE(result.ok()) << (result.ok() ? std::string() : result.started.problem().reason);
    EXPECT_GT(launch::codeOf(result.started), 32);

    // The launcher does not wait; give the script a moment to finish.
    QFile file(out);
    for (int i = 0; i < 200 && !file.exists(); ++i) QThread::msleep(20);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(file.readAll()), args.join(QLatin1Char('\n')) + QLatin1Char('\n'));
}

TEST(LaunchCodeForError, SystemTextsMapOntoCodes) {
    const std::pair<const char*, int> table[] = {
        {"execv: No such file or directory", launch::FileNotFound},
        {"execv: Not a directory", launch::PathNotFound},
        {"execv: Permission denied", launch::AccessDenied},
        {"execv: Exec format error", launch::BadFormat},
        {"fork: Cannot allocate memory", launch::OutOfMemory},
        {"execv: Text file busy", launch::SharingViolation},
        {"fork: Resource temporarily unavailable", launch::OutOfResources},
        {"something else entirely", launch::Failed},
    };
    for (const auto& [text, code] : table) EXPECT_EQ(launchCodeForError(QString::fromUtf8(text)), code) << text;
}

// The table of codes: one row per number and per name, each of its system
// errors recognised in a failed start's text whatever the system words it.
TEST(LaunchCodes, EachCodeHasOneRowAndItsSystemErrorsMapOntoIt) {
    std::set<int> numbers;
    std::set<std::string_view> names;
    for (const launch::Code& c : launch::codes()) {
        EXPECT_TRUE(numbers.insert(c.code).second) << c.code;
        EXPECT_TRUE(names.insert(c.name).second) << c.name;
        EXPECT_EQ(launch::codeInfo(c.code), &c);
        EXPECT_EQ(c.text.empty(), c.code > 32) << c.name;  // success has no failure text
        for (const int error : c.errors) {
            if (error == 0) continue;
            const QString text = QStringLiteral("execve: ") + QString::fromLocal8Bit(std::strerror(error));
            EXPECT_EQ(launchCodeForError(text), c.code) << text.toStdString();
        }
    }
    EXPECT_EQ(launch::codeInfo(4), nullptr);
}

TEST(CheckProgram, ResolvesBareNamesOnPath) {
    QString resolved;
    EXPECT_EQ(checkProgram(QStringLiteral("sh"), &resolved), launch::Started);
    EXPECT_TRUE(resolved.endsWith(QStringLiteral("/sh")));
    EXPECT_EQ(checkProgram(QStringLiteral("yq-no-such-program-on-path"), &resolved), launch::FileNotFound);
    EXPECT_TRUE(resolved.isEmpty());
}

TEST(ProcessRunnerTest, CollectsOutputAndTellsWhenProgramIsMissing) {
    ProcessRunner runner;
    const CommandOutput echo =
        runner.run(QStringLiteral("printf"), {QStringLiteral("%s|%s"), QStringLiteral("a b"), QStringLiteral("c")});
    EXPECT_TRUE(echo.started);
    EXPECT_TRUE(echo.finished);
    EXPECT_EQ(echo.exitCode, 0);
    EXPECT_EQ(echo.out, QStringLiteral("a b|c"));

    const CommandOutput failing =
        runner.run(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("echo oops >&2; exit 3")});
    EXPECT_TRUE(failing.finished);
    EXPECT_EQ(failing.exitCode, 3);
    EXPECT_EQ(failing.err, QStringLiteral("oops\n"));

    const CommandOutput missing = runner.run(QStringLiteral("yq-no-such-program-on-path"), {});
    EXPECT_FALSE(missing.started);
    EXPECT_TRUE(runner.findProgram(QStringLiteral("yq-no-such-program-on-path")).isEmpty());
}

TEST(ProcessRunnerTest, StopsProgramsThatRunTooLong) {
    ProcessRunner runner;
    const CommandOutput slow = runner.run(QStringLiteral("sleep"), {QStringLiteral("5")}, 200);
    EXPECT_TRUE(slow.started);
    EXPECT_FALSE(slow.finished);
}

}  // namespace
}  // namespace yq::platform
