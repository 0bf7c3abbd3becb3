// The report document export as a whole: the files of one export, their
// lifetime, the hand-over to the report mail and the failures the user is
// told about.
#include "report/DocumentExport.h"
#include "support/RecordingMessages.h"
#include "report/HtmlWriter.h"
#include "report/RandomSource.h"
#include "report/RtfWriter.h"

#include "support/FileBytes.h"
#include "support/FixedRandom.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace yq::report;
using yq::test::readAll;
using yq::test::writeAll;

QByteArray standInPage(const QByteArray& body) {
    return QByteArray("\xD7\xCD\xC6\x9A", 4) + QByteArray(18, '\x02') + body;
}

using yq::test::FixedRandom;

// Records what reaches the mail program, which files exist at that moment,
// and the order of events.
class RecordingMailClient final : public yq::platform::MailClient {
public:
    RecordingMailClient(QStringList& events, QString folder) : events_(events), folder_(std::move(folder)) {}
    yq::platform::ComposeResult compose(const MailItem& item, const QString& htmlBodyFile) override {
        events_ << QStringLiteral("compose");
        items << item;
        bodyFiles << htmlBodyFile;
        filesAtCompose = QDir(folder_).entryList(QDir::Files, QDir::Name);
        return yq::platform::Composed{yq::platform::MailProgram::Thunderbird, {}};
    }
    QList<MailItem> items;
    QStringList bodyFiles;
    QStringList filesAtCompose;

private:
    QStringList& events_;
    QString folder_;
};

class Export : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        context.workingFolder = dir.path();
        context.client = &client;
        context.messages = &messages;
        messages.logInto(events);
        context.now = [] { return QDateTime(QDate(2024, 3, 9), QTime(10, 15, 30)); };
    }
    QString vh(const QString& name = {}) const { return dir.path() + QStringLiteral("/VH/") + name; }
    QStringList errors() const { return events.filter(QRegularExpression(QStringLiteral("^error: "))); }

    QTemporaryDir dir;
    QStringList events;
    yq::test::RecordingMessages messages{yq::test::RecordingMessages::Mode::Record};
    RecordingMailClient client{events, dir.path() + QStringLiteral("/VH")};
    MailContext context;
    ExportRequest state;
};

TEST_F(Export, RunThirtySevenWithTwoPagesWritesKeepsAndDeletesTheRightFiles) {
    const QList<QByteArray> pages{standInPage("\x10\x20"), standInPage(QByteArray(64, '\x7F'))};
    FixedRandom random({37, 1234567890});
    const ExportResult result = runDocumentExport(pages, state, context, random);

    ASSERT_EQ(random.ranges.size(), 2);
    EXPECT_EQ(random.ranges.at(0), qMakePair(qint64(11), qint64(99)));
    EXPECT_EQ(random.ranges.at(1), qMakePair(qint64(1111111111), qint64(1410065407)));
    EXPECT_EQ(result.runNumber, 37);

    // While the mail program had the mail, every file of the export was there.
    EXPECT_EQ(client.filesAtCompose.filter(QRegularExpression(QStringLiteral("\\.(wmf|html|RTF)$"))),
              (QStringList{QStringLiteral("37.RTF"), QStringLiteral("371.wmf"), QStringLiteral("372.wmf"),
                           QStringLiteral("Report.RTF"), QStringLiteral("vh37.html")}));
    // Afterwards only the page and the document remain (and the mail's draft).
    EXPECT_FALSE(QFile::exists(vh("371.wmf")));
    EXPECT_FALSE(QFile::exists(vh("372.wmf")));
    EXPECT_FALSE(QFile::exists(vh("37.RTF")));
    EXPECT_EQ(readAll(vh("vh37.html")), htmlPageBytes(0xFFFFFF));
    EXPECT_EQ(readAll(vh("Report.RTF")), rtfDocument(pages, 0, 500, 500, 1234567890));
    EXPECT_TRUE(result.document.ok());
    EXPECT_EQ(result.mailCode, 0);
    EXPECT_TRUE(errors().isEmpty());
}

