#include "links/LinkRules.h"

#include <algorithm>

namespace yq::links {

bool hasWebScheme(const QString& url) {
    return url.startsWith(QLatin1String("http://"), Qt::CaseInsensitive) ||
           url.startsWith(QLatin1String("https://"), Qt::CaseInsensitive);
}

bool isMailAddress(const QString& url) { return url.contains(QLatin1Char('@')) && !hasWebScheme(url); }

QString mailCommand(const QString& url) {
    if (url.contains(QLatin1String("mailto:"), Qt::CaseInsensitive)) return url;
    return QStringLiteral("mailto:") + url;
}

QString limitMailCommand(const QString& command, int maxLength, int mailProgramLength) {
    if (maxLength <= 0 || command.size() + mailProgramLength <= maxLength) return command;
    return command.left(std::max(0, maxLength - mailProgramLength));
}

int platformCommandLimit() { return 0; }

QString quotedProgramPart(const QString& command) {
    const qsizetype first = command.indexOf(QLatin1Char('"'));
    if (first < 0) return command;
    const qsizetype second = command.indexOf(QLatin1Char('"'), first + 1);
    if (second < 0) return command;
    return command.mid(first, second - first + 1);
}

bool startsBrowserDirectly(const QString& browserCommand, const QString& url) {
    if (!browserCommand.contains(QLatin1String("iexplore"), Qt::CaseInsensitive)) return false;
    return url.startsWith(QLatin1String("www."), Qt::CaseInsensitive) ||
           url.startsWith(QLatin1String("http:"), Qt::CaseInsensitive) ||
           url.startsWith(QLatin1String("https:"), Qt::CaseInsensitive);
}

QString shellErrorText(int code) {
    switch (code) {
        case 32:
            return QStringLiteral("The specified dynamic-link library was not found. File:|");
        case 31:
            return QStringLiteral("There is no application associated with the given file name extension. File:|");
        case 30:
            return QStringLiteral(
                "The DDE transaction could not be completed because other DDE transactions were being processed. "
                "File:|");
        case 29:
            return QStringLiteral("The DDE transaction failed. File:|");
        case 28:
            return QStringLiteral("The DDE transaction could not be completed because the request timed out. File:|");
        case 27:
            return QStringLiteral("The file name association is incomplete or invalid. File:|");
        case 26:
            return QStringLiteral("A sharing violation occurred. File:|");
        case 11:
            return QString::fromUtf8("The .exe file is invalid (non-Win32\u00ae .exe or error in .exe image). File:|");
        case 8:
            return QStringLiteral("There was not enough memory to complete the operation. File:|");
        case 5:
            return QStringLiteral("The operating system denied access to the specified file. File:|");
        case 3:
            return QStringLiteral("The specified path was not found. File:|");
        case 2:
            return QStringLiteral("The specified file was not found. File:|");
        case 0:
            return QStringLiteral("The Operating system is out of memory/resources. File:|");
        default:
            return QStringLiteral("Unknown ShellExecute Error occured. File:|");
    }
}

ShellErrorMessage shellErrorMessage(int code, const QString& file) {
    const QString number = QString::number(code);
    return {QStringLiteral("(") + number + QStringLiteral(") ") + shellErrorText(code) + file,
            QLatin1String(kShellErrorCaption) + number};
}

}  // namespace yq::links
