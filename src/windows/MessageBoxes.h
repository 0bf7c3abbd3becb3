// The program's message boxes: the one place where what the program tells
// the user becomes a window. Modal, over the window the user works in, with
// an OK button (Yes / No, No the default, for a question). A "|" in a text
// starts a new line; errors carry the caption "YQ Error Message" and a
// warning sign, notices the caller's caption (the program's name when none)
// and an information sign. The mouse pointer is the normal arrow while a
// box is open, also when a command shows the wait cursor.
#pragma once

#include "platform/UserMessages.h"

#include <QPointer>
#include <QWidget>

namespace yq {
class ErrorReporter;
}

namespace yq {

// "|" starts a new line.
QString messageLines(const QString& text);

class MessageBoxes final : public platform::UserMessages {
public:
    // `parent`: the window the boxes stand over when no window is active.
    // `procedures`, when given, names the running window procedure in the
    // trace each error leaves on standard error.
    explicit MessageBoxes(QWidget* parent = nullptr, const ErrorReporter* procedures = nullptr);

    void error(const QString& text) override;
    void information(const QString& text, const QString& caption = {}) override;
    bool confirm(const QString& text, const QString& caption) override;

private:
    QWidget* owner() const;

    QPointer<QWidget> parent_;
    const ErrorReporter* procedures_;
};

}  // namespace yq
