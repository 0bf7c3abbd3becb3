// The two mail commands: Email Results and the report mail, with a mail
// program that records what it is given.
#include "support/FileBytes.h"
#include "report/HtmlWriter.h"
#include "support/RecordingMessages.h"
#include "files/ResultsFile.h"
#include "report/ResultsMail.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

using namespace yq::report;
using yq::platform::ComposeResult;
using yq::platform::MailProgram;

using yq::test::writeAll;

class FakeMailClient final : public yq::platform::MailClient {
public:
    explicit FakeMailClient(QStringList& events) : events_(events) {}
    ComposeResult compose(const MailItem& item, const QString& htmlBodyFile) override {
        events_ << QStringLiteral("compose");
        items << item;
        bodyFiles << htmlBodyFile;
        return answer;
    }
    ComposeResult answer = yq::platform::Composed{MailProgram::Thunderbird, {}};
    QList<MailItem> items;
    QStringList bodyFiles;

private:
    QStringList& events_;
};

class Mail : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        context.workingFolder = dir.path();
        context.client = &client;
        context.messages = &messages;
        messages.logInto(events);
        context.now = [] { return QDateTime(QDate(2024, 3, 9), QTime(10, 15, 30)); };
    }
    QString path(const QString& name) const { return dir.filePath(name); }
    QStringList drafts() const {
        return QDir(path(QStringLiteral("VH"))).entryList({QStringLiteral("*.eml")}, QDir::Files, QDir::Name);
    }

    QTemporaryDir dir;
    QStringList events;
    yq::test::RecordingMessages messages{yq::test::RecordingMessages::Mode::Record};
    FakeMailClient client{events};
    MailContext context;
    PendingResultsMail state;
};

// ---------------------------------------------------------------------------
// Email Results

TEST_F(Mail, EmailResultsAttachesTheResultsTableAndTheWorkingCopy) {
    ASSERT_TRUE(writeAll(path("YQ.csv"), "\"F\"\r\n"));
    ASSERT_TRUE(writeAll(path("yq.ini"), "[YQ]\r\n"));
    const MailOutcome outcome =
        emailResults(yq::resultsFilePath(dir.path()), path(QStringLiteral("yq.ini")), state, context);

    EXPECT_EQ(state.resultsFilePath, path("YQ.csv"));
    ASSERT_EQ(client.items.size(), 1);
    const MailItem& mail = client.items.front();
    EXPECT_EQ(mail.to, QStringLiteral("design-feedback@yq-antenna.example"));
    EXPECT_TRUE(mail.cc.isEmpty());
    EXPECT_TRUE(mail.bcc.isEmpty());
    EXPECT_EQ(mail.subject, QStringLiteral("My Finished YQ Results"));
    EXPECT_EQ(mail.importance, MailImportance::High);
    EXPECT_TRUE(mail.htmlBody.isEmpty());
    EXPECT_EQ(mail.attachments, (QList<MailAttachment>{{path("YQ.csv"), QStringLiteral("YQ.csv")},
                                                       {path("yq.ini"), QStringLiteral("yq.ini")}}));
    EXPECT_TRUE(client.bodyFiles.front().isEmpty());
    EXPECT_TRUE(outcome.draft.ok());
    EXPECT_EQ(drafts(), QStringList{QStringLiteral("results-mail-20240309-101530.eml")});
    EXPECT_EQ(outcome.draftPath, path("VH/results-mail-20240309-101530.eml"));
    EXPECT_EQ(events, QStringList{QStringLiteral("compose")});
}

TEST_F(Mail, EmailResultsNeverNamesTheResultsTableInLowerCase) {
    ASSERT_TRUE(writeAll(path("YQ.csv"), "\"F\"\r\n"));
    ASSERT_TRUE(writeAll(path("yq.ini"), "[YQ]\r\n"));
    emailResults(yq::resultsFilePath(dir.path()), path(QStringLiteral("yq.ini")), state, context);
    EXPECT_FALSE(state.resultsFilePath.contains(QStringLiteral("yq.csv")));
    ASSERT_EQ(client.items.size(), 1);
    for (const MailAttachment& a : client.items.front().attachments)
        EXPECT_FALSE(a.path.endsWith(QStringLiteral("yq.csv"))) << a.path.toStdString();
}

