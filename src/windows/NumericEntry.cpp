#include "windows/NumericEntry.h"

#include "report/Picture.h"

namespace yq {

std::optional<Decimal> entryValue(const QString& text) {
    QString t = text.trimmed();
    t.remove(u',');
    if (t.isEmpty() || t == QStringLiteral("-") || t == QStringLiteral(".") || t == QStringLiteral("-."))
        return Decimal();
    return Decimal::parse(t.toStdString());
}

PictureValidator::PictureValidator(const QString& picture, QObject* parent) : QValidator(parent) {
    if (const auto p = report::parseNumericPicture(picture.toStdString())) {
        places_ = p->places;
        minus_ = p->minus;
        // The sign does not take a digit's place; the point and places do.
        integerDigits_ = std::max(1, p->width - (p->places > 0 ? p->places + 1 : 0));
    }
}

QValidator::State PictureValidator::validate(QString& input, int& pos) const {
    Q_UNUSED(pos);
    QString t = input;
    t.remove(u',');
    t = t.trimmed();
    qsizetype i = 0;
    if (i < t.size() && t[i] == u'-') {
        if (!minus_) return Invalid;
        ++i;
    }
    int whole = 0;
    while (i < t.size() && t[i].isDigit() && t[i].unicode() < 128) {
        ++whole;
        ++i;
    }
    int fraction = 0;
    if (i < t.size() && t[i] == u'.') {
        if (places_ == 0) return Invalid;
        ++i;
        while (i < t.size() && t[i].isDigit() && t[i].unicode() < 128) {
            ++fraction;
            ++i;
        }
    }
    if (i != t.size()) return Invalid;
    // Leading zeros do not count against the width.
    QString digits = t;
    digits.remove(u'-');
    const qsizetype point = digits.indexOf(u'.');
    QString integerPart = point >= 0 ? digits.left(point) : digits;
    while (integerPart.size() > 1 && integerPart.startsWith(u'0')) integerPart.remove(0, 1);
    if (integerPart.size() > integerDigits_ || fraction > places_) return Invalid;
    Q_UNUSED(whole);
    return Acceptable;
}

}  // namespace yq
