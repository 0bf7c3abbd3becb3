#include "design/Calculation.h"
#include "support/QtPrinters.h"
#include "files/ResultsFile.h"
#include "files/DesignFile.h"
#include "files/PrivateProfile.h"
#include "support/RecordingMessages.h"
#include "support/WidgetApplication.h"
#include "windows/DesignWindow.h"
#include "windows/NumericEntry.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QValidator>

#include <gtest/gtest.h>

#include <deque>
#include <memory>

namespace yq {
namespace {

using Command = DesignWindow::Command;

// Records, in order, everything the window asks of the world.
struct Recorder {
    std::deque<QString> fileAnswers;  // what the open dialog returns, one per showing
    QStringList log;
    QMap<QString, QString> reported;  // the design file's keys as the report found them
    bool spreadsheetOpens = true;
    test::RecordingMessages messages{test::RecordingMessages::Mode::Record};

    DesignWindowServices services() {
        DesignWindowServices s;
        s.chooseFile = [this](const QString& title, const QString& filter, const QString&) {
            log << QStringLiteral("dialog %1 [%2]").arg(title, filter);
            if (fileAnswers.empty()) return QString();
            const QString answer = fileAnswers.front();
            fileAnswers.pop_front();
            return answer;
        };
        messages.observer = [this](const test::RecordingMessages::Message& m) {
            log << QStringLiteral("message [%1] %2").arg(m.caption, m.text);
        };
        s.messages = &messages;
        s.runReport = [this](const report::ReportRequest& request) {
            const QString& path = request.designPath;
            reported.clear();
            for (const KeyInfo& info : designFileKeys()) {
                const QString key = QString::fromLatin1(info.key.data(), qsizetype(info.key.size()));
                reported[key] = readProfileString(path, "YQ", key);
            }
            log << QStringLiteral("report %1 mode %2 metric %3")
                       .arg(QFileInfo(path).fileName())
                       .arg(static_cast<int>(request.mode))
                       .arg(request.metric);
            return report::ReportRun{};
        };
        s.emailResults = [this](const QString& workingCopy, const QString& results) {
            log << QStringLiteral("mail %1 %2").arg(QFileInfo(workingCopy).fileName(), QFileInfo(results).fileName());
        };
        s.openSpreadsheet = [this](const QString& path) -> Result<> {
            log << QStringLiteral("spreadsheet %1").arg(QFileInfo(path).fileName());
            if (!spreadsheetOpens) return fail("No program opens CSV files.");
            return {};
        };
        s.openForum = [this] { log << QStringLiteral("forum"); };
        s.setBusy = [this](bool busy) { log << (busy ? QStringLiteral("busy") : QStringLiteral("idle")); };
        return s;
    }
};

class DesignWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::widgetApplication();
        previousFolder = QDir::currentPath();
        ASSERT_TRUE(folder.isValid());
        QDir::setCurrent(folder.path());
    }
    void TearDown() override {
        window.reset();
        QDir::setCurrent(previousFolder);
    }

    DesignWindow& openWindow(UnitSystem system, const QString& file = {}) {
        if (!file.isEmpty()) recorder.fileAnswers.push_back(file);
        window = std::make_unique<DesignWindow>(UnitSystemDescription::of(system), recorder.services(), state);
        window->open();
        test::settle();
        return *window;
    }

    // Types a value into an entry and completes it with Enter.
    void enter(const QString& key, const QString& text) {
        QLineEdit* edit = window->entry(key);
        ASSERT_NE(edit, nullptr) << key.toStdString();
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }

    // A key pressed on the active window, as the user presses it.
    void pressKey(Qt::Key key) {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(window->windowHandle(), key);
    }

    QString shown(const QString& key) const { return window->entry(key)->text(); }
    QString stored(const QString& key) const {
        return QString::fromStdString(window->record().field(key.toStdString())->text());
    }

    QString writeDesign(const QString& name, UnitSystem system, const QString& metricText,
                        std::initializer_list<std::pair<const char*, const char*>> values) {
        DesignRecord r(system);
        for (const auto& [k, v] : values) *r.field(k) = Decimal::of(v);
        const QString path = QDir(folder.path()).filePath(name);
        EXPECT_TRUE(writeDesignFile(path, r, metricText));
        return path;
    }

    QTemporaryDir folder;
    QString previousFolder;
    Recorder recorder;
    ProgramState state;
    std::unique_ptr<DesignWindow> window;
};

TEST_F(DesignWindowTest, CancelledOpeningShowsZeroesThenReCalcFillsTheDefaults) {
    state.metric = 1;
    DesignWindow& w = openWindow(UnitSystem::Imperial);
    EXPECT_EQ(recorder.log, QStringList({"dialog Choose File to Open [Antenna Ini Files M = Metric|*.ini]"}));
    EXPECT_EQ(state.metric, 0);
    EXPECT_EQ(w.unitNotice()->text(), "Linear measurements are in Inches");
    EXPECT_TRUE(w.currentDesignPath().isEmpty());
    for (const KeyInfo& info : designFileKeys()) {
        EXPECT_EQ((w.record().*info.member).mantissa(), 0) << info.key;
    }
    EXPECT_EQ(shown("F"), "0.000");
    EXPECT_EQ(shown("BW"), "0");

    w.commandButton(Command::ReCalc)->click();
    EXPECT_EQ(shown("FAC"), "2.00");
    EXPECT_EQ(shown("DPS"), "6.0");
    EXPECT_EQ(stored("DPS"), "6.00");
    for (const char* key : {"XC", "BW", "Q", "LPW"}) EXPECT_EQ(w.record().field(key)->mantissa(), 0) << key;
    EXPECT_EQ(recorder.log.size(), 1);  // no message
}

