// How the program tells the user something: an error, a notice, or a
// question to confirm. The windows show these as modal message boxes with
// an OK button (Yes / No for a question); yq-calc writes them to standard
// error; tests record them.
//
// Texts follow one rule everywhere: a "|" starts a new line. The one
// implementation that shows them decides the captions (errors always carry
// "YQ Error Message") and the icons.
#pragma once

#include <QString>

namespace yq::platform {

// The caption of every error message.
inline constexpr const char* kErrorCaption = QT_TRANSLATE_NOOP("UserMessages", "YQ Error Message");

enum class MessageKind { Error, Information, Confirmation };

class UserMessages {
public:
    virtual ~UserMessages();

    // An error message ("YQ Error Message"); returns when the user closed it.
    virtual void error(const QString& text) = 0;
    // A notice under `caption` (empty: the program's own name).
    virtual void information(const QString& text, const QString& caption = {}) = 0;
    // A question with Yes and No, No the default; true when the user said Yes.
    virtual bool confirm(const QString& text, const QString& caption) = 0;
};

}  // namespace yq::platform
