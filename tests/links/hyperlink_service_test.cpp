#include "links/HyperlinkService.h"
#include "links/LinkRules.h"

#include "links/FakeLinkControls.h"
#include "support/FakeLauncher.h"
#include "support/RecordingMessages.h"

#include <gtest/gtest.h>

#include <memory>

namespace yq::links {
namespace {

using test::FakeDesktop;
using test::FakeLinkControls;
using test::RecordingMessages;

const QString kHttp = QStringLiteral("x-scheme-handler/http");
const QString kMailto = QStringLiteral("x-scheme-handler/mailto");
const QString kForum = QStringLiteral("https://forum.example.org/yq/");

// Control numbers of the pretend window.
constexpr int kForumButton = 5;
constexpr int kMailLabel = 7;
constexpr int kEntry = 8;
constexpr int kLabel = 9;

class HyperlinkServiceTest : public ::testing::Test {
protected:
    HyperlinkServiceTest() {
        desktop.handlers.set(kHttp, QStringLiteral("\"/opt/web browser/browse\" --new-window %u"),
                             QStringLiteral("org.example.Browse.desktop"));
        desktop.handlers.set(kMailto, QStringLiteral("mailer -compose %u"), QStringLiteral("mailer.desktop"));
    }

    HyperlinkService& make(const QStringList& arguments = {}) {
        service = std::make_unique<HyperlinkService>(controls, desktop.opener, messages, arguments,
                                                     [this](const QString& line) { traces << line; });
        return *service;
    }

    const test::FakeLauncher::Call& lastCall() {
        EXPECT_FALSE(desktop.launcher.calls.empty());
        return desktop.launcher.calls.back();
    }

