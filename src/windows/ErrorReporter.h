// The error-reporting service of the start-up sequence: set up before every
// other service, released after them, and knowing which window procedure is
// running (the message boxes name it in the trace of each error). What the
// user is told goes through platform::UserMessages (windows/MessageBoxes.h).
#pragma once

#include <QString>

namespace yq {

class ErrorReporter {
public:
    virtual ~ErrorReporter();

    virtual void init() {}
    virtual void release() {}

    // The procedure (window) now running; empty outside any window.
    void setProcedureName(const QString& name) { procedure_ = name; }
    const QString& procedureName() const { return procedure_; }

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

}  // namespace yq
