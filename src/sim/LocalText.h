// Texts for a person (messages, table labels, help) in the program's
// language, with their place markers filled in.
#pragma once

#include <QCoreApplication>
#include <QString>

#include <initializer_list>
#include <string>
#include <string_view>

namespace yq::sim {

// `text` (what QCoreApplication::translate gave) as UTF-8, with %1 ... %9
// replaced by `args` in one pass: the arguments go in byte for byte, not
// read as UTF-8 and not searched for markers of their own; a marker without
// an argument stays as it is.
inline std::string filledText(const QString& text, std::initializer_list<std::string_view> args = {}) {
    const std::string source = text.toStdString();
    std::string out;
    out.reserve(source.size() + 16);
    for (std::size_t i = 0; i < source.size(); ++i) {
        if (source[i] == '%' && i + 1 < source.size() && source[i + 1] >= '1' && source[i + 1] <= '9') {
            const auto index = static_cast<std::size_t>(source[i + 1] - '1');
            if (index < args.size()) {
                out += *(args.begin() + index);
                ++i;
                continue;
            }
        }
        out += source[i];
    }
    return out;
}

// A text marked with QT_TRANSLATE_NOOP(context, text) where it was made,
// in the program's language (English: the text itself).
inline std::string shownText(const char* context, const std::string& text) {
    if (text.empty()) return text;
    return QCoreApplication::translate(context, text.c_str()).toStdString();
}

}  // namespace yq::sim
