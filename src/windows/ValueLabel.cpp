#include "windows/ValueLabel.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace yq {

namespace {

class ValueLabelAccessible : public QAccessibleWidget {
public:
    explicit ValueLabelAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::StaticText) {}

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
