// Font faces of the report and the families that draw them on this system.
//
// The report is laid out for "Arial" and "Arial Rounded MT Bold". Neither is
// installed on Linux; Liberation Sans has the same metrics as Arial and
// stands in for both. "Arial Rounded MT Bold" is a bold face by itself, so it
// is drawn with the bold weight whatever weight the layout asks for.
#pragma once

#include <QFont>
#include <QList>
#include <QString>

#include <span>

namespace yq::report {

inline constexpr const char* kArial = "Arial";
inline constexpr const char* kArialRoundedBold = "Arial Rounded MT Bold";
inline constexpr const char* kSubstituteFamily = "Liberation Sans";

// A font as the layout names it.
struct FontSpec {
    QString face = QString::fromLatin1(kArial);
    int points = 10;
    bool bold = false;
    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

// The layout's usual face, "Arial", at `points`.
inline FontSpec arial(int points, bool bold = false) { return {QString::fromLatin1(kArial), points, bold}; }

// The family that draws `face` here ("Arial" -> "Liberation Sans"); other
// faces are returned unchanged.
QString mappedFamily(const QString& face);

// Whether the face is drawn bold regardless of the requested weight.
bool faceIsBold(const QString& face);

// A QFont for `spec` whose em is `pixelSize` logical units high.
QFont qtFont(const FontSpec& spec, int pixelSize);

// The em of a font of `points` in thousandths of an inch: the pixel size at
// which the page is laid out and drawn.
int layoutPixelSize(int points);

// Where each position of `text` (0 to its length, in UTF-16 units) falls
// when drawn from x 0 in the layout's font, in thousandths of an inch; the
// last entry is the text's width. The metafile writes these advances, so
// that a reader that substitutes another face still places each character
// where the page has it. Needs a QGuiApplication.
QList<double> layoutPositions(const FontSpec& spec, const QString& text);

// The width of `text` in the layout's font, thousandths of an inch.
double layoutWidth(const FontSpec& spec, const QString& text);

// Registers the substitutions with Qt's font matching, so widgets asking for
// the layout's faces get the stand-in too. Safe to call more than once.
void installFontSubstitutions();

// Registers `kSubstituteFamily` as the stand-in of each of `faces` with Qt's
// font matching (the windows have faces of their own to map).
void substituteFaces(std::span<const char* const> faces);

}  // namespace yq::report
