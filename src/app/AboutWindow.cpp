#include "app/AboutWindow.h"

#include "windows/ErrorReporter.h"
#include "app/InfoTexts.h"
#include "app/WindowParts.h"

#include <QLabel>
#include <QPushButton>

namespace yq {

namespace {

const QFont& aboutFont() {
    static const QFont font = windowFont(QStringLiteral("Arial"), 8);
    return font;
}

}  // namespace

AboutWindow::AboutWindow(QWidget* parent) : QDialog(parent), units_(aboutFont()) {
    setObjectName(QStringLiteral("P1$WINDOW"));
    setWindowTitle(tr(kAboutCaption));
    setWindowIconFromImage(this, QStringLiteral("AGENT.ICO"));
    setFont(aboutFont());
    setFixedSize(units_.size(185, 92));

    QLabel* first = addPrompt(this, units_, {4, 4, 179, 42}, aboutFirstHalf(), QStringLiteral("PROMPT1"));
    QLabel* second = addPrompt(this, units_, {4, 44, 179, 26}, aboutSecondHalf(), QStringLiteral("PROMPT2"));
    // One note in two prompts: both in the same size, small enough for each.
    fitPromptText(first);
    fitPromptText(second);
    const QFont smaller = first->font().pixelSize() < second->font().pixelSize() ? first->font() : second->font();
    first->setFont(smaller);
    second->setFont(smaller);
    QPushButton* close =
        addButton(this, units_, {92, 76, 91, 14}, tr("Close and return..."), QStringLiteral("OKBUTTON"));
    close->setDefault(true);
    close->setFocus();
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

void runAbout(ErrorReporter& errors, QWidget* parent) {
    const ProcedureScope procedure(errors, QStringLiteral("AboutYQ"));
    AboutWindow window(parent);
    centreOnScreen(&window, parent);
    window.exec();
}

}  // namespace yq
