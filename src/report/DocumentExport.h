// The report document export: what the report does with its pages when it
// runs for the report mail instead of the print preview.
//
// Everything goes into the export folder "VH" of the working folder. With
// run number 37 and two pages, an export writes the page copies 371.wmf and
// 372.wmf, the HTML page vh37.html (the mail body), the RTF document 37.RTF
// (one metafile picture per page) and its copy under the document name,
// Report.RTF (the mail's attachment). After the mail has been handed to the
// mail program, the page copies and 37.RTF are deleted; vh37.html and
// Report.RTF stay.
#pragma once

#include "report/HtmlWriter.h"
#include "report/ResultsMail.h"
#include "report/RtfWriter.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace yq::report {

class RandomSource;

// Range of the run number.
inline constexpr int kRunNumberLow = 11;
inline constexpr int kRunNumberHigh = 99;
// What the export passes to the writers: a white page background
// (00BBGGRR), the picture scale 0 (meaning 100 %) and margins in twips.
inline constexpr quint32 kExportBackground = 0xFFFFFF;
inline constexpr int kExportPictureScale = 0;
inline constexpr int kExportLeftMargin = 500;
inline constexpr int kExportTopMargin = 500;
// The document name when none is set.
inline constexpr char kDefaultDocumentName[] = "Report";

struct ExportResult {
    int runNumber = 0;
    QString exportFolder;    // <working folder>/VH
    QStringList pageCopies;  // <export folder>/371.wmf, 372.wmf ...
    QString htmlPath;        // <export folder>/vh37.html
    QString rtfPath;         // <export folder>/37.RTF
    QString documentName;    // "Report"
    QString documentPath;    // <export folder>/Report.RTF
    // The HTML page; a failure's code is html::NotOpened.
    Result<> html = fail(html::NotOpened, "The HTML page was not written.");
    // The numbered RTF document; a failure's code is the RTF writer's.
    Result<> rtf = fail(rtf::NotWritten, "The document was not written.");
    // Report.RTF holds this export's pages, or why not (for the user).
    Result<> document = fail("The document was not written.");
    int mailCode = -1;        // the report mail's result; -1 when it did not run
    QString draftPath;        // the mail's draft, when it was written
    QStringList attachments;  // the attachment list the report mail took (the pending results file)
    QStringList bodyLines;    // the body lines the document took (none)
};

// What an export takes besides its pages.
struct ExportRequest {
    QString resultsFilePath;                          // the pending results mail's table; empty when none
    QString documentName = QStringLiteral("Report");  // the report document's name
};

class DocumentExport {
public:
    DocumentExport(QString workingFolder, RandomSource& random);

    // Draws the run number, copies the pages, writes the HTML page and the
    // RTF document and copies the document to its name. Deletes nothing.
    ExportResult write(const QList<QByteArray>& pages, const QString& documentName, const QStringList& bodyLines = {});

    // Deletes the page copies and the numbered RTF document; failures are
    // ignored.
    static void removeTemporaries(const ExportResult& result);

private:
    QString workingFolder_;
    RandomSource& random_;
};

// The whole export as the report runs it in place of its preview (the
// report then neither shows nor prints anything): the attachment list is
// the pending results file alone and the body lines are empty; writes the
// documents, tells the user when the report document could not be written,
// sends the report mail (without a stale or missing document; no mail at all
// when its HTML page cannot be read, which the user is told too), and
// deletes the temporary files. `pages` are placeable metafiles in page
// order.
ExportResult runDocumentExport(const QList<QByteArray>& pages, const ExportRequest& request, MailContext& context,
                               RandomSource& random);

}  // namespace yq::report
