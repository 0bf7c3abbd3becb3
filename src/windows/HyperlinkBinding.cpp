#include "windows/HyperlinkBinding.h"

#include "report/EmbeddedImages.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace yq {

// ---------------------------------------------------------------------------
// Cursors

std::optional<QCursor> linkCursor(const QString& cursorName) {
    if (cursorName.isEmpty()) return std::nullopt;
    if (cursorName.compare(QLatin1String("hand2.cur"), Qt::CaseInsensitive) == 0) {
        const QImage image = report::embeddedImage(cursorName);
        if (!image.isNull()) return QCursor(QPixmap::fromImage(image), 10, 1);  // the tip of the finger
        return QCursor(Qt::PointingHandCursor);
    }
    if (cursorName.contains(QLatin1String("hand"), Qt::CaseInsensitive)) return QCursor(Qt::PointingHandCursor);
    return std::nullopt;
}

// ---------------------------------------------------------------------------
// The widgets as numbered controls

namespace {

links::ControlKind kindOf(const QWidget* w) {
    using links::ControlKind;
    if (!w) return ControlKind::Other;
    if (qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractSpinBox*>(w)) return ControlKind::Entry;
    if (qobject_cast<const QComboBox*>(w)) return ControlKind::Combo;
    if (qobject_cast<const QPlainTextEdit*>(w) || qobject_cast<const QTextEdit*>(w)) return ControlKind::TextBox;
    if (qobject_cast<const QAbstractItemView*>(w)) return ControlKind::List;
    if (qobject_cast<const QAbstractButton*>(w)) return ControlKind::Button;
    if (qobject_cast<const QLabel*>(w)) return ControlKind::TextDisplay;
    return ControlKind::Other;
}

// A caption without its mnemonic marks ("&Forum" -> "Forum", "a && b" -> "a & b").
QString withoutMnemonics(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&') && i + 1 < text.size()) {
            out += text.at(++i);
            continue;
        }
        out += text.at(i);
    }
    return out;
}

QString widgetText(const QWidget* w) {
    if (const auto* e = qobject_cast<const QLineEdit*>(w)) return e->text();
    if (const auto* s = qobject_cast<const QAbstractSpinBox*>(w)) return s->text();
    if (const auto* c = qobject_cast<const QComboBox*>(w)) return c->currentText();
    if (const auto* p = qobject_cast<const QPlainTextEdit*>(w)) return p->toPlainText();
    if (const auto* t = qobject_cast<const QTextEdit*>(w)) return t->toPlainText();
    if (const auto* b = qobject_cast<const QAbstractButton*>(w)) return withoutMnemonics(b->text());
    if (const auto* l = qobject_cast<const QLabel*>(w)) return l->text();
    return w ? w->windowTitle() : QString();
}

}  // namespace

class HyperlinkBinding::Controls final : public links::LinkControls {
public:
    std::map<int, QPointer<QWidget>> widgets;
    std::map<int, QList<int>> alertKeys;  // Qt key codes per control

    QWidget* at(int control) const {
        const auto it = widgets.find(control);
        return it == widgets.end() ? nullptr : it->second.data();
    }

    links::ControlKind kind(int control) const override { return kindOf(at(control)); }
    QString text(int control) const override { return widgetText(at(control)); }
    QString shownText(int control) const override { return widgetText(at(control)); }
    QColor fontColor(int control) const override {
        const QWidget* w = at(control);
        return w ? w->palette().color(w->foregroundRole()) : QColor();
    }
    void setFontColor(int control, const QColor& color) override {
        QWidget* w = at(control);
        if (!w || !color.isValid()) return;
        QPalette palette = w->palette();
        palette.setColor(w->foregroundRole(), color);
        w->setPalette(palette);
    }
    void setUnderline(int control, bool underline) override {
        QWidget* w = at(control);
        if (!w) return;
        QFont font = w->font();
        font.setUnderline(underline);
        w->setFont(font);
    }
    void setCursorName(int control, const QString& cursorName) override {
        QWidget* w = at(control);
        if (!w) return;
        if (const auto cursor = linkCursor(cursorName))
            w->setCursor(*cursor);
        else if (cursorName.isEmpty())
            w->unsetCursor();
    }
    void addAlertKey(int control, int key) override {
        QList<int>& keys = alertKeys[control];
        if (key == links::kDefaultAlertKey)
            keys << Qt::Key_Return << Qt::Key_Enter;
        else
            keys << key;
    }
    bool isEnabled(int control) const override {
        const QWidget* w = at(control);
        return w && w->isEnabled();
    }
    bool containsMouse(int control) const override {
        const QWidget* w = at(control);
        return w && w->isVisible() && w->rect().contains(w->mapFromGlobal(QCursor::pos()));
    }
};

