#include "cli/ToolCommands.h"
#include "support/CalcText.h"
#include "support/RunProcess.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace yq {
namespace {

using test::calcProgram;
using test::runProcess;

struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

ToolRun tool(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    ToolRun r;
    r.status = cli::runToolCommand(args, out, err);
    r.out = out.str();
    r.err = err.str();
    return r;
}

// Runs a tool with the current folder set to `folder`, as yq-calc runs in it.
ToolRun toolIn(const QString& folder, const std::vector<std::string>& args) {
    const QString before = QDir::currentPath();
    QDir::setCurrent(folder);
    ToolRun r = tool(args);
    QDir::setCurrent(before);
    return r;
}

using test::fieldsOf;

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream stream(text);
    while (std::getline(stream, part, separator)) parts.push_back(part);
    return parts;
}

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const std::vector<std::string> kDesign = {"CD=2", "LD=6", "WD=0.04", "SP=0.08", "CCD=2", "MBW=35"};

std::vector<std::string> with(std::vector<std::string> args, const std::vector<std::string>& more) {
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

QStringList qargs(const std::vector<std::string>& args) {
    QStringList out;
    for (const auto& a : args) out << QString::fromStdString(a);
    return out;
}

TEST(SweepCommand, EachRowIsASingleYqCalcRunAtThatPoint) {
    for (const bool metric : {false, true}) {
        const std::vector<std::string> design =
            metric ? std::vector<std::string>{"--metric", "CD=50.8", "LD=6", "WD=1.02", "SP=2.03", "CCD=45", "F=9"}
                   : with(kDesign, {"F=9"});  // the swept F replaces this one
        const ToolRun sweep = tool(with({"sweep", "F=7:7.3:0.075"}, design));
        ASSERT_EQ(sweep.status, 0) << sweep.err;
        // yq-calc itself gives the same.
        const auto program = runProcess(calcProgram(), qargs(with({"sweep", "F=7:7.3:0.075"}, design)));
        EXPECT_EQ(program.exitCode, 0) << program.err;
        EXPECT_EQ(program.out, sweep.out);
        const auto rows = split(sweep.out, '\n');
        ASSERT_EQ(rows.size(), 6u);  // title and 5 points
        const auto title = split(rows[0].substr(0, rows[0].size() - 1), ',');
        ASSERT_EQ(title.size(), 45u);
        const char* points[] = {"7", "7.075", "7.15", "7.225", "7.3"};
        for (int i = 0; i < 5; ++i) {
            const auto single = runProcess(calcProgram(), qargs(with(design, {std::string("F=") + points[i]})));
            ASSERT_EQ(single.exitCode, 0) << single.err;
            const auto expected = fieldsOf(single.out);
            ASSERT_EQ(rows[i + 1].back(), '\r');
            const auto values = split(rows[i + 1].substr(0, rows[i + 1].size() - 1), ',');
            ASSERT_EQ(values.size(), title.size());
            for (std::size_t k = 0; k < title.size(); ++k)
                EXPECT_EQ(values[k], expected.at(title[k])) << title[k] << " at F=" << points[i];
        }
    }
}

TEST(SweepCommand, RefusesBadRangesNamingTheText) {
    struct Case {
        std::vector<std::string> args;
        const char* named;
    } const cases[] = {
        {{"sweep", "F=7:7.3:0"}, "step '0' is 0"},
        {{"sweep", "F=7:7.3:-1"}, "runs away"},
        {{"sweep", "F=1:20000:1"}, "20000 points"},
        {{"sweep", "Q=1:2:1"}, "'Q'"},
        {{"sweep", "F=7:7.3:abc"}, "'abc'"},
        {{"sweep", "F=7:7.3:0.1", "CD=2:3:1"}, "'CD=2:3:1'"},
        {{"sweep"}, "KEY=FROM:TO:STEP"},
        {{"sweep", "F=7:7.3:0.1", "XX=1"}, "'XX'"},
        {{"sweep", "F=7:7.3:0.1", "--partial", "wire-length"}, "--partial"},
    };
    for (const Case& c : cases) {
        const ToolRun r = tool(c.args);
        EXPECT_EQ(r.status, 2) << c.named;
        EXPECT_TRUE(r.out.empty()) << c.named;
        EXPECT_NE(r.err.find(c.named), std::string::npos) << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
}

TEST(FitCommand, PrintsTheFittedDesignAsYqCalcPrintsIt) {
    const ToolRun fit = tool(with({"fit", "NT=30", "F=7.15"}, kDesign));
    ASSERT_EQ(fit.status, 0) << fit.err;
    const auto fields = fieldsOf(fit.out);
    const double nt = std::stod(fields.at("NT"));
    EXPECT_LE(std::abs(nt - 30), 0.5);
    // The same design with the fitted factor, computed by yq-calc itself.
    const auto check = runProcess(calcProgram(), qargs(with(with({"F=7.15"}, kDesign), {"FAC=" + fields.at("FAC")})));
    EXPECT_EQ(check.out, fit.out);

    const ToolRun source = tool(with({"fit", "SCT=2.5", "F=7.15"}, kDesign));
    ASSERT_EQ(source.status, 0) << source.err;
    EXPECT_LE(std::abs(std::stod(fieldsOf(source.out).at("SCT")) - 2.5), 0.5);
}

TEST(FitCommand, NothingWithinHalfATurnExitsThreeWithTheNearest) {
    const ToolRun fit = tool(with({"fit", "NT=900", "F=7.15"}, kDesign));
    EXPECT_EQ(fit.status, 3);
    const auto program = runProcess(calcProgram(), qargs(with({"fit", "NT=900", "F=7.15"}, kDesign)));
    EXPECT_EQ(program.exitCode, 3);
    EXPECT_EQ(program.out, fit.out);
    EXPECT_EQ(program.err, fit.err);
    const auto fields = fieldsOf(fit.out);
    ASSERT_TRUE(fields.count("FAC"));
    EXPECT_NE(fit.err.find("no FAC from 1.00 to 99.99 gives NT within half a turn of 900"), std::string::npos)
        << fit.err;
    EXPECT_NE(fit.err.find("FAC=" + fields.at("FAC").substr(0, fields.at("FAC").size())), std::string::npos);
}

TEST(FitCommand, AFileOfTheOtherUnitSystemWarnsAsTheWindowDoes) {
    QTemporaryDir dir;
    ASSERT_EQ(
        runProcess(calcProgram(), {"save", "--metric", "F=7.05", "CD=50.8", "LD=6", "WD=1.02", "SP=2.03", "CCD=50.8"},
                   {}, dir.path())
            .exitCode,
        0);
    const std::string file = dir.filePath("M7506.ini").toStdString();
    const auto metric = runProcess(calcProgram(), {"--metric", "--file", QString::fromStdString(file), "FAC=3.5"});
    const std::string turns = fieldsOf(metric.out).at("NT");
    const ToolRun own = tool({"fit", "NT=" + turns, "--metric", "--file", file});
    EXPECT_EQ(own.status, 0) << own.err;
    EXPECT_TRUE(own.err.empty()) << own.err;
    EXPECT_EQ(fieldsOf(own.out).at("NT"), turns);
    // Without --metric the file is calculated as inches, after the warning.
    const ToolRun asInches = tool({"fit", "NT=" + turns, "--file", file});
    EXPECT_NE(asInches.status, 2) << asInches.err;
    EXPECT_NE(asInches.err.find("yq-calc: warning: Incorrect choice."), std::string::npos) << asInches.err;
    EXPECT_NE(fieldsOf(asInches.out).at("TL"), fieldsOf(own.out).at("TL"));
}

TEST(FitCommand, RefusesBadInput) {
    struct Case {
        std::vector<std::string> args;
        const char* named;
    } const cases[] = {
        {{"fit", "F=7"}, "NT=<turns>"},          {{"fit", "NT=abc", "F=7"}, "'abc'"},
        {{"fit", "NT=-4", "F=7"}, "'-4'"},       {{"fit", "NT=4", "SCT=2"}, "'SCT=2'"},
        {{"fit", "NT=4", "FAC=2"}, "'FAC=2'"},   {{"fit", "NT=4", "--runs", "3"}, "--runs"},
        {{"fit", "NT=4", "F=seven"}, "'seven'"},
    };
    for (const Case& c : cases) {
        const ToolRun r = tool(c.args);
        EXPECT_EQ(r.status, 2) << c.named;
        EXPECT_NE(r.err.find(c.named), std::string::npos) << r.err;
    }
}

TEST(ConvertCommand, RoundTripThroughFilesGivesBackTheSavedDesign) {
    QTemporaryDir dir;
    const auto saved =
        runProcess(calcProgram(), qargs(with({"save", "F=7.15", "PCCD=1.75", "SCD=1.5"}, kDesign)), {}, dir.path());
    ASSERT_EQ(saved.exitCode, 0) << saved.err;
    const QString imperialPath = dir.filePath("726.ini");
    const QByteArray original = bytesOf(imperialPath);

    QTemporaryDir metricDir;
    const ToolRun toMetric = toolIn(metricDir.path(), {"convert", imperialPath.toStdString(), "--to", "metric"});
    ASSERT_EQ(toMetric.status, 0) << toMetric.err;
    const QString metricPath = QDir(metricDir.path()).filePath("M7506.ini");  // 7.15 MHz, 50.8 mm, 6
    EXPECT_EQ(toMetric.out, metricPath.toStdString() + "\n");
    const QByteArray metric = bytesOf(metricPath);
    EXPECT_TRUE(metric.contains("\nCD=50.8\n")) << metric.constData();
    EXPECT_TRUE(metric.contains("\nWD=1.016\n"));
    EXPECT_TRUE(metric.contains("\nPCCD=44.45\n"));
    EXPECT_TRUE(metric.endsWith("\nMetric=1\n"));

    // The Metric window's SAVE of that file writes the same file, bar the
    // ratio that the Metric calculation takes from the coil length it held.
    QTemporaryDir resaveDir;
    const auto resaved = runProcess(calcProgram(), {"save", "--metric", "--file", metricPath}, {}, resaveDir.path());
    ASSERT_EQ(resaved.exitCode, 0) << resaved.err;
    auto withoutRatio = [](QByteArray bytes) {
        QList<QByteArray> lines = bytes.split('\n');
        lines.erase(
            std::remove_if(lines.begin(), lines.end(), [](const QByteArray& l) { return l.startsWith("RAT="); }),
            lines.end());
        return lines.join('\n');
    };
    EXPECT_EQ(withoutRatio(bytesOf(QDir(resaveDir.path()).filePath("M7506.ini"))), withoutRatio(metric));

    QTemporaryDir backDir;
    const ToolRun back = toolIn(backDir.path(), {"convert", metricPath.toStdString(), "--to", "imperial"});
    ASSERT_EQ(back.status, 0) << back.err;
    EXPECT_EQ(back.out, QDir(backDir.path()).filePath("726.ini").toStdString() + "\n");
    EXPECT_EQ(bytesOf(QDir(backDir.path()).filePath("726.ini")), original);
}

TEST(ConvertCommand, RefusesBadInput) {
    QTemporaryDir dir;
    ASSERT_EQ(runProcess(calcProgram(), qargs(with({"save", "F=7.15"}, kDesign)), {}, dir.path()).exitCode, 0);
    const std::string design = dir.filePath("726.ini").toStdString();
    QFile odd(dir.filePath("odd.ini"));
    ASSERT_TRUE(odd.open(QIODevice::WriteOnly));
    odd.write("[YQ]\nF=7\nMetric=7\n");
    odd.close();
    struct Case {
        std::vector<std::string> args;
        const char* named;
    } const cases[] = {
        {{"convert", design, "--to", "imperial"}, "already an Imperial design"},
        {{"convert", design, "--to", "furlongs"}, "'--to furlongs'"},
        {{"convert", design}, "--to metric"},
        {{"convert", "--to", "metric"}, "needs a design file"},
        {{"convert", dir.filePath("none.ini").toStdString(), "--to", "metric"}, "none.ini' not found"},
        {{"convert", dir.filePath("odd.ini").toStdString(), "--to", "metric"}, "unit system 7"},
        {{"convert", design, design, "--to", "metric"}, "as well"},
        {{"convert", design, "--to", "metric", "--fast"}, "'--fast'"},
    };
    for (const Case& c : cases) {
        const ToolRun r = toolIn(dir.path(), c.args);
        EXPECT_EQ(r.status, 2) << c.named;
        EXPECT_NE(r.err.find(c.named), std::string::npos) << r.err;
        EXPECT_TRUE(r.out.empty());
    }
    EXPECT_FALSE(QFile::exists(dir.filePath("M7506.ini")));
}

TEST(ConvertCommand, AFileItCannotWriteIsReported) {
    QTemporaryDir dir;
    ASSERT_EQ(runProcess(calcProgram(), qargs(with({"save", "F=7.15"}, kDesign)), {}, dir.path()).exitCode, 0);
    // A folder where the converted design would go.
    QTemporaryDir target;
    ASSERT_TRUE(QDir(target.path()).mkdir("M7506.ini"));
    const ToolRun r = toolIn(target.path(), {"convert", dir.filePath("726.ini").toStdString(), "--to", "metric"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.out.empty());
    EXPECT_NE(r.err.find("M7506.ini could not be written"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace yq