TEST_F(Export, PageCopiesHoldThePagesAsTheyCame) {
    const QList<QByteArray> pages{standInPage("first"), standInPage("second"), standInPage("third")};
    FixedRandom random({52, 1111111111});
    DocumentExport exporter(dir.path(), random);
    const ExportResult result = exporter.write(pages, QStringLiteral("Report"));
    ASSERT_EQ(result.pageCopies, (QStringList{vh("521.wmf"), vh("522.wmf"), vh("523.wmf")}));
    for (int i = 0; i < 3; ++i) EXPECT_EQ(readAll(result.pageCopies.at(i)), pages.at(i));
    EXPECT_EQ(result.htmlPath, vh("vh52.html"));
    EXPECT_EQ(result.rtfPath, vh("52.RTF"));
    EXPECT_EQ(result.documentPath, vh("Report.RTF"));
    DocumentExport::removeTemporaries(result);
    EXPECT_EQ(QDir(vh()).entryList(QDir::Files, QDir::Name),
              (QStringList{QStringLiteral("Report.RTF"), QStringLiteral("vh52.html")}));
}

TEST_F(Export, ReportMailCarriesTheDocumentAndTheHtmlPageAsBody) {
    FixedRandom random({37, 1111111111});
    const ExportResult result = runDocumentExport({standInPage("x")}, state, context, random);
    ASSERT_EQ(client.items.size(), 1);
    const MailItem& mail = client.items.front();
    EXPECT_EQ(mail.to, QLatin1String(kDesignFeedbackAddress));
    EXPECT_TRUE(mail.cc.isEmpty());
    EXPECT_TRUE(mail.bcc.isEmpty());
    EXPECT_EQ(mail.subject, QStringLiteral("Corvan, my YQ results are attached"));
    EXPECT_EQ(mail.importance, MailImportance::Normal);
    QString body;
    ASSERT_TRUE(readHtmlBody(vh("vh37.html"), body));
    EXPECT_EQ(mail.htmlBody, body);
    EXPECT_TRUE(mail.htmlBody.startsWith(QStringLiteral("<!DOCTYPE HTML")));
    EXPECT_EQ(client.bodyFiles.front(), vh("vh37.html"));
    // Before any Email Results the attachment list holds one blank entry,
    // which is no attachment.
    EXPECT_EQ(result.attachments, QStringList{QString()});
    EXPECT_EQ(mail.attachments, (QList<MailAttachment>{{vh("Report.RTF"), QStringLiteral("Report.rtf")}}));
}

TEST_F(Export, AfterEmailResultsTheResultsTableTravelsToo) {
    const QString results = dir.filePath(QStringLiteral("YQ.csv"));
    ASSERT_TRUE(writeAll(results, "\"F\",\"CD\"\r\n"));
    state.resultsFilePath = results;
    FixedRandom random({37, 1111111111});
    const ExportResult result = runDocumentExport({standInPage("x")}, state, context, random);
    EXPECT_EQ(result.attachments, QStringList{results});
    EXPECT_TRUE(result.bodyLines.isEmpty());
    ASSERT_EQ(client.items.size(), 1);
    EXPECT_EQ(client.items.front().attachments, (QList<MailAttachment>{{vh("Report.RTF"), QStringLiteral("Report.rtf")},
                                                                       {results, QStringLiteral("YQ.csv")}}));
}

TEST_F(Export, NextExportReplacesTheDocument) {
    FixedRandom first({20, 1111111111});
    runDocumentExport({standInPage("old page")}, state, context, first);
    FixedRandom second({21, 1222222222});
    runDocumentExport({standInPage("new")}, state, context, second);
    EXPECT_EQ(readAll(vh("Report.RTF")), rtfDocument({standInPage("new")}, 0, 500, 500, 1222222222));
    EXPECT_TRUE(QFile::exists(vh("vh20.html")));
    EXPECT_TRUE(QFile::exists(vh("vh21.html")));
}

