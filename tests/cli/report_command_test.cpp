#include "support/RunProcess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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
    const auto r = runProcess(calcProgram(), {"report", "726.ini", "--pdf", pdf, "--date", "2026-05-01"}, {}, dir.path());
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

TEST_F(ReportCommandTest, BadUsageAndMissingFiles) {
    EXPECT_EQ(runProcess(calcProgram(), {"report", "726.ini"}, {}, dir.path()).exitCode, 2);
    EXPECT_EQ(runProcess(calcProgram(), {"report", "--pdf", "x.pdf"}, {}, dir.path()).exitCode, 2);
    const auto missing = runProcess(calcProgram(), {"report", "nope.ini", "--pdf", "x.pdf"}, {}, dir.path());
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("nope.ini"), std::string::npos);
    EXPECT_FALSE(QFile::exists(dir.filePath("x.pdf")));
}

}  // namespace
}  // namespace yq
