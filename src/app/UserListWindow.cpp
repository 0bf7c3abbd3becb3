#include "app/UserListWindow.h"
#include "files/AtomicFile.h"

#include "app/AppMessages.h"
#include "app/WindowParts.h"
#include "platform/UserMessages.h"
#include "windows/ErrorReporter.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTreeWidget>

namespace yq {

namespace {

const QFont& listFont() {
    static const QFont font = windowFont(QStringLiteral("MS Sans Serif"), 8);
    return font;
}

constexpr int kIdRole = Qt::UserRole + 1;

// Left-aligned text set in from the column's edge; the highlight still
// spans the whole row.
class IndentDelegate final : public QStyledItemDelegate {
public:
    IndentDelegate(int indent, QObject* parent) : QStyledItemDelegate(parent), indent_(indent) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem full(option);
        initStyleOption(&full, index);
        full.text.clear();
        const QWidget* widget = option.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        style->drawPrimitive(QStyle::PE_PanelItemViewItem, &full, painter, widget);
        QStyleOptionViewItem shifted(option);
        shifted.rect.adjust(indent_, 0, 0, 0);
        shifted.state &= ~QStyle::State_HasFocus;
        QStyledItemDelegate::paint(painter, shifted, index);
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return QStyledItemDelegate::sizeHint(option, index) + QSize(indent_, 0);
    }

private:
    int indent_;
};

}  // namespace

UserListWindow::UserListWindow(UserFile& file, ErrorReporter& errors, platform::UserMessages& messages,
                               UserFormRunner form, QWidget* parent)
    : QDialog(parent), file_(file), errors_(errors), messages_(messages), form_(std::move(form)), units_(listFont()) {
    if (!form_) {
        form_ = [this](UserRequest request, UserRecord& record, QWidget* owner) {
            return runUserForm(request, record, file_, errors_, messages_, owner);
        };
    }
    setObjectName(QStringLiteral("P1$QUICKWINDOW"));
    setWindowTitle(tr(kUserListCaption));
    setWindowIconFromImage(this, QStringLiteral("milnm.ico"));
    setFont(listFont());
    setFixedSize(units_.size(257, 91));

    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("BROWSE:1"));
    list_->setGeometry(units_.rect(8, 20, 192, 62));
    list_->setColumnCount(1);
    list_->setHeaderLabels({tr("User")});
    list_->setColumnWidth(0, units_.x(80));
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setAllColumnsShowFocus(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setAccessibleName(tr("Users"));
    list_->setStatusTip(tr("Browsing Records"));
    list_->setToolTip(tr("Browsing Records"));
    list_->headerItem()->setTextAlignment(0, Qt::AlignLeft | Qt::AlignVCenter);
    list_->setItemDelegate(new IndentDelegate(units_.x(2), list_));

    QPushButton* select = addButton(this, units_, {120, 32, 45, 14}, tr("&Select"), QStringLiteral("SELECT:2"));
    select->hide();
    insert_ = addButton(this, units_, {204, 20, 45, 14}, tr("&Insert"), QStringLiteral("INSERT:3"));
    change_ = addButton(this, units_, {204, 52, 45, 14}, tr("&Change"), QStringLiteral("CHANGE:3"));
    delete_ = addButton(this, units_, {204, 36, 45, 14}, tr("&Delete"), QStringLiteral("DELETE:3"));

    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("CURRENTTAB"));
    tabs->setGeometry(units_.rect(4, 4, 249, 83));
    tabs->addTab(new QWidget, QString());
    tabs->setFocusPolicy(Qt::NoFocus);
    tabs->lower();

    QPushButton* close = addButton(this, units_, {204, 68, 45, 14}, tr("Close"), QStringLiteral("CLOSE"));
    QPushButton* help = addButton(this, units_, {48, 32, 45, 14}, tr("Help"), QStringLiteral("HELP"));
    help->hide();

    setTabOrder(list_, insert_);
    setTabOrder(insert_, change_);
    setTabOrder(change_, delete_);
    setTabOrder(delete_, close);

    connect(insert_, &QPushButton::clicked, this, &UserListWindow::insertRecord);
    connect(change_, &QPushButton::clicked, this, &UserListWindow::changeRecord);
    connect(delete_, &QPushButton::clicked, this, &UserListWindow::deleteRecord);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    // Double click or Enter on a record changes it; the Insert and Delete
    // keys work on the list as their buttons do.
    connect(list_, &QTreeWidget::activated, this, [this] { changeRecord(); });
    list_->installEventFilter(this);
    connect(list_, &QTreeWidget::currentItemChanged, this, [this] { updateButtons(); });

    refresh();
    list_->setFocus();
}

