// The user file "yq1": the names and call signs of the people who design
// antennas with the program, one 40-character text per record, with an
// ascending key on the text. Kept in an SQLite database in the working
// folder ("yq1.sqlite", through the SQLite library). A missing file behaves as
// an empty one; the file is opened for each operation and closed after it.
// A file that cannot be read (damaged, not a user file, locked by another
// program) is an error the caller is told of (the Result's problem), never an empty
// list, and it is never written over.
#pragma once

#include "design/Result.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace yq {

inline constexpr int kUserFieldLength = 40;

struct UserRecord {
    qint64 id = 0;  // position in file order (insertion order)
    QString user;   // "Name & Call", at most 40 characters, no trailing blanks
};

class UserFile {
public:
    // The file in `folder` (the working folder when empty).
    explicit UserFile(const QString& folder = {});
    ~UserFile();
    UserFile(const UserFile&) = delete;
    UserFile& operator=(const UserFile&) = delete;

    QString path() const;

    // Records in file (insertion) order and in key order, or why the file
    // cannot be read.
    Result<QList<UserRecord>> inFileOrder() const;
    Result<QList<UserRecord>> inKeyOrder() const;
    // First record in file order, if any.
    Result<std::optional<UserRecord>> first() const;

    // Add, change and delete. A text longer than 40 characters or with
    // control characters is refused (the problem says why); nothing is cut
    // silently.
    Result<> add(const QString& user);
    Result<> change(qint64 id, const QString& user);
    Result<> remove(qint64 id);

    // Reads the first record in file order into the record buffer; when the
    // file holds none, the buffer keeps what it held. Gives the buffer, or,
    // when the file cannot be read, why (the buffer is then unchanged).
    static Result<QString> readFirstIntoBuffer(const QString& folder, QString& buffer);

private:
    // Why a text does not fit the field (too long, control characters).
    static Result<> fits(const QString& user);
    QString folder_;
};

}  // namespace yq