TEST_F(DesignWindowTest, AcceptedEntriesFollowTheirActions) {
    DesignWindow& w = openWindow(UnitSystem::Imperial);
    enter("F", "7.15");
    enter("CD", "2");
    test::settle();
    EXPECT_EQ(stored("F"), "7.1500");
    EXPECT_EQ(shown("C"), "0.00");  // F and CD wait for the next calculation

    enter("LD", "6");
    // The cylinder length is computed at once; the queued ReCalc follows.
    EXPECT_EQ(stored("CCL"), "12.00");
    EXPECT_EQ(stored("C"), "0.00");
    test::settle();
    DesignRecord expected(UnitSystem::Imperial);
    for (auto [k, v] : {std::pair{"F", "7.15"}, {"CD", "2"}, {"LD", "6"}}) *expected.field(k) = Decimal::of(v);
    reCalcImperial(expected, false);
    for (const KeyInfo& info : keyTable()) {
        EXPECT_EQ((w.record().*info.member).text(), (expected.*info.member).text()) << info.key;
    }
    EXPECT_EQ(shown("CCL"), "12.000");
    EXPECT_EQ(shown("C"), "10.67");
    EXPECT_EQ(shown("XC"), "2,086.17");
}

TEST_F(DesignWindowTest, CapacitanceFactorBelowOneIsRefusedAndKeepsTheFocus) {
    DesignWindow& w = openWindow(UnitSystem::Imperial);
    w.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    enter("FAC", "0.5");
    test::settle();
    EXPECT_EQ(recorder.log.last(),
              "message [YQ Error Message] Invalid figure. Valid values are between|1 and 99. Please re-enter");
    EXPECT_EQ(QApplication::focusWidget(), w.entry("FAC"));
    EXPECT_EQ(stored("FAC"), "0.50");  // stays until changed or recalculated
    EXPECT_EQ(stored("DPS"), "0.00");  // no ReCalc ran

    recorder.log.clear();
    enter("FAC", "150");
    test::settle();
    EXPECT_TRUE(recorder.log.isEmpty());
    EXPECT_EQ(stored("FAC"), "150.00");
    EXPECT_EQ(stored("DPS"), "6.00");  // the queued ReCalc ran
}

TEST_F(DesignWindowTest, ComputedControlsRunTheirPartialRecalculations) {
    const QString file =
        writeDesign("coil.ini", UnitSystem::Imperial, "0",
                    {{"F", "7.15"}, {"CD", "2"}, {"LD", "6"}, {"WD", "0.04"}, {"SP", "0.08"}, {"CCD", "3"}});
    DesignWindow& w = openWindow(UnitSystem::Imperial, file);
    const QString ntAfterReCalc = stored("NT");
    const QString lwAfterReCalc = stored("LW");
    const QString ntShown = shown("NT");

    QTest::mouseClick(w.entry("CI"), Qt::LeftButton);
    // The turns formula uses the cylinder diameter here: NT and LW change in
    // the record, the display waits for the next redisplay.
    EXPECT_NE(stored("NT"), ntAfterReCalc);
    EXPECT_NE(stored("LW"), lwAfterReCalc);
    EXPECT_EQ(shown("NT"), ntShown);

    QTest::mouseClick(w.entry("NT"), Qt::LeftButton);  // coil from turns, then redisplay
    EXPECT_NE(shown("NT"), ntShown);

    w.commandButton(Command::ReCalc)->click();
    EXPECT_EQ(stored("NT"), ntAfterReCalc);
    EXPECT_EQ(stored("LW"), lwAfterReCalc);
}

