// The HTML page of a report export: a small, empty white page that becomes
// the HTML body of the report mail.
//
// The page is a text file of lines, each ending with CR LF and written
// without trailing blanks. Every text but the last carries its own CR LF, so
// an empty line follows each of them; the last line, "</DIV></BODY></HTML>",
// has only its line end.
#pragma once

#include "design/Result.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace yq::report {

// A colour value 00BBGGRR (red in the low byte) as six upper-case
// hexadecimal digits in the order red, green, blue: 0000FF gives "FF0000".
// Only the low 24 bits count.
QString colourToHex(quint32 colour);

// The background the page gets for `colour`: white (FFFFFF) for 0 or below.
QString pageBackgroundHex(qint64 colour);

// The bytes of the page. `bodyLines` stand between the DIV tags, one line
// each (the report mail has none). Text is written in ISO 8859-1, as the
// page declares.
QByteArray htmlPageBytes(qint64 backgroundColour, const QStringList& bodyLines = {});

// Result codes of the writer, as the export reports them.
namespace html {
inline constexpr int Done = 0;
inline constexpr int NotOpened = 2;  // the file could not be created or written
}  // namespace html

// Creates the page's folder when needed and writes the page at `path`,
// replacing the file as a whole (a link there is replaced, not written
// through); an earlier page stays as it was when that fails (the code
// html::NotOpened).
Result<> writeHtmlPage(const QString& path, qint64 backgroundColour, const QStringList& bodyLines = {});

// The mail body made from a page file: its lines, each without trailing
// blanks, joined with nothing between them. Empty (and false) when the file
// cannot be read.
bool readHtmlBody(const QString& path, QString& body);

}  // namespace yq::report
