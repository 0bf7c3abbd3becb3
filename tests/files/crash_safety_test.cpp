// A user's folder of designs and results survives whatever happens to a
// saving yq-calc: killed at any moment, a full disk, a file size limit. Each
// design file is either as it was or as the save meant it to be, the results
// table keeps every byte it had and holds only whole rows, nothing else in
// the folder changes, and a save that failed says so (exit status and a
// message with the reason).
#include "support/FileBytes.h"
#include "support/RunProcess.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <csignal>
#include <optional>
#include <random>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace yq {
namespace {

using test::calcProgram;
using test::readAll;
using test::writeAll;

// Two designs that both save as 726.ini (7 MHz, 2 in, ratio 6).
const QStringList kDesignA = {"save", "F=7.15", "CD=2.5", "LD=6.5", "WD=0.064", "SP=0.08", "CCD=2"};
const QStringList kDesignB = {"save", "F=7.9", "CD=2", "LD=6", "WD=0.04", "SP=0.08", "CCD=2.5"};

// A hand-kept design file with a comment and a section of its own: the
// program rewrites the keys it writes and nothing else.
const QByteArray kOldDesign =
    "; my first antenna\r\n[YQ]\r\nF=7.1\r\nCD=2\r\nLD=6\r\nMetric=0\r\n[Notes]\r\nbuilt=2019\r\n";

// Everything in a folder, by name (hidden files included), with its bytes.
QMap<QString, QByteArray> snapshot(const QString& folder) {
    QMap<QString, QByteArray> files;
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name))
        files.insert(name, readAll(dir.filePath(name)));
    return files;
}

void copyFolder(const QString& from, const QString& to) {
    QDir().mkpath(to);
    for (const QString& name : QDir(to).entryList(QDir::Files | QDir::Hidden)) QFile::remove(QDir(to).filePath(name));
    const auto files = snapshot(from);
    for (auto it = files.begin(); it != files.end(); ++it)
        ASSERT_TRUE(writeAll(QDir(to).filePath(it.key()), it.value()));
}

struct Limits {
    std::optional<rlim_t> fileSize;  // RLIMIT_FSIZE, with SIGXFSZ ignored
};

struct Child {
    pid_t pid = -1;
    int err = -1;  // read end of the child's standard error
};

// Starts yq-calc in `folder`. Its standard error goes to a pipe (never to
// a file, which the file size limit would cut short).
Child start(const QStringList& args, const QString& folder, Limits limits = {}) {
    const QByteArray program = QFile::encodeName(calcProgram());
    std::vector<QByteArray> bytes;
    for (const QString& a : args) bytes.push_back(a.toUtf8());
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.constData()));
    for (QByteArray& b : bytes) argv.push_back(b.data());
    argv.push_back(nullptr);
    const QByteArray dir = QFile::encodeName(folder);
    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0) return {};
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (::chdir(dir.constData()) != 0) ::_exit(127);
        const int null = ::open("/dev/null", O_RDWR);
        ::dup2(null, 0);
        ::dup2(null, 1);
        ::dup2(pipeFds[1], 2);
        if (limits.fileSize) {
            // A write past the limit then fails with EFBIG (as on a full
            // disk) instead of ending the program.
            ::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{*limits.fileSize, *limits.fileSize};
            ::setrlimit(RLIMIT_FSIZE, &limit);
        }
        ::execv(program.constData(), argv.data());
        ::_exit(127);
    }
    ::close(pipeFds[1]);
    return {pid, pipeFds[0]};
}

struct Finished {
    int exitCode = -1;  // -1 when killed
    std::string err;
};

Finished finish(const Child& child) {
    Finished r;
    char buffer[4096];
    ssize_t n = 0;
    while ((n = ::read(child.err, buffer, sizeof buffer)) > 0) r.err.append(buffer, static_cast<size_t>(n));
    ::close(child.err);
    int status = 0;
    ::waitpid(child.pid, &status, 0);
    if (WIFEXITED(status)) r.exitCode = WEXITSTATUS(status);
    return r;
}

