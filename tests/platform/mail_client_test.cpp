// The mail program layer: which program opens the compose window and with
// which arguments; and one run through the real desktop look-up and
// launcher with a stand-in mail program.
#include "platform/MailClient.h"
#include "support/FakeLauncher.h"
#include "support/AccentingTranslator.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QTemporaryDir>
#include <QThread>
#include <QUrl>

namespace {

using namespace yq::platform;
using yq::platform::MailAttachment;
using yq::platform::MailImportance;
using yq::platform::MailItem;
using yq::test::FakeDesktopHandlers;
using yq::test::FakeLauncher;

const QString kMailto = QStringLiteral("x-scheme-handler/mailto");

// What opened the compose window; None when none was opened.
MailProgram programOf(const ComposeResult& result) { return result ? result->program : MailProgram::None; }
// Why no compose window was opened; empty when one was.
QString detailOf(const ComposeResult& result) {
    return result ? QString() : QString::fromStdString(result.problem().text());
}

MailItem reportMail() {
    MailItem item;
    item.to = QStringLiteral("design-feedback@yq-antenna.example");
    item.subject = QStringLiteral("Corvan, my YQ results are attached");
    item.htmlBody = QStringLiteral("<HTML></HTML>");
    item.attachments = {{QStringLiteral("/home/ham/yq/VH/Report.RTF"), QStringLiteral("Report.rtf")},
                        {QStringLiteral("/home/ham/yq/YQ.csv"), QStringLiteral("YQ.csv")}};
    return item;
}

class Client : public ::testing::Test {
protected:
    FakeDesktopHandlers handlers;
    FakeLauncher launcher;
    DesktopMailClient client{handlers, launcher};
};

TEST_F(Client, ThunderbirdAsMailtoHandlerGetsAComposeWindowWithBodyFileAndAttachments) {
    handlers.set(kMailto, QStringLiteral("thunderbird %u"), QStringLiteral("thunderbird.desktop"));
    const ComposeResult result = client.compose(reportMail(), QStringLiteral("/home/ham/yq/VH/vh37.html"));
    EXPECT_TRUE(result.ok());
    EXPECT_EQ(programOf(result), MailProgram::Thunderbird);
    ASSERT_EQ(launcher.calls.size(), 1u);
    EXPECT_EQ(launcher.calls[0].program, QStringLiteral("thunderbird"));
    EXPECT_EQ(
        launcher.calls[0].args,
        (QStringList{QStringLiteral("-compose"),
                     QStringLiteral("to='design-feedback@yq-antenna.example',"
                                    "subject='Corvan, my YQ results are attached',"
                                    "format='html',message='/home/ham/yq/VH/vh37.html',"
                                    "attachment='file:///home/ham/yq/VH/Report.RTF,file:///home/ham/yq/YQ.csv'")}));
}

TEST_F(Client, ThunderbirdIsRecognisedByDesktopIdOrProgram) {
    const struct {
        const char* id;
        const char* exec;
        const char* program;
        bool thunderbird;
    } cases[] = {
        {"thunderbird.desktop", "thunderbird %u", "thunderbird", true},
        {"mail.desktop", "/usr/lib/thunderbird/thunderbird %u", "/usr/lib/thunderbird/thunderbird", true},
        {"org.mozilla.Thunderbird.desktop",
         "/usr/bin/flatpak run --branch=stable --command=thunderbird org.mozilla.Thunderbird %u", "/usr/bin/flatpak",
         true},
        {"icedove.desktop", "icedove %u", "icedove", true},
        {"org.gnome.Evolution.desktop", "evolution %U", "evolution", false},
        {"kmail.desktop", "kmail --composer %u", "kmail", false},
        {"mutt.desktop", "mutt %u", "xdg-email", false},
    };
    for (const auto& c : cases) {
        FakeDesktopHandlers h;
        FakeLauncher l;
        h.set(kMailto, QString::fromLatin1(c.exec), QString::fromLatin1(c.id));
        DesktopMailClient mail(h, l);
        const ComposeResult result = mail.compose(reportMail(), {});
        ASSERT_EQ(l.calls.size(), 1u) << c.id;
        EXPECT_EQ(l.calls[0].program, QLatin1String(c.program)) << c.id;
        EXPECT_EQ(programOf(result) == MailProgram::Thunderbird, c.thunderbird) << c.id;
        if (c.thunderbird) {
            EXPECT_EQ(l.calls[0].args.at(l.calls[0].args.size() - 2), QStringLiteral("-compose")) << c.id;
            // The handler's field code is not passed on.
            EXPECT_FALSE(l.calls[0].args.contains(QStringLiteral("%u"))) << c.id;
        }
    }
}

TEST_F(Client, OtherMailProgramGetsTheMailThroughXdgEmail) {
    handlers.set(kMailto, QStringLiteral("sylpheed %u"), QStringLiteral("sylpheed.desktop"));
    const ComposeResult result = client.compose(reportMail(), QStringLiteral("/home/ham/yq/VH/vh37.html"));
    EXPECT_TRUE(result.ok());
    EXPECT_EQ(programOf(result), MailProgram::XdgEmail);
    ASSERT_EQ(launcher.calls.size(), 1u);
    EXPECT_EQ(launcher.calls[0].program, QStringLiteral("xdg-email"));
    EXPECT_EQ(launcher.calls[0].args,
              (QStringList{QStringLiteral("--utf8"), QStringLiteral("--subject"),
                           QStringLiteral("Corvan, my YQ results are attached"), QStringLiteral("--attach"),
                           QStringLiteral("/home/ham/yq/VH/Report.RTF"), QStringLiteral("--attach"),
                           QStringLiteral("/home/ham/yq/YQ.csv"), QStringLiteral("--to"),
                           QStringLiteral("design-feedback@yq-antenna.example")}));
}

// Each mail program Debian ships, as its desktop entry starts it: the
// program and the whole argument list it is handed, and what the user is
// told it may lack. The report mail's HTML page here has visible text.
TEST(MailPrograms, EachProgramGetsRecipientsSubjectAndAttachmentsOnItsOwnCommandLine) {
    MailItem item = reportMail();
    item.cc = QStringLiteral("club@example.org");
    item.subject = QStringLiteral("YQ: 7+14 MHz & more");
    item.htmlBody = QStringLiteral("<html><body><p>My design</p></body></html>");
    item.attachments = {{QStringLiteral("/home/ham/my yq/VH/Report.RTF"), QStringLiteral("Report.RTF")},
                        {QStringLiteral("/home/ham/my yq/YQ.csv"), QStringLiteral("YQ.csv")}};
    const QString rtf = QStringLiteral("/home/ham/my yq/VH/Report.RTF");
    const QString csv = QStringLiteral("/home/ham/my yq/YQ.csv");
    const QString mailtoPlain = QStringLiteral(
        "mailto:design-feedback@yq-antenna.example?cc=club@example.org&"
        "subject=YQ%3A%207%2B14%20MHz%20%26%20more");
    const QString attachFields = QStringLiteral(
        "&attach=/home/ham/my%20yq/VH/Report.RTF"
        "&attach=/home/ham/my%20yq/YQ.csv");
    const struct {
        const char* id;
        const char* exec;
        MailProgram program;
        QString started;
        QStringList args;
        const char* shortfall;
    } cases[] = {
        {"org.gnome.Evolution.desktop",
         "evolution %U",
         MailProgram::Evolution,
         QStringLiteral("evolution"),
         {mailtoPlain + attachFields},
         "Evolution cannot take the mail's HTML body."},
        {"org.kde.kmail2.desktop",
         "kmail -qwindowtitle %c %u",
         MailProgram::KMail,
         QStringLiteral("kmail"),
         {QStringLiteral("-qwindowtitle"), QStringLiteral("KMail"), QStringLiteral("--composer"), QStringLiteral("-s"),
          item.subject, QStringLiteral("-c"), item.cc, QStringLiteral("--attach"), rtf, QStringLiteral("--attach"), csv,
          item.to},
         "KMail cannot take the mail's HTML body."},
        {"claws-mail.desktop",
         "claws-mail %u",
         MailProgram::ClawsMail,
         QStringLiteral("claws-mail"),
         {QStringLiteral("--compose"), mailtoPlain, QStringLiteral("--attach"), rtf, csv},
         "Claws Mail cannot take the mail's HTML body."},
        {"org.claws_mail.Claws-Mail.desktop",
         "/usr/bin/flatpak run --command=claws-mail org.claws_mail.Claws-Mail %u",
         MailProgram::ClawsMail,
         QStringLiteral("/usr/bin/flatpak"),
         {QStringLiteral("run"), QStringLiteral("--command=claws-mail"), QStringLiteral("org.claws_mail.Claws-Mail"),
          QStringLiteral("--compose"), mailtoPlain, QStringLiteral("--attach"), rtf, csv},
         "Claws Mail cannot take the mail's HTML body."},
        {"geary.desktop",
         "geary %U",
         MailProgram::XdgEmail,
         QStringLiteral("xdg-email"),
         {QStringLiteral("--utf8"), QStringLiteral("--subject"), item.subject, QStringLiteral("--cc"), item.cc,
          QStringLiteral("--attach"), rtf, QStringLiteral("--attach"), csv, QStringLiteral("--to"), item.to},
         "The mail program may not have taken the mail's attachments, and cannot take its HTML body."},
    };
    for (const auto& c : cases) {
        FakeDesktopHandlers handlers;
        FakeLauncher launcher;
        handlers.set(kMailto, QString::fromLatin1(c.exec), QString::fromLatin1(c.id));
        handlers.lookups[kMailto].entry.name = QStringLiteral("KMail");
        DesktopMailClient client(handlers, launcher);
        const ComposeResult result = client.compose(item, QStringLiteral("/home/ham/my yq/VH/vh37.html"));
        EXPECT_TRUE(result.ok()) << c.id;
        EXPECT_EQ(programOf(result), c.program) << c.id;
        EXPECT_EQ(result->shortfall, QString::fromLatin1(c.shortfall)) << c.id;
        ASSERT_EQ(launcher.calls.size(), 1u) << c.id;
        EXPECT_EQ(launcher.calls[0].program, c.started) << c.id;
        EXPECT_EQ(launcher.calls[0].args, c.args) << c.id;
    }
}

TEST(MailPrograms, ABodyThatShowsNothingIsNoShortfallButAttachmentsThroughXdgEmailAre) {
    // The report mail's page: white, with nothing on it.
    const QString whitePage = QStringLiteral(
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\"><HTML><HEAD>"
        "<META http-equiv=Content-Type content=\"text/html; charset=windows-1252\"><TITLE>YQ</TITLE></HEAD>"
        "<BODY bgColor=#ffffff><DIV>&nbsp;</DIV><!-- a note --></BODY></HTML>");
    EXPECT_FALSE(htmlShowsContent(whitePage));
    EXPECT_FALSE(htmlShowsContent(QString()));
    EXPECT_TRUE(htmlShowsContent(QStringLiteral("<p>73 de K1ABC</p>")));
    EXPECT_TRUE(htmlShowsContent(QStringLiteral("<BODY><IMG src=\"cid:antenna\"></BODY>")));
    EXPECT_TRUE(htmlShowsContent(QStringLiteral("plain words")));

    MailItem item = reportMail();
    item.htmlBody = whitePage;
    for (const char* exec : {"evolution %U", "kmail %u", "claws-mail %u"}) {
        FakeDesktopHandlers handlers;
        FakeLauncher launcher;
        handlers.set(kMailto, QString::fromLatin1(exec), QStringLiteral("mail.desktop"));
        DesktopMailClient client(handlers, launcher);
        const ComposeResult result = client.compose(item, {});
        EXPECT_TRUE(result.ok()) << exec;
        EXPECT_TRUE(result->shortfall.isEmpty()) << exec << ": " << result->shortfall.toStdString();
    }
    FakeDesktopHandlers handlers;
    FakeLauncher launcher;
    handlers.set(kMailto, QStringLiteral("geary %U"), QStringLiteral("geary.desktop"));
    DesktopMailClient client(handlers, launcher);
    EXPECT_EQ(client.compose(item, {})->shortfall,
              QStringLiteral("The mail program may not have taken the mail's attachments."));
    item.attachments.clear();
    EXPECT_TRUE(client.compose(item, {})->shortfall.isEmpty());
}

TEST(MailPrograms, AnAddressThatReadsAsAnOptionGoesToKMailAsAMailtoUrl) {
    MailItem item;
    item.to = QStringLiteral("-s@example.org");
    EXPECT_EQ(kmailArguments(item),
              (QStringList{QStringLiteral("--composer"), QStringLiteral("mailto:-s@example.org")}));
    // A blank mail: no empty subject or attachment reaches any program.
    item.to = QStringLiteral("a@example.org");
    item.attachments = {{QStringLiteral(" "), {}}};
    EXPECT_EQ(clawsMailArguments(item),
              (QStringList{QStringLiteral("--compose"), QStringLiteral("mailto:a@example.org")}));
    EXPECT_EQ(evolutionArguments(item), QStringList{QStringLiteral("mailto:a@example.org")});
}

TEST_F(Client, MailProgramThatDoesNotStartFallsBackToXdgEmail) {
    handlers.set(kMailto, QStringLiteral("claws-mail %u"), QStringLiteral("claws-mail.desktop"));
    launcher.codeFor.insert(QStringLiteral("claws-mail"), launch::FileNotFound);
    const ComposeResult result = client.compose(reportMail(), {});
    EXPECT_TRUE(result.ok());
    EXPECT_EQ(programOf(result), MailProgram::XdgEmail);
    ASSERT_EQ(launcher.calls.size(), 2u);
    EXPECT_EQ(launcher.calls[1].program, QStringLiteral("xdg-email"));
}

TEST_F(Client, NoRegisteredMailProgramOpensNothing) {
    const ComposeResult result = client.compose(reportMail(), {});
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(programOf(result), MailProgram::None);
    EXPECT_FALSE(detailOf(result).isEmpty());
    EXPECT_TRUE(launcher.calls.empty());
    EXPECT_EQ(handlers.queries, QStringList{kMailto});
}

TEST_F(Client, RegisteredMailProgramWhoseEntryIsMissingOpensNothing) {
    handlers.setBroken(kMailto, QStringLiteral("gone.desktop"));
    const ComposeResult result = client.compose(reportMail(), {});
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(detailOf(result).contains(QStringLiteral("gone.desktop")));
    EXPECT_TRUE(launcher.calls.empty());
}

TEST_F(Client, DesktopThatCannotBeAskedLeavesItToXdgEmail) {
    handlers.unavailable = true;
    const ComposeResult result = client.compose(reportMail(), {});
    EXPECT_TRUE(result.ok());
    ASSERT_EQ(launcher.calls.size(), 1u);
    EXPECT_EQ(launcher.calls[0].program, QStringLiteral("xdg-email"));
}

TEST_F(Client, ThunderbirdThatDoesNotStartFallsBackToXdgEmail) {
    handlers.set(kMailto, QStringLiteral("thunderbird %u"), QStringLiteral("thunderbird.desktop"));
    launcher.codeFor.insert(QStringLiteral("thunderbird"), launch::FileNotFound);
    const ComposeResult result = client.compose(reportMail(), {});
    EXPECT_TRUE(result.ok());
    EXPECT_EQ(programOf(result), MailProgram::XdgEmail);
    ASSERT_EQ(launcher.calls.size(), 2u);
    EXPECT_EQ(launcher.calls[1].program, QStringLiteral("xdg-email"));
}

TEST_F(Client, NothingStartsWhenXdgEmailIsMissingToo) {
    handlers.set(kMailto, QStringLiteral("balsa %u"), QStringLiteral("balsa.desktop"));
    launcher.codeFor.insert(QStringLiteral("xdg-email"), launch::FileNotFound);
    const ComposeResult result = client.compose(reportMail(), {});
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(programOf(result), MailProgram::None);
    EXPECT_TRUE(detailOf(result).contains(QStringLiteral("xdg-email")));
}

TEST(ThunderbirdCompose, BlankFieldsAreLeftOutAndCcBccWrittenWhenGiven) {
    MailItem item;
    item.to = QStringLiteral("a@example.org");
    item.subject = QStringLiteral("My Finished YQ Results");
    item.importance = MailImportance::High;
    EXPECT_EQ(thunderbirdComposeArgument(item, {}),
              QStringLiteral("to='a@example.org',subject='My Finished YQ Results'"));
    item.cc = QStringLiteral("c@example.org");
    item.bcc = QStringLiteral("b@example.org");
    EXPECT_EQ(thunderbirdComposeArgument(item, {}),
              QStringLiteral("to='a@example.org',cc='c@example.org',bcc='b@example.org',"
                             "subject='My Finished YQ Results'"));
}

TEST(ThunderbirdCompose, BlankAttachmentsAreLeftOut) {
    MailItem item;
    item.attachments = {{QString(), QString()},
                        {QStringLiteral("/w/yq.ini"), QStringLiteral("yq.ini")},
                        {QStringLiteral("  "), QString()}};
    EXPECT_EQ(thunderbirdComposeArgument(item, {}), QStringLiteral("attachment='file:///w/yq.ini'"));
}

TEST(ThunderbirdCompose, CommasAndQuotesInFileNamesCannotSplitTheList) {
    MailItem item;
    item.attachments = {{QStringLiteral("/w/a,b.csv"), {}}, {QStringLiteral("/w/it's here/x y.ini"), {}}};
    EXPECT_EQ(thunderbirdComposeArgument(item, {}),
              QStringLiteral("attachment='file:///w/a%2Cb.csv,file:///w/it%27s%20here/x%20y.ini'"));
}

TEST(ThunderbirdCompose, QuoteFollowedByCommaInAValueSwitchesTheQuotes) {
    MailItem item;
    item.subject = QStringLiteral("the 'YQ', my design");
    EXPECT_EQ(thunderbirdComposeArgument(item, {}), QStringLiteral("subject=\"the 'YQ', my design\""));
}

// What Thunderbird reads from a -compose argument: fields split at commas
// outside quotes, where a quote opens right after "=" and closes at the
// same quote followed by a comma or the end; a single-quoted value is taken
// as it stands, a double-quoted one is percent-decoded.
QMap<QString, QString> thunderbirdReads(const QString& argument) {
    QStringList fields{QString()};
    QChar quote;
    for (qsizetype i = 0; i < argument.size(); ++i) {
        const QChar c = argument.at(i);
        const QChar next = i + 1 < argument.size() ? argument.at(i + 1) : QChar();
        const QChar previous = i > 0 ? argument.at(i - 1) : QChar();
        if (!quote.isNull() && c == quote && (next == QLatin1Char(',') || next.isNull()))
            quote = QChar();
        else if ((c == QLatin1Char('\'') || c == QLatin1Char('"')) && previous == QLatin1Char('=') && quote.isNull())
            quote = c;
        else if (c == QLatin1Char(',') && quote.isNull()) {
            fields << QString();
            continue;
        }
        fields.last() += c;
    }
    QMap<QString, QString> values;
    for (const QString& field : fields) {
        const qsizetype eq = field.indexOf(QLatin1Char('='));
        if (eq < 0) continue;
        QString value = field.mid(eq + 1);
        if (value.size() >= 2 && value.startsWith(QLatin1Char('\'')) && value.endsWith(QLatin1Char('\''))) {
            value = value.mid(1, value.size() - 2);
        } else {
            if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')))
                value = value.mid(1, value.size() - 2);
            value = QUrl::fromPercentEncoding(value.toUtf8());
        }
        values.insert(field.left(eq), value);
    }
    return values;
}

TEST(ThunderbirdCompose, EveryValueReadsBackWholeWhateverQuotesAndCommasItHolds) {
    const char* const subjects[] = {
        "plain",
        "the 'YQ', my design",
        "say \"hi\", ok",
        "both ', and \", in one",
        "100% done', and 50%",
        "ends with '",
        "ends with \"",
        "'starts quoted",
        "a,b,c",
        "it's",
        "x='y',z",
    };
    for (const char* subject : subjects) {
        MailItem item;
        item.to = QStringLiteral("a@example.org");
        item.subject = QString::fromUtf8(subject);
        item.attachments = {{QStringLiteral("/w/yq.ini"), {}}};
        const QMap<QString, QString> read = thunderbirdReads(thunderbirdComposeArgument(item, {}));
        EXPECT_EQ(read.value(QStringLiteral("subject")), item.subject) << subject;
        EXPECT_EQ(read.value(QStringLiteral("to")), item.to) << subject;
        EXPECT_EQ(read.value(QStringLiteral("attachment")), QStringLiteral("file:///w/yq.ini")) << subject;
        EXPECT_EQ(read.size(), 3) << subject;
    }
}

TEST_F(Client, ThunderbirdIsHandedTheDraftWhichHoldsImportanceAndAttachmentNames) {
    handlers.set(kMailto, QStringLiteral("thunderbird %u"), QStringLiteral("thunderbird.desktop"));
    MailItem item = reportMail();
    item.importance = MailImportance::High;
    item.draftFile = QStringLiteral("/home/ham/yq/VH/report-mail-20240309-101530.eml");
    const ComposeResult result = client.compose(item, QStringLiteral("/home/ham/yq/VH/vh37.html"));
    EXPECT_TRUE(result.ok());
    EXPECT_EQ(programOf(result), MailProgram::Thunderbird);
    ASSERT_EQ(launcher.calls.size(), 1u);
    EXPECT_EQ(launcher.calls[0].program, QStringLiteral("thunderbird"));
    EXPECT_EQ(launcher.calls[0].args, QStringList{item.draftFile});
}

TEST(HandOver, AttachmentsGoUnderTheMailsNamesBesideTheDraft) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString vh = dir.filePath(QStringLiteral("VH"));
    ASSERT_TRUE(QDir().mkpath(vh));
    QFile rtf(vh + QStringLiteral("/Report.RTF"));
    ASSERT_TRUE(rtf.open(QIODevice::WriteOnly));
    rtf.write("{\\rtf1 the report}");
    rtf.close();
    MailItem item;
    item.attachments = {{vh + QStringLiteral("/Report.RTF"), QStringLiteral("Report.rtf")},
                        {dir.filePath(QStringLiteral("YQ.csv")), QStringLiteral("YQ.csv")}};

