#include "report/ResultsMail.h"
#include "files/Text.h"

#include "report/HtmlWriter.h"
#include "report/ReportMessages.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#include <algorithm>

namespace yq::report {

namespace {

void tellError(const MailContext& context, const QString& text) {
    if (context.messages) context.messages->error(text);
}

QString native(const QString& path) { return QDir::toNativeSeparators(path); }

// A draft name that is not taken yet: "<stem>-yyyyMMdd-HHmmss.eml", with
// "-2", "-3" ... added when that exists already.
QString freeDraftPath(const QString& folder, const QString& stem, const QDateTime& when) {
    const QString base =
        folder + QLatin1Char('/') + stem + QLatin1Char('-') + when.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString path = base + QStringLiteral(".eml");
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = base + QLatin1Char('-') + QString::number(n) + QStringLiteral(".eml");
    return path;
}

// The names of the drafts this program writes: the mail's stem, the date
// and time, and a number when that second was taken already.
const QRegularExpression& draftName() {
    static const QRegularExpression pattern(
        QStringLiteral("^(?:report|results)-mail-(\\d{8}-\\d{6})(?:-(\\d{1,9}))?\\.eml$"));
    return pattern;
}

// Removes a draft's hand-over folder: the second names of its attachments
// (nothing else is put there; a folder holding more is left alone).
void removeHandOverFolder(const QString& folder) {
    QDir dir(folder);
    if (!QFileInfo(folder).isDir() || QFileInfo(folder).isSymLink()) return;
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) dir.remove(name);
    QDir().rmdir(folder);
}

}  // namespace

QStringList pruneDrafts(const QString& exportFolder, int keep, const QString& newest) {
    struct Draft {
        QString name;
        QString stamp;
        int number;
    };
    QList<Draft> drafts;
    const QDir dir(exportFolder);
    for (const QString& name : dir.entryList({QStringLiteral("*.eml")}, QDir::Files | QDir::Hidden)) {
        const QRegularExpressionMatch match = draftName().match(name);
        if (match.hasMatch() && dir.filePath(name) != newest)
            drafts.append({name, match.captured(1), match.captured(2).isEmpty() ? 1 : match.captured(2).toInt()});
    }
    // Newest first: by the date and time in the name, then by the number.
    std::sort(drafts.begin(), drafts.end(), [](const Draft& a, const Draft& b) {
        return a.stamp != b.stamp ? a.stamp > b.stamp : a.number > b.number;
    });
    QStringList removed;
    const qsizetype kept = std::max(0, newest.isEmpty() ? keep : keep - 1);
    for (qsizetype i = kept; i < drafts.size(); ++i) {
        const QString path = dir.filePath(drafts.at(i).name);
        if (!QFile::remove(path)) continue;
        removed << path;
        removeHandOverFolder(platform::handOverFolder(path));
    }
    return removed;
}

ScopedWaitCursor::ScopedWaitCursor() {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        active_ = true;
    }
}

ScopedWaitCursor::~ScopedWaitCursor() {
    if (active_) QGuiApplication::restoreOverrideCursor();
}

QString workingFolderOf(const MailContext& context) {
    return context.workingFolder.isEmpty() ? QDir::currentPath() : context.workingFolder;
}

QString exportFolderPath(const QString& workingFolder) {
    return QDir(workingFolder).absoluteFilePath(QString::fromLatin1(kExportFolderName));
}

