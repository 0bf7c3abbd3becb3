// Keyboard and screen-reader access: field labels name their fields (buddy),
// every control can be reached with Tab in layout order, and pictures and
// lists carry names.

#include "AppTestSupport.h"

#include "app/AboutWindow.h"
#include "app/MainWindow.h"
#include "app/PicturesWindow.h"
#include "app/UserForm.h"
#include "app/UserListWindow.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace yq {
namespace {

// Qt's own helpers inside a widget (a menu bar's overflow button, a tab
// bar's scroll arrows, a list's header) are reached through their owner.
bool isPartOfAnotherControl(const QWidget* w) {
    return w->objectName().startsWith("qt_") || qobject_cast<const QHeaderView*>(w) ||
           (w->parentWidget() && w->parentWidget()->inherits("QTabBar"));
}

bool isInteractive(const QWidget* w) {
    return (qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLineEdit*>(w) ||
            qobject_cast<const QAbstractItemView*>(w)) &&
           !isPartOfAnotherControl(w);
}

// The widgets Tab visits from the window, in order.
QList<QWidget*> tabChain(QWidget* window) {
    QList<QWidget*> chain;
    QWidget* w = window->nextInFocusChain();
    while (w && w != window && chain.size() < 200) {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(window) && w->isEnabled() && !isPartOfAnotherControl(w))
            chain << w;
        w = w->nextInFocusChain();
    }
    return chain;
}

QStringList objectNames(const QList<QWidget*>& widgets) {
    QStringList out;
    for (const QWidget* w : widgets) out << w->objectName();
    return out;
}

class Accessibility : public ::testing::Test {
protected:
    void SetUp() override {
        test::ensureApplication();
        ASSERT_TRUE(dir.isValid());
        file = std::make_unique<UserFile>(dir.path());
        ASSERT_TRUE(file->add("Ann K1AAA"));
    }

    // The windows, shown, so their parts are laid out as the user sees them.
    QList<std::shared_ptr<QWidget>> allWindows() {
        const QList<std::shared_ptr<QWidget>> windows = {
            std::make_shared<MainWindow>(MainWindowServices{}),
            std::make_shared<PicturesWindow>(),
            std::make_shared<AboutWindow>(),
            std::make_shared<UserListWindow>(*file, errors, messages),
            std::make_shared<UserForm>(UserRequest::Insert, UserRecord{}, *file, messages),
            std::make_shared<UserForm>(UserRequest::Change, file->first().value().value(), *file, messages)};
        for (const auto& w : windows) w->show();
        return windows;
    }

    QTemporaryDir dir;
    std::unique_ptr<UserFile> file;
    test::FakeErrorReporter errors;
    test::RecordingMessages messages;
};

TEST_F(Accessibility, FieldLabelsAreTheirFieldsBuddies) {
    int labelled = 0;
    for (const auto& window : allWindows()) {
        for (const QLabel* label : window->findChildren<QLabel*>()) {
            if (!label->text().trimmed().endsWith(u':')) continue;
            ++labelled;
            ASSERT_NE(label->buddy(), nullptr)
                << window->objectName().toStdString() << ": " << label->text().toStdString();
            EXPECT_TRUE(isInteractive(label->buddy()));
        }
    }
    EXPECT_GE(labelled, 2) << "both user forms have a labelled field";
}

TEST_F(Accessibility, EveryVisibleControlIsReachableWithTab) {
    for (const auto& window : allWindows()) {
        const QList<QWidget*> chain = tabChain(window.get());
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (!isInteractive(w) || !w->isVisibleTo(window.get()) || !w->isEnabled()) continue;
            EXPECT_TRUE(chain.contains(w)) << window->windowTitle().toStdString() << ": "
                                           << w->objectName().toStdString() << " is not reachable with Tab";
        }
    }
}

TEST_F(Accessibility, TabFollowsTheLayoutOrder) {
    UserListWindow list(*file, errors, messages);
    list.show();
    EXPECT_EQ(objectNames(tabChain(&list)), QStringList({"BROWSE:1", "INSERT:3", "CHANGE:3", "DELETE:3", "CLOSE"}));
    UserForm form(UserRequest::Insert, {}, *file, messages);
    form.show();
    EXPECT_EQ(objectNames(tabChain(&form)), QStringList({"YQ1:USER", "OK", "CANCEL"}));
    PicturesWindow pictures;
    EXPECT_EQ(objectNames(tabChain(&pictures)), QStringList({"OKBUTTON"}));
    AboutWindow about;
    EXPECT_EQ(objectNames(tabChain(&about)), QStringList({"OKBUTTON"}));
}

TEST_F(Accessibility, PicturesAndListsHaveNames) {
    for (const auto& window : allWindows()) {
        for (const QLabel* label : window->findChildren<QLabel*>()) {
            if (!label->pixmap().isNull()) {
                EXPECT_FALSE(label->accessibleName().isEmpty()) << label->objectName().toStdString();
            }
        }
        for (const QAbstractItemView* view : window->findChildren<QAbstractItemView*>()) {
            if (view->isVisibleTo(window.get()) && view->objectName() == "BROWSE:1") {
                EXPECT_FALSE(view->accessibleName().isEmpty());
            }
        }
    }
}

}  // namespace
}  // namespace yq
