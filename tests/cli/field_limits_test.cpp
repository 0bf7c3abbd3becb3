// yq-calc refuses a value its field cannot hold, in every command that takes
// values, as the design window's entries do; a design file keeps being read
// as the windows read it, but the keys that were cut are named.
#include "support/CalcText.h"
#include "support/RunProcess.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace yq {
namespace {

using test::calcProgram;
using test::fieldsOf;
using test::runProcess;

// One field of each storage size, Imperial and Metric: the largest value
// the field holds (accepted, also as a value that rounds to it) and the
// least one above it (refused). Storage as the calculator stores it:
// total digits, places.
struct Limit {
    const char* key;
    bool metric;
    const char* storage;
    const char* largest;      // accepted, printed as it is
    const char* roundsDown;   // accepted: rounds to `largest`
    const char* oneStepMore;  // refused
    const char* heldText;     // the range the message names
};

const Limit kLimits[] = {
    {"Q", false, "9.2", "9999999.99", "9999999.994", "9999999.995", "-9999999.99 to 9999999.99"},
    {"MRR", false, "9.3", "999999.999", "999999.9994", "1000000", "-999999.999 to 999999.999"},
    {"F", false, "9.4", "99999.9999", "99999.99994", "99999.99995", "-99999.9999 to 99999.9999"},
    {"TPI", false, "7.2", "99999.99", "99999.994", "100000", "-99999.99 to 99999.99"},
    {"SCWD", false, "7.3", "9999.999", "9999.9994", "10000", "-9999.999 to 9999.999"},
    {"WD", false, "7.4", "999.9999", "999.99994", "1000", "-999.9999 to 999.9999"},
    {"DBL", false, "7.4", "-999.9999", "-999.99994", "-1000", "-999.9999 to 999.9999"},
    {"LD", true, "7.2", "99999.99", "99999.994", "99999.995", "-99999.99 to 99999.99"},
    {"WD", true, "9.4", "99999.9999", "99999.99994", "100000", "-99999.9999 to 99999.9999"},
    {"SCWD", true, "9.3", "999999.999", "999999.9994", "1000000", "-999999.999 to 999999.999"},
    {"PCNT", true, "7.2", "99999.99", "99999.994", "100000", "-99999.99 to 99999.99"},
    {"FAC", true, "7.2", "99999.99", "99999.994", "100000", "-99999.99 to 99999.99"},
};

QStringList args(std::initializer_list<std::string> words, const Limit& l, const std::string& value) {
    QStringList out;
    for (const std::string& w : words) out << QString::fromStdString(w);
    if (l.metric) out << QStringLiteral("--metric");
    out << QString::fromStdString(std::string(l.key) + "=" + value);
    return out;
}

std::string message(const Limit& l, const std::string& text) {
    return std::string("value of ") + l.key + " does not fit its field: '" + text + "' (" + l.key + " holds " +
           l.heldText + ")";
}

TEST(FieldLimits, TheLargestValueIsTakenAndOneStepMoreIsRefusedEverywhere) {
    for (const Limit& l : kLimits) {
        SCOPED_TRACE(std::string(l.key) + (l.metric ? " Metric " : " Imperial ") + l.storage);
        // The plain calculation, without running it, shows what was stored.
        for (const char* accepted : {l.largest, l.roundsDown}) {
            const auto r = runProcess(calcProgram(), args({"--runs", "0"}, l, accepted));
            ASSERT_EQ(r.exitCode, 0) << r.err;
            EXPECT_EQ(fieldsOf(r.out).at(l.key), l.largest);
            EXPECT_TRUE(r.err.empty()) << r.err;
        }
        const auto refused = runProcess(calcProgram(), args({"--runs", "0"}, l, l.oneStepMore));
        EXPECT_EQ(refused.exitCode, 2);
        EXPECT_TRUE(refused.out.empty()) << refused.out;
        EXPECT_EQ(refused.err, "yq-calc: " + message(l, l.oneStepMore) + "\n");

        // A batch: the refused line prints "error", the others are computed.
        std::string input = std::string(l.metric ? "--metric " : "") + l.key + "=" + l.largest + " --runs 0\n";
        input += std::string(l.metric ? "--metric " : "") + l.key + "=" + l.oneStepMore + "\n";
        const auto batch = runProcess(calcProgram(), {QStringLiteral("--batch")}, input);
        EXPECT_EQ(batch.exitCode, 1);
        const auto lines = test::linesOf(batch.out);
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_EQ(fieldsOf(lines[0]).at(l.key), l.largest);
        EXPECT_EQ(lines[1], "error");
        EXPECT_EQ(batch.err, "yq-calc: line 2: " + message(l, l.oneStepMore) + "\n");

        // The formatted output and the design tools refuse it alike.
        std::vector<QStringList> commands{args({"--format", "json"}, l, l.oneStepMore),
                                          args({"sweep", "CD=2:3:1", "F=7.15"}, l, l.oneStepMore)};
        // (The fit finds FAC itself.)
        if (std::string(l.key) != "FAC") commands.push_back(args({"fit", "NT=20", "F=7.15"}, l, l.oneStepMore));
        for (const QStringList& command : commands) {
            const auto r = runProcess(calcProgram(), command);
            EXPECT_EQ(r.exitCode, 2) << command.join(u' ').toStdString();
            EXPECT_EQ(r.err, "yq-calc: " + message(l, l.oneStepMore) + "\n") << command.join(u' ').toStdString();
        }

        // SAVE writes nothing for a refused value.
        QTemporaryDir folder;
        const auto save =
            runProcess(calcProgram(), args({"save", "F=7.15", "CD=2", "LD=6"}, l, l.oneStepMore), {}, folder.path());
        EXPECT_EQ(save.exitCode, 2);
        EXPECT_EQ(save.err, "yq-calc: " + message(l, l.oneStepMore) + "\n");
        EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    }
}

TEST(FieldLimits, ToolInputsOutsideTheirFieldsNameTheRangeHeld) {
    struct Case {
        QStringList args;
        std::string named;
    } const cases[] = {
        // The turns a fit aims at are compared with NT's own field.
        {{"fit", "NT=10000000", "F=7.15", "CD=2", "LD=6"}, "value of NT does not fit its field: '10000000' (NT holds"},
        {{"fit", "SCT=100000", "F=7.15", "CD=2", "LD=6"}, "value of SCT does not fit its field: '100000' (SCT holds"},
        // A sweep's end is a point's input.
        {{"sweep", "F=7:100000:50000"}, "end '100000' does not fit the field F (F holds -99999.9999 to 99999.9999)"},
        {{"sweep", "--metric", "LD=99999:100000:1"},
         "end '100000' does not fit the field LD (LD holds -99999.99 to 99999.99)"},
    };
    for (const Case& c : cases) {
        const auto r = runProcess(calcProgram(), c.args);
        EXPECT_EQ(r.exitCode, 2) << c.args.join(u' ').toStdString();
        EXPECT_NE(r.err.find(c.named), std::string::npos) << r.err;
        EXPECT_TRUE(r.out.empty()) << r.out;
    }
}

TEST(FieldLimits, ConvertRefusesALengthTheOtherSystemCannotHold) {
    QTemporaryDir folder;
    // 1,000,000 inches are 25,400,000 mm: more than the Metric CD holds.
    const QString design = folder.filePath(QStringLiteral("big.ini"));
    QFile f(design);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[YQ]\nF=7.15\nCD=1000000\nLD=6\nWD=0.04\nSP=0.08\nCCD=2\nMetric=0\n");
    f.close();
    const auto r = runProcess(calcProgram(), {"convert", design, "--to", "metric"}, {}, folder.path());
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("CD = 1000000.00 in is too large for the Metric design's field (CD holds -9999999.99 to "
                         "9999999.99)"),
              std::string::npos)
        << r.err;
}

