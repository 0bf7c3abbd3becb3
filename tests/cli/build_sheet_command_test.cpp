#include "support/RunProcess.h"
#include "support/FileBytes.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMap>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace yq {
namespace {

using test::calcProgram;
using test::runProcess;

using test::readAll;

// KEY=value of every field, as `yq-calc --file` computes the design.
QMap<QString, double> calculated(const QTemporaryDir& dir, const QStringList& args) {
    const auto r = runProcess(calcProgram(), args, {}, dir.path());
    EXPECT_EQ(r.exitCode, 0) << r.err;
    QMap<QString, double> values;
    for (const QString& pair : QString::fromStdString(r.out).simplified().split(u' ')) {
        const qsizetype eq = pair.indexOf(u'=');
        if (eq > 0) values.insert(pair.left(eq), pair.mid(eq + 1).toDouble());
    }
    return values;
}

// The number after `label` in the SVG's text, thousands separators removed.
double shownNumber(const QByteArray& svg, const QString& label) {
    const QRegularExpression re(QRegularExpression::escape(label) + QStringLiteral(" (-?[0-9,]+\\.?[0-9]*) "));
    const auto m = re.match(QString::fromUtf8(svg));
    EXPECT_TRUE(m.hasMatch()) << label.toStdString();
    return m.captured(1).remove(u',').toDouble();
}

class BuildSheetCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto saved = runProcess(calcProgram(), {"save", "F=7.15", "CD=2", "LD=6", "WD=0.04", "SP=0.08", "CCD=2"}, {},
                                dir.path());
        ASSERT_EQ(saved.exitCode, 0) << saved.err;
        saved = runProcess(calcProgram(), {"save", "--metric", "F=14.2", "CD=50", "LD=6", "WD=1", "SP=1.5", "CCD=40"},
                           {}, dir.path());
        ASSERT_EQ(saved.exitCode, 0) << saved.err;
        ASSERT_TRUE(QFileInfo::exists(dir.filePath("726.ini")));
        ASSERT_TRUE(QFileInfo::exists(dir.filePath("M14506.ini")));
    }
    QTemporaryDir dir;
};

TEST_F(BuildSheetCommandTest, WritesPdfSvgAndPngOfTheCalculatedDesign) {
    const auto r =
        runProcess(calcProgram(), {"build-sheet", "726.ini", "--pdf", "s.pdf", "--svg", "s.svg", "--png", "s.png"}, {},
                   dir.path());
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "s.pdf\ns.svg\ns.png\n");
    EXPECT_TRUE(readAll(dir.filePath("s.pdf")).startsWith("%PDF-"));
    EXPECT_EQ(QImage(dir.filePath("s.png")).size(), QSize(1200, 1753));  // 150 dpi
    const QByteArray svg = readAll(dir.filePath("s.svg"));
    ASSERT_TRUE(svg.startsWith("<?xml"));
    // What the sheet shows is what the calculation gives for the file.
    const auto calc = calculated(dir, {"--file", "726.ini"});
    EXPECT_DOUBLE_EQ(shownNumber(svg, "Upper cylinder CCL"), calc["CCL"]);
    EXPECT_DOUBLE_EQ(shownNumber(svg, "Tuning coil CL"), calc["CL"]);
    EXPECT_DOUBLE_EQ(shownNumber(svg, "Overall TL"), calc["TL"]);
    EXPECT_DOUBLE_EQ(shownNumber(svg, "LW"), calc["LW"]);
    EXPECT_DOUBLE_EQ(shownNumber(svg, "SCWL"), calc["SCWL"]);
    EXPECT_DOUBLE_EQ(shownNumber(svg, "LPW"), calc["LPW"]);
    EXPECT_TRUE(svg.contains("Design: 726.ini"));
    EXPECT_TRUE(svg.contains("All linear measurements are in inches"));
}

TEST_F(BuildSheetCommandTest, MetricFileIsCalculatedAsTheMetricWindowDoes) {
    const auto r = runProcess(calcProgram(), {"build-sheet", "M14506.ini", "--svg", "m.svg"}, {}, dir.path());
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const QByteArray svg = readAll(dir.filePath("m.svg"));
    const auto calc = calculated(dir, {"--metric", "--file", "M14506.ini"});
    EXPECT_TRUE(svg.contains("All linear measurements are in mm"));
    EXPECT_TRUE(svg.contains("Upper cylinder CCL 300.0 mm"));
    EXPECT_DOUBLE_EQ(shownNumber(svg, "Tuning coil CL"), calc["CL"]);
    EXPECT_DOUBLE_EQ(shownNumber(svg, "LPW"), calc["LPW"]);
    EXPECT_DOUBLE_EQ(shownNumber(svg, "Source coil SCL"), calc["SCL"]);
}

TEST_F(BuildSheetCommandTest, BadUsageAndUnwritableOutputs) {
    struct Case {
        QStringList args;
        int status;
        const char* message;
    };
    const Case cases[] = {
        {{"build-sheet"}, 2, "needs a design file"},
        {{"build-sheet", "726.ini"}, 2, "needs --pdf, --svg or --png"},
        {{"build-sheet", "726.ini", "--pdf"}, 2, "needs a value"},
        {{"build-sheet", "726.ini", "--jpg", "x.jpg"}, 2, "unknown option"},
        {{"build-sheet", "726.ini", "727.ini", "--svg", "x.svg"}, 2, "unexpected argument"},
        {{"build-sheet", "nope.ini", "--svg", "x.svg"}, 1, "not found"},
        {{"build-sheet", "726.ini", "--svg", "no/such/folder/x.svg"}, 1, "no/such/folder"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(u' ').toStdString());
        const auto r = runProcess(calcProgram(), c.args, {}, dir.path());
        EXPECT_EQ(r.exitCode, c.status);
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    }
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("x.svg")));
    // A damaged design file (not text at all) still gives a sheet of what it holds, not a crash.
    QFile junk(dir.filePath("junk.ini"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    static constexpr char kJunk[] = "\xff\xfe\x00\x01[YQ]\r\nF=7.15\r\nCD=1e400\r\nLD=-3";
    junk.write(QByteArray(kJunk, sizeof kJunk - 1));
    junk.close();
    const auto r = runProcess(calcProgram(), {"build-sheet", "junk.ini", "--png", "j.png"}, {}, dir.path());
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_FALSE(QImage(dir.filePath("j.png")).isNull());
}

}  // namespace
}  // namespace yq
