#include "files/PrivateProfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <optional>

namespace yq {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

// The line without leading and trailing blanks (line ends are already off).
QByteArray trimmedLine(const QByteArray& line) {
    qsizetype first = 0;
    qsizetype last = line.size();
    while (first < last && isBlank(line[first])) ++first;
    while (last > first && isBlank(line[last - 1])) --last;
    return line.mid(first, last - first);
}

// UTF-8 where the bytes are UTF-8, Latin-1 otherwise, so no byte is lost.
QString decodeText(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (utf8.hasError()) return QString::fromLatin1(bytes);
    return text;
}

QString foldedName(const QString& name) { return name.left(kProfileNameLimit).toCaseFolded(); }

// Section name of a header line, or nothing for any other line.
std::optional<QByteArray> sectionOf(const QByteArray& line) {
    const QByteArray t = trimmedLine(line);
    if (!t.startsWith('[')) return std::nullopt;
    const qsizetype end = t.indexOf(']');
    if (end < 0) return std::nullopt;
    return trimmedLine(t.mid(1, end - 1));
}

// Key of a key line ("key=value"), or nothing.
std::optional<QByteArray> keyOf(const QByteArray& line) {
    const QByteArray t = trimmedLine(line);
    if (t.isEmpty() || t.startsWith(';') || t.startsWith('#') || t.startsWith('[')) return std::nullopt;
    const qsizetype eq = t.indexOf('=');
    if (eq <= 0) return std::nullopt;
    return trimmedLine(t.left(eq));
}

QString valueOf(const QByteArray& line) {
    // Only as much of the value is decoded as a value may hold (four bytes
    // per character at most).
    QByteArray v = trimmedLine(line.mid(line.indexOf('=') + 1, 4 * kProfileValueLimit + 8));
    // A value enclosed in double quotes is read without them.
    if (v.size() >= 2 && v.startsWith('"') && v.endsWith('"')) v = v.mid(1, v.size() - 2);
    return decodeText(v).left(kProfileValueLimit);
}

bool sameName(const QByteArray& raw, const QString& folded) { return foldedName(decodeText(raw)) == folded; }

QString cleanValue(const QString& value) {
    QString v = value.left(kProfileValueLimit);
    // A line break would end the value and start a line of its own.
    for (QChar& c : v) {
        if (c == u'\r' || c == u'\n') c = u' ';
    }
    return v;
}

}  // namespace

QString ProfileSection::value(const QString& key) const { return values_.value(foldedName(key)); }

bool ProfileSection::contains(const QString& key) const { return values_.contains(foldedName(key)); }

bool ProfileFile::load(const QString& path) {
    path_ = path;
    loadError_.clear();
    lines_.clear();
    bom_.clear();
    encoding_ = Encoding::Utf8;
    QFile file(path);
    if (!file.exists()) return true;
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly)) {
        bytes = file.readAll();
        if (file.error() != QFileDevice::NoError) bytes.clear();
    }
    if (file.error() != QFileDevice::NoError) {
        loadError_ = QCoreApplication::translate("Files", "%1 could not be read: %2")
                         .arg(QDir::toNativeSeparators(path), file.errorString());
        return false;
    }

    if (bytes.startsWith("\xEF\xBB\xBF")) {
        bom_ = bytes.left(3);
        bytes.remove(0, 3);
    } else if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        // UTF-16 with its mark: lines are split on UTF-16 line ends, each
        // keeps its own bytes (damaged units and a lone last byte included),
        // and only its decoded text is parsed.
        const bool little = bytes.startsWith("\xFF\xFE");
        encoding_ = little ? Encoding::Utf16LE : Encoding::Utf16BE;
        bom_ = bytes.left(2);
        const QByteArrayView body = QByteArrayView(bytes).sliced(2);
        const auto unit = [&](qsizetype i) {
            const auto lo = static_cast<unsigned char>(body[little ? i : i + 1]);
            const auto hi = static_cast<unsigned char>(body[little ? i + 1 : i]);
            return static_cast<char16_t>(hi << 8 | lo);
        };
        const auto decode = [&](QByteArrayView raw) {
            // A U+FEFF inside the file is a character of its line, as it is
            // in a UTF-8 file, not a mark to drop.
            QStringDecoder decoder(little ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE,
                                   QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
            return QString(decoder(raw)).toUtf8();
        };
        const qsizetype units = body.size() / 2 * 2;
        qsizetype start = 0;
        for (qsizetype i = 0; i < units; i += 2) {
            const char16_t c = unit(i);
            if (c != u'\n' && c != u'\r') continue;
            const bool pair = c == u'\r' && i + 3 < units && unit(i + 2) == u'\n';
            const qsizetype endBytes = pair ? 4 : 2;
            Line line{decode(body.sliced(start, i - start)), pair ? "\r\n" : (c == u'\n' ? "\n" : "\r"),
                      body.sliced(start, i - start + endBytes).toByteArray(), true};
            lines_.push_back(std::move(line));
            i += endBytes - 2;
            start = i + 2;
        }
        if (start < body.size()) {
            lines_.push_back({decode(body.sliced(start, units - start)), {}, body.sliced(start).toByteArray(), true});
        }
        return true;
    }

    const qsizetype n = bytes.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char c = bytes[i];
        if (c != '\n' && c != '\r') continue;
        const qsizetype endLength = (c == '\r' && i + 1 < n && bytes[i + 1] == '\n') ? 2 : 1;
        lines_.push_back({bytes.mid(start, i - start), bytes.mid(i, endLength), {}, false});
        i += endLength - 1;
        start = i + 1;
    }
    if (start < n) lines_.push_back({bytes.mid(start), {}, {}, false});
    return true;
}

