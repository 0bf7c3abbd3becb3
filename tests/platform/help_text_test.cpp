// The layout of the --help texts, as help2man reads them.
#include "platform/HelpText.h"
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
