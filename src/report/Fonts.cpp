#include "report/Fonts.h"

#include <QStringList>
#include <QTextLayout>

namespace yq::report {

QString mappedFamily(const QString& face) {
    if (face.compare(QLatin1String(kArial), Qt::CaseInsensitive) == 0 ||
        face.compare(QLatin1String(kArialRoundedBold), Qt::CaseInsensitive) == 0) {
        return QString::fromLatin1(kSubstituteFamily);
    }
    return face;
}

bool faceIsBold(const QString& face) {
    return face.compare(QLatin1String(kArialRoundedBold), Qt::CaseInsensitive) == 0;
}

QFont qtFont(const FontSpec& spec, int pixelSize) {
    QFont font(mappedFamily(spec.face));
    font.setPixelSize(pixelSize > 0 ? pixelSize : 1);
    font.setBold(spec.bold || faceIsBold(spec.face));
    font.setStyleHint(QFont::SansSerif);
    font.setKerning(false);
    return font;
}

int layoutPixelSize(int points) { return qRound(points * 1000.0 / 72.0); }

QList<double> layoutPositions(const FontSpec& spec, const QString& text) {
    QList<double> positions(text.size() + 1, 0.0);
    if (text.isEmpty()) return positions;
    QTextLayout layout(text, qtFont(spec, layoutPixelSize(spec.points)));
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    if (!line.isValid()) return positions;
    for (qsizetype i = 0; i <= text.size(); ++i) positions[i] = line.cursorToX(int(i));
    // Inside a surrogate pair the cursor stays at the pair's start.
    for (qsizetype i = 1; i <= text.size(); ++i) positions[i] = std::max(positions[i], positions[i - 1]);
    return positions;
}

double layoutWidth(const FontSpec& spec, const QString& text) { return layoutPositions(spec, text).constLast(); }

void substituteFaces(std::span<const char* const> faces) {
    const QString family = QString::fromLatin1(kSubstituteFamily);
    for (const char* face : faces) {
        const QString name = QString::fromLatin1(face);
        if (!QFont::substitutes(name).contains(family)) QFont::insertSubstitution(name, family);
    }
}

void installFontSubstitutions() {
    static constexpr const char* kFaces[] = {kArial, kArialRoundedBold};
    substituteFaces(kFaces);
}

}  // namespace yq::report
