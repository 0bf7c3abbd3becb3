// The program's fixed texts (keys, captions, rule texts) are Latin-1 string
// views; this makes Qt strings of them.
#pragma once

#include <QString>

#include <string_view>

namespace yq {

inline QString latin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace yq