TEST(FieldLimits, ADesignFileIsStillReadButTheCutKeysAreNamed) {
    QTemporaryDir folder;
    const QString design = folder.filePath(QStringLiteral("cut.ini"));
    QFile f(design);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[YQ]\nF=7.15\nCD=2\nQ=48741480\nLD=-123456789\nWD=0.04\nMetric=0\n");
    f.close();
    const auto r = runProcess(calcProgram(), {"--file", design, "--runs", "0"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    // Stored as the window stores them: cut to what the field holds.
    EXPECT_EQ(fieldsOf(r.out).at("Q"), "9999999.99");
    EXPECT_EQ(fieldsOf(r.out).at("LD"), "-9999999.99");
    EXPECT_EQ(r.err,
              "yq-calc: warning: the design file's values of LD and Q do not fit their fields and were cut to what "
              "the field holds\n");

    // A file whose values all fit says nothing.
    QFile g(folder.filePath(QStringLiteral("fine.ini")));
    ASSERT_TRUE(g.open(QIODevice::WriteOnly));
    g.write("[YQ]\nF=7.15\nQ=9999999.99\nMetric=0\n");
    g.close();
    const auto fine = runProcess(calcProgram(), {"--file", g.fileName(), "--runs", "0"});
    EXPECT_EQ(fine.exitCode, 0);
    EXPECT_TRUE(fine.err.empty()) << fine.err;
}

TEST(FieldLimits, AFolderGivenAsADesignFileIsCalledAFolder) {
    QTemporaryDir folder;
    const auto r = runProcess(calcProgram(), {"--file", folder.path()});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.err, "yq-calc: '" + folder.path().toStdString() + "' is a folder, not a design file\n");
}

}  // namespace
}  // namespace yq
