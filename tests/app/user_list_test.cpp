// The user list and the user form on a real user file in a temporary folder:
// insert and change through the form, delete after a confirmation, the
// form's captions per request and its 40-character entry.

#include "AppTestSupport.h"

#include "app/Startup.h"
#include "app/UserForm.h"
#include "app/UserListWindow.h"
#include "files/UserFile.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace yq {
namespace {

QStringList shown(const QTreeWidget* list) {
    QStringList out;
    for (int i = 0; i < list->topLevelItemCount(); ++i) out << list->topLevelItem(i)->text(0);
    return out;
}

// The records read, none when the file could not be read.
QList<UserRecord> listed(const Result<QList<UserRecord>>& records) { return records ? *records : QList<UserRecord>(); }

QStringList names(const Result<QList<UserRecord>>& records) {
    QStringList out;
    for (const UserRecord& r : listed(records)) out << r.user;
    return out;
}

class UserListTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::ensureApplication();
        ASSERT_TRUE(dir.isValid());
        file = std::make_unique<UserFile>(dir.path());
    }

    // A form that records its request and answers with `reply` (nothing:
    // the user cancels).
    UserFormRunner fakeForm(std::optional<QString> reply) {
        return [this, reply](UserRequest request, UserRecord& record, QWidget*) {
            requests << request;
            formRecords << record;
            if (!reply) return false;
            const bool ok = (request == UserRequest::Insert ? file->add(*reply) : file->change(record.id, *reply)).ok();
            if (ok) record.user = *reply;
            return ok;
        };
    }

    QTemporaryDir dir;
    std::unique_ptr<UserFile> file;
    // Texts of the errors and of the questions ("caption|text") shown.
    QStringList errorTexts() const { return messagesOf(platform::MessageKind::Error, false); }
    QStringList questions() const { return messagesOf(platform::MessageKind::Confirmation, true); }
    QStringList messagesOf(platform::MessageKind kind, bool withCaption) const {
        QStringList out;
        for (const auto& m : messages.messages)
            if (m.kind == kind) out << (withCaption ? m.caption + u'|' + m.text : m.text);
        return out;
    }

    test::FakeErrorReporter errors;
    test::RecordingMessages messages{test::RecordingMessages::Mode::Record};
    QList<UserRequest> requests;
    QList<UserRecord> formRecords;
};

TEST_F(UserListTest, ListShowsTheRecordsInKeyOrderUnderItsCaption) {
    ASSERT_TRUE(file->add("Zed Q W9ZZZ"));
    ASSERT_TRUE(file->add("Ann K1AAA"));
    messages.answer = true;
    UserListWindow window(*file, errors, messages, fakeForm(std::nullopt));
    EXPECT_EQ(window.windowTitle(), "Browse the User File");
    EXPECT_EQ(window.size(), window.units().size(257, 91));
    EXPECT_EQ(shown(window.list()), QStringList({"Ann K1AAA", "Zed Q W9ZZZ"}));
    EXPECT_EQ(window.list()->headerItem()->text(0), "User");
    EXPECT_EQ(window.list()->columnCount(), 1);
    EXPECT_EQ(window.list()->geometry(), window.units().rect(8, 20, 192, 62));

    struct ButtonCase {
        const char* name;
        const char* caption;
        int x, y;
        bool visible;
    };
    const ButtonCase buttons[] = {{"INSERT:3", "&Insert", 204, 20, true},  {"CHANGE:3", "&Change", 204, 52, true},
                                  {"DELETE:3", "&Delete", 204, 36, true},  {"CLOSE", "Close", 204, 68, true},
                                  {"SELECT:2", "&Select", 120, 32, false}, {"HELP", "Help", 48, 32, false}};
    for (const ButtonCase& b : buttons) {
        const auto* button = window.findChild<QPushButton*>(b.name);
        ASSERT_NE(button, nullptr) << b.name;
        EXPECT_EQ(button->text(), b.caption);
        EXPECT_EQ(button->geometry(), window.units().rect(b.x, b.y, 45, 14)) << b.name;
        EXPECT_EQ(!button->isHidden(), b.visible) << b.name;
    }
    const auto* tabs = window.findChild<QTabWidget*>("CURRENTTAB");
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->count(), 1);
    EXPECT_TRUE(tabs->tabText(0).isEmpty());
}

