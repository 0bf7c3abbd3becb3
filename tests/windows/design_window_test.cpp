#include "design/Calculation.h"
#include "files/DesignFile.h"
#include "platform/PrivateProfile.h"
#include "support/GuiApplication.h"
#include "windows/DesignWindow.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

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
    bool spreadsheetOpens = true;

    DesignWindowServices services() {
        DesignWindowServices s;
        s.chooseFile = [this](const QString& title, const QString& filter, const QString&) {
            log << QStringLiteral("dialog %1 [%2]").arg(title, filter);
            if (fileAnswers.empty()) return QString();
            const QString answer = fileAnswers.front();
            fileAnswers.pop_front();
            return answer;
        };
        s.showMessage = [this](const QString& caption, const QString& text) {
            log << QStringLiteral("message [%1] %2").arg(caption, text);
        };
        s.runReport = [this](const QString& path, ProgramState& state) {
            log << QStringLiteral("report %1 mode %2 metric %3")
                       .arg(QFileInfo(path).fileName())
                       .arg(static_cast<int>(state.reportMode))
                       .arg(state.metric);
        };
        s.emailResults = [this](const QString& workingCopy, const QString& results, ProgramState&) {
            log << QStringLiteral("mail %1 %2").arg(QFileInfo(workingCopy).fileName(), QFileInfo(results).fileName());
        };
        s.openSpreadsheet = [this](const QString& path, QString* problem) {
            log << QStringLiteral("spreadsheet %1").arg(QFileInfo(path).fileName());
            if (!spreadsheetOpens) *problem = QStringLiteral("No program opens CSV files.");
            return spreadsheetOpens;
        };
        s.openForum = [this] { log << QStringLiteral("forum"); };
        s.setBusy = [this](bool busy) { log << (busy ? QStringLiteral("busy") : QStringLiteral("idle")); };
        return s;
    }
};

class DesignWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::guiApplication();
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
        settle();
        return *window;
    }

    // Lets queued commands (the key presses the window places) run.
    static void settle() {
        for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
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
    settle();
    EXPECT_EQ(stored("F"), "7.1500");
    EXPECT_EQ(shown("C"), "0.00");  // F and CD wait for the next calculation

    enter("LD", "6");
    // The cylinder length is computed at once; the queued ReCalc follows.
    EXPECT_EQ(stored("CCL"), "12.00");
    EXPECT_EQ(stored("C"), "0.00");
    settle();
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
    settle();
    EXPECT_EQ(recorder.log.last(),
              "message [YQ Error Message] Invalid figure. Valid values are between|1 and 99. Please re-enter");
    EXPECT_EQ(QApplication::focusWidget(), w.entry("FAC"));
    EXPECT_EQ(stored("FAC"), "0.50");   // stays until changed or recalculated
    EXPECT_EQ(stored("DPS"), "0.00");   // no ReCalc ran

    recorder.log.clear();
    enter("FAC", "150");
    settle();
    EXPECT_TRUE(recorder.log.isEmpty());
    EXPECT_EQ(stored("FAC"), "150.00");
    EXPECT_EQ(stored("DPS"), "6.00");  // the queued ReCalc ran
}

TEST_F(DesignWindowTest, ComputedControlsRunTheirPartialRecalculations) {
    const QString file = writeDesign("coil.ini", UnitSystem::Imperial, "0",
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
        {UnitSystem::Imperial, "1",
         {"message [YQ Error Message] Incorrect choice. You have chosen|a Metric design in error.|Select Metric "
          "Design instead.|Do NOT save this version!"},
         "Press ESC & Select Metric Option!", 0},
        {UnitSystem::Imperial, "0", {}, "All measurements are in inches", 0},
        {UnitSystem::Metric, "0",
         {"message [YQ Error Message] Incorrect choice. You have chosen|an Imperial design in error.|Select "
          "Imperial Design instead."},
         "Press ESC & select Imperial Design", 0},
        {UnitSystem::Metric, nullptr,
         {"message [YQ Error Message] Incorrect choice. You have chosen|an Imperial design in error.|Select "
          "Imperial Design instead."},
         "Press ESC & select Imperial Design", 0},
        {UnitSystem::Metric, "1", {}, "All measurements are in mm", 1},
    };
    for (const auto& c : cases) {
        recorder.log.clear();
        const QString path = writeDesign(QStringLiteral("case.ini"), UnitSystem::Imperial, c.metricText ? c.metricText : "0",
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
    settle();
    pressKey(Qt::Key_F2);
    settle();
    const QString path = QDir(folder.path()).filePath("726.ini");
    EXPECT_EQ(w.currentDesignPath(), path);
    EXPECT_EQ(w.chosenFileName(), "726.ini");
    EXPECT_EQ(platform::readProfileString(path, "YQ", "F"), "7.15");
    EXPECT_EQ(platform::readProfileString(path, "YQ", "Metric"), "0");
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
    settle();
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
        {UnitSystem::Imperial, Command::PrintView, 1,
         {"message [] You are printing a metric|antenna. Measurements will default to mm.", "report 726.ini mode 0 metric 0"}},
        {UnitSystem::Imperial, Command::EmailReport, 0, {"report 726.ini mode 1 metric 0"}},
        {UnitSystem::Metric, Command::PrintView, 1, {"report M7506.ini mode 0 metric 1"}},
        {UnitSystem::Metric, Command::EmailReport, 1, {"report  mode 1 metric 1"}},  // no save
    };
    for (const auto& c : cases) {
        QFile::remove(QDir(folder.path()).filePath("YQ.csv"));
        DesignWindow& w = openWindow(c.window);
        enter("F", "7.05");
        enter("CD", c.window == UnitSystem::Metric ? "50.8" : "2");
        enter("LD", "6");
        settle();
        state.metric = c.metricBefore;
        recorder.log.clear();
        w.commandButton(c.command)->click();
        QStringList got;
        for (const QString& line : recorder.log)
            if (line.startsWith("message") || line.startsWith("report")) got << line;
        EXPECT_EQ(got, c.expected);
        const bool saved = QFile::exists(QDir(folder.path()).filePath("YQ.csv"));
        EXPECT_EQ(saved, !(c.window == UnitSystem::Metric && c.command == Command::EmailReport));
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
    settle();
    EXPECT_EQ(recorder.log.last(), "dialog Choose File to Open [Antenna Ini Files M = Metric|M*.ini]");
    EXPECT_EQ(QDir::currentPath(), QDir(other.path()).canonicalPath());
    EXPECT_EQ(stored("F"), "14.2000");

    enter("F", "3.5");  // unsaved edit
    w.commandButton(Command::SelectAntenna)->click();  // cancelled: the same file again
    settle();
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
    EXPECT_EQ(platform::readProfileString(workingCopy, "YQ", "F"), "7.15");
    EXPECT_FALSE(platform::ProfileFile(workingCopy).contains("YQ", "Metric"));
    EXPECT_TRUE(w.currentDesignPath().isEmpty());  // left unchanged

    recorder.log.clear();
    pressKey(Qt::Key_F8);
    QPushButton* helpForum = w.findChild<QPushButton*>("HelpForumButton");
    ASSERT_NE(helpForum, nullptr);
    helpForum->click();
    settle();
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
