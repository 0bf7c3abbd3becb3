// The two mails of the design windows, shown to the user in their mail
// program for sending:
//  - the report mail (email Report): the report document and the entries of
//    the attachment list, the export's HTML page as the body;
//  - the results mail (Email Results): the results table and the working
//    copy of the design, with high importance.
// Every mail is first saved as a MIME draft (".eml") in the export folder,
// so it is never lost, whatever the mail program does.
#pragma once

#include "platform/MailClient.h"
#include "platform/UserMessages.h"
#include "report/MailItem.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>

namespace yq::report {

// The maker's mailbox for design feedback: the recipient of both mails.
inline constexpr char kDesignFeedbackAddress[] = "design-feedback@yq-antenna.example";
// The mails' subjects, as the user reads them through mailText().
inline constexpr char kReportMailSubject[] = QT_TRANSLATE_NOOP("ReportMail", "Corvan, my YQ results are attached");
inline constexpr char kResultsMailSubject[] = QT_TRANSLATE_NOOP("ReportMail", "My Finished YQ Results");
inline QString mailText(const char* source) { return QCoreApplication::translate("ReportMail", source); }
// The export folder under the working folder.
inline constexpr char kExportFolderName[] = "VH";

// What the mail commands work with.
struct MailContext {
    QString workingFolder;                       // the current folder when empty
    platform::MailClient* client = nullptr;      // none: the draft alone is written
    platform::UserMessages* messages = nullptr;  // what the user is told; nothing when none
    std::function<QDateTime()> now;              // draft date and name; the clock when empty
};

// Shows the wait cursor while it lives (when the program has a GUI).
class ScopedWaitCursor {
public:
    ScopedWaitCursor();
    ~ScopedWaitCursor();
    ScopedWaitCursor(const ScopedWaitCursor&) = delete;
    ScopedWaitCursor& operator=(const ScopedWaitCursor&) = delete;

private:
    bool active_ = false;
};

// The working folder of `context` (the current folder when it names none).
QString workingFolderOf(const MailContext& context);
// The export folder: the working folder's "VH" (no trailing separator).
QString exportFolderPath(const QString& workingFolder);

struct MailOutcome {
    QString draftPath;
    Result<> draft = fail("The draft was not written.");  // the draft at draftPath, or why it is not there
    QStringList missingAttachments;                       // files that could not be attached
    platform::ComposeResult compose = fail("No mail program is available.");
};

// How many mails' drafts the export folder keeps: each is the whole mail
// (the report mail's is about the size of its document), so the folder
// keeps the recent mails only.
inline constexpr int kKeptDrafts = 10;

// Removes all but the `keep` newest drafts this program wrote in
// `exportFolder` ("report-mail-..." and "results-mail-...", newest by the
// date and time in their names) and their hand-over folders. Other files
// are never touched. `newest`, when given, is the draft just written: it is
// one of those kept whatever its name says. Returns the drafts removed.
QStringList pruneDrafts(const QString& exportFolder, int keep, const QString& newest = {});

// Saves `item` as a draft "<stem>-<date>-<time>.eml" in the export folder
// (never replacing an earlier draft; of the earlier ones, the newest
// kKeptDrafts - 1 stay), then opens it in the mail program.
// Blank attachments are left out; attachments whose files cannot be read
// are left out too, and the user is told which. When no mail program opens
// the mail, the user is told where the draft is.
MailOutcome presentMail(const MailItem& item, const QString& draftStem, const QString& htmlBodyFile,
                        MailContext& context);

// The report mail as the export hands it over.
struct ReportMailRequest {
    QString to = QString::fromLatin1(kDesignFeedbackAddress);
    QString cc;   // blank
    QString bcc;  // blank
    QString subject = mailText(kReportMailSubject);
    QString htmlPath;            // the export's HTML page, the mail body
    QString exportFolder;        // where the report document is
    QString documentName;        // "Report": the document is <export folder>/Report.RTF, shown as Report.rtf
    bool attachDocument = true;  // false when this export could not write the document
};

// The mail item of the report mail: the report document (when attached),
// then each non-blank entry of `attachmentList` under the name after its
// last separator.
MailItem reportMailItem(const ReportMailRequest& request, const QString& body, const QStringList& attachmentList);

// Result codes of the report mail.
namespace reportmail {
inline constexpr int Shown = 0;
inline constexpr int BodyNotRead = 1;  // the HTML page could not be read: no mail
}  // namespace reportmail

// Sends the report mail: reads the body from the HTML page (its lines
// without trailing blanks, joined), builds the item and presents it.
int sendReportMail(const ReportMailRequest& request, const QStringList& attachmentList, MailContext& context,
                   MailOutcome* outcome = nullptr);

// The results mail item for the given results table and working copy.
MailItem resultsMailItem(const QString& resultsPath, const QString& workingCopyPath);

// What a results mail leaves for the report mails after it: the results
// table they attach too (empty until the first Email Results).
struct PendingResultsMail {
    QString resultsFilePath;
};

// Email Results, after the window has written the working copy: sets the
// pending results file to `resultsPath` (so later report mails attach it
// too) and presents the mail with the results table and the working copy.
MailOutcome emailResults(const QString& resultsPath, const QString& workingCopyPath, PendingResultsMail& pending,
                         MailContext& context);

}  // namespace yq::report
