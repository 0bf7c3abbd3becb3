// The settings service on "yq.INI": the program keeps no preferences, only
// the service's own bookkeeping section, read when the service opens and
// written back when it closes.
#pragma once

#include "files/AtomicFile.h"

#include <QList>
#include <QString>

namespace yq {

inline constexpr const char* kSettingsFileName = "yq.INI";
inline constexpr const char* kSettingsSection = "__Dont_Touch_Me__";

struct SettingsEntry {
    QString family;
    QString item;
    QString type;
};

class SettingsService {
public:
    // Where a bare settings file name lives: the user's configuration folder
    // ($XDG_CONFIG_HOME, or ~/.config), in a folder of the program's own.
    static QString defaultPath(const QString& fileName = QString::fromLatin1(kSettingsFileName));

    // Remembers the path and reads the remembered sections. A file that
    // cannot be read and a count beyond the entries the file holds give
    // empty values.
    void open(const QString& path);
    // Nothing to do: the program registers no settings.
    void update() {}
    // Writes the count and the entries back, in one pass over the file.
    // Fails, with the reason, when the file could not be written (or exists
    // but could not be read: it is then left alone).
    Result<> close();

    bool isOpen() const { return open_; }
    const QString& path() const { return path_; }
    const QList<SettingsEntry>& entries() const { return entries_; }

    // General access against the remembered file.
    QString read(const QString& section, const QString& key) const;
    Result<> write(const QString& section, const QString& key, const QString& value) const;

private:
    QString path_;
    QList<SettingsEntry> entries_;
    bool open_ = false;
};

}  // namespace yq
