#include "links/LinkRules.h"

#include <gtest/gtest.h>

namespace yq::links {
namespace {

struct AddressCase {
    const char* url;
    bool mail;
};

class MailOrWeb : public ::testing::TestWithParam<AddressCase> {};

TEST_P(MailOrWeb, DecidedByAtSignAndWebScheme) {
    EXPECT_EQ(isMailAddress(QString::fromUtf8(GetParam().url)), GetParam().mail) << GetParam().url;
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, MailOrWeb,
    ::testing::Values(AddressCase{"joe@example.org", true}, AddressCase{"mailto:joe@example.org", true},
                      AddressCase{"MAILTO:joe@example.org", true},
                      // a web address with "@" further on stays a web address
                      AddressCase{"http://example.org/~joe@home", false},
                      AddressCase{"HTTP://user@example.org/", false}, AddressCase{"https://user@example.org/", false},
                      // "www." is no web scheme: with "@" it counts as mail
                      AddressCase{"www.example.org/a@b", true}, AddressCase{"ftp://joe@example.org", true},
                      AddressCase{"http://forum.example.org/yq", false}, AddressCase{"www.example.org", false},
                      AddressCase{"", false}));

TEST(MailCommand, MailtoAddedExactlyOnce) {
    EXPECT_EQ(mailCommand(QStringLiteral("joe@example.org")), QStringLiteral("mailto:joe@example.org"));
    EXPECT_EQ(mailCommand(QStringLiteral("mailto:joe@example.org")), QStringLiteral("mailto:joe@example.org"));
    EXPECT_EQ(mailCommand(QStringLiteral("MAILTO:joe@example.org")), QStringLiteral("MAILTO:joe@example.org"));
    EXPECT_EQ(mailCommand(QStringLiteral("MailTo:joe@example.org?subject=YQ")),
              QStringLiteral("MailTo:joe@example.org?subject=YQ"));
    // "mailto:" anywhere in the text counts
    EXPECT_EQ(mailCommand(QStringLiteral("Joe <mailto:joe@example.org>")),
              QStringLiteral("Joe <mailto:joe@example.org>"));
}

TEST(MailCommand, CutToLimitLessMailProgramLength) {
    const QString command = QStringLiteral("mailto:0123456789@example.org");  // 29 characters
    ASSERT_EQ(command.size(), 29);
    EXPECT_EQ(limitMailCommand(command, 0, 500), command);                                 // no limit
    EXPECT_EQ(limitMailCommand(command, -1, 500), command);                                // no limit
    EXPECT_EQ(limitMailCommand(command, 49, 20), command);                                 // 29 + 20 fits exactly
    EXPECT_EQ(limitMailCommand(command, 40, 20), QStringLiteral("mailto:0123456789@ex"));  // 40 - 20 = 20
    EXPECT_EQ(limitMailCommand(command, 10, 20), QString());  // the program alone is too long
    EXPECT_EQ(platformCommandLimit(), 0);
}

TEST(BrowserCommand, QuotedProgramPathIsKeptWithItsQuotes) {
    EXPECT_EQ(quotedProgramPart(QStringLiteral("\"C:\\Program Files\\Internet Explorer\\iexplore.exe\" -nohome")),
              QStringLiteral("\"C:\\Program Files\\Internet Explorer\\iexplore.exe\""));
    EXPECT_EQ(quotedProgramPart(QStringLiteral("\"/opt/web browser/browse\" --new-window %u")),
              QStringLiteral("\"/opt/web browser/browse\""));
    EXPECT_EQ(quotedProgramPart(QStringLiteral("firefox %u")), QStringLiteral("firefox %u"));
    // one quote only: used whole
    EXPECT_EQ(quotedProgramPart(QStringLiteral("browse \"%u")), QStringLiteral("browse \"%u"));
}

TEST(BrowserCommand, StartedDirectlyOnlyForIexploreAndWebAddresses) {
    const QString ie = QStringLiteral("\"C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE\"");
    const QString other = QStringLiteral("firefox-esr %u");
    struct Case {
        QString browser;
        const char* url;
        bool direct;
    } cases[] = {
        {ie, "www.example.org", true},     {ie, "WWW.example.org", true},
        {ie, "http://example.org", true},  {ie, "Http:example.org", true},
        {ie, "https://example.org", true}, {ie, "ftp://example.org", false},
        {ie, "example.org", false},        {other, "http://example.org", false},
        {other, "www.example.org", false}, {QString(), "http://example.org", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(startsBrowserDirectly(c.browser, QString::fromUtf8(c.url)), c.direct)
            << c.browser.toStdString() << " " << c.url;
}

TEST(ShellErrors, TextForEveryCode) {
    const std::pair<int, const char*> table[] = {
        {32, "The specified dynamic-link library was not found. File:|"},
        {31, "There is no application associated with the given file name extension. File:|"},
        {30, "The DDE transaction could not be completed because other DDE transactions were being processed. File:|"},
        {29, "The DDE transaction failed. File:|"},
        {28, "The DDE transaction could not be completed because the request timed out. File:|"},
        {27, "The file name association is incomplete or invalid. File:|"},
        {26, "A sharing violation occurred. File:|"},
        {11, "The .exe file is invalid (non-Win32\xC2\xAE .exe or error in .exe image). File:|"},
        {8, "There was not enough memory to complete the operation. File:|"},
        {5, "The operating system denied access to the specified file. File:|"},
        {3, "The specified path was not found. File:|"},
        {2, "The specified file was not found. File:|"},
        {0, "The Operating system is out of memory/resources. File:|"},
        {1, "Unknown ShellExecute Error occured. File:|"},
        {4, "Unknown ShellExecute Error occured. File:|"},
        {-1, "Unknown ShellExecute Error occured. File:|"},
    };
    for (const auto& [code, text] : table) EXPECT_EQ(shellErrorText(code), QString::fromUtf8(text)) << code;
}

TEST(ShellErrors, MessageNamesCodeTextAndFile) {
    const ShellErrorMessage m = shellErrorMessage(2, QStringLiteral("http://forum.example.org/yq/"));
    EXPECT_EQ(m.text, QStringLiteral("(2) The specified file was not found. File:|http://forum.example.org/yq/"));
    EXPECT_EQ(m.caption, QStringLiteral("Shell Execute Error:2"));

    const ShellErrorMessage none = shellErrorMessage(31, QStringLiteral("mailto:joe@example.org"));
    EXPECT_EQ(none.text, QStringLiteral("(31) There is no application associated with the given file name "
                                        "extension. File:|mailto:joe@example.org"));
    EXPECT_EQ(none.caption, QStringLiteral("Shell Execute Error:31"));
}

TEST(Forum, AddressIsAWebAddress) {
    const QString forum = QString::fromUtf8(kForumAddress);
    EXPECT_FALSE(isMailAddress(forum));
    EXPECT_TRUE(forum.startsWith(QStringLiteral("https://")));
}

}  // namespace
}  // namespace yq::links
