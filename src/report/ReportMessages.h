// What the report, its export and the mails tell the user ("|" starts a
// new line; %1, %2 ... are filled in).
#pragma once

#include <QCoreApplication>
#include <QString>

namespace yq::report::messages {

// A text of this table as the user reads it.
inline QString text(const char* source) { return QCoreApplication::translate("ReportMessages", source); }

// The user file's own reason follows (it names the file).
inline constexpr char kUserFileUnreadable[] =
    QT_TRANSLATE_NOOP("ReportMessages",
                      "%1|The report lists its designers from the user file, so it is not printed.|"
                      "The user file is left as it is.");
inline constexpr char kDocumentNotWritten[] = QT_TRANSLATE_NOOP(
    "ReportMessages", "The report document could not be written.|%1|The mail opens without the report.");
inline constexpr char kMailNotPrepared[] =
    QT_TRANSLATE_NOOP("ReportMessages", "The report mail could not be prepared.|");
inline constexpr char kHtmlNotRead[] = QT_TRANSLATE_NOOP("ReportMessages", "%1 could not be read.");
inline constexpr char kNotAttached[] =
    QT_TRANSLATE_NOOP("ReportMessages", "These files could not be attached to the mail:|");
inline constexpr char kCopyNotSaved[] =
    QT_TRANSLATE_NOOP("ReportMessages", "A copy of the mail could not be saved as|%1:|%2");
inline constexpr char kMailSaved[] =
    QT_TRANSLATE_NOOP("ReportMessages", "%1|The mail is saved as|%2|Open it with your mail program to send it.");
inline constexpr char kMailNotSaved[] = QT_TRANSLATE_NOOP("ReportMessages", "%1|The mail could not be saved as|%2:|%3");
// The mail program opened the mail but cannot hold all of it (%1 says
// what it lacks); the draft does.
inline constexpr char kMailIncomplete[] = QT_TRANSLATE_NOOP(
    "ReportMessages", "%1|The complete mail is saved as|%2|Open that one with your mail program to send all of it.");
// The caption of the mails' notices.
inline constexpr char kSendEmailCaption[] = QT_TRANSLATE_NOOP("ReportMessages", "Send email");

}  // namespace yq::report::messages
