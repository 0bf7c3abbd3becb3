#include "app/UserForm.h"
#include "files/AtomicFile.h"
#include "files/Text.h"

#include "app/AppMessages.h"
#include "app/WindowParts.h"
#include "platform/UserMessages.h"
#include "windows/ErrorReporter.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace yq {

namespace {

const QFont& formFont() {
    static const QFont font = windowFont(QStringLiteral("MS Sans Serif"), 8);
    return font;
}

}  // namespace

QString userFormCaption(UserRequest request) {
    switch (request) {
        case UserRequest::Insert:
            return UserForm::tr("Record Will Be Added");
        case UserRequest::Change:
            return UserForm::tr("Record Will Be Changed");
        case UserRequest::View:
            return UserForm::tr("View Record");
        case UserRequest::Delete:
            break;
    }
    return UserForm::tr(kUserFormLayoutCaption);
}

UserForm::UserForm(UserRequest request, const UserRecord& record, UserFile& file, platform::UserMessages& messages,
                   QWidget* parent)
    : QDialog(parent),
      request_(request),
      record_(request == UserRequest::Insert ? UserRecord{} : record),
      file_(file),
      messages_(messages),
      units_(formFont()) {
    setObjectName(QStringLiteral("P1$QUICKWINDOW"));
    setWindowTitle(userFormCaption(request));
    setWindowIconFromImage(this, QStringLiteral("milnm.ico"));
    setFont(formFont());
    setFixedSize(units_.size(287, 56));

    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("CURRENTTAB"));
    tabs->setGeometry(units_.rect(4, 4, 278, 30));
    tabs->addTab(new QWidget, tr(kUserFormTab));
    tabs->setFocusPolicy(Qt::NoFocus);

    // "&&" shows one "&"; Alt+N reaches the entry.
    label_ = new QLabel(tr("&Name && Call:"), this);
    label_->setObjectName(QStringLiteral("STRING1"));
    label_->move(units_.point(9, 20));
    label_->adjustSize();

    entry_ = new QLineEdit(record_.user, this);
    entry_->setObjectName(QStringLiteral("YQ1:USER"));
    entry_->setMaxLength(kUserFieldLength);
    entry_->setAccessibleName(tr("Name & Call"));
    entry_->setReadOnly(request == UserRequest::View);
    // The entry keeps to the layout's line inside the tab sheet; it only
    // grows (centred on the line) when the font needs more room than that.
    QRect place = units_.rect(56, 20, 219, 10);
    const int height = qMax(place.height(), entry_->fontMetrics().height() + 4);
    place.adjust(0, -(height - place.height()) / 2, 0, 0);
    place.setHeight(height);
    entry_->setGeometry(place);
    label_->setBuddy(entry_);
    label_->move(label_->x(), place.center().y() - label_->height() / 2);

    QPushButton* ok = addButton(this, units_, {53, 38, 45, 14}, tr("OK"), QStringLiteral("OK"));
    QPushButton* cancel = addButton(this, units_, {102, 38, 45, 14}, tr("Cancel"), QStringLiteral("CANCEL"));
    QPushButton* help = addButton(this, units_, {102, 4, 45, 14}, tr("Help"), QStringLiteral("HELP"));
    help->hide();
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &UserForm::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    tabs->lower();
    setTabOrder(entry_, ok);
    setTabOrder(ok, cancel);
    entry_->setFocus();
}

void UserForm::accept() {
    if (request_ == UserRequest::View) {
        QDialog::reject();
        return;
    }
    const QString text = entry_->text();
    const Result<> written = request_ == UserRequest::Insert ? file_.add(text) : file_.change(record_.id, text);
    if (!written) {
        messages_.error(problemText(written.problem()));
        entry_->setFocus();
        return;
    }
    record_.user = withoutTrailingBlanks(text);
    QDialog::accept();
}

bool runUserForm(UserRequest request, UserRecord& record, UserFile& file, ErrorReporter& errors,
                 platform::UserMessages& messages, QWidget* parent) {
    const ProcedureScope procedure(errors, QStringLiteral("UpdateYQ1"));
    if (request == UserRequest::Delete) {
        messages.error(QCoreApplication::translate("UserList", kDeleteFromListMessage));
        return false;
    }
    UserForm form(request, record, file, messages, parent);
    centreOnScreen(&form, parent);
    if (form.exec() != QDialog::Accepted) return false;
    record = form.record();
    return true;
}

}  // namespace yq
