#include "report/Fonts.h"

#include <QStringList>

#include <QStringList>

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

void installFontSubstitutions() {
    const QString family = QString::fromLatin1(kSubstituteFamily);
    for (const char* face : {kArial, kArialRoundedBold}) {
        const QString name = QString::fromLatin1(face);
        if (!QFont::substitutes(name).contains(family)) QFont::insertSubstitution(name, family);
    }
}

}  // namespace yq::report