    FakeLinkControls controls;
    FakeDesktop desktop;
    RecordingMessages messages{RecordingMessages::Mode::Record};
    QStringList traces;
    std::unique_ptr<HyperlinkService> service;
};

TEST_F(HyperlinkServiceTest, InitFindsBrowserAndMailProgram) {
    HyperlinkService& s = make();
    EXPECT_FALSE(s.inited());
    s.init();
    EXPECT_TRUE(s.inited());
    // the quoted program path, quotes included, stands for the browser
    EXPECT_EQ(s.browserCommand(), QStringLiteral("\"/opt/web browser/browse\""));
    EXPECT_EQ(s.mailProgramCommand(), QStringLiteral("mailer -compose %u"));
    EXPECT_EQ(desktop.handlers.queries, (QStringList{kHttp, kMailto}));
    EXPECT_TRUE(controls.buffered);
    EXPECT_EQ(s.timerEvent(), 0);
    EXPECT_TRUE(traces.isEmpty());  // no switch given
}

TEST_F(HyperlinkServiceTest, InitFlagBitZeroLeavesPaintingAlone) {
    make().init(event::Timer, 1);
    EXPECT_FALSE(controls.buffered);
    EXPECT_EQ(service->timerEvent(), event::Timer);
}

TEST_F(HyperlinkServiceTest, InitWithoutHandlersTracesBothMisses) {
    desktop.handlers.lookups.clear();
    HyperlinkService& s = make({QStringLiteral("yq"), QStringLiteral("/hadebug")});
    s.init();
    EXPECT_TRUE(s.browserCommand().isEmpty());
    EXPECT_TRUE(s.mailProgramCommand().isEmpty());
    EXPECT_EQ(traces, (QStringList{QStringLiteral("RazedUveziz: No Browser found in the registry."),
                                   QStringLiteral("RazedUveziz: No Email program found")}));
}

TEST_F(HyperlinkServiceTest, FailedLookupsTracedWithHAdbg) {
    desktop.handlers.lookups.clear();
    desktop.handlers.setBroken(kMailto, QStringLiteral("gone.desktop"));
    make({QStringLiteral("/HAdbg")}).init();
    ASSERT_EQ(traces.size(), 2);  // "/HAdbg" alone does not switch on the other traces
    EXPECT_TRUE(traces[0].startsWith(QStringLiteral("RegQueryValue: ")));
    EXPECT_TRUE(traces[0].contains(QStringLiteral("\n RegSubkeyName: x-scheme-handler/http\n self.OpenProgram: ")));
    EXPECT_TRUE(traces[1].contains(QStringLiteral("\n RegSubkeyName: x-scheme-handler/mailto\n")));
    EXPECT_TRUE(traces[1].endsWith(QStringLiteral(" self.OpenProgram: gone.desktop")));
}

TEST(TraceSwitchesTest, ExactSwitchesInAnyCase) {
    const TraceSwitches all = TraceSwitches::fromArguments(
        {QStringLiteral("yq"), QStringLiteral("/HADEBUG"), QStringLiteral("/hadbg"), QStringLiteral("/HAdbgReg")});
    EXPECT_TRUE(all.debug);
    EXPECT_TRUE(all.dbg);
    EXPECT_TRUE(all.dbgReg);
    const TraceSwitches none = TraceSwitches::fromArguments(
        {QStringLiteral("/HAdbgRegX"), QStringLiteral("HADebug"), QStringLiteral("/HADebug2")});
    EXPECT_FALSE(none.debug);
    EXPECT_FALSE(none.dbg);
    EXPECT_FALSE(none.dbgReg);
    const TraceSwitches reg = TraceSwitches::fromArguments({QStringLiteral("/HAdbgReg")});
    EXPECT_FALSE(reg.dbg);
    EXPECT_TRUE(reg.dbgReg);
}

TEST_F(HyperlinkServiceTest, ForumButtonOpensForumInDesktopBrowser) {
    auto& button = controls.add(kForumButton, ControlKind::Button, QStringLiteral("YQ Forum"));
    button.color = QColor(Qt::darkBlue);
    HyperlinkService& s = make({QStringLiteral("/HADebug")});
    s.init();
    s.addItem(kForumButton, kForum);
    s.refresh(0);
    traces.clear();

    s.takeEvent(kForumButton, event::Accepted);
    // the forum address has no handler of its own scheme: the web browser takes it
    ASSERT_EQ(desktop.launcher.calls.size(), 1u);
    EXPECT_EQ(lastCall().program, QStringLiteral("/opt/web browser/browse"));
    EXPECT_EQ(lastCall().args, (QStringList{QStringLiteral("--new-window"), kForum}));
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_TRUE(traces.contains(QStringLiteral("RazedUveziz: Command to run: [https://forum.example.org/yq/]")));
    EXPECT_EQ(s.urlToRun(), kForum);
}

TEST_F(HyperlinkServiceTest, ForumButtonKeepsColoursAndCursorUnderTheMouse) {
    auto& button = controls.add(kForumButton, ControlKind::Button, QStringLiteral("YQ Forum"));
    button.color = QColor(Qt::darkBlue);
    HyperlinkService& s = make();
    s.setCursorName(QStringLiteral("hand2.cur"));
    s.init(event::Timer);
    s.addItem(kForumButton, kForum);
    s.refresh(0);
    for (int e : {event::MouseIn, event::MouseMove, event::Timer, event::MouseOut, event::Sized})
        s.takeEvent(e == event::Timer || e == event::Sized ? 0 : kForumButton, e);
    s.refresh(0);
    const auto& after = controls.controls[kForumButton];
    EXPECT_EQ(after.color, QColor(Qt::darkBlue));
    EXPECT_EQ(after.colorChanges, 0);
    EXPECT_FALSE(after.underline);
    EXPECT_TRUE(after.cursor.isEmpty());
    EXPECT_TRUE(desktop.launcher.calls.empty());
}

TEST_F(HyperlinkServiceTest, NothingRunsWhileWindowAcceptsAllFields) {
    controls.add(kForumButton, ControlKind::Button, QStringLiteral("YQ Forum"));
    HyperlinkService& s = make();
    s.init();
    s.addItem(kForumButton, kForum);
    s.takeEvent(kForumButton, event::Accepted, true);
    EXPECT_TRUE(desktop.launcher.calls.empty());
    s.takeEvent(kForumButton + 1, event::Accepted);  // not a link
    EXPECT_TRUE(desktop.launcher.calls.empty());
}

TEST_F(HyperlinkServiceTest, MailAddressGetsMailtoOnceAndGoesToMailProgram) {
    controls.add(kMailLabel, ControlKind::TextDisplay, QStringLiteral("joe@example.org"),
                 QStringLiteral("joe@example.org   "));
    HyperlinkService& s = make();
    s.init();
    s.addItem(kMailLabel);  // no address: the text shown is the address
    s.takeEvent(kMailLabel, event::Accepted);
    ASSERT_EQ(desktop.launcher.calls.size(), 1u);
    EXPECT_EQ(lastCall().program, QStringLiteral("mailer"));
    EXPECT_EQ(lastCall().args, (QStringList{QStringLiteral("-compose"), QStringLiteral("mailto:joe@example.org")}));

    s.addItem(kMailLabel, QStringLiteral("MAILTO:ann@example.org"));
    s.takeEvent(kMailLabel, event::Accepted);
    ASSERT_EQ(desktop.launcher.calls.size(), 2u);
    EXPECT_EQ(lastCall().args, (QStringList{QStringLiteral("-compose"), QStringLiteral("MAILTO:ann@example.org")}));
}

TEST_F(HyperlinkServiceTest, WebAddressWithAtSignIsNoMailAddress) {
    HyperlinkService& s = make();
    s.init();
    s.setUrlToRun(QStringLiteral("http://example.org/~joe@home"));
    const auto result = s.run();
    ASSERT_TRUE(result.has_value());
    EXPECT_TRUE(result->ok());
    EXPECT_EQ(lastCall().program, QStringLiteral("/opt/web browser/browse"));
    EXPECT_EQ(lastCall().args.back(), QStringLiteral("http://example.org/~joe@home"));
}

TEST_F(HyperlinkServiceTest, MailCommandCutToGivenLimit) {
    HyperlinkService& s = make();
    s.init();
    s.setUrlToRun(QStringLiteral("0123456789@example.org"));
    // "mailto:0123456789@example.org" is 29 long, "mailer -compose %u" 18: 40 leaves 22
    s.run(40);
    EXPECT_EQ(lastCall().args.back(), QStringLiteral("mailto:0123456789@exam"));
    s.run(-1);  // no limit on this platform
    EXPECT_EQ(lastCall().args.back(), QStringLiteral("mailto:0123456789@example.org"));
}

TEST_F(HyperlinkServiceTest, EmptyAddressRunsNothing) {
    controls.add(kEntry, ControlKind::Entry, QString(), QStringLiteral("    "));
    HyperlinkService& s = make();
    s.init();
    s.addItem(kEntry, QStringLiteral("http://ignored.example.org"));
    s.takeEvent(kEntry, event::Accepted);  // an entry runs the text it shows
    EXPECT_TRUE(desktop.launcher.calls.empty());
    s.setUrlToRun(QString());
    EXPECT_FALSE(s.run().has_value());
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(HyperlinkServiceTest, AddressTakenFromUrlThenShownTextThenOwnText) {
    controls.add(1, ControlKind::Button, QStringLiteral("www.button.example"));
    controls.add(2, ControlKind::Combo, QStringLiteral("www.own.example"), QStringLiteral("www.shown.example"));
    controls.add(3, ControlKind::Prompt, QStringLiteral("www.prompt.example"), QStringLiteral("www.other.example"));
    HyperlinkService& s = make();
    s.init();
    for (int c : {1, 2, 3}) s.addItem(c);
    s.takeEvent(1, event::Accepted);
    EXPECT_EQ(s.urlToRun(), QStringLiteral("www.button.example"));
    s.takeEvent(2, event::Accepted);
    EXPECT_EQ(s.urlToRun(), QStringLiteral("www.shown.example"));
    s.takeEvent(3, event::Accepted);
    EXPECT_EQ(s.urlToRun(), QStringLiteral("www.prompt.example"));
    s.addItem(3, QStringLiteral("www.url.example"));
    s.takeEvent(3, event::Accepted);
    EXPECT_EQ(s.urlToRun(), QStringLiteral("www.url.example"));
    // "www." addresses go to the web browser
    EXPECT_EQ(lastCall().args, (QStringList{QStringLiteral("--new-window"), QStringLiteral("www.url.example")}));
}

TEST_F(HyperlinkServiceTest, IexploreBrowserStartedWithAddressAsParameter) {
    desktop.handlers.set(kHttp, QStringLiteral("\"/opt/Internet Explorer/IEXPLORE.EXE\" -nohome %u"));
    HyperlinkService& s = make({QStringLiteral("/HADebug")});
    s.init();
    EXPECT_EQ(s.browserCommand(), QStringLiteral("\"/opt/Internet Explorer/IEXPLORE.EXE\""));
    traces.clear();

    s.setUrlToRun(QStringLiteral("www.example.org"));
    s.run();
    ASSERT_EQ(desktop.launcher.calls.size(), 1u);
    EXPECT_EQ(lastCall().program, QStringLiteral("/opt/Internet Explorer/IEXPLORE.EXE"));
    EXPECT_EQ(lastCall().args, QStringList{QStringLiteral("www.example.org")});
    EXPECT_EQ(traces, QStringList{QStringLiteral(
                          "RazedUveziz: Command to run: [\"/opt/Internet Explorer/IEXPLORE.EXE\"] [www.example.org]")});

    // any other address goes to the desktop's opener, which has nothing for ftp
    s.setUrlToRun(QStringLiteral("ftp://example.org/pub"));
    const auto result = s.run();
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(platform::launch::codeOf(result->started), 31);
    EXPECT_EQ(desktop.launcher.calls.size(), 1u);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text,
              QStringLiteral("(31) There is no application associated with the given file name extension. "
                             "File:|ftp://example.org/pub"));
    EXPECT_EQ(messages.messages[0].caption, QStringLiteral("Shell Execute Error:31"));
    EXPECT_EQ(messages.messages[0].kind, platform::MessageKind::Information);
}

TEST_F(HyperlinkServiceTest, FailedBrowserStartShowsProgramInMessage) {
    desktop.handlers.set(kHttp, QStringLiteral("\"/opt/ie/iexplore\""));
    desktop.launcher.nextCode = 2;
    HyperlinkService& s = make();
    s.init();
    s.setUrlToRun(QStringLiteral("http://example.org"));
    s.run();
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text,
              QStringLiteral("(2) The specified file was not found. File:|\"/opt/ie/iexplore\""));
    EXPECT_EQ(messages.messages[0].caption, QStringLiteral("Shell Execute Error:2"));
}

TEST_F(HyperlinkServiceTest, FailedLaunchToldAndLinkStaysUsable) {
    controls.add(kForumButton, ControlKind::Button, QStringLiteral("YQ Forum"));
    desktop.launcher.nextCode = 5;
    HyperlinkService& s = make();
    s.init();
    s.addItem(kForumButton, kForum);
    s.takeEvent(kForumButton, event::Accepted);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text,
              QStringLiteral("(5) The operating system denied access to the specified file. File:|") + kForum);
    EXPECT_EQ(messages.messages[0].caption, QStringLiteral("Shell Execute Error:5"));