TEST_F(DesignWindowTest, UnitSystemOfTheLoadedFileIsChecked) {
    struct Case {
        UnitSystem window;
        const char* metricText;  // nullptr: the key is missing
        QStringList messages;
        const char* notice;
        int metric;
    };
    const Case cases[] = {
        {UnitSystem::Imperial,
         "1",
         {"message [YQ Error Message] Incorrect choice. You have chosen|a Metric design in error.|Select Metric "
          "Design instead.|Do NOT save this version!"},
         "Press ESC & Select Metric Option!",
         0},
        {UnitSystem::Imperial, "0", {}, "All measurements are in inches", 0},
        {UnitSystem::Metric,
         "0",
         {"message [YQ Error Message] Incorrect choice. You have chosen|an Imperial design in error.|Select "
          "Imperial Design instead."},
         "Press ESC & select Imperial Design",
         0},
        {UnitSystem::Metric,
         nullptr,
         {"message [YQ Error Message] Incorrect choice. You have chosen|an Imperial design in error.|Select "
          "Imperial Design instead."},
         "Press ESC & select Imperial Design",
         0},
        {UnitSystem::Metric, "1", {}, "All measurements are in mm", 1},
    };
    for (const auto& c : cases) {
        recorder.log.clear();
        const QString path =
            writeDesign(QStringLiteral("case.ini"), UnitSystem::Imperial, c.metricText ? c.metricText : "0",
                        {{"F", "7.15"}, {"CD", "2"}, {"LD", "6.25"}});
        if (!c.metricText) {
            // Drop the key: a working copy carries no unit system.
            QFile::remove(path);
            DesignRecord r(UnitSystem::Imperial);
            *r.field("F") = Decimal::of("7.15");
            *r.field("LD") = Decimal::of("6.25");
            ASSERT_TRUE(writeWorkingCopy(path, r));
        }
        DesignWindow& w = openWindow(c.window, path);
        QStringList messages;
        for (const QString& line : recorder.log)
            if (line.startsWith("message")) messages << line;
        EXPECT_EQ(messages, c.messages) << c.metricText;
        EXPECT_EQ(w.unitNotice()->text(), c.notice);
        EXPECT_EQ(state.metric, c.metric);
        EXPECT_EQ(stored("F"), "7.1500");  // loaded as read in every case
        EXPECT_EQ(stored("LD"), "6.25");
        EXPECT_EQ(shown("LD"), c.window == UnitSystem::Metric ? "6.3" : "6.250");
    }
}

TEST_F(DesignWindowTest, SaveWritesTheNamedFileAndAResultsRowThenReadsItBack) {
    DesignWindow& w = openWindow(UnitSystem::Imperial);
    enter("F", "7.15");
    enter("CD", "2");
    enter("LD", "6");
    test::settle();
    pressKey(Qt::Key_F2);
    test::settle();
    const QString path = QDir(folder.path()).filePath("726.ini");
    EXPECT_EQ(w.currentDesignPath(), path);
    EXPECT_EQ(w.chosenFileName(), "726.ini");
    EXPECT_EQ(readProfileString(path, "YQ", "F"), "7.15");
    EXPECT_EQ(readProfileString(path, "YQ", "Metric"), "0");
    QFile csv(QDir(folder.path()).filePath("YQ.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = csv.readAll().split('\n');
    ASSERT_EQ(lines.size(), 3);  // title, row, and the empty rest after the last CR LF
    EXPECT_TRUE(lines[1].startsWith("\"7.15\",\"120\",\"2\",\"6\","));
    EXPECT_EQ(w.unitNotice()->text(), "All measurements are in inches");  // read back
}

TEST_F(DesignWindowTest, MetricCylinderLengthSetsTheRatio) {
    DesignWindow& w = openWindow(UnitSystem::Metric);
    EXPECT_EQ(state.metric, 1);
    EXPECT_EQ(w.unitNotice()->text(), "Linear measurements are in mm");
    enter("CD", "50");
    enter("CCL", "400");
    EXPECT_EQ(stored("LD"), "8.00");
    test::settle();
    EXPECT_EQ(shown("LD"), "8.0");
    EXPECT_EQ(stored("CCL"), "400.00");
    EXPECT_EQ(stored("UF"), "25.40");  // the Metric calculation ran
}

TEST_F(DesignWindowTest, ReportCommandsSaveFirstWhereTheyShould) {
    struct Case {
        UnitSystem window;
        Command command;
        int metricBefore;
        QStringList expected;
    };
    const Case cases[] = {
        {UnitSystem::Imperial,
         Command::PrintView,
         1,
         {"message [] You are printing a metric|antenna. Measurements will default to mm.",
          "report 726.ini mode 0 metric 0"}},
        {UnitSystem::Imperial, Command::EmailReport, 0, {"report 726.ini mode 1 metric 0"}},
        {UnitSystem::Metric, Command::PrintView, 1, {"report M7506.ini mode 0 metric 1"}},
        // The mailed report is the design on screen, so it is saved first too.
        {UnitSystem::Metric, Command::EmailReport, 1, {"report M7506.ini mode 1 metric 1"}},
    };
    for (const auto& c : cases) {
        QFile::remove(QDir(folder.path()).filePath("YQ.csv"));
        DesignWindow& w = openWindow(c.window);
        enter("F", "7.05");
        enter("CD", c.window == UnitSystem::Metric ? "50.8" : "2");
        enter("LD", "6");
        test::settle();
        state.metric = c.metricBefore;
        recorder.log.clear();
        w.commandButton(c.command)->click();
        QStringList got;
        for (const QString& line : recorder.log)
            if (line.startsWith("message") || line.startsWith("report")) got << line;
        EXPECT_EQ(got, c.expected);
        EXPECT_TRUE(QFile::exists(QDir(folder.path()).filePath("YQ.csv")));
    }
}

TEST_F(DesignWindowTest, SelectAntennaFollowsTheChosenFolderAndReloadsOnCancel) {
    QTemporaryDir other;
    DesignRecord r(UnitSystem::Metric);
    *r.field("F") = Decimal::of("14.2");
    const QString elsewhere = QDir(other.path()).filePath("M1400.ini");
    ASSERT_TRUE(writeDesignFile(elsewhere, r, "1"));
    DesignWindow& w = openWindow(UnitSystem::Metric);
    recorder.fileAnswers.push_back(elsewhere);
    w.commandButton(Command::SelectAntenna)->click();
    test::settle();
    EXPECT_EQ(recorder.log.last(), "dialog Choose File to Open [Antenna Ini Files M = Metric|M*.ini]");
    EXPECT_EQ(QDir::currentPath(), QDir(other.path()).canonicalPath());
    EXPECT_EQ(stored("F"), "14.2000");

    enter("F", "3.5");                                 // unsaved edit
    w.commandButton(Command::SelectAntenna)->click();  // cancelled: the same file again
    test::settle();
    EXPECT_EQ(w.currentDesignPath(), elsewhere);
    EXPECT_EQ(stored("F"), "14.2000");
}

TEST_F(DesignWindowTest, SpreadsheetMailAndForumCommands) {
    DesignWindow& w = openWindow(UnitSystem::Imperial);
    enter("F", "7.15");
    recorder.log.clear();
    recorder.spreadsheetOpens = false;
    w.commandButton(Command::OpenExcel)->click();
    EXPECT_EQ(recorder.log, QStringList({"busy", "spreadsheet YQ.csv", "idle",
                                         "message [YQ Error Message] No program opens CSV files."}));

    recorder.log.clear();
    w.commandButton(Command::EmailResults)->click();
    EXPECT_EQ(recorder.log, QStringList({"mail yq.ini YQ.csv"}));
    const QString workingCopy = QDir(folder.path()).filePath("yq.ini");
    EXPECT_EQ(readProfileString(workingCopy, "YQ", "F"), "7.15");
    EXPECT_FALSE(ProfileFile(workingCopy).contains("YQ", "Metric"));
    EXPECT_TRUE(w.currentDesignPath().isEmpty());  // left unchanged

    recorder.log.clear();
    pressKey(Qt::Key_F8);
    QPushButton* helpForum = w.findChild<QPushButton*>("HelpForumButton");
    ASSERT_NE(helpForum, nullptr);
    helpForum->click();
    test::settle();
    EXPECT_EQ(recorder.log, QStringList({"forum", "forum"}));
}

TEST_F(DesignWindowTest, ReCalcKeyAndEscapeFromTheKeyboard) {
    DesignWindow& w = openWindow(UnitSystem::Imperial);
    pressKey(Qt::Key_F3);
    EXPECT_EQ(stored("FAC"), "2.00");
    pressKey(Qt::Key_Escape);
    EXPECT_FALSE(w.isVisible());
}

TEST_F(DesignWindowTest, EveryFieldIsItsLabelsBuddyAndReachable) {
    for (UnitSystem system : {UnitSystem::Imperial, UnitSystem::Metric}) {
        DesignWindow& w = openWindow(system);
        int fields = 0;
        for (const KeyInfo& info : keyTable()) {
            QLineEdit* edit = w.entry(QString::fromLatin1(info.key.data(), qsizetype(info.key.size())));
            if (!edit) continue;
            ++fields;
            QLabel* label = w.fieldLabel(edit->objectName());
            ASSERT_NE(label, nullptr);
            EXPECT_EQ(label->buddy(), edit) << info.key;
            EXPECT_NE(edit->focusPolicy() & Qt::TabFocus, 0) << info.key;
            EXPECT_FALSE(edit->accessibleName().isEmpty()) << info.key;
        }
        EXPECT_EQ(fields, 37);  // every quantity but RFR, AF, RR (plain text), PCWD, RAT and the working values
        EXPECT_EQ(w.entry("CCL")->isReadOnly(), system == UnitSystem::Imperial);
    }
}

}  // namespace
}  // namespace yq

