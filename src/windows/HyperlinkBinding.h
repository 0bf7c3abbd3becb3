// Binds a window's widgets to its hyperlink service: the service sees the
// widgets as numbered controls, and the widgets' clicks, keys, mouse
// movements, focus and the window's size changes reach it as its events.
//
// A design window needs a few calls:
//     auto* binding = new HyperlinkBinding(window, opener, messages);
//     binding->setCursorName("hand2.cur");   // the Metric window only
//     binding->init(80);                      // 0: no link-tracking timer
//     binding->addItem(forumButton, links::kForumAddress);
//     binding->refresh();
// and the window's own showing refreshes the links again.
#pragma once

#include "links/DesktopOpen.h"
#include "links/HyperlinkService.h"

#include <QColor>
#include <QCoreApplication>
#include <QCursor>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <map>
#include <memory>
#include <optional>

namespace yq {

// The mouse cursor for a cursor name of the link service: "hand2.cur" is
// the built-in hand pointer; other names with "hand" in them give the
// desktop's pointing hand; an empty or unknown name gives nothing.
std::optional<QCursor> linkCursor(const QString& cursorName);

class HyperlinkBinding final : public QObject {
    Q_OBJECT

public:
    // The interval of the Metric window's link-tracking timer.
    static constexpr int kTrackingIntervalMs = 80;

    // `window` is the window whose links these are; its size changes and
    // its showing reach the service. `arguments` are the program's command
    // line (for the trace switches).
    HyperlinkBinding(QWidget* window, platform::ShellOpener& opener, platform::UserMessages& messages,
                     QStringList arguments = QCoreApplication::arguments());
    ~HyperlinkBinding() override;

    links::HyperlinkService& service() { return *service_; }

    // Must come before init() and addItem() to take effect on entry links.
    void setCursorName(const QString& name) { service_->setCursorName(name); }

    // Finds the browser and mail program. A `trackingIntervalMs` above 0
    // starts the timer on which links under the mouse are re-examined.
    void init(int trackingIntervalMs = 0, int flags = 0);

    // Registers a widget as a link; returns its control number. Omitted
    // arguments are as in HyperlinkService::addItem. Buttons run their
    // link when clicked (mouse, Space, their shortcut key); entry fields
    // when accepted (Enter or leaving after a change) or on their alert
    // key; labels when clicked.
    int addItem(QWidget* control, const std::optional<QString>& url = std::nullopt,
                const std::optional<QColor>& normal = std::nullopt, const std::optional<QColor>& bright = std::nullopt,
                std::optional<int> style = std::nullopt, std::optional<int> alertKey = std::nullopt);

    // Repaints one link, or all with nullptr.
    void refresh(QWidget* control = nullptr);

    // Runs a widget's link as if it had been accepted.
    void accept(QWidget* control);

    // For a window that routes its buttons' presses itself (a command
    // queue, say): when on, links registered afterwards are not run by
    // their widgets' clicks, Enter or mouse releases, only by accept() (and
    // alert keys). Keeps a press from being run twice.
    void setActivationByWindow(bool on) { activationByWindow_ = on; }

    // While true, accepted events run no link (the window takes all its
    // fields in one pass).
    void setAcceptingAll(bool on) { acceptingAll_ = on; }

    int controlNumber(const QWidget* control) const;
    QWidget* widget(int control) const;
    QTimer* trackingTimer() { return &timer_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class Controls;
    void send(int control, int eventNumber);
    void connectActivation(int number, QWidget* control);

    QPointer<QWidget> window_;
    std::unique_ptr<Controls> controls_;
    std::unique_ptr<links::HyperlinkService> service_;
    QTimer timer_;
    bool acceptingAll_ = false;
    bool activationByWindow_ = false;
    std::map<int, bool> manual_;  // control -> activated by the window only
};

}  // namespace yq