TEST_F(Export, DocumentNameLosesTrailingBlanksAndDefaultsToReport) {
    const struct {
        const char* name;
        const char* file;
        const char* shown;
    } cases[] = {
        {"Report", "Report.RTF", "Report.rtf"},
        {"Report    ", "Report.RTF", "Report.rtf"},
        {"", "Report.RTF", "Report.rtf"},
        {"Design 726", "Design 726.RTF", "Design 726.rtf"},
    };
    int run = 11;
    for (const auto& c : cases) {
        state.documentName = QString::fromLatin1(c.name);
        FixedRandom random({run++, 1111111111});
        client.items.clear();
        runDocumentExport({standInPage("x")}, state, context, random);
        EXPECT_TRUE(QFile::exists(vh(QString::fromLatin1(c.file)))) << c.name;
        ASSERT_EQ(client.items.size(), 1);
        EXPECT_EQ(client.items.front().attachments.front().displayName, QLatin1String(c.shown)) << c.name;
    }
}

TEST_F(Export, DocumentThatCannotBeWrittenIsToldBeforeTheMailWhichLeavesTheStaleOneOut) {
    // A report from an earlier run, and a folder where this run's RTF file goes.
    ASSERT_TRUE(QDir().mkpath(vh("37.RTF")));
    ASSERT_TRUE(writeAll(vh("Report.RTF"), "{\\rtf1 an older design}"));
    FixedRandom random({37, 1111111111});
    const ExportResult result = runDocumentExport({standInPage("x")}, state, context, random);

    EXPECT_FALSE(result.document.ok());
    EXPECT_EQ(yq::codeOr(result.rtf, rtf::Done), rtf::NotWritten);
    ASSERT_EQ(events.size(), 2);
    EXPECT_TRUE(events.at(0).startsWith(QStringLiteral("error: The report document could not be written.|")));
    EXPECT_TRUE(events.at(0).contains(QStringLiteral("37.RTF")));
    EXPECT_EQ(events.at(1), QStringLiteral("compose"));
    ASSERT_EQ(client.items.size(), 1);
    EXPECT_TRUE(client.items.front().attachments.isEmpty());
    // The older report is left as it was.
    EXPECT_EQ(readAll(vh("Report.RTF")), "{\\rtf1 an older design}");
}

TEST_F(Export, UnreadablePageCopyIsToldAndNoDocumentIsAttached) {
    // A folder where the first page copy goes: the copy fails, the RTF
    // writer cannot read the page.
    ASSERT_TRUE(QDir().mkpath(vh("371.wmf")));
    FixedRandom random({37, 1111111111});
    const ExportResult result = runDocumentExport({standInPage("x")}, state, context, random);
    EXPECT_EQ(yq::codeOr(result.rtf, rtf::Done), rtf::PageUnreadable);
    ASSERT_FALSE(errors().isEmpty());
    EXPECT_TRUE(errors().front().contains(QStringLiteral("371.wmf")));
    ASSERT_EQ(client.items.size(), 1);
    EXPECT_TRUE(client.items.front().attachments.isEmpty());
    EXPECT_FALSE(QFile::exists(vh("Report.RTF")));
}

TEST_F(Export, ReportWithoutPagesWritesNoDocumentAndSaysSo) {
    FixedRandom random({37});
    const ExportResult result = runDocumentExport({}, state, context, random);
    EXPECT_EQ(yq::codeOr(result.rtf, rtf::Done), rtf::NotWritten);
    EXPECT_FALSE(QFile::exists(vh("37.RTF")));
    EXPECT_FALSE(QFile::exists(vh("Report.RTF")));
    EXPECT_TRUE(QFile::exists(vh("vh37.html")));
    ASSERT_EQ(errors().size(), 1);
    EXPECT_EQ(client.items.size(), 1);
}

