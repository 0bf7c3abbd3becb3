// The main window: its caption, its menu with the exact captions, the texts
// and pictures at their layout places, and which window each menu item runs.

#include "AppTestSupport.h"

#include "app/InfoTexts.h"
#include "app/MainWindow.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace yq {
namespace {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override { test::ensureApplication(); }

    // Services that only record which window was asked for.
    MainWindowServices recordingServices() {
        MainWindowServices s;
        s.openDesignWindow = [this](UnitSystem system, QWidget* parent) {
            calls << (system == UnitSystem::Metric ? "metric design" : "imperial design");
            parents << parent;
        };
        s.openPictures = [this](QWidget* parent) {
            calls << "pictures";
            parents << parent;
        };
        s.openUserList = [this](QWidget* parent) {
            calls << "user list";
            parents << parent;
        };
        s.openAbout = [this](QWidget* parent) {
            calls << "about";
            parents << parent;
        };
        return s;
    }

    QStringList calls;
    QList<QWidget*> parents;
};

TEST_F(MainWindowTest, CaptionBeginsWithTheProductNameAndVersion) {
    MainWindow window(recordingServices());
    EXPECT_TRUE(window.windowTitle().startsWith("ZO Duravar Uravaro  Design Calculator V5.091"))
        << window.windowTitle().toStdString();
}

TEST_F(MainWindowTest, MenuBarHasTheExactCaptionsInOrder) {
    MainWindow window(recordingServices());
    const QList<QAction*> top = window.menuBar()->actions();
    ASSERT_EQ(top.size(), 5);
    EXPECT_EQ(top[0]->text(), "Shutdown");
    EXPECT_EQ(top[1]->text(), "   Antenna Design");
    ASSERT_NE(top[1]->menu(), nullptr);
    const QList<QAction*> design = top[1]->menu()->actions();
    ASSERT_EQ(design.size(), 2);
    EXPECT_EQ(design[0]->text(), "   Imperial YQ Antenna");
    EXPECT_EQ(design[1]->text(), "   Metric YQ antenna");
    EXPECT_EQ(top[2]->text(), "   Pictures");
    EXPECT_EQ(top[3]->text(), QString::fromLatin1(kUserListMenuCaption));
    EXPECT_FALSE(top[3]->text().trimmed().isEmpty());
    EXPECT_EQ(top[4]->text(), "    AboutThisProgram");

    // The items are numbered 1 to 7 in menu order.
    const QList<QObject*> numbered = {top[0], top[1]->menu(), design[0], design[1], top[2], top[3], top[4]};
    for (int n = 1; n <= 7; ++n) EXPECT_EQ(window.control(n), numbered[n - 1]) << "item " << n;
}

struct MenuCase {
    const char* item;
    int number;
    const char* expectedCall;
};

class MainMenuItems : public MainWindowTest, public ::testing::WithParamInterface<MenuCase> {};

TEST_P(MainMenuItems, EachItemRunsItsWindowModallyOverTheMainWindow) {
    const MenuCase& c = GetParam();
    MainWindow window(recordingServices());
    window.show();
    auto* action = qobject_cast<QAction*>(window.control(c.number));
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->objectName(), c.item);
    EXPECT_TRUE(action->isEnabled());
    action->trigger();
    EXPECT_EQ(calls, QStringList({c.expectedCall}));
    ASSERT_EQ(parents.size(), 1);
    EXPECT_EQ(parents[0], &window);
    EXPECT_TRUE(window.isVisible()) << "only Shutdown closes the main window";
}

INSTANTIATE_TEST_SUITE_P(Menu, MainMenuItems,
                         ::testing::Values(MenuCase{"YQANTENNA", 3, "imperial design"},
                                           MenuCase{"DESIGNYQMETRIC", 4, "metric design"},
                                           MenuCase{"PICTURES", 5, "pictures"}, MenuCase{"USERLIST", 6, "user list"},
                                           MenuCase{"ABOUTTHISPROGRAM", 7, "about"}),
                         [](const ::testing::TestParamInfo<MenuCase>& p) { return std::string(p.param.item); });

TEST_F(MainWindowTest, ShutdownEndsTheWindowsEventLoop) {
    MainWindow window(recordingServices());
    bool returned = false;
    QTimer::singleShot(0, [&] {
        EXPECT_TRUE(window.isVisible());
        qobject_cast<QAction*>(window.control(mainItem::Shutdown))->trigger();
    });
    window.run();
    returned = true;
    EXPECT_TRUE(returned);
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(calls.isEmpty()) << "Shutdown runs no other window";
}

TEST_F(MainWindowTest, CloseBoxBehavesLikeShutdown) {
    MainWindow window(recordingServices());
    QTimer::singleShot(0, [&] { window.close(); });
    window.run();
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(calls.isEmpty());
}

TEST_F(MainWindowTest, WithoutDesignWindowsTheirItemsAreDisabled) {
    MainWindowServices services = recordingServices();
    services.openDesignWindow = nullptr;
    MainWindow window(services);
    EXPECT_FALSE(qobject_cast<QAction*>(window.control(mainItem::ImperialDesign))->isEnabled());
    EXPECT_FALSE(qobject_cast<QAction*>(window.control(mainItem::MetricDesign))->isEnabled());
    window.accept(mainItem::ImperialDesign);  // nothing to run, nothing happens
    EXPECT_TRUE(calls.isEmpty());
}

