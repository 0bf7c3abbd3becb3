#include "platform/ShellOpener.h"

#include "support/FakeLauncher.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

namespace yq::platform {
namespace {

void writeText(const QString& path, const QString& text) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text.toUtf8());
}

// Sets environment variables for one test and puts the old values back.
class EnvironmentGuard {
public:
    void set(const char* name, const QString& value) {
        remember(name);
        qputenv(name, value.toLocal8Bit());
    }
    void unset(const char* name) {
        remember(name);
        qunsetenv(name);
    }
    ~EnvironmentGuard() {
        for (const auto& [name, old] : saved_) {
            if (old)
                qputenv(name.c_str(), *old);
            else
                qunsetenv(name.c_str());
        }
    }

private:
    void remember(const char* name) {
        if (saved_.count(name)) return;
        saved_[name] = qEnvironmentVariableIsSet(name) ? std::optional<QByteArray>(qgetenv(name)) : std::nullopt;
    }
    std::map<std::string, std::optional<QByteArray>> saved_;
};

QStringList texts(const std::vector<ExecWord>& words) {
    QStringList out;
    for (const ExecWord& w : words) out << w.text;
    return out;
}

// ---------------------------------------------------------------------------
// Exec lines

TEST(SplitExecLine, QuotingAndEscapes) {
    struct Case {
        const char* exec;  // as written in the .desktop file
        QStringList words;
    } cases[] = {
        {"firefox %u", {"firefox", "%u"}},
        {"\"/opt/My Browser/browse\" --new-window %U", {"/opt/My Browser/browse", "--new-window", "%U"}},
        {"sh -c \"echo \\\"hi\\\" \\$HOME \\`x\\`\"", {"sh", "-c", "echo \"hi\" $HOME `x`"}},
        // a literal backslash inside quotes takes four in the file: string escape, then quoting
        {"prog \"a\\\\\\\\b\"", {"prog", "a\\b"}},
        // \s is a string escape: the space it gives separates words
        {"prog arg\\sone", {"prog", "arg", "one"}},
        {"prog   a\tb  ", {"prog", "a", "b"}},
        {"prog \"\" x", {"prog", "", "x"}},
        {"sh -c 'echo %u'", {"sh", "-c", "echo %u"}},
        {"prog a\"b c\"d", {"prog", "ab cd"}},
        {"", {}},
    };
    for (const Case& c : cases) {
        const auto words = splitExecLine(QString::fromUtf8(c.exec));
        ASSERT_TRUE(words.has_value()) << c.exec;
        EXPECT_EQ(texts(*words), c.words) << c.exec;
    }
    EXPECT_FALSE(splitExecLine(QStringLiteral("prog \"unterminated")).has_value());
    EXPECT_FALSE(splitExecLine(QStringLiteral("prog 'unterminated")).has_value());
}

TEST(ExpandExec, FieldCodes) {
    DesktopEntry entry;
    entry.name = QStringLiteral("Browse");
    entry.icon = QStringLiteral("browse-icon");
    entry.path = QStringLiteral("/apps/browse.desktop");

    const QString web = QStringLiteral("http://example.org/a?b=1&c=2");
    struct Case {
        const char* exec;
        QStringList targets;
        QStringList command;  // program first
    } cases[] = {
        {"browse %u", {web}, {"browse", web}},
        {"browse %U", {web, "https://example.com"}, {"browse", web, "https://example.com"}},
        {"sheets %f", {"/tmp/YQ.csv"}, {"sheets", "/tmp/YQ.csv"}},
        {"sheets %u", {"/tmp/Y Q.csv"}, {"sheets", "file:///tmp/Y%20Q.csv"}},
        {"sheets %F", {"file:///tmp/a%20b.csv"}, {"sheets", "/tmp/a b.csv"}},
        {"sheets --calc %U", {"/tmp/YQ.csv"}, {"sheets", "--calc", "file:///tmp/YQ.csv"}},
        // no file or URL code: the target is appended
        {"browse --private", {web}, {"browse", "--private", web}},
        {"sheets", {"/tmp/YQ.csv"}, {"sheets", "/tmp/YQ.csv"}},
        {"browse %i %c %k", {}, {"browse", "--icon", "browse-icon", "Browse", "/apps/browse.desktop"}},
        {"browse --name=%c --url=%u", {web}, {"browse", "--name=Browse", "--url=" + web}},
        {"browse %%u 100%%", {web}, {"browse", "%u", "100%", web}},
        {"browse %d %D %n %N %v %m %u", {web}, {"browse", web}},
        // a code with nothing to give is dropped
        {"browse %u", {}, {"browse"}},
        {"\"/opt/My Browser/browse\" %u", {web}, {"/opt/My Browser/browse", web}},
        {"env MOZ_X=1 firefox %u", {web}, {"env", "MOZ_X=1", "firefox", web}},
        // inside quotes %U stands for one address
        {"prog \"%U\"", {web, "https://example.com"}, {"prog", web}},
        // no shell: shell characters are plain text
        {"prog %u",
         {"mailto:a@example.org?subject=$(rm -rf ~);x"},
         {"prog", "mailto:a@example.org?subject=$(rm -rf ~);x"}},
    };
    for (const Case& c : cases) {
        entry.exec = QString::fromUtf8(c.exec);
        const auto command = expandExec(entry, c.targets);
        ASSERT_TRUE(command.has_value()) << c.exec;
        EXPECT_EQ(QStringList{command->program} + command->arguments, c.command) << c.exec;
    }

    entry.icon.clear();
    entry.exec = QStringLiteral("browse %i %u");
    EXPECT_EQ(expandExec(entry, {web})->arguments, QStringList{web});

    for (const char* bad : {"browse %x", "browse 50%", "", "\"\" %u", "browse \"%u"}) {
        entry.exec = QString::fromUtf8(bad);
        EXPECT_FALSE(expandExec(entry, {web}).has_value()) << bad;
    }
}

