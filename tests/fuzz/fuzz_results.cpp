// The results appender: whatever the table holds (or when there is none),
// appending a row never changes an existing byte, and adds exactly one whole
// row (with the title line first for a new table), on a line of its own.
#include "FuzzSupport.h"

#include "files/ResultsFile.h"

#include <QList>

namespace {

using yq::Decimal;

const char* const kUsers[] = {"",
                              "Jo Builder W1XYZ",
                              "Say \"Hi\" K2QQ",
                              "trailing blanks   ",
                              "Ünïcødé Ørsted OZ1AB",
                              "1234567890123456789012345678901234567890",
                              "=HYPERLINK(\"http://x\",\"y\")",
                              "+1 -2 @3"};

// Fields of one CSV record in which every field is quoted; nothing when the
// text is not such a record.
std::optional<QList<QByteArray>> quotedFields(const QByteArray& line) {
    QList<QByteArray> fields;
    qsizetype i = 0;
    while (true) {
        if (i >= line.size() || line[i] != '"') return std::nullopt;
        ++i;
        QByteArray field;
        while (true) {
            if (i >= line.size()) return std::nullopt;
            if (line[i] == '"') {
                if (i + 1 < line.size() && line[i + 1] == '"') {
                    field += '"';
                    i += 2;
                    continue;
                }
                ++i;
                break;
            }
            field += line[i++];
        }
        fields.append(field);
        if (i == line.size()) return fields;
        if (line[i] != ',') return std::nullopt;
        ++i;
    }
}

// Plain text of a scaled value: no trailing zeros or point.
QByteArray plain(long long mantissa, int places) {
    QByteArray digits = QByteArray::number(mantissa < 0 ? -mantissa : mantissa).rightJustified(places + 1, '0');
    QByteArray text = digits.left(digits.size() - places);
    QByteArray fraction = digits.right(places);
    while (fraction.endsWith('0')) fraction.chop(1);
    if (!fraction.isEmpty()) text += '.' + fraction;
    return (mantissa < 0 ? "-" : "") + text;
}

// One line of the added text, checked as a record of 37 quoted fields.
QList<QByteArray> takeRecord(QByteArray& added, const QByteArray& context) {
    const qsizetype end = added.indexOf("\r\n");
    YQ_FUZZ_CHECK(end >= 0, "no CR LF after the row:\n" + context);
    const QByteArray line = added.left(end);
    added.remove(0, end + 2);
    YQ_FUZZ_CHECK(!line.contains('\r') && !line.contains('\n'), "a line break inside the row:\n" + context);
    const auto fields = quotedFields(line);
    YQ_FUZZ_CHECK(fields && fields->size() == 37, "not a row of 37 quoted fields:\n" + line);
    return *fields;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    yq::fuzz::Choices choices(data, size);
    const uint8_t how = choices.byte();
    const bool tableExists = (how & 1) != 0;
    const QString user = QString::fromUtf8(kUsers[(how >> 1) % std::size(kUsers)]);
    yq::DesignRecord record;
    const long long f = static_cast<int8_t>(choices.byte()) * 1000LL + choices.byte();
    const long long cd = static_cast<int8_t>(choices.byte()) * 100LL + choices.byte();
    record.F = Decimal::scaled(f, record.F.storage().places);
    record.CD = Decimal::scaled(cd, record.CD.storage().places);
    const QByteArray before = choices.rest();

    const QString path = yq::fuzz::scratchFile(QStringLiteral("YQ.csv"));
    QFile::remove(path);
    if (tableExists && !yq::fuzz::writeBytes(path, before)) return 0;

    const yq::AppendResult result = yq::appendResultsRow(path, record, user);
    const QByteArray after = yq::fuzz::readBytes(path);
    if (!result.ok()) {
        // Refusing a table is allowed for one that is not text; the table
        // then stays as it was and the user is told why.
        YQ_FUZZ_CHECK(tableExists && before.contains('\0'), QByteArray::fromStdString(result.problem().text()));
        YQ_FUZZ_CHECK(after == before && !result.problem().text().empty(), "a failed append changed the table");
        return 0;
    }
    const QByteArray old = tableExists ? before : QByteArray();
    YQ_FUZZ_CHECK(after.startsWith(old), "an existing byte changed:\n" + before + "\n---\n" + after);
    QByteArray added = after.mid(old.size());
    const QByteArray context = before + "\n---\n" + after;

    if (old.isEmpty()) {
        const QList<QByteArray> titles = takeRecord(added, context);
        YQ_FUZZ_CHECK(titles[0] == "Freq" && titles[35] == "Sc Wire Length" && titles[36].isEmpty(), context);
    } else if (!old.endsWith('\n') && !old.endsWith('\r')) {
        // The last line had no line end: the row starts on a line of its own.
        YQ_FUZZ_CHECK(added.startsWith("\r\n"), "the row is glued onto the last line:\n" + context);
        added.remove(0, 2);
    } else if (old.endsWith('\r') && added.startsWith("\r\n")) {
        added.remove(0, 2);
    }
    const QList<QByteArray> row = takeRecord(added, context);
    YQ_FUZZ_CHECK(added.isEmpty(), "more than one row added:\n" + context);
    YQ_FUZZ_CHECK(row[0] == plain(record.F.mantissa(), record.F.storage().places), row[0]);
    YQ_FUZZ_CHECK(row[2] == plain(record.CD.mantissa(), record.CD.storage().places), row[2]);
    QString expectedUser = user;
    while (expectedUser.endsWith(u' ')) expectedUser.chop(1);
    const QString written = QString::fromUtf8(row[36]);
    // A text a spreadsheet would run as a formula may be written in its
    // neutral form (with a prefix); the name itself stays.
    YQ_FUZZ_CHECK(
        written == expectedUser || (written.endsWith(expectedUser) && written.size() <= expectedUser.size() + 1 &&
                                    QStringLiteral("=+-@").contains(expectedUser.left(1))),
        row[36]);
    return 0;
}