TEST_F(Export, HtmlPageThatCannotBeWrittenMeansNoMailWhichIsToldAndTheCleanUpStillRuns) {
    ASSERT_TRUE(QDir().mkpath(vh("vh37.html")));
    FixedRandom random({37, 1111111111});
    const ExportResult result = runDocumentExport({standInPage("x")}, state, context, random);
    EXPECT_EQ(yq::codeOr(result.html, html::Done), html::NotOpened);
    EXPECT_EQ(result.mailCode, 1);
    EXPECT_TRUE(client.items.isEmpty());
    ASSERT_EQ(events.size(), 1);
    EXPECT_TRUE(events.front().startsWith(QStringLiteral("error: The report mail could not be prepared.|")));
    EXPECT_TRUE(events.front().contains(QStringLiteral("vh37.html")));
    EXPECT_FALSE(QFile::exists(vh("371.wmf")));
    EXPECT_FALSE(QFile::exists(vh("37.RTF")));
    // The document itself was written.
    EXPECT_TRUE(QFile::exists(vh("Report.RTF")));
}

TEST_F(Export, NeitherPageNorDocumentIsToldOnceWithBothReasons) {
    ASSERT_TRUE(QDir().mkpath(vh("vh37.html")));
    ASSERT_TRUE(QDir().mkpath(vh("37.RTF")));
    FixedRandom random({37, 1111111111});
    runDocumentExport({standInPage("x")}, state, context, random);
    EXPECT_TRUE(client.items.isEmpty());
    ASSERT_EQ(events.size(), 1);
    EXPECT_TRUE(events.front().contains(QStringLiteral("vh37.html")));
    EXPECT_TRUE(events.front().contains(QStringLiteral("37.RTF")));
}

TEST_F(Export, LinksInTheExportFolderAreReplacedNeverWrittenThrough) {
    // Each file the export writes, as a link to someone else's file.
    const char* const names[] = {"Report.RTF", "vh37.html", "371.wmf", "37.RTF"};
    ASSERT_TRUE(QDir().mkpath(vh()));
    for (const char* name : names) {
        const QString target = dir.filePath(QStringLiteral("precious-") + QLatin1String(name));
        ASSERT_TRUE(writeAll(target, "keep me"));
        ASSERT_TRUE(QFile::link(target, vh(QLatin1String(name))));
    }
    FixedRandom random({37, 1111111111});
    const ExportResult result = runDocumentExport({standInPage("x")}, state, context, random);
    EXPECT_TRUE(result.document.ok());
    EXPECT_TRUE(errors().isEmpty()) << errors().join(QLatin1Char('\n')).toStdString();
    for (const char* name : names)
        EXPECT_EQ(readAll(dir.filePath(QStringLiteral("precious-") + QLatin1String(name))), "keep me") << name;
    EXPECT_FALSE(QFileInfo(vh("Report.RTF")).isSymLink());
    EXPECT_EQ(readAll(vh("Report.RTF")), rtfDocument({standInPage("x")}, 0, 500, 500, 1111111111));
    EXPECT_EQ(readAll(vh("vh37.html")), htmlPageBytes(0xFFFFFF));
}

// Runs `work` in a child process that may write files of `limit` bytes at
// most and ignores SIGXFSZ, so a larger write comes back short or fails
// with EFBIG as on a full disk. Returns the child's exit code.
template <typename Work>
int withFileSizeLimit(rlim_t limit, Work work) {
    const pid_t child = ::fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit small{limit, limit};
        ::setrlimit(RLIMIT_FSIZE, &small);
        ::_exit(work());
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 100;
}

