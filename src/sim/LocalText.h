// Texts for a person (messages, table labels, help) in the program's
// language, with their place markers filled in.
#pragma once

#include <QCoreApplication>
#include <QString>

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace yq::sim {

// `source` with %1 ... %9 replaced by `args` in one pass: the arguments go
// in byte for byte, not searched for markers of their own; a marker without
// an argument stays as it is.
inline std::string fillPattern(std::string_view source, std::initializer_list<std::string_view> args) {
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

// The same for `text` as QCoreApplication::translate gave it (UTF-8).
inline std::string filledText(const QString& text, std::initializer_list<std::string_view> args = {}) {
    const std::string source = text.toStdString();
    return fillPattern(source, args);
}

// A text marked with QT_TRANSLATE_NOOP(context, text) where it was made,
// in the program's language (English: the text itself).
inline std::string shownText(const char* context, const std::string& text) {
    if (text.empty()) return text;
    return QCoreApplication::translate(context, text.c_str()).toStdString();
}

// The values that `text` holds where `pattern` (a marked text with %1, %2
// ... in this order, each once) has its markers, when the rest matches.
inline bool valuesOf(std::string_view pattern, std::string_view text, std::vector<std::string>& values) {
    values.clear();
    std::vector<std::string_view> pieces;  // the literal parts between the markers
    std::size_t start = 0;
    for (std::size_t i = 0; i + 1 < pattern.size(); ++i) {
        if (pattern[i] == '%' && pattern[i + 1] == static_cast<char>('1' + pieces.size())) {
            pieces.push_back(pattern.substr(start, i - start));
            start = i + 2;
            ++i;
        }
    }
    if (pieces.empty()) return false;
    pieces.push_back(pattern.substr(start));
    if (text.substr(0, pieces[0].size()) != pieces[0]) return false;
    std::size_t pos = pieces[0].size();
    for (std::size_t k = 1; k < pieces.size(); ++k) {
        const bool last = k + 1 == pieces.size();
        std::size_t end;
        if (last) {
            if (text.size() < pos + pieces[k].size() || text.substr(text.size() - pieces[k].size()) != pieces[k])
                return false;
            end = text.size() - pieces[k].size();
        } else {
            end = pieces[k].empty() ? std::string_view::npos : text.find(pieces[k], pos);
            if (end == std::string_view::npos) return false;
        }
        if (end <= pos) return false;
        values.emplace_back(text.substr(pos, end - pos));
        pos = end + pieces[k].size();
    }
    return true;
}

// A text of a study (a note, a rule that a deck breaks) in the program's
// language: a marked text as shownText gives it, or one made from one of
// the marked `patterns` by filledText, that pattern translated and filled
// with the same values.
inline std::string shownText(const char* context, const std::string& text,
                             std::initializer_list<const char*> patterns) {
    const std::string shown = shownText(context, text);
    if (shown != text) return shown;
    std::vector<std::string> values;
    for (const char* pattern : patterns) {
        if (!valuesOf(pattern, text, values)) continue;
        std::string out = QCoreApplication::translate(context, pattern).toStdString();
        // The values in order, each once, as fillPattern takes them.
        std::string filled;
        for (std::size_t i = 0; i < out.size(); ++i) {
            if (out[i] == '%' && i + 1 < out.size() && out[i + 1] >= '1' && out[i + 1] <= '9' &&
                static_cast<std::size_t>(out[i + 1] - '1') < values.size()) {
                filled += values[static_cast<std::size_t>(out[i + 1] - '1')];
                ++i;
            } else {
                filled += out[i];
            }
        }
        return filled;
    }
    return text;
}

}  // namespace yq::sim