    desktop.launcher.nextCode = platform::launch::Started;
    s.takeEvent(kForumButton, event::Accepted);
    EXPECT_EQ(desktop.launcher.calls.size(), 2u);
    EXPECT_EQ(messages.messages.size(), 1u);
}

TEST_F(HyperlinkServiceTest, NoMailProgramStillHandsAddressToOpener) {
    desktop.handlers.lookups.remove(kMailto);
    HyperlinkService& s = make();
    s.init();
    s.setUrlToRun(QStringLiteral("joe@example.org"));
    const auto result = s.run();
    EXPECT_EQ(desktop.handlers.queries.count(kMailto), 2);  // at init and at the run
    EXPECT_EQ(platform::launch::codeOf(result->started), 31);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_TRUE(messages.messages[0].text.endsWith(QStringLiteral("File:|mailto:joe@example.org")));
}

TEST_F(HyperlinkServiceTest, TextDisplayBrightensUnderMouseUntilTimerSeesItLeave) {
    auto& label = controls.add(kLabel, ControlKind::TextDisplay, QStringLiteral("Forum"));
    label.color = QColor(Qt::black);
    HyperlinkService& s = make();
    s.init(event::Timer);
    s.addItem(kLabel, kForum, QColor(Qt::blue), QColor(Qt::red));
    EXPECT_EQ(controls.controls[kLabel].color, QColor(Qt::blue));
    EXPECT_EQ(s.item(kLabel)->inactive, QColor(Qt::black));

    controls.controls[kLabel].mouseOver = true;
    s.takeEvent(kLabel, event::MouseIn);
    EXPECT_TRUE(s.item(kLabel)->hovering);
    EXPECT_EQ(controls.controls[kLabel].color, QColor(Qt::red));
    s.takeEvent(0, event::Timer);  // still over it
    EXPECT_EQ(controls.controls[kLabel].color, QColor(Qt::red));

    controls.controls[kLabel].mouseOver = false;  // left without a mouse-out event
    s.takeEvent(0, event::Timer);
    EXPECT_FALSE(s.item(kLabel)->hovering);
    EXPECT_EQ(controls.controls[kLabel].color, QColor(Qt::blue));

    s.takeEvent(kLabel, event::MouseMove);
    EXPECT_EQ(controls.controls[kLabel].color, QColor(Qt::red));
    s.takeEvent(kLabel, event::MouseOut);
    EXPECT_EQ(controls.controls[kLabel].color, QColor(Qt::blue));
}

