#include "links/HyperlinkService.h"

#include "links/LinkRules.h"

#include <QMimeDatabase>

#include <cstdio>

namespace yq::links {

namespace {

constexpr int kCommandLimit = 256;  // length of the browser and mail program commands
const QString kBrowserType = QStringLiteral("x-scheme-handler/http");
const QString kMailType = QStringLiteral("x-scheme-handler/mailto");

QString colorText(const QColor& color) { return color.isValid() ? color.name() : QStringLiteral("none"); }

QString removeTrailingBlanks(QString text) {
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1).isSpace()) --end;
    text.truncate(end);
    return text;
}

QString lookupResult(platform::HandlerLookup::Status status) {
    switch (status) {
        case platform::HandlerLookup::Status::Found:
            return QStringLiteral("0 (found)");
        case platform::HandlerLookup::Status::NoHandler:
            return QStringLiteral("2 (no default program)");
        case platform::HandlerLookup::Status::Broken:
            return QStringLiteral("13 (default program unusable)");
        case platform::HandlerLookup::Status::Unavailable:
            return QStringLiteral("1 (handlers cannot be queried)");
    }
    return {};
}

}  // namespace

LinkControls::~LinkControls() = default;

TraceSwitches TraceSwitches::fromArguments(const QStringList& arguments) {
    TraceSwitches switches;
    for (const QString& argument : arguments) {
        if (argument.compare(QLatin1String("/HADebug"), Qt::CaseInsensitive) == 0)
            switches.debug = true;
        else if (argument.compare(QLatin1String("/HAdbg"), Qt::CaseInsensitive) == 0)
            switches.dbg = true;
        else if (argument.compare(QLatin1String("/HAdbgReg"), Qt::CaseInsensitive) == 0)
            switches.dbgReg = true;
    }
    return switches;
}

TraceWriter standardErrorTrace() {
    return [](const QString& line) {
        const QByteArray bytes = (line + QLatin1Char('\n')).toLocal8Bit();
        std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
        std::fflush(stderr);
    };
}

HyperlinkService::HyperlinkService(LinkControls& controls, platform::ShellOpener& opener,
                                   platform::UserMessages& messages, QStringList arguments, TraceWriter traceWriter)
    : controls_(controls),
      opener_(opener),
      messages_(messages),
      arguments_(std::move(arguments)),
      writer_(std::move(traceWriter)) {}

const TraceSwitches& HyperlinkService::switches() {
    if (!switches_) switches_ = TraceSwitches::fromArguments(arguments_);
    return *switches_;
}

void HyperlinkService::writeLine(const QString& line) {
    if (writer_) writer_(line);
}

void HyperlinkService::trace(const QString& text) {
    if (switches().debug) writeLine(QLatin1String(kTracePrefix) + text);
}

void HyperlinkService::traceFailedLookup(const QString& type, const platform::HandlerLookup& lookup) {
    if (!switches().dbg) return;
    writeLine(QStringLiteral("RegQueryValue: ") + lookupResult(lookup.status) + QLatin1Char('\n') +
              QStringLiteral(" RegSubkeyName: ") + type + QLatin1Char('\n') + QStringLiteral(" self.OpenProgram: ") +
              (lookup.id.isEmpty() ? lookup.detail : lookup.id));
}

void HyperlinkService::init(int timerEvent, int flags) {
    timerEvent_ = timerEvent;
    if ((flags & 1) == 0) controls_.enableBufferedPainting();

    browserCommand_.clear();
    mailProgramCommand_.clear();

    const platform::HandlerLookup browser = opener_.handlers().defaultHandler(kBrowserType);
    if (browser.found()) {
        browserCommand_ = quotedProgramPart(browser.entry.exec).left(kCommandLimit);
    } else {
        traceFailedLookup(kBrowserType, browser);
        trace(QStringLiteral("No Browser found in the registry."));
    }

    const platform::HandlerLookup mail = opener_.handlers().defaultHandler(kMailType);
    if (mail.found())
        mailProgramCommand_ = mail.entry.exec.left(kCommandLimit);
    else
        traceFailedLookup(kMailType, mail);
    if (mailProgramCommand_.isEmpty()) trace(QStringLiteral("No Email program found"));

    inited_ = true;
}

LinkItem* HyperlinkService::findItem(int control) {
    for (LinkItem& item : items_) {
        if (item.control == control) return &item;
    }
    return nullptr;
}

