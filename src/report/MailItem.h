// A mail prepared for the user to send from their mail client, and its
// standard MIME form: the draft file (".eml") that keeps the mail whatever
// the mail client does with it.
#pragma once

#include "design/Result.h"
#include "platform/MailMessage.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

namespace yq::report {

// The mail itself is the platform's type: the mail client takes it as it is.
using platform::MailAttachment;
using platform::MailImportance;
using platform::MailItem;

// The attachment name for a path: the text after its last "/" or "\", or
// the whole text when it has none.
QString attachmentDisplayName(const QString& path);

// Splits the item's attachments into the files that can be read and the
// paths that cannot (missing or unreadable); blank paths are in neither.
struct AttachmentCheck {
    QList<MailAttachment> readable;
    QStringList unreadable;
};
AttachmentCheck checkAttachments(const QList<MailAttachment>& attachments);

struct DraftResult {
    QStringList missingAttachments;  // attachments left out: their files could not be read
    Result<> written;                // the draft file, or why it was not written
};

// The MIME form of the item: multipart/mixed with the HTML body
// (text/html, UTF-8) and one part per attachment that can be read, each
// named by its display name; headers Date, To, Cc and Bcc (when not
// blank), Subject, "X-Unsent: 1", and "Importance: High" with
// "X-Priority: 1" for high importance. Lines end with CR LF; header texts
// outside ASCII are encoded (RFC 2047 and RFC 2231). The body is in base64;
// an attachment of 7-bit text (the RTF document, whose pictures are
// hexadecimal text) is quoted-printable, byte for byte, which keeps the
// draft about the size of the document; other attachments are in base64.
QByteArray mimeDraftBytes(const MailItem& item, const QDateTime& date, QStringList* missingAttachments = nullptr);

// Writes the draft at `path` (replacing the file as a whole), creating its
// folder when needed.
DraftResult writeMimeDraft(const MailItem& item, const QString& path,
                           const QDateTime& date = QDateTime::currentDateTime());

}  // namespace yq::report
