// Building blocks of the application windows: pictures, panels, prompts and
// buttons placed at layout positions given in dialog units.
#pragma once

#include "windows/DialogUnits.h"

#include <QRect>
#include <QString>

class QFrame;
class QLabel;
class QPushButton;
class QWidget;

namespace yq {

// A layout position in dialog units.
struct Place {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
};

// A built-in picture, looked up by its file name and stretched to its place.
// `description` is what screen readers say for it.
QLabel* addImage(QWidget* parent, const DialogUnits& units, Place place, const QString& fileName,
                 const QString& objectName, const QString& description);

// A sunken frame, drawn behind the controls it surrounds.
QFrame* addPanel(QWidget* parent, const DialogUnits& units, Place place, const QString& objectName);

// A block of text wrapped to its place, top left.
QLabel* addPrompt(QWidget* parent, const DialogUnits& units, Place place, const QString& text,
                  const QString& objectName);

// Makes a prompt's text fit its place: when the wrapped text is taller than
// the prompt, the prompt's font is made smaller, a pixel at a time, down to
// `smallestPixelSize`. Call after the text is set.
void fitPromptText(QLabel* prompt, int smallestPixelSize = 9);

// A push button; Enter and Space press it when it has the focus.
QPushButton* addButton(QWidget* parent, const DialogUnits& units, Place place, const QString& text,
                       const QString& objectName);

// Moves a top-level window to the middle of the screen it is on (the
// screen of `reference` when given, otherwise the primary screen).
void centreOnScreen(QWidget* window, const QWidget* reference = nullptr);

// The built-in picture `fileName` as a window icon.
void setWindowIconFromImage(QWidget* window, const QString& fileName);

}  // namespace yq
