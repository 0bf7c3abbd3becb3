#include "platform/MailClient.h"

#include <QFileInfo>
#include <QUrl>

namespace yq::platform {

namespace {

const QString kMailtoType = QStringLiteral("x-scheme-handler/mailto");

bool namesThunderbird(const QString& text)
{
    const QString name = text.mid(text.lastIndexOf(QLatin1Char('/')) + 1).toLower();
    return name.contains(QLatin1String("thunderbird")) || name.contains(QLatin1String("icedove"));
}

// key='value'. Thunderbird's parser ends a quoted value at a quote followed
// by a comma or the end, so another quote character is taken when the value
// holds that sequence.
QString composeField(const QString& key, const QString& value)
{
    QChar quote = QLatin1Char('\'');
    if (value.contains(QLatin1String("',")) || value.endsWith(QLatin1Char('\'')))
        quote = QLatin1Char('"');
    return key + QLatin1Char('=') + quote + value + quote;
}

QString attachmentUrl(const QString& path)
{
    QString url = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString(QUrl::FullyEncoded);
    url.replace(QLatin1Char(','), QLatin1String("%2C"));
    url.replace(QLatin1Char('\''), QLatin1String("%27"));
    url.replace(QLatin1Char('"'), QLatin1String("%22"));
    return url;
}

bool blank(const QString& text)
{
    return text.trimmed().isEmpty();
}

}  // namespace

MailClient::~MailClient() = default;

bool isThunderbird(const DesktopEntry& entry)
{
    if (namesThunderbird(entry.id))
        return true;
    const auto words = splitExecLine(entry.exec);
    if (!words)
        return false;
    for (const ExecWord& word : *words) {
        if (namesThunderbird(word.text))
            return true;
    }
    return false;
}

QString thunderbirdComposeArgument(const report::MailItem& item, const QString& htmlBodyFile)
{
    QStringList fields;
    if (!blank(item.to))
        fields << composeField(QStringLiteral("to"), item.to.trimmed());
    if (!blank(item.cc))
        fields << composeField(QStringLiteral("cc"), item.cc.trimmed());
    if (!blank(item.bcc))
        fields << composeField(QStringLiteral("bcc"), item.bcc.trimmed());
    if (!blank(item.subject))
        fields << composeField(QStringLiteral("subject"), item.subject);
    if (!htmlBodyFile.isEmpty()) {
        fields << composeField(QStringLiteral("format"), QStringLiteral("html"));
        fields << composeField(QStringLiteral("message"), QFileInfo(htmlBodyFile).absoluteFilePath());
    }
    QStringList urls;
    for (const report::MailAttachment& attachment : item.attachments) {
        if (!blank(attachment.path))
            urls << attachmentUrl(attachment.path);
    }
    if (!urls.isEmpty())
        fields << composeField(QStringLiteral("attachment"), urls.join(QLatin1Char(',')));
    return fields.join(QLatin1Char(','));
}

QStringList xdgEmailArguments(const report::MailItem& item)
{
    QStringList args{QStringLiteral("--utf8")};
    if (!blank(item.subject))
        args << QStringLiteral("--subject") << item.subject;
    if (!blank(item.cc))
        args << QStringLiteral("--cc") << item.cc.trimmed();
    if (!blank(item.bcc))
        args << QStringLiteral("--bcc") << item.bcc.trimmed();
    for (const report::MailAttachment& attachment : item.attachments) {
        if (!blank(attachment.path))
            args << QStringLiteral("--attach") << QFileInfo(attachment.path).absoluteFilePath();
    }
    if (!blank(item.to))
        args << item.to.trimmed();
    return args;
}

DesktopMailClient::DesktopMailClient(DesktopHandlers& handlers, Launcher& launcher)
    : handlers_(handlers), launcher_(launcher)
{
}

ComposeResult DesktopMailClient::compose(const report::MailItem& item, const QString& htmlBodyFile)
{
    const HandlerLookup handler = handlers_.defaultHandler(kMailtoType);
    switch (handler.status) {
    case HandlerLookup::Status::NoHandler:
        return {MailProgram::None, false, QStringLiteral("No mail program is registered on this desktop.")};
    case HandlerLookup::Status::Broken:
        return {MailProgram::None, false,
                QStringLiteral("The registered mail program (%1) cannot be found.").arg(handler.id)};
    case HandlerLookup::Status::Unavailable:
        // The desktop cannot be asked; xdg-email may still find a program.
        return viaXdgEmail(item);
    case HandlerLookup::Status::Found:
        break;
    }

    if (isThunderbird(handler.entry)) {
        if (const auto command = expandExec(handler.entry, {})) {
            const QStringList args = command->arguments +
                                     QStringList{QStringLiteral("-compose"),
                                                 thunderbirdComposeArgument(item, htmlBodyFile)};
            if (launcher_.start(command->program, args).ok())
                return {MailProgram::Thunderbird, true, {}};
        }
    }
    return viaXdgEmail(item);
}

ComposeResult DesktopMailClient::viaXdgEmail(const report::MailItem& item)
{
    const LaunchResult started = launcher_.start(QStringLiteral("xdg-email"), xdgEmailArguments(item));
    if (started.ok())
        return {MailProgram::XdgEmail, true, {}};
    QString detail = QStringLiteral("The mail program could not be started");
    if (!started.detail.isEmpty())
        detail += QStringLiteral(": ") + started.detail;
    else if (started.code == launch::FileNotFound)
        detail += QStringLiteral(": xdg-email is not installed");
    return {MailProgram::None, false, detail + QLatin1Char('.')};
}

}  // namespace yq::platform
