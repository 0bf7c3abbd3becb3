// yq-calc --format over one known design, each format checked against
// another source of the same values: the line output, the results table
// SAVE writes, the window's table (tests/windows/calc_table_test.cpp);
// errors keep their messages and exit statuses.
#include "support/RunProcess.h"
#include "support/CalcText.h"

#include "design/DesignRecord.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
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

const QStringList kFormatsDesign{"F=7.15", "CD=2", "LD=6", "WD=0.04", "SP=0.08", "CCD=2", "MBW=380"};

using test::fieldsOf;
using test::linesOf;

TEST(OutputFormats, EachFormatPrintsTheSameDesignAsItsOtherSource) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // The user SAVE writes into the row; the csv format writes the same.
    ASSERT_EQ(runProcess(calcProgram(), {"users", "add", "Ann \"Sparks\" Smith, K1ABC"}, {}, dir.path()).exitCode, 0);
    ASSERT_EQ(runProcess(calcProgram(), QStringList{"save"} + kFormatsDesign, {}, dir.path()).exitCode, 0);
    QFile results(dir.filePath("YQ.csv"));
    ASSERT_TRUE(results.open(QIODevice::ReadOnly));
    const std::string saved = results.readAll().toStdString();

    const auto plain = runProcess(calcProgram(), kFormatsDesign, {}, dir.path());
    ASSERT_EQ(plain.exitCode, 0);
    const auto values = fieldsOf(plain.out);

    const struct {
        const char* format;
        void (*check)(const std::string& out, const std::string& line, const std::map<std::string, std::string>& values,
                      const std::string& saved);
    } cases[] = {
        {"line",
         [](const std::string& out, const std::string& line, const auto&, const auto&) { EXPECT_EQ(out, line); }},
        {"json",
         [](const std::string& out, const std::string&, const auto& byKey, const auto&) {
             EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 1);
             QJsonParseError error;
             const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(out), &error);
             ASSERT_EQ(error.error, QJsonParseError::NoError) << out;
             const QJsonObject object = doc.object();
             EXPECT_EQ(static_cast<std::size_t>(object.size()), keyTable().size());
             EXPECT_EQ(static_cast<std::size_t>(object.size()), byKey.size());
             for (const auto& [key, value] : byKey) {
                 ASSERT_TRUE(object.value(QString::fromStdString(key)).isString()) << key;
                 EXPECT_EQ(object.value(QString::fromStdString(key)).toString().toStdString(), value) << key;
             }
             // In the key table's order, as the line is.
             EXPECT_EQ(out.find("{\"F\":\"7.1500\",\"RFR\":"), 0u) << out;
         }},
        {"csv",
         [](const std::string& out, const std::string&, const auto&, const std::string& file) {
             // Exactly the bytes SAVE put into the new results table: the
             // title row and the design's row, quoting and CRLF included.
             EXPECT_EQ(out, file);
             EXPECT_NE(out.find("\"7.15\",\"120\",\"2\",\"6\","), std::string::npos);
             EXPECT_NE(out.find("\"Ann \"\"Sparks\"\" Smith, K1ABC\"\r\n"), std::string::npos);
         }},
        {"table",
         [](const std::string& out, const std::string&, const auto&, const auto&) {
             const auto lines = linesOf(out);
             ASSERT_EQ(lines.size(), 38u);
             EXPECT_EQ(lines.front().substr(0, 32), "Enter the Frequency in Megahertz");
             EXPECT_EQ(lines.front().substr(lines.front().size() - 9), "7.150 MHz");
             EXPECT_EQ(lines.back().substr(0, 18), "Phasing Coil Turns");
             // Every value in one column: the units start where the values end.
             for (const std::string& l : lines) EXPECT_LE(l.size(), 80u) << l;
             EXPECT_NE(out.find("Reactance (Xc) in Ohms"), std::string::npos);
             EXPECT_NE(out.find("2,086.17 ohm\n"), std::string::npos);
             EXPECT_NE(out.find("Enter Measured Bandwidth in kHz"), std::string::npos);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.format);
        const auto r = runProcess(calcProgram(), QStringList{"--format", c.format} + kFormatsDesign, {}, dir.path());
        EXPECT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(r.err, "");
        c.check(r.out, plain.out, values, saved);
        // The option may stand anywhere among the arguments.
        const auto after =
            runProcess(calcProgram(), kFormatsDesign + QStringList{"--format", c.format}, {}, dir.path());
        EXPECT_EQ(after.out, r.out);

        // Bad input: the line output's message and exit status, nothing printed.
        const auto bad = runProcess(calcProgram(), {"--format", c.format, "F=seven"}, {}, dir.path());
        const auto badLine = runProcess(calcProgram(), {"F=seven"}, {}, dir.path());
        EXPECT_EQ(bad.exitCode, 2);
        EXPECT_EQ(bad.err, badLine.err);
        EXPECT_EQ(bad.out, "");
        const auto missing = runProcess(calcProgram(), {"--format", c.format, "--file", "nope.ini"}, {}, dir.path());
        EXPECT_EQ(missing.exitCode, 2);
        EXPECT_EQ(missing.err, runProcess(calcProgram(), {"--file", "nope.ini"}, {}, dir.path()).err);

        // --batch: one result per case, "error" for a bad line, exit status 1.
        const auto batch = runProcess(
            calcProgram(), {"--batch", "--format", c.format},
            "F=7.15 CD=2 LD=6 WD=0.04 SP=0.08 CCD=2 MBW=380\nF=x\n--metric F=144.3 CD=50 LD=6\n", dir.path());
        EXPECT_EQ(batch.exitCode, 1);
        EXPECT_EQ(batch.err, "yq-calc: line 2: value of F is not a decimal number: 'x'\n");
        const auto metric =
            runProcess(calcProgram(), {"--format", c.format, "--metric", "F=144.3", "CD=50", "LD=6"}, {}, dir.path());
        const std::string format = c.format;
        if (format == "csv") {
            const std::string title = r.out.substr(0, r.out.find("\r\n") + 2);
            EXPECT_EQ(batch.out, title + r.out.substr(title.size()) + "error\r\n" + metric.out.substr(title.size()));
        } else if (format == "table") {
            EXPECT_EQ(batch.out, r.out + "\nerror\n\n" + metric.out);
        } else {
            EXPECT_EQ(batch.out, r.out + "error\n" + metric.out);
        }
    }

    // The option itself.
    const auto unknown = runProcess(calcProgram(), QStringList{"--format", "xml"} + kFormatsDesign, {}, dir.path());
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_EQ(unknown.err, "yq-calc: unknown format 'xml' (line, table, json or csv)\n");
    EXPECT_EQ(unknown.out, "");
    const auto noValue = runProcess(calcProgram(), {"F=7", "--format"}, {}, dir.path());
    EXPECT_EQ(noValue.exitCode, 2);
    EXPECT_EQ(noValue.err, "yq-calc: option '--format' needs a value\n");
    // The commands print what they print; --format is not theirs.
    EXPECT_EQ(
        runProcess(calcProgram(), QStringList{"save", "--format", "json"} + kFormatsDesign, {}, dir.path()).exitCode,
        2);
}

}  // namespace
}  // namespace yq
