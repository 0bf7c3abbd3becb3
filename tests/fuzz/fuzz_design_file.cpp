// The design-file reader: any file reads without harm; the same text with
// other line ends (CR LF, LF, CR) or a byte-order mark (UTF-8, UTF-16) reads
// as the same design; and a design written over the file reads back exactly.
#include "FuzzSupport.h"

#include "files/DesignFile.h"

#include <QStringEncoder>

namespace {

using yq::DesignRecord;

struct Reading {
    DesignRecord record;
    long long metric = 0;
};

Reading readBytesAsDesign(const QByteArray& bytes) {
    const QString path = yq::fuzz::scratchFile(QStringLiteral("726.ini"));
    Reading r;
    if (!yq::fuzz::writeBytes(path, bytes)) yq::fuzz::fail("scratch file not written");
    r.metric = yq::readDesignFile(path, r.record).value();
    return r;
}

// The fields a design window reads back (all but PCWD), and the unit system.
bool sameDesign(const Reading& a, const Reading& b) {
    if (a.metric != b.metric) return false;
    for (const yq::KeyInfo& info : yq::designFileKeys()) {
        if (info.key == "PCWD") continue;
        if ((a.record.*info.member).mantissa() != (b.record.*info.member).mantissa()) return false;
    }
    return true;
}

QByteArray describe(const Reading& r) {
    QByteArray text = "metric=" + QByteArray::number(r.metric);
    for (const yq::KeyInfo& info : yq::designFileKeys())
        text += ' ' + QByteArray(info.key.data(), info.key.size()) + '=' +
                QByteArray::fromStdString((r.record.*info.member).text());
    return text;
}

QByteArray encoded(const QString& text, QStringConverter::Encoding encoding) {
    QStringEncoder encoder(encoding, QStringConverter::Flag::WriteBom);
    return encoder(text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = yq::fuzz::inputBytes(data, size);
    const Reading original = readBytesAsDesign(bytes);
    (void)yq::unitReaction(yq::UnitSystem::Imperial, original.metric);
    (void)yq::unitReaction(yq::UnitSystem::Metric, original.metric);

    // Single-byte text only: a text that starts with a UTF-16 mark is read as
    // UTF-16, and is no longer that text once a UTF-8 mark stands before it.
    const bool utf16Mark = bytes.startsWith("\xFE\xFF") || bytes.startsWith("\xFF\xFE") ||
                           bytes.startsWith("\xEF\xBB\xBF\xFE\xFF") || bytes.startsWith("\xEF\xBB\xBF\xFF\xFE");
    if (!bytes.contains('\0') && !utf16Mark) {
        QByteArray lf = bytes;
        lf.replace("\r\n", "\n").replace('\r', '\n');
        if (lf.startsWith("\xEF\xBB\xBF")) lf.remove(0, 3);
        QByteArray crlf = lf;
        crlf.replace("\n", "\r\n");
        QByteArray cr = lf;
        cr.replace('\n', '\r');
        for (const QByteArray& variant : {lf, crlf, cr, QByteArray("\xEF\xBB\xBF") + lf}) {
            const Reading other = readBytesAsDesign(variant);
            YQ_FUZZ_CHECK(sameDesign(original, other),
                          "the same text with other line ends or a BOM reads differently:\n" + variant + "\n" +
                              describe(original) + "\n" + describe(other));
        }
        const QString text = QString::fromUtf8(lf);
        if (text.toUtf8() == lf) {
            for (auto encoding : {QStringConverter::Utf16LE, QStringConverter::Utf16BE}) {
                const Reading other = readBytesAsDesign(encoded(text, encoding));
                YQ_FUZZ_CHECK(sameDesign(original, other), "the UTF-16 form of the text reads differently:\n" + lf +
                                                               "\n" + describe(original) + "\n" + describe(other));
            }
        }
    }

    // A design saved over the file (whatever else it holds) reads back as
    // saved, unit system included.
    const QString path = yq::fuzz::scratchFile(QStringLiteral("726.ini"));
    YQ_FUZZ_CHECK(yq::fuzz::writeBytes(path, bytes), QByteArray());
    Reading saved;
    saved.record = original.record;
    saved.metric = 0;
    YQ_FUZZ_CHECK(yq::writeDesignFile(path, saved.record, QStringLiteral("0")), bytes);
    Reading back;
    back.metric = yq::readDesignFile(path, back.record).value();
    YQ_FUZZ_CHECK(sameDesign(saved, back), "a saved design reads back differently:\n" + yq::fuzz::readBytes(path) +
                                               "\n" + describe(saved) + "\n" + describe(back));
    return 0;
}