namespace yq {
namespace {

QString keyName(const KeyInfo& info) { return QString::fromLatin1(info.key.data(), qsizetype(info.key.size())); }

// A design as a full calculation gives it from its inputs alone.
DesignRecord freshReCalc(UnitSystem system, std::initializer_list<std::pair<const char*, const char*>> inputs) {
    DesignRecord r(system);
    for (const auto& [k, v] : inputs) *r.field(k) = Decimal::of(v);
    if (system == UnitSystem::Metric)
        reCalcMetric(r);
    else
        reCalcImperial(r, false);
    return r;
}

// The Metric coil ratio reads the coil length of the calculation before, so
// it alone may differ between two calculations of the same inputs.
bool mayDiffer(UnitSystem system, const QString& key) { return system == UnitSystem::Metric && key == "RAT"; }

// Value texts of one results row ("\"7.15\",\"120\",...") in column order.
QStringList rowValues(const QByteArray& line) {
    QStringList out;
    for (QString field : QString::fromLatin1(line.trimmed()).split(u',')) out << field.remove(u'"');
    return out;
}

// The results file's value columns, in their order.
const char* const kResultsKeys[] = {"F",   "RR", "CD",  "LD",  "C",   "XC",  "BW",   "Q",    "TL",
                                    "MBW", "V",  "WD",  "SP",  "TPI", "EWC", "ECC",  "CI",   "NT",
                                    "CL",  "LW", "CCL", "CCD", "PWL", "LPW", "PCCD", "PCNT", "RAT",
                                    "FAC", "AE", "WR",  "DBL", "SCL", "SCT", "SCI",  "SCD",  "SCWL"};

TEST_F(DesignWindowTest, CommandsWriteAndReportTheDesignAsTypedAndRecalculated) {
    // The entry under the cursor is never left: the command must take it
    // with its accept action and recalculate before anything is written.
    struct Case {
        UnitSystem system;
        const char* command;  // "F2" or a button
        const char* key;      // the entry still being typed in
        const char* text;
        const char* file;  // what is written
    };
    const Case cases[] = {
        {UnitSystem::Imperial, "F2", "LD", "8", "728.ini"},
        {UnitSystem::Imperial, "SAVE", "LD", "8", "728.ini"},
        {UnitSystem::Imperial, "Print/View", "LD", "8", "728.ini"},
        {UnitSystem::Imperial, "email Report", "LD", "8", "728.ini"},
        {UnitSystem::Imperial, "Email Results", "LD", "8", "yq.ini"},
        {UnitSystem::Metric, "F2", "LD", "8", "M7508.ini"},
        {UnitSystem::Metric, "F2", "CCL", "400", "M7507.ini"},  // the ratio follows: 400 / 50.8 = 7.87
        {UnitSystem::Metric, "Print/View", "LD", "8", "M7508.ini"},
        {UnitSystem::Metric, "email Report", "CCL", "400", "M7507.ini"},
        {UnitSystem::Metric, "Email Results", "LD", "8", "yq.ini"},
    };
    for (const Case& c : cases) {
        const bool metric = c.system == UnitSystem::Metric;
        const std::string where = std::string(metric ? "Metric " : "Imperial ") + c.command + " " + c.key;
        for (const QString& name : QDir(folder.path()).entryList(QDir::Files)) QFile::remove(folder.filePath(name));
        recorder.reported.clear();
        DesignWindow& w = openWindow(c.system);
        w.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
        const QList<std::pair<const char*, const char*>> base =
            metric ? QList<std::pair<const char*, const char*>>{{"F", "7.05"}, {"CD", "50.8"}, {"LD", "6"},
                                                                {"WD", "1"},   {"SP", "2"},    {"CCD", "50"}}
                   : QList<std::pair<const char*, const char*>>{{"F", "7.15"},  {"CD", "2"},    {"LD", "6"},
                                                                {"WD", "0.04"}, {"SP", "0.08"}, {"CCD", "2"}};
        for (const auto& [k, v] : base) enter(k, v);
        test::settle();

        QLineEdit* pending = w.entry(c.key);
        pending->setFocus();
        pending->selectAll();
        QTest::keyClicks(pending, c.text);
        if (QString(c.command) == "F2")
            QTest::keyClick(w.windowHandle(), Qt::Key_F2);
        else {
            QAbstractButton* button = nullptr;
            for (auto* b : w.findChildren<QAbstractButton*>())
                if (b->text() == c.command) button = b;
            ASSERT_NE(button, nullptr) << c.command;
            QTest::mouseClick(button, Qt::LeftButton);
        }
        test::settle();

        const char* ld = QString(c.key) == "CCL" ? "7.87" : c.text;
        const DesignRecord expected =
            metric
                ? freshReCalc(c.system,
                              {{"F", "7.05"}, {"CD", "50.8"}, {"LD", ld}, {"WD", "1"}, {"SP", "2"}, {"CCD", "50"}})
                : freshReCalc(c.system,
                              {{"F", "7.15"}, {"CD", "2"}, {"LD", ld}, {"WD", "0.04"}, {"SP", "0.08"}, {"CCD", "2"}});
        const QString path = folder.filePath(c.file);
        ASSERT_TRUE(QFile::exists(path)) << where;
        const bool workingCopy = QString(c.file) == "yq.ini";
        const bool reports = QString(c.command).contains("Report") || QString(c.command) == "Print/View";
        for (const KeyInfo& info : designFileKeys()) {
            const QString key = keyName(info);
            if (mayDiffer(c.system, key) || (workingCopy && key == "MRR")) continue;
            const Decimal want = (expected.*info.member).value();
            const auto inFile = Decimal::parse(readProfileString(path, "YQ", key).toStdString());
            ASSERT_TRUE(inFile.has_value()) << where << " " << info.key;
            EXPECT_EQ(*inFile, want) << where << " file " << info.key << " " << inFile->toString();
            if (reports) {
                const auto inReport = Decimal::parse(recorder.reported.value(key).toStdString());
                EXPECT_TRUE(inReport && *inReport == want) << where << " report " << info.key;
            }
            // The window, after the reload where there is one, shows the same.
            EXPECT_EQ((w.record().*info.member).value(), want) << where << " window " << info.key;
        }
        if (reports) {
            EXPECT_FALSE(recorder.reported.isEmpty()) << where;
        }
        if (!workingCopy) {
            QFile csv(folder.filePath("YQ.csv"));
            ASSERT_TRUE(csv.open(QIODevice::ReadOnly)) << where;
            const QList<QByteArray> lines = csv.readAll().split('\n');
            ASSERT_EQ(lines.size(), 3) << where;
            const QStringList row = rowValues(lines[1]);
            ASSERT_GE(row.size(), 36);
            for (int i = 0; i < 36; ++i) {
                if (mayDiffer(c.system, kResultsKeys[i])) continue;
                const auto value = Decimal::parse(row[i].toStdString());
                EXPECT_TRUE(value && *value == expected.field(kResultsKeys[i])->value())
                    << where << " results " << kResultsKeys[i] << " " << row[i].toStdString();
            }
        }
        if (!metric) {
            // The numbers of LD = 8, not those of LD = 6 (12.00, 10.67, 2,086.17).
            EXPECT_EQ(shown("CCL"), "16.000") << where;
            EXPECT_EQ(shown("C"), "12.86") << where;
            EXPECT_EQ(shown("XC"), "1,730.90") << where;
            EXPECT_EQ(readProfileString(path, "YQ", "XC"), "1730.9") << where;
        }
    }
}

TEST_F(DesignWindowTest, MetricDesignTypedAndNeverRecalculatedIsNotPrintedAsZeros) {
    DesignWindow& w = openWindow(UnitSystem::Metric);
    // Typed into one field after the other; none of them was left.
    for (auto [k, v] : {std::pair{"F", "7.05"}, {"CD", "50.8"}, {"LD", "6"}, {"WD", "1"}, {"SP", "2"}, {"CCD", "50"}}) {
        w.entry(k)->setFocus();
        w.entry(k)->selectAll();
        QTest::keyClicks(w.entry(k), v);
    }
    w.commandButton(Command::PrintView)->click();
    const DesignRecord expected = freshReCalc(
        UnitSystem::Metric, {{"F", "7.05"}, {"CD", "50.8"}, {"LD", "6"}, {"WD", "1"}, {"SP", "2"}, {"CCD", "50"}});
    ASSERT_EQ(recorder.log.last(), "report M7506.ini mode 0 metric 1");
    for (const char* key : {"CCL", "C", "XC", "BW", "RR", "Q", "TL", "CI", "NT", "CL", "LW", "SCT", "PCNT", "AE"}) {
        const auto value = Decimal::parse(recorder.reported.value(key).toStdString());
        ASSERT_TRUE(value.has_value()) << key;
        EXPECT_FALSE(value->isZero()) << key;
        EXPECT_EQ(*value, expected.field(key)->value()) << key;
    }
}

TEST_F(DesignWindowTest, PartialRecalculationStaysOnScreenButSaveWritesTheFullReCalc) {
    const QString file =
        writeDesign("coil.ini", UnitSystem::Imperial, "0",
                    {{"F", "7.15"}, {"CD", "2"}, {"LD", "6"}, {"WD", "0.04"}, {"SP", "0.08"}, {"CCD", "3"}});
    DesignWindow& w = openWindow(UnitSystem::Imperial, file);
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    const QString ntAfterReCalc = stored("NT");
    const QString lwAfterReCalc = stored("LW");
    // A Tab user passes CI on the way to PCCD; then NT is used.
    w.entry("CI")->setFocus(Qt::TabFocusReason);
    w.entry("NT")->setFocus(Qt::TabFocusReason);
    ASSERT_NE(stored("NT"), ntAfterReCalc);
    const QString partialNt = shown("NT");
    EXPECT_EQ(entryValue(partialNt)->toFixed(2), stored("NT").toStdString());  // on screen

    pressKey(Qt::Key_F2);
    test::settle();
    const QString saved = folder.filePath("726.ini");
    EXPECT_EQ(Decimal::parse(readProfileString(saved, "YQ", "NT").toStdString())->toFixed(2),
              ntAfterReCalc.toStdString());
    EXPECT_EQ(Decimal::parse(readProfileString(saved, "YQ", "LW").toStdString())->toFixed(2),
              lwAfterReCalc.toStdString());
    EXPECT_EQ(stored("NT"), ntAfterReCalc);  // and the window after the reload
    EXPECT_NE(shown("NT"), partialNt);
}

TEST_F(DesignWindowTest, DecimalCommaInEntries) {
    DesignWindow& w = openWindow(UnitSystem::Imperial);
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    enter("F", "7,15");
    enter("CD", "2,5");
    EXPECT_EQ(stored("F"), "7.1500");
    EXPECT_EQ(stored("CD"), "2.50");
    for (const char* refused : {"7,1,5", "7,1.5", "7.1,5", "7.1.5"}) {
        QString text = QString::fromLatin1(refused);
        int pos = 0;
        EXPECT_EQ(w.entry("F")->validator()->validate(text, pos), QValidator::Invalid) << refused;
    }

    // A value shown with thousands grouping is edited without it.
    const QString file = writeDesign("M7506.ini", UnitSystem::Metric, "1",
                                     {{"F", "7.05"}, {"CD", "50.8"}, {"LD", "6"}, {"PCCD", "1200"}});
    openWindow(UnitSystem::Metric, file);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_EQ(shown("PCCD"), "1,200.00");
    window->entry("PCCD")->setFocus();
    EXPECT_EQ(shown("PCCD"), "1200.00");
    window->entry("F")->setFocus();  // left unchanged: grouped again
    EXPECT_EQ(shown("PCCD"), "1,200.00");
    EXPECT_EQ(stored("PCCD"), "1200.00");
    QLineEdit* cd = window->entry("PCCD");
    cd->setFocus();
    cd->end(false);
    for (int i = 0; i < 3; ++i) QTest::keyClick(cd, Qt::Key_Backspace);  // "1200"
    QTest::keyClick(cd, Qt::Key_Return);
    EXPECT_EQ(stored("PCCD"), "1200.00");  // never 1.2
    enter("PCCD", "1200,5");
    EXPECT_EQ(stored("PCCD"), "1200.50");
}

TEST_F(DesignWindowTest, EntriesTakeOnlyWhatTheirFieldCanStore) {
    struct Case {
        UnitSystem system;
        const char* key;
        const char* largest;  // accepted
        const char* stored;   // as the field holds it
        const char* oneMore;  // refused
    };
    const UnitSystem I = UnitSystem::Imperial, M = UnitSystem::Metric;
    const Case cases[] = {
        {I, "F", "99999.999", "99999.9990", "100000"},  // the picture would show 7 digits
        {M, "F", "99999.999", "99999.9990", "100000"},
        {I, "CD", "999.99", "999.99", "1000"},
        {M, "CD", "999.99", "999.99", "1000"},
        {I, "LD", "99.999", "100.00", "100"},
        {M, "LD", "9999.9", "9999.90", "10000"},
        {I, "MBW", "-9999999", "-9999999.00", "10000000"},
        {M, "MBW", "9999999", "9999999.00", "-10000000"},
        {I, "WD", "99.999", "99.9990", "100"},
        {M, "SP", "99.999", "99.9990", "100"},
        {I, "CCD", "99999.99", "99999.99", "100000"},
        {M, "CCD", "99999.99", "99999.99", "100000"},
        {I, "FAC", "9999999.99", "9999999.99", "10000000"},
        {M, "FAC", "99999.99", "99999.99", "100000"},
        {I, "PCCD", "-9999999.99", "-9999999.99", "-10000000"},
        {M, "PCCD", "9999999.99", "9999999.99", "10000000"},
        {I, "SCD", "99999.99", "99999.99", "100000"},
        {M, "SCD", "9999999.99", "9999999.99", "10000000"},
        {I, "DPS", "99.9", "99.90", "100"},
        {M, "DPS", "-99.9", "-99.90", "-100"},
        {I, "SCWL", "-99999.99", "-99999.99", "-100000"},
        {M, "SCWL", "9999999.99", "9999999.99", "10000000"},
        {M, "CCL", "9999999.9", "9999999.90", "10000000"},
    };
    for (const Case& c : cases) {
        DesignWindow& w = openWindow(c.system);
        const std::string where = std::string(c.system == M ? "Metric " : "Imperial ") + c.key;
        QLineEdit* edit = w.entry(c.key);
        QString largest = QString::fromLatin1(c.largest), oneMore = QString::fromLatin1(c.oneMore);
        int pos = 0;
        EXPECT_EQ(edit->validator()->validate(largest, pos), QValidator::Acceptable) << where;
        EXPECT_EQ(edit->validator()->validate(oneMore, pos), QValidator::Invalid) << where;
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, largest);
        EXPECT_EQ(edit->text(), largest) << where;
        QTest::keyClick(edit, Qt::Key_Return);  // left: stored
        EXPECT_EQ(stored(c.key), c.stored) << where;
    }
    // Typing on past what F holds: the extra digits are not taken.
    DesignWindow& w = openWindow(UnitSystem::Imperial);
    w.entry("F")->selectAll();
    QTest::keyClicks(w.entry("F"), "1234567");
    EXPECT_EQ(shown("F"), "12345");
}

TEST_F(DesignWindowTest, EnterAndSpacePressTheFocusedButton) {
    DesignWindow& w = openWindow(UnitSystem::Imperial);
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    enter("F", "7.15");
    EXPECT_EQ(QApplication::focusWidget(), w.entry("CD"));  // Enter in an entry moves on
    enter("CD", "2");
    enter("LD", "6");
    test::settle();

    QPushButton* recalc = w.commandButton(Command::ReCalc);
    recalc->setFocus();
    QTest::keyClick(recalc, Qt::Key_Return);
    EXPECT_EQ(stored("FAC"), "2.00");

    QPushButton* save = w.commandButton(Command::Save);
    save->setFocus();
    QTest::keyClick(save, Qt::Key_Return);
    test::settle();
    EXPECT_TRUE(QFile::exists(folder.filePath("726.ini")));
    EXPECT_EQ(QApplication::focusWidget(), save);
    EXPECT_TRUE(w.isVisible());

    recorder.log.clear();
    QPushButton* mail = w.commandButton(Command::EmailResults);
    mail->setFocus();
    QTest::keyClick(mail, Qt::Key_Space);
    EXPECT_EQ(recorder.log, QStringList({"mail yq.ini YQ.csv"}));
    QTest::keyClick(mail, Qt::Key_Enter);  // the keypad's Enter as well
    EXPECT_EQ(recorder.log.size(), 2);
}

TEST_F(DesignWindowTest, EveryValueShownIsReadByItsLabel) {
    const QString file =
        writeDesign("726.ini", UnitSystem::Imperial, "0",
                    {{"F", "7.15"}, {"CD", "2"}, {"LD", "6"}, {"WD", "0.04"}, {"SP", "0.08"}, {"CCD", "2"}});
    for (UnitSystem system : {UnitSystem::Imperial, UnitSystem::Metric}) {
        DesignWindow& w = openWindow(system, file);
        for (const KeyInfo& info : keyTable()) {
            QLineEdit* edit = w.entry(keyName(info));
            if (!edit) continue;
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(edit);
            ASSERT_NE(a, nullptr) << info.key;
            if (info.key != "MRR") {
                EXPECT_EQ(a->text(QAccessible::Name), w.fieldLabel(keyName(info))->text().trimmed()) << info.key;
            }
            EXPECT_EQ(a->text(QAccessible::Value), edit->text()) << info.key;
            EXPECT_FALSE(edit->text().isEmpty()) << info.key;
        }
        auto* rr = w.findChild<QWidget*>("RR");
        ASSERT_NE(rr, nullptr);
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(rr);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->text(QAccessible::Name), "Radiation Resistance");
        EXPECT_EQ(entryValue(a->text(QAccessible::Value)), w.record().RR.value());
        EXPECT_FALSE(w.record().RR.isZero());
        EXPECT_TRUE(a->state().readOnly);
    }
}

