// The mail program layer: which program opens the compose window and with
// which arguments; and one run through the real desktop look-up and
// launcher with a stand-in mail program.
#include "platform/MailClient.h"
#include "support/FakeLauncher.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>
#include <QUrl>

namespace {

using namespace yq::platform;
using yq::report::MailAttachment;
using yq::report::MailImportance;
using yq::report::MailItem;
using yq::test::FakeDesktopHandlers;
using yq::test::FakeLauncher;

const QString kMailto = QStringLiteral("x-scheme-handler/mailto");

MailItem reportMail()
{
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

TEST_F(Client, ThunderbirdAsMailtoHandlerGetsAComposeWindowWithBodyFileAndAttachments)
{
    handlers.set(kMailto, QStringLiteral("thunderbird %u"), QStringLiteral("thunderbird.desktop"));
    const ComposeResult result = client.compose(reportMail(), QStringLiteral("/home/ham/yq/VH/vh37.html"));
    EXPECT_TRUE(result.opened);
    EXPECT_EQ(result.program, MailProgram::Thunderbird);
    ASSERT_EQ(launcher.calls.size(), 1u);
    EXPECT_EQ(launcher.calls[0].program, QStringLiteral("thunderbird"));
    EXPECT_EQ(launcher.calls[0].args,
              (QStringList{QStringLiteral("-compose"),
                           QStringLiteral("to='design-feedback@yq-antenna.example',"
                                          "subject='Corvan, my YQ results are attached',"
                                          "format='html',message='/home/ham/yq/VH/vh37.html',"
                                          "attachment='file:///home/ham/yq/VH/Report.RTF,file:///home/ham/yq/YQ.csv'")}));
}

TEST_F(Client, ThunderbirdIsRecognisedByDesktopIdOrProgram)
{
    const struct {
        const char* id;
        const char* exec;
        const char* program;
        bool thunderbird;
    } cases[] = {
        {"thunderbird.desktop", "thunderbird %u", "thunderbird", true},
        {"mail.desktop", "/usr/lib/thunderbird/thunderbird %u", "/usr/lib/thunderbird/thunderbird", true},
        {"org.mozilla.Thunderbird.desktop",
         "/usr/bin/flatpak run --branch=stable --command=thunderbird org.mozilla.Thunderbird %u",
         "/usr/bin/flatpak", true},
        {"icedove.desktop", "icedove %u", "icedove", true},
        {"org.gnome.Evolution.desktop", "evolution %U", "xdg-email", false},
        {"kmail.desktop", "kmail --composer %u", "xdg-email", false},
    };
    for (const auto& c : cases) {
        FakeDesktopHandlers h;
        FakeLauncher l;
        h.set(kMailto, QString::fromLatin1(c.exec), QString::fromLatin1(c.id));
        DesktopMailClient mail(h, l);
        const ComposeResult result = mail.compose(reportMail(), {});
        ASSERT_EQ(l.calls.size(), 1u) << c.id;
        EXPECT_EQ(l.calls[0].program, QLatin1String(c.program)) << c.id;
        EXPECT_EQ(result.program, c.thunderbird ? MailProgram::Thunderbird : MailProgram::XdgEmail) << c.id;
        if (c.thunderbird) {
            EXPECT_EQ(l.calls[0].args.at(l.calls[0].args.size() - 2), QStringLiteral("-compose")) << c.id;
            // The handler's field code is not passed on.
            EXPECT_FALSE(l.calls[0].args.contains(QStringLiteral("%u"))) << c.id;
        }
    }
}

TEST_F(Client, OtherMailProgramGetsTheMailThroughXdgEmail)
{
    handlers.set(kMailto, QStringLiteral("evolution %U"), QStringLiteral("org.gnome.Evolution.desktop"));
    const ComposeResult result = client.compose(reportMail(), QStringLiteral("/home/ham/yq/VH/vh37.html"));
    EXPECT_TRUE(result.opened);
    EXPECT_EQ(result.program, MailProgram::XdgEmail);
    ASSERT_EQ(launcher.calls.size(), 1u);
    EXPECT_EQ(launcher.calls[0].program, QStringLiteral("xdg-email"));
    EXPECT_EQ(launcher.calls[0].args,
              (QStringList{QStringLiteral("--utf8"), QStringLiteral("--subject"),
                           QStringLiteral("Corvan, my YQ results are attached"), QStringLiteral("--attach"),
                           QStringLiteral("/home/ham/yq/VH/Report.RTF"), QStringLiteral("--attach"),
                           QStringLiteral("/home/ham/yq/YQ.csv"), QStringLiteral("--to"),
                           QStringLiteral("design-feedback@yq-antenna.example")}));
}

TEST_F(Client, NoRegisteredMailProgramOpensNothing)
{
    const ComposeResult result = client.compose(reportMail(), {});
    EXPECT_FALSE(result.opened);
    EXPECT_EQ(result.program, MailProgram::None);
    EXPECT_FALSE(result.detail.isEmpty());
    EXPECT_TRUE(launcher.calls.empty());
    EXPECT_EQ(handlers.queries, QStringList{kMailto});
}

TEST_F(Client, RegisteredMailProgramWhoseEntryIsMissingOpensNothing)
{
    handlers.setBroken(kMailto, QStringLiteral("gone.desktop"));
    const ComposeResult result = client.compose(reportMail(), {});
    EXPECT_FALSE(result.opened);
    EXPECT_TRUE(result.detail.contains(QStringLiteral("gone.desktop")));
    EXPECT_TRUE(launcher.calls.empty());
}

TEST_F(Client, DesktopThatCannotBeAskedLeavesItToXdgEmail)
{
    handlers.unavailable = true;
    const ComposeResult result = client.compose(reportMail(), {});
    EXPECT_TRUE(result.opened);
    ASSERT_EQ(launcher.calls.size(), 1u);
    EXPECT_EQ(launcher.calls[0].program, QStringLiteral("xdg-email"));
}

TEST_F(Client, ThunderbirdThatDoesNotStartFallsBackToXdgEmail)
{
    handlers.set(kMailto, QStringLiteral("thunderbird %u"), QStringLiteral("thunderbird.desktop"));
    launcher.codeFor.insert(QStringLiteral("thunderbird"), launch::FileNotFound);
    const ComposeResult result = client.compose(reportMail(), {});
    EXPECT_TRUE(result.opened);
    EXPECT_EQ(result.program, MailProgram::XdgEmail);
    ASSERT_EQ(launcher.calls.size(), 2u);
    EXPECT_EQ(launcher.calls[1].program, QStringLiteral("xdg-email"));
}

TEST_F(Client, NothingStartsWhenXdgEmailIsMissingToo)
{
    handlers.set(kMailto, QStringLiteral("evolution %U"), QStringLiteral("evolution.desktop"));
    launcher.codeFor.insert(QStringLiteral("xdg-email"), launch::FileNotFound);
    const ComposeResult result = client.compose(reportMail(), {});
    EXPECT_FALSE(result.opened);
    EXPECT_EQ(result.program, MailProgram::None);
    EXPECT_TRUE(result.detail.contains(QStringLiteral("xdg-email")));
}

TEST(ThunderbirdCompose, BlankFieldsAreLeftOutAndCcBccWrittenWhenGiven)
{
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

TEST(ThunderbirdCompose, BlankAttachmentsAreLeftOut)
{
    MailItem item;
    item.attachments = {{QString(), QString()}, {QStringLiteral("/w/yq.ini"), QStringLiteral("yq.ini")},
                        {QStringLiteral("  "), QString()}};
    EXPECT_EQ(thunderbirdComposeArgument(item, {}), QStringLiteral("attachment='file:///w/yq.ini'"));
}

TEST(ThunderbirdCompose, CommasAndQuotesInFileNamesCannotSplitTheList)
{
    MailItem item;
    item.attachments = {{QStringLiteral("/w/a,b.csv"), {}}, {QStringLiteral("/w/it's here/x y.ini"), {}}};
    EXPECT_EQ(thunderbirdComposeArgument(item, {}),
              QStringLiteral("attachment='file:///w/a%2Cb.csv,file:///w/it%27s%20here/x%20y.ini'"));
}

TEST(ThunderbirdCompose, QuoteFollowedByCommaInAValueSwitchesTheQuotes)
{
    MailItem item;
    item.subject = QStringLiteral("the 'YQ', my design");
    EXPECT_EQ(thunderbirdComposeArgument(item, {}), QStringLiteral("subject=\"the 'YQ', my design\""));
}

TEST(XdgEmail, ArgumentsCarryCcBccAndEveryAttachmentThenTheAddressAsTheValueOfTo)
{
    MailItem item;
    item.to = QStringLiteral("a@example.org");
    item.cc = QStringLiteral("c@example.org");
    item.bcc = QStringLiteral("b@example.org");
    item.subject = QStringLiteral("s");
    item.attachments = {{QStringLiteral("/w/YQ.csv"), {}}, {QString(), {}}, {QStringLiteral("/w/yq.ini"), {}}};
    EXPECT_EQ(xdgEmailArguments(item),
              (QStringList{QStringLiteral("--utf8"), QStringLiteral("--subject"), QStringLiteral("s"),
                           QStringLiteral("--cc"), QStringLiteral("c@example.org"), QStringLiteral("--bcc"),
                           QStringLiteral("b@example.org"), QStringLiteral("--attach"), QStringLiteral("/w/YQ.csv"),
                           QStringLiteral("--attach"), QStringLiteral("/w/yq.ini"), QStringLiteral("--to"),
                           QStringLiteral("a@example.org")}));
}

// ---------------------------------------------------------------------------
// Through the real desktop: xdg-mime names a stand-in "thunderbird" whose
// desktop entry lies in a private data folder; the stand-in writes the
// arguments it was started with.

class ScopedEnv {
public:
    ScopedEnv(const char* name, const QByteArray& value) : name_(name), had_(qEnvironmentVariableIsSet(name))
    {
        old_ = qgetenv(name);
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    ~ScopedEnv()
    {
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

bool writeText(const QString& path, const QByteArray& text, bool executable = false)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        return false;
    file.close();
    if (executable)
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser);
    return true;
}

TEST(DesktopMail, StandInThunderbirdRegisteredForMailtoIsStartedWithTheComposeArgument)
{
    ProcessRunner probe;
    if (probe.findProgram(QStringLiteral("xdg-mime")).isEmpty())
        GTEST_FAIL() << "xdg-mime is missing (xdg-utils, installed by scripts/setup.sh)";

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString root = dir.path();
    const QString stand = root + QStringLiteral("/bin/thunderbird");
    const QString record = root + QStringLiteral("/args.txt");
    ASSERT_TRUE(writeText(stand, "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"" + record.toLocal8Bit() + ".part\"\nmv \"" +
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
    ASSERT_TRUE(result.opened) << result.detail.toStdString();
    EXPECT_EQ(result.program, MailProgram::Thunderbird);

    QDeadlineTimer deadline(10000);
    while (!QFile::exists(record) && !deadline.hasExpired())
        QThread::msleep(20);
    QFile file(record);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "the stand-in was not started";
    EXPECT_EQ(QString::fromLocal8Bit(file.readAll()),
              QStringLiteral("-compose\nto='design-feedback@yq-antenna.example',"
                             "subject='Corvan, my YQ results are attached',attachment='") +
                  QUrl::fromLocalFile(root + QStringLiteral("/Report.RTF")).toString(QUrl::FullyEncoded) +
                  QStringLiteral("'\n"));
}

}  // namespace
