// Private-profile (INI) files: one key of one section at a time, as the
// design files, the working copy and the settings file use them.
//
// Section and key names match without regard to case; only the first
// section of a name counts, for reading and writing alike. A missing file,
// section or key reads as empty. A write replaces the value of its key in
// place and leaves every other line byte for byte as it was (comments in any
// encoding, blank lines, order, other sections, line ends of every kind, a
// byte-order mark, a missing final line break); a write to a missing section
// appends the section; a write creates the file.
//
// The file is handled as bytes: only the names and values that are read or
// written are decoded (UTF-8, or Latin-1 where the bytes are not UTF-8). A
// file that starts with a UTF-16 byte-order mark is read as UTF-16 and
// written back in the same form. Lines end in LF, CR LF or CR alike.
//
// Files are replaced whole (temporary file in the same folder, flushed,
// renamed), so a failed write never leaves a half-written file behind.
#pragma once

#include "files/AtomicFile.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QPair>
#include <QString>

#include <vector>

namespace yq {

// Limits of the profile calls: longer names and values are cut.
inline constexpr int kProfileNameLimit = 64;
inline constexpr int kProfileValueLimit = 1024;
inline constexpr int kProfilePathLimit = 260;

// The keys and values of one section, read in one pass. Names match
// without regard to case; the first line of a key counts.
class ProfileSection {
public:
    QString value(const QString& key) const;
    bool contains(const QString& key) const;
    // Number of distinct keys in the section.
    qsizetype size() const { return values_.size(); }

private:
    friend class ProfileFile;
    QHash<QString, QString> values_;  // case-folded key -> value
};

// A profile file held in memory line by line; many keys can be changed and
// the file written once.
class ProfileFile {
public:
    ProfileFile() = default;
    explicit ProfileFile(const QString& path) { load(path); }

    // Reads the file; a missing file gives an empty profile. Returns false
    // when the file exists but could not be read (loadError() says why);
    // the profile is then empty.
    bool load(const QString& path);
    const QString& loadError() const { return loadError_; }

    // Writes the file whole. On failure the old file is unchanged and the
    // result carries the reason.
    Result<> save() const;
    Result<> saveAs(const QString& path) const;

    const QString& path() const { return path_; }

    QString value(const QString& section, const QString& key) const;
    bool contains(const QString& section, const QString& key) const;
    ProfileSection section(const QString& section) const;

    void setValue(const QString& section, const QString& key, const QString& value);
    // Sets many keys of one section in one pass over the file; new keys are
    // added in the order given.
    void setValues(const QString& section, const QList<QPair<QString, QString>>& values);

    // The file's bytes as they would be written.
    QByteArray toBytes() const;

private:
    enum class Encoding { Utf8, Utf16LE, Utf16BE };
    struct Line {
        QByteArray text;  // without its line end (UTF-8, or the file's bytes)
        QByteArray end;   // "\n", "\r\n", "\r", or empty for a last line without one
        // In a UTF-16 file: the line's own bytes with its end, written back
        // as they were while the line is not changed (so even a damaged
        // UTF-16 line keeps every byte).
        QByteArray raw;
        bool hasRaw = false;
    };
    // Lines [first, last) of the first section of the name; first is -1 when
    // there is none (last is then the number of lines).
    std::pair<qsizetype, qsizetype> sectionRange(const QString& section) const;
    QByteArray newLineEnd() const;

    QString path_;
    QString loadError_;
    std::vector<Line> lines_;
    QByteArray bom_;  // as found at the start of the file (in its own encoding)
    Encoding encoding_ = Encoding::Utf8;
};

// One-call forms, like the profile calls they replace: each reads or writes
// the file on its own. writeProfileString fails when the path is too long,
// the existing file could not be read or the file could not be written.
QString readProfileString(const QString& path, const QString& section, const QString& key);
Result<> writeProfileString(const QString& path, const QString& section, const QString& key, const QString& value);

}  // namespace yq
