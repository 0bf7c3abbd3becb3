// The user's mail program, as far as the program needs it: open a compose
// window holding a prepared mail, which the user then sends (or not) from
// there. Nothing is ever sent without the user.
//
// The real client asks the desktop which program handles "mailto" and
// hands the mail to it in the way that program takes most of it:
//  - Thunderbird is handed the mail's saved draft, which it opens as an
//    unsent mail in a compose window with everything the draft holds:
//    recipients, subject, HTML body, importance and the attachments under
//    their names. Without a draft it is started with its -compose option,
//    which takes the recipients, the subject, the HTML body (from a file)
//    and every attachment, but no importance.
//  - Evolution is started with a mailto: URL whose "attach" fields name
//    the attachments (its Exec line, as the desktop starts it);
//  - KMail with --composer, -s, -c, -b, one --attach per file and the
//    address;
//  - Claws Mail with --compose and a mailto: URL, then --attach and the
//    files.
//    These three take recipients, subject and attachments, but no HTML body
//    and no importance.
//  - Any other registered program gets the mail through xdg-email
//    (recipients, subject, and attachments for the programs xdg-email knows
//    how to give them to; mailto: has no HTML body and no importance).
// Wherever the program may not take the whole mail (a body with visible
// content, or attachments through xdg-email), the result says so, and the
// caller tells the user that the complete mail is in the saved draft.
// Attachments handed over by path carry the file's own name, so where the
// mail names one differently (Report.RTF shown as Report.rtf), a second
// name of the file under the mail's name is handed over: it lies in a
// folder beside the draft named like the draft without ".eml". Without a registered
// program there is no compose window; the caller then points the user to the
// saved draft. Programs are started from argument lists, never through a
// shell.
#pragma once

#include "platform/DesktopHandlers.h"
#include "platform/Launcher.h"
#include "platform/MailMessage.h"

#include <QString>
#include <QStringList>

namespace yq::platform {

enum class MailProgram { None, Thunderbird, Evolution, KMail, ClawsMail, XdgEmail };

// A compose window that was asked for.
struct Composed {
    MailProgram program = MailProgram::None;  // what opened the compose window
    // What the compose window may lack of the mail (its HTML body, its
    // attachments), for the user; empty when it holds the whole mail.
    QString shortfall = {};
};
// The compose window, or why none was asked for (for the user).
using ComposeResult = Result<Composed>;

class MailClient {
public:
    virtual ~MailClient();
    // Opens a compose window with `item`. `htmlBodyFile`, when not empty, is
    // a file that holds the item's HTML body.
    virtual ComposeResult compose(const MailItem& item, const QString& htmlBodyFile) = 0;
};

class DesktopMailClient final : public MailClient {
public:
    DesktopMailClient(DesktopHandlers& handlers, Launcher& launcher);
    ComposeResult compose(const MailItem& item, const QString& htmlBodyFile) override;

private:
    ComposeResult viaXdgEmail(const MailItem& item);
    ComposeResult start(MailProgram program, const ExecCommand& command, const QStringList& args, const MailItem& item);

    DesktopHandlers& handlers_;
    Launcher& launcher_;
};

// The mail program a desktop entry starts, by its desktop file ID or the
// words of its Exec line (so also as a Flatpak): Thunderbird (or its Debian
// name Icedove), Evolution, KMail, Claws Mail; XdgEmail for any other.
MailProgram mailProgramOf(const DesktopEntry& entry);

// The program's name for the user ("Claws Mail").
QString mailProgramName(MailProgram program);

// Whether an HTML body shows anything: text other than blanks, or an image,
// once the markup is taken away. The report mail's white page shows
// nothing, so a program that cannot take it loses nothing.
bool htmlShowsContent(const QString& html);

// A mailto: URL with the address, cc, bcc and subject of the item, every
// value percent-encoded; with `attachFields`, one "attach" field per
// attachment holding its absolute path (as Evolution takes them).
QString mailtoUrl(const MailItem& item, bool attachFields);

// Evolution: the arguments its Exec line gets, the mailto: URL with the
// attachments.
QStringList evolutionArguments(const MailItem& item);

// KMail: --composer, -s SUBJECT, -c CC, -b BCC (when not blank), one
// --attach per attachment, then the address (as a mailto: URL when it
// would read as an option).
QStringList kmailArguments(const MailItem& item);

// Claws Mail: --compose and the mailto: URL, then --attach and every
// attachment's absolute path.
QStringList clawsMailArguments(const MailItem& item);

// The one argument after Thunderbird's -compose option:
//   to='..',cc='..',bcc='..',subject='..',format='html',message='/body.html',
//   attachment='file:///a,file:///b'
// Blank fields are left out; commas and quotes in file names are
// percent-encoded in the attachment URLs.
QString thunderbirdComposeArgument(const MailItem& item, const QString& htmlBodyFile);

// The arguments of xdg-email for the item: --utf8, --subject, --cc and
// --bcc when not blank, one --attach per attachment, then --to and the
// address.
QStringList xdgEmailArguments(const MailItem& item);

// The folder beside a draft that holds the attachments handed over under
// the mail's names: the draft's path without ".eml". Empty without a draft.
QString handOverFolder(const QString& draftFile);

// The item with each attachment whose file is named otherwise than the mail
// names it replaced by a second name of that file (a hard link, or a copy)
// in the draft's hand-over folder. Unchanged without a draft; an attachment
// that cannot be given its name keeps its path.
MailItem withHandOverNames(const MailItem& item);

}  // namespace yq::platform