TEST_F(UserListTest, InsertRunsTheFormForABlankRecordAndShowsTheNewOne) {
    ASSERT_TRUE(file->add("Moe N5MMM"));
    messages.answer = true;
    UserListWindow window(*file, errors, messages, fakeForm(QString("Ann K1AAA")));
    QTest::mouseClick(window.findChild<QPushButton*>("INSERT:3"), Qt::LeftButton);
    ASSERT_EQ(requests, QList<UserRequest>({UserRequest::Insert}));
    EXPECT_TRUE(formRecords[0].user.isEmpty());
    EXPECT_EQ(shown(window.list()), QStringList({"Ann K1AAA", "Moe N5MMM"}));
    ASSERT_TRUE(window.highlighted());
    EXPECT_EQ(window.highlighted()->user, "Ann K1AAA");
    EXPECT_TRUE(questions().isEmpty());
}

TEST_F(UserListTest, ChangeRunsTheFormForTheHighlightedRecord) {
    ASSERT_TRUE(file->add("Zed Q W9ZZZ"));
    ASSERT_TRUE(file->add("Ann K1AAA"));
    messages.answer = true;
    UserListWindow window(*file, errors, messages, fakeForm(QString("Bea W2BBB")));
    window.list()->setCurrentItem(window.list()->topLevelItem(1));  // "Zed Q W9ZZZ"
    QTest::mouseClick(window.findChild<QPushButton*>("CHANGE:3"), Qt::LeftButton);
    ASSERT_EQ(requests, QList<UserRequest>({UserRequest::Change}));
    EXPECT_EQ(formRecords[0].user, "Zed Q W9ZZZ");
    EXPECT_EQ(names(file->inFileOrder()), QStringList({"Bea W2BBB", "Ann K1AAA"}));
    EXPECT_EQ(shown(window.list()), QStringList({"Ann K1AAA", "Bea W2BBB"}));
    EXPECT_EQ(window.highlighted()->user, "Bea W2BBB");
}

TEST_F(UserListTest, CancelledFormChangesNothing) {
    ASSERT_TRUE(file->add("Ann K1AAA"));
    messages.answer = true;
    UserListWindow window(*file, errors, messages, fakeForm(std::nullopt));
    window.insertRecord();
    window.changeRecord();
    EXPECT_EQ(requests, QList<UserRequest>({UserRequest::Insert, UserRequest::Change}));
    EXPECT_EQ(names(file->inFileOrder()), QStringList({"Ann K1AAA"}));
}

struct DeleteCase {
    const char* name;
    bool answer;
    QStringList left;
};

class UserListDelete : public UserListTest, public ::testing::WithParamInterface<DeleteCase> {};

