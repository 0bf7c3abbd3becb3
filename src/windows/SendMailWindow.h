// The "Send email" window and the program's wiring of the two mail
// commands: the desktop's mail program, opened while the "Send email" window
// shows, with the user told things through message boxes.
#pragma once

#include "platform/MailClient.h"
#include "report/DocumentExport.h"
#include "report/RandomSource.h"
#include "report/ResultsMail.h"

#include <QByteArray>
#include <QDialog>
#include <QList>

class QLabel;

namespace yq {
class ErrorReporter;
struct ProgramState;
}  // namespace yq

namespace yq::windows {

// "Send email": a small window (78 x 93 dialog units, MS Sans Serif 8) that
// stands while the mail is handed to the mail program. It takes no input.
class SendMailWindow : public QDialog {
    Q_OBJECT

public:
    explicit SendMailWindow(QWidget* parent = nullptr);
    QLabel* status() const { return status_; }

private:
    QLabel* status_ = nullptr;
};

// A mail client that shows the "Send email" window while `inner` opens the
// compose window, and closes it again.
class WindowedMailClient final : public platform::MailClient {
public:
    explicit WindowedMailClient(platform::MailClient& inner, QWidget* parent = nullptr);
    platform::ComposeResult compose(const report::MailItem& item, const QString& htmlBodyFile) override;

private:
    platform::MailClient& inner_;
    QWidget* parent_;
};

// Notices as message boxes: errors through `errors` (or a box captioned
// "YQ Error Message" when there is none), other notices in a box captioned
// "Send email". A "|" in a text starts a new line.
report::UserNotices messageBoxNotices(QWidget* parent = nullptr, ErrorReporter* errors = nullptr);

// The mail commands as the program runs them: the desktop's mail program
// behind the "Send email" window, message boxes, the system's random
// numbers, the current folder as working folder.
class ProgramMail {
public:
    ProgramMail(platform::DesktopHandlers& handlers, platform::Launcher& launcher, QWidget* parent = nullptr,
                ErrorReporter* errors = nullptr);

    report::MailContext& context() { return context_; }

    // What the report runs in Report mode 1 (fits QtReportRunner::setExport).
    void exportReport(const QList<QByteArray>& pages, ProgramState& state);
    // Email Results, after the window has written the working copy.
    report::MailOutcome emailResults(ProgramState& state);

private:
    platform::DesktopMailClient desktop_;
    WindowedMailClient windowed_;
    report::SystemRandomSource random_;
    report::MailContext context_;
};

}  // namespace yq::windows
