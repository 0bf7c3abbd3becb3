// The results table "YQ.csv": one row per saved design, appended under an
// exclusive lock, never re-created, never half-written.
#pragma once

#include "design/DesignRecord.h"
#include "design/Result.h"

#include <QString>
#include <QStringList>

namespace yq {

inline constexpr const char* kResultsFileName = "YQ.csv";

// Titles of the 36 value columns.
QStringList resultsTitles();

// Plain decimal text of a value: no trailing zeros or point ("120", "0.05", "-2.5").
QString plainDecimalText(const Decimal& value);

// The results file of `folder` (the working folder when empty): an existing
// file named "YQ.csv" in any case of letters, as a case-insensitive file
// system would find it, or else "YQ.csv" (the name to create).
QString resultsFilePath(const QString& folder = {});

// One CSV line (without its line end): fields quoted, quotes doubled,
// trailing blanks removed.
QByteArray csvLine(const QStringList& fields);

// The 37 fields of a design's row. The user text (field 37) is written so
// that a spreadsheet shows it as text: no control characters, and a text
// that would start a formula ("=", "+", "-", "@") with a leading apostrophe.
QStringList resultsRow(const DesignRecord& record, const QString& user);

// A row that was written.
struct Appended {
    bool created = false;  // the title line was written first
    QString warning;       // the row was written, but something went wrong after (flush to disk)
};
// The row written, or why it could not be.
using AppendResult = Result<Appended>;

// Appends the row for `record` to the results file at `path`, creating the
// file with its title line when it does not exist (the title line's last
// field is `titleLastField`). Waits up to `lockTimeoutMs` for another
// writer's lock. On failure nothing of the row is left in the file. A file
// whose last line has no line break gets one before the new row; no byte
// already in the file changes.
AppendResult appendResultsRow(const QString& path, const DesignRecord& record, const QString& user,
                              const QString& titleLastField = {}, int lockTimeoutMs = 5000);

namespace detail {
// The flush of the appended row to disk (fsync); replaceable in tests.
extern int (*resultsFileSync)(int);
}  // namespace detail

}  // namespace yq
