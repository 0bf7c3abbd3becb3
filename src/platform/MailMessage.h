// A mail prepared for the user to send from their mail client: recipients,
// subject, HTML body, attachments and importance. Nothing here sends it;
// the mail client opens it in a compose window.
#pragma once

#include <QList>
#include <QString>

namespace yq::platform {

enum class MailImportance { Normal, High };

struct MailAttachment {
    QString path;         // the file to attach
    QString displayName;  // the name the mail shows for it
    friend bool operator==(const MailAttachment&, const MailAttachment&) = default;
};

struct MailItem {
    QString to;
    QString cc;   // blank: no CC recipient
    QString bcc;  // blank: no BCC recipient
    QString subject;
    QString htmlBody;
    QList<MailAttachment> attachments;
    MailImportance importance = MailImportance::Normal;
    // The item saved as a MIME draft (".eml"), when it was: a mail program
    // that opens drafts is handed this file, which holds the whole mail.
    QString draftFile;
};

}  // namespace yq::platform