    // Without a draft nothing is made.
    EXPECT_EQ(withHandOverNames(item).attachments, item.attachments);

    item.draftFile = vh + QStringLiteral("/report-mail-20240309-101530.eml");
    const MailItem handed = withHandOverNames(item);
    const QString folder = vh + QStringLiteral("/report-mail-20240309-101530");
    EXPECT_EQ(handOverFolder(item.draftFile), folder);
    ASSERT_EQ(handed.attachments.size(), 2);
    EXPECT_EQ(handed.attachments[0].path, folder + QStringLiteral("/Report.rtf"));
    EXPECT_EQ(handed.attachments[1], item.attachments[1]);  // named as the mail names it already
    QFile copy(handed.attachments[0].path);
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), QByteArray("{\\rtf1 the report}"));
    // The report document is replaced whole by the next export; the mail's
    // own name keeps this mail's document.
    ASSERT_TRUE(QFile::remove(vh + QStringLiteral("/Report.RTF")));
    EXPECT_TRUE(QFile::exists(handed.attachments[0].path));
}

TEST(XdgEmail, ArgumentsCarryCcBccAndEveryAttachmentThenTheAddressAsTheValueOfTo) {
    MailItem item;
    item.to = QStringLiteral("a@example.org");
    item.cc = QStringLiteral("c@example.org");
    item.bcc = QStringLiteral("b@example.org");
    item.subject = QStringLiteral("s");
    item.attachments = {{QStringLiteral("/w/YQ.csv"), {}}, {QString(), {}}, {QStringLiteral("/w/yq.ini"), {}}};
    EXPECT_EQ(
        xdgEmailArguments(item),
        (QStringList{QStringLiteral("--utf8"), QStringLiteral("--subject"), QStringLiteral("s"), QStringLiteral("--cc"),
                     QStringLiteral("c@example.org"), QStringLiteral("--bcc"), QStringLiteral("b@example.org"),
                     QStringLiteral("--attach"), QStringLiteral("/w/YQ.csv"), QStringLiteral("--attach"),
                     QStringLiteral("/w/yq.ini"), QStringLiteral("--to"), QStringLiteral("a@example.org")}));
}

