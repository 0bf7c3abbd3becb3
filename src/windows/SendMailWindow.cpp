#include "windows/SendMailWindow.h"

#include "windows/ErrorReporter.h"
#include "windows/DialogUnits.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QVBoxLayout>

namespace yq::windows {

SendMailWindow::SendMailWindow(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Send email"));
    const QFont font = windowFont(QStringLiteral("MS Sans Serif"), 8);
    setFont(font);
    const DialogUnits units(font);
    setFixedSize(units.size(78, 93));

    status_ = new QLabel(QStringLiteral("Opening the mail in your mail program..."), this);
    status_->setWordWrap(true);
    status_->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(status_);
}

WindowedMailClient::WindowedMailClient(platform::MailClient& inner, QWidget* parent)
    : inner_(inner), parent_(parent)
{
}

platform::ComposeResult WindowedMailClient::compose(const report::MailItem& item, const QString& htmlBodyFile)
{
    SendMailWindow window(parent_);
    window.show();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    const platform::ComposeResult result = inner_.compose(item, htmlBodyFile);
    window.close();
    return result;
}

namespace {

// The normal arrow over a message box, also while a command shows the wait
// cursor; the command's cursor comes back when the box closes.
class ArrowWhileAsking {
public:
    ArrowWhileAsking() { QGuiApplication::setOverrideCursor(Qt::ArrowCursor); }
    ~ArrowWhileAsking() { QGuiApplication::restoreOverrideCursor(); }
    ArrowWhileAsking(const ArrowWhileAsking&) = delete;
    ArrowWhileAsking& operator=(const ArrowWhileAsking&) = delete;
};

}  // namespace

report::UserNotices messageBoxNotices(QWidget* parent, ErrorReporter* errors)
{
    report::UserNotices notices;
    notices.error = [parent, errors](const QString& text) {
        const ArrowWhileAsking arrow;
        if (errors) {
            errors->showError(text);
            return;
        }
        QMessageBox box(QMessageBox::Critical, QString::fromLatin1(kErrorMessageCaption), messageLines(text),
                        QMessageBox::Ok, parent);
        box.exec();
    };
    notices.information = [parent](const QString& text) {
        const ArrowWhileAsking arrow;
        QMessageBox box(QMessageBox::Information, QStringLiteral("Send email"), messageLines(text),
                        QMessageBox::Ok, parent);
        box.exec();
    };
    return notices;
}

ProgramMail::ProgramMail(platform::DesktopHandlers& handlers, platform::Launcher& launcher, QWidget* parent,
                         ErrorReporter* errors)
    : desktop_(handlers, launcher), windowed_(desktop_, parent)
{
    context_.client = &windowed_;
    context_.notices = messageBoxNotices(parent, errors);
}

void ProgramMail::exportReport(const QList<QByteArray>& pages, ProgramState& state)
{
    report::runDocumentExport(pages, state, context_, random_);
}

report::MailOutcome ProgramMail::emailResults(ProgramState& state)
{
    return report::emailResults(state, context_);
}

}  // namespace yq::windows
