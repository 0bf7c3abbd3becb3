#include "platform/DesktopHandlers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QRegularExpression>
#include <QUrl>

namespace yq::platform {

DesktopHandlers::~DesktopHandlers() = default;
ShellOpener::~ShellOpener() = default;

// ---------------------------------------------------------------------------
// .desktop files

std::optional<DesktopEntry> readDesktopFile(const QString& path, const QString& id) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QString text = QString::fromUtf8(file.readAll());

    DesktopEntry entry;
    entry.id = id.isEmpty() ? QFileInfo(path).fileName() : id;
    entry.path = path;
    bool inGroup = false;
    bool sawGroup = false;
    bool hidden = false;
    bool hasExec = false;
    QString type;
    for (const QString& raw : text.split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
        if (line.startsWith(QLatin1Char('['))) {
            inGroup = line == QLatin1String("[Desktop Entry]");
            sawGroup = sawGroup || inGroup;
            continue;
        }
        if (!inGroup) continue;
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0) continue;
        const QString key = line.left(eq).trimmed();
        const QString value = line.mid(eq + 1).trimmed();
        if (key == QLatin1String("Exec")) {
            entry.exec = value;
            hasExec = true;
        } else if (key == QLatin1String("Name")) {
            entry.name = value;
        } else if (key == QLatin1String("Icon")) {
            entry.icon = value;
        } else if (key == QLatin1String("Terminal")) {
            entry.terminal = value == QLatin1String("true");
        } else if (key == QLatin1String("Hidden")) {
            hidden = value == QLatin1String("true");
        } else if (key == QLatin1String("Type")) {
            type = value;
        }
    }
    if (!sawGroup || hidden || !hasExec || (!type.isEmpty() && type != QLatin1String("Application")))
        return std::nullopt;
    return entry;
}

namespace {

// The escapes of string values: \s \n \t \r \\. Any other backslash is left
// for the quoting rules of the Exec line.
QString unescapeStringValue(const QString& value) {
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c != QLatin1Char('\\') || i + 1 >= value.size()) {
            out += c;
            continue;
        }
        const QChar next = value.at(i + 1);
        switch (next.unicode()) {
            case 's':
                out += QLatin1Char(' ');
                ++i;
                break;
            case 'n':
                out += QLatin1Char('\n');
                ++i;
                break;
            case 't':
                out += QLatin1Char('\t');
                ++i;
                break;
            case 'r':
                out += QLatin1Char('\r');
                ++i;
                break;
            case '\\':
                out += QLatin1Char('\\');
                ++i;
                break;
            default:
                out += c;
                break;
        }
    }
    return out;
}

bool isBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r');
}

}  // namespace

std::optional<std::vector<ExecWord>> splitExecLine(const QString& exec) {
    const QString line = unescapeStringValue(exec);
    std::vector<ExecWord> words;
    ExecWord word;
    bool inWord = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (isBlank(c)) {
            if (inWord) words.push_back(std::move(word));
            word = {};
            inWord = false;
            continue;
        }
        inWord = true;
        if (c == QLatin1Char('"')) {
            word.quoted = true;
            bool closed = false;
            for (++i; i < line.size(); ++i) {
                const QChar q = line.at(i);
                if (q == QLatin1Char('"')) {
                    closed = true;
                    break;
                }
                if (q == QLatin1Char('\\') && i + 1 < line.size()) {
                    const QChar n = line.at(i + 1);
                    if (n == QLatin1Char('"') || n == QLatin1Char('`') || n == QLatin1Char('$') ||
                        n == QLatin1Char('\\')) {
                        word.text += n;
                        ++i;
                        continue;
                    }
                }
                word.text += q;
            }
            if (!closed) return std::nullopt;
        } else if (c == QLatin1Char('\'')) {
            word.quoted = true;
            const qsizetype end = line.indexOf(QLatin1Char('\''), i + 1);
            if (end < 0) return std::nullopt;
            word.text += line.mid(i + 1, end - i - 1);
            i = end;
        } else if (c == QLatin1Char('\\') && i + 1 < line.size()) {
            word.text += line.at(++i);
        } else {
            word.text += c;
        }
    }
    if (inWord) words.push_back(std::move(word));
    return words;
}

namespace {

struct Target {
    QString file;  // local path form (the target itself when it is no local file)
    QString url;   // URL form
};

Target targetForms(const QString& target) {
    if (target.startsWith(QLatin1Char('/'))) return {target, QUrl::fromLocalFile(target).toString(QUrl::FullyEncoded)};
    if (target.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)) {
        const QString local = QUrl(target).toLocalFile();
        return {local.isEmpty() ? target : local, target};
    }
    return {target, target};
}

}  // namespace

std::optional<ExecCommand> expandExec(const DesktopEntry& entry, const QStringList& targets) {
    const auto words = splitExecLine(entry.exec);
    if (!words || words->empty()) return std::nullopt;

    std::vector<Target> forms;
    for (const QString& t : targets) forms.push_back(targetForms(t));

    QStringList out;
    bool targetUsed = false;
    for (const ExecWord& word : *words) {
        const QString& w = word.text;
        if (!word.quoted && (w == QLatin1String("%F") || w == QLatin1String("%U"))) {
            for (const Target& t : forms) out << (w == QLatin1String("%F") ? t.file : t.url);
            targetUsed = true;
            continue;
        }
        if (!word.quoted && w == QLatin1String("%i")) {
            if (!entry.icon.isEmpty()) out << QStringLiteral("--icon") << entry.icon;
            continue;
        }
        QString expanded;
        bool hadCode = false;
        for (qsizetype i = 0; i < w.size(); ++i) {
            const QChar c = w.at(i);
            if (c != QLatin1Char('%')) {
                expanded += c;
                continue;
            }
            if (i + 1 >= w.size()) return std::nullopt;  // a lone % at the end
            const char code = w.at(++i).toLatin1();
            if (code == '%') {
                expanded += QLatin1Char('%');
                continue;
            }
            hadCode = true;
            switch (code) {
                case 'f':
                case 'F':
                    if (!forms.empty()) expanded += forms.front().file;
                    targetUsed = true;
                    break;
                case 'u':
                case 'U':
                    if (!forms.empty()) expanded += forms.front().url;
                    targetUsed = true;
                    break;
                case 'i':
                    expanded += entry.icon;
                    break;
                case 'c':
                    expanded += entry.name;
                    break;
                case 'k':
                    expanded += entry.path;
                    break;
                case 'd':
                case 'D':
                case 'n':
                case 'N':
                case 'v':
                case 'm':
                    break;  // deprecated: nothing
                default:
                    return std::nullopt;
            }
        }
        if (hadCode && expanded.isEmpty()) continue;
        out << expanded;
    }
    if (out.isEmpty() || out.front().isEmpty()) return std::nullopt;
    if (!targetUsed && !forms.empty()) {
        const Target& t = forms.front();
        out << (targets.front().startsWith(QLatin1Char('/')) ? t.file : t.url);
    }
    ExecCommand command;
    command.program = out.takeFirst();
    command.arguments = out;
    return command;
}

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
    LaunchResult result;
    result.code = code;
    result.program = target;
    result.detail = detail;
    return result;
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
    if (result.code == launch::FileNotFound) result.code = launch::NoAssociation;
    return result;
}

}  // namespace yq::platform
