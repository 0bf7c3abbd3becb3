#include "report/DocumentExport.h"
#include "files/Text.h"

#include "files/AtomicFile.h"
#include "report/HtmlWriter.h"
#include "report/RandomSource.h"
#include "report/ReportMessages.h"
#include "report/RtfWriter.h"

#include <QDir>
#include <QFile>

#include <optional>

namespace yq::report {

namespace {

QString trimmedDocumentName(const QString& name) {
    const QString text = withoutTrailingBlanks(name);
    return text.isEmpty() ? QString::fromLatin1(kDefaultDocumentName) : text;
}

}  // namespace

DocumentExport::DocumentExport(QString workingFolder, RandomSource& random)
    : workingFolder_(std::move(workingFolder)), random_(random) {}

ExportResult DocumentExport::write(const QList<QByteArray>& pages, const QString& documentName,
                                   const QStringList& bodyLines) {
    ExportResult result;
    result.runNumber = static_cast<int>(random_.between(kRunNumberLow, kRunNumberHigh));
    result.exportFolder = exportFolderPath(workingFolder_);
    const QString prefix = result.exportFolder + QLatin1Char('/');
    const QString run = QString::number(result.runNumber);

    // Page copies: run number, page number, ".wmf", each written whole or
    // not at all. The first failure is the reason the document is not
    // written; the RTF writer then finds that page missing or unreadable.
    // They and the numbered RTF are removed when the export is done, so
    // they are not flushed to the disk: only the document, the HTML page and
    // the draft are.
    std::optional<Problem> copyError;
    for (qsizetype i = 0; i < pages.size(); ++i) {
        QDir().mkpath(result.exportFolder);
        const QString copy = prefix + run + QString::number(i + 1) + QStringLiteral(".wmf");
        result.pageCopies << copy;
        const Result<> written = replaceFile(copy, pages.at(i), Durability::Transient);
        if (!written && !copyError) copyError = written.problem();
    }

    result.htmlPath = prefix + QStringLiteral("vh") + run + QStringLiteral(".html");
    if (const Result<> html = writeHtmlPage(result.htmlPath, kExportBackground, bodyLines); html) {
        result.html = {};
    } else {
        Problem problem = html.problem();
        problem.code = html::NotOpened;
        result.html = problem;
    }

    result.rtfPath = prefix + run + QStringLiteral(".RTF");
    result.documentName = trimmedDocumentName(documentName);
    result.documentPath = prefix + result.documentName + QStringLiteral(".RTF");
    const RtfResult rtf = writeRtfDocument(result.rtfPath, result.pageCopies, kExportPictureScale, kExportLeftMargin,
                                           kExportTopMargin, random_, Durability::Transient);
    if (!rtf) {
        result.rtf = rtf.problem();
        result.document = copyError ? *copyError : rtf.problem();
        return result;
    }
    result.rtf = {};
    // The copy under the document name: the bytes just written, replacing
    // the earlier document as a whole.
    result.document = replaceFile(result.documentPath, *rtf);
    return result;
}

void DocumentExport::removeTemporaries(const ExportResult& result) {
    for (const QString& copy : result.pageCopies) QFile::remove(copy);
    if (!result.rtfPath.isEmpty()) QFile::remove(result.rtfPath);
}

ExportResult runDocumentExport(const QList<QByteArray>& pages, const ExportRequest& exportRequest, MailContext& context,
                               RandomSource& random) {
    const QStringList attachments{exportRequest.resultsFilePath};
    const QStringList bodyLines;
    const ScopedWaitCursor wait;

    DocumentExport exporter(workingFolderOf(context), random);
    ExportResult result = exporter.write(pages, exportRequest.documentName, bodyLines);
    result.attachments = attachments;
    result.bodyLines = bodyLines;

    const auto tellError = [&context](const QString& text) {
        if (context.messages) context.messages->error(text);
    };
    // Told before the mail opens, so a mail without the report is no surprise.
    const QString documentError = result.document ? QString() : problemText(result.document.problem());
    if (!result.document && result.html) tellError(messages::text(messages::kDocumentNotWritten).arg(documentError));

    ReportMailRequest request;
    request.htmlPath = result.htmlPath;
    request.exportFolder = result.exportFolder;
    request.documentName = result.documentName;
    request.attachDocument = result.document.ok();
    MailOutcome outcome;
    result.mailCode = sendReportMail(request, attachments, context, &outcome);
    if (outcome.draft) result.draftPath = outcome.draftPath;

    if (result.mailCode == reportmail::BodyNotRead) {
        QString text = messages::text(messages::kMailNotPrepared);
        text += result.html ? messages::text(messages::kHtmlNotRead).arg(QDir::toNativeSeparators(result.htmlPath))
                            : problemText(result.html.problem());
        if (!result.document) text += QLatin1Char('|') + documentError;
        tellError(text);
    }

    DocumentExport::removeTemporaries(result);
    return result;
}

}  // namespace yq::report
