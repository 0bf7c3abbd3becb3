// The About window ("AboutYQ"): who wrote the program and what feedback its
// makers ask for.
#pragma once

#include "windows/DialogUnits.h"

#include <QDialog>

namespace yq {

class ErrorReporter;

class AboutWindow final : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget* parent = nullptr);
    const DialogUnits& units() const { return units_; }

private:
    DialogUnits units_;
};

// The procedure "AboutYQ": runs the window modally until it is closed.
void runAbout(ErrorReporter& errors, QWidget* parent);

}  // namespace yq
