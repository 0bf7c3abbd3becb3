#include "windows/DesignWindowRuntime.h"

#include "files/ProgramState.h"
#include "links/DesktopOpen.h"
#include "links/LinkRules.h"
#include "windows/DesignWindow.h"
#include "windows/HyperlinkBinding.h"

namespace yq {

namespace {

report::MailContext mailContext(ProgramServices& s) {
    report::MailContext context;
    context.client = &s.mail;
    context.messages = &s.messages;
    context.now = s.now;
    return context;
}

}  // namespace

DesktopServices::DesktopServices(ProgramState& state, platform::UserMessages& messages)
    : services_{state, messages, desktop_.opener, mail_, random_, preview_} {}

DesignWindowServices designWindowServices(ProgramServices& s, UnitSystem system, QWidget* parent) {
    DesignWindowServices services = standardDesignWindowDialogs(parent);
    services.messages = &s.messages;
    services.runReport = [&s, parent](const report::ReportRequest& request) {
        report::MailContext context = mailContext(s);
        report::ExportSink exportPages(context, s.random, s.images, {s.pendingResults.resultsFilePath});
        return ReportWindow(s.preview, exportPages, s.messages, s.reportSources, parent).run(request);
    };
    services.emailResults = [&s](const QString& workingCopy, const QString& results) {
        report::MailContext context = mailContext(s);
        report::emailResults(results, workingCopy, s.pendingResults, context);
    };
    services.openSpreadsheet = [&s](const QString& path) { return links::openSpreadsheet(s.opener, path); };
    const UnitSystemDescription* units = &UnitSystemDescription::of(system);
    services.linkForum = [&s, units](QWidget* window, QWidget* button) -> std::function<void()> {
        auto* binding = new HyperlinkBinding(window, s.opener, s.messages);
        // The window routes the button's presses (click, F8, the Help tab's
        // button) itself, so the link runs once per press.
        binding->setActivationByWindow(true);
        if (!units->linkCursorName.isEmpty()) binding->setCursorName(units->linkCursorName);
        binding->init(units->linkTracking ? HyperlinkBinding::kTrackingIntervalMs : 0);
        binding->addItem(button, QString::fromLatin1(links::kForumAddress));
        binding->refresh();
        return [binding, button] { binding->accept(button); };
    };
    return services;
}

void runDesignWindow(UnitSystem system, ProgramServices& services, QWidget* parent) {
    DesignWindow window(UnitSystemDescription::of(system), designWindowServices(services, system, parent),
                        services.state, parent);
    window.exec();
}

}  // namespace yq
