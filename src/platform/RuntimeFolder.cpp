#include "platform/RuntimeFolder.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace yq::platform {

namespace {

QString userName() {
    if (const passwd* entry = ::getpwuid(::geteuid()); entry && entry->pw_name && *entry->pw_name)
        return QString::fromLocal8Bit(entry->pw_name);
    return QString::number(::geteuid());
}

// The temporary folder as Qt finds it ($TMPDIR, else /tmp), without asking
// Qt's path service, which is what warns.
QString temporaryFolder() {
    const QByteArray tmp = qgetenv("TMPDIR");
    QString path = tmp.isEmpty() ? QStringLiteral("/tmp") : QString::fromLocal8Bit(tmp);
    while (path.size() > 1 && path.endsWith(QLatin1Char('/'))) path.chop(1);
    return path;
}

void use(const QString& path) { ::setenv("XDG_RUNTIME_DIR", QFile::encodeName(path).constData(), 1); }

}  // namespace

bool isPrivateRuntimeFolder(const QString& path) {
    if (path.isEmpty()) return false;
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0) return false;
    return S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() && (info.st_mode & 0777) == 0700;
}

QString ensureRuntimeFolder() {
    // A value the session set is never replaced: its display server and
    // message bus live there.
    const QByteArray current = qgetenv("XDG_RUNTIME_DIR");
    if (!current.isEmpty()) return QString::fromLocal8Bit(current);

    const QString fallback = temporaryFolder() + QStringLiteral("/runtime-") + userName();
    const QByteArray encoded = QFile::encodeName(fallback);
    if (::mkdir(encoded.constData(), 0700) != 0 && errno == EEXIST) {
        // Ours but too open (an old umask): close it. Anything else (a link,
        // another user's folder) is not used.
        struct stat info {};
        if (::lstat(encoded.constData(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::geteuid())
            ::chmod(encoded.constData(), 0700);
    }
    if (isPrivateRuntimeFolder(fallback)) {
        use(fallback);
        return fallback;
    }

    QByteArray pattern = QFile::encodeName(temporaryFolder() + QStringLiteral("/yq-runtime-XXXXXX"));
    if (::mkdtemp(pattern.data())) {
        const QString made = QFile::decodeName(pattern);
        use(made);
        return made;
    }
    return {};
}

}  // namespace yq::platform