TEST_F(Export, PagesAndDocumentThatDoNotFitLeaveNoHalfFileAndTheEarlierReportWhole) {
    ASSERT_TRUE(QDir().mkpath(vh()));
    ASSERT_TRUE(writeAll(vh("Report.RTF"), "{\\rtf1 the earlier report}"));
    const struct {
        const char* name;
        qsizetype pageBytes;  // the page copy fits below 64 KB; the RTF text is twice the page
        bool pageFits;
    } cases[] = {{"page too large", 100000, false}, {"document too large", 40000, true}};
    for (const auto& c : cases) {
        const QByteArray big = standInPage(QByteArray(c.pageBytes, '\x5A'));
        const int code = withFileSizeLimit(64 * 1024, [&] {
            FixedRandom random({37, 1111111111});
            DocumentExport exporter(dir.path(), random);
            const ExportResult result = exporter.write({big}, QStringLiteral("Report"));
            if (result.document.ok()) return 1;
            if (!yq::problemText(result.document.problem()).contains(QStringLiteral("File too large"))) return 2;
            return 0;
        });
        EXPECT_EQ(code, 0) << c.name;
        // Nothing half written: the page copy is whole or absent, the
        // numbered document holds no part of a page, the earlier report is
        // untouched.
        if (c.pageFits) {
            EXPECT_EQ(readAll(vh("371.wmf")), big) << c.name;
        } else {
            EXPECT_FALSE(QFile::exists(vh("371.wmf"))) << c.name;
        }
        EXPECT_FALSE(readAll(vh("37.RTF")).contains("5A5A")) << c.name;
        EXPECT_EQ(readAll(vh("Report.RTF")), "{\\rtf1 the earlier report}") << c.name;
        EXPECT_TRUE(QDir(vh()).entryList({QStringLiteral(".*yqtmp*")}, QDir::Files | QDir::Hidden).isEmpty()) << c.name;
        QFile::remove(vh("371.wmf"));
        QFile::remove(vh("37.RTF"));
    }
}

TEST_F(Export, TheFolderKeepsTheDraftsOfTheLastTenMailsAndNothingElseIsTouched) {
    ASSERT_TRUE(QDir().mkpath(vh()));
    const QStringList foreign{QStringLiteral("my-notes.eml"), QStringLiteral("report-mail-keep-this.eml"),
                              QStringLiteral("vh99.html")};
    for (const QString& name : foreign) ASSERT_TRUE(writeAll(vh(name), "not the program's"));
    QDateTime clock(QDate(2024, 3, 9), QTime(10, 0));
    context.now = [&clock] { return clock; };
    QStringList written;
    for (int mail = 0; mail < 14; ++mail) {
        clock = clock.addSecs(mail % 3 == 0 ? 60 : 0);  // some in the same second
        FixedRandom random({20 + mail, 1111111111});
        written << runDocumentExport({standInPage("x")}, state, context, random).draftPath;
    }
    QStringList drafts = QDir(vh()).entryList({QStringLiteral("report-mail-2*.eml")}, QDir::Files, QDir::Name);
    for (QString& d : drafts) d = vh(d);
    QStringList newest = written.mid(4);
    std::sort(newest.begin(), newest.end());
    std::sort(drafts.begin(), drafts.end());
    EXPECT_EQ(drafts, newest);
    for (const QString& name : foreign) EXPECT_EQ(readAll(vh(name)), "not the program's") << name.toStdString();
    // The hand-over folders of removed drafts went with them.
    for (const QString& old : written.mid(0, 4)) EXPECT_FALSE(QFileInfo::exists(old.chopped(4))) << old.toStdString();
}

TEST_F(Export, ReportMailDraftIsAboutTheSizeOfTheDocument) {
    // A page of picture bytes such as the renderer writes.
    QByteArray body;
    for (int i = 0; i < 300000; ++i) body += static_cast<char>((i * 37) & 0xFF);
    FixedRandom random({37, 1111111111});
    const ExportResult result = runDocumentExport({standInPage(body)}, state, context, random);
    ASSERT_TRUE(result.document.ok());
    ASSERT_FALSE(result.draftPath.isEmpty());
    const qint64 document = QFileInfo(vh("Report.RTF")).size();
    const qint64 draft = QFileInfo(result.draftPath).size();
    // Base64 would make it a third larger.
    EXPECT_LT(draft, document * 112 / 100) << draft << " bytes for a document of " << document;
}

TEST_F(Export, ExportFolderIsVhOfTheWorkingFolder) {
    EXPECT_EQ(exportFolderPath(QStringLiteral("/home/ham/yq")), QStringLiteral("/home/ham/yq/VH"));
    FixedRandom random({64, 1111111111});
    const ExportResult result = runDocumentExport({standInPage("x")}, state, context, random);
    EXPECT_EQ(result.exportFolder, QDir(dir.path()).filePath(QStringLiteral("VH")));
    EXPECT_TRUE(QFileInfo(vh()).isDir());
}

}  // namespace
