#include "support/RunProcess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace yq {
namespace {

using test::calcProgram;
using test::runProcess;

class ReportCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(runProcess(calcProgram(), {"users", "add", "Jo Builder W1XYZ"}, {}, dir.path()).exitCode, 0);
        ASSERT_EQ(runProcess(calcProgram(), {"users", "add", "Al Helper K2ABC"}, {}, dir.path()).exitCode, 0);
        const auto saved = runProcess(calcProgram(), {"save", "F=7.15", "CD=2", "LD=6", "WD=0.04", "SP=0.08", "CCD=2"},
                                      {}, dir.path());
        ASSERT_EQ(saved.exitCode, 0) << saved.err;
    }
    QTemporaryDir dir;
};

TEST_F(ReportCommandTest, PdfHasOnePagePerUserRecord) {
    const QString pdf = dir.filePath("report.pdf");
    const auto r =
        runProcess(calcProgram(), {"report", "726.ini", "--pdf", pdf, "--date", "2026-05-01"}, {}, dir.path());
    ASSERT_EQ(r.exitCode, 0) << r.err;
    QFile f(pdf);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF-"));
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 2)
        << "two designers, two pages";
}

TEST_F(ReportCommandTest, ExportWritesDocumentPageAndDraft) {
    const auto r = runProcess(calcProgram(), {"report", "726.ini", "--export"}, {}, dir.path());
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const QStringList paths = QString::fromStdString(r.out).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(paths.size(), 3) << r.out;
    EXPECT_EQ(QFileInfo(paths[0]).fileName(), "Report.RTF");
    EXPECT_TRUE(QFileInfo(paths[1]).fileName().startsWith("vh"));
    EXPECT_TRUE(paths[2].endsWith(".eml"));
    for (const QString& p : paths) {
        EXPECT_TRUE(QFileInfo(p).isFile()) << p.toStdString();
        EXPECT_EQ(QFileInfo(p).absolutePath(), QDir(dir.filePath("VH")).absolutePath());
    }
    QFile rtf(paths[0]);
    ASSERT_TRUE(rtf.open(QIODevice::ReadOnly));
    EXPECT_EQ(rtf.readAll().count("{\\pict"), 2);  // one picture per page
    // Only the document, its page and the draft remain in the export folder.
    EXPECT_EQ(QDir(dir.filePath("VH")).entryList(QDir::Files).size(), 3);
}

