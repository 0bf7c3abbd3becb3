// Every text of every window reads against its background: the contrast of
// the colours actually painted (the widget grabbed as the screen shows it)
// is at least 4.5 : 1, or 3 : 1 for large text (WCAG 2.1 AA), on Qt's light
// palette, on Fusion with a dark palette and, run by CTest under a display
// with the GTK platform theme, on Adwaita and Adwaita-dark.
#include "AllWindows.h"

#include "windows/WindowColours.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace yq {
namespace {

// The contrast of what is painted inside `area` of the widget's image: the
// most frequent colour is the background, the pixel that differs most from
// it is the text (the core of a glyph, where anti-aliasing leaves the pure
// colour). Nothing when the area holds only one colour.
std::optional<double> paintedContrast(const QImage& image, QRect area) {
    area &= image.rect();
    if (area.isEmpty()) return std::nullopt;
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) ++counts[image.pixel(x, y) | 0xFF000000u];
    if (counts.size() < 2) return std::nullopt;
    QRgb background = 0;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            background = it.key();
        }
    }
    double best = 1.0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        best = std::max(best, contrastRatio(QColor(background), QColor(it.key())));
    return best;
}

struct TextPlace {
    QWidget* widget;
    QString text;
    QRect area;  // in the widget
    QFont font;
};

// Where each widget paints its text.
QList<TextPlace> textPlaces(QWidget* w) {
    QList<TextPlace> places;
    const auto centred = [&](const QString& text, const QFont& font, QRect within) {
        const QSize size = QFontMetrics(font).size(Qt::TextSingleLine, text);
        QRect r(QPoint(0, 0), size);
        r.moveCenter(within.center());
        return r.intersected(within);
    };
    if (auto* label = qobject_cast<QLabel*>(w)) {
        if (!label->text().isEmpty() && label->pixmap().isNull())
            places.append({w, label->text(), label->contentsRect(), label->font()});
    } else if (auto* box = qobject_cast<QCheckBox*>(w); box || qobject_cast<QRadioButton*>(w)) {
        auto* b = static_cast<QAbstractButton*>(w);
        if (!b->text().isEmpty()) places.append({w, b->text(), b->rect().adjusted(22, 0, 0, 0), b->font()});
    } else if (auto* button = qobject_cast<QPushButton*>(w)) {
        if (!button->text().isEmpty())
            places.append({w, button->text(), centred(button->text(), button->font(), button->rect()), button->font()});
    } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
        if (!group->title().isEmpty()) {
            QStyleOptionGroupBox option;
            option.initFrom(group);
            option.text = group->title();
            option.subControls = QStyle::SC_GroupBoxLabel;
            const QRect r =
                group->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, group);
            places.append({w, group->title(), r, group->font()});
        }
    } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        if (!edit->text().isEmpty())
            places.append({w, edit->text(), edit->rect().adjusted(3, 3, -3, -3), edit->font()});
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        const QRect r =
            combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
        if (!combo->currentText().isEmpty()) places.append({w, combo->currentText(), r, combo->font()});
    } else if (auto* tabs = qobject_cast<QTabBar*>(w)) {
        for (int i = 0; i < tabs->count(); ++i)
            if (!tabs->tabText(i).isEmpty())
                places.append({w, tabs->tabText(i), tabs->tabRect(i).adjusted(4, 4, -4, -4), tabs->font()});
    }
    return places;
}

// WCAG's large text: 18 points, or 14 points bold.
bool isLarge(const QFont& font) { return font.pointSizeF() >= 18 || (font.bold() && font.pointSizeF() >= 14); }

// The texts of a window that do not reach their contrast, one line each.
QStringList lowContrastTexts(QWidget* window, const QString& windowName) {
    QStringList low;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisible() || !w->isEnabled()) continue;
        const QList<TextPlace> places = textPlaces(w);
        if (places.isEmpty()) continue;
        const QImage image = w->grab().toImage();
        const qreal ratio = image.devicePixelRatio();
        for (const TextPlace& place : places) {
            const QRect area(place.area.topLeft() * ratio, place.area.size() * ratio);
            const auto contrast = paintedContrast(image, area);
            if (!contrast) continue;
            const double needed = isLarge(place.font) ? 3.0 : 4.5;
            if (*contrast < needed)
                low << QStringLiteral("%1: %2 \"%3\": %4 : 1 (needs %5)")
                           .arg(windowName, QString::fromLatin1(w->metaObject()->className()), place.text.left(60))
                           .arg(*contrast, 0, 'f', 2)
                           .arg(needed, 0, 'f', 1);
        }
    }
    return low;
}

