// The rules of the link service that need no window: which addresses are
// mail addresses, how the mail command is formed, when the browser is
// started directly, and the texts of launch failures.
#pragma once

#include <QCoreApplication>
#include <QString>

namespace yq::links {

// The web address of the users' discussion group, opened by each design
// window's "YQ Forum" button.
inline constexpr const char* kForumAddress = "https://forum.example.org/yq/";

// Caption of launch-failure messages: "Shell Execute Error:" + code.
inline constexpr const char* kShellErrorCaption = QT_TRANSLATE_NOOP("Links", "Shell Execute Error:");

// A mail address contains "@" and does not begin with a web scheme
// ("http://" or "https://", in any case). "http://host/a@b" is a web address.
bool isMailAddress(const QString& url);

// True when `url` begins with "http://" or "https://" (any case).
bool hasWebScheme(const QString& url);

// "mailto:" + url, unless the url already contains "mailto:" (any case).
QString mailCommand(const QString& url);

// The command cut so that command + mail program command fit in
// `maxLength`; unchanged when maxLength is 0 or less (no limit) or when
// they already fit.
QString limitMailCommand(const QString& command, int maxLength, int mailProgramLength);

// The limit of a command line on this platform, used when a caller passes
// -1 ("find out"); 0 means no limit.
int platformCommandLimit();

// A browser command that holds a quoted program path ("\"/opt/b/b\" -x %u")
// is cut to that path, both quotes included; any other command is kept whole.
QString quotedProgramPart(const QString& command);

// The browser is started directly, with the address as its argument, only
// when its command names "iexplore" (any case) and the address begins with
// "www." or "http:" (or "https:"). Any other address goes to the desktop's
// opener.
bool startsBrowserDirectly(const QString& browserCommand, const QString& url);

// The explanation of a launch result code (2 = "The specified file was not
// found. File:|" ...); every text ends with "File:|".
QString shellErrorText(int code);

struct ShellErrorMessage {
    QString text;     // "(" + code + ") " + explanation + file; "|" breaks lines
    QString caption;  // "Shell Execute Error:" + code
};
ShellErrorMessage shellErrorMessage(int code, const QString& file);

}  // namespace yq::links
