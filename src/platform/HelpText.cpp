#include "platform/HelpText.h"

#include "design/TerminalColumns.h"

#include <QCoreApplication>

#include <algorithm>
#include <sstream>
#include <utility>
#include <vector>

#ifndef YQ_VERSION
#error "YQ_VERSION is set by the build"
#endif

namespace yq::platform {

namespace {

constexpr std::size_t kWidth = 79;
constexpr std::size_t kTextColumn = 24;

// A text of the help's frame as the reader reads it, its %1 filled in.
std::string helpText(const char* source, const std::string& arg = {}) {
    QString text = QCoreApplication::translate("HelpText", source);
    if (text.contains(QLatin1String("%1"))) text = text.arg(QString::fromStdString(arg));
    return text.toStdString();
}

// Closing marks that never begin a line.
bool closesPhrase(char32_t c) {
    return c == U'\u3001' || c == U'\u3002' || c == U'\uFF0C' || c == U'\uFF0E' || c == U'\uFF09' || c == U'\u300D' ||
           c == U'\u300F' || c == U'\uFF1A' || c == U'\uFF1B' || c == U'\u30FC' || c == U'\uFF01' || c == U'\uFF1F';
}

// A piece of text no line breaks inside: a word, or one wide letter.
struct Piece {
    std::string text;
    std::size_t columns = 0;
    bool spaceBefore = false;
};

std::vector<Piece> pieces(const std::string& text) {
    std::vector<Piece> out;
    std::istringstream words(text);
    std::string word;
    while (words >> word) {
        bool startOfWord = true;
        bool lastWide = false;
        for (std::size_t i = 0; i < word.size();) {
            const auto [c, length] = utf8CharacterAt(word, i);
            const bool wide = isWideLetter(c);
            // A new piece at the word's start, at every wide letter (but not a
            // closing mark), and after a wide letter.
            if (startOfWord || (wide && !closesPhrase(c)) || (lastWide && !wide && !closesPhrase(c)))
                out.push_back(Piece{{}, 0, startOfWord});
            out.back().text.append(word, i, length);
            out.back().columns += wide ? 2 : 1;
            startOfWord = false;
            lastWide = wide;
            i += length;
        }
    }
    return out;
}

// Appends `text` wrapped at word boundaries (and between wide letters),
// each line indented by `indent`, the first line starting at column
// `column` already reached; columns count characters, not bytes.
void wrap(std::string& out, const std::string& text, std::size_t indent, std::size_t column) {
    bool first = true;
    for (const Piece& piece : pieces(text)) {
        const std::size_t space = !first && piece.spaceBefore ? 1 : 0;
        if (!first && column + space + piece.columns > kWidth) {
            out += '\n';
            out.append(indent, ' ');
            column = indent;
            first = true;
        }
        if (!first && piece.spaceBefore) {
            out += ' ';
            ++column;
        }
        out += piece.text;
        column += piece.columns;
        first = false;
    }
    out += '\n';
}

}  // namespace

std::string formatHelp(const HelpPage& page) {
    std::string out;
    for (std::size_t i = 0; i < page.usages.size(); ++i)
        out += (i == 0 ? helpText(QT_TRANSLATE_NOOP("HelpText", "Usage: %1"), page.usages[i])
                       : helpText(QT_TRANSLATE_NOOP("HelpText", "  or:  %1"), page.usages[i])) +
               '\n';
    std::size_t start = 0;
    while (start <= page.description.size() && !page.description.empty()) {
        const std::size_t end = page.description.find("\n\n", start);
        const std::string paragraph = page.description.substr(start, end == std::string::npos ? end : end - start);
        if (start > 0) out += '\n';
        wrap(out, paragraph, 0, 0);
        if (end == std::string::npos) break;
        start = end + 2;
    }
    for (const HelpSection& section : page.sections) {
        out += '\n' + section.title + ":\n";
        for (const HelpRow& row : section.rows) {
            out += "  " + row.usage;
            std::size_t column = 2 + row.usage.size();
            if (column + 2 > kTextColumn) {
                out += '\n';
                column = 0;
            }
            out.append(kTextColumn - column, ' ');
            wrap(out, row.text, kTextColumn, kTextColumn);
            if (!row.example.empty())
                out += std::string(kTextColumn, ' ') +
                       helpText(QT_TRANSLATE_NOOP("HelpText", "Example: %1"), row.example) + '\n';
        }
    }
    if (!page.epilogue.empty()) out += '\n' + page.epilogue + (page.epilogue.back() == '\n' ? "" : "\n");
    return out;
}

std::string formatVersion(const std::string& program, const std::string& version) {
    return program + ' ' + version + '\n' +
           helpText(QT_TRANSLATE_NOOP(
               "HelpText",
               "Licence GPL-2.0-or-later: GNU GPL version 2 or later <https://gnu.org/licenses/gpl.html>.\n"
               "This is free software: you are free to change and redistribute it.\n"
               "There is NO WARRANTY, to the extent permitted by law.\n"));
}

std::string programVersion() { return YQ_VERSION; }

}  // namespace yq::platform
