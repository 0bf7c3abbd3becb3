// The user file: any "yq1.sqlite" (a real one, damaged, truncated or not a
// database at all) is read without harm and never changed by reading; a file
// SQLite itself cannot read is reported, not shown as an empty list; and a
// failed add leaves the file's bytes as they were.
#include "FuzzSupport.h"

#include "files/ProgramState.h"
#include "files/UserFile.h"

#include <sqlite3.h>

#include <string_view>

namespace {

// Whether SQLite reads the file's table of users to the end without an
// error (a missing table counts as no users).
bool readableBySqlite(const QString& path) {
    sqlite3* db = nullptr;
    bool ok = sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK;
    if (ok) {
        sqlite3_stmt* stmt = nullptr;
        ok = sqlite3_prepare_v2(db, "SELECT count(*) FROM sqlite_master", -1, &stmt, nullptr) == SQLITE_OK &&
             sqlite3_step(stmt) == SQLITE_ROW;
        sqlite3_finalize(stmt);
        stmt = nullptr;
        if (ok && sqlite3_prepare_v2(db, "SELECT id, user FROM yq1 ORDER BY id", -1, &stmt, nullptr) == SQLITE_OK) {
            int rc = SQLITE_ROW;
            while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
            }
            ok = rc == SQLITE_DONE;
        } else if (ok) {
            ok = std::string_view(sqlite3_errmsg(db)).starts_with("no such table");
        }
        sqlite3_finalize(stmt);
    }
    sqlite3_close(db);
    return ok;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = yq::fuzz::inputBytes(data, size);
    const QString folder = yq::fuzz::scratchFolder();
    const QString path = QDir(folder).filePath(QStringLiteral("yq1.sqlite"));
    for (const char* extra : {"-journal", "-wal", "-shm"}) QFile::remove(path + QLatin1String(extra));
    if (!yq::fuzz::writeBytes(path, bytes)) return 0;

    yq::UserFile file(folder);
    const auto inFileOrderRead = file.inFileOrder();
    const QString readError = inFileOrderRead ? QString() : QString::fromStdString(inFileOrderRead.problem().text());
    const auto inFileOrder = inFileOrderRead ? *inFileOrderRead : QList<yq::UserRecord>();
    const auto inKeyOrderRead = file.inKeyOrder();
    const auto inKeyOrder = inKeyOrderRead ? *inKeyOrderRead : QList<yq::UserRecord>();
    (void)file.first();
    yq::ProgramState state;
    state.userRecord = QStringLiteral("before");
    (void)yq::UserFile::readFirstIntoBuffer(folder, state.userRecord);
    YQ_FUZZ_CHECK(yq::fuzz::readBytes(path) == bytes, "reading changed the user file");

    if (!readableBySqlite(path)) {
        YQ_FUZZ_CHECK(!readError.isEmpty(), "an unreadable user file lists as " +
                                                QByteArray::number(inFileOrder.size()) + " records without a word");
    } else {
        YQ_FUZZ_CHECK(inFileOrder.size() == inKeyOrder.size(), QByteArray());
    }

    if (!file.add(QStringLiteral("Fuzz Tester K0FZ"))) {
        YQ_FUZZ_CHECK(yq::fuzz::readBytes(path) == bytes, "a failed add changed the user file");
    } else if (readError.isEmpty()) {
        bool found = false;
        const auto listed = file.inKeyOrder();
        for (const yq::UserRecord& r : listed ? *listed : QList<yq::UserRecord>())
            found = found || r.user == QStringLiteral("Fuzz Tester K0FZ");
        YQ_FUZZ_CHECK(found, "an added record is not listed");
    }
    return 0;
}
