// The hyperlink service of a window: turns chosen controls into links whose
// web or mail address is handed to the desktop's browser or mail program.
//
// The service knows controls only by number, through LinkControls (the
// window layer implements it for real widgets, tests with a fake); it
// starts programs through platform::ShellOpener and tells the user about a
// failed launch through platform::UserMessages. Traces go to standard error when the
// program was started with "/HADebug", "/HAdbg" or "/HAdbgReg".
#pragma once

#include "platform/ShellOpener.h"
#include "platform/UserMessages.h"

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace yq::links {

// Event numbers the service reacts to.
namespace event {
inline constexpr int Accepted = 1;
inline constexpr int MouseIn = 11;
inline constexpr int MouseOut = 12;
inline constexpr int MouseMove = 13;
inline constexpr int AlertKey = 15;
inline constexpr int Selected = 257;
inline constexpr int Timer = 515;
inline constexpr int Sized = 561;
}  // namespace event

// The alert key 1 stands for the default key of an entry field.
inline constexpr int kDefaultAlertKey = 1;

enum class ControlKind {
    Entry,    // single-line entry field
    TextBox,  // multi-line text field
    Combo,
    List,
    Button,
    MenuItem,
    TextDisplay,  // a read-only text (label)
    Prompt,
    Other,
};

// What the service needs of the window's controls.
class LinkControls {
public:
    virtual ~LinkControls();
    virtual ControlKind kind(int control) const = 0;
    // The control's own text (caption of a button, text of a label).
    virtual QString text(int control) const = 0;
    // The text an entry, text display or combo shows.
    virtual QString shownText(int control) const = 0;
    virtual QColor fontColor(int control) const = 0;
    virtual void setFontColor(int control, const QColor& color) = 0;
    virtual void setUnderline(int control, bool underline) = 0;
    // The mouse cursor shown over the control ("hand2.cur" = a hand);
    // empty restores the normal one.
    virtual void setCursorName(int control, const QString& cursorName) = 0;
    // Makes `key` run the link from an entry field (kDefaultAlertKey = the
    // field's default key).
    virtual void addAlertKey(int control, int key) = 0;
    virtual bool isEnabled(int control) const = 0;
    // True while the mouse pointer is over the control.
    virtual bool containsMouse(int control) const = 0;
    // Asked for by Init unless bit 0 of its flags is set.
    virtual void enableBufferedPainting() {}
};

// One registered control.
struct LinkItem {
    int control = 0;
    QString url;      // empty: the control's own text is the address
    QColor normal;    // invalid: not set (the control keeps its colour)
    QColor bright;    // colour under the mouse; invalid: none
    QColor inactive;  // colour of a disabled link
    int style = 0;
    int column = 0;
    bool underline = false;
    int trigger = 0;  // event that runs the link; 0 or 1 = accepted
    bool hovering = false;
    bool enabled = true;
    int alertKey = 0;
};

// The trace switches of the command line (any case).
struct TraceSwitches {
    bool debug = false;   // "/HADebug": every trace line
    bool dbg = false;     // "/HAdbg": failed handler look-ups
    bool dbgReg = false;  // "/HAdbgReg": the per-link handler check
    static TraceSwitches fromArguments(const QStringList& arguments);
};

// Receives finished trace lines; the default writes them to standard error.
using TraceWriter = std::function<void(const QString& line)>;
TraceWriter standardErrorTrace();

// Prefix of every line written by Trace().
inline constexpr const char* kTracePrefix = "RazedUveziz: ";

class HyperlinkService {
public:
    HyperlinkService(LinkControls& controls, platform::ShellOpener& opener, platform::UserMessages& messages,
                     QStringList arguments = {}, TraceWriter traceWriter = standardErrorTrace());

    // Finds the browser and mail program and marks the service inited.
    // `timerEvent` is the event on which hovering links are re-examined
    // (0 = never). Bit 0 of `flags` clear asks for buffered painting.
    void init(int timerEvent = 0, int flags = 0);

    // Registers a control (again); omitted arguments leave the item's
    // values as they are.
    void addItem(int control, const std::optional<QString>& url = std::nullopt,
                 const std::optional<QColor>& normal = std::nullopt, const std::optional<QColor>& bright = std::nullopt,
                 std::optional<int> style = std::nullopt, std::optional<int> alertKey = std::nullopt);

    // Applies the display of one link, or of all when `control` is 0.
    // Buttons and menu items are never restyled.
    void refresh(int control = 0);

    // Called for every event of the window before its own handling.
    // `acceptingAll`: the window is taking all its fields in one pass.
    void takeEvent(int control, int eventNumber, bool acceptingAll = false);

    // Runs urlToRun(). `maxLength` -1 means the platform's limit. Returns
    // the launch result, or nothing when there was nothing to run.
    std::optional<platform::LaunchResult> run(int maxLength = -1);

    // Writes "RazedUveziz: " + text when "/HADebug" is on.
    void trace(const QString& text);

    // Tells the user about a failed launch of `file` and returns the text.
    QString showError(int code, const QString& file);

    // Turns on the per-link check: at registration a link for whose address
    // no program is found is disabled.
    void setCheckHandlers(bool on) { checkHandlers_ = on; }
    void setCursorName(const QString& name) { cursorName_ = name; }
    const QString& cursorName() const { return cursorName_; }
    void setUrlToRun(const QString& url) { urlToRun_ = url; }
    const QString& urlToRun() const { return urlToRun_; }
    void setLinkEnabled(int control, bool enabled);

    bool inited() const { return inited_; }
    int timerEvent() const { return timerEvent_; }
    const QString& browserCommand() const { return browserCommand_; }
    const QString& mailProgramCommand() const { return mailProgramCommand_; }
    int lastSelected() const { return lastSelected_; }
    const LinkItem* item(int control) const;
    const QList<LinkItem>& items() const { return items_; }

private:
    LinkItem* findItem(int control);
    const TraceSwitches& switches();
    void writeLine(const QString& line);
    void traceFailedLookup(const QString& type, const platform::HandlerLookup& lookup);
    void takeAction(LinkItem& item);
    void checkHandler(LinkItem& item);

    LinkControls& controls_;
    platform::ShellOpener& opener_;
    platform::UserMessages& messages_;
    QStringList arguments_;
    TraceWriter writer_;

    QList<LinkItem> items_;
    QString browserCommand_;
    QString mailProgramCommand_;
    int timerEvent_ = 0;
    bool inited_ = false;
    QString urlToRun_;
    QString cursorName_;
    int lastSelected_ = 0;
    bool checkHandlers_ = false;
    std::optional<TraceSwitches> switches_;  // looked up once, then remembered
};

}  // namespace yq::links
