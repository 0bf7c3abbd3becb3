// The "Send email" window, which stands while a mail is handed to the
// desktop's mail program.
#pragma once

#include "platform/MailClient.h"

#include <QDialog>

class QLabel;

namespace yq {

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
    platform::ComposeResult compose(const platform::MailItem& item, const QString& htmlBodyFile) override;

private:
    platform::MailClient& inner_;
    QWidget* parent_;
};

}  // namespace yq
