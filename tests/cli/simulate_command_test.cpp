#include "design/DesignTools.h"
#include "files/DesignFile.h"
#include "sim/Comparison.h"
#include "sim/Model.h"
#include "sim/Nec2cRunner.h"
#include "support/RunProcess.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/types.h>

namespace yq {
namespace {

using test::calcProgram;
using test::runProcess;

class SimulateCommand : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        const auto saved = runProcess(calcProgram(), {"save", "F=7.15", "CD=2", "LD=6", "WD=0.04", "SP=0.08", "CCD=2"},
                                      {}, folder.path());
        ASSERT_EQ(saved.exitCode, 0) << saved.err;
        design = folder.filePath("726.ini");
        ASSERT_TRUE(QFile::exists(design));
    }
    QTemporaryDir folder;
    QString design;
};

TEST_F(SimulateCommand, PrintsTheCalculatorsAndTheModelsFiguresAndWritesTheDeck) {
    if (sim::findProgram("nec2c").empty()) GTEST_SKIP() << "nec2c is not installed";
    const auto table =
        runProcess(calcProgram(), {"simulate", design, "--deck", folder.filePath("726.nec")}, {}, folder.path());
    ASSERT_EQ(table.exitCode, 0) << table.err;
    EXPECT_NE(table.out.find("calculator  NEC-2, calculated coil  NEC-2, coil for F"), std::string::npos) << table.out;
    EXPECT_NE(table.out.find("Series resonance (MHz)"), std::string::npos);
    EXPECT_NE(table.out.find(sim::modelAssumptions()), std::string::npos);

    // The deck is the model's, for the design the file holds.
    DesignRecord record(UnitSystem::Imperial);
    (void)readDesignFile(design, record);
    reCalcAs(record, false);
    QFile deck(folder.filePath("726.nec"));
    ASSERT_TRUE(deck.open(QIODevice::ReadOnly));
    EXPECT_EQ(deck.readAll().toStdString(), sim::exportDeck(record));

    // json: the rows of the same study as the program's own, figure for figure.
    const auto json = runProcess(calcProgram(), {"simulate", design, "--format", "json"}, {}, folder.path());
    ASSERT_EQ(json.exitCode, 0) << json.err;
    const QJsonObject object = QJsonDocument::fromJson(QByteArray::fromStdString(json.out)).object();
    auto study = sim::runStudy(record);
    ASSERT_TRUE(study.ok());
    const auto rows = sim::comparisonRows(record, *study);
    const QJsonArray printed = object.value("rows").toArray();
    ASSERT_EQ(printed.size(), qsizetype(rows.size()));
    for (qsizetype i = 0; i < printed.size(); ++i) {
        const QJsonObject row = printed[i].toObject();
        EXPECT_EQ(row.value("key").toString().toStdString(), rows[i].key);
        EXPECT_EQ(row.value("calculator").toString().toStdString(), rows[i].calculator);
        EXPECT_EQ(row.value("nec2_calculated_coil").toString().toStdString(), rows[i].asDesigned) << rows[i].key;
        EXPECT_EQ(row.value("nec2_coil_for_f").toString().toStdString(), rows[i].tuned) << rows[i].key;
    }

    const auto s1p = runProcess(calcProgram(), {"simulate", design, "--format", "s1p"}, {}, folder.path());
    ASSERT_EQ(s1p.exitCode, 0);
    EXPECT_EQ(s1p.out, sim::sweepTouchstone(*study));
    const auto csv = runProcess(calcProgram(), {"simulate", design, "--format", "csv"}, {}, folder.path());
    ASSERT_EQ(csv.exitCode, 0);
    EXPECT_EQ(csv.out, sim::sweepCsv(*study));
}