// ---------------------------------------------------------------------------
// Desktop files

class DesktopFilesTest : public ::testing::Test {
protected:
    QTemporaryDir root;
    QString path(const QString& relative) const { return root.filePath(relative); }
};

TEST_F(DesktopFilesTest, ReadsTheDesktopEntryGroupOnly) {
    writeText(path("browse.desktop"), QStringLiteral("# comment\n"
                                                     "[Desktop Entry]\n"
                                                     "Type=Application\n"
                                                     "Name=Browse\n"
                                                     "Name[de]=Bl\u00e4ttern\n"
                                                     "Exec = browse %u\n"
                                                     "Icon=browse\n"
                                                     "\n"
                                                     "[Desktop Action new-window]\n"
                                                     "Name=New Window\n"
                                                     "Exec=browse --new-window %u\n"));
    const auto entry = readDesktopFile(path("browse.desktop"));
    ASSERT_TRUE(entry.has_value());
    EXPECT_EQ(entry->id, QStringLiteral("browse.desktop"));
    EXPECT_EQ(entry->name, QStringLiteral("Browse"));
    EXPECT_EQ(entry->exec, QStringLiteral("browse %u"));
    EXPECT_EQ(entry->icon, QStringLiteral("browse"));
    EXPECT_FALSE(entry->terminal);

    writeText(path("mutt.desktop"), "[Desktop Entry]\nType=Application\nName=Mutt\nExec=mutt %u\nTerminal=true\n");
    EXPECT_TRUE(readDesktopFile(path("mutt.desktop"))->terminal);
}

TEST_F(DesktopFilesTest, UnusableEntriesAreRefused) {
    const std::pair<const char*, const char*> files[] = {
        {"hidden.desktop", "[Desktop Entry]\nType=Application\nExec=prog %u\nHidden=true\n"},
        {"link.desktop", "[Desktop Entry]\nType=Link\nURL=http://example.org\nExec=prog\n"},
        {"noexec.desktop", "[Desktop Entry]\nType=Application\nName=Nothing\n"},
        {"othergroup.desktop", "[Desktop Action x]\nExec=prog %u\n"},
    };
    for (const auto& [name, text] : files) {
        writeText(path(name), QString::fromUtf8(text));
        EXPECT_FALSE(readDesktopFile(path(name)).has_value()) << name;
    }
    EXPECT_FALSE(readDesktopFile(path("missing.desktop")).has_value());
}