MailOutcome presentMail(const MailItem& item, const QString& draftStem, const QString& htmlBodyFile,
                        MailContext& context) {
    MailOutcome outcome;
    const QDateTime when = context.now ? context.now() : QDateTime::currentDateTime();
    const QString folder = exportFolderPath(workingFolderOf(context));
    QDir().mkpath(folder);

    // Only files that can be read travel with the mail; the mail program
    // gets the same list as the draft.
    MailItem mail = item;
    const AttachmentCheck check = checkAttachments(item.attachments);
    mail.attachments = check.readable;
    outcome.missingAttachments = check.unreadable;

    outcome.draftPath = freeDraftPath(folder, draftStem, when);
    const DraftResult draft = writeMimeDraft(mail, outcome.draftPath, when);
    outcome.draft = draft.written;
    outcome.missingAttachments += draft.missingAttachments;

    if (!outcome.missingAttachments.isEmpty()) {
        QStringList names;
        for (const QString& path : outcome.missingAttachments) names << native(path);
        tellError(context, messages::text(messages::kNotAttached) + names.join(QLatin1Char('|')));
    }

    if (outcome.draft) {
        mail.draftFile = outcome.draftPath;
        pruneDrafts(folder, kKeptDrafts, outcome.draftPath);
    }
    if (context.client)
        outcome.compose = context.client->compose(mail, htmlBodyFile);
    else
        outcome.compose =
            fail(mailText(QT_TRANSLATE_NOOP("ReportMail", "No mail program is available.")).toStdString());

    const QString draftError = outcome.draft ? QString() : problemText(outcome.draft.problem());
    if (outcome.compose) {
        if (!outcome.draft)
            tellError(context, messages::text(messages::kCopyNotSaved).arg(native(outcome.draftPath), draftError));
        else if (!outcome.compose->shortfall.isEmpty() && context.messages)
            context.messages->information(
                messages::text(messages::kMailIncomplete).arg(outcome.compose->shortfall, native(outcome.draftPath)),
                messages::text(messages::kSendEmailCaption));
    } else if (outcome.draft) {
        const QString detail = problemText(outcome.compose.problem());
        if (context.messages)
            context.messages->information(messages::text(messages::kMailSaved).arg(detail, native(outcome.draftPath)),
                                          messages::text(messages::kSendEmailCaption));
    } else {
        tellError(context, messages::text(messages::kMailNotSaved)
                               .arg(problemText(outcome.compose.problem()), native(outcome.draftPath), draftError));
    }
    return outcome;
}

MailItem reportMailItem(const ReportMailRequest& request, const QString& body, const QStringList& attachmentList) {
    MailItem item;
    item.to = request.to;
    item.cc = request.cc;
    item.bcc = request.bcc;
    item.subject = withoutTrailingBlanks(request.subject);
    item.htmlBody = withoutTrailingBlanks(body);

    if (request.attachDocument) {
        item.attachments.append(
            {request.exportFolder + QLatin1Char('/') + request.documentName + QStringLiteral(".RTF"),
             request.documentName + QStringLiteral(".rtf")});
    }
    for (const QString& entry : attachmentList) {
        // A blank entry (no Email Results yet) is no attachment.
        if (entry.trimmed().isEmpty()) continue;
        item.attachments.append({entry, attachmentDisplayName(entry)});
    }
    return item;
}

int sendReportMail(const ReportMailRequest& request, const QStringList& attachmentList, MailContext& context,
                   MailOutcome* outcome) {
    QString body;
    if (!readHtmlBody(request.htmlPath, body)) return reportmail::BodyNotRead;
    const MailItem item = reportMailItem(request, body, attachmentList);
    const MailOutcome shown = presentMail(item, QStringLiteral("report-mail"), request.htmlPath, context);
    if (outcome) *outcome = shown;
    return reportmail::Shown;
}

MailItem resultsMailItem(const QString& resultsPath, const QString& workingCopyPath) {
    MailItem item;
    item.to = QString::fromLatin1(kDesignFeedbackAddress);
    item.subject = mailText(kResultsMailSubject);
    item.importance = MailImportance::High;
    item.attachments.append({resultsPath, attachmentDisplayName(resultsPath)});
    item.attachments.append({workingCopyPath, attachmentDisplayName(workingCopyPath)});
    return item;
}

MailOutcome emailResults(const QString& resultsPath, const QString& workingCopyPath, PendingResultsMail& pending,
                         MailContext& context) {
    const ScopedWaitCursor wait;
    pending.resultsFilePath = resultsPath;
    return presentMail(resultsMailItem(resultsPath, workingCopyPath), QStringLiteral("results-mail"), {}, context);
}

}  // namespace yq::report
