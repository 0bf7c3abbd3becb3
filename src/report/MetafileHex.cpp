#include "report/MetafileHex.h"

#include <QFile>

namespace yq::report {

void appendMetafileHex(QByteArrayView image, QByteArray& out)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    if (image.size() <= kPlaceableHeaderSize)
        return;
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

bool appendMetafileHexFromFile(const QString& path, QByteArray& out, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    const QByteArray image = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        return false;
    }
    appendMetafileHex(image, out);
    return true;
}

}  // namespace yq::report
