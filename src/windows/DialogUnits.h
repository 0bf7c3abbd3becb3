// Window layouts are given in dialog units: a horizontal unit is a quarter of
// the window font's average character width, a vertical unit an eighth of its
// character height. These helpers turn layout positions into pixels the way
// the layouts were designed for, and give the window fonts their stand-ins
// on this system.
#pragma once

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

namespace yq {

// a * b / c rounded to the nearest integer, halves away from zero (the
// rounding the dialog-unit conversion is defined with); 0 when c is 0.
int mulDiv(int a, int b, int c);

// The average character width of a font from the width of the 52 letters
// "A".."Z", "a".."z" set in it: (width / 26 + 1) / 2.
int averageCharWidthFromAlphabet(int alphabetWidth);

// The base units of a font: average character width and character height
// in pixels.
struct BaseUnits {
    int avgCharWidth = 0;
    int charHeight = 0;
};
BaseUnits baseUnits(const QFont& font);

class DialogUnits {
public:
    // The units of a window that uses `font`.
    explicit DialogUnits(const QFont& font);
    DialogUnits(int avgCharWidth, int charHeight) : cx_(avgCharWidth), cy_(charHeight) {}

    int avgCharWidth() const { return cx_; }
    int charHeight() const { return cy_; }

    // Horizontal and vertical dialog units in pixels.
    int x(int units) const { return mulDiv(units, cx_, 4); }
    int y(int units) const { return mulDiv(units, cy_, 8); }
    QPoint point(int ux, int uy) const { return {x(ux), y(uy)}; }
    QSize size(int uw, int uh) const { return {x(uw), y(uh)}; }
    // Each of position and size converted on its own, as layouts are.
    QRect rect(int ux, int uy, int uw, int uh) const { return {x(ux), y(uy), x(uw), y(uh)}; }

private:
    int cx_;
    int cy_;
};

// The family that draws a layout's face here: "Arial", "MS Sans Serif" and
// "Microsoft Sans Serif" are drawn with Liberation Sans (Arial's metrics);
// other faces are returned unchanged.
QString windowFontFamily(const QString& face);

// A window font: `face` at `points` (point size turned into whole pixels at
// the screen's logical resolution, as the layouts' fonts are).
QFont windowFont(const QString& face, int points, bool bold = false);

// Registers the stand-ins with Qt's font matching, so widgets that ask for
// the layouts' faces get them too. Safe to call more than once.
void installWindowFontSubstitutions();

}  // namespace yq
