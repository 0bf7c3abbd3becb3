// The report document: an RTF file that holds every page of the report as a
// metafile picture, one full A4 page high each, so a word processor shows one
// page per picture. The bytes are fixed: a prologue (fonts, colours, styles,
// document information), the page size and margins, the section settings,
// then one picture group per page and the closing.
#pragma once

#include "files/AtomicFile.h"
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace yq::report {

class RandomSource;

// Range of the picture tag, drawn once per document; every picture of the
// document carries it.
inline constexpr qint64 kPictureTagLow = 1111111111;
inline constexpr qint64 kPictureTagHigh = 1410065407;

// The header: prologue, "\paperw11906\paperh16838", "\margl" and "\margt"
// with the margins in twips, and the section settings. It leaves two groups
// open, the document and the first text group.
QByteArray rtfHeader(int leftMargin, int topMargin);

// The scale as written after \picscalex and \picscaley: "100" for 0.
QByteArray rtfScaleText(int scale);

// Everything of one picture group before its hexadecimal data, up to and
// including the CR LF after the picture's unique id.
QByteArray rtfPictureStart(const QByteArray& scaleText, qint64 pictureTag);

// Closes a picture group and the current text group and opens the next
// text group.
inline constexpr char kRtfPictureEnd[] = "}}{\\insrsid13835495";
// Closes the last text group and the document.
inline constexpr char kRtfDocumentEnd[] = " \r\n\\par }}";

// Result codes of the writer.
namespace rtf {
inline constexpr int Done = 0;
inline constexpr int PageUnreadable = 1;  // a page image could not be read
inline constexpr int NotWritten = 2;      // no page, or the file could not be written
}  // namespace rtf

// The bytes written, or what went wrong (for the user) with its code:
// codeOr(result, rtf::Done).
using RtfResult = Result<QByteArray>;

// The whole document for the given page images (placeable metafiles) and
// picture tag.
QByteArray rtfDocument(const QList<QByteArray>& pageImages, int scale, int leftMargin, int topMargin,
                       qint64 pictureTag);

// Writes the document at `path` from the page image files, in order; the
// picture tag is drawn from `random` once the pages are there. No page
// gives NotWritten and no file. A page image that cannot be read, or that
// is no whole page image (cut short, or no picture at all), gives
// PageUnreadable: the file then holds the document up to that page. The
// file is replaced as a whole (a link there is replaced, not written
// through); when that fails (full disk, no folder) the result is
// NotWritten and an earlier file is left as it was.
RtfResult writeRtfDocument(const QString& path, const QStringList& pageImagePaths, int scale, int leftMargin,
                           int topMargin, RandomSource& random, Durability durability = Durability::Durable);

}  // namespace yq::report
