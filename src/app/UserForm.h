// The user form: adds or changes one record of the user file (the name and
// call sign of a user, at most 40 characters).
#pragma once

#include "files/UserFile.h"
#include "windows/DialogUnits.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace yq {

class ErrorReporter;
namespace platform {
class UserMessages;
}

enum class UserRequest { Insert, Change, Delete, View };

// "Record Will Be Added", "Record Will Be Changed", "View Record"; the
// layout's own caption for any other request.
QString userFormCaption(UserRequest request);

inline constexpr const char* kUserFormLayoutCaption = QT_TRANSLATE_NOOP("yq::UserForm", "Update the yq1 File");
inline constexpr const char* kUserFormTab = QT_TRANSLATE_NOOP("yq::UserForm", "Enter in your Name and Call");

class UserForm final : public QDialog {
    Q_OBJECT
public:
    // `record` is the highlighted record for a change or a view; an insert
    // starts from a blank one.
    UserForm(UserRequest request, const UserRecord& record, UserFile& file, platform::UserMessages& messages,
             QWidget* parent = nullptr);

    UserRequest request() const { return request_; }
    // The record as written (after OK).
    const UserRecord& record() const { return record_; }
    QLineEdit* entry() const { return entry_; }
    QLabel* label() const { return label_; }
    const DialogUnits& units() const { return units_; }

    // OK: writes the record and closes; when the file refuses, the error is
    // shown and the form stays open.
    void accept() override;

private:
    UserRequest request_;
    UserRecord record_;
    UserFile& file_;
    platform::UserMessages& messages_;
    DialogUnits units_;
    QLabel* label_ = nullptr;
    QLineEdit* entry_ = nullptr;
};

// Runs the form for one record. True when the record was written; a delete
// request is refused with an error message without opening the form.
bool runUserForm(UserRequest request, UserRecord& record, UserFile& file, ErrorReporter& errors,
                 platform::UserMessages& messages, QWidget* parent);

}  // namespace yq