const LinkItem* HyperlinkService::item(int control) const {
    for (const LinkItem& item : items_) {
        if (item.control == control) return &item;
    }
    return nullptr;
}

void HyperlinkService::setLinkEnabled(int control, bool enabled) {
    if (LinkItem* item = findItem(control)) {
        item->enabled = enabled;
        refresh(control);
    }
}

void HyperlinkService::addItem(int control, const std::optional<QString>& url, const std::optional<QColor>& normal,
                               const std::optional<QColor>& bright, std::optional<int> style,
                               std::optional<int> alertKey) {
    LinkItem* existing = findItem(control);
    if (!existing) {
        LinkItem fresh;
        fresh.control = control;
        fresh.inactive = controls_.fontColor(control);
        items_.append(fresh);
        existing = &items_.last();
    }
    LinkItem& item = *existing;

    const ControlKind kind = controls_.kind(control);
    if (url) item.url = *url;
    if (kind != ControlKind::List) {
        if (normal) {
            item.normal = *normal;
            controls_.setFontColor(control, *normal);
        } else if (kind == ControlKind::TextDisplay) {
            item.normal = controls_.fontColor(control);
        }
        if (bright) item.bright = *bright;
        if (style) {
            item.style = *style;
            item.underline = (*style & 1) != 0;
            item.trigger = *style >> 1;
            if (item.underline) controls_.setUnderline(control, true);
        }
        if (alertKey && kind == ControlKind::Entry) {
            controls_.addAlertKey(control, *alertKey);
            item.alertKey = *alertKey;
            controls_.setCursorName(control, cursorName_);
            item.trigger = event::AlertKey;
        }
    }
    if (checkHandlers_) checkHandler(item);

    trace(QStringLiteral("In AddItem:  URL: ") + item.url + QStringLiteral(" Norm: ") + colorText(item.normal) +
          QStringLiteral(" Brt: ") + colorText(item.bright) + QStringLiteral(" InActCol: ") + colorText(item.inactive) +
          QStringLiteral(" Style: ") + QString::number(item.style) + QStringLiteral(" Underline: ") +
          QString::number(item.underline ? 1 : 0) + QStringLiteral(" Trigger: ") + QString::number(item.trigger) +
          QStringLiteral(" Key: ") + QString::number(item.alertKey) + QStringLiteral(" Enabled: ") +
          QString::number(item.enabled ? 1 : 0));
    refresh(control);
}

void HyperlinkService::checkHandler(LinkItem& item) {
    const QString url = item.url.trimmed();
    if (url.isEmpty()) return;
    bool found = false;
    auto tried = [this](const QString& what, bool ok) {
        if (switches().dbgReg)
            writeLine(QStringLiteral("Tried(") + what + QStringLiteral(") ") +
                      (ok ? QStringLiteral("found") : QStringLiteral("not found")));
    };
    if (url.startsWith(QLatin1String("www."), Qt::CaseInsensitive) || hasWebScheme(url)) {
        found = !browserCommand_.isEmpty();
        tried(kBrowserType, found);
    } else if (isMailAddress(url)) {
        found = !mailProgramCommand_.isEmpty();
        tried(kMailType, found);
    } else {
        // Anything else is judged by its extension, the text after the last dot.
        const qsizetype dot = url.lastIndexOf(QLatin1Char('.'));
        const QString extension = dot >= 0 ? url.mid(dot + 1) : QString();
        if (!extension.isEmpty()) {
            const QList<QMimeType> types = QMimeDatabase().mimeTypesForFileName(QStringLiteral("x.") + extension);
            for (const QMimeType& type : types) {
                found = opener_.handlers().defaultHandler(type.name()).found();
                tried(type.name(), found);
                if (found) break;
            }
        }
        if (!found && extension.isEmpty()) tried(url, false);
    }
    if (!found) item.enabled = false;
}

void HyperlinkService::refresh(int control) {
    for (LinkItem& item : items_) {
        if (control != 0 && item.control != control) continue;
        const ControlKind kind = controls_.kind(item.control);
        const bool active = item.enabled && controls_.isEnabled(item.control);
        switch (kind) {
            case ControlKind::Button:
            case ControlKind::MenuItem:
            case ControlKind::List:
                break;  // keep their colours, font and cursor as laid out
            case ControlKind::Entry:
            case ControlKind::TextBox:
            case ControlKind::Combo: {
                const QColor color = active ? item.normal : item.inactive;
                if (color.isValid()) controls_.setFontColor(item.control, color);
                if (item.underline) controls_.setUnderline(item.control, true);
                if (item.alertKey != 0 && !cursorName_.isEmpty()) controls_.setCursorName(item.control, cursorName_);
                break;
            }
            case ControlKind::TextDisplay:
            case ControlKind::Prompt:
            case ControlKind::Other: {
                QColor color = item.normal;
                if (!active)
                    color = item.inactive;
                else if (item.hovering && item.bright.isValid())
                    color = item.bright;
                if (color.isValid()) controls_.setFontColor(item.control, color);
                if (item.underline) controls_.setUnderline(item.control, true);
                break;
            }
        }
    }
}

