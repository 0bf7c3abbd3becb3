// Numeric display pictures ("n-10.2", "n11.3", "n-10"): the text a value
// shows through its picture.
//
// Rendering chosen for this program: the value is rounded half away from
// zero to the picture's places, the integer digits are grouped in thousands
// with ",", and a negative value always shows its "-" (a picture without
// the "-" does not hide the sign of a value it cannot show as positive).
// A text longer than the picture's width shows as "#" repeated over the
// width. The text is returned without padding; the caller aligns it.
#pragma once

#include "design/Decimal.h"

#include <QString>

#include <optional>
#include <string_view>

namespace yq {

struct NumericPicture {
    int width = 0;   // characters
    int places = 0;  // after the point
    bool minus = false;
};

// Parses "n-10.2", "n11.3", "n10" (case-insensitive "n"); nothing for other text.
std::optional<NumericPicture> parseNumericPicture(std::string_view text);

QString formatNumeric(const Decimal& value, const NumericPicture& picture);
// Same, parsing the picture first; an invalid picture gives the plain value.
QString formatNumeric(const Decimal& value, std::string_view picture);

}  // namespace yq
