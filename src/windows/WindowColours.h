// Colours the windows give their texts. A role's colour is chosen for the
// palette it is drawn on: on a light window the design windows' dark blue
// and a deep red, on a dark window (a dark desktop theme) their light
// counterparts, so that every text keeps a contrast of at least 4.5 : 1
// with its background (WCAG 2.1 AA) in either.
#pragma once

#include <QColor>
#include <QPalette>

class QWidget;

namespace yq {

// Captions, headings and button texts of the design windows on a light window.
inline const QColor kDarkBlue(0, 0, 128);

enum class TextRole {
    Heading,  // captions, section headings, command buttons: dark blue
    Notice,   // the unit notice: red
};

// The colour of a role on a background of the given colour.
QColor roleColour(TextRole role, const QColor& background);

// Gives the widget's text (WindowText, or ButtonText for a button) the
// role's colour for the background it is drawn on.
void setTextRole(QWidget* widget, TextRole role, QPalette::ColorRole textRole = QPalette::WindowText);

// Contrast ratio of two colours as WCAG 2.1 defines it, 1 to 21.
double contrastRatio(const QColor& a, const QColor& b);

// Relative luminance of a colour (WCAG 2.1), 0 to 1.
double relativeLuminance(const QColor& c);

}  // namespace yq
