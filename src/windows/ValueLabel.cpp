#include "windows/ValueLabel.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace yq {

namespace {

// Named by its label, its text as the value and as an accessible text: a
// screen reader on the accessibility bus reads a widget's text only through
// the text interface.
class ValueLabelAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ValueLabelAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::StaticText) {}

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    // The text interface of a read-only text without a cursor or selection.
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override { return shown().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(shown().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* start, int* end) const override {
        *start = offset;
        *end = offset;
        return {};
    }

    QString text(QAccessible::Text t) const override {
        const auto* label = static_cast<const QLabel*>(widget());
        switch (t) {
            case QAccessible::Name:
                return label->accessibleName().isEmpty() ? label->text() : label->accessibleName();
            case QAccessible::Value:
                return label->text();
            default:
                return QAccessibleWidget::text(t);
        }
    }

    QString shown() const { return static_cast<const QLabel*>(widget())->text(); }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        return s;
    }
};

QAccessibleInterface* valueLabelFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("yq::ValueLabel") && object && object->isWidgetType())
        return new ValueLabelAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

}  // namespace

ValueLabel::ValueLabel(QWidget* parent) : QLabel(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(valueLabelFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

}  // namespace yq
