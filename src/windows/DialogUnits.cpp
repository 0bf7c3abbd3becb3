#include "windows/DialogUnits.h"

#include "report/Fonts.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>

#include <cstdint>
#include <cstdlib>

namespace yq {

namespace {

// The window faces that Liberation Sans stands in for.
constexpr const char* kMappedFaces[] = {"Arial", "MS Sans Serif", "Microsoft Sans Serif", "MS Shell Dlg",
                                        "MS Shell Dlg 2"};

int logicalDpi() {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            const int dpi = qRound(screen->logicalDotsPerInchY());
            if (dpi > 0) return dpi;
        }
    }
    return 96;
}

}  // namespace

int mulDiv(int a, int b, int c) {
    if (c == 0) return 0;
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    const bool negative = (product < 0) != (c < 0);
    const std::int64_t num = std::llabs(product);
    const std::int64_t den = std::llabs(static_cast<std::int64_t>(c));
    const std::int64_t q = (2 * num + den) / (2 * den);
    return static_cast<int>(negative ? -q : q);
}

int averageCharWidthFromAlphabet(int alphabetWidth) { return (alphabetWidth / 26 + 1) / 2; }

BaseUnits baseUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {averageCharWidthFromAlphabet(width), metrics.height()};
}

DialogUnits::DialogUnits(const QFont& font) {
    const BaseUnits units = baseUnits(font);
    cx_ = units.avgCharWidth;
    cy_ = units.charHeight;
}

QString windowFontFamily(const QString& face) {
    for (const char* mapped : kMappedFaces) {
        if (face.compare(QLatin1String(mapped), Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(report::kSubstituteFamily);
    }
    return face;
}

QFont windowFont(const QString& face, int points, bool bold) {
    QFont font(windowFontFamily(face));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(qMax(1, mulDiv(points, logicalDpi(), 72)));
    font.setBold(bold);
    return font;
}

void installWindowFontSubstitutions() { report::substituteFaces(kMappedFaces); }

}  // namespace yq