TEST_F(DesignWindowTest, TabOrderIsDataEntryFirst) {
    for (UnitSystem system : {UnitSystem::Imperial, UnitSystem::Metric}) {
        DesignWindow& w = openWindow(system);
        w.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
        EXPECT_EQ(QApplication::focusWidget(), w.entry("F"));
        QStringList chain;
        for (QWidget* x = w.entry("F"); chain.size() < 80; x = x->nextInFocusChain()) {
            if (x == &w) break;
            if (!(x->focusPolicy() & Qt::TabFocus) || !x->isVisibleTo(&w) ||
                (x->parentWidget() && x->parentWidget()->inherits("QTabBar")))
                continue;
            if (auto* b = qobject_cast<QAbstractButton*>(x))
                chain << (b->text().isEmpty() ? b->objectName() : b->text());
            else if (x->inherits("QTabBar"))
                chain << "tabs";
            else
                chain << x->objectName();
        }
        EXPECT_EQ(chain.join(' '),
                  "F CD LD CCL C XC BW MBW Q TL PWL MRR V AE DBL SCD DPS SCWD XSC SCI SCT SCL SCWL "
                  "WD SP CCD TPI EWC ECC FAC CI NT CL LW ReCalc PCCD LPW PCNT "
                  "Select Antenna tabs SAVE Print/View email Report YQ Forum Open Excel Email Results Close");
    }
}

