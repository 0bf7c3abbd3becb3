// The MIME draft of a mail, read back with Python's standard email package.
#include "report/MailItem.h"
#include "support/FileBytes.h"

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

using namespace yq::report;

using yq::test::writeAll;

QString sha256(const QByteArray& bytes) {
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

// What Python's email package makes of a draft file.
struct Parsed {
    QJsonObject json;
    QString error;

    QStringList header(const QString& name) const {
        QStringList values;
        for (const QJsonValue& pair : json.value(QStringLiteral("headers")).toArray()) {
            const QJsonArray kv = pair.toArray();
            if (kv.at(0).toString().compare(name, Qt::CaseInsensitive) == 0) values << kv.at(1).toString();
        }
        return values;
    }
    QJsonArray attachments() const { return json.value(QStringLiteral("attachments")).toArray(); }
};

Parsed parseWithPython(const QString& draft) {
    Parsed parsed;
    // The system's Python first: its standard library is all this needs.
    QString python = QStandardPaths::findExecutable(QStringLiteral("python3"), {QStringLiteral("/usr/bin")});
    if (python.isEmpty()) python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    if (python.isEmpty()) {
        parsed.error = QStringLiteral("python3 not found (scripts/setup.sh installs it)");
        return parsed;
    }
    QProcess process;
    process.start(python, {QStringLiteral(YQ_TEST_DATA "/export/parse_eml.py"), draft});
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        parsed.error = QString::fromLocal8Bit(process.readAllStandardError());
        return parsed;
    }
    QJsonParseError jsonError;
    parsed.json = QJsonDocument::fromJson(process.readAllStandardOutput(), &jsonError).object();
    if (jsonError.error != QJsonParseError::NoError) parsed.error = jsonError.errorString();
    return parsed;
}

class Draft : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        rtf = QByteArray("{\\rtf1\\ansi ") + QByteArray(5000, 'A') + "}";
        csv = "\"F\",\"CD\",\"LD\"\r\n\"7.15\",\"2\",\"6\"\r\n";
        ini = "[YQ]\r\nF=7.15\r\nCD=2\r\n";
        ASSERT_TRUE(writeAll(path("Report.RTF"), rtf));
        ASSERT_TRUE(writeAll(path("YQ.csv"), csv));
        ASSERT_TRUE(writeAll(path("yq.ini"), ini));
    }
    QString path(const QString& name) const { return dir.filePath(name); }

    Parsed write(const MailItem& item, DraftResult* result = nullptr) {
        const QString draft = path(QStringLiteral("VH/mail.eml"));
        const DraftResult written = writeMimeDraft(item, draft, when);
        if (result) *result = written;
        EXPECT_TRUE(written.written.ok()) << (written.written ? std::string() : written.written.problem().text());
        Parsed parsed = parseWithPython(draft);
        EXPECT_TRUE(parsed.error.isEmpty()) << parsed.error.toStdString();
        return parsed;
    }

    QTemporaryDir dir;
    QByteArray rtf, csv, ini;
    const QDateTime when{QDate(2024, 3, 9), QTime(10, 15, 30)};
};

