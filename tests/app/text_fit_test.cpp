// No text of any window is cut off: the room each label, button, check box,
// group box, tab, menu bar item, menu item and list shows its text in holds
// the text as its font measures it; and every picture is drawn at the screen's resolution, so it
// is sharp. CTest runs this at the device pixel ratios 1, 1.25, 1.5 and 2
// (QT_SCALE_FACTOR), where fonts are measured at the screen's resolution.
#include "AllWindows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <QTabBar>

#include <gtest/gtest.h>

namespace yq {
namespace {

QString withoutMnemonic(QString text) {
    return text.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(u'&').replace(u'\x01', u'&');
}

// One text that does not fit, or nothing.
std::optional<QString> cutOff(const QString& text, const QFont& font, QRect room, bool wraps, int flags = 0) {
    if (text.trimmed().isEmpty()) return std::nullopt;
    const QFontMetrics fm(font);
    const QRect needed = wraps ? fm.boundingRect(QRect(0, 0, room.width(), 100000), Qt::TextWordWrap | flags, text)
                               : QRect(QPoint(0, 0), fm.size(Qt::TextSingleLine | flags, text));
    if (needed.width() <= room.width() && needed.height() <= room.height()) return std::nullopt;
    return QStringLiteral("\"%1\" needs %2 x %3, has %4 x %5")
        .arg(text.left(60).replace(u'\n', u' '))
        .arg(needed.width())
        .arg(needed.height())
        .arg(room.width())
        .arg(room.height());
}

QStringList cutTexts(QWidget* window, const QString& windowName, int& checked) {
    QStringList cut;
    const auto note = [&](QWidget* w, const std::optional<QString>& problem) {
        ++checked;
        if (problem)
            cut << QStringLiteral("%1: %2 %3")
                       .arg(windowName, QString::fromLatin1(w->metaObject()->className()), *problem);
    };
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisible()) continue;
        if (auto* label = qobject_cast<QLabel*>(w)) {
            if (!label->pixmap().isNull() || label->textFormat() == Qt::RichText ||
                (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text())))
                continue;
            // A label in a scrolled area may be as tall as its text needs.
            note(w, cutOff(withoutMnemonic(label->text()), label->font(), label->contentsRect().adjusted(0, 0, 1, 1),
                           label->wordWrap(), Qt::TextExpandTabs));
        } else if (auto* button = qobject_cast<QPushButton*>(w)) {
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            const QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
            note(w, cutOff(withoutMnemonic(button->text()), button->font(), room, false, Qt::TextShowMnemonic));
        } else if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)) {
            auto* b = static_cast<QAbstractButton*>(w);
            QStyleOptionButton option;
            option.initFrom(b);
            option.text = b->text();
            const auto element =
                qobject_cast<QCheckBox*>(w) ? QStyle::SE_CheckBoxContents : QStyle::SE_RadioButtonContents;
            const QRect room = b->style()->subElementRect(element, &option, b);
            note(w, cutOff(withoutMnemonic(b->text()), b->font(), room.adjusted(0, 0, 1, 1), false));
        } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
            if (group->title().isEmpty()) continue;
            QStyleOptionGroupBox option;
            option.initFrom(group);
            option.text = group->title();
            option.subControls = QStyle::SC_GroupBoxLabel;
            const QRect title =
                group->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, group);
            const QRect room = title.intersected(group->rect());
            note(w, cutOff(withoutMnemonic(group->title()), group->font(), room.adjusted(0, 0, 1, 1), false));
        } else if (auto* tabs = qobject_cast<QTabBar*>(w)) {
            for (int i = 0; i < tabs->count(); ++i) {
                // The tab's own padding on either side, as the style lays it out.
                const QRect room = tabs->tabRect(i).adjusted(4, 0, -4, 0);
                note(w, cutOff(withoutMnemonic(tabs->tabText(i)).trimmed(), tabs->font(), room, false));
            }
        } else if (auto* bar = qobject_cast<QMenuBar*>(w)) {
            // Every item in the bar itself (none pushed into the overflow
            // button), its text inside its place; then the items of its menus.
            for (QAction* action : bar->actions()) {
                if (!action->isVisible() || action->isSeparator()) continue;
                const QString text = withoutMnemonic(action->text());
                QRect room = bar->actionGeometry(action);
                if (!bar->rect().contains(room)) room = QRect();
                note(bar, cutOff(text, bar->font(), room, false, Qt::TextShowMnemonic));
                if (QMenu* menu = action->menu()) {
                    menu->ensurePolished();
                    const int margin = menu->style()->pixelMetric(QStyle::PM_MenuHMargin, nullptr, menu);
                    for (QAction* item : menu->actions()) {
                        if (!item->isVisible() || item->isSeparator()) continue;
                        const QRect place = menu->actionGeometry(item).adjusted(margin, 0, -margin, 0);
                        note(menu,
                             cutOff(withoutMnemonic(item->text()), menu->font(), place, false, Qt::TextShowMnemonic));
                    }
                }
            }
        } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            QStyleOptionComboBox option;
            option.initFrom(combo);
            const QRect room =
                combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
            note(w, cutOff(combo->currentText(), combo->font(), room.adjusted(0, 0, 1, 1), false));
        }
    }
    return cut;
}

TEST(TextFit, NoTextOfAnyWindowIsCutOff) {
    QStringList cut;
    int checked = 0;
    test::forEveryWindow([&](QWidget* window, const QString& name) { cut << cutTexts(window, name, checked); });
    cut.removeDuplicates();
    // Every window's texts were looked at (the design windows alone show more than a hundred).
    EXPECT_GT(checked, 200);
    EXPECT_TRUE(cut.isEmpty()) << "at device pixel ratio " << qApp->devicePixelRatio() << ":\n"
                               << cut.join(u'\n').toStdString();
}

TEST(Sharpness, EveryPictureIsDrawnAtTheScreensResolution) {
    QStringList blurred;
    int pictures = 0;
    test::forEveryWindow([&](QWidget* window, const QString& name) {
        for (const QLabel* label : window->findChildren<QLabel*>()) {
            if (!label->isVisible() || label->pixmap().isNull()) continue;
            ++pictures;
            const qreal screen = label->devicePixelRatioF();
            const QPixmap pixmap = label->pixmap();
            // Drawn with as many pixels as the screen shows in its place.
            if (std::abs(pixmap.devicePixelRatio() - screen) > 0.01)
                blurred << QStringLiteral("%1: %2 (%3 x %4 pixels at ratio %5 on a screen of %6)")
                               .arg(name,
                                    label->accessibleName().isEmpty() ? label->objectName() : label->accessibleName())
                               .arg(pixmap.width())
                               .arg(pixmap.height())
                               .arg(pixmap.devicePixelRatio())
                               .arg(screen);
        }
    });
    EXPECT_GT(pictures, 5);
    blurred.removeDuplicates();
    EXPECT_TRUE(blurred.isEmpty()) << blurred.join(u'\n').toStdString();
}

}  // namespace
}  // namespace yq