TEST_F(DesktopFilesTest, IdFoundInFirstFolderAndInSubfolders) {
    const QString high = path("high/applications");
    const QString low = path("low/applications");
    writeText(high + "/vendor/browse.desktop", "[Desktop Entry]\nExec=high %u\n");
    writeText(low + "/vendor-browse.desktop", "[Desktop Entry]\nExec=low %u\n");
    writeText(low + "/only-low.desktop", "[Desktop Entry]\nExec=low %u\n");
    writeText(low + "/a-b/c-d.desktop", "[Desktop Entry]\nExec=deep %u\n");

    EXPECT_EQ(findDesktopFile("vendor-browse.desktop", {high, low}), high + "/vendor/browse.desktop");
    EXPECT_EQ(findDesktopFile("vendor-browse.desktop", {low, high}), low + "/vendor-browse.desktop");
    EXPECT_EQ(findDesktopFile("only-low.desktop", {high, low}), low + "/only-low.desktop");
    EXPECT_EQ(findDesktopFile("a-b-c-d.desktop", {high, low}), low + "/a-b/c-d.desktop");
    EXPECT_TRUE(findDesktopFile("none.desktop", {high, low}).isEmpty());
    // IDs are plain file names
    writeText(path("outside.desktop"), "[Desktop Entry]\nExec=x\n");
    EXPECT_TRUE(findDesktopFile("../../outside.desktop", {high, low}).isEmpty());
    EXPECT_TRUE(findDesktopFile("vendor/browse.desktop", {high}).isEmpty());
    EXPECT_TRUE(findDesktopFile("only-low", {low}).isEmpty());
}

TEST(ApplicationDirs, FromEnvironmentOrDefaults) {
    EnvironmentGuard env;
    env.set("XDG_DATA_HOME", "/home/u/data");
    env.set("XDG_DATA_DIRS", "/opt/share:/usr/share/::/opt/share");
    EXPECT_EQ(applicationDirs(),
              (QStringList{"/home/u/data/applications", "/opt/share/applications", "/usr/share/applications"}));
    env.unset("XDG_DATA_HOME");
    env.unset("XDG_DATA_DIRS");
    EXPECT_EQ(applicationDirs(), (QStringList{QDir::homePath() + "/.local/share/applications",
                                              "/usr/local/share/applications", "/usr/share/applications"}));
}

// ---------------------------------------------------------------------------
// Handler look-up

class XdgHandlersTest : public ::testing::Test {
protected:
    XdgHandlersTest() {
        apps = root.filePath("data/applications");
        writeText(apps + "/org.example.Browse.desktop",
                  "[Desktop Entry]\nType=Application\nName=Browse\nExec=\"/opt/b/browse\" %u\n");
    }
    HandlerLookup query(const QString& type) {
        XdgDesktopHandlers handlers(runner, {apps});
        return handlers.defaultHandler(type);
    }

    QTemporaryDir root;
    QString apps;
    test::FakeCommandRunner runner;
};

TEST_F(XdgHandlersTest, NamedDesktopFileIsRead) {
    runner.answer("xdg-mime query default x-scheme-handler/http", "org.example.Browse.desktop\n");
    const HandlerLookup lookup = query("x-scheme-handler/http");
    ASSERT_EQ(lookup.status, HandlerLookup::Status::Found);
    EXPECT_EQ(lookup.entry.exec, QStringLiteral("\"/opt/b/browse\" %u"));
    EXPECT_EQ(lookup.entry.path, apps + "/org.example.Browse.desktop");
    EXPECT_EQ(runner.commands, QStringList{"xdg-mime query default x-scheme-handler/http"});
}

TEST_F(XdgHandlersTest, FirstOfSeveralIdsIsTheDefault) {
    runner.answer("xdg-mime query default x-scheme-handler/https", "org.example.Browse.desktop;other.desktop;\n");
    EXPECT_EQ(query("x-scheme-handler/https").status, HandlerLookup::Status::Found);
}

TEST_F(XdgHandlersTest, MissingEmptyOrUnreachableAnswers) {
    runner.answer("xdg-mime query default text/csv", "");
    EXPECT_EQ(query("text/csv").status, HandlerLookup::Status::NoHandler);

    runner.answer("xdg-mime query default x-scheme-handler/mailto", "removed-mailer.desktop\n");
    const HandlerLookup broken = query("x-scheme-handler/mailto");
    EXPECT_EQ(broken.status, HandlerLookup::Status::Broken);
    EXPECT_EQ(broken.id, QStringLiteral("removed-mailer.desktop"));

    runner.answer("xdg-mime query default application/pdf", "../../../etc/evil.desktop\n");
    EXPECT_EQ(query("application/pdf").status, HandlerLookup::Status::Broken);

    // the runner has no answer: xdg-mime cannot be run
    EXPECT_EQ(query("text/plain").status, HandlerLookup::Status::Unavailable);
}