// `yq-calc report 726.ini --export` in `folder` where no file may grow
// beyond `limit` bytes (SIGXFSZ ignored, so writes come back short as on a
// full disk). Returns the exit code; the standard error goes to `errPath`.
int exportUnderFileSizeLimit(const QString& folder, rlim_t limit, const QString& errPath) {
    const QByteArray program = QFile::encodeName(calcProgram());
    const QByteArray where = QFile::encodeName(folder);
    const QByteArray err = QFile::encodeName(errPath);
    const pid_t child = ::fork();
    if (child == 0) {
        if (::chdir(where.constData()) != 0) ::_exit(90);
        const int fd = ::open(err.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd >= 0) ::dup2(fd, 2);
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit small{limit, limit};
        ::setrlimit(RLIMIT_FSIZE, &small);
        ::execl(program.constData(), program.constData(), "report", "726.ini", "--export", static_cast<char*>(nullptr));
        ::_exit(91);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 100;
}

TEST_F(ReportCommandTest, ExportThatDoesNotFitExitsNonZeroAndLeavesTheEarlierReportWhole) {
    ASSERT_TRUE(QDir(dir.path()).mkpath("VH"));
    const QByteArray earlier = "{\\rtf1 the earlier report}";
    {
        QFile old(dir.filePath("VH/Report.RTF"));
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(earlier);
    }
    // Large enough for the HTML page, too small for the pages.
    const int code = exportUnderFileSizeLimit(dir.path(), 32 * 1024, dir.filePath("err.txt"));
    EXPECT_NE(code, 0);
    EXPECT_LT(code, 90) << "the command did not run";
    QFile err(dir.filePath("err.txt"));
    ASSERT_TRUE(err.open(QIODevice::ReadOnly));
    const QByteArray told = err.readAll();
    EXPECT_TRUE(told.contains("File too large")) << told.toStdString();
    QFile rtf(dir.filePath("VH/Report.RTF"));
    ASSERT_TRUE(rtf.open(QIODevice::ReadOnly));
    EXPECT_EQ(rtf.readAll(), earlier);
    // No draft that could pass for the mail with a cut document.
    for (const QString& name : QDir(dir.filePath("VH")).entryList({"*.eml"}, QDir::Files)) {
        QFile draft(dir.filePath("VH/" + name));
        ASSERT_TRUE(draft.open(QIODevice::ReadOnly));
        EXPECT_FALSE(draft.readAll().contains("Report.rtf")) << name.toStdString();
    }
}

// A damaged user file: the command says the file cannot be read and fails,
// for the PDF and the export alike, and leaves the file as it was.
TEST_F(ReportCommandTest, ADamagedUserFileFailsWithTheReasonAndIsLeftAlone) {
    const QString users = dir.filePath("yq1.sqlite");
    ASSERT_TRUE(QFile::exists(users));
    const QByteArray garbage(4096, '\x42');
    {
        QFile f(users);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(garbage);
    }
    for (const QStringList& args : {QStringList{"report", "726.ini", "--pdf", dir.filePath("r.pdf")},
                                    QStringList{"report", "726.ini", "--export"}}) {
        const auto r = runProcess(calcProgram(), args, {}, dir.path());
        EXPECT_EQ(r.exitCode, 1) << args.join(' ').toStdString();
        EXPECT_NE(r.err.find("cannot be read"), std::string::npos) << r.err;
        EXPECT_EQ(r.err.find('|'), std::string::npos) << "one line: " << r.err;
    }
    EXPECT_FALSE(QFile::exists(dir.filePath("r.pdf")));
    EXPECT_FALSE(QFile::exists(dir.filePath("VH/Report.RTF")));
    QFile f(users);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), garbage);
}

TEST_F(ReportCommandTest, BadUsageAndMissingFiles) {
    EXPECT_EQ(runProcess(calcProgram(), {"report", "726.ini"}, {}, dir.path()).exitCode, 2);
    EXPECT_EQ(runProcess(calcProgram(), {"report", "--pdf", "x.pdf"}, {}, dir.path()).exitCode, 2);
    const auto missing = runProcess(calcProgram(), {"report", "nope.ini", "--pdf", "x.pdf"}, {}, dir.path());
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("nope.ini"), std::string::npos);
    EXPECT_FALSE(QFile::exists(dir.filePath("x.pdf")));
}

// yq-calc hands the page commands to yq-calc-pages beside it; a copy of
// yq-calc without it still calculates, and says what it misses for a page.
TEST_F(ReportCommandTest, WithoutThePageProgramTheCalculatorWorksAndTheReportSaysWhatIsMissing) {
    const QString lone = dir.filePath("lone-yq-calc");
    ASSERT_TRUE(QFile::copy(calcProgram(), lone));
    ASSERT_TRUE(QFile::setPermissions(lone, QFile::ReadOwner | QFile::ExeOwner));
    const auto calc = runProcess(lone, {"F=7.15", "CD=2", "LD=6", "WD=0.04", "SP=0.08", "CCD=2"}, {}, dir.path());
    EXPECT_EQ(calc.exitCode, 0) << calc.err;
    EXPECT_EQ(calc.out.rfind("F=7.1500 ", 0), 0u) << calc.out;
    const auto report = runProcess(lone, {"report", "726.ini", "--pdf", "x.pdf"}, {}, dir.path());
    EXPECT_EQ(report.exitCode, 1);
    EXPECT_NE(report.err.find("yq-calc-pages, which is not installed"), std::string::npos) << report.err;
    EXPECT_FALSE(QFile::exists(dir.filePath("x.pdf")));
    // The real one, with its page program beside it, writes the page.
    EXPECT_EQ(runProcess(calcProgram(), {"report", "726.ini", "--pdf", "x.pdf"}, {}, dir.path()).exitCode, 0);
    EXPECT_TRUE(QFile::exists(dir.filePath("x.pdf")));
}

}  // namespace
}  // namespace yq
