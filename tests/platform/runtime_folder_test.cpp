// The runtime folder the programs give themselves when the session has
// none, and that Qt then uses without a warning.
#include "platform/RuntimeFolder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using yq::platform::ensureRuntimeFolder;
using yq::platform::isPrivateRuntimeFolder;

class Env {
public:
    Env(const char* name, const QByteArray& value)
        : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    ~Env() {
        if (had_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }
    Env(const Env&) = delete;
    Env& operator=(const Env&) = delete;

private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

mode_t modeOf(const QString& path) {
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? (info.st_mode & 07777) : 0;
}

TEST(RuntimeFolder, UnsetOrEmptyGetsAPrivateFolderInTheTemporaryFolderOtherwiseLeftAlone) {
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const Env tmpdir("TMPDIR", tmp.path().toLocal8Bit());

    for (const QByteArray& start : {QByteArray(), QByteArray("")}) {
        const Env runtime("XDG_RUNTIME_DIR", start);
        const QString folder = ensureRuntimeFolder();
        EXPECT_TRUE(folder.startsWith(tmp.path() + QStringLiteral("/runtime-")));
        EXPECT_EQ(qgetenv("XDG_RUNTIME_DIR"), folder.toLocal8Bit());
        EXPECT_TRUE(isPrivateRuntimeFolder(folder));
        EXPECT_EQ(modeOf(folder), 0700u);
        // The second run takes the same folder.
        qunsetenv("XDG_RUNTIME_DIR");
        EXPECT_EQ(ensureRuntimeFolder(), folder);
        ASSERT_TRUE(QDir(folder).removeRecursively());
    }

    // A folder of ours left too open (an old umask) is closed and used.
    {
        const Env runtime("XDG_RUNTIME_DIR", QByteArray());
        const QString made = ensureRuntimeFolder();
        ASSERT_FALSE(made.isEmpty());
        ASSERT_EQ(::chmod(QFile::encodeName(made).constData(), 0755), 0);
        qunsetenv("XDG_RUNTIME_DIR");
        EXPECT_EQ(ensureRuntimeFolder(), made);
        EXPECT_EQ(modeOf(made), 0700u);
        ASSERT_TRUE(QDir(made).removeRecursively());

        // A link in its place is never followed: a new private folder instead.
        QDir().mkpath(tmp.filePath(QStringLiteral("elsewhere")));
        ASSERT_TRUE(QFile::link(tmp.filePath(QStringLiteral("elsewhere")), made));
        qunsetenv("XDG_RUNTIME_DIR");
        const QString other = ensureRuntimeFolder();
        EXPECT_NE(other, made);
        EXPECT_TRUE(other.startsWith(tmp.path() + QStringLiteral("/yq-runtime-")));
        EXPECT_TRUE(isPrivateRuntimeFolder(other));
        EXPECT_FALSE(isPrivateRuntimeFolder(made));
    }

    // A value the session set stays, whatever it is.
    const Env runtime("XDG_RUNTIME_DIR", "/run/user/1000");
    EXPECT_EQ(ensureRuntimeFolder(), QStringLiteral("/run/user/1000"));
    EXPECT_EQ(qgetenv("XDG_RUNTIME_DIR"), QByteArray("/run/user/1000"));
}

}  // namespace