TEST_F(Draft, ReportMailParsesWithItsHeadersBodyAndAttachments) {
    MailItem item;
    item.to = QStringLiteral("design-feedback@yq-antenna.example");
    item.subject = QStringLiteral("Corvan, my YQ results are attached");
    item.htmlBody = QStringLiteral(
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\"><HTML><HEAD>"
        "</HEAD><BODY bgColor=#FFFFFF><DIV></DIV></BODY></HTML>");
    item.attachments = {{path("Report.RTF"), QStringLiteral("Report.rtf")}, {path("YQ.csv"), QStringLiteral("YQ.csv")}};

    const Parsed mail = write(item);
    EXPECT_EQ(mail.json.value(QStringLiteral("content_type")).toString(), QStringLiteral("multipart/mixed"));
    EXPECT_TRUE(mail.json.value(QStringLiteral("defects")).toArray().isEmpty());
    EXPECT_TRUE(mail.json.value(QStringLiteral("crlf_only")).toBool());
    EXPECT_TRUE(mail.json.value(QStringLiteral("date_ok")).toBool());
    EXPECT_EQ(mail.header(QStringLiteral("To")), QStringList{item.to});
    EXPECT_EQ(mail.header(QStringLiteral("Subject")), QStringList{item.subject});
    EXPECT_EQ(mail.header(QStringLiteral("X-Unsent")), QStringList{QStringLiteral("1")});
    EXPECT_EQ(mail.header(QStringLiteral("MIME-Version")), QStringList{QStringLiteral("1.0")});
    // Blank CC and BCC give no header; normal importance gives none either.
    EXPECT_TRUE(mail.header(QStringLiteral("Cc")).isEmpty());
    EXPECT_TRUE(mail.header(QStringLiteral("Bcc")).isEmpty());
    EXPECT_TRUE(mail.header(QStringLiteral("Importance")).isEmpty());
    EXPECT_TRUE(mail.header(QStringLiteral("X-Priority")).isEmpty());

    const QJsonArray parts = mail.json.value(QStringLiteral("parts")).toArray();
    ASSERT_EQ(parts.size(), 3);
    EXPECT_EQ(parts.at(0).toString(), QStringLiteral("text/html"));
    EXPECT_EQ(mail.json.value(QStringLiteral("body")).toString(), item.htmlBody);

    const QJsonArray files = mail.attachments();
    ASSERT_EQ(files.size(), 2);
    EXPECT_EQ(files.at(0)[QStringLiteral("filename")].toString(), QStringLiteral("Report.rtf"));
    EXPECT_EQ(files.at(0)[QStringLiteral("size")].toInt(), rtf.size());
    EXPECT_EQ(files.at(0)[QStringLiteral("sha256")].toString(), sha256(rtf));
    EXPECT_EQ(files.at(1)[QStringLiteral("filename")].toString(), QStringLiteral("YQ.csv"));
    EXPECT_EQ(files.at(1)[QStringLiteral("sha256")].toString(), sha256(csv));
    EXPECT_EQ(files.at(1)[QStringLiteral("content_type")].toString(), QStringLiteral("text/csv"));
}

TEST_F(Draft, ResultsMailHasHighImportanceAndAnEmptyBody) {
    MailItem item;
    item.to = QStringLiteral("design-feedback@yq-antenna.example");
    item.subject = QStringLiteral("My Finished YQ Results");
    item.importance = MailImportance::High;
    item.attachments = {{path("YQ.csv"), QStringLiteral("YQ.csv")}, {path("yq.ini"), QStringLiteral("yq.ini")}};

    const Parsed mail = write(item);
    EXPECT_EQ(mail.header(QStringLiteral("Importance")), QStringList{QStringLiteral("High")});
    EXPECT_EQ(mail.header(QStringLiteral("X-Priority")).value(0).left(1), QStringLiteral("1"));
    EXPECT_EQ(mail.json.value(QStringLiteral("body")).toString(), QString());
    const QJsonArray files = mail.attachments();
    ASSERT_EQ(files.size(), 2);
    EXPECT_EQ(files.at(0)[QStringLiteral("filename")].toString(), QStringLiteral("YQ.csv"));
    EXPECT_EQ(files.at(1)[QStringLiteral("filename")].toString(), QStringLiteral("yq.ini"));
    EXPECT_EQ(files.at(1)[QStringLiteral("sha256")].toString(), sha256(ini));
}

TEST_F(Draft, CcAndBccAreWrittenWhenGiven) {
    MailItem item;
    item.to = QStringLiteral("a@example.org");
    item.cc = QStringLiteral("b@example.org");
    item.bcc = QStringLiteral("c@example.org");
    item.subject = QStringLiteral("s");
    const Parsed mail = write(item);
    EXPECT_EQ(mail.header(QStringLiteral("Cc")), QStringList{item.cc});
    EXPECT_EQ(mail.header(QStringLiteral("Bcc")), QStringList{item.bcc});
}

TEST_F(Draft, TextOutsideAsciiSurvivesInSubjectBodyAndFileName) {
    const QString name = QStringLiteral("R\u00e9sum\u00e9 \u03a9 \"quoted\".csv");
    ASSERT_TRUE(writeAll(path(QStringLiteral("odd.csv")), csv));
    MailItem item;
    item.to = QStringLiteral("a@example.org");
    item.subject =
        QStringLiteral("Antenne f\u00fcr 7,15 MHz \u2013 \u00c6r\u00f8sk\u00f8bing ") + QString(40, QChar(0x00e9));
    item.htmlBody = QStringLiteral("<P>73 de \u00c5se \u2603</P>");
    item.attachments = {{path(QStringLiteral("odd.csv")), name}};
    const Parsed mail = write(item);
    EXPECT_EQ(mail.header(QStringLiteral("Subject")), QStringList{item.subject});
    EXPECT_EQ(mail.json.value(QStringLiteral("body")).toString(), item.htmlBody);
    ASSERT_EQ(mail.attachments().size(), 1);
    EXPECT_EQ(mail.attachments().at(0)[QStringLiteral("filename")].toString(), name);
}

