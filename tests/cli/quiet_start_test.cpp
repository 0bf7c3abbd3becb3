// yq-calc started without a runtime folder (as root from a plain shell):
// the report commands, which make an application object, print nothing
// but their own output; Qt's runtime-folder warning does not appear.
#include "support/RunProcess.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace yq {
namespace {

class WithoutRuntimeFolder {
public:
    explicit WithoutRuntimeFolder(const QString& tmp)
        : had_(qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")),
          old_(qgetenv("XDG_RUNTIME_DIR")),
          hadTmp_(qEnvironmentVariableIsSet("TMPDIR")),
          oldTmp_(qgetenv("TMPDIR")) {
        qunsetenv("XDG_RUNTIME_DIR");
        qputenv("TMPDIR", tmp.toLocal8Bit());
    }
    ~WithoutRuntimeFolder() {
        if (had_) qputenv("XDG_RUNTIME_DIR", old_);
        if (hadTmp_)
            qputenv("TMPDIR", oldTmp_);
        else
            qunsetenv("TMPDIR");
    }
    WithoutRuntimeFolder(const WithoutRuntimeFolder&) = delete;
    WithoutRuntimeFolder& operator=(const WithoutRuntimeFolder&) = delete;

private:
    bool had_;
    QByteArray old_;
    bool hadTmp_;
    QByteArray oldTmp_;
};

TEST(QuietStart, ReportCommandsPrintNoRuntimeFolderWarning) {
    QTemporaryDir dir, tmp;
    ASSERT_TRUE(dir.isValid() && tmp.isValid());
    const WithoutRuntimeFolder env(tmp.path());
    const auto saved = test::runProcess(test::calcProgram(), {"save", "F=7.15", "CD=2", "LD=6"}, {}, dir.path());
    ASSERT_EQ(saved.exitCode, 0) << saved.err;
    EXPECT_EQ(saved.err, "");

    const auto pdf = test::runProcess(test::calcProgram(), {"report", "726.ini", "--pdf", "726.pdf"}, {}, dir.path());
    EXPECT_EQ(pdf.exitCode, 0);
    EXPECT_EQ(pdf.err, "");
    const auto exported = test::runProcess(test::calcProgram(), {"report", "726.ini", "--export"}, {}, dir.path());
    EXPECT_EQ(exported.exitCode, 0);
    EXPECT_EQ(exported.err, "");
    EXPECT_NE(exported.out.find("Report.RTF"), std::string::npos);
}

}  // namespace
}  // namespace yq
