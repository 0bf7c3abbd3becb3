#include "report/MetafileHex.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QtEndian>

namespace yq::report {

void appendMetafileHex(QByteArrayView image, QByteArray& out) {
    static constexpr char digits[] = "0123456789ABCDEF";
    if (image.size() <= kPlaceableHeaderSize) return;
    const QByteArrayView body = image.sliced(kPlaceableHeaderSize);
    constexpr qsizetype bytesPerLine = kHexDigitsPerLine / 2;
    const qsizetype lines = body.size() / bytesPerLine;
    out.reserve(out.size() + body.size() * 2 + lines * 2);

    qsizetype onLine = 0;
    for (const char c : body) {
        const auto byte = static_cast<unsigned char>(c);
        out.append(digits[byte >> 4]);
        out.append(digits[byte & 0x0F]);
        if (++onLine == bytesPerLine) {
            out.append("\r\n", 2);
            onLine = 0;
        }
    }
}

QString pageImageDamage(QByteArrayView image) {
    if (image.size() <= kPlaceableHeaderSize)
        return QCoreApplication::translate("ReportFiles", "it holds no picture (%1 bytes)").arg(image.size());
    const QByteArrayView body = image.sliced(kPlaceableHeaderSize);
    constexpr qsizetype metaHeaderSize = 18;
    if (body.size() < metaHeaderSize) return {};
    const auto* data = reinterpret_cast<const uchar*>(body.data());
    const quint16 type = qFromLittleEndian<quint16>(data);
    const quint16 headerWords = qFromLittleEndian<quint16>(data + 2);
    if ((type != 1 && type != 2) || headerWords != 9) return {};  // no metafile header to check against
    // The metafile's own size, in 16-bit words; some writers count the
    // placeable header too.
    const qint64 declared = qint64(qFromLittleEndian<quint32>(data + 6)) * 2;
    if (declared == body.size() || declared == image.size()) return {};
    return QCoreApplication::translate("ReportFiles", "it is cut short (%1 of %2 bytes)")
        .arg(body.size())
        .arg(declared);
}

Result<> appendMetafileHexFromFile(const QString& path, QByteArray& out) {
    const auto unreadable = [&path](const QString& why) {
        return fail(QCoreApplication::translate("ReportFiles", "The page image %1 could not be read")
                        .arg(QDir::toNativeSeparators(path))
                        .toStdString(),
                    why.toStdString());
    };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return unreadable(file.errorString());
    const QByteArray image = file.readAll();
    if (file.error() != QFileDevice::NoError) return unreadable(file.errorString());
    const QString damage = pageImageDamage(image);
    if (!damage.isEmpty()) return unreadable(damage);
    appendMetafileHex(image, out);
    return {};
}

}  // namespace yq::report