QByteArray ProfileFile::toBytes() const {
    QByteArray bytes = bom_;
    if (encoding_ == Encoding::Utf8) {
        for (const Line& line : lines_) bytes += line.text + line.end;
        return bytes;
    }
    QStringEncoder encoder(encoding_ == Encoding::Utf16LE ? QStringEncoder::Utf16LE : QStringEncoder::Utf16BE,
                           QStringEncoder::Flag::Stateless);
    for (const Line& line : lines_) {
        bytes += line.hasRaw ? line.raw : QByteArray(encoder(QString::fromUtf8(line.text + line.end)));
    }
    return bytes;
}

Result<> ProfileFile::save() const { return saveAs(path_); }

Result<> ProfileFile::saveAs(const QString& path) const {
    if (path.isEmpty()) return fail(QCoreApplication::translate("Files", "No file name was given.").toStdString());
    if (path.size() > kProfilePathLimit)
        return fail(QCoreApplication::translate("Files", "%1 could not be written")
                        .arg(QDir::toNativeSeparators(path))
                        .toStdString(),
                    QCoreApplication::translate("Files", "the path is longer than %1 characters")
                        .arg(kProfilePathLimit)
                        .toStdString());
    return replaceFile(path, toBytes());
}

std::pair<qsizetype, qsizetype> ProfileFile::sectionRange(const QString& section) const {
    const QString wanted = foldedName(section);
    const auto count = static_cast<qsizetype>(lines_.size());
    qsizetype first = -1;
    for (qsizetype i = 0; i < count; ++i) {
        const std::optional<QByteArray> name = sectionOf(lines_[static_cast<std::size_t>(i)].text);
        if (!name) continue;
        if (first >= 0) return {first, i};
        if (sameName(*name, wanted)) first = i + 1;
    }
    return {first, count};
}

ProfileSection ProfileFile::section(const QString& section) const {
    ProfileSection result;
    const auto [first, last] = sectionRange(section);
    if (first < 0) return result;
    for (qsizetype i = first; i < last; ++i) {
        const QByteArray& text = lines_[static_cast<std::size_t>(i)].text;
        const std::optional<QByteArray> key = keyOf(text);
        if (!key) continue;
        const QString folded = foldedName(decodeText(*key));
        if (!result.values_.contains(folded)) result.values_.insert(folded, valueOf(text));
    }
    return result;
}

QString ProfileFile::value(const QString& section, const QString& key) const {
    const auto [first, last] = sectionRange(section);
    if (first < 0) return {};
    const QString wanted = foldedName(key);
    for (qsizetype i = first; i < last; ++i) {
        const QByteArray& text = lines_[static_cast<std::size_t>(i)].text;
        const std::optional<QByteArray> lineKey = keyOf(text);
        if (lineKey && sameName(*lineKey, wanted)) return valueOf(text);
    }
    return {};
}