TEST(XdgHandlersReal, DefaultsFromTemporaryDesktopConfiguration) {
    ProcessRunner runner;
    if (runner.findProgram("xdg-mime").isEmpty()) GTEST_SKIP() << "xdg-mime is not installed";
    QTemporaryDir root;
    const QString data = root.filePath("data");
    writeText(root.filePath("config/mimeapps.list"),
              "[Default Applications]\nx-scheme-handler/http=yqtest-browse.desktop\n");
    // xdg-mime only names handlers whose program exists
    writeText(data + "/applications/yqtest/browse.desktop",
              "[Desktop Entry]\nType=Application\nName=Test Browser\nExec=/bin/echo --browse %u\n");

    EnvironmentGuard env;
    env.set("XDG_CONFIG_HOME", root.filePath("config"));
    env.set("XDG_CONFIG_DIRS", root.filePath("none"));
    env.set("XDG_DATA_HOME", data);
    env.set("XDG_DATA_DIRS", root.filePath("none"));
    env.unset("XDG_CURRENT_DESKTOP");
    env.unset("DESKTOP_SESSION");
    env.unset("KDE_FULL_SESSION");
    env.unset("GNOME_DESKTOP_SESSION_ID");

    XdgDesktopHandlers handlers(runner);
    const HandlerLookup http = handlers.defaultHandler("x-scheme-handler/http");
    ASSERT_EQ(http.status, HandlerLookup::Status::Found) << http.detail.toStdString();
    EXPECT_EQ(http.entry.id, QStringLiteral("yqtest-browse.desktop"));
    EXPECT_EQ(http.entry.path, data + "/applications/yqtest/browse.desktop");
    EXPECT_EQ(handlers.defaultHandler("x-scheme-handler/yqtest-nothing").status, HandlerLookup::Status::NoHandler);

    // Through the opener, with a fake launcher: nothing is started for real.
    test::FakeLauncher launcher;
    ShellOpener opener(handlers, launcher, runner);
    EXPECT_TRUE(opener.open("http://forum.example.org/").ok());
    ASSERT_EQ(launcher.calls.size(), 1u);
    EXPECT_EQ(launcher.calls[0].program, QStringLiteral("/bin/echo"));
    EXPECT_EQ(launcher.calls[0].args, (QStringList{"--browse", "http://forum.example.org/"}));
}

// ---------------------------------------------------------------------------
// Opening

TEST(SchemeHandlerType, SchemesWwwAndFiles) {
    const std::pair<const char*, const char*> table[] = {
        {"http://example.org", "x-scheme-handler/http"},
        {"HTTPS://example.org", "x-scheme-handler/https"},
        {"mailto:joe@example.org", "x-scheme-handler/mailto"},
        {"MAILTO:joe@example.org", "x-scheme-handler/mailto"},
        {"www.example.org", "x-scheme-handler/http"},
        {"news:comp.lang", "x-scheme-handler/news"},
        {"file:///tmp/YQ.csv", ""},
        {"/tmp/YQ.csv", ""},
        {"C:\\YQ\\YQ.csv", ""},
        {"YQ.csv", ""},
        {"joe@example.org", ""},
    };
    for (const auto& [target, type] : table)
        EXPECT_EQ(schemeHandlerType(QString::fromUtf8(target)), QString::fromUtf8(type)) << target;
}

class ShellOpenerTest : public ::testing::Test {
protected:
    test::FakeDesktop desktop;
    QTemporaryDir dir;
    const test::FakeLauncher::Call& call(size_t i = 0) { return desktop.launcher.calls.at(i); }
};

TEST_F(ShellOpenerTest, WebAddressesGoToTheBrowser) {
    desktop.handlers.set("x-scheme-handler/http", "browse --new-tab %u");
    EXPECT_TRUE(desktop.opener.open("https://example.org/a b").ok());
    EXPECT_EQ(desktop.handlers.queries, (QStringList{"x-scheme-handler/https", "x-scheme-handler/http"}));
    EXPECT_EQ(call().program, QStringLiteral("browse"));
    EXPECT_EQ(call().args, (QStringList{"--new-tab", "https://example.org/a b"}));

    EXPECT_TRUE(desktop.opener.open("www.example.org").ok());
    EXPECT_EQ(call(1).args, (QStringList{"--new-tab", "www.example.org"}));
}