TEST_F(Mail, EmailResultsWithoutAResultsTableSaysWhichFileIsMissing) {
    ASSERT_TRUE(writeAll(path("yq.ini"), "[YQ]\r\n"));
    emailResults(yq::resultsFilePath(dir.path()), path(QStringLiteral("yq.ini")), state, context);
    ASSERT_EQ(events.size(), 2);
    EXPECT_TRUE(events.at(0).startsWith(QStringLiteral("error: These files could not be attached to the mail:|")));
    EXPECT_TRUE(events.at(0).contains(QStringLiteral("YQ.csv")));
    EXPECT_EQ(events.at(1), QStringLiteral("compose"));
    ASSERT_EQ(client.items.size(), 1);
    EXPECT_EQ(client.items.front().attachments, (QList<MailAttachment>{{path("yq.ini"), QStringLiteral("yq.ini")}}));
    // The path is set all the same: the table may be saved later.
    EXPECT_EQ(state.resultsFilePath, path("YQ.csv"));
}

TEST_F(Mail, WithoutAMailProgramTheUserIsToldWhereTheDraftIs) {
    ASSERT_TRUE(writeAll(path("YQ.csv"), "\"F\"\r\n"));
    ASSERT_TRUE(writeAll(path("yq.ini"), "[YQ]\r\n"));
    client.answer = yq::fail("No mail program is registered on this desktop.");
    const MailOutcome outcome =
        emailResults(yq::resultsFilePath(dir.path()), path(QStringLiteral("yq.ini")), state, context);
    ASSERT_EQ(events.size(), 2);
    EXPECT_EQ(events.at(1), QStringLiteral("info: No mail program is registered on this desktop.|"
                                           "The mail is saved as|") +
                                QDir::toNativeSeparators(outcome.draftPath) +
                                QStringLiteral("|Open it with your mail program to send it."));
    EXPECT_TRUE(QFile::exists(outcome.draftPath));
}

// The mail's subject and what the user is told of it go through the
// translation system (the draft's path aside).
TEST_F(Mail, TheSubjectAndTheNoticeGoThroughTheTranslation) {
    ASSERT_TRUE(writeAll(path("YQ.csv"), "\"F\"\r\n"));
    ASSERT_TRUE(writeAll(path("yq.ini"), "[YQ]\r\n"));
    const yq::test::AccentingTranslator accenting;
    context.client = nullptr;
    const MailOutcome outcome =
        emailResults(yq::resultsFilePath(dir.path()), path(QStringLiteral("yq.ini")), state, context);
    ASSERT_EQ(events.size(), 1);
    QString notice = events.front();
    ASSERT_TRUE(notice.startsWith(QStringLiteral("info: ")));
    notice = notice.mid(6).remove(QDir::toNativeSeparators(outcome.draftPath));
    EXPECT_EQ(yq::test::untranslatedWords(notice).join(u' ').toStdString(), "") << notice.toStdString();
    EXPECT_EQ(resultsMailItem(path("YQ.csv"), path("yq.ini")).subject,
              QString::fromUtf8("My F\u00edn\u00edsh\u00e9d YQ R\u00e9s\u00falts"));
    EXPECT_EQ(ReportMailRequest().subject,
              QString::fromUtf8("C\u00f3rv\u00e1n, my YQ r\u00e9s\u00falts \u00e1r\u00e9 \u00e1tt\u00e1ch\u00e9d"));
}