// The texts below the contrast they need in every window, one line each.
QStringList lowContrastEverywhere() {
    QStringList low;
    test::forEveryWindow([&](QWidget* window, const QString& name) { low << lowContrastTexts(window, name); });
    low.removeDuplicates();
    return low;
}

QPalette darkPalette() {
    QPalette p;
    p.setColor(QPalette::Window, QColor(53, 53, 53));
    p.setColor(QPalette::WindowText, QColor(230, 230, 230));
    p.setColor(QPalette::Base, QColor(35, 35, 35));
    p.setColor(QPalette::AlternateBase, QColor(53, 53, 53));
    p.setColor(QPalette::Text, QColor(230, 230, 230));
    p.setColor(QPalette::Button, QColor(60, 60, 60));
    p.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    p.setColor(QPalette::ToolTipBase, QColor(35, 35, 35));
    p.setColor(QPalette::ToolTipText, QColor(230, 230, 230));
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(QPalette::HighlightedText, Qt::black);
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(127, 127, 127));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(127, 127, 127));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(127, 127, 127));
    return p;
}

TEST(Contrast, EveryTextReadsOnTheLightAndTheDarkPalette) {
    test::ensureApplication();
    if (qEnvironmentVariableIsSet("YQ_TEST_THEME")) GTEST_SKIP() << "run with a platform theme";
    const QPalette original = QApplication::palette();
    QStyle* const originalStyle = QApplication::style();
    const QString originalStyleName = originalStyle->name();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    for (const bool dark : {false, true}) {
        SCOPED_TRACE(dark ? "Fusion, dark palette" : "Fusion, light palette");
        QApplication::setPalette(dark ? darkPalette() : QApplication::style()->standardPalette());
        const QStringList low = lowContrastEverywhere();
        EXPECT_TRUE(low.isEmpty()) << low.join(u'\n').toStdString();
    }
    QApplication::setPalette(original);
    QApplication::setStyle(QStyleFactory::create(originalStyleName));
}

// Run by CTest with QT_QPA_PLATFORMTHEME=gtk3 and GTK_THEME set, under a
// display; YQ_TEST_THEME says whether the theme is "light" or "dark".
TEST(Contrast, EveryTextReadsOnThePlatformTheme) {
    test::ensureApplication();
    const QString theme = qEnvironmentVariable("YQ_TEST_THEME");
    if (theme.isEmpty()) GTEST_SKIP() << "no platform theme asked for (CTest runs this under a display)";
    const QColor window = QApplication::palette().color(QPalette::Window);
    const bool dark = relativeLuminance(window) < 0.2;
    if (dark != (theme == QLatin1String("dark")))
        GTEST_SKIP() << "the platform theme did not load (window colour " << window.name().toStdString()
                     << "); is qt6-gtk-platformtheme installed?";
    const QStringList low = lowContrastEverywhere();
    EXPECT_TRUE(low.isEmpty()) << low.join(u'\n').toStdString();
}

TEST(RoleColours, EachRoleReadsOnLightAndDarkBackgrounds) {
    const QColor backgrounds[] = {Qt::white,          QColor(239, 239, 239), QColor(246, 245, 244),
                                  QColor(53, 53, 53), QColor(36, 36, 36),    QColor(128, 128, 128),
                                  Qt::black};
    for (const QColor& background : backgrounds) {
        for (const TextRole role : {TextRole::Heading, TextRole::Notice}) {
            const QColor c = roleColour(role, background);
            EXPECT_GE(contrastRatio(c, background), 4.5) << background.name().toStdString();
            EXPECT_GE(contrastRatio(c, background.lighter(135)), 4.5) << background.name().toStdString();
        }
    }
    // On a light window the design windows keep their dark blue, and the
    // notice is still plainly red.
    EXPECT_EQ(roleColour(TextRole::Heading, QColor(239, 239, 239)), QColor(0, 0, 128));
    const QColor notice = roleColour(TextRole::Notice, QColor(239, 239, 239));
    EXPECT_GT(notice.red(), 150);
    EXPECT_EQ(notice.green(), 0);
    EXPECT_EQ(notice.blue(), 0);
    // WCAG's own figures: black on white is 21 : 1, pure red on white 4.0 : 1.
    EXPECT_NEAR(contrastRatio(Qt::black, Qt::white), 21.0, 1e-9);
    EXPECT_NEAR(contrastRatio(Qt::red, Qt::white), 3.998, 0.001);
}

}  // namespace
}  // namespace yq
