#include "platform/DesktopHandlers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace yq::platform {

DesktopHandlers::~DesktopHandlers() = default;

// ---------------------------------------------------------------------------
// Finding desktop files

QStringList applicationDirs() {
    QStringList dirs;
    auto add = [&dirs](const QString& base) {
        if (base.isEmpty()) return;
        const QString dir = QDir::cleanPath(base + QStringLiteral("/applications"));
        if (!dirs.contains(dir)) dirs << dir;
    };
    QString home = qEnvironmentVariable("XDG_DATA_HOME");
    if (home.isEmpty()) home = QDir::homePath() + QStringLiteral("/.local/share");
    add(home);
    QString dataDirs = qEnvironmentVariable("XDG_DATA_DIRS");
    if (dataDirs.isEmpty()) dataDirs = QStringLiteral("/usr/local/share:/usr/share");
    for (const QString& dir : dataDirs.split(QLatin1Char(':'), Qt::SkipEmptyParts)) add(dir);
    return dirs;
}

namespace {

QString findInDir(const QString& dir, const QString& id) {
    const QString direct = dir + QLatin1Char('/') + id;
    if (QFileInfo(direct).isFile()) return direct;
    // "a-b-c.desktop" may live in a/b-c.desktop, a/b/c.desktop or a-b/c.desktop.
    for (qsizetype dash = id.indexOf(QLatin1Char('-')); dash > 0; dash = id.indexOf(QLatin1Char('-'), dash + 1)) {
        const QString sub = dir + QLatin1Char('/') + id.left(dash);
        if (!QFileInfo(sub).isDir()) continue;
        const QString found = findInDir(sub, id.mid(dash + 1));
        if (!found.isEmpty()) return found;
    }
    return {};
}

}  // namespace

QString findDesktopFile(const QString& id, const QStringList& dirs) {
    if (!id.endsWith(QLatin1String(".desktop")) || id.contains(QLatin1Char('/')) || id.startsWith(QLatin1Char('.')) ||
        id.size() <= 8)
        return {};
    for (const QString& dir : dirs) {
        const QString found = findInDir(dir, id);
        if (!found.isEmpty()) return found;
    }
    return {};
}

XdgDesktopHandlers::XdgDesktopHandlers(CommandRunner& runner, QStringList dirs)
    : runner_(runner), dirs_(std::move(dirs)) {}

HandlerLookup XdgDesktopHandlers::defaultHandler(const QString& type) {
    HandlerLookup lookup;
    const CommandOutput answer =
        runner_.run(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"), type});
    if (!answer.started || !answer.finished) {
        lookup.status = HandlerLookup::Status::Unavailable;
        lookup.detail = answer.err.isEmpty() ? QStringLiteral("xdg-mime could not be run") : answer.err.trimmed();
        return lookup;
    }
    // The answer is one desktop file ID; some desktops list several,
    // separated by ";", the first being the default.
    const QStringList ids =
        answer.out.trimmed().split(QRegularExpression(QStringLiteral("[;\\s]+")), Qt::SkipEmptyParts);
    if (ids.isEmpty()) {
        lookup.status = HandlerLookup::Status::NoHandler;
        lookup.detail = answer.err.trimmed();
        return lookup;
    }
    lookup.id = ids.front();
    const QString path = findDesktopFile(lookup.id, dirs_);
    if (path.isEmpty()) {
        lookup.status = HandlerLookup::Status::Broken;
        lookup.detail = QStringLiteral("%1 not found in %2").arg(lookup.id, dirs_.join(QLatin1Char(':')));
        return lookup;
    }
    const auto entry = readDesktopFile(path, lookup.id);
    if (!entry) {
        lookup.status = HandlerLookup::Status::Broken;
        lookup.detail = QStringLiteral("%1 is not a usable application entry").arg(path);
        return lookup;
    }
    lookup.status = HandlerLookup::Status::Found;
    lookup.entry = *entry;
    return lookup;
}

}  // namespace yq::platform
