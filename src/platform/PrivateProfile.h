// Private-profile (INI) files: one key of one section at a time, as the
// design files, the working copy and the settings file use them.
//
// Section and key names match without regard to case. A missing file,
// section or key reads as empty. A write replaces the value of its key in
// place and leaves every other line untouched (comments, blank lines, order,
// other sections); a write to a missing section appends the section; a write
// creates the file. Files are replaced atomically (temporary file + rename),
// so a failed write never leaves a half-written file behind.
#pragma once

#include <QString>
#include <QStringList>

namespace yq::platform {

// Limits of the profile calls: longer names and values are cut.
inline constexpr int kProfileNameLimit = 64;
inline constexpr int kProfileValueLimit = 1024;
inline constexpr int kProfilePathLimit = 260;

// A profile file held in memory line by line; many keys can be changed and
// the file written once.
class ProfileFile {
public:
    ProfileFile() = default;
    explicit ProfileFile(const QString& path) { load(path); }

    // Reads the file; a missing or unreadable file gives an empty profile.
    // Returns false when the file exists but could not be read.
    bool load(const QString& path);
    // Writes the file atomically. Returns false on failure (the old file is
    // then unchanged).
    bool save() const;
    bool saveAs(const QString& path) const;

    const QString& path() const { return path_; }

    QString value(const QString& section, const QString& key) const;
    bool contains(const QString& section, const QString& key) const;
    void setValue(const QString& section, const QString& key, const QString& value);

    // The file's text as it would be written.
    QByteArray toBytes() const;

private:
    // Line of the key in its section (the first such section), or -1.
    qsizetype find(const QString& section, const QString& key) const;
    QString path_;
    QStringList lines_;
    bool crlf_ = false;  // line ends of the file as found; new files use LF
};

// One-call forms, like the profile calls they replace: each reads or writes
// the file on its own. writeProfileString returns false when the path is
// too long or the file could not be written.
QString readProfileString(const QString& path, const QString& section, const QString& key);
bool writeProfileString(const QString& path, const QString& section, const QString& key,
                        const QString& value);

}  // namespace yq::platform