TEST_P(UserListDelete, DeleteAsksFirstAndNeverRunsTheForm) {
    const DeleteCase& c = GetParam();
    ASSERT_TRUE(file->add("Ann K1AAA"));
    ASSERT_TRUE(file->add("Moe N5MMM"));
    messages.answer = c.answer;
    UserListWindow window(*file, errors, messages, fakeForm(QString("unused")));
    window.list()->setCurrentItem(window.list()->topLevelItem(0));
    QTest::mouseClick(window.findChild<QPushButton*>("DELETE:3"), Qt::LeftButton);
    ASSERT_EQ(questions().size(), 1);
    EXPECT_TRUE(questions()[0].contains("Ann K1AAA")) << questions()[0].toStdString();
    EXPECT_TRUE(requests.isEmpty());
    EXPECT_EQ(names(file->inKeyOrder()), c.left);
    EXPECT_EQ(shown(window.list()), c.left);
    EXPECT_TRUE(errorTexts().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Confirm, UserListDelete,
                         ::testing::Values(DeleteCase{"Yes", true, {"Moe N5MMM"}},
                                           DeleteCase{"No", false, {"Ann K1AAA", "Moe N5MMM"}}),
                         [](const ::testing::TestParamInfo<DeleteCase>& p) { return std::string(p.param.name); });

TEST_F(UserListTest, DeletingTheLastRecordLeavesAnEmptyListWithChangeAndDeleteOff) {
    ASSERT_TRUE(file->add("Ann K1AAA"));
    messages.answer = true;
    UserListWindow window(*file, errors, messages, fakeForm(std::nullopt));
    QTest::keyClick(window.list(), Qt::Key_Delete);  // the Delete key works like the button
    EXPECT_EQ(questions().size(), 1);
    EXPECT_EQ(window.list()->topLevelItemCount(), 0);
    EXPECT_FALSE(window.findChild<QPushButton*>("CHANGE:3")->isEnabled());
    EXPECT_FALSE(window.findChild<QPushButton*>("DELETE:3")->isEnabled());
    EXPECT_TRUE(window.findChild<QPushButton*>("INSERT:3")->isEnabled());
    window.deleteRecord();  // nothing highlighted: nothing asked
    EXPECT_EQ(questions().size(), 1);
}

TEST_F(UserListTest, DeleteOfARecordAlreadyGoneIsReported) {
    ASSERT_TRUE(file->add("Ann K1AAA"));
    messages.answer = true;
    UserListWindow window(*file, errors, messages, fakeForm(std::nullopt));
    ASSERT_TRUE(file->remove(file->first().value()->id));  // removed behind the list's back
    window.deleteRecord();
    ASSERT_EQ(errorTexts().size(), 1);
    EXPECT_EQ(window.list()->topLevelItemCount(), 0);
}

TEST_F(UserListTest, MissingFileGivesAnEmptyList) {
    messages.answer = true;
    UserListWindow window(*file, errors, messages, fakeForm(std::nullopt));
    EXPECT_EQ(window.list()->topLevelItemCount(), 0);
    EXPECT_FALSE(QFile::exists(file->path()));
}

TEST_F(UserListTest, ADamagedFileIsReportedNotShownAsEmpty) {
    QFile garbage(file->path());
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write(QByteArray(4096, '\x42'));
    garbage.close();
    messages.answer = true;
    UserListWindow window(*file, errors, messages, fakeForm(std::nullopt));
    ASSERT_EQ(errorTexts().size(), 1);
    EXPECT_TRUE(errorTexts()[0].contains("cannot be read")) << errorTexts()[0].toStdString();
}

// The list edits the user file of the working folder of the moment, the one
// SAVE and the report read: after a design was opened in another folder,
// that folder's file.
TEST(UserListFolder, IsTheWorkingFolderWhenTheListOpens) {
    const QString before = QDir::currentPath();
    QTemporaryDir start;
    QTemporaryDir elsewhere;
    ASSERT_TRUE(QDir::setCurrent(start.path()));
    WorkingFolderUserFiles users;
    users.init();
    ASSERT_TRUE(QDir::setCurrent(elsewhere.path()));  // a design confirmed in another folder
    const QString folder = users.folder();
    QDir::setCurrent(before);
    EXPECT_EQ(QDir(folder).canonicalPath(), QDir(elsewhere.path()).canonicalPath());
}

// The list with the real form, driven as a user would.
TEST_F(UserListTest, InsertThroughTheRealFormTypedByTheUser) {
    messages.answer = true;
    UserListWindow window(*file, errors, messages);
    QString caption;
    test::whenModalOpens([&](QWidget* modal) {
        ASSERT_NE(modal, nullptr);
        caption = modal->windowTitle();
        QTest::keyClicks(modal->findChild<QLineEdit*>("YQ1:USER"), "Ann K1AAA");
        QTest::mouseClick(modal->findChild<QPushButton*>("OK"), Qt::LeftButton);
    });
    QTest::mouseClick(window.findChild<QPushButton*>("INSERT:3"), Qt::LeftButton);
    EXPECT_EQ(caption, "Record Will Be Added");
    EXPECT_EQ(names(file->inFileOrder()), QStringList({"Ann K1AAA"}));
    EXPECT_EQ(shown(window.list()), QStringList({"Ann K1AAA"}));
}

struct CaptionCase {
    UserRequest request;
    const char* caption;
};

TEST_F(UserListTest, FormCaptionFollowsTheRequest) {
    const CaptionCase cases[] = {{UserRequest::Insert, "Record Will Be Added"},
                                 {UserRequest::Change, "Record Will Be Changed"},
                                 {UserRequest::View, "View Record"}};
    const UserRecord record{7, "Ann K1AAA"};
    for (const CaptionCase& c : cases) {
        UserForm form(c.request, record, *file, messages);
        EXPECT_EQ(form.windowTitle(), c.caption);
        EXPECT_EQ(form.entry()->text(), c.request == UserRequest::Insert ? QString() : QString("Ann K1AAA"));
        EXPECT_EQ(form.entry()->isReadOnly(), c.request == UserRequest::View);
        EXPECT_EQ(form.size(), form.units().size(287, 56));
    }
    EXPECT_EQ(userFormCaption(UserRequest::Delete), "Update the yq1 File");
}

TEST_F(UserListTest, FormLayoutHasItsTabLabelEntryAndButtons) {
    UserForm form(UserRequest::Insert, {}, *file, messages);
    const auto* tabs = form.findChild<QTabWidget*>("CURRENTTAB");
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->tabText(0), "Enter in your Name and Call");
    EXPECT_EQ(form.label()->text(), "&Name && Call:");  // shows "Name & Call:", Alt+N
    EXPECT_EQ(form.label()->buddy(), form.entry());
    EXPECT_EQ(form.findChild<QPushButton*>("OK")->text(), "OK");
    EXPECT_EQ(form.findChild<QPushButton*>("CANCEL")->text(), "Cancel");
    EXPECT_TRUE(form.findChild<QPushButton*>("HELP")->isHidden());
    EXPECT_EQ(form.findChild<QPushButton*>("OK")->geometry(), form.units().rect(53, 38, 45, 14));
    EXPECT_EQ(form.findChild<QPushButton*>("CANCEL")->geometry(), form.units().rect(102, 38, 45, 14));
    const QRect line = form.units().rect(56, 20, 219, 10);
    EXPECT_EQ(form.entry()->x(), line.x());
    EXPECT_EQ(form.entry()->width(), line.width());
    EXPECT_LE(qAbs(form.entry()->geometry().center().y() - line.center().y()), 1);
}