TEST_F(HyperlinkServiceTest, WithoutTimerEventHoverWaitsForMouseOut) {
    controls.add(kLabel, ControlKind::TextDisplay, QStringLiteral("Forum")).color = QColor(Qt::darkGreen);
    HyperlinkService& s = make();
    s.init();
    s.addItem(kLabel, kForum, std::nullopt, QColor(Qt::red));
    EXPECT_EQ(s.item(kLabel)->normal, QColor(Qt::darkGreen));  // the label's colour at registration
    s.takeEvent(kLabel, event::MouseIn);
    s.takeEvent(0, event::Timer);
    EXPECT_TRUE(s.item(kLabel)->hovering);
    s.takeEvent(kLabel, event::MouseOut);
    EXPECT_EQ(controls.controls[kLabel].color, QColor(Qt::darkGreen));
}

TEST_F(HyperlinkServiceTest, DisabledLinkIgnoresEventsAndShowsInactiveColour) {
    controls.add(kLabel, ControlKind::TextDisplay, QStringLiteral("Forum")).color = QColor(Qt::gray);
    HyperlinkService& s = make();
    s.init();
    s.addItem(kLabel, kForum, QColor(Qt::blue), QColor(Qt::red));
    s.setLinkEnabled(kLabel, false);
    EXPECT_EQ(controls.controls[kLabel].color, QColor(Qt::gray));
    s.takeEvent(kLabel, event::Accepted);
    s.takeEvent(kLabel, event::MouseIn);
    EXPECT_TRUE(desktop.launcher.calls.empty());
    EXPECT_FALSE(s.item(kLabel)->hovering);
    s.setLinkEnabled(kLabel, true);
    EXPECT_EQ(controls.controls[kLabel].color, QColor(Qt::blue));
}

