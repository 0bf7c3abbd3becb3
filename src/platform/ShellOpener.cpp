#include "platform/ShellOpener.h"

#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QRegularExpression>
#include <QUrl>

namespace yq::platform {

ShellOpener::~ShellOpener() = default;

// ---------------------------------------------------------------------------
// Opening

QString schemeHandlerType(const QString& target) {
    static const QRegularExpression scheme(QStringLiteral("^([A-Za-z][A-Za-z0-9+.-]*):"));
    const auto match = scheme.match(target);
    // A one-letter "scheme" is a drive letter, not a URL.
    if (match.hasMatch() && match.capturedLength(1) > 1) {
        const QString name = match.captured(1).toLower();
        if (name == QLatin1String("file")) return {};
        return QStringLiteral("x-scheme-handler/") + name;
    }
    if (target.startsWith(QLatin1String("www."), Qt::CaseInsensitive)) return QStringLiteral("x-scheme-handler/http");
    return {};
}

ShellOpener::ShellOpener(DesktopHandlers& handlers, Launcher& launcher, CommandRunner& runner)
    : handlers_(handlers), launcher_(launcher), runner_(runner) {}

namespace {

LaunchResult failure(int code, const QString& target, const QString& detail = {}) {
    return {target, {}, launch::failure(code, detail)};
}

// FileNotFound or PathNotFound for a file that is not there; Started when it is.
int checkFile(const QString& path) {
    const QFileInfo info(path);
    if (info.exists()) return launch::Started;
    return QFileInfo(info.absolutePath()).isDir() ? launch::FileNotFound : launch::PathNotFound;
}

}  // namespace

LaunchResult ShellOpener::open(const QString& target) {
    if (target.isEmpty()) return failure(launch::FileNotFound, target);
    const QString type = schemeHandlerType(target);
    if (!type.isEmpty()) {
        QStringList types{type};
        if (type == QLatin1String("x-scheme-handler/https")) types << QStringLiteral("x-scheme-handler/http");
        return openWith(types, target);
    }
    QString path = target;
    if (target.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)) path = QUrl(target).toLocalFile();
    if (path.isEmpty()) return failure(launch::FileNotFound, target);
    path = QFileInfo(path).absoluteFilePath();
    if (const int code = checkFile(path); code != launch::Started) return failure(code, target);
    QStringList types;
    if (QFileInfo(path).isDir()) {
        types << QStringLiteral("inode/directory");
    } else {
        const QMimeType mime = QMimeDatabase().mimeTypeForFile(path);
        types << mime.name() << mime.aliases();
    }
    return openWith(types, path);
}

LaunchResult ShellOpener::openAs(const QString& path, const QString& mimeType) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (const int code = checkFile(absolute); code != launch::Started) return failure(code, path);
    QStringList types{mimeType};
    const QMimeType mime = QMimeDatabase().mimeTypeForName(mimeType);
    if (mime.isValid()) {
        if (mime.name() != mimeType) types << mime.name();
        for (const QString& alias : mime.aliases()) {
            if (!types.contains(alias)) types << alias;
        }
    }
    return openWith(types, absolute);
}

LaunchResult ShellOpener::startProgram(const QString& program, const QStringList& args) {
    return launcher_.start(program, args);
}

LaunchResult ShellOpener::openWith(const QStringList& types, const QString& target) {
    bool broken = false;
    QString detail;
    for (const QString& type : types) {
        const HandlerLookup lookup = handlers_.defaultHandler(type);
        switch (lookup.status) {
            case HandlerLookup::Status::Found:
                return launchEntry(lookup.entry, target);
            case HandlerLookup::Status::Unavailable:
                return viaXdgOpen(target);
            case HandlerLookup::Status::Broken:
                broken = true;
                detail = lookup.detail;
                break;
            case HandlerLookup::Status::NoHandler:
                break;
        }
    }
    return failure(broken ? launch::AssociationIncomplete : launch::NoAssociation, target, detail);
}

LaunchResult ShellOpener::launchEntry(const DesktopEntry& entry, const QString& target) {
    const auto command = expandExec(entry, {target});
    if (!command)
        return failure(launch::AssociationIncomplete, target,
                       QStringLiteral("unusable Exec line in %1: %2").arg(entry.path, entry.exec));
    if (entry.terminal) {
        // Programs that need a terminal get the desktop's terminal emulator.
        const QString terminal = runner_.findProgram(QStringLiteral("x-terminal-emulator"));
        if (!terminal.isEmpty())
            return launcher_.start(terminal, QStringList{QStringLiteral("-e"), command->program} + command->arguments);
    }
    return launcher_.start(command->program, command->arguments);
}

LaunchResult ShellOpener::viaXdgOpen(const QString& target) {
    LaunchResult result = launcher_.start(QStringLiteral("xdg-open"), {target});
    // Without xdg-open there is nothing that could open the target.
    if (launch::codeOf(result.started) == launch::FileNotFound)
        result.started =
            launch::failure(launch::NoAssociation, QString::fromStdString(result.started.problem().reason));
    return result;
}

}  // namespace yq::platform
