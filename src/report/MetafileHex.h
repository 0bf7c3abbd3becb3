// Page images as RTF picture data: the bytes of a placeable Windows metafile
// without its 22-byte placeable header, as upper-case hexadecimal digits,
// 128 digits (64 bytes) to a line.
#pragma once

#include "design/Result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace yq::report {

// Size of the placeable-metafile header, which RTF pictures do not take.
inline constexpr qsizetype kPlaceableHeaderSize = 22;
// Hexadecimal digits on one line of picture data.
inline constexpr qsizetype kHexDigitsPerLine = 128;

// Appends the hexadecimal text of `image` (a placeable metafile) to `out`:
// the first 22 bytes are skipped; every further byte gives two upper-case
// digits, high nibble first; CR LF follows every 128 digits. A last line
// shorter than 128 digits gets no CR LF. An image of 22 bytes or fewer
// gives nothing.
void appendMetafileHex(QByteArrayView image, QByteArray& out);

// What makes `image` no whole page image, in words for the user, or empty
// when nothing does: 22 bytes or fewer (no picture at all), or a metafile
// header whose size disagrees with the bytes there are (a copy cut short).
QString pageImageDamage(QByteArrayView image);

// The same for a page image file. Fails (and appends nothing) when the file
// cannot be opened or read, or is no whole page image (see
// pageImageDamage): a blank or half picture in the document would look like
// the report. The problem: "The page image <path> could not be read", and
// why.
Result<> appendMetafileHexFromFile(const QString& path, QByteArray& out);

}  // namespace yq::report
