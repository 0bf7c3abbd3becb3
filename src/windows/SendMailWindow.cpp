#include "windows/SendMailWindow.h"

#include "windows/DialogUnits.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>

namespace yq {

SendMailWindow::SendMailWindow(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Send email"));
    const QFont font = windowFont(QStringLiteral("MS Sans Serif"), 8);
    setFont(font);
    const DialogUnits units(font);
    setFixedSize(units.size(78, 93));

    status_ = new QLabel(tr("Opening the mail in your mail program..."), this);
    status_->setWordWrap(true);
    status_->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(status_);
}

WindowedMailClient::WindowedMailClient(platform::MailClient& inner, QWidget* parent) : inner_(inner), parent_(parent) {}

platform::ComposeResult WindowedMailClient::compose(const platform::MailItem& item, const QString& htmlBodyFile) {
    SendMailWindow window(parent_ ? parent_ : QApplication::activeWindow());
    window.show();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    const platform::ComposeResult result = inner_.compose(item, htmlBodyFile);
    window.close();
    return result;
}

}  // namespace yq
