#include "windows/NumericEntry.h"

#include "files/Picture.h"

#include <QRegularExpression>

namespace yq {

namespace {

bool isAsciiDigits(const QString& s) {
    for (QChar c : s)
        if (c < u'0' || c > u'9') return false;
    return true;
}

}  // namespace

std::optional<EntryText> splitEntry(const QString& text, int places) {
    QString t = text.trimmed();
    EntryText out;
    if (t.startsWith(u'-')) {
        out.negative = true;
        t.remove(0, 1);
    }
    const qsizetype points = t.count(u'.');
    const qsizetype commas = t.count(u',');
    // Grouping as the field displays it: groups of three before the point.
    static const QRegularExpression groupedWithPoint(QStringLiteral("^\\d{1,3}(,\\d{3})+\\.\\d*$"));
    static const QRegularExpression groupedWhole(QStringLiteral("^\\d{1,3}(,\\d{3})+$"));
    QString whole = t;
    QString fraction;
    if (points + commas == 0) {
        // digits only
    } else if (points + commas == 1) {
        if (commas == 1 && places == 0 && groupedWhole.match(t).hasMatch()) {
            whole.remove(u',');  // "1,000" where no places are shown
        } else {
            const qsizetype at = t.indexOf(QRegularExpression(QStringLiteral("[.,]")));
            whole = t.left(at);
            fraction = t.mid(at + 1);
            out.separator = true;
        }
    } else if (points == 1 && groupedWithPoint.match(t).hasMatch()) {
        const qsizetype at = t.indexOf(u'.');
        whole = t.left(at);
        whole.remove(u',');
        fraction = t.mid(at + 1);
        out.separator = true;
    } else if (points == 0 && places == 0 && groupedWhole.match(t).hasMatch()) {
        whole.remove(u',');
    } else {
        return std::nullopt;
    }
    if (!isAsciiDigits(whole) || !isAsciiDigits(fraction)) return std::nullopt;
    out.whole = whole;
    out.fraction = fraction;
    return out;
}

std::optional<Decimal> entryValue(const QString& text, int places) {
    const auto parts = splitEntry(text, places);
    if (!parts) return std::nullopt;
    if (parts->whole.isEmpty() && parts->fraction.isEmpty()) return Decimal();
    QString plain = parts->whole.isEmpty() ? QStringLiteral("0") : parts->whole;
    if (!parts->fraction.isEmpty()) plain += u'.' + parts->fraction;
    auto value = Decimal::parse(plain.toStdString());
    if (value && parts->negative) value = -*value;
    return value;
}

PictureValidator::PictureValidator(const QString& picture, QObject* parent) : QValidator(parent) {
    if (const auto p = parseNumericPicture(picture.toStdString())) setPicture(*p);
}

PictureValidator::PictureValidator(const QString& picture, Storage storage, QObject* parent)
    : PictureValidator(picture, parent) {
    storage_ = storage;
}

PictureValidator::PictureValidator(const NumericPicture& picture, Storage storage, QObject* parent)
    : QValidator(parent), storage_(storage) {
    setPicture(picture);
}

void PictureValidator::setPicture(const NumericPicture& p) {
    places_ = p.places;
    minus_ = p.minus;
    // The sign does not take a digit's place; the point and places do.
    integerDigits_ = std::max(1, p.width - (p.places > 0 ? p.places + 1 : 0));
}

QValidator::State PictureValidator::validate(QString& input, int& pos) const {
    Q_UNUSED(pos);
    const auto parts = splitEntry(input, places_);
    if (!parts) return Invalid;
    if (parts->negative && !minus_) return Invalid;
    if (parts->separator && places_ == 0) return Invalid;
    // Leading zeros do not count against the width.
    QString integerPart = parts->whole;
    while (integerPart.size() > 1 && integerPart.startsWith(u'0')) integerPart.remove(0, 1);
    if (integerPart.size() > integerDigits_ || parts->fraction.size() > places_) return Invalid;
    if (storage_) {
        const auto value = entryValue(input, places_);
        if (!value || !storageHolds(*storage_, *value)) return Invalid;
    }
    return Acceptable;
}

}  // namespace yq