TEST_F(Mail, AMailProgramThatCannotHoldTheWholeMailPointsToTheCompleteDraft) {
    ASSERT_TRUE(writeAll(path("YQ.csv"), "\"F\"\r\n"));
    ASSERT_TRUE(writeAll(path("yq.ini"), "[YQ]\r\n"));
    // The whole mail in the compose window: nothing more to tell.
    emailResults(yq::resultsFilePath(dir.path()), path(QStringLiteral("yq.ini")), state, context);
    EXPECT_EQ(events, QStringList{QStringLiteral("compose")});

    events.clear();
    client.answer = yq::platform::Composed{
        MailProgram::XdgEmail, QStringLiteral("The mail program may not have taken the mail's attachments.")};
    const MailOutcome outcome =
        emailResults(yq::resultsFilePath(dir.path()), path(QStringLiteral("yq.ini")), state, context);
    ASSERT_EQ(events.size(), 2);
    EXPECT_EQ(events.at(0), QStringLiteral("compose"));
    EXPECT_EQ(events.at(1), QStringLiteral("info: The mail program may not have taken the mail's attachments.|"
                                           "The complete mail is saved as|") +
                                QDir::toNativeSeparators(outcome.draftPath) +
                                QStringLiteral("|Open that one with your mail program to send all of it."));
    EXPECT_TRUE(QFile::exists(outcome.draftPath));
    EXPECT_EQ(messages.messages.back().caption, QStringLiteral("Send email"));
}

TEST_F(Mail, NoMailClientAtAllStillSavesTheDraft) {
    ASSERT_TRUE(writeAll(path("YQ.csv"), "\"F\"\r\n"));
    ASSERT_TRUE(writeAll(path("yq.ini"), "[YQ]\r\n"));
    context.client = nullptr;
    const MailOutcome outcome =
        emailResults(yq::resultsFilePath(dir.path()), path(QStringLiteral("yq.ini")), state, context);
    EXPECT_TRUE(outcome.draft.ok());
    ASSERT_EQ(events.size(), 1);
    EXPECT_TRUE(events.front().startsWith(QStringLiteral("info: ")));
    EXPECT_TRUE(events.front().contains(QDir::toNativeSeparators(outcome.draftPath)));
}

TEST_F(Mail, DraftThatCannotBeSavedIsToldEvenWhenTheMailOpens) {
    ASSERT_TRUE(writeAll(path("VH"), "a file where the folder should be"));
    ASSERT_TRUE(writeAll(path("yq.ini"), "[YQ]\r\n"));
    ASSERT_TRUE(writeAll(path("YQ.csv"), "\"F\"\r\n"));
    const MailOutcome outcome =
        emailResults(yq::resultsFilePath(dir.path()), path(QStringLiteral("yq.ini")), state, context);
    EXPECT_FALSE(outcome.draft.ok());
    EXPECT_EQ(events.size(), 2);
    EXPECT_EQ(events.at(0), QStringLiteral("compose"));
    EXPECT_TRUE(events.at(1).startsWith(QStringLiteral("error: A copy of the mail could not be saved as|")));
}

TEST_F(Mail, LostMailIsAnErrorWhenNeitherDraftNorMailProgramWorks) {
    ASSERT_TRUE(writeAll(path("VH"), "a file where the folder should be"));
    client.answer = yq::fail("No mail program is registered on this desktop.");
    emailResults(yq::resultsFilePath(dir.path()), path(QStringLiteral("yq.ini")), state, context);
    ASSERT_FALSE(events.isEmpty());
    EXPECT_TRUE(
        events.last().startsWith(QStringLiteral("error: No mail program is registered on this desktop.|"
                                                "The mail could not be saved as|")));
}

TEST_F(Mail, DraftsOfTheSameSecondDoNotReplaceEachOther) {
    ASSERT_TRUE(writeAll(path("YQ.csv"), "\"F\"\r\n"));
    ASSERT_TRUE(writeAll(path("yq.ini"), "[YQ]\r\n"));
    emailResults(yq::resultsFilePath(dir.path()), path(QStringLiteral("yq.ini")), state, context);
    emailResults(yq::resultsFilePath(dir.path()), path(QStringLiteral("yq.ini")), state, context);
    emailResults(yq::resultsFilePath(dir.path()), path(QStringLiteral("yq.ini")), state, context);
    EXPECT_EQ(drafts(), (QStringList{QStringLiteral("results-mail-20240309-101530-2.eml"),
                                     QStringLiteral("results-mail-20240309-101530-3.eml"),
                                     QStringLiteral("results-mail-20240309-101530.eml")}));
}

// ---------------------------------------------------------------------------
// Report mail

ReportMailRequest request(const QString& folder) {
    ReportMailRequest r;
    r.htmlPath = folder + QStringLiteral("/vh37.html");
    r.exportFolder = folder;
    r.documentName = QStringLiteral("Report");
    return r;
}

