// yq's --help and --version: answered before any window, every option
// listed with an example, the trace switches among them.
#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>

namespace {

TEST(ProgramCommandLine, HelpListsEveryOptionAndTraceSwitchWithAnExample) {
    const yq::platform::HelpPage page = yq::programHelpPage();
    std::set<std::string> listed;
    for (const auto& section : page.sections) {
        for (const auto& row : section.rows) {
            listed.insert(row.usage);
            EXPECT_EQ(row.example.rfind("yq", 0), 0u) << row.usage << ": " << row.example;
        }
    }
    const std::set<std::string> expected{"--lang CODE", "-h, --help", "-V, --version", "/HADebug",
                                         "/HAdbg",      "/HAdbgReg",  "-platform NAME"};
    EXPECT_EQ(listed, expected);

    for (const char* ask : {"--help", "-h"}) {
        std::ostringstream out;
        EXPECT_EQ(yq::answerInformationOptions({"/HADebug", ask}, out), 0) << ask;
        EXPECT_EQ(out.str(), yq::platform::formatHelp(page));
        EXPECT_NE(out.str().find("RazedUveziz: "), std::string::npos);
    }
    for (const char* ask : {"--version", "-V"}) {
        std::ostringstream out;
        EXPECT_EQ(yq::answerInformationOptions({ask}, out), 0) << ask;
        EXPECT_EQ(out.str().substr(0, out.str().find('\n')), "yq " + yq::platform::programVersion());
    }
    // Anything else goes on to the application: the trace switches, Qt's options.
    std::ostringstream out;
    EXPECT_FALSE(yq::answerInformationOptions({"/HADebug", "-platform", "offscreen"}, out));
    EXPECT_TRUE(out.str().empty());
}

}  // namespace
