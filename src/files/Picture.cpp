#include "files/Picture.h"

#include <charconv>

namespace yq {

namespace {

std::optional<int> number(std::string_view text) {
    if (text.empty() || text.size() > 3) return std::nullopt;
    int value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace

std::optional<NumericPicture> parseNumericPicture(std::string_view text) {
    if (text.empty() || (text.front() != 'n' && text.front() != 'N')) return std::nullopt;
    text.remove_prefix(1);
    NumericPicture picture;
    if (!text.empty() && text.front() == '-') {
        picture.minus = true;
        text.remove_prefix(1);
    }
    const auto dot = text.find('.');
    const auto width = number(text.substr(0, dot));
    if (!width || *width < 1) return std::nullopt;
    picture.width = *width;
    if (dot != std::string_view::npos) {
        const auto places = number(text.substr(dot + 1));
        if (!places || *places >= picture.width) return std::nullopt;
        picture.places = *places;
    }
    return picture;
}

QString formatNumeric(const Decimal& value, const NumericPicture& picture) {
    const std::string fixed = value.rounded(picture.places).toFixed(picture.places);
    std::string_view digits = fixed;
    bool negative = false;
    if (!digits.empty() && digits.front() == '-') {
        negative = true;
        digits.remove_prefix(1);
    }
    const auto point = digits.find('.');
    const std::string_view whole = digits.substr(0, point);
    std::string out;
    out.reserve(fixed.size() + whole.size() / 3 + 1);
    // "-0.00" is not a negative value: rounding can leave a sign on zero.
    bool allZero = true;
    for (char c : digits) {
        if (c >= '1' && c <= '9') allZero = false;
    }
    if (negative && !allZero) out.push_back('-');
    for (std::size_t i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0) out.push_back(',');
        out.push_back(whole[i]);
    }
    if (point != std::string_view::npos) out.append(digits.substr(point));
    if (static_cast<int>(out.size()) > picture.width) return QString(picture.width, QLatin1Char('#'));
    return QString::fromLatin1(out.data(), static_cast<qsizetype>(out.size()));
}

QString formatNumeric(const Decimal& value, std::string_view picture) {
    if (const auto parsed = parseNumericPicture(picture)) return formatNumeric(value, *parsed);
    return QString::fromStdString(value.toString());
}

}  // namespace yq
