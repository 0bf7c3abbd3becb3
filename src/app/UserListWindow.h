// The user list ("Browse the User File"): the records of the user file in
// key order, with Insert and Change (through the user form), Delete (after a
// confirmation) and Close.
#pragma once

#include "app/UserForm.h"
#include "windows/DialogUnits.h"

#include <QDialog>

#include <functional>

class QPushButton;
class QTreeWidget;

namespace yq {

class ErrorReporter;
namespace platform {
class UserMessages;
}

// Runs the user form for one record; true when it wrote the record.
using UserFormRunner = std::function<bool(UserRequest, UserRecord&, QWidget* parent)>;

inline constexpr const char* kUserListCaption = QT_TRANSLATE_NOOP("yq::UserListWindow", "Browse the User File");

class UserListWindow final : public QDialog {
    Q_OBJECT
public:
    // `form` defaults to the real user form on `file`.
    UserListWindow(UserFile& file, ErrorReporter& errors, platform::UserMessages& messages, UserFormRunner form = {},
                   QWidget* parent = nullptr);

    QTreeWidget* list() const { return list_; }
    // The highlighted record, if any.
    std::optional<UserRecord> highlighted() const;
    // Highlights the record with this id.
    void highlight(qint64 id);

    void insertRecord();
    void changeRecord();
    void deleteRecord();
    // Reads the file again, keeping `id` highlighted when it is still there.
    void refresh(qint64 id = 0);

    const DialogUnits& units() const { return units_; }

protected:
    // The Insert and Delete keys work on the list as their buttons do.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void updateButtons();

    UserFile& file_;
    ErrorReporter& errors_;
    platform::UserMessages& messages_;
    UserFormRunner form_;
    DialogUnits units_;
    QTreeWidget* list_ = nullptr;
    QPushButton* insert_ = nullptr;
    QPushButton* change_ = nullptr;
    QPushButton* delete_ = nullptr;
};

// The user list procedure: runs the window modally on the user file in
// `folder` until it is closed.
void runUserList(const QString& folder, ErrorReporter& errors, platform::UserMessages& messages, QWidget* parent);

}  // namespace yq
