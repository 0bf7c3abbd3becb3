// Whole-file replacement: a file is either as it was or as it is meant to
// be, never half written, whatever happens during the write (full disk,
// size limit, the process killed).
//
// The bytes go to a temporary file in the same folder, are written out in
// full, flushed to disk and checked; only then is the temporary file renamed
// over the target. A symbolic link at the target is replaced by the new file,
// never written through. The new file keeps the permission bits of the file
// it replaces (a new file gets the usual 0666 less the umask).
//
// Temporary files are named ".<name>.yqtmp-<pid>-XXXXXX". Leftovers of a
// writer that no longer runs (killed between write and rename) are removed
// by the next replacement of the same file.
#pragma once

#include "design/Result.h"

#include <QByteArray>
#include <QString>

namespace yq {

// The text of a problem for the user, "what: reason" ("/a/726.ini could not
// be written: No space left on device").
inline QString problemText(const Problem& problem) { return QString::fromStdString(problem.text()); }

// Whether a replacement must survive a crash of the machine. A transient
// file (a step of a longer job that removes it again, such as the export's
// page copies) is still replaced whole, by a rename, so that no reader sees
// it half written, but is not flushed to the disk: a crash loses the job,
// not the file's earlier content, and each flush costs a disk's seek.
enum class Durability { Durable, Transient };

// Replaces the file at `path` with `bytes`. On failure the old file (or its
// absence) is left exactly as it was; the problem says what failed and the
// system's own words for it ("No space left on device").
Result<> replaceFile(const QString& path, const QByteArray& bytes, Durability durability = Durability::Durable);

// Removes the temporary files that earlier writers of `path` left behind
// when they were stopped before their rename. Files of writers that still
// run are kept. Called by replaceFile; exposed for tests.
void removeStaleTemporaries(const QString& path);

// Writes all of `bytes` to the open descriptor `fd`, going on after short
// writes and interruptions. On failure `error` holds the errno value.
bool writeAll(int fd, const QByteArray& bytes, int& error);

// The system's text for an errno value ("Permission denied").
QString systemErrorText(int error);

}  // namespace yq
