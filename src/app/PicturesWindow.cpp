#include "app/PicturesWindow.h"

#include "windows/ErrorReporter.h"
#include "app/InfoTexts.h"
#include "app/WindowParts.h"

#include <QLabel>
#include <QPushButton>

#include <span>

namespace yq {

namespace {

const QFont& picturesFont() {
    static const QFont font = windowFont(QStringLiteral("Arial"), 8);
    return font;
}

struct Picture {
    const char* control;
    Place place;
    const char* fileName;
    const char* description;
};

}  // namespace

PicturesWindow::PicturesWindow(QWidget* parent) : QDialog(parent), units_(picturesFont()) {
    setObjectName(QStringLiteral("P6$WINDOW"));
    setWindowTitle(tr(kPicturesCaption));
    setFont(picturesFont());
    setFixedSize(units_.size(529, 312));

    const QString note = picturesText();
    // Controls in layout order; the note comes second.
    const Picture pictures[] = {
        {"IMAGE1", {13, 9, 241, 164}, "yq_008.jpg", QT_TR_NOOP("A YQ antenna on a house roof at dusk")},
        {"IMAGE2", {421, 9, 95, 164}, "ex2.jpg", QT_TR_NOOP("A YQ antenna on a tripod at the beach")},
        {"IMAGE8", {293, 67, 89, 106}, "userpic1.jpg", QT_TR_NOOP("Building a YQ antenna on the workbench")},
        {"IMAGE7", {325, 185, 87, 101}, "userpic2.jpg", QT_TR_NOOP("A YQ antenna tested with an antenna analyser")},
        {"IMAGE5", {221, 185, 87, 101}, "ex5.jpg", QT_TR_NOOP("A YQ antenna on a balcony")},
        {"IMAGE4", {117, 185, 87, 101}, "ex6.jpg", QT_TR_NOOP("A portable YQ antenna in the mountains")},
        {"IMAGE3", {13, 185, 87, 101}, "ex3.jpg", QT_TR_NOOP("The parts of a YQ antenna")},
        {"IMAGE6", {429, 185, 87, 101}, "ex7.jpg", QT_TR_NOOP("A YQ antenna by a house on a winter night")},
    };
    addImage(this, units_, pictures[0].place, QString::fromLatin1(pictures[0].fileName),
             QString::fromLatin1(pictures[0].control), tr(pictures[0].description));
    QLabel* prompt = addPrompt(this, units_, {276, 10, 131, 56}, note, QStringLiteral("PROMPT1"));
    prompt->setTextInteractionFlags(Qt::TextSelectableByMouse);
    fitPromptText(prompt);
    for (const Picture& picture : std::span(pictures).subspan(1)) {
        addImage(this, units_, picture.place, QString::fromLatin1(picture.fileName),
                 QString::fromLatin1(picture.control), tr(picture.description));
    }
    addPanel(this, units_, {5, 3, 521, 307}, QStringLiteral("PANEL1"));
    QPushButton* close = addButton(this, units_, {430, 291, 84, 14}, tr("Close"), QStringLiteral("OKBUTTON"));
    close->setDefault(true);
    close->setFocus();
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

void runPictures(ErrorReporter& errors, QWidget* parent) {
    const ProcedureScope procedure(errors, QStringLiteral("pictures"));
    PicturesWindow window(parent);
    centreOnScreen(&window, parent);
    window.exec();
}

}  // namespace yq
