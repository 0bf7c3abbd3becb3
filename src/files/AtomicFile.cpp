#include "files/AtomicFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace yq {

namespace {

constexpr char kTemporaryMark[] = ".yqtmp-";

QByteArray temporaryPrefix(const QFileInfo& target) {
    return "." + QFile::encodeName(target.fileName()) + kTemporaryMark;
}

Problem failure(const QString& path, int error) {
    return fail(QCoreApplication::translate("Files", "%1 could not be written")
                    .arg(QDir::toNativeSeparators(path))
                    .toStdString(),
                systemErrorText(error).toStdString());
}

}  // namespace

bool writeAll(int fd, const QByteArray& bytes, int& error) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, data, static_cast<size_t>(left));
        if (n < 0) {
            if (errno == EINTR) continue;
            error = errno;
            return false;
        }
        if (n == 0) {
            error = EIO;
            return false;
        }
        data += n;
        left -= n;
    }
    return true;
}

QString systemErrorText(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

void removeStaleTemporaries(const QString& path) {
    const QFileInfo target(path);
    const QByteArray folder = QFile::encodeName(target.absolutePath());
    const QByteArray prefix = temporaryPrefix(target);
    DIR* dir = ::opendir(folder.constData());
    if (!dir) return;
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (!name.startsWith(prefix)) continue;
        // ".<name>.yqtmp-<pid>-XXXXXX": remove only when <pid> no longer runs.
        const QByteArray rest = name.mid(prefix.size());
        const qsizetype dash = rest.indexOf('-');
        if (dash <= 0) continue;
        bool isNumber = false;
        const long pid = rest.left(dash).toLong(&isNumber);
        if (!isNumber || pid <= 0) continue;
        if (pid == static_cast<long>(::getpid())) continue;
        if (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM) continue;
        ::unlinkat(::dirfd(dir), name.constData(), 0);
    }
    ::closedir(dir);
}

Result<> replaceFile(const QString& path, const QByteArray& bytes, Durability durability) {
    if (path.isEmpty()) return fail(QCoreApplication::translate("Files", "No file name was given.").toStdString());
    const QFileInfo target(path);
    const QByteArray targetName = QFile::encodeName(target.absoluteFilePath());
    const QByteArray folder = QFile::encodeName(target.absolutePath());

    removeStaleTemporaries(path);

    // The permission bits of the file being replaced (not of a link's
    // target: the link itself is replaced), or the defaults for a new file.
    mode_t mode = 0;
    struct stat old {};
    if (::lstat(targetName.constData(), &old) == 0 && S_ISREG(old.st_mode)) {
        mode = old.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }

    QByteArray temporary = folder + '/' + temporaryPrefix(target) + QByteArray::number(::getpid()) + "-XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) return failure(path, errno);

    int error = 0;
    bool ok = writeAll(fd, bytes, error);
    if (ok && ::fchmod(fd, mode) != 0) {
        error = errno;
        ok = false;
    }
    if (ok && durability == Durability::Durable && ::fsync(fd) != 0) {
        error = errno;
        ok = false;
    }
    if (::close(fd) != 0 && ok) {
        error = errno;
        ok = false;
    }
    if (ok && ::rename(temporary.constData(), targetName.constData()) != 0) {
        error = errno;
        ok = false;
    }
    if (!ok) {
        ::unlink(temporary.constData());
        return failure(path, error);
    }
    if (durability == Durability::Transient) return {};
    // Make the rename itself durable.
    const int dirFd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return {};
}

}  // namespace yq