// ---------------------------------------------------------------------------
// Through the real desktop: xdg-mime names a stand-in "thunderbird" whose
// desktop entry lies in a private data folder; the stand-in writes the
// arguments it was started with.

class ScopedEnv {
public:
    ScopedEnv(const char* name, const QByteArray& value) : name_(name), had_(qEnvironmentVariableIsSet(name)) {
        old_ = qgetenv(name);
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    ~ScopedEnv() {
        if (had_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

bool writeText(const QString& path, const QByteArray& text, bool executable = false) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size()) return false;
    file.close();
    if (executable) file.setPermissions(file.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser);
    return true;
}

TEST(DesktopMail, StandInThunderbirdRegisteredForMailtoIsStartedWithTheComposeArgument) {
    ProcessRunner probe;
    if (probe.findProgram(QStringLiteral("xdg-mime")).isEmpty())
        GTEST_FAIL() << "xdg-mime is missing (xdg-utils, installed by scripts/setup.sh)";

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString root = dir.path();
    const QString stand = root + QStringLiteral("/bin/thunderbird");
    const QString record = root + QStringLiteral("/args.txt");
    ASSERT_TRUE(writeText(stand,
                          "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"" + record.toLocal8Bit() + ".part\"\nmv \"" +
                              record.toLocal8Bit() + ".part\" \"" + record.toLocal8Bit() + "\"\n",
                          true));
    ASSERT_TRUE(writeText(root + QStringLiteral("/data/applications/thunderbird.desktop"),
                          "[Desktop Entry]\nType=Application\nName=Mail\nExec=" + stand.toLocal8Bit() + " %u\n"));
    ASSERT_TRUE(writeText(root + QStringLiteral("/config/mimeapps.list"),
                          "[Default Applications]\nx-scheme-handler/mailto=thunderbird.desktop\n"));
    ASSERT_TRUE(writeText(root + QStringLiteral("/Report.RTF"), "{\\rtf1}"));

    const ScopedEnv configHome("XDG_CONFIG_HOME", (root + QStringLiteral("/config")).toLocal8Bit());
    const ScopedEnv dataHome("XDG_DATA_HOME", (root + QStringLiteral("/data")).toLocal8Bit());
    const ScopedEnv dataDirs("XDG_DATA_DIRS", (root + QStringLiteral("/none")).toLocal8Bit());
    const ScopedEnv configDirs("XDG_CONFIG_DIRS", (root + QStringLiteral("/none")).toLocal8Bit());
    const ScopedEnv desktop("XDG_CURRENT_DESKTOP", QByteArray());
    const ScopedEnv session("DESKTOP_SESSION", QByteArray());

    ProcessRunner runner;
    ProcessLauncher launcher;
    XdgDesktopHandlers handlers(runner);
    DesktopMailClient client(handlers, launcher);

    MailItem item;
    item.to = QStringLiteral("design-feedback@yq-antenna.example");
    item.subject = QStringLiteral("Corvan, my YQ results are attached");
    item.attachments = {{root + QStringLiteral("/Report.RTF"), QStringLiteral("Report.rtf")}};
    const ComposeResult result = client.compose(item, {});
    ASSERT_TRUE(result.ok()) << detailOf(result).toStdString();
    EXPECT_EQ(programOf(result), MailProgram::Thunderbird);

    QDeadlineTimer deadline(10000);
    while (!QFile::exists(record) && !deadline.hasExpired()) QThread::msleep(20);
    QFile file(record);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "the stand-in was not started";
    EXPECT_EQ(QString::fromLocal8Bit(file.readAll()),
              QStringLiteral("-compose\nto='design-feedback@yq-antenna.example',"
                             "subject='Corvan, my YQ results are attached',attachment='") +
                  QUrl::fromLocalFile(root + QStringLiteral("/Report.RTF")).toString(QUrl::FullyEncoded) +
                  QStringLiteral("'\n"));
}

TEST(DesktopMail, StandInXdgEmailIsHandedTheAttachmentsUnderTheMailsNamesAndTheAddressAfterTo) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString root = dir.path();
    const QString record = root + QStringLiteral("/args.txt");
    ASSERT_TRUE(writeText(root + QStringLiteral("/bin/xdg-email"),
                          "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"" + record.toLocal8Bit() +
                              ".part\"\nfor a in \"$@\"; do [ -f \"$a\" ] && cat \"$a\" >> \"" + record.toLocal8Bit() +
                              ".part\"; done\nmv \"" + record.toLocal8Bit() + ".part\" \"" + record.toLocal8Bit() +
                              "\"\n",
                          true));
    ASSERT_TRUE(writeText(root + QStringLiteral("/VH/Report.RTF"), "{\\rtf1 report}\n"));
    const ScopedEnv path("PATH", (root + QStringLiteral("/bin:")).toLocal8Bit() + qgetenv("PATH"));

    FakeDesktopHandlers handlers;
    handlers.set(kMailto, QStringLiteral("geary %U"), QStringLiteral("org.gnome.Geary.desktop"));
    ProcessLauncher launcher;
    DesktopMailClient client(handlers, launcher);
    MailItem item;
    item.to = QStringLiteral("design-feedback@yq-antenna.example");
    item.subject = QStringLiteral("Corvan, my YQ results are attached");
    item.attachments = {{root + QStringLiteral("/VH/Report.RTF"), QStringLiteral("Report.rtf")}};
    item.draftFile = root + QStringLiteral("/VH/report-mail-20240309-101530.eml");
    const ComposeResult result = client.compose(item, {});
    ASSERT_TRUE(result.ok()) << detailOf(result).toStdString();
    EXPECT_EQ(programOf(result), MailProgram::XdgEmail);

    QDeadlineTimer deadline(10000);
    while (!QFile::exists(record) && !deadline.hasExpired()) QThread::msleep(20);
    QFile file(record);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "the stand-in was not started";
    EXPECT_EQ(QString::fromLocal8Bit(file.readAll()),
              QStringLiteral("--utf8\n--subject\nCorvan, my YQ results are attached\n--attach\n") + root +
                  QStringLiteral("/VH/report-mail-20240309-101530/Report.rtf\n--to\n"
                                 "design-feedback@yq-antenna.example\n{\\rtf1 report}\n"));
}

}  // namespace

