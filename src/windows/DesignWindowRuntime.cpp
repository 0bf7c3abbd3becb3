#include "windows/DesignWindowRuntime.h"

#include "files/ProgramState.h"
#include "links/DesktopOpen.h"
#include "links/LinkRules.h"
#include "platform/DesktopHandlers.h"
#include "windows/DesignWindow.h"
#include "windows/HyperlinkBinding.h"
#include "windows/ReportWindows.h"
#include "windows/SendMailWindow.h"

#include <memory>

namespace yq {

void runDesignWindow(UnitSystem system, ProgramState& state, platform::DesktopPlatform& desktop, QWidget* parent,
                     ErrorReporter* errors) {
    DesignWindowServices services = standardDesignWindowDialogs(parent);
    windows::ProgramMail mail(desktop.handlers, desktop.launcher, parent, errors);
    QtReportRunner reports(parent);
    reports.setExport([&mail](const QList<QByteArray>& pages, ProgramState& s) { mail.exportReport(pages, s); });

    services.runReport = [&reports](const QString& path, ProgramState& s) { reports.printReport(path, s); };
    services.emailResults = [&mail](const QString&, const QString&, ProgramState& s) { mail.emailResults(s); };
    services.openSpreadsheet = [&desktop](const QString& path, QString* problem) {
        return links::openSpreadsheet(desktop.opener, path, problem);
    };
    auto linkMessages = std::make_unique<CallbackMessageSink>(services.showMessage);
    const UnitSystemDescription& units = UnitSystemDescription::of(system);
    services.linkForum = [&desktop, &linkMessages, &units](QWidget* window, QWidget* button) -> std::function<void()> {
        auto* binding = new HyperlinkBinding(window, desktop.opener, *linkMessages);
        // The window routes the button's presses (click, F8, the Help tab's
        // button) itself, so the link runs once per press.
        binding->setActivationByWindow(true);
        if (!units.linkCursorName.isEmpty()) binding->setCursorName(units.linkCursorName);
        binding->init(units.linkTracking ? HyperlinkBinding::kTrackingIntervalMs : 0);
        binding->addItem(button, QString::fromLatin1(links::kForumAddress));
        binding->refresh();
        return [binding, button] { binding->accept(button); };
    };

    DesignWindow window(units, std::move(services), state, parent);
    window.exec();
}

}  // namespace yq
