#include "files/UserFile.h"
#include "files/Text.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
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
QString normalised(const QString& user) { return withoutTrailingBlanks(user); }

struct Statement {
    sqlite3_stmt* stmt = nullptr;
    Statement(sqlite3* db, const char* sql) { sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr); }
    ~Statement() { sqlite3_finalize(stmt); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
};

// How long an operation waits for another program's lock on the file before
// it gives up and says so.
constexpr int kBusyTimeoutMs = 250;

QString displayPath(const QString& path) { return QDir::toNativeSeparators(path); }

QString sqliteReason(sqlite3* db, int rc) {
    if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED)
        return QCoreApplication::translate("Files", "it is locked by another program");
    return db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString::fromUtf8(sqlite3_errstr(rc));
}

}  // namespace

// One connection per operation keeps the file closed between uses, as each
// window opens the file when it needs it and closes it after.
class UserFileConnection {
public:
    UserFileConnection(const QString& path, bool create, QString& error) {
        if (!create && !QFileInfo::exists(path)) return;  // a missing file reads as empty
        // A file that is not a user file (damaged, or another program's
        // database) is never changed: the table is created only in a file
        // that holds nothing yet.
        const int flags = create ? (SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE) : SQLITE_OPEN_READONLY;
        int rc = sqlite3_open_v2(path.toUtf8().constData(), &db_, flags, nullptr);
        if (rc == SQLITE_OK) {
            sqlite3_busy_timeout(db_, kBusyTimeoutMs);
            rc = checkContents(path, create);
        }
        if (rc != SQLITE_OK) {
            if (reason_.isEmpty()) reason_ = sqliteReason(db_, rc);
            error = QCoreApplication::translate("Files", "The user file %1 cannot be read: %2")
                        .arg(displayPath(path), reason_);
            sqlite3_close(db_);
            db_ = nullptr;
        }
    }
    ~UserFileConnection() { sqlite3_close(db_); }
    UserFileConnection(const UserFileConnection&) = delete;
    UserFileConnection& operator=(const UserFileConnection&) = delete;

    sqlite3* db() const { return db_; }
    // True for a file that holds no table at all (new or empty).
    bool empty() const { return empty_; }

private:
    // A file with no table is new only when it is whole: empty, or as long
    // as a number of the pages its header names. A cut-off database is
    // damaged, and creating the table in it would change its bytes.
    static bool wholeOrEmpty(const QString& path) {
        QFile file(path);
        if (!file.exists() || file.size() == 0) return true;
        if (!file.open(QIODevice::ReadOnly)) return false;
        const QByteArray header = file.read(18);
        if (header.size() < 18 || !header.startsWith("SQLite format 3")) return false;
        int page = (static_cast<unsigned char>(header[16]) << 8) | static_cast<unsigned char>(header[17]);
        if (page == 1) page = 65536;
        return page >= 512 && file.size() % page == 0;
    }

    int checkContents(const QString& path, bool create) {
        sqlite3_stmt* stmt = nullptr;
        int rc = sqlite3_prepare_v2(db_, "SELECT name FROM sqlite_master WHERE type = 'table'", -1, &stmt, nullptr);
        if (rc != SQLITE_OK) return rc;
        bool ours = false;
        bool any = false;
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
            any = true;
            const auto* name = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
            if (name && QByteArray(name) == "yq1") ours = true;
        }
        sqlite3_finalize(stmt);
        if (rc != SQLITE_DONE) return rc;
        empty_ = !any;
        if (any && !ours) {
            reason_ = QCoreApplication::translate("Files", "it holds no user records (not a user file)");
            return SQLITE_NOTADB;
        }
        if (create && !ours && !wholeOrEmpty(path)) {
            reason_ = QCoreApplication::translate("Files", "it is damaged (cut off inside a page)");
            return SQLITE_CORRUPT;
        }
        if (create && !ours) {
            char* message = nullptr;
            rc = sqlite3_exec(db_, kSchema, nullptr, nullptr, &message);
            if (message) reason_ = QString::fromUtf8(message);
            sqlite3_free(message);
            if (rc != SQLITE_OK) return rc;
            empty_ = false;
        }
        return SQLITE_OK;
    }

    sqlite3* db_ = nullptr;
    bool empty_ = false;
    QString reason_;
};

UserFile::UserFile(const QString& folder) : folder_(folder.isEmpty() ? QDir::currentPath() : folder) {}

UserFile::~UserFile() = default;

QString UserFile::path() const { return QDir(folder_).filePath(QString::fromLatin1(kFileName)); }