// The names of the controls Tab reaches from `from` until it leaves the
// page `page` (the tab's own controls, in order).
QStringList tabChainIn(QWidget* page, QWidget* window) {
    QStringList chain;
    QWidget* x = QApplication::focusWidget();
    for (int steps = 0; steps < 80 && x && page->isAncestorOf(x); ++steps) {
        if (auto* b = qobject_cast<QAbstractButton*>(x))
            chain << (b->text().isEmpty() ? b->objectName() : b->text().remove(u'&'));
        else
            chain << (x->accessibleName().isEmpty() ? x->objectName() : x->accessibleName());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        x = QApplication::focusWidget();
        if (x == window) break;
    }
    return chain;
}

TEST_F(DesignWindowTest, EveryToolTabIsReachedAndWalkedFromTheKeyboard) {
    DesignWindow& w = openWindow(UnitSystem::Imperial);
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    // From the first entry: Tab to the tab bar, then the arrow keys choose a
    // tab and Tab goes on into its page.
    struct Expected {
        const char* tab;
        const char* chain;
    } const tabs[] = {
        {"   Design Tools",
         "Field to fit|Turns wound|Find|Convert and Save as Metric|Input to vary|From|To|Step|Sweep|"
         "NT|CI|CL|LW|XC|BW|Q|RR|AE|TL|SCT|PCNT|Sweep points"},
        {"   Build Sheet", "Print Build Sheet|BuildSheetScroll"},
        {"   Simulation",
         "Model|Simulate again|Export NEC deck...|The calculator's figures beside the NEC-2 model's|"
         "Frequencies plotted|qt_tabwidget_tabbar"},
        {"   Measurement", "Open measurement...|Turns wound on the tuning coil|Findings and tuning"},
    };
    QTabBar* bar = w.tabs()->tabBar();
    for (int i = 0; i < 4; ++i) {
        bar->setFocus();
        for (int k = 0; k < 6; ++k) QTest::keyClick(bar, Qt::Key_Left);
        for (int k = 0; k < 2 + i; ++k) QTest::keyClick(bar, Qt::Key_Right);
        ASSERT_EQ(w.tabs()->currentIndex(), 2 + i);
        EXPECT_EQ(w.tabs()->tabText(2 + i), tabs[i].tab);
        // A study started by showing the tab has ended (its Cancel is off again).
        for (QPushButton* b : w.tabs()->currentWidget()->findChildren<QPushButton*>()) {
            if (b->text() == QLatin1String("&Cancel")) {
                EXPECT_TRUE(QTest::qWaitFor([b] { return !b->isEnabled(); }, 20000));
            }
        }
        QTest::keyClick(bar, Qt::Key_Tab);
        const QStringList chain = tabChainIn(w.tabs()->currentWidget(), &w);
        EXPECT_EQ(chain.join(u'|').toStdString(), tabs[i].chain) << tabs[i].tab;
    }
}

}  // namespace
}  // namespace yq
