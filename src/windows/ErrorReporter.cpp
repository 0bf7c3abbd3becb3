#include "windows/ErrorReporter.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>

#include <cstdio>

namespace yq {

QString messageLines(const QString& text) {
    QString lines = text;
    lines.replace(u'|', u'\n');
    return lines;
}

ErrorReporter::~ErrorReporter() = default;
Confirmation::~Confirmation() = default;

void MessageBoxErrorReporter::showError(const QString& text) {
    const QString where = procedureName().isEmpty() ? QStringLiteral("yq") : QStringLiteral("yq (%1)").arg(procedureName());
    std::fprintf(stderr, "%s: %s\n", qPrintable(where), qPrintable(messageLines(text).replace(u'\n', u' ')));

    QWidget* parent = QApplication::activeModalWidget();
    if (!parent) parent = QApplication::activeWindow();
    QMessageBox box(QMessageBox::Critical, QString::fromLatin1(kErrorMessageCaption), messageLines(text),
                    QMessageBox::Ok, parent);
    box.exec();
}

bool MessageBoxConfirmation::confirm(QWidget* parent, const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Question, caption, messageLines(text), QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace yq
