#include "files/SettingsFile.h"
#include "files/Text.h"

#include "files/PrivateProfile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>

namespace yq {

namespace {

constexpr int kFieldLength = 100;
constexpr int kBufferLength = 5000;

}  // namespace

QString SettingsService::defaultPath(const QString& fileName) {
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base)) base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/yq/") + fileName;
}

void SettingsService::open(const QString& path) {
    path_ = path.left(kProfilePathLimit);
    entries_.clear();
    open_ = true;
    // A file that cannot be read gives empty values (count 0).
    const ProfileFile file(path_);
    const ProfileSection section = file.section(QString::fromLatin1(kSettingsSection));
    bool isNumber = false;
    const long long read = section.value(QStringLiteral("Sectors")).trimmed().toLongLong(&isNumber);
    // The count is bounded by what the section holds: a count beyond its
    // keys is damage, not a list of empty entries. Missing entries at the
    // end do not count.
    qsizetype count = isNumber && read > 0 ? static_cast<qsizetype>(std::min<long long>(read, section.size())) : 0;
    while (count > 0 && !section.contains(QStringLiteral("Sectors_%1").arg(count))) --count;
    entries_.reserve(count);
    for (qsizetype i = 1; i <= count; ++i) {
        const QString value = section.value(QStringLiteral("Sectors_%1").arg(i));
        const QStringList parts = value.split(u',');
        SettingsEntry entry;
        entry.family = parts.value(0).left(kFieldLength);
        entry.item = parts.value(1).left(kFieldLength);
        entry.type = parts.value(2).left(kFieldLength);
        entries_.append(entry);
    }
}

Result<> SettingsService::close() {
    if (!open_) return {};
    open_ = false;
    const QFileInfo info(path_);
    QDir().mkpath(info.absolutePath());
    ProfileFile file;
    // A file that exists but cannot be read is not replaced by our section alone.
    if (!file.load(path_)) {
        entries_.clear();
        return fail(file.loadError().toStdString());
    }
    QList<QPair<QString, QString>> values;
    values.reserve(entries_.size() + 1);
    values.append({QStringLiteral("Sectors"), QString::number(entries_.size())});
    for (qsizetype i = 0; i < entries_.size(); ++i) {
        const SettingsEntry& e = entries_[i];
        const QString value = (withoutTrailingBlanks(e.family) + u',' + withoutTrailingBlanks(e.item) + u',' +
                               withoutTrailingBlanks(e.type))
                                  .left(kBufferLength);
        values.append({QStringLiteral("Sectors_%1").arg(i + 1), value});
    }
    file.setValues(QString::fromLatin1(kSettingsSection), values);
    entries_.clear();
    return file.save();
}

QString SettingsService::read(const QString& section, const QString& key) const {
    return readProfileString(path_, section, key);
}

Result<> SettingsService::write(const QString& section, const QString& key, const QString& value) const {
    return writeProfileString(path_, section, key, value);
}

}  // namespace yq
