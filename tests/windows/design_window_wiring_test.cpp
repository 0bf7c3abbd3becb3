// The design window as the program wires it: the real window on the real
// services (report job, export, mails, link), with fakes only where the
// world begins (message boxes, mail program, desktop, random numbers,
// preview). Pressing the buttons must leave the files and the mails the
// user would get.

#include "files/ProgramState.h"
#include "files/UserFile.h"
#include "support/FakeLauncher.h"
#include "support/FixedRandom.h"
#include "support/RecordingMessages.h"
#include "support/WidgetApplication.h"
#include "windows/DesignWindow.h"
#include "windows/DesignWindowRuntime.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace yq {
namespace {

using Command = DesignWindow::Command;

class ComposedMails final : public platform::MailClient {
public:
    platform::ComposeResult compose(const platform::MailItem& item, const QString&) override {
        items << item;
        return platform::Composed{platform::MailProgram::Thunderbird, {}};
    }
    QList<platform::MailItem> items;
};

class KeptPreviews final : public report::ReportSink {
public:
    bool deliver(const report::PageModel& model, const report::ReportRecord&) override {
        pages << model.pages.size();
        return true;
    }
    QList<qsizetype> pages;
};

QStringList displayNames(const platform::MailItem& item) {
    QStringList names;
    for (const platform::MailAttachment& a : item.attachments) names << a.displayName;
    return names;
}

class DesignWindowWiring : public ::testing::Test {
protected:
    void SetUp() override {
        test::widgetApplication();
        previous = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(folder.path()));
        ASSERT_TRUE(UserFile(folder.path()).add(QStringLiteral("Jo Builder W1XYZ")));
    }
    void TearDown() override { QDir::setCurrent(previous); }

    // The Imperial window on the services, the opening dialog cancelled,
    // with a design typed in.
    std::unique_ptr<DesignWindow> openWindow() {
        DesignWindowServices window = designWindowServices(services, UnitSystem::Imperial);
        window.chooseFile = [](const QString&, const QString&, const QString&) { return QString(); };
        // The report runs as the program runs it; the test keeps the mode it ran in.
        window.runReport = [this, run = window.runReport](const report::ReportRequest& request) {
            reportMode = request.mode;
            return run(request);
        };
        auto w =
            std::make_unique<DesignWindow>(UnitSystemDescription::of(UnitSystem::Imperial), std::move(window), state);
        w->open();
        for (const auto& [key, value] : {std::pair{"F", "7.15"}, {"CD", "2"}, {"LD", "6"}}) {
            QLineEdit* edit = w->entry(QString::fromLatin1(key));
            edit->setFocus();
            edit->selectAll();
            QTest::keyClicks(edit, QString::fromLatin1(value));
            QTest::keyClick(edit, Qt::Key_Return);
        }
        test::settle();
        return w;
    }
    QString vh(const QString& name) const { return QDir(folder.path()).filePath(QStringLiteral("VH/") + name); }
    QStringList drafts() const {
        return QDir(folder.path() + QStringLiteral("/VH")).entryList({QStringLiteral("*.eml")}, QDir::Files);
    }

    QTemporaryDir folder;
    QString previous;
    ProgramState state;
    std::optional<ReportMode> reportMode;  // the mode of the last report run
    test::RecordingMessages messages;      // any message fails the test
    test::FakeDesktop desktop;
    ComposedMails mail;
    test::FixedRandom random{{37}};
    KeptPreviews preview;
    ProgramServices services{state,
                             messages,
                             desktop.opener,
                             mail,
                             random,
                             preview,
                             report::ReportSources{{}, [] { return QDate(2026, 5, 1); }}};
};

TEST_F(DesignWindowWiring, EmailReportWritesTheDocumentAndTheDraftAndOpensTheMail) {
    const auto window = openWindow();
    window->commandButton(Command::EmailReport)->click();

    EXPECT_EQ(reportMode, ReportMode::Export);
    EXPECT_TRUE(preview.pages.isEmpty());
    EXPECT_TRUE(QFile::exists(QDir(folder.path()).filePath("726.ini"))) << "saved first";
    QFile rtf(vh("Report.RTF"));
    ASSERT_TRUE(rtf.open(QIODevice::ReadOnly));
    EXPECT_EQ(rtf.readAll().count("{\\pict"), 1);  // one designer, one page
    EXPECT_TRUE(QFile::exists(vh("vh37.html")));
    EXPECT_FALSE(QFile::exists(vh("371.wmf")));
    ASSERT_EQ(drafts().size(), 1);
    EXPECT_TRUE(drafts()[0].startsWith("report-mail-"));
    ASSERT_EQ(mail.items.size(), 1);
    EXPECT_EQ(mail.items[0].subject, "Corvan, my YQ results are attached");
    EXPECT_EQ(displayNames(mail.items[0]), QStringList{"Report.rtf"});
    EXPECT_EQ(mail.items[0].draftFile, vh(drafts()[0]));
}

// Email Results hands the window's own paths to the mail; the next report
// mail attaches the results file too.
TEST_F(DesignWindowWiring, EmailResultsThenEmailReportCarryTheResultsFile) {
    const auto window = openWindow();
    window->commandButton(Command::Save)->click();
    window->commandButton(Command::EmailResults)->click();
    ASSERT_EQ(mail.items.size(), 1);
    EXPECT_EQ(displayNames(mail.items[0]), (QStringList{"YQ.csv", "yq.ini"}));
    EXPECT_EQ(services.pendingResults.resultsFilePath, QDir(folder.path()).filePath("YQ.csv"));

    window->commandButton(Command::EmailReport)->click();
    ASSERT_EQ(mail.items.size(), 2);
    EXPECT_EQ(displayNames(mail.items[1]), (QStringList{"Report.rtf", "YQ.csv"}));
}

TEST_F(DesignWindowWiring, PrintViewGoesToThePreview) {
    const auto window = openWindow();
    window->commandButton(Command::PrintView)->click();
    EXPECT_EQ(preview.pages, QList<qsizetype>{1});
    EXPECT_TRUE(mail.items.isEmpty());
}

// A damaged user file: the report says so through the message boxes and
// neither previews nor mails anything.
TEST_F(DesignWindowWiring, AnUnreadableUserFileStopsTheReportWithAMessage) {
    const auto window = openWindow();
    const QString users = UserFile(folder.path()).path();
    const QByteArray garbage(4096, '\x42');
    {
        QFile f(users);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(garbage);
    }
    messages.expect(platform::MessageKind::Error, QStringLiteral("cannot be read"));  // SAVE's results row
    messages.expect(platform::MessageKind::Error, QStringLiteral("cannot be read"));  // the report
    window->commandButton(Command::EmailReport)->click();
    EXPECT_TRUE(mail.items.isEmpty());
    EXPECT_FALSE(QFile::exists(vh("Report.RTF")));
    QFile f(users);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), garbage);
}

}  // namespace
}  // namespace yq
