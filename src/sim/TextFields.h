// The fields of a line of an NEC-2 deck or of nec2c's output: runs of
// characters between blanks, tabs and carriage returns.
#pragma once

#include <string_view>
#include <vector>

namespace yq::sim {

inline std::vector<std::string_view> fieldsOfLine(std::string_view line) {
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r')) ++i;
        std::size_t j = i;
        while (j < line.size() && line[j] != ' ' && line[j] != '\t' && line[j] != '\r') ++j;
        if (j > i) out.push_back(line.substr(i, j - i));
        i = j;
    }
    return out;
}

}  // namespace yq::sim
