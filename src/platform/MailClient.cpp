#include "platform/MailClient.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>

#include <algorithm>
#include <optional>

#include <unistd.h>

namespace yq::platform {

namespace {

const QString kMailtoType = QStringLiteral("x-scheme-handler/mailto");

// The mail program a word names: the file name of a program, a desktop
// file ID, or a Flatpak application ID ("org.gnome.Evolution").
MailProgram programNamed(const QString& text) {
    const QString name = text.mid(text.lastIndexOf(QLatin1Char('/')) + 1).toLower();
    if (name.contains(QLatin1String("thunderbird")) || name.contains(QLatin1String("icedove")))
        return MailProgram::Thunderbird;
    if (name.contains(QLatin1String("evolution"))) return MailProgram::Evolution;
    if (name.contains(QLatin1String("kmail"))) return MailProgram::KMail;
    if (name.contains(QLatin1String("claws-mail")) || name.contains(QLatin1String("claws_mail")) ||
        name.contains(QLatin1String("sylpheed-claws")))
        return MailProgram::ClawsMail;
    return MailProgram::XdgEmail;
}

// A value of a mailto: URL: everything but the unreserved characters
// percent-encoded ("+" too, which some programs read as a blank).
QString mailtoValue(const QString& value, const QByteArray& keep = {}) {
    return QString::fromLatin1(QUrl::toPercentEncoding(value, keep));
}

QString absolute(const QString& path) { return QFileInfo(path).absoluteFilePath(); }

// One field of the -compose argument. Thunderbird ends a quoted value at
// its quote character followed by a comma or the end of the argument; a
// value in single quotes is taken as it stands, one in double quotes is
// percent-decoded. So single quotes hold any value without "',"; a value
// with "'," goes in double quotes with "%" and '"' percent-encoded, which
// leaves no quote-comma inside it.
QString composeField(const QString& key, const QString& value) {
    if (!value.contains(QLatin1String("',"))) return key + QStringLiteral("='") + value + QLatin1Char('\'');
    QString encoded = value;
    encoded.replace(QLatin1Char('%'), QLatin1String("%25"));
    encoded.replace(QLatin1Char('"'), QLatin1String("%22"));
    return key + QStringLiteral("=\"") + encoded + QLatin1Char('"');
}

QString attachmentUrl(const QString& path) {
    QString url = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString(QUrl::FullyEncoded);
    url.replace(QLatin1Char(','), QLatin1String("%2C"));
    url.replace(QLatin1Char('\''), QLatin1String("%27"));
    url.replace(QLatin1Char('"'), QLatin1String("%22"));
    return url;
}

bool blank(const QString& text) { return text.trimmed().isEmpty(); }

}  // namespace

MailClient::~MailClient() = default;

MailProgram mailProgramOf(const DesktopEntry& entry) {
    if (const MailProgram byId = programNamed(entry.id); byId != MailProgram::XdgEmail) return byId;
    const auto words = splitExecLine(entry.exec);
    if (!words) return MailProgram::XdgEmail;
    for (const ExecWord& word : *words) {
        // Options (--command=thunderbird) name programs too.
        const QString text = word.text.mid(word.text.indexOf(QLatin1Char('=')) + 1);
        if (const MailProgram named = programNamed(text); named != MailProgram::XdgEmail) return named;
    }
    return MailProgram::XdgEmail;
}

QString mailProgramName(MailProgram program) {
    switch (program) {
        case MailProgram::Thunderbird:
            return QStringLiteral("Thunderbird");
        case MailProgram::Evolution:
            return QStringLiteral("Evolution");
        case MailProgram::KMail:
            return QStringLiteral("KMail");
        case MailProgram::ClawsMail:
            return QStringLiteral("Claws Mail");
        case MailProgram::XdgEmail:
            return QStringLiteral("xdg-email");
        case MailProgram::None:
            break;
    }
    return QCoreApplication::translate("MailClient", "the mail program");
}

bool htmlShowsContent(const QString& html) {
    static const QRegularExpression image(QStringLiteral("<\\s*(img|object|embed|svg|video)\\b"),
                                          QRegularExpression::CaseInsensitiveOption);
    if (image.match(html).hasMatch()) return true;
    static const QRegularExpression hidden(
        QStringLiteral("<!--.*?-->|<(head|style|script|title)\\b.*?</\\1\\s*>|<[^>]*>"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    QString text = html;
    text.remove(hidden);
    text.replace(QLatin1String("&nbsp;"), QLatin1String(" "), Qt::CaseInsensitive);
    text.replace(QLatin1String("&#160;"), QLatin1String(" "));
    return !text.trimmed().isEmpty();
}

QString mailtoUrl(const MailItem& item, bool attachFields) {
    QStringList fields;
    if (!blank(item.cc)) fields << QStringLiteral("cc=") + mailtoValue(item.cc.trimmed(), "@");
    if (!blank(item.bcc)) fields << QStringLiteral("bcc=") + mailtoValue(item.bcc.trimmed(), "@");
    if (!blank(item.subject)) fields << QStringLiteral("subject=") + mailtoValue(item.subject);
    if (attachFields) {
        for (const MailAttachment& attachment : item.attachments) {
            if (!blank(attachment.path))
                fields << QStringLiteral("attach=") + mailtoValue(absolute(attachment.path), "/");
        }
    }
    QString url = QStringLiteral("mailto:") + mailtoValue(item.to.trimmed(), "@");
    if (!fields.isEmpty()) url += QLatin1Char('?') + fields.join(QLatin1Char('&'));
    return url;
}

QStringList evolutionArguments(const MailItem& item) { return {mailtoUrl(item, true)}; }

QStringList kmailArguments(const MailItem& item) {
    QStringList args{QStringLiteral("--composer")};
    if (!blank(item.subject)) args << QStringLiteral("-s") << item.subject;
    if (!blank(item.cc)) args << QStringLiteral("-c") << item.cc.trimmed();
    if (!blank(item.bcc)) args << QStringLiteral("-b") << item.bcc.trimmed();
    for (const MailAttachment& attachment : item.attachments) {
        if (!blank(attachment.path)) args << QStringLiteral("--attach") << absolute(attachment.path);
    }
    const QString to = item.to.trimmed();
    if (!to.isEmpty())
        args << (to.startsWith(QLatin1Char('-')) ? QStringLiteral("mailto:") + mailtoValue(to, "@") : to);
    return args;
}

QStringList clawsMailArguments(const MailItem& item) {
    QStringList args{QStringLiteral("--compose"), mailtoUrl(item, false)};
    QStringList files;
    for (const MailAttachment& attachment : item.attachments) {
        if (!blank(attachment.path)) files << absolute(attachment.path);
    }
    if (!files.isEmpty()) args << QStringLiteral("--attach") << files;
    return args;
}

QString thunderbirdComposeArgument(const MailItem& item, const QString& htmlBodyFile) {
    QStringList fields;
    if (!blank(item.to)) fields << composeField(QStringLiteral("to"), item.to.trimmed());
    if (!blank(item.cc)) fields << composeField(QStringLiteral("cc"), item.cc.trimmed());
    if (!blank(item.bcc)) fields << composeField(QStringLiteral("bcc"), item.bcc.trimmed());
    if (!blank(item.subject)) fields << composeField(QStringLiteral("subject"), item.subject);
    if (!htmlBodyFile.isEmpty()) {
        fields << composeField(QStringLiteral("format"), QStringLiteral("html"));
        fields << composeField(QStringLiteral("message"), QFileInfo(htmlBodyFile).absoluteFilePath());
    }
    QStringList urls;
    for (const MailAttachment& attachment : item.attachments) {
        if (!blank(attachment.path)) urls << attachmentUrl(attachment.path);
    }
    if (!urls.isEmpty()) fields << composeField(QStringLiteral("attachment"), urls.join(QLatin1Char(',')));
    return fields.join(QLatin1Char(','));
}

QStringList xdgEmailArguments(const MailItem& item) {
    QStringList args{QStringLiteral("--utf8")};
    if (!blank(item.subject)) args << QStringLiteral("--subject") << item.subject;
    if (!blank(item.cc)) args << QStringLiteral("--cc") << item.cc.trimmed();
    if (!blank(item.bcc)) args << QStringLiteral("--bcc") << item.bcc.trimmed();
    for (const MailAttachment& attachment : item.attachments) {
        if (!blank(attachment.path))
            args << QStringLiteral("--attach") << QFileInfo(attachment.path).absoluteFilePath();
    }
    // As the value of --to, an address can never be read as an option or
    // as a whole mailto: URL of its own.
    if (!blank(item.to)) args << QStringLiteral("--to") << item.to.trimmed();
    return args;
}

QString handOverFolder(const QString& draftFile) {
    if (draftFile.isEmpty()) return {};
    const QFileInfo draft(draftFile);
    return draft.absolutePath() + QLatin1Char('/') + draft.completeBaseName();
}

MailItem withHandOverNames(const MailItem& item) {
    MailItem handed = item;
    const QString folder = handOverFolder(item.draftFile);
    if (folder.isEmpty()) return handed;
    for (MailAttachment& attachment : handed.attachments) {
        const QString& name = attachment.displayName;
        if (blank(attachment.path) || name.isEmpty() || name == QFileInfo(attachment.path).fileName()) continue;
        // Only a plain file name can be handed over under its name.
        if (name.contains(QLatin1Char('/')) || name == QLatin1String(".") || name == QLatin1String("..")) continue;
        if (!QDir().mkpath(folder)) continue;
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
    : handlers_(handlers), launcher_(launcher) {}

ComposeResult DesktopMailClient::compose(const MailItem& item, const QString& htmlBodyFile) {
    const HandlerLookup handler = handlers_.defaultHandler(kMailtoType);
    switch (handler.status) {
        case HandlerLookup::Status::NoHandler:
            return fail(QCoreApplication::translate("MailClient", "No mail program is registered on this desktop.")
                            .toStdString());
        case HandlerLookup::Status::Broken:
            return fail(QCoreApplication::translate("MailClient", "The registered mail program (%1) cannot be found.")
                            .arg(handler.id)
                            .toStdString());
        case HandlerLookup::Status::Unavailable:
            // The desktop cannot be asked; xdg-email may still find a program.
            return viaXdgEmail(item);
        case HandlerLookup::Status::Found:
            break;
    }

    const MailItem handed = withHandOverNames(item);
    const MailProgram program = mailProgramOf(handler.entry);
    // The program as the desktop starts it (a Flatpak's wrapper, say),
    // without the handler's own address.
    std::optional<ExecCommand> command = expandExec(handler.entry, {});
    if (command) {
        ComposeResult started = fail("");
        switch (program) {
            case MailProgram::Thunderbird:
                // The saved draft holds the whole mail (importance and the
                // attachments' names too); Thunderbird opens a draft marked
                // unsent in a compose window. Without a draft, -compose takes
                // what it can: recipients, subject, body and attachments.
                started = start(program, *command,
                                item.draftFile.isEmpty() ? QStringList{QStringLiteral("-compose"),
                                                                       thunderbirdComposeArgument(handed, htmlBodyFile)}
                                                         : QStringList{absolute(item.draftFile)},
                                {});
                break;
            case MailProgram::Evolution:
                // Evolution's Exec line takes the mailto: URL where it has its
                // URL field code.
                command = expandExec(handler.entry, evolutionArguments(handed));
                if (command) started = start(program, *command, {}, handed);
                break;
            case MailProgram::KMail:
                started = start(program, *command, kmailArguments(handed), handed);
                break;
            case MailProgram::ClawsMail:
                started = start(program, *command, clawsMailArguments(handed), handed);
                break;
            case MailProgram::XdgEmail:
            case MailProgram::None:
                break;
        }
        if (started) return started;
    }
    return viaXdgEmail(handed);
}

ComposeResult DesktopMailClient::start(MailProgram program, const ExecCommand& command, const QStringList& args,
                                       const MailItem& item) {
    if (!launcher_.start(command.program, command.arguments + args).ok()) return fail("");
    Composed result{program, {}};
    // Only Thunderbird takes an HTML body.
    if (program != MailProgram::Thunderbird && htmlShowsContent(item.htmlBody))
        result.shortfall = QCoreApplication::translate("MailClient", "%1 cannot take the mail's HTML body.")
                               .arg(mailProgramName(program));
    return result;
}

ComposeResult DesktopMailClient::viaXdgEmail(const MailItem& item) {
    const LaunchResult started = launcher_.start(QStringLiteral("xdg-email"), xdgEmailArguments(item));
    if (started.ok()) {
        Composed result{MailProgram::XdgEmail, {}};
        // xdg-email hands the attachments only to the programs it knows
        // how to give them to, and has no HTML body at all.
        const bool attachments = std::any_of(item.attachments.begin(), item.attachments.end(),
                                             [](const MailAttachment& a) { return !blank(a.path); });
        const bool body = htmlShowsContent(item.htmlBody);
        if (attachments && body)
            result.shortfall =
                QCoreApplication::translate("MailClient",
                                            "The mail program may not have taken the mail's attachments, "
                                            "and cannot take its HTML body.");
        else if (attachments)
            result.shortfall = QCoreApplication::translate(
                "MailClient", "The mail program may not have taken the mail's attachments.");
        else if (body)
            result.shortfall =
                QCoreApplication::translate("MailClient", "The mail program cannot take the mail's HTML body.");
        return result;
    }
    const QString reason = QString::fromStdString(started.started.problem().reason);
    QString detail;
    if (!reason.isEmpty())
        detail = QCoreApplication::translate("MailClient", "The mail program could not be started: %1.").arg(reason);
    else if (launch::codeOf(started.started) == launch::FileNotFound)
        detail = QCoreApplication::translate("MailClient",
                                             "The mail program could not be started: xdg-email is not installed.");
    else
        detail = QCoreApplication::translate("MailClient", "The mail program could not be started.");
    return fail(detail.toStdString());
}

}  // namespace yq::platform
