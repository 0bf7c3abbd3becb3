#include "app/WindowParts.h"

#include "report/EmbeddedImages.h"

#include <QFontInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

namespace yq {

QLabel* addImage(QWidget* parent, const DialogUnits& units, Place place, const QString& fileName,
                 const QString& objectName, const QString& description) {
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    const QRect rect = units.rect(place.x, place.y, place.w, place.h);
    label->setGeometry(rect);
    const qreal ratio = parent ? parent->devicePixelRatioF() : qApp->devicePixelRatio();
    label->setPixmap(QPixmap::fromImage(report::embeddedImageAt(fileName, rect.size(), ratio)));
    label->setScaledContents(false);
    label->setAccessibleName(description);
    label->setToolTip(description);
    return label;
}

QFrame* addPanel(QWidget* parent, const DialogUnits& units, Place place, const QString& objectName) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(objectName);
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    frame->setLineWidth(1);
    frame->setGeometry(units.rect(place.x, place.y, place.w, place.h));
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    frame->lower();
    return frame;
}

QLabel* addPrompt(QWidget* parent, const DialogUnits& units, Place place, const QString& text,
                  const QString& objectName) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setGeometry(units.rect(place.x, place.y, place.w, place.h));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    return label;
}

void fitPromptText(QLabel* prompt, int smallestPixelSize) {
    QFont font = prompt->font();
    int pixels = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    while (pixels > smallestPixelSize && prompt->heightForWidth(prompt->width()) > prompt->height()) {
        font.setPixelSize(--pixels);
        prompt->setFont(font);
    }
}

QPushButton* addButton(QWidget* parent, const DialogUnits& units, Place place, const QString& text,
                       const QString& objectName) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(objectName);
    button->setGeometry(units.rect(place.x, place.y, place.w, place.h));
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

void centreOnScreen(QWidget* window, const QWidget* reference) {
    // A Wayland compositor places windows itself; a client cannot.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) return;
    const QScreen* screen = reference ? reference->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    QRect frame = window->frameGeometry();
    if (!window->isVisible()) frame = QRect(QPoint(0, 0), window->size());
    frame.moveCenter(area.center());
    window->move(frame.topLeft());
}

void setWindowIconFromImage(QWidget* window, const QString& fileName) {
    const QImage image = report::embeddedImage(fileName);
    if (!image.isNull()) window->setWindowIcon(QIcon(QPixmap::fromImage(image)));
}

}  // namespace yq