TEST_F(Draft, LongSubjectIsFoldedAndReadsBackWhole) {
    MailItem item;
    item.to = QStringLiteral("a@example.org");
    for (int i = 0; i < 20; ++i) item.subject += QStringLiteral("word%1 ").arg(i);
    item.subject += QStringLiteral("end");
    const QByteArray bytes = mimeDraftBytes(item, when);
    for (const QByteArray& line : bytes.split('\n')) EXPECT_LE(line.size(), 80);
    const Parsed mail = write(item);
    EXPECT_EQ(mail.header(QStringLiteral("Subject")), QStringList{item.subject});
}

TEST_F(Draft, LineBreaksInHeaderTextsCannotAddHeaders) {
    MailItem item;
    item.to = QStringLiteral("a@example.org\r\nBcc: spy@example.org");
    item.subject = QStringLiteral("Hello\r\nX-Injected: yes\nBcc: spy@example.org");
    const Parsed mail = write(item);
    EXPECT_TRUE(mail.header(QStringLiteral("Bcc")).isEmpty());
    EXPECT_TRUE(mail.header(QStringLiteral("X-Injected")).isEmpty());
    ASSERT_EQ(mail.header(QStringLiteral("Subject")).size(), 1);
    EXPECT_FALSE(mail.header(QStringLiteral("Subject")).front().contains(QLatin1Char('\n')));
}

TEST_F(Draft, BlankAndMissingAttachmentsAreLeftOutAndMissingOnesNamed) {
    MailItem item;
    item.to = QStringLiteral("a@example.org");
    item.attachments = {{QString(), QString()},
                        {QStringLiteral("   "), QString()},
                        {path("gone.csv"), QStringLiteral("gone.csv")},
                        {path("yq.ini"), QStringLiteral("yq.ini")}};
    DraftResult result;
    const Parsed mail = write(item, &result);
    EXPECT_EQ(result.missingAttachments, QStringList{path("gone.csv")});
    ASSERT_EQ(mail.attachments().size(), 1);
    EXPECT_EQ(mail.attachments().at(0)[QStringLiteral("filename")].toString(), QStringLiteral("yq.ini"));
}

TEST_F(Draft, AttachmentWithoutDisplayNameIsNamedAfterItsFile) {
    MailItem item;
    item.attachments = {{path("YQ.csv"), QString()}};
    const Parsed mail = write(item);
    ASSERT_EQ(mail.attachments().size(), 1);
    EXPECT_EQ(mail.attachments().at(0)[QStringLiteral("filename")].toString(), QStringLiteral("YQ.csv"));
}

TEST_F(Draft, BinaryAttachmentRoundTrips) {
    QByteArray bytes;
    for (int i = 0; i < 70000; ++i) bytes += static_cast<char>((i * 37) & 0xFF);
    ASSERT_TRUE(writeAll(path("page.wmf"), bytes));
    MailItem item;
    item.attachments = {{path("page.wmf"), QStringLiteral("page.wmf")}};
    const Parsed mail = write(item);
    ASSERT_EQ(mail.attachments().size(), 1);
    EXPECT_EQ(mail.attachments().at(0)[QStringLiteral("sha256")].toString(), sha256(bytes));
}

TEST_F(Draft, ReplacesAnEarlierDraftAsAWhole) {
    const QString draft = path(QStringLiteral("d.eml"));
    ASSERT_TRUE(writeAll(draft, QByteArray(100000, 'x')));
    MailItem item;
    item.subject = QStringLiteral("s");
    ASSERT_TRUE(writeMimeDraft(item, draft, when).written.ok());
    QFile file(draft);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), mimeDraftBytes(item, when));
}

TEST_F(Draft, FolderThatCannotBeMadeIsReported) {
    ASSERT_TRUE(writeAll(path("blocker"), "file, not folder"));
    MailItem item;
    const DraftResult result = writeMimeDraft(item, path("blocker/VH/mail.eml"), when);
    EXPECT_FALSE(result.written.ok());
    EXPECT_FALSE(result.written.problem().text().empty());
}

TEST(AttachmentName, IsTheTextAfterTheLastSeparator) {
    const struct {
        const char* path;
        const char* name;
    } cases[] = {
        {"/home/ham/yq/YQ.csv", "YQ.csv"},
        {"C:\\YQ\\yq.csv", "yq.csv"},
        {"C:\\YQ/mixed\\Report.RTF", "Report.RTF"},
        {"plain.ini", "plain.ini"},
        {"", ""},
        {"/trailing/", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(attachmentDisplayName(QString::fromLatin1(c.path)), QLatin1String(c.name)) << c.path;
}

}  // namespace
