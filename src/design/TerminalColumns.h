// How much room a UTF-8 text takes on a terminal, for the tables and help
// the command-line programs print: one column a letter, two a Chinese,
// Japanese or Korean letter (a line may also break between two of those).
#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>
#include <utility>

namespace yq {

// The code point of the UTF-8 character at byte `i`, and its length in bytes.
inline std::pair<char32_t, std::size_t> utf8CharacterAt(std::string_view text, std::size_t i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    const std::size_t length = byte < 0x80 ? 1 : byte < 0xE0 ? 2 : byte < 0xF0 ? 3 : 4;
    char32_t c = length == 1 ? byte : byte & (0x3F >> (length - 1));
    for (std::size_t k = 1; k < length && i + k < text.size(); ++k)
        c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    return {c, std::min(length, text.size() - i)};
}

inline bool isWideLetter(char32_t c) {
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3) ||
           (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
           (c >= 0xFFE0 && c <= 0xFFE6);
}

inline std::size_t terminalColumns(std::string_view text) {
    std::size_t columns = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto [c, length] = utf8CharacterAt(text, i);
        columns += isWideLetter(c) ? 2 : 1;
        i += length;
    }
    return columns;
}

}  // namespace yq