TEST_F(HyperlinkServiceTest, StyleGivesUnderlineAndTriggerEvent) {
    controls.add(kLabel, ControlKind::TextDisplay, QStringLiteral("Forum"));
    HyperlinkService& s = make();
    s.init();
    s.addItem(kLabel, kForum, std::nullopt, std::nullopt, 1);  // underline, run on accepted
    EXPECT_TRUE(controls.controls[kLabel].underline);
    EXPECT_EQ(s.item(kLabel)->trigger, 0);
    s.takeEvent(kLabel, event::Accepted);
    EXPECT_EQ(desktop.launcher.calls.size(), 1u);

    controls.add(kEntry, ControlKind::Entry, {}, QStringLiteral("www.example.org"));
    s.addItem(kEntry, std::nullopt, std::nullopt, std::nullopt, event::Selected << 1);  // run on selected
    EXPECT_FALSE(controls.controls[kEntry].underline);
    EXPECT_EQ(s.item(kEntry)->trigger, event::Selected);
    s.takeEvent(kEntry, event::Accepted);
    EXPECT_EQ(desktop.launcher.calls.size(), 1u);
    s.takeEvent(kEntry, event::Selected);
    EXPECT_EQ(desktop.launcher.calls.size(), 2u);
    EXPECT_EQ(lastCall().args.back(), QStringLiteral("www.example.org"));
    EXPECT_EQ(s.lastSelected(), kEntry);
}

TEST_F(HyperlinkServiceTest, AlertKeyRunsEntryLinkWithCursor) {
    controls.add(kEntry, ControlKind::Entry, {}, QStringLiteral("ann@example.org"));
    controls.add(kForumButton, ControlKind::Button, QStringLiteral("YQ Forum"));
    HyperlinkService& s = make();
    s.setCursorName(QStringLiteral("hand2.cur"));
    s.init(event::Timer);
    s.addItem(kEntry, std::nullopt, std::nullopt, std::nullopt, std::nullopt, kDefaultAlertKey);
    s.addItem(kForumButton, kForum, std::nullopt, std::nullopt, std::nullopt, kDefaultAlertKey);
    EXPECT_EQ(controls.controls[kEntry].alertKeys, QList<int>{kDefaultAlertKey});
    EXPECT_EQ(controls.controls[kEntry].cursor, QStringLiteral("hand2.cur"));
    EXPECT_EQ(s.item(kEntry)->trigger, event::AlertKey);
    // alert keys belong to entry fields only
    EXPECT_TRUE(controls.controls[kForumButton].alertKeys.isEmpty());
    EXPECT_TRUE(controls.controls[kForumButton].cursor.isEmpty());
    EXPECT_EQ(s.item(kForumButton)->trigger, 0);

    s.takeEvent(kEntry, event::Accepted);
    EXPECT_TRUE(desktop.launcher.calls.empty());
    s.takeEvent(kEntry, event::AlertKey);
    ASSERT_EQ(desktop.launcher.calls.size(), 1u);
    EXPECT_EQ(lastCall().args.back(), QStringLiteral("mailto:ann@example.org"));
}

