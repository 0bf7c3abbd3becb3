// Entry fields for decimal quantities shown through a numeric picture
// ("n11.3", "n-10.2"): what text they accept and what value it means.
#pragma once

#include "design/Decimal.h"

#include <QString>
#include <QValidator>

#include <optional>

namespace yq {

// Value of an entry's text: thousands separators are ignored; an empty text
// (or a lone sign or point) is 0; nothing for text that is not a number.
std::optional<Decimal> entryValue(const QString& text);

// Accepts only text that fits the picture: a sign where the picture allows
// one, as many integer digits as its width leaves, at most its places after
// the point.
class PictureValidator : public QValidator {
public:
    PictureValidator(const QString& picture, QObject* parent = nullptr);
    State validate(QString& input, int& pos) const override;

    int integerDigits() const { return integerDigits_; }
    int places() const { return places_; }
    bool allowsMinus() const { return minus_; }

private:
    int integerDigits_ = 9;
    int places_ = 0;
    bool minus_ = false;
};

}  // namespace yq