// ---------------------------------------------------------------------------
// The binding

HyperlinkBinding::HyperlinkBinding(QWidget* window, platform::ShellOpener& opener, platform::UserMessages& messages,
                                   QStringList arguments)
    : QObject(window), window_(window), controls_(std::make_unique<Controls>()) {
    service_ = std::make_unique<links::HyperlinkService>(*controls_, opener, messages, std::move(arguments));
    if (window) window->installEventFilter(this);
    connect(&timer_, &QTimer::timeout, this, [this] { send(0, links::event::Timer); });
}

HyperlinkBinding::~HyperlinkBinding() {
    timer_.stop();
    if (window_) window_->removeEventFilter(this);
    for (const auto& [number, widget] : controls_->widgets) {
        if (widget) widget->removeEventFilter(this);
    }
}

void HyperlinkBinding::init(int trackingIntervalMs, int flags) {
    if (trackingIntervalMs > 0) {
        service_->init(links::event::Timer, flags);
        timer_.start(trackingIntervalMs);
    } else {
        service_->init(0, flags);
        timer_.stop();
    }
}

int HyperlinkBinding::controlNumber(const QWidget* control) const {
    for (const auto& [number, widget] : controls_->widgets) {
        if (widget && widget.data() == control) return number;
    }
    return 0;
}

QWidget* HyperlinkBinding::widget(int control) const { return controls_->at(control); }

int HyperlinkBinding::addItem(QWidget* control, const std::optional<QString>& url, const std::optional<QColor>& normal,
                              const std::optional<QColor>& bright, std::optional<int> style,
                              std::optional<int> alertKey) {
    if (!control) return 0;
    int number = controlNumber(control);
    if (number == 0) {
        number = controls_->widgets.empty() ? 1 : controls_->widgets.rbegin()->first + 1;
        controls_->widgets[number] = control;
        control->installEventFilter(this);
        manual_[number] = activationByWindow_;
        if (!activationByWindow_) connectActivation(number, control);
    }
    service_->addItem(number, url, normal, bright, style, alertKey);
    return number;
}

void HyperlinkBinding::connectActivation(int number, QWidget* control) {
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        connect(button, &QAbstractButton::clicked, this, [this, number] { send(number, links::event::Accepted); });
    } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        // Enter accepts the field; leaving it accepts only a change.
        connect(edit, &QLineEdit::returnPressed, this, [this, number, edit] {
            edit->setModified(false);
            send(number, links::event::Accepted);
        });
        connect(edit, &QLineEdit::editingFinished, this, [this, number, edit] {
            if (!edit->isModified()) return;
            edit->setModified(false);
            send(number, links::event::Accepted);
        });
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        connect(combo, &QComboBox::activated, this, [this, number] { send(number, links::event::Accepted); });
    }
}

void HyperlinkBinding::refresh(QWidget* control) {
    if (!control) {
        service_->refresh(0);
        return;
    }
    if (const int number = controlNumber(control)) service_->refresh(number);
}

void HyperlinkBinding::accept(QWidget* control) {
    if (const int number = controlNumber(control)) send(number, links::event::Accepted);
}

void HyperlinkBinding::send(int control, int eventNumber) { service_->takeEvent(control, eventNumber, acceptingAll_); }

bool HyperlinkBinding::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_) {
        if (event->type() == QEvent::Resize)
            send(0, links::event::Sized);
        else if (event->type() == QEvent::Show)
            service_->refresh(0);
        return false;
    }
    auto* w = qobject_cast<QWidget*>(watched);
    const int number = w ? controlNumber(w) : 0;
    if (number == 0) return false;
    switch (event->type()) {
        case QEvent::Enter:
            send(number, links::event::MouseIn);
            break;
        case QEvent::Leave:
            send(number, links::event::MouseOut);
            break;
        case QEvent::MouseMove:
            send(number, links::event::MouseMove);
            break;
        case QEvent::FocusIn:
            send(number, links::event::Selected);
            break;
        case QEvent::KeyPress: {
            const auto* key = static_cast<QKeyEvent*>(event);
            const auto it = controls_->alertKeys.find(number);
            if (it != controls_->alertKeys.end() && it->second.contains(key->key())) {
                send(number, links::event::AlertKey);
                return true;
            }
            break;
        }
        case QEvent::MouseButtonRelease: {
            // Texts and other plain widgets have no accepted signal of their own:
            // a left click on them accepts them.
            const links::ControlKind kind = kindOf(w);
            if ((kind != links::ControlKind::TextDisplay && kind != links::ControlKind::Other) || manual_[number])
                break;
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton && w->rect().contains(mouse->position().toPoint()))
                send(number, links::event::Accepted);
            break;
        }
        default:
            break;
    }
    return false;
}

}  // namespace yq
