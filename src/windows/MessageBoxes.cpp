#include "windows/MessageBoxes.h"

#include "windows/ErrorReporter.h"
#include "windows/UnitSystemDescription.h"

#include <QCoreApplication>
#include <QApplication>
#include <QMessageBox>

#include <cstdio>

namespace yq {

namespace {

// The normal arrow over a message box; the command's cursor comes back when
// the box closes.
class ArrowWhileAsking {
public:
    ArrowWhileAsking() { QGuiApplication::setOverrideCursor(Qt::ArrowCursor); }
    ~ArrowWhileAsking() { QGuiApplication::restoreOverrideCursor(); }
    ArrowWhileAsking(const ArrowWhileAsking&) = delete;
    ArrowWhileAsking& operator=(const ArrowWhileAsking&) = delete;
};

int ask(QMessageBox::Icon icon, const QString& caption, const QString& text, QMessageBox::StandardButtons buttons,
        QWidget* parent, QMessageBox::StandardButton defaultButton = QMessageBox::NoButton) {
    const ArrowWhileAsking arrow;
    QMessageBox box(icon, caption, messageLines(text), buttons, parent);
    if (defaultButton != QMessageBox::NoButton) box.setDefaultButton(defaultButton);
    return box.exec();
}

}  // namespace

QString messageLines(const QString& text) {
    QString lines = text;
    lines.replace(u'|', u'\n');
    return lines;
}

MessageBoxes::MessageBoxes(QWidget* parent, const ErrorReporter* procedures)
    : parent_(parent), procedures_(procedures) {}

QWidget* MessageBoxes::owner() const {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    if (QWidget* active = QApplication::activeWindow()) return active;
    return parent_.data();
}

void MessageBoxes::error(const QString& text) {
    const QString procedure = procedures_ ? procedures_->procedureName() : QString();
    const QString where = procedure.isEmpty() ? QStringLiteral("yq") : QStringLiteral("yq (%1)").arg(procedure);
    std::fprintf(stderr, "%s: %s\n", qPrintable(where), qPrintable(messageLines(text).replace(u'\n', u' ')));
    ask(QMessageBox::Warning, QCoreApplication::translate("UserMessages", platform::kErrorCaption), text,
        QMessageBox::Ok, owner());
}

void MessageBoxes::information(const QString& text, const QString& caption) {
    ask(QMessageBox::Information, caption.isEmpty() ? designtext::text(designtext::kProductCaption) : caption, text,
        QMessageBox::Ok, owner());
}

bool MessageBoxes::confirm(const QString& text, const QString& caption) {
    return ask(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No, owner(), QMessageBox::No) ==
           QMessageBox::Yes;
}

}  // namespace yq