Finished runIn(const QStringList& args, const QString& folder, Limits limits = {}) {
    return finish(start(args, folder, limits));
}

// The rows of a results table: every line ends in CR LF and is a record of
// 37 quoted fields.
bool wholeRows(const QByteArray& table) {
    if (table.isEmpty()) return true;
    if (!table.endsWith("\r\n")) return false;
    QList<QByteArray> lines = table.split('\n');
    lines.removeLast();
    for (const QByteArray& line : lines) {
        if (!line.endsWith('\r') || !line.startsWith('"') || !line.endsWith("\"\r")) return false;
        if (line.count("\",\"") < 36) return false;
    }
    return true;
}

// A working folder as a user has it: designs, a results table, the user file.
void fillFolder(const QString& folder) {
    ASSERT_EQ(runIn({"users", "add", "Jo Builder W1XYZ"}, folder).exitCode, 0);
    ASSERT_EQ(runIn({"save", "--metric", "F=7.05", "CD=50.8", "LD=6"}, folder).exitCode, 0);
    ASSERT_EQ(runIn({"save", "F=14.2", "CD=1.5", "LD=5"}, folder).exitCode, 0);
    ASSERT_TRUE(writeAll(QDir(folder).filePath("726.ini"), kOldDesign));
}

class Scratch : public ::testing::Test {
protected:
    QTemporaryDir logs;  // beside the folders under test
};

using CrashSafety = Scratch;

// SIGKILL at random moments of many saves. After each one the folder is
// either as before or as one complete save of that design leaves it, file by
// file; the one complete save it is compared with is run in a copy.
TEST_F(CrashSafety, AKilledSaveLeavesEveryFileWholeAndTheTableRowsWhole) {
    QTemporaryDir dir;
    fillFolder(dir.path());
    const QString shadow = logs.filePath("shadow");

    // How long a save takes here (the process alone, not the copying), to
    // spread the kills over it.
    qint64 nanos = 0;
    for (int i = 0; i < 3; ++i) {
        copyFolder(dir.path(), shadow);
        QElapsedTimer timer;
        timer.start();
        ASSERT_EQ(runIn(kDesignA, shadow).exitCode, 0);
        nanos += timer.nsecsElapsed();
    }
    const auto saveMicros = std::max<qint64>(nanos / 3000, 1000);

    const unsigned seed = std::random_device{}();
    SCOPED_TRACE("random seed " + std::to_string(seed) + ", one save " + std::to_string(saveMicros) + " us");
    std::mt19937 random(seed);
    // From the start of the process on, so that some kills come before it
    // changes anything, whatever the machine's load.
    std::uniform_int_distribution<qint64> delay(0, saveMicros * 11 / 10);

    int unchanged = 0, completed = 0, between = 0;
    constexpr int kRounds = 100;
    for (int round = 0; round < kRounds; ++round) {
        const QStringList& design = round % 2 ? kDesignB : kDesignA;
        const auto before = snapshot(dir.path());
        copyFolder(dir.path(), shadow);
        ASSERT_EQ(runIn(design, shadow).exitCode, 0);
        const auto after = snapshot(shadow);

        const Child child = start(design, dir.path());
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        ::kill(child.pid, SIGKILL);
        finish(child);

        const auto now = snapshot(dir.path());
        SCOPED_TRACE("round " + std::to_string(round));
        for (auto it = before.begin(); it != before.end(); ++it) {
            if (it.key() == "yq.ini") continue;      // the working copy, which a save deletes
            if (it.key().startsWith('.')) continue;  // an earlier killed writer's temporary file
            ASSERT_TRUE(now.contains(it.key())) << it.key().toStdString() << " is gone";
            const QByteArray& bytes = now[it.key()];
            ASSERT_TRUE(bytes == it.value() || bytes == after.value(it.key()))
                << it.key().toStdString() << " is neither as before nor as after the save:\n"
                << bytes.toStdString();
        }
        const QByteArray table = now.value("YQ.csv");
        ASSERT_TRUE(table.startsWith(before.value("YQ.csv"))) << "the table lost bytes";
        ASSERT_TRUE(wholeRows(table)) << table.toStdString();
        const bool designNew = now.value("726.ini") != before.value("726.ini");
        const bool rowNew = table != before.value("YQ.csv");
        ASSERT_FALSE(rowNew && !designNew && before.value("726.ini") != after.value("726.ini"))
            << "a row was added for a design that was not written";
        if (!designNew && !rowNew) {
            ++unchanged;
        } else if (designNew && rowNew) {
            ++completed;
        } else {
            ++between;
        }
    }
    std::printf("kills: %d before any change, %d between design and row, %d after the save\n", unchanged, between,
                completed);
    // The kills landed on both sides of the save, so they did test something.
    EXPECT_GT(unchanged, 0);
    EXPECT_GT(completed, 0);

    // The next complete save clears what the killed ones left behind.
    ASSERT_EQ(runIn(kDesignA, dir.path()).exitCode, 0);
    QStringList leftovers;
    for (const QString& name : snapshot(dir.path()).keys())
        if (name.startsWith('.') || name.contains(".ini.") || name.contains("yqtmp")) leftovers << name;
    EXPECT_TRUE(leftovers.isEmpty()) << leftovers.join(' ').toStdString();
}