TEST_F(UserListTest, EntryTakesFortyCharactersAndNoMore) {
    UserForm form(UserRequest::Insert, {}, *file, messages);
    EXPECT_EQ(form.entry()->maxLength(), 40);
    const QString forty = "Ann Example-Longname K1AAA Radio Club 40";
    ASSERT_EQ(forty.size(), 40);
    QTest::keyClicks(form.entry(), forty + "XYZ");
    EXPECT_EQ(form.entry()->text(), forty);
    form.accept();
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(names(file->inFileOrder()), QStringList({forty}));
}

TEST_F(UserListTest, FormCancelWritesNothing) {
    UserForm form(UserRequest::Insert, {}, *file, messages);
    QTest::keyClicks(form.entry(), "Ann K1AAA");
    QTest::mouseClick(form.findChild<QPushButton*>("CANCEL"), Qt::LeftButton);
    EXPECT_EQ(form.result(), QDialog::Rejected);
    EXPECT_TRUE(listed(file->inFileOrder()).isEmpty());
}

TEST_F(UserListTest, FileErrorIsReportedAndTheFormStaysOpen) {
    ASSERT_TRUE(file->add("Ann K1AAA"));
    const UserRecord gone = *file->first().value();
    ASSERT_TRUE(file->remove(gone.id));
    UserForm form(UserRequest::Change, gone, *file, messages);
    form.show();
    form.entry()->setText("Bea W2BBB");
    QTest::mouseClick(form.findChild<QPushButton*>("OK"), Qt::LeftButton);
    ASSERT_EQ(errorTexts().size(), 1);
    EXPECT_FALSE(errorTexts()[0].isEmpty());
    EXPECT_TRUE(form.isVisible());
    EXPECT_NE(form.result(), QDialog::Accepted);
    EXPECT_TRUE(listed(file->inFileOrder()).isEmpty());
}

TEST_F(UserListTest, DeleteRequestIsRefusedWithoutAForm) {
    ASSERT_TRUE(file->add("Ann K1AAA"));
    UserRecord record = *file->first().value();
    EXPECT_FALSE(runUserForm(UserRequest::Delete, record, *file, errors, messages, nullptr));
    EXPECT_EQ(errorTexts().size(), 1);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(names(file->inFileOrder()), QStringList({"Ann K1AAA"}));
}

TEST_F(UserListTest, ChangeThroughRunUserFormReturnsTheWrittenRecord) {
    ASSERT_TRUE(file->add("Ann K1AAA"));
    UserRecord record = *file->first().value();
    test::whenModalOpens([&](QWidget* modal) {
        ASSERT_NE(modal, nullptr);
        auto* entry = modal->findChild<QLineEdit*>("YQ1:USER");
        entry->selectAll();
        QTest::keyClicks(entry, "Ann K1AAA/P   ");
        QTest::keyClick(entry, Qt::Key_Return);  // Enter presses OK
    });
    EXPECT_TRUE(runUserForm(UserRequest::Change, record, *file, errors, messages, nullptr));
    EXPECT_EQ(record.user, "Ann K1AAA/P");
    EXPECT_EQ(names(file->inFileOrder()), QStringList({"Ann K1AAA/P"}));
}

}  // namespace
}  // namespace yq