void HyperlinkService::takeEvent(int control, int eventNumber, bool acceptingAll) {
    LinkItem* item = control != 0 ? findItem(control) : nullptr;
    if (item && item->enabled) {
        trace(QStringLiteral("In TakeEvent: Ctrl: (") + QString::number(control) + QStringLiteral(") Event: (") +
              QString::number(eventNumber) + QStringLiteral(") Trigger: (") + QString::number(item->trigger) +
              QStringLiteral(")"));
        const ControlKind kind = controls_.kind(control);
        if (eventNumber == event::Accepted) {
            if (!acceptingAll && (item->trigger == 0 || item->trigger == 1)) takeAction(*item);
        } else if (item->trigger != 0 && eventNumber == item->trigger) {
            takeAction(*item);
        } else if (eventNumber == event::MouseIn || eventNumber == event::MouseMove) {
            if (kind == ControlKind::TextDisplay && item->bright.isValid()) {
                if (!item->normal.isValid()) item->normal = controls_.fontColor(control);
                if (!item->hovering) {
                    item->hovering = true;
                    refresh(control);
                }
            }
        } else if (eventNumber == event::MouseOut) {
            item->hovering = false;
            refresh(control);
        }
    }

    if (eventNumber == event::Selected)
        lastSelected_ = control;
    else if (eventNumber == event::Sized)
        refresh(0);
    if (timerEvent_ != 0 && eventNumber == timerEvent_) {
        for (LinkItem& each : items_) {
            if (each.hovering && !controls_.containsMouse(each.control)) {
                each.hovering = false;
                refresh(each.control);
            }
        }
    }
}

void HyperlinkService::takeAction(LinkItem& item) {
    const ControlKind kind = controls_.kind(item.control);
    QString url;
    if (kind == ControlKind::Entry)
        url = controls_.shownText(item.control);
    else if (!item.url.isEmpty())
        url = item.url;
    else if (kind == ControlKind::TextDisplay || kind == ControlKind::Combo)
        url = controls_.shownText(item.control);
    else
        url = controls_.text(item.control);
    urlToRun_ = removeTrailingBlanks(url);
    if (urlToRun_.isEmpty()) return;
    run(-1);
}

std::optional<platform::LaunchResult> HyperlinkService::run(int maxLength) {
    const QString url = urlToRun_;
    platform::LaunchResult result;
    QString file;
    if (isMailAddress(url)) {
        QString command = mailCommand(url);
        const int limit = maxLength == -1 ? platformCommandLimit() : maxLength;
        command = limitMailCommand(command, limit, static_cast<int>(mailProgramCommand_.size()));
        trace(QStringLiteral("Command to run: ") + command);
        file = command;
        result = opener_.open(command);
    } else {
        if (url.isEmpty()) return std::nullopt;
        if (startsBrowserDirectly(browserCommand_, url)) {
            trace(QStringLiteral("Command to run: [") + browserCommand_ + QStringLiteral("] [") + url +
                  QStringLiteral("]"));
            file = browserCommand_;
            // The browser command is a program path, quoted when it holds blanks.
            const auto words = platform::splitExecLine(browserCommand_);
            const QString program = words && !words->empty() ? words->front().text : browserCommand_;
            result = opener_.startProgram(program, {url});
        } else {
            trace(QStringLiteral("Command to run: [") + url + QStringLiteral("]"));
            file = url;
            result = opener_.open(url);
        }
    }
    if (!result.ok()) {
        const QString detail = QString::fromStdString(result.started.problem().reason);
        if (!detail.isEmpty()) trace(QStringLiteral("Launch failed: ") + detail);
        showError(result.started.problem().code, file);
    }
    return result;
}

QString HyperlinkService::showError(int code, const QString& file) {
    const ShellErrorMessage message = shellErrorMessage(code, file);
    messages_.information(message.text, message.caption);
    return message.text;
}

}  // namespace yq::links
