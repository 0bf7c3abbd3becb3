// The design windows as the program runs them. What they use of the world
// is one ProgramServices, built once at start-up (DesktopServices for the
// real program, fakes in tests): the program state, the message boxes, the
// desktop's programs (browser, spreadsheet, mail), the export's random
// numbers, the print preview and what the report reads besides the design.
#pragma once

#include "design/DesignRecord.h"
#include "platform/ShellOpener.h"
#include "platform/MailClient.h"
#include "report/RandomSource.h"
#include "report/ReportJob.h"
#include "windows/ReportWindows.h"
#include "windows/SendMailWindow.h"

#include <QDateTime>

#include <functional>

class QWidget;

namespace yq {

struct DesignWindowServices;
struct ProgramState;

namespace platform {
class UserMessages;
}

struct ProgramServices {
    ProgramState& state;
    platform::UserMessages& messages;
    platform::ShellOpener& opener;  // browser and spreadsheet
    platform::MailClient& mail;     // the compose window of both mails
    report::RandomSource& random;   // run number and picture tag of an export
    report::ReportSink& preview;    // where the report goes in Report mode 0
    report::ReportSources reportSources{};
    report::ImageSource images = report::embeddedImages();
    std::function<QDateTime()> now{};  // date of the mail drafts; the clock when empty
    // What Email Results leaves for the report mails after it, in any window.
    report::PendingResultsMail pendingResults{};
};

// The real services: the desktop's programs, the mail program behind the
// "Send email" window, the system's random numbers and the print preview.
class DesktopServices {
public:
    DesktopServices(ProgramState& state, platform::UserMessages& messages);
    ProgramServices& services() { return services_; }

private:
    platform::DesktopPlatform desktop_;
    platform::DesktopMailClient desktopMail_{desktop_.handlers, desktop_.launcher};
    WindowedMailClient mail_{desktopMail_};
    report::SystemRandomSource random_;
    PreviewSink preview_;
    ProgramServices services_;
};

// The design window's services on `services`: the open-file dialog and the
// wait cursor, the report job behind its progress window (preview or export
// with the report mail), Email Results, the spreadsheet and the forum link.
DesignWindowServices designWindowServices(ProgramServices& services, UnitSystem system, QWidget* parent = nullptr);

// Opens the Imperial or Metric design window and returns when it closes.
void runDesignWindow(UnitSystem system, ProgramServices& services, QWidget* parent = nullptr);

}  // namespace yq