namespace {

// Stand-ins for Evolution, KMail and Claws Mail on PATH, each writing the
// arguments it was started with, one a line; the real launcher starts them
// as their desktop entries say. The attachments reach them under the
// mail's names, beside the draft.
TEST(DesktopMail, StandInMailProgramsAreStartedWithTheirComposeCommandLines) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString root = dir.path();
    const QString record = root + QStringLiteral("/args.txt");
    for (const char* name : {"evolution", "kmail", "claws-mail"}) {
        ASSERT_TRUE(writeText(root + QStringLiteral("/bin/") + QLatin1String(name),
                              "#!/bin/sh\nprintf '%s\\n' \"$0\" \"$@\" > \"" + record.toLocal8Bit() + ".part\"\nmv \"" +
                                  record.toLocal8Bit() + ".part\" \"" + record.toLocal8Bit() + "\"\n",
                              true));
    }
    ASSERT_TRUE(writeText(root + QStringLiteral("/VH/Report.RTF"), "{\\rtf1 report}\n"));
    ASSERT_TRUE(writeText(root + QStringLiteral("/YQ.csv"), "F\n"));
    const ScopedEnv path("PATH", (root + QStringLiteral("/bin:")).toLocal8Bit() + qgetenv("PATH"));

    MailItem item;
    item.to = QStringLiteral("design-feedback@yq-antenna.example");
    item.subject = QStringLiteral("Corvan, my YQ results are attached");
    item.attachments = {{root + QStringLiteral("/VH/Report.RTF"), QStringLiteral("Report.rtf")},
                        {root + QStringLiteral("/YQ.csv"), QStringLiteral("YQ.csv")}};
    item.draftFile = root + QStringLiteral("/VH/report-mail-20240309-101530.eml");
    const QString rtf = root + QStringLiteral("/VH/report-mail-20240309-101530/Report.rtf");
    const QString csv = root + QStringLiteral("/YQ.csv");
    const QString enc = QString::fromLatin1(QUrl::toPercentEncoding(root, "/"));
    const QString mailto = QStringLiteral(
        "mailto:design-feedback@yq-antenna.example?subject=Corvan%2C%20my%20YQ%20results%20are%20attached");