// A file size limit stops the writes part way (as a full disk does); the
// program goes on to see the failure, since SIGXFSZ is ignored.
struct SizeLimitCase {
    const char* name;
    rlim_t limit;        // bytes
    bool designWritten;  // the design file fits under the limit
};

void PrintTo(const SizeLimitCase& c, std::ostream* out) { *out << c.name << " (" << c.limit << " bytes)"; }

class CrashSafetySizeLimit : public Scratch, public ::testing::WithParamInterface<SizeLimitCase> {};

TEST_P(CrashSafetySizeLimit, AWriteCutShortIsReportedAndLeavesTheFilesWhole) {
    const SizeLimitCase& c = GetParam();
    QTemporaryDir dir;
    fillFolder(dir.path());
    // A results table larger than the limit: no row can be appended.
    QByteArray table = readAll(dir.filePath("YQ.csv"));
    const QByteArray row = table.mid(table.indexOf("\r\n") + 2);
    while (table.size() < 6000) table += row;
    ASSERT_TRUE(writeAll(dir.filePath("YQ.csv"), table));
    const auto before = snapshot(dir.path());

    const Finished r = runIn(kDesignA, dir.path(), {c.limit});
    EXPECT_NE(r.exitCode, 0) << "the failed save was reported as success";
    EXPECT_NE(r.err.find("File too large"), std::string::npos) << "no reason given: " << r.err;

    const auto now = snapshot(dir.path());
    EXPECT_EQ(now.value("YQ.csv"), table) << "the table changed";
    const QByteArray design = now.value("726.ini");
    if (c.designWritten) {
        EXPECT_TRUE(design.startsWith("; my first antenna\r\n[YQ]\r\nF=7.15\r\n")) << design.toStdString();
    } else {
        EXPECT_EQ(design, kOldDesign) << "the design file changed";
    }
    for (auto it = before.begin(); it != before.end(); ++it) {
        if (it.key() == "726.ini" || it.key() == "YQ.csv") continue;
        EXPECT_EQ(now.value(it.key()), it.value()) << it.key().toStdString();
    }
    for (const QString& name : now.keys()) {
        EXPECT_TRUE(before.contains(name)) << "left behind: " << name.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Limits, CrashSafetySizeLimit,
                         ::testing::Values(SizeLimitCase{"NothingFits", 100, false},
                                           SizeLimitCase{"TheDesignFitsTheRowDoesNot", 4000, true}),
                         [](const auto& test) { return std::string(test.param.name); });

// A full disk: a small tmpfs in a temporary folder (needs root; skipped
// when it cannot be mounted).
class FullDisk : public Scratch {
protected:
    void SetUp() override {
        if (::geteuid() != 0) GTEST_SKIP() << "mounting a small file system needs root";
        mountPoint_ = logs.filePath("disk");
        QDir().mkpath(mountPoint_);
        if (::mount("tmpfs", QFile::encodeName(mountPoint_).constData(), "tmpfs", 0, "size=256k,mode=0700") != 0)
            GTEST_SKIP() << "tmpfs could not be mounted: " << std::strerror(errno);
        mounted_ = true;
    }
    void TearDown() override {
        if (mounted_) ::umount2(QFile::encodeName(mountPoint_).constData(), MNT_DETACH);
    }
    // Takes all the room that is left.
    void fill() {
        QFile filler(QDir(mountPoint_).filePath("filler"));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
        filler.close();
        const int fd = ::open(QFile::encodeName(filler.fileName()).constData(), O_WRONLY | O_APPEND);
        while (::write(fd, "x", 1) == 1) {
        }
        ::close(fd);
    }
    QString mountPoint_;
    bool mounted_ = false;
};

TEST_F(FullDisk, ASaveOnAFullDiskChangesNothingAndTellsTheUser) {
    const QString folder = QDir(mountPoint_).filePath("designs");
    ASSERT_TRUE(QDir().mkpath(folder));
    fillFolder(folder);
    fill();
    const auto before = snapshot(folder);

    const Finished r = runIn(kDesignA, folder);
    EXPECT_NE(r.exitCode, 0) << "the failed save was reported as success";
    EXPECT_NE(r.err.find("No space left on device"), std::string::npos) << "no reason given: " << r.err;
    const auto now = snapshot(folder);
    EXPECT_EQ(now.keys(), before.keys());
    for (auto it = before.begin(); it != before.end(); ++it) {
        if (it.key() == "yq.ini") continue;
        EXPECT_EQ(now.value(it.key()), it.value()) << it.key().toStdString() << " changed";
    }
}

// Room for the new design file but not for the row: the design is saved
// whole, the table keeps its bytes, and the user is told that the row is
// missing. (A second link to the old design file keeps its room taken when
// the new file replaces it.)
TEST_F(FullDisk, ARowThatFindsNoRoomIsReportedAndTheTableKeepsItsBytes) {
    const QString folder = QDir(mountPoint_).filePath("designs");
    ASSERT_TRUE(QDir().mkpath(folder));
    fillFolder(folder);
    const QString backup = QDir(mountPoint_).filePath("backup-726.ini");
    ASSERT_EQ(
        ::link(QFile::encodeName(QDir(folder).filePath("726.ini")).constData(), QFile::encodeName(backup).constData()),
        0);
    // A table whose next row needs a new page of the file system.
    QByteArray table = readAll(QDir(folder).filePath("YQ.csv"));
    const QByteArray rows = table.mid(table.indexOf("\r\n") + 2);
    while (table.size() % 4096 + rows.size() <= 4096) table += rows;
    ASSERT_TRUE(writeAll(QDir(folder).filePath("YQ.csv"), table));
    fill();
    // One page for the design file's new copy.
    const QString filler = QDir(mountPoint_).filePath("filler");
    ASSERT_TRUE(QFile::resize(filler, QFileInfo(filler).size() - 4096));
    const auto before = snapshot(folder);

    const Finished r = runIn(kDesignA, folder);
    const auto now = snapshot(folder);
    const QByteArray& design = now.value("726.ini");
    EXPECT_TRUE(design.contains("F=7.15\r\n") && design.startsWith("; my first antenna\r\n[YQ]\r\n") &&
                design.endsWith("[Notes]\r\nbuilt=2019\r\n"))
        << design.toStdString();
    EXPECT_EQ(readAll(backup), kOldDesign);
    EXPECT_EQ(now.value("YQ.csv"), table) << "the table changed";
    EXPECT_NE(r.exitCode, 0) << "the missing row was reported as success";
    EXPECT_NE(r.err.find("No space left on device"), std::string::npos) << "no reason given: " << r.err;
    EXPECT_EQ(now.value("yq1.sqlite"), before.value("yq1.sqlite"));
    EXPECT_EQ(now.keys(), before.keys());
}

}  // namespace
}  // namespace yq