bool ProfileFile::contains(const QString& section, const QString& key) const {
    return this->section(section).contains(key);
}

void ProfileFile::setValue(const QString& section, const QString& key, const QString& value) {
    setValues(section, {{key, value}});
}

QByteArray ProfileFile::newLineEnd() const {
    for (const Line& line : lines_) {
        if (!line.end.isEmpty()) return line.end;
    }
    return QByteArrayLiteral("\n");
}

void ProfileFile::setValues(const QString& section, const QList<QPair<QString, QString>>& values) {
    if (values.isEmpty()) return;
    const auto [first, last] = sectionRange(section);

    // Key lines of the section (the first line of each key).
    QHash<QString, qsizetype> keyLines;
    qsizetype lastKeyLine = -1;
    if (first >= 0) {
        for (qsizetype i = first; i < last; ++i) {
            const std::optional<QByteArray> key = keyOf(lines_[static_cast<std::size_t>(i)].text);
            if (!key) continue;
            const QString folded = foldedName(decodeText(*key));
            if (!keyLines.contains(folded)) keyLines.insert(folded, i);
            lastKeyLine = i;
        }
    }

    // Keys the section does not hold yet, in the order given.
    QList<QByteArray> added;
    QHash<QString, qsizetype> addedIndex;
    for (const auto& [key, value] : values) {
        const QString name = key.left(kProfileNameLimit);
        const QString folded = foldedName(name);
        const QString v = cleanValue(value);
        if (const auto it = keyLines.constFind(folded); it != keyLines.cend()) {
            Line& line = lines_[static_cast<std::size_t>(*it)];
            // A line that already says this is left exactly as it is.
            if (valueOf(line.text) == v) continue;
            line.text = *keyOf(line.text) + '=' + v.toUtf8();
            line.hasRaw = false;
            continue;
        }
        const QByteArray text = name.toUtf8() + '=' + v.toUtf8();
        if (const auto it = addedIndex.constFind(folded); it != addedIndex.cend()) {
            added[*it] = text;
            continue;
        }
        addedIndex.insert(folded, added.size());
        added.append(text);
    }
    if (added.isEmpty()) return;

    const QByteArray end = newLineEnd();
    std::vector<Line> inserted;
    qsizetype at = 0;
    if (first < 0) {
        at = static_cast<qsizetype>(lines_.size());
        inserted.push_back({'[' + section.left(kProfileNameLimit).toUtf8() + ']', end, {}, false});
    } else {
        at = (lastKeyLine >= 0 ? lastKeyLine : first - 1) + 1;
    }
    for (const QByteArray& text : added) inserted.push_back({text, end, {}, false});
    // Inserted after a last line without a line break: that line gets one,
    // and the file still ends without one.
    if (at > 0 && at == static_cast<qsizetype>(lines_.size()) && lines_.back().end.isEmpty()) {
        Line& lastLine = lines_.back();
        lastLine.end = end;
        if (lastLine.hasRaw) {
            // Its bytes stay; only the line end is added, in the file's
            // encoding. A lone last byte is half a unit that no reader takes
            // for a letter: it goes, so that what follows starts on a unit
            // and the line reads as it did ("F=1" and a lone "7" must not
            // become "F=17").
            if (lastLine.raw.size() % 2 != 0) lastLine.raw.chop(1);
            QStringEncoder encoder(encoding_ == Encoding::Utf16LE ? QStringEncoder::Utf16LE : QStringEncoder::Utf16BE,
                                   QStringEncoder::Flag::Stateless);
            lastLine.raw += QByteArray(encoder(QString::fromUtf8(end)));
        }
        inserted.back().end.clear();
    }
    lines_.insert(lines_.begin() + at, inserted.begin(), inserted.end());
}

QString readProfileString(const QString& path, const QString& section, const QString& key) {
    if (path.isEmpty() || path.size() > kProfilePathLimit) return {};
    const ProfileFile file(path);
    return file.value(section, key);
}

Result<> writeProfileString(const QString& path, const QString& section, const QString& key, const QString& value) {
    if (path.isEmpty() || path.size() > kProfilePathLimit) return ProfileFile().saveAs(path);
    ProfileFile file;
    if (!file.load(path)) return fail(file.loadError().toStdString());
    file.setValue(section, key, value);
    return file.save();
}

}  // namespace yq
