#include "platform/DesktopEntry.h"

#include <QFile>
#include <QFileInfo>
#include <QUrl>

namespace yq::platform {

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

}  // namespace yq::platform
