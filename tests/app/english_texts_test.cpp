// The English windows read exactly as they did before the program could
// speak other languages: every caption, label, button, tab, list item,
// column title, tooltip, menu item, accessible name and help text of every
// window and tab, against a list taken from the windows as they were.
#include "AllWindows.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSet>
#include <QTabBar>
#include <QTableWidget>
#include <QTextEdit>

#include <gtest/gtest.h>

namespace yq {
namespace {

QString oneLine(QString text) {
    return text.replace(u'\\', QStringLiteral("\\\\"))
        .replace(u'\n', QStringLiteral("\\n"))
        .replace(u'\t', QStringLiteral("\\t"));
}

void collect(QWidget* window, const QString& windowName, QSet<QString>& lines) {
    const auto add = [&](const QObject* o, const char* what, const QString& text) {
        if (text.isEmpty()) return;
        lines.insert(QStringLiteral("%1\t%2\t%3\t%4\t%5")
                         .arg(windowName.section(u',', 0, 0), QString::fromLatin1(o->metaObject()->className()),
                              o->objectName(), QString::fromLatin1(what), oneLine(text)));
    };
    add(window, "title", window->windowTitle());
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* w : widgets) {
        add(w, "tooltip", w->toolTip());
        add(w, "accessible name", w->accessibleName());
        add(w, "accessible description", w->accessibleDescription());
        if (auto* label = qobject_cast<QLabel*>(w)) add(w, "text", label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(w)) add(w, "text", button->text());
        if (auto* group = qobject_cast<QGroupBox*>(w)) add(w, "title", group->title());
        if (auto* edit = qobject_cast<QLineEdit*>(w)) add(w, "placeholder", edit->placeholderText());
        if (auto* plain = qobject_cast<QPlainTextEdit*>(w)) {
            if (plain->isReadOnly()) add(w, "text", plain->toPlainText());
        }
        if (auto* rich = qobject_cast<QTextEdit*>(w)) {
            if (rich->isReadOnly()) add(w, "text", rich->toPlainText());
        }
        if (auto* tabs = qobject_cast<QTabBar*>(w))
            for (int i = 0; i < tabs->count(); ++i) {
                add(w, "tab", tabs->tabText(i));
                add(w, "tab tooltip", tabs->tabToolTip(i));
            }
        if (auto* combo = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < combo->count(); ++i) add(w, "item", combo->itemText(i));
        if (auto* table = qobject_cast<QTableWidget*>(w)) {
            for (int c = 0; c < table->columnCount(); ++c)
                if (auto* item = table->horizontalHeaderItem(c)) add(w, "column", item->text());
        }
        for (QAction* action : w->actions()) {
            add(action, "action", action->text());
            add(action, "action tooltip",
                action->toolTip() == action->text().remove(u'&') ? QString() : action->toolTip());
        }
    }
}

QSet<QString> englishTexts() {
    QSet<QString> lines;
    test::forEveryWindow([&](QWidget* window, const QString& name) { collect(window, name, lines); });
    return lines;
}

TEST(EnglishTexts, EveryWindowReadsAsItDidBefore) {
    const QString path = QStringLiteral(YQ_TEST_DATA "/english-window-texts.txt");
    const QSet<QString> now = englishTexts();
    if (qEnvironmentVariableIsSet("YQ_WRITE_ENGLISH_TEXTS")) {
        QStringList sorted(now.begin(), now.end());
        sorted.sort();
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write((sorted.join(u'\n') + u'\n').toUtf8());
        GTEST_SKIP() << "wrote " << sorted.size() << " lines to " << path.toStdString();
    }
    QFile in(path);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly)) << path.toStdString();
    QSet<QString> before;
    for (const QString& line : QString::fromUtf8(in.readAll()).split(u'\n', Qt::SkipEmptyParts)) before.insert(line);
    ASSERT_GT(before.size(), 300);
    QStringList gone, added;
    for (const QString& l : before)
        if (!now.contains(l)) gone << l;
    for (const QString& l : now)
        if (!before.contains(l)) added << l;
    gone.sort();
    added.sort();
    EXPECT_TRUE(gone.isEmpty() && added.isEmpty()) << "no longer shown:\n"
                                                   << gone.join(u'\n').toStdString() << "\nnewly shown:\n"
                                                   << added.join(u'\n').toStdString();
}

}  // namespace
}  // namespace yq
