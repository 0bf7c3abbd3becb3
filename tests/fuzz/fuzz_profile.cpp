// The INI layer: any file reads without harm, and writing one key changes
// that key's line (or adds it, with its section when missing) and nothing
// else: every other line keeps its bytes and its line end.
#include "FuzzSupport.h"
#include "LineSplit.h"

#include "files/PrivateProfile.h"

namespace {

using yq::fuzz::hasLineEnd;
using yq::fuzz::rawLines;
using yq::fuzz::withoutLineEnd;

const char* const kSections[] = {"YQ", "yq", "__Dont_Touch_Me__", "New Section"};
const char* const kKeys[] = {"F", "cd", "Metric", "Sectors", "Sectors_1", "NEWKEY"};
const char* const kValues[] = {"7.15", "0", "", "a,b,c"};

bool sameName(const QByteArray& a, const char* b) {
    return QString::fromUtf8(a.trimmed()).compare(QString::fromUtf8(b), Qt::CaseInsensitive) == 0;
}

// A line "key=value" for this key and value (blanks around either allowed).
bool isKeyLine(const QByteArray& line, const char* key, const char* value) {
    const QByteArray text = withoutLineEnd(line);
    const qsizetype eq = text.indexOf('=');
    return eq > 0 && sameName(text.left(eq), key) && text.mid(eq + 1).trimmed() == QByteArray(value);
}

bool isHeader(const QByteArray& line, const char* section) {
    const QByteArray text = withoutLineEnd(line).trimmed();
    return text.startsWith('[') && text.endsWith(']') && sameName(text.mid(1, text.size() - 2), section);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    yq::fuzz::Choices choices(data, size);
    const char* section = kSections[choices.byte() % std::size(kSections)];
    const char* key = kKeys[choices.byte() % std::size(kKeys)];
    const char* value = kValues[choices.byte() % std::size(kValues)];
    const QByteArray before = choices.rest();
    const QString path = yq::fuzz::scratchFile(QStringLiteral("profile.ini"));
    if (!yq::fuzz::writeBytes(path, before)) return 0;

    yq::ProfileFile file;
    file.load(path);
    for (const char* s : kSections)
        for (const char* k : kKeys) (void)file.value(QString::fromLatin1(s), QString::fromLatin1(k));
    file.setValue(QString::fromLatin1(section), QString::fromLatin1(key), QString::fromLatin1(value));
    YQ_FUZZ_CHECK(file.save(), before);
    const QByteArray after = yq::fuzz::readBytes(path);

    // What was written reads back.
    const yq::ProfileFile reread(path);
    YQ_FUZZ_CHECK(reread.value(QString::fromLatin1(section), QString::fromLatin1(key)) == QString::fromLatin1(value),
                  after);

    // Byte preservation, for files of single-byte text (UTF-16 files are
    // rewritten in their own encoding and checked by reading back only).
    if (before.contains('\0') || before.startsWith("\xFF\xFE") || before.startsWith("\xFE\xFF")) return 0;
    const QList<QByteArray> old = rawLines(before);
    const QList<QByteArray> now = rawLines(after);
    qsizetype head = 0;
    while (head < old.size() && head < now.size() && old[head] == now[head]) ++head;
    qsizetype tail = 0;
    // Lines appended after a last line without a line end: that line is the
    // one that changed (it gained its end), even when the new last line
    // happens to read like it.
    const bool appendedAfterOpenLast = !old.isEmpty() && !hasLineEnd(old.last()) && head == old.size() - 1 &&
                                       now.size() > old.size() && hasLineEnd(now[head]) &&
                                       withoutLineEnd(now[head]) == old.last();
    while (!appendedAfterOpenLast && tail < old.size() - head && tail < now.size() - head &&
           old[old.size() - 1 - tail] == now[now.size() - 1 - tail])
        ++tail;
    const QList<QByteArray> removed = old.mid(head, old.size() - head - tail);
    QList<QByteArray> added = now.mid(head, now.size() - head - tail);
    if (removed.isEmpty() && added.isEmpty()) return 0;  // the key held that value already
    if (removed.size() == 1 && added.size() == 1) {
        // The key's line rewritten in place, with the line end it had.
        YQ_FUZZ_CHECK(isKeyLine(added[0], key, value), before + "\n---\n" + after);
        const QByteArray oldLine = withoutLineEnd(removed[0]);
        YQ_FUZZ_CHECK(oldLine.indexOf('=') > 0 && sameName(oldLine.left(oldLine.indexOf('=')), key),
                      "another line rewritten:\n" + before + "\n---\n" + after);
        YQ_FUZZ_CHECK(
            hasLineEnd(removed[0]) == hasLineEnd(added[0]) &&
                removed[0].mid(withoutLineEnd(removed[0]).size()) == added[0].mid(withoutLineEnd(added[0]).size()),
            "line end of the rewritten line changed:\n" + before + "\n---\n" + after);
        return 0;
    }
    // A new line (after the section's header or last key), with the header
    // when the section is new. A last line without a line end may gain one
    // when the new line follows it.
    if (removed.size() == 1) {
        YQ_FUZZ_CHECK(head + 1 == old.size() && !hasLineEnd(removed[0]) && !added.isEmpty() &&
                          withoutLineEnd(added[0]) == removed[0] && hasLineEnd(added[0]),
                      "lines changed:\n" + before + "\n---\n" + after);
        added.removeFirst();
    } else {
        YQ_FUZZ_CHECK(removed.isEmpty(), "lines changed:\n" + before + "\n---\n" + after);
    }
    YQ_FUZZ_CHECK(added.size() == 1 || added.size() == 2, "lines changed:\n" + before + "\n---\n" + after);
    YQ_FUZZ_CHECK(isKeyLine(added.last(), key, value), before + "\n---\n" + after);
    if (added.size() == 2) YQ_FUZZ_CHECK(isHeader(added[0], section), before + "\n---\n" + after);
    return 0;
}
