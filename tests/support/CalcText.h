// Reading yq-calc's printed text in tests.
#pragma once

#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace yq::test {

// KEY=value of every word of a record line (a word without "=" has an
// empty value).
inline std::map<std::string, std::string> fieldsOf(const std::string& line) {
    std::map<std::string, std::string> fields;
    std::istringstream words(line);
    for (std::string word; words >> word;) {
        const auto eq = word.find('=');
        fields[word.substr(0, eq)] = eq == std::string::npos ? "" : word.substr(eq + 1);
    }
    return fields;
}

// The lines of a text, without their line breaks.
inline std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) lines.push_back(line);
    return lines;
}

}  // namespace yq::test
