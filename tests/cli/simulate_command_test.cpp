#include "design/DesignTools.h"
#include "files/DesignFile.h"
#include "sim/Comparison.h"
#include "sim/Model.h"
#include "sim/Nec2cRunner.h"
#include "support/RunProcess.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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
    readDesignFile(design, record);
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

    const auto detailed = runProcess(calcProgram(), {"simulate", design, "--model", "detailed"}, {}, folder.path());
    EXPECT_EQ(detailed.exitCode, 1);
    EXPECT_EQ(detailed.err,
              "yq-calc: The detailed model cannot be simulated by this version: only the standard "
              "model is built\n");

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
