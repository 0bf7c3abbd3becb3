#include "platform/MailClient.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <unistd.h>

namespace yq::platform {

namespace {

const QString kMailtoType = QStringLiteral("x-scheme-handler/mailto");

bool namesThunderbird(const QString& text)
{
    const QString name = text.mid(text.lastIndexOf(QLatin1Char('/')) + 1).toLower();
    return name.contains(QLatin1String("thunderbird")) || name.contains(QLatin1String("icedove"));
}

// One field of the -compose argument. Thunderbird ends a quoted value at
// its quote character followed by a comma or the end of the argument; a
// value in single quotes is taken as it stands, one in double quotes is
// percent-decoded. So single quotes hold any value without "',"; a value
// with "'," goes in double quotes with "%" and '"' percent-encoded, which
// leaves no quote-comma inside it.
QString composeField(const QString& key, const QString& value)
{
    if (!value.contains(QLatin1String("',")))
        return key + QStringLiteral("='") + value + QLatin1Char('\'');
    QString encoded = value;
    encoded.replace(QLatin1Char('%'), QLatin1String("%25"));
    encoded.replace(QLatin1Char('"'), QLatin1String("%22"));
    return key + QStringLiteral("=\"") + encoded + QLatin1Char('"');
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

QString thunderbirdComposeArgument(const MailItem& item, const QString& htmlBodyFile)
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
    for (const MailAttachment& attachment : item.attachments) {
        if (!blank(attachment.path))
            urls << attachmentUrl(attachment.path);
    }
    if (!urls.isEmpty())
        fields << composeField(QStringLiteral("attachment"), urls.join(QLatin1Char(',')));
    return fields.join(QLatin1Char(','));
}

QStringList xdgEmailArguments(const MailItem& item)
{
    QStringList args{QStringLiteral("--utf8")};
    if (!blank(item.subject))
        args << QStringLiteral("--subject") << item.subject;
    if (!blank(item.cc))
        args << QStringLiteral("--cc") << item.cc.trimmed();
    if (!blank(item.bcc))
        args << QStringLiteral("--bcc") << item.bcc.trimmed();
    for (const MailAttachment& attachment : item.attachments) {
        if (!blank(attachment.path))
            args << QStringLiteral("--attach") << QFileInfo(attachment.path).absoluteFilePath();
    }
    // As the value of --to, an address can never be read as an option or
    // as a whole mailto: URL of its own.
    if (!blank(item.to))
        args << QStringLiteral("--to") << item.to.trimmed();
    return args;
}

QString handOverFolder(const QString& draftFile)
{
    if (draftFile.isEmpty())
        return {};
    const QFileInfo draft(draftFile);
    return draft.absolutePath() + QLatin1Char('/') + draft.completeBaseName();
}

MailItem withHandOverNames(const MailItem& item)
{
    MailItem handed = item;
    const QString folder = handOverFolder(item.draftFile);
    if (folder.isEmpty())
        return handed;
    for (MailAttachment& attachment : handed.attachments) {
        const QString& name = attachment.displayName;
        if (blank(attachment.path) || name.isEmpty() || name == QFileInfo(attachment.path).fileName())
            continue;
        // Only a plain file name can be handed over under its name.
        if (name.contains(QLatin1Char('/')) || name == QLatin1String(".") || name == QLatin1String(".."))
            continue;
        if (!QDir().mkpath(folder))
            continue;
        const QString target = folder + QLatin1Char('/') + name;
        const QByteArray from = QFile::encodeName(QFileInfo(attachment.path).absoluteFilePath());
        const QByteArray to = QFile::encodeName(target);
        ::unlink(to.constData());
        // A second name of the same file costs no space; where the file
        // system has none, a copy.
        if (::link(from.constData(), to.constData()) == 0 || QFile::copy(attachment.path, target))
            attachment.path = target;
    }
    return handed;
}

DesktopMailClient::DesktopMailClient(DesktopHandlers& handlers, Launcher& launcher)
    : handlers_(handlers), launcher_(launcher)
{
}

ComposeResult DesktopMailClient::compose(const MailItem& item, const QString& htmlBodyFile)
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

    const MailItem handed = withHandOverNames(item);
    if (isThunderbird(handler.entry)) {
        if (const auto command = expandExec(handler.entry, {})) {
            // The saved draft holds the whole mail (importance and the
            // attachments' names too); Thunderbird opens a draft marked
            // unsent in a compose window. Without a draft, -compose takes
            // what it can: recipients, subject, body and attachments.
            const QStringList args =
                command->arguments +
                (item.draftFile.isEmpty()
                     ? QStringList{QStringLiteral("-compose"), thunderbirdComposeArgument(handed, htmlBodyFile)}
                     : QStringList{QFileInfo(item.draftFile).absoluteFilePath()});
            if (launcher_.start(command->program, args).ok())
                return {MailProgram::Thunderbird, true, {}};
        }
    }
    return viaXdgEmail(handed);
}

ComposeResult DesktopMailClient::viaXdgEmail(const MailItem& item)
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
