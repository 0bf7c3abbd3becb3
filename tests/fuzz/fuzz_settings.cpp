// The settings reader: any "yq.INI" opens and closes without harm, holds no
// more entries than the file has lines, and what a run writes back reads in
// again as the same entries.
#include "FuzzSupport.h"
#include "LineSplit.h"

#include "files/SettingsFile.h"

namespace {

bool sameEntries(const QList<yq::SettingsEntry>& a, const QList<yq::SettingsEntry>& b) {
    if (a.size() != b.size()) return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (a[i].family != b[i].family || a[i].item != b[i].item || a[i].type != b[i].type) return false;
    return true;
}

QList<yq::SettingsEntry> openAndClose(const QString& path, const QByteArray& context) {
    yq::SettingsService service;
    service.open(path);
    const QList<yq::SettingsEntry> entries = service.entries();
    YQ_FUZZ_CHECK(service.close(), context);
    return entries;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = yq::fuzz::inputBytes(data, size);
    const QString path = yq::fuzz::scratchFile(QStringLiteral("yq.INI"));
    if (!yq::fuzz::writeBytes(path, bytes)) return 0;

    const QList<yq::SettingsEntry> first = openAndClose(path, bytes);
    // An entry is a line of the file: a count larger than that is not what
    // the file holds.
    YQ_FUZZ_CHECK(first.size() <= yq::fuzz::rawLines(bytes).size(),
                  "more entries than lines: " + QByteArray::number(first.size()));
    const QByteArray written = yq::fuzz::readBytes(path);
    // What is written back is in proportion to what was read.
    YQ_FUZZ_CHECK(
        written.size() <= bytes.size() + 64 + first.size() * (320 + 20),
        "the file grew from " + QByteArray::number(bytes.size()) + " to " + QByteArray::number(written.size()));

    const QList<yq::SettingsEntry> second = openAndClose(path, written);
    YQ_FUZZ_CHECK(second.size() == first.size(), written);
    const QList<yq::SettingsEntry> third = openAndClose(path, written);
    YQ_FUZZ_CHECK(sameEntries(second, third), written);
    YQ_FUZZ_CHECK(yq::fuzz::readBytes(path) == written, "a second run changed the file:\n" + written);
    return 0;
}
