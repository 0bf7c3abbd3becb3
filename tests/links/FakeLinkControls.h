// Controls of a pretend window for the link service: kinds, texts, colours,
// underline and cursor as the service left them.
#pragma once

#include "links/HyperlinkService.h"

#include <QColor>
#include <QMap>
#include <QString>

namespace yq::test {

class FakeLinkControls final : public links::LinkControls {
public:
    struct Control {
        links::ControlKind kind = links::ControlKind::Other;
        QString text;
        QString shown;
        QColor color = QColor(Qt::black);
        bool underline = false;
        QString cursor;
        QList<int> alertKeys;
        bool enabled = true;
        bool mouseOver = false;
        int colorChanges = 0;
    };

    Control& add(int number, links::ControlKind kind, const QString& text = {}, const QString& shown = {}) {
        Control& c = controls[number];
        c.kind = kind;
        c.text = text;
        c.shown = shown;
        return c;
    }

    links::ControlKind kind(int control) const override { return controls.value(control).kind; }
    QString text(int control) const override { return controls.value(control).text; }
    QString shownText(int control) const override { return controls.value(control).shown; }
    QColor fontColor(int control) const override { return controls.value(control).color; }
    void setFontColor(int control, const QColor& color) override {
        controls[control].color = color;
        ++controls[control].colorChanges;
    }
    void setUnderline(int control, bool underline) override { controls[control].underline = underline; }
    void setCursorName(int control, const QString& name) override { controls[control].cursor = name; }
    void addAlertKey(int control, int key) override { controls[control].alertKeys << key; }
    bool isEnabled(int control) const override { return controls.value(control).enabled; }
    bool containsMouse(int control) const override { return controls.value(control).mouseOver; }
    void enableBufferedPainting() override { buffered = true; }

    QMap<int, Control> controls;
    bool buffered = false;
};

}  // namespace yq::test