    const struct {
        const char* exec;
        MailProgram program;
        QStringList lines;  // $0, then the arguments
    } cases[] = {
        {"evolution %U",
         MailProgram::Evolution,
         {root + QStringLiteral("/bin/evolution"), mailto + QStringLiteral("&attach=") + enc +
                                                       QStringLiteral("/VH/report-mail-20240309-101530/Report.rtf") +
                                                       QStringLiteral("&attach=") + enc + QStringLiteral("/YQ.csv")}},
        {"kmail %u",
         MailProgram::KMail,
         {root + QStringLiteral("/bin/kmail"), QStringLiteral("--composer"), QStringLiteral("-s"), item.subject,
          QStringLiteral("--attach"), rtf, QStringLiteral("--attach"), csv, item.to}},
        {"claws-mail %u",
         MailProgram::ClawsMail,
         {root + QStringLiteral("/bin/claws-mail"), QStringLiteral("--compose"), mailto, QStringLiteral("--attach"),
          rtf, csv}},
    };
    for (const auto& c : cases) {
        QFile::remove(record);
        FakeDesktopHandlers handlers;
        handlers.set(kMailto, QString::fromLatin1(c.exec), QStringLiteral("mail.desktop"));
        ProcessLauncher launcher;
        DesktopMailClient client(handlers, launcher);
        const ComposeResult result = client.compose(item, {});
        ASSERT_TRUE(result.ok()) << c.exec << ": " << detailOf(result).toStdString();
        EXPECT_EQ(programOf(result), c.program) << c.exec;

        QDeadlineTimer deadline(10000);
        while (!QFile::exists(record) && !deadline.hasExpired()) QThread::msleep(20);
        QFile file(record);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << c.exec << ": the stand-in was not started";
        EXPECT_EQ(QString::fromLocal8Bit(file.readAll()), c.lines.join(QLatin1Char('\n')) + QLatin1Char('\n'))
            << c.exec;
        EXPECT_TRUE(QFile::exists(rtf)) << c.exec;
    }
}

// Why no compose window opened, and what one lacks, reach the person
// through the translation system.
TEST(MailClientTexts, GoThroughTheTranslation) {
    const yq::test::AccentingTranslator accenting;
    FakeDesktopHandlers none;
    FakeLauncher launcher;
    QStringList texts{detailOf(DesktopMailClient(none, launcher).compose(reportMail(), {}))};
    FakeDesktopHandlers unavailable;
    unavailable.unavailable = true;
    const ComposeResult opened = DesktopMailClient(unavailable, launcher).compose(reportMail(), {});
    ASSERT_TRUE(opened.ok());
    texts << opened->shortfall;
    FakeLauncher missing;
    missing.nextCode = launch::FileNotFound;
    texts << detailOf(DesktopMailClient(unavailable, missing).compose(reportMail(), {}));
    for (const QString& text : texts) {
        ASSERT_FALSE(text.isEmpty());
        EXPECT_EQ(yq::test::untranslatedWords(text).join(u' ').toStdString(), "") << text.toStdString();
    }
}

}  // namespace
