#include "app/core/UserFile.h"

#include "app/core/ProgramState.h"

#include <QDir>
#include <QFileInfo>

#include <sqlite3.h>

namespace yq {

namespace {

constexpr const char* kFileName = "yq1.sqlite";

constexpr const char* kSchema =
    "CREATE TABLE IF NOT EXISTS yq1 ("
    " id INTEGER PRIMARY KEY AUTOINCREMENT,"
    " user TEXT NOT NULL);"
    "CREATE INDEX IF NOT EXISTS usr_key ON yq1(user);";

// Blank-padded field: trailing blanks are not part of the name.
QString normalised(const QString& user) {
    QString u = user;
    while (u.endsWith(u' ')) u.chop(1);
    return u;
}

struct Statement {
    sqlite3_stmt* stmt = nullptr;
    Statement(sqlite3* db, const char* sql) { sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr); }
    ~Statement() { sqlite3_finalize(stmt); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
};

}  // namespace

// One connection per operation keeps the file closed between uses, as each
// window opens the file when it needs it and closes it after.
class UserFileConnection {
public:
    UserFileConnection(const QString& path, bool create, QString& error) {
        const int flags = create ? (SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE) : SQLITE_OPEN_READONLY;
        if (!create && !QFileInfo::exists(path)) return;  // a missing file reads as empty
        if (sqlite3_open_v2(path.toUtf8().constData(), &db_, flags, nullptr) != SQLITE_OK) {
            error = QStringLiteral("The user file %1 could not be opened: %2")
                        .arg(QDir::toNativeSeparators(path), QString::fromUtf8(sqlite3_errmsg(db_)));
            sqlite3_close(db_);
            db_ = nullptr;
            return;
        }
        sqlite3_busy_timeout(db_, 5000);
        if (create) {
            char* message = nullptr;
            if (sqlite3_exec(db_, kSchema, nullptr, nullptr, &message) != SQLITE_OK) {
                error = QStringLiteral("The user file could not be prepared: %1").arg(QString::fromUtf8(message));
                sqlite3_free(message);
                sqlite3_close(db_);
                db_ = nullptr;
            }
        }
    }
    ~UserFileConnection() { sqlite3_close(db_); }
    UserFileConnection(const UserFileConnection&) = delete;
    UserFileConnection& operator=(const UserFileConnection&) = delete;

    sqlite3* db() const { return db_; }

private:
    sqlite3* db_ = nullptr;
};

UserFile::UserFile(const QString& folder) : folder_(folder.isEmpty() ? QDir::currentPath() : folder) {}

UserFile::~UserFile() = default;

QString UserFile::path() const { return QDir(folder_).filePath(QString::fromLatin1(kFileName)); }

namespace {

QList<UserRecord> query(const QString& path, const char* sql, QString& error) {
    QList<UserRecord> records;
    UserFileConnection connection(path, false, error);
    if (!connection.db()) return records;
    Statement s(connection.db(), sql);
    if (!s.stmt) {
        // A file without our table (not a user file) reads as empty.
        return records;
    }
    while (sqlite3_step(s.stmt) == SQLITE_ROW) {
        UserRecord r;
        r.id = sqlite3_column_int64(s.stmt, 0);
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(s.stmt, 1));
        r.user = QString::fromUtf8(text ? text : "");
        records.append(r);
    }
    return records;
}

}  // namespace

QList<UserRecord> UserFile::inFileOrder() const {
    return query(path(), "SELECT id, user FROM yq1 ORDER BY id", error_);
}

QList<UserRecord> UserFile::inKeyOrder() const {
    return query(path(), "SELECT id, user FROM yq1 ORDER BY user, id", error_);
}

std::optional<UserRecord> UserFile::first() const {
    const QList<UserRecord> records = query(path(), "SELECT id, user FROM yq1 ORDER BY id LIMIT 1", error_);
    if (records.isEmpty()) return std::nullopt;
    return records.first();
}

bool UserFile::fits(const QString& user) {
    if (user.toUcs4().size() <= kUserFieldLength) return true;
    error_ = QStringLiteral("The name and call sign may have at most %1 characters.").arg(kUserFieldLength);
    return false;
}

bool UserFile::add(const QString& user) {
    const QString u = normalised(user);
    if (!fits(u)) return false;
    UserFileConnection connection(path(), true, error_);
    if (!connection.db()) return false;
    Statement s(connection.db(), "INSERT INTO yq1(user) VALUES(?1)");
    const QByteArray bytes = u.toUtf8();
    sqlite3_bind_text(s.stmt, 1, bytes.constData(), static_cast<int>(bytes.size()), SQLITE_TRANSIENT);
    if (sqlite3_step(s.stmt) != SQLITE_DONE) {
        error_ = QStringLiteral("The record could not be added: %1").arg(QString::fromUtf8(sqlite3_errmsg(connection.db())));
        return false;
    }
    return true;
}

bool UserFile::change(qint64 id, const QString& user) {
    const QString u = normalised(user);
    if (!fits(u)) return false;
    UserFileConnection connection(path(), true, error_);
    if (!connection.db()) return false;
    Statement s(connection.db(), "UPDATE yq1 SET user = ?1 WHERE id = ?2");
    const QByteArray bytes = u.toUtf8();
    sqlite3_bind_text(s.stmt, 1, bytes.constData(), static_cast<int>(bytes.size()), SQLITE_TRANSIENT);
    sqlite3_bind_int64(s.stmt, 2, id);
    if (sqlite3_step(s.stmt) != SQLITE_DONE || sqlite3_changes(connection.db()) != 1) {
        error_ = QStringLiteral("The record could not be changed (it may have been deleted).");
        return false;
    }
    return true;
}

bool UserFile::remove(qint64 id) {
    if (!QFileInfo::exists(path())) {
        error_ = QStringLiteral("The record could not be deleted: the user file does not exist.");
        return false;
    }
    UserFileConnection connection(path(), true, error_);
    if (!connection.db()) return false;
    Statement s(connection.db(), "DELETE FROM yq1 WHERE id = ?1");
    sqlite3_bind_int64(s.stmt, 1, id);
    if (sqlite3_step(s.stmt) != SQLITE_DONE || sqlite3_changes(connection.db()) != 1) {
        error_ = QStringLiteral("The record could not be deleted (it may already be gone).");
        return false;
    }
    return true;
}

QString UserFile::readFirstIntoBuffer(const QString& folder, ProgramState& state) {
    UserFile file(folder);
    if (const auto record = file.first()) state.userRecord = record->user;
    return state.userRecord;
}

}  // namespace yq