TEST_F(MainWindowTest, PromptsShowTheirTextsBeforeTheWindowIsShown) {
    MainWindow window(recordingServices());
    const auto* prompt1 = window.findChild<QLabel*>("PROMPT1");
    const auto* prompt2 = window.findChild<QLabel*>("PROMPT2");
    const auto* prompt3 = window.findChild<QLabel*>("PROMPT3");
    ASSERT_TRUE(prompt1 && prompt2 && prompt3);
    EXPECT_EQ(prompt1->text(), biographyText());
    EXPECT_EQ(prompt2->text(), welcomeText());
    EXPECT_EQ(prompt3->text(), informationText());
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        EXPECT_NE(label->text(), "Prompt 2");
        EXPECT_NE(label->text(), "Prompt 3");
    }
    // Every prompt's wrapped text fits inside its place.
    for (const QLabel* p : {prompt1, prompt2, prompt3})
        EXPECT_LE(p->heightForWidth(p->width()), p->height()) << p->objectName().toStdString();
}

struct PlaceCase {
    const char* control;
    int number;
    int x, y, w, h;
    const char* image;  // empty for panels and prompts
};

class MainWindowLayout : public MainWindowTest, public ::testing::WithParamInterface<PlaceCase> {};

TEST_P(MainWindowLayout, ControlSitsAtItsPlace) {
    const PlaceCase& c = GetParam();
    MainWindow window(recordingServices());
    const auto* widget = qobject_cast<QWidget*>(window.control(c.number));
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->objectName(), c.control);
    EXPECT_EQ(widget->geometry(), window.units().rect(c.x, c.y, c.w, c.h));
    if (*c.image) {
        const auto* label = qobject_cast<const QLabel*>(widget);
        ASSERT_NE(label, nullptr);
        EXPECT_FALSE(label->pixmap().isNull()) << c.image;
        EXPECT_EQ(label->pixmap().deviceIndependentSize().toSize(), widget->size());
        EXPECT_FALSE(label->accessibleName().isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(Layout, MainWindowLayout,
                         ::testing::Values(PlaceCase{"IMAGE2", 8, -18, 0, 545, 61, "mt_business_top.jpg"},
                                           PlaceCase{"PANEL2", 9, 5, 67, 107, 146, ""},
                                           PlaceCase{"IMAGE3", 10, 8, 69, 101, 142, "yqantenna1.jpg"},
                                           PlaceCase{"PROMPT2", 11, 120, 67, 156, 163, ""},
                                           PlaceCase{"PROMPT3", 12, 307, 67, 200, 31, ""},
                                           PlaceCase{"PROMPT1", 13, 116, 252, 374, 65, ""},
                                           PlaceCase{"PANEL1", 14, 305, 101, 204, 150, ""},
                                           PlaceCase{"IMAGE4", 15, 307, 103, 199, 146, "van.jpg"},
                                           PlaceCase{"PANEL3", 16, 39, 234, 73, 82, ""},
                                           PlaceCase{"IMAGE5", 17, 42, 236, 67, 78, "BrannocQuillet.jpg"}),
                         [](const ::testing::TestParamInfo<PlaceCase>& p) { return std::string(p.param.control); });

TEST_F(MainWindowTest, ClientAreaIsTheLayoutSizeAndTheInventorLineIsBold) {
    MainWindow window(recordingServices());
    EXPECT_EQ(window.centralWidget()->size(), window.units().size(527, 319));
    EXPECT_EQ(window.minimumSize(), window.maximumSize()) << "the window is not resizable";
    const auto* line = qobject_cast<QLabel*>(window.control(18));
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->objectName(), "STRING1");
    EXPECT_EQ(line->text(), "Brannoc Quillet CEO  ZO Duravar Uravaro");
    EXPECT_TRUE(line->font().bold());
    EXPECT_EQ(line->pos(), window.units().point(116, 235));
    EXPECT_GE(line->width(), line->sizeHint().width()) << "the line is sized to its text";
    EXPECT_EQ(window.control(19), nullptr);
}

TEST_F(MainWindowTest, MenuIsReachableFromTheKeyboard) {
    MainWindow window(recordingServices());
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_F10);
    EXPECT_EQ(window.menuBar()->activeAction(), window.control(mainItem::Shutdown));
    // Right to "Pictures" (past the drop-down menu), Enter runs it.
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window.menuBar();
    QTest::keyClick(target, Qt::Key_Right);
    target = QApplication::activePopupWidget() ? QApplication::activePopupWidget() : target;
    QTest::keyClick(target, Qt::Key_Right);
    target = QApplication::activePopupWidget() ? QApplication::activePopupWidget() : window.menuBar();
    EXPECT_EQ(window.menuBar()->activeAction(), window.control(mainItem::Pictures));
    QTest::keyClick(target, Qt::Key_Return);
    EXPECT_EQ(calls, QStringList({"pictures"}));
}

}  // namespace
}  // namespace yq
