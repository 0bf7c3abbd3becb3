// yq-calc --lang: every language prints the same numbers in the same line
// (the line form is read by other programs), a wrong code is refused in the
// desktop's language, and the page commands run in another language too.
#include "support/RunProcess.h"
#include "support/TranslationFile.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace yq {
namespace {

using test::calcProgram;
using test::runProcess;

// Sets an environment variable for the life of the object.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const QByteArray& value) : name_(name), old_(qgetenv(name)) {
        qputenv(name, value);
    }
    ~ScopedVariable() { qputenv(name_, old_); }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    const char* name_;
    QByteArray old_;
};

TEST(CalcLanguage, EveryLanguagePrintsTheSameDesign) {
    const QStringList design{"F=7.15", "CD=2", "LD=6", "WD=0.04", "SP=0.08", "CCD=2"};
    const auto english = runProcess(calcProgram(), design);
    ASSERT_EQ(english.exitCode, 0);
    for (const char* code : {"en", "de", "ja", "ru", "it", "es", "pl", "pt_BR", "fr", "cs", "nl", "de_AT", "pt"}) {
        const auto r = runProcess(calcProgram(), QStringList{"--lang", code} + design);
        EXPECT_EQ(r.exitCode, 0) << code;
        EXPECT_EQ(r.err, "") << code;
        EXPECT_EQ(r.out, english.out) << code;
    }
    const auto batch = runProcess(calcProgram(), {"--lang=ru", "--batch"}, "F=7.15 CD=2 LD=6\n");
    EXPECT_EQ(batch.exitCode, 0);
    EXPECT_EQ(batch.out, runProcess(calcProgram(), {"--batch"}, "F=7.15 CD=2 LD=6\n").out);
}

TEST(CalcLanguage, AWrongCodeIsRefusedInTheDesktopsLanguage) {
    const struct {
        QStringList args;
        std::string err;
    } rows[] = {
        {{"--lang", "xx", "F=7.15"},
         "yq-calc: unknown language \"xx\": choose one of en de ja ru it es pl pt_BR fr cs nl\n"},
        {{"F=7.15", "--lang"}, "yq-calc: --lang needs a language code\n"},
        {{"--lang=", "--help"}, "yq-calc: unknown language \"\": choose one of en de ja ru it es pl pt_BR fr cs nl\n"},
    };
    for (const auto& row : rows) {
        const auto r = runProcess(calcProgram(), row.args);
        EXPECT_EQ(r.exitCode, 2) << row.args.join(u' ').toStdString();
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, row.err);
    }
    // On a German desktop, in the words of the German translation.
    const auto german = test::finishedTranslations(QStringLiteral("de"));
    const auto unknown = german.find({QStringLiteral("Language"), QStringLiteral("unknown language \"%1\"")});
    ASSERT_NE(unknown, german.end());
    const ScopedVariable language("LANGUAGE", "de_DE");
    const auto r = runProcess(calcProgram(), {"--lang", "xx"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.err.rfind("yq-calc: " + unknown->second.arg(QStringLiteral("xx")).toStdString(), 0), 0u) << r.err;
}

TEST(CalcLanguage, ThePageCommandsRunInAnotherLanguage) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_EQ(runProcess(calcProgram(), {"save", "F=7.15", "CD=2", "LD=6"}, {}, dir.path()).exitCode, 0);
    for (const char* code : {"de", "ja"}) {
        const auto r =
            runProcess(calcProgram(), {"--lang", code, "build-sheet", "726.ini", "--svg", "sheet.svg"}, {}, dir.path());
        EXPECT_EQ(r.exitCode, 0) << code << ": " << r.err;
        EXPECT_EQ(r.err, "") << code;
    }
    const auto wrong =
        runProcess(calcProgram(), {"report", "726.ini", "--pdf", "r.pdf", "--lang", "xx"}, {}, dir.path());
    EXPECT_EQ(wrong.exitCode, 2);
    EXPECT_NE(wrong.err.find("unknown language \"xx\""), std::string::npos) << wrong.err;
}

}  // namespace
}  // namespace yq
