#include "platform/PrivateProfile.h"

#include <QFile>
#include <QSaveFile>

namespace yq::platform {

namespace {

bool isComment(const QString& trimmed) { return trimmed.startsWith(u';') || trimmed.startsWith(u'#'); }

// Section name of a header line, or a null string for any other line.
QString sectionOf(const QString& line) {
    const QString t = line.trimmed();
    if (!t.startsWith(u'[')) return {};
    const qsizetype end = t.indexOf(u']');
    if (end < 0) return {};
    return t.mid(1, end - 1).trimmed();
}

// Key of a key line ("key=value"), or a null string.
QString keyOf(const QString& line) {
    const QString t = line.trimmed();
    if (t.isEmpty() || isComment(t) || t.startsWith(u'[')) return {};
    const qsizetype eq = t.indexOf(u'=');
    if (eq <= 0) return {};
    return t.left(eq).trimmed();
}

QString valueOf(const QString& line) {
    QString v = line.mid(line.indexOf(u'=') + 1).trimmed();
    // A value enclosed in double quotes is read without them.
    if (v.size() >= 2 && v.startsWith(u'"') && v.endsWith(u'"')) v = v.mid(1, v.size() - 2);
    return v;
}

bool sameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

}  // namespace

bool ProfileFile::load(const QString& path) {
    path_ = path;
    lines_.clear();
    crlf_ = false;
    QFile file(path);
    if (!file.exists()) return true;
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray bytes = file.readAll();
    crlf_ = bytes.contains("\r\n");
    QString text = QString::fromUtf8(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines_ = text.split(u'\n');
    // The split leaves an empty last entry for a file ending in a newline.
    if (!lines_.isEmpty() && lines_.last().isEmpty()) lines_.removeLast();
    return true;
}

QByteArray ProfileFile::toBytes() const {
    const QString eol = crlf_ ? QStringLiteral("\r\n") : QStringLiteral("\n");
    QString text;
    for (const QString& line : lines_) {
        text += line;
        text += eol;
    }
    return text.toUtf8();
}

bool ProfileFile::save() const { return saveAs(path_); }

bool ProfileFile::saveAs(const QString& path) const {
    if (path.isEmpty() || path.size() > kProfilePathLimit) return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    const QByteArray bytes = toBytes();
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

qsizetype ProfileFile::find(const QString& section, const QString& key) const {
    const QString s = section.left(kProfileNameLimit);
    const QString k = key.left(kProfileNameLimit);
    bool inSection = false;
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        const QString name = sectionOf(lines_[i]);
        if (!name.isNull()) {
            inSection = sameName(name, s);
            continue;
        }
        if (inSection && sameName(keyOf(lines_[i]), k)) return i;
    }
    return -1;
}

QString ProfileFile::value(const QString& section, const QString& key) const {
    const qsizetype line = find(section, key);
    return line < 0 ? QString() : valueOf(lines_[line]).left(kProfileValueLimit);
}

bool ProfileFile::contains(const QString& section, const QString& key) const { return find(section, key) >= 0; }

void ProfileFile::setValue(const QString& section, const QString& key, const QString& value) {
    const QString s = section.left(kProfileNameLimit);
    const QString k = key.left(kProfileNameLimit);
    QString v = value.left(kProfileValueLimit);
    // A line break would end the value and start a line of its own.
    v.replace(u'\r', u' ').replace(u'\n', u' ');

    qsizetype sectionLine = -1;  // header of the first matching section
    qsizetype lastKeyLine = -1;  // last key line of that section
    bool inSection = false;
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        const QString name = sectionOf(lines_[i]);
        if (!name.isNull()) {
            if (inSection) break;  // the matching section has ended
            inSection = sameName(name, s);
            if (inSection) sectionLine = i;
            continue;
        }
        if (!inSection) continue;
        const QString lineKey = keyOf(lines_[i]);
        if (lineKey.isNull()) continue;
        if (sameName(lineKey, k)) {
            lines_[i] = lineKey + u'=' + v;
            return;
        }
        lastKeyLine = i;
    }
    const QString newLine = k + u'=' + v;
    if (sectionLine < 0) {
        lines_.append(u'[' + s + u']');
        lines_.append(newLine);
        return;
    }
    lines_.insert((lastKeyLine >= 0 ? lastKeyLine : sectionLine) + 1, newLine);
}

QString readProfileString(const QString& path, const QString& section, const QString& key) {
    if (path.isEmpty() || path.size() > kProfilePathLimit) return {};
    ProfileFile file(path);
    return file.value(section, key);
}

bool writeProfileString(const QString& path, const QString& section, const QString& key,
                        const QString& value) {
    if (path.isEmpty() || path.size() > kProfilePathLimit) return false;
    ProfileFile file;
    if (!file.load(path)) return false;
    file.setValue(section, key, value);
    return file.save();
}

}  // namespace yq::platform