namespace {

Result<QList<UserRecord>> query(const QString& path, const char* sql) {
    QString error;
    QList<UserRecord> records;
    UserFileConnection connection(path, false, error);
    if (!connection.db() && !error.isEmpty()) return fail(error.toStdString());
    if (!connection.db() || connection.empty()) return records;  // a missing file reads as empty
    Statement s(connection.db(), sql);
    int rc = s.stmt ? SQLITE_OK : sqlite3_errcode(connection.db());
    while (s.stmt && (rc = sqlite3_step(s.stmt)) == SQLITE_ROW) {
        UserRecord r;
        r.id = sqlite3_column_int64(s.stmt, 0);
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(s.stmt, 1));
        r.user = QString::fromUtf8(text ? text : "");
        records.append(r);
    }
    if (rc != SQLITE_DONE) {
        // Never a part of the records as if it were all of them.
        return fail(QCoreApplication::translate("Files", "The user file %1 cannot be read: %2")
                        .arg(displayPath(path), sqliteReason(connection.db(), rc))
                        .toStdString());
    }
    return records;
}

Problem problemOf(const QString& text) { return fail(text.toStdString()); }

}  // namespace

Result<QList<UserRecord>> UserFile::inFileOrder() const {
    return query(path(), "SELECT id, user FROM yq1 ORDER BY id");
}

Result<QList<UserRecord>> UserFile::inKeyOrder() const {
    return query(path(), "SELECT id, user FROM yq1 ORDER BY user, id");
}

Result<std::optional<UserRecord>> UserFile::first() const {
    const auto records = query(path(), "SELECT id, user FROM yq1 ORDER BY id LIMIT 1");
    if (!records) return records.problem();
    if (records->isEmpty()) return std::optional<UserRecord>();
    return std::optional<UserRecord>(records->first());
}

Result<> UserFile::fits(const QString& user) {
    for (const QChar c : user) {
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            return problemOf(QCoreApplication::translate(
                "Files", "The name and call sign may not contain control characters (line breaks, tabs)."));
    }
    if (user.toUcs4().size() <= kUserFieldLength) return {};
    return problemOf(QCoreApplication::translate("Files", "The name and call sign may have at most %1 characters.")
                         .arg(kUserFieldLength));
}

Result<> UserFile::add(const QString& user) {
    const QString u = normalised(user);
    if (Result<> fit = fits(u); !fit) return fit;
    QString error;
    UserFileConnection connection(path(), true, error);
    if (!connection.db()) return problemOf(error);
    Statement s(connection.db(), "INSERT INTO yq1(user) VALUES(?1)");
    const QByteArray bytes = u.toUtf8();
    sqlite3_bind_text(s.stmt, 1, bytes.constData(), static_cast<int>(bytes.size()), SQLITE_TRANSIENT);
    if (sqlite3_step(s.stmt) != SQLITE_DONE)
        return problemOf(QCoreApplication::translate("Files", "The record could not be added: %1")
                             .arg(sqliteReason(connection.db(), sqlite3_errcode(connection.db()))));
    return {};
}

Result<> UserFile::change(qint64 id, const QString& user) {
    const QString u = normalised(user);
    if (Result<> fit = fits(u); !fit) return fit;
    QString error;
    UserFileConnection connection(path(), true, error);
    if (!connection.db()) return problemOf(error);
    Statement s(connection.db(), "UPDATE yq1 SET user = ?1 WHERE id = ?2");
    const QByteArray bytes = u.toUtf8();
    sqlite3_bind_text(s.stmt, 1, bytes.constData(), static_cast<int>(bytes.size()), SQLITE_TRANSIENT);
    sqlite3_bind_int64(s.stmt, 2, id);
    if (sqlite3_step(s.stmt) != SQLITE_DONE || sqlite3_changes(connection.db()) != 1)
        return problemOf(
            QCoreApplication::translate("Files", "The record could not be changed (it may have been deleted)."));
    return {};
}

Result<> UserFile::remove(qint64 id) {
    if (!QFileInfo::exists(path()))
        return problemOf(
            QCoreApplication::translate("Files", "The record could not be deleted: the user file does not exist."));
    QString error;
    UserFileConnection connection(path(), true, error);
    if (!connection.db()) return problemOf(error);
    Statement s(connection.db(), "DELETE FROM yq1 WHERE id = ?1");
    sqlite3_bind_int64(s.stmt, 1, id);
    if (sqlite3_step(s.stmt) != SQLITE_DONE || sqlite3_changes(connection.db()) != 1)
        return problemOf(
            QCoreApplication::translate("Files", "The record could not be deleted (it may already be gone)."));
    return {};
}

Result<QString> UserFile::readFirstIntoBuffer(const QString& folder, QString& buffer) {
    const auto record = UserFile(folder).first();
    if (!record) return record.problem();
    if (*record) buffer = (*record)->user;
    return buffer;
}

}  // namespace yq
