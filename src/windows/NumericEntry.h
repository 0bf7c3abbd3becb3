// Entry fields for decimal quantities shown through a numeric picture
// ("n11.3", "n-10.2"): what text they accept and what value it means.
#pragma once

#include "design/Decimal.h"
#include "design/FieldLimits.h"
#include "files/Picture.h"

#include <QString>
#include <QValidator>

#include <optional>

namespace yq {

// An entry's text taken apart: sign, integer digits, fraction digits.
struct EntryText {
    bool negative = false;
    QString whole;     // integer digits as typed (grouping removed)
    QString fraction;  // digits after the decimal separator
    bool separator = false;
};

// Reads an entry's text. One decimal separator, "." or ",": "7,15" is 7.15.
// Thousands grouping as the field shows it ("2,086.17", and "1,000" in a
// field without places) is grouping, never a decimal separator. Anything
// else with more than one separator is not a number.
// `places` is the number of places the field shows; -1 when unknown.
std::optional<EntryText> splitEntry(const QString& text, int places = -1);

// Value of an entry's text by the rules of splitEntry: an empty text (or a
// lone sign or separator) is 0; nothing for text that is not a number.
std::optional<Decimal> entryValue(const QString& text, int places = -1);

// Accepts only text that fits the picture: a sign where the picture allows
// one, as many integer digits as its width leaves, at most its places after
// the separator. Given a storage, also only values that storage can hold.
class PictureValidator : public QValidator {
public:
    PictureValidator(const QString& picture, QObject* parent = nullptr);
    PictureValidator(const QString& picture, Storage storage, QObject* parent = nullptr);
    // A picture parsed already.
    PictureValidator(const NumericPicture& picture, Storage storage, QObject* parent = nullptr);
    State validate(QString& input, int& pos) const override;

    int integerDigits() const { return integerDigits_; }
    int places() const { return places_; }
    bool allowsMinus() const { return minus_; }

private:
    void setPicture(const NumericPicture& picture);

    int integerDigits_ = 9;
    int places_ = 0;
    bool minus_ = false;
    std::optional<Storage> storage_;
};

}  // namespace yq