TEST_F(HyperlinkServiceTest, SizedEventRepaintsEveryLink) {
    controls.add(kLabel, ControlKind::TextDisplay, QStringLiteral("a"));
    controls.add(kMailLabel, ControlKind::TextDisplay, QStringLiteral("b"));
    HyperlinkService& s = make();
    s.init();
    s.addItem(kLabel, kForum, QColor(Qt::blue));
    s.addItem(kMailLabel, QStringLiteral("joe@example.org"), QColor(Qt::blue));
    controls.controls[kLabel].color = QColor(Qt::yellow);  // painted over by someone else
    controls.controls[kMailLabel].color = QColor(Qt::yellow);
    s.takeEvent(0, event::Sized);
    EXPECT_EQ(controls.controls[kLabel].color, QColor(Qt::blue));
    EXPECT_EQ(controls.controls[kMailLabel].color, QColor(Qt::blue));
}

TEST_F(HyperlinkServiceTest, AddItemTracesItsValues) {
    controls.add(kForumButton, ControlKind::Button, QStringLiteral("YQ Forum"));
    HyperlinkService& s = make({QStringLiteral("/HADebug")});
    s.init();
    traces.clear();
    s.addItem(kForumButton, kForum);
    ASSERT_EQ(traces.size(), 1);
    EXPECT_TRUE(
        traces[0].startsWith(QStringLiteral("RazedUveziz: In AddItem:  URL: https://forum.example.org/yq/ Norm: ")));
    EXPECT_TRUE(traces[0].contains(QStringLiteral(" Brt: ")));
    EXPECT_TRUE(traces[0].contains(QStringLiteral(" InActCol: ")));
    traces.clear();
    s.takeEvent(kForumButton, event::MouseIn);
    ASSERT_EQ(traces.size(), 1);
    EXPECT_TRUE(traces[0].startsWith(QStringLiteral("RazedUveziz: In TakeEvent: Ctrl: (5)")));
}

TEST_F(HyperlinkServiceTest, HandlerCheckDisablesLinksNothingCanOpen) {
    controls.add(1, ControlKind::TextDisplay, QStringLiteral("report"));
    controls.add(2, ControlKind::TextDisplay, QStringLiteral("sheet"));
    controls.add(3, ControlKind::TextDisplay, QStringLiteral("forum"));
    desktop.handlers.set(QStringLiteral("text/csv"), QStringLiteral("sheets %f"));
    HyperlinkService& s = make({QStringLiteral("/HAdbgReg")});
    s.setCheckHandlers(true);
    s.init();
    s.addItem(1, QStringLiteral("/tmp/report.pdf"));
    s.addItem(2, QStringLiteral("/tmp/YQ.csv"));
    s.addItem(3, kForum);
    EXPECT_FALSE(s.item(1)->enabled);
    EXPECT_TRUE(s.item(2)->enabled);
    EXPECT_TRUE(s.item(3)->enabled);
    EXPECT_TRUE(traces.contains(QStringLiteral("Tried(application/pdf) not found")));
    EXPECT_TRUE(traces.contains(QStringLiteral("Tried(text/csv) found")));
    s.takeEvent(1, event::Accepted);
    EXPECT_TRUE(desktop.launcher.calls.empty());
}

TEST_F(HyperlinkServiceTest, ShowErrorForwardsTextAndCaption) {
    HyperlinkService& s = make();
    const QString text = s.showError(27, QStringLiteral("mailto:joe@example.org"));
    EXPECT_EQ(text,
              QStringLiteral("(27) The file name association is incomplete or invalid. File:|mailto:joe@example.org"));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, text);
    EXPECT_EQ(messages.messages[0].caption, QStringLiteral("Shell Execute Error:27"));
}

}  // namespace
}  // namespace yq::links
