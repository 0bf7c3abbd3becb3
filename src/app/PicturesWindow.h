// The pictures window ("pictures"): photographs of antennas that users have
// built, with a note on how to send one in.
#pragma once

#include "windows/DialogUnits.h"

#include <QDialog>

namespace yq {

class ErrorReporter;

class PicturesWindow final : public QDialog {
    Q_OBJECT
public:
    explicit PicturesWindow(QWidget* parent = nullptr);
    const DialogUnits& units() const { return units_; }

private:
    DialogUnits units_;
};

// The procedure "pictures": runs the window modally until it is closed.
void runPictures(ErrorReporter& errors, QWidget* parent);

}  // namespace yq