bool UserListWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::NoModifier && key->key() == Qt::Key_Insert) {
            insertRecord();
            return true;
        }
        if (key->modifiers() == Qt::NoModifier && key->key() == Qt::Key_Delete) {
            deleteRecord();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

std::optional<UserRecord> UserListWindow::highlighted() const {
    const QTreeWidgetItem* item = list_->currentItem();
    if (!item) return std::nullopt;
    return UserRecord{item->data(0, kIdRole).toLongLong(), item->text(0)};
}

void UserListWindow::highlight(qint64 id) {
    for (int i = 0; i < list_->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = list_->topLevelItem(i);
        if (item->data(0, kIdRole).toLongLong() == id) {
            list_->setCurrentItem(item);
            return;
        }
    }
}

void UserListWindow::refresh(qint64 id) {
    const int row = list_->currentItem() ? list_->indexOfTopLevelItem(list_->currentItem()) : 0;
    list_->clear();
    const Result<QList<UserRecord>> records = file_.inKeyOrder();
    // A file that cannot be read is not shown as an empty list without a word.
    if (!records) messages_.error(problemText(records.problem()));
    for (const UserRecord& record : records ? *records : QList<UserRecord>()) {
        auto* item = new QTreeWidgetItem(list_, {record.user});
        item->setData(0, kIdRole, record.id);
    }
    if (id != 0) highlight(id);
    if (!list_->currentItem() && list_->topLevelItemCount() > 0)
        list_->setCurrentItem(list_->topLevelItem(qBound(0, row, list_->topLevelItemCount() - 1)));
    updateButtons();
}

void UserListWindow::updateButtons() {
    const bool any = list_->currentItem() != nullptr;
    change_->setEnabled(any);
    delete_->setEnabled(any);
}

void UserListWindow::insertRecord() {
    UserRecord record;
    if (!form_(UserRequest::Insert, record, this)) return;
    // The new record is the newest one with its text.
    qint64 id = 0;
    if (const auto records = file_.inFileOrder()) {
        for (const UserRecord& r : *records) {
            if (r.user == record.user) id = qMax(id, r.id);
        }
    }
    refresh(id);
}

void UserListWindow::changeRecord() {
    std::optional<UserRecord> record = highlighted();
    if (!record) return;
    const qint64 id = record->id;
    if (form_(UserRequest::Change, *record, this)) refresh(id);
}

void UserListWindow::deleteRecord() {
    const std::optional<UserRecord> record = highlighted();
    if (!record) return;
    const QString text = QCoreApplication::translate("UserList", kConfirmDeleteMessage).arg(record->user);
    if (!messages_.confirm(text, QCoreApplication::translate("UserList", kConfirmDeleteCaption))) return;
    if (const Result<> removed = file_.remove(record->id); !removed) messages_.error(problemText(removed.problem()));
    refresh();
}

void runUserList(const QString& folder, ErrorReporter& errors, platform::UserMessages& messages, QWidget* parent) {
    const ProcedureScope procedure(errors, QStringLiteral("BrowseYQ1"));
    UserFile file(folder);
    UserListWindow window(file, errors, messages, {}, parent);
    centreOnScreen(&window, parent);
    window.exec();
}

}  // namespace yq