TEST_F(SimulateCommand, TheDetailedModelStopsOnCtrlCShowsItsProgressOnATerminalAndGivesItsValidFigures) {
    if (sim::findProgram("nec2c").empty()) GTEST_SKIP() << "nec2c is not installed";
    // Ctrl+C while it runs (its first nec2c runs under way): it stops at
    // once, says so and exits with 1.
    QProcess p;
    p.setReadChannel(QProcess::StandardError);
    p.start(calcProgram(), {"simulate", design, "--model", "detailed"});
    ASSERT_TRUE(p.waitForStarted(5000));
    QTest::qWait(1500);
    ASSERT_EQ(p.state(), QProcess::Running);
    QElapsedTimer clock;
    clock.start();
    ::kill(pid_t(p.processId()), SIGINT);
    ASSERT_TRUE(p.waitForFinished(5000));
    // Promptly, the process's own end included, however loaded the machine
    // (bench/simulation_bench measures Cancel against its 100 ms target).
    EXPECT_LT(clock.elapsed(), 3000);
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p.exitCode(), 1);
    EXPECT_EQ(p.readAllStandardError().toStdString(), "yq-calc: The simulation was cancelled.\n");
    EXPECT_TRUE(p.readAllStandardOutput().isEmpty());

    // On a terminal (script gives it one) the progress goes to standard error.
    const auto onTerminal = runProcess(
        "script",
        {"-qec", QStringLiteral("'%1' simulate '%2' --model detailed").arg(calcProgram(), design), "/dev/null"}, {},
        folder.path());
    ASSERT_EQ(onTerminal.exitCode, 0) << onTerminal.out;
    EXPECT_NE(onTerminal.out.find("yq-calc: detailed model, 0 % done"), std::string::npos) << onTerminal.out;
    EXPECT_NE(onTerminal.out.find("yq-calc: detailed model, 100 % done"), std::string::npos) << onTerminal.out;

    // To the end: the figures valid in that model, the rest "not valid".
    const auto json = runProcess(
        calcProgram(),
        {"simulate", design, "--model", "detailed", "--format", "json", "--deck", folder.filePath("726-detailed.nec")},
        {}, folder.path());
    ASSERT_EQ(json.exitCode, 0) << json.err;
    // --deck writes the detailed model's deck for the file's design.
    DesignRecord record(UnitSystem::Imperial);
    (void)readDesignFile(design, record);
    reCalcAs(record, false);
    QFile deck(folder.filePath("726-detailed.nec"));
    ASSERT_TRUE(deck.open(QIODevice::ReadOnly));
    EXPECT_EQ(deck.readAll().toStdString(), sim::exportDetailedDeck(record));
    EXPECT_EQ(json.err, "");  // no progress where standard error is not a terminal
    const QJsonObject object = QJsonDocument::fromJson(QByteArray::fromStdString(json.out)).object();
    EXPECT_EQ(object.value("model").toString(), "detailed");
    EXPECT_EQ(object.value("assumptions").toString().toStdString(), sim::detailedAssumptions());
    for (const QJsonValue& v : object.value("rows").toArray()) {
        const QJsonObject row = v.toObject();
        const QString key = row.value("key").toString();
        const QString cell = row.value("nec2_calculated_coil").toString();
        if (key == "resonance" || key == "radiation_resistance" || key == "efficiency" || key == "max_gain") {
            EXPECT_TRUE(cell != "not valid" && cell != "none") << key.toStdString() << " " << cell.toStdString();
        } else if (key == "q" || key == "z_at_f" || key == "half_power_bw") {
            EXPECT_EQ(cell, "not valid") << key.toStdString();
        }
        EXPECT_EQ(row.value("nec2_coil_for_f").toString(), "not computed");
    }
}

TEST_F(SimulateCommand, ExitsWith1WhenNec2cIsMissingAnd2ForBadUsage) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("YQ_NEC2C", "/nonexistent/nec2c");
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(folder.path());
    p.start(calcProgram(), {"simulate", design});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 1);
    EXPECT_EQ(p.readAllStandardError().toStdString(),
              "yq-calc: The simulation needs nec2c, which is not at /nonexistent/nec2c.\n");
    EXPECT_TRUE(p.readAllStandardOutput().isEmpty());

    p.start(calcProgram(), {"simulate", design, "--model", "detailed"});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 1);
    EXPECT_EQ(p.readAllStandardError().toStdString(),
              "yq-calc: The simulation needs nec2c, which is not at /nonexistent/nec2c.\n");

    for (const QStringList& args :
         {QStringList{"simulate"}, QStringList{"simulate", design, "--format", "xml"},
          QStringList{"simulate", design, "--model", "fine"}, QStringList{"simulate", "missing.ini"},
          QStringList{"simulate", design, "--deck"}}) {
        const auto r = runProcess(calcProgram(), args, {}, folder.path());
        EXPECT_EQ(r.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_NE(r.err.find("usage: yq-calc simulate DESIGN.ini"), std::string::npos);
    }
}

}  // namespace
}  // namespace yq
