#include "links/LinkRules.h"

#include <QCoreApplication>

#include "platform/Launcher.h"

#include <algorithm>
#include <string>

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
    const platform::launch::Code* row = platform::launch::codeInfo(code);
    if (!row || row->text.empty()) row = platform::launch::codeInfo(platform::launch::Failed);
    return QCoreApplication::translate("LaunchCodes", std::string(row->text).c_str());
}

ShellErrorMessage shellErrorMessage(int code, const QString& file) {
    const QString number = QString::number(code);
    return {QStringLiteral("(") + number + QStringLiteral(") ") + shellErrorText(code) + file,
            QCoreApplication::translate("Links", kShellErrorCaption) + number};
}

}  // namespace yq::links
