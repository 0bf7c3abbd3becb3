// The user's mail program, as far as the program needs it: open a compose
// window holding a prepared mail, which the user then sends (or not) from
// there. Nothing is ever sent without the user.
//
// The real client asks the desktop which program handles "mailto". When
// that is Thunderbird, it is handed the mail's saved draft, which it opens
// as an unsent mail in a compose window with everything the draft holds:
// recipients, subject, HTML body, importance and the attachments under
// their names. Without a draft it is started with its -compose option,
// which takes the recipients, the subject, the HTML body (from a file) and
// every attachment, but no importance (-compose has no such field). Any
// other registered program gets the mail through xdg-email (recipients,
// subject and attachments; mailto: has no HTML body and no importance).
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

enum class MailProgram { None, Thunderbird, XdgEmail };

struct ComposeResult {
    MailProgram program = MailProgram::None;  // what opened the compose window
    bool opened = false;                      // a compose window was asked for
    QString detail;                           // why none was, for the user
};

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

    DesktopHandlers& handlers_;
    Launcher& launcher_;
};

// Whether a desktop entry starts Thunderbird (also as a Flatpak or under
// its Debian name Icedove).
bool isThunderbird(const DesktopEntry& entry);

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