TEST(ReportMailItem, AttachesTheDocumentThenTheNonBlankEntriesUnderTheirFileNames) {
    const struct {
        QStringList list;
        QList<MailAttachment> after;  // attachments after Report.rtf
    } cases[] = {
        {{QString()}, {}},
        {{QStringLiteral("   ")}, {}},
        {{}, {}},
        {{QStringLiteral("/w/YQ.csv")}, {{QStringLiteral("/w/YQ.csv"), QStringLiteral("YQ.csv")}}},
        {{QStringLiteral("C:\\YQ\\yq.csv")}, {{QStringLiteral("C:\\YQ\\yq.csv"), QStringLiteral("yq.csv")}}},
        {{QString(), QStringLiteral("notes.txt"), QString()},
         {{QStringLiteral("notes.txt"), QStringLiteral("notes.txt")}}},
    };
    for (const auto& c : cases) {
        const MailItem item = reportMailItem(request(QStringLiteral("/w/VH")), QStringLiteral("<HTML></HTML>"), c.list);
        QList<MailAttachment> expected{{QStringLiteral("/w/VH/Report.RTF"), QStringLiteral("Report.rtf")}};
        expected += c.after;
        EXPECT_EQ(item.attachments, expected) << c.list.join(QLatin1Char(';')).toStdString();
    }
}

TEST(ReportMailItem, DocumentLeftOutWhenThisExportHasNone) {
    ReportMailRequest r = request(QStringLiteral("/w/VH"));
    r.attachDocument = false;
    const MailItem item = reportMailItem(r, {}, {QStringLiteral("/w/YQ.csv")});
    EXPECT_EQ(item.attachments, (QList<MailAttachment>{{QStringLiteral("/w/YQ.csv"), QStringLiteral("YQ.csv")}}));
}

TEST(ReportMailItem, SubjectAndBodyLoseTrailingBlanks) {
    ReportMailRequest r = request(QStringLiteral("/w/VH"));
    r.subject = QStringLiteral("Corvan, my YQ results are attached     ");
    const MailItem item = reportMailItem(r, QStringLiteral("<HTML></HTML>   "), {});
    EXPECT_EQ(item.subject, QStringLiteral("Corvan, my YQ results are attached"));
    EXPECT_EQ(item.htmlBody, QStringLiteral("<HTML></HTML>"));
    EXPECT_EQ(item.to, QStringLiteral("design-feedback@yq-antenna.example"));
    EXPECT_EQ(item.importance, MailImportance::Normal);
}

TEST_F(Mail, ReportMailReadsTheBodyFromThePageAndPassesThePageFile) {
    const QString folder = path("VH");
    ASSERT_TRUE(writeHtmlPage(folder + QStringLiteral("/vh37.html"), 0xFFFFFF));
    ASSERT_TRUE(writeAll(folder + QStringLiteral("/Report.RTF"), "{\\rtf1}"));
    MailOutcome outcome;
    EXPECT_EQ(sendReportMail(request(folder), {QString()}, context, &outcome), reportmail::Shown);
    ASSERT_EQ(client.items.size(), 1);
    QString body;
    ASSERT_TRUE(readHtmlBody(folder + QStringLiteral("/vh37.html"), body));
    EXPECT_EQ(client.items.front().htmlBody, body);
    EXPECT_EQ(client.bodyFiles.front(), folder + QStringLiteral("/vh37.html"));
    EXPECT_EQ(client.items.front().subject, QStringLiteral("Corvan, my YQ results are attached"));
    EXPECT_EQ(drafts(), QStringList{QStringLiteral("report-mail-20240309-101530.eml")});
    EXPECT_EQ(events, QStringList{QStringLiteral("compose")});
}

TEST_F(Mail, ReportMailWithoutItsPageShowsNothing) {
    EXPECT_EQ(sendReportMail(request(path("VH")), {QString()}, context), reportmail::BodyNotRead);
    EXPECT_TRUE(client.items.isEmpty());
    EXPECT_TRUE(drafts().isEmpty());
    EXPECT_TRUE(events.isEmpty());
}

}  // namespace
