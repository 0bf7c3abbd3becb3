// The error-reporting service: shows the error messages of the program's
// services to the user and knows which window procedure is running.
//
// Messages are modal boxes with an OK button and the caption
// "YQ Error Message"; a "|" in a text starts a new line.
#pragma once

#include <QString>

class QWidget;

namespace yq {

inline constexpr const char* kErrorMessageCaption = "YQ Error Message";

// "|" starts a new line of a message.
QString messageLines(const QString& text);

class ErrorReporter {
public:
    virtual ~ErrorReporter();

    // Set up at start-up before every other service, released after them.
    virtual void init() {}
    virtual void release() {}

    // The procedure (window) now running; empty outside any window.
    void setProcedureName(const QString& name) { procedure_ = name; }
    const QString& procedureName() const { return procedure_; }

    // Shows an error message and returns when the user has closed it.
    virtual void showError(const QString& text) = 0;

private:
    QString procedure_;
};

// Records a window procedure's name while it runs and, when it ends, gives
// the name back to the procedure that called it (empty after the main
// window).
class ProcedureScope {
public:
    ProcedureScope(ErrorReporter& reporter, const QString& name)
        : reporter_(reporter), previous_(reporter.procedureName()) {
        reporter_.setProcedureName(name);
    }
    ~ProcedureScope() { reporter_.setProcedureName(previous_); }
    ProcedureScope(const ProcedureScope&) = delete;
    ProcedureScope& operator=(const ProcedureScope&) = delete;

private:
    ErrorReporter& reporter_;
    QString previous_;
};

// The real service: a message box over the active window. The procedure
// name goes to standard error with the text, for whoever reads the trace.
class MessageBoxErrorReporter final : public ErrorReporter {
public:
    void showError(const QString& text) override;
};

// Asks the user to confirm an action (Yes / No). Behind an interface so
// windows can be tested without a real message box.
class Confirmation {
public:
    virtual ~Confirmation();
    virtual bool confirm(QWidget* parent, const QString& caption, const QString& text) = 0;
};

// A question box whose default button is "No".
class MessageBoxConfirmation final : public Confirmation {
public:
    bool confirm(QWidget* parent, const QString& caption, const QString& text) override;
};

}  // namespace yq
