#include "design/Calculation.h"
#include "support/RecordingMessages.h"
#include "support/WidgetApplication.h"
#include "windows/DesignToolsTab.h"
#include "windows/DesignWindow.h"
#include "windows/DialogUnits.h"
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>
namespace yq {
static void settle() {
    for (int i = 0; i < 20; ++i) {
        QCoreApplication::processEvents();
        QTest::qWait(20);
    }
}
static void shoot(const QString& name) {
    settle();
    QProcess::execute("import", {"-window", "root", "/tmp/i12-shots/" + name});
}
TEST(ZzShot, Window) {
    test::widgetApplication();
    windows::installWindowFontSubstitutions();
    QDir().mkpath("/tmp/i12-shots/work");
    QDir::setCurrent("/tmp/i12-shots/work");
    QProcess::execute(YQ_CALC_PATH, {"save", "F=7.15", "CD=2", "LD=6", "WD=0.04", "SP=0.08", "CCD=2", "MBW=35"});
    ProgramState state;
    DesignWindowServices s;
    s.chooseFile = [](const QString&, const QString&, const QString&) { return QStringLiteral("/tmp/i12-shots/work/726.ini"); };
    static test::RecordingMessages msgs{test::RecordingMessages::Mode::Record};
    s.messages = &msgs;
    DesignWindow w(UnitSystemDescription::imperial(), s, state);
    w.move(10, 10);
    w.open();
    settle();
    w.tabs()->setCurrentIndex(2);
    auto* tab = w.findChild<DesignToolsTab*>();
    ASSERT_TRUE(tab);
    settle();
    tab->turnsEntry()->setText("31.5");
    tab->findFit();
    tab->runSweepNow();
    shoot("1-fit.png");
    tab->applyFit();
    tab->stepEntry()->setText("0.002");
    tab->outputBox("AE")->setChecked(true);
    tab->runSweepNow();
    shoot("2-sweep-40m.png");
    tab->convertNow();
    shoot("3-convert.png");
    w.tabs()->setCurrentIndex(0);
    shoot("4-specifications.png");
}
}
