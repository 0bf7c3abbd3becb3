#include "files/SettingsFile.h"

#include "platform/PrivateProfile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace yq {

namespace {

constexpr int kFieldLength = 100;
constexpr int kBufferLength = 5000;

QString trimmedRight(QString s) {
    while (s.endsWith(u' ')) s.chop(1);
    return s;
}

}  // namespace

QString SettingsService::defaultPath(const QString& fileName) {
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base)) base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/yq/") + fileName;
}

void SettingsService::open(const QString& path) {
    path_ = path.left(platform::kProfilePathLimit);
    entries_.clear();
    open_ = true;
    const platform::ProfileFile file(path_);
    const QString section = QString::fromLatin1(kSettingsSection);
    const int count = file.value(section, QStringLiteral("Sectors")).trimmed().toInt();
    for (int i = 1; i <= count; ++i) {
        const QString value = file.value(section, QStringLiteral("Sectors_%1").arg(i));
        const QStringList parts = value.split(u',');
        SettingsEntry entry;
        entry.family = parts.value(0).left(kFieldLength);
        entry.item = parts.value(1).left(kFieldLength);
        entry.type = parts.value(2).left(kFieldLength);
        entries_.append(entry);
    }
}

bool SettingsService::close() {
    if (!open_) return true;
    open_ = false;
    const QFileInfo info(path_);
    QDir().mkpath(info.absolutePath());
    platform::ProfileFile file(path_);
    const QString section = QString::fromLatin1(kSettingsSection);
    file.setValue(section, QStringLiteral("Sectors"), QString::number(entries_.size()));
    for (qsizetype i = 0; i < entries_.size(); ++i) {
        const SettingsEntry& e = entries_[i];
        const QString value = (trimmedRight(e.family) + u',' + trimmedRight(e.item) + u',' + trimmedRight(e.type))
                                  .left(kBufferLength);
        file.setValue(section, QStringLiteral("Sectors_%1").arg(i + 1), value);
    }
    entries_.clear();
    return file.save();
}

QString SettingsService::read(const QString& section, const QString& key) const {
    return platform::readProfileString(path_, section, key);
}

bool SettingsService::write(const QString& section, const QString& key, const QString& value) const {
    return platform::writeProfileString(path_, section, key, value);
}

}  // namespace yq