TEST_F(ShellOpenerTest, MailAddressesGoToTheMailProgram) {
    desktop.handlers.set("x-scheme-handler/mailto", "mailer -compose %u");
    EXPECT_TRUE(desktop.opener.open("mailto:joe@example.org").ok());
    EXPECT_EQ(call().program, QStringLiteral("mailer"));
    EXPECT_EQ(call().args, (QStringList{"-compose", "mailto:joe@example.org"}));
}

TEST_F(ShellOpenerTest, FilesOpenWithTheHandlerOfTheirType) {
    const QString csv = dir.filePath("YQ.csv");
    writeText(csv, "F,CD\n");
    desktop.handlers.set("text/csv", "sheets %f");
    EXPECT_TRUE(desktop.opener.open(csv).ok());
    EXPECT_EQ(desktop.handlers.queries.front(), QStringLiteral("text/csv"));
    EXPECT_EQ(call().args, QStringList{csv});

    EXPECT_TRUE(desktop.opener.open("file://" + csv).ok());
    EXPECT_EQ(call(1).args, QStringList{csv});

    EXPECT_TRUE(desktop.opener.openAs(csv, "text/csv").ok());
    EXPECT_EQ(call(2).args, QStringList{csv});
}

TEST_F(ShellOpenerTest, FailuresMapToTheirCodes) {
    EXPECT_EQ(launch::codeOf(desktop.opener.open(dir.filePath("missing.csv")).started), launch::FileNotFound);
    EXPECT_EQ(launch::codeOf(desktop.opener.open(dir.filePath("nofolder/YQ.csv")).started), launch::PathNotFound);
    EXPECT_EQ(launch::codeOf(desktop.opener.openAs(dir.filePath("missing.csv"), "text/csv").started),
              launch::FileNotFound);
    EXPECT_EQ(launch::codeOf(desktop.opener.open("").started), launch::FileNotFound);
    // nothing registered
    EXPECT_EQ(launch::codeOf(desktop.opener.open("http://example.org").started), launch::NoAssociation);
    // registered, but the desktop file is gone
    desktop.handlers.setBroken("x-scheme-handler/mailto", "gone.desktop");
    EXPECT_EQ(launch::codeOf(desktop.opener.open("mailto:joe@example.org").started), launch::AssociationIncomplete);
    // registered with an Exec line that cannot be used
    desktop.handlers.set("x-scheme-handler/news", "reader %x");
    EXPECT_EQ(launch::codeOf(desktop.opener.open("news:comp.lang").started), launch::AssociationIncomplete);
    // registered, but its program does not start
    desktop.handlers.set("x-scheme-handler/http", "browse %u");
    desktop.launcher.codeFor.insert("browse", launch::AccessDenied);
    EXPECT_EQ(launch::codeOf(desktop.opener.open("http://example.org").started), launch::AccessDenied);
}

TEST_F(ShellOpenerTest, XdgOpenWhenTheDesktopCannotBeAsked) {
    desktop.handlers.unavailable = true;
    EXPECT_TRUE(desktop.opener.open("http://example.org").ok());
    EXPECT_EQ(call().program, QStringLiteral("xdg-open"));
    EXPECT_EQ(call().args, QStringList{"http://example.org"});

    desktop.launcher.codeFor.insert("xdg-open", launch::FileNotFound);
    EXPECT_EQ(launch::codeOf(desktop.opener.open("http://example.org").started), launch::NoAssociation);
}

TEST_F(ShellOpenerTest, TerminalProgramsRunInTheTerminalEmulator) {
    desktop.handlers.set("x-scheme-handler/mailto", "mutt %u", "mutt.desktop", true);
    desktop.runner.programs.insert("x-terminal-emulator", "/usr/bin/x-terminal-emulator");
    EXPECT_TRUE(desktop.opener.open("mailto:joe@example.org").ok());
    EXPECT_EQ(call().program, QStringLiteral("/usr/bin/x-terminal-emulator"));
    EXPECT_EQ(call().args, (QStringList{"-e", "mutt", "mailto:joe@example.org"}));

    desktop.runner.programs.clear();
    EXPECT_TRUE(desktop.opener.open("mailto:joe@example.org").ok());
    EXPECT_EQ(call(1).program, QStringLiteral("mutt"));
}

}  // namespace
}  // namespace yq::platform
