// The layout of the --help texts, as help2man reads them.
#include "platform/HelpText.h"
#include "design/TerminalColumns.h"
#include "support/AccentingTranslator.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

using namespace yq::platform;

TEST(HelpText, UsagesSectionsRowsAndExamplesAreLaidOutInColumnsWithinTheWidth) {
    HelpPage page;
    page.usages = {"prog [OPTION]...", "prog COMMAND"};
    page.description = "First paragraph.\n\nSecond paragraph.";
    page.sections = {{"Options",
                      {{"--short", "does a thing", "prog --short"},
                       {"--a-very-long-option VALUE",
                        "words words words words words words words words words words "
                        "words words words words words",
                        ""}}}};
    page.epilogue = "Exit status:\n  0  fine";
    EXPECT_EQ(formatHelp(page),
              "Usage: prog [OPTION]...\n"
              "  or:  prog COMMAND\n"
              "First paragraph.\n"
              "\n"
              "Second paragraph.\n"
              "\n"
              "Options:\n"
              "  --short               does a thing\n"
              "                        Example: prog --short\n"
              "  --a-very-long-option VALUE\n"
              "                        words words words words words words words words words\n"
              "                        words words words words words words\n"
              "\n"
              "Exit status:\n"
              "  0  fine\n");
    std::istringstream lines(formatHelp(page));
    for (std::string line; std::getline(lines, line);) EXPECT_LE(line.size(), 79u) << line;
}

TEST(HelpText, VersionNamesTheProgramItsVersionAndTheLicence) {
    const std::string text = formatVersion("yq-calc", programVersion());
    EXPECT_EQ(text.substr(0, text.find('\n')), "yq-calc " + programVersion());
    EXPECT_NE(text.find("GPL-2.0-or-later"), std::string::npos);
    EXPECT_FALSE(programVersion().empty());
}

// The help's frame ("Usage:", "Example:") and the licence lines go
// through the translation system; the program's own texts are its caller's.
TEST(HelpText, TheFrameAndTheLicenceGoThroughTheTranslation) {
    const yq::test::AccentingTranslator accenting;
    HelpPage page;
    page.usages = {"YQ", "YQ X"};
    page.sections = {{"X", {{"Y", "Z", "YQ Y"}}}};
    const std::string text = formatHelp(page) + formatVersion("YQ", "1");
    EXPECT_EQ(yq::test::untranslatedWords(QString::fromStdString(text)).join(u' ').toStdString(), "") << text;
}

}  // namespace

namespace yq::platform {
namespace {

// A line's width on a terminal: Japanese letters take two columns.
std::size_t columns(const QString& line) {
    std::size_t n = 0;
    for (const char32_t c : line.toUcs4()) n += (c >= 0x2E80 && c <= 0xA4CF) || (c >= 0xFF00 && c <= 0xFF60) ? 2 : 1;
    return n;
}

// The room a text takes on a terminal, by which the tables of yq-calc pad
// their columns: letters, not bytes; Japanese letters two columns each.
TEST(HelpText, TerminalColumnsCountLettersAndWideLetters) {
    const struct {
        const char* text;
        std::size_t columns;
    } cases[] = {{"", 0},     {"Q (MHz)", 7},       {"Длина", 5},  {"Länge", 5},
                 {"長さ", 4}, {"巻数 (turns)", 12}, {"ＭＨｚ", 6}, {"\xE2\x82", 1}};
    for (const auto& c : cases) EXPECT_EQ(yq::terminalColumns(c.text), c.columns) << c.text;
}

// Help in Russian and Japanese fills its lines to the width as English does,
// counted in letters, not in bytes; Japanese, without spaces, breaks between
// letters but never before a closing mark.
TEST(HelpText, TranslatedTextsWrapAtTheWidthInLetters) {
    const struct {
        const char* language;
        std::string text;
    } cases[] = {
        {"ru",
         "рассчитать проект: начать с нового проекта (все поля равны нулю) или с файла проекта, записать каждое "
         "значение как точный десятичный текст, округлённый по правилам поля окна, и вывести результат"},
        {"ja",
         "新しい設計(すべての欄が0)または設計ファイルから始め、各値を窓の欄の規則で丸めた正確な十進数として"
         "記録し、窓と同じ計算を行って、結果を一行に出力します。計算は何度でも繰り返せます。"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.language);
        HelpPage page;
        page.usages = {"yq-calc"};
        page.sections = {{"S", {{"save", c.text, ""}}}};
        const QStringList lines = QString::fromStdString(formatHelp(page)).split(u'\n', Qt::SkipEmptyParts);
        ASSERT_GE(lines.size(), 4);
        std::size_t widest = 0;
        for (const QString& line : lines) {
            EXPECT_LE(columns(line), 79u) << line.toStdString();
            EXPECT_FALSE(line.trimmed().startsWith(u'、') || line.trimmed().startsWith(u'。')) << line.toStdString();
            widest = std::max(widest, columns(line));
        }
        EXPECT_GE(widest, 72u);
        // Nothing lost or added but line breaks and the indent.
        QString joined;
        for (const QString& line : lines.mid(3))
            joined += line.trimmed() + (c.language == std::string("ru") ? " " : "");
        EXPECT_EQ((lines[2].mid(24) + (c.language == std::string("ru") ? " " : "") + joined).trimmed().toStdString(),
                  c.text);
    }
}

}  // namespace
}  // namespace yq::platform
