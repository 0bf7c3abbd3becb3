#include "windows/WindowColours.h"

#include <QWidget>

#include <algorithm>
#include <cmath>

namespace yq {

namespace {

constexpr double kTextContrast = 4.5;

double channel(double value) {
    const double c = value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// The least contrast of a colour against a background and the shades a
// style paints around it (the gradient of a button face).
double leastContrast(const QColor& colour, const QColor& background) {
    return std::min({contrastRatio(colour, background), contrastRatio(colour, background.lighter(135)),
                     contrastRatio(colour, background.darker(115))});
}

// The colour mixed with `towards` in tenths until it has the contrast
// wanted against the background (at the end it is `towards` itself).
QColor withContrast(const QColor& colour, const QColor& background, const QColor& towards) {
    for (int tenths = 0; tenths <= 10; ++tenths) {
        const auto mix = [&](int a, int b) { return a + (b - a) * tenths / 10; };
        const QColor mixed(mix(colour.red(), towards.red()), mix(colour.green(), towards.green()),
                           mix(colour.blue(), towards.blue()));
        if (leastContrast(mixed, background) >= kTextContrast) return mixed;
    }
    return towards;
}

}  // namespace

double relativeLuminance(const QColor& c) {
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor roleColour(TextRole role, const QColor& background) {
    // A background is dark when white text stands out on it more than black.
    const bool dark = contrastRatio(background, Qt::white) > contrastRatio(background, Qt::black);
    QColor colour;
    switch (role) {
        case TextRole::Heading:
            colour = dark ? QColor(180, 210, 255) : kDarkBlue;
            break;
        case TextRole::Notice:
            // Pure red reaches only 3.9 : 1 on a light window.
            colour = dark ? QColor(255, 120, 120) : QColor(192, 0, 0);
            break;
    }
    return withContrast(colour, background, dark ? QColor(Qt::white) : QColor(Qt::black));
}

void setTextRole(QWidget* widget, TextRole role, QPalette::ColorRole textRole) {
    QPalette p = widget->palette();
    const QPalette::ColorRole backgroundRole =
        textRole == QPalette::ButtonText ? QPalette::Button : widget->backgroundRole();
    const QColor background = p.color(backgroundRole);
    p.setColor(QPalette::Active, textRole, roleColour(role, background));
    p.setColor(QPalette::Inactive, textRole, roleColour(role, p.color(QPalette::Inactive, backgroundRole)));
    widget->setPalette(p);
}

}  // namespace yq
