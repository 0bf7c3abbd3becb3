// The test stand-in for the message boxes: records every message the user
// would have been shown, in order.
//
// By default a test expects no message at all: every message it did not
// announce with expect() fails the test, and a message announced but never
// shown fails it when the recorder goes. A test that looks at the messages
// afterwards makes its recorder with Mode::Record instead.
#pragma once

#include "platform/UserMessages.h"

#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <vector>

namespace yq::test {

class RecordingMessages final : public platform::UserMessages {
public:
    enum class Mode { Strict, Record };

    struct Message {
        platform::MessageKind kind;
        QString text;
        QString caption;  // "YQ Error Message" for errors; as given otherwise
    };

    explicit RecordingMessages(Mode mode = Mode::Strict) : mode_(mode) {}
    ~RecordingMessages() override {
        for (const Expected& e : expected_) ADD_FAILURE() << "expected message never shown: " << e.text.toStdString();
    }
    RecordingMessages(const RecordingMessages&) = delete;
    RecordingMessages& operator=(const RecordingMessages&) = delete;

    // Announces the next message: its kind and a text it contains (empty:
    // any text); a question is answered with `answer`.
    void expect(platform::MessageKind kind, const QString& containing = {}, bool reply = false) {
        expected_.push_back({kind, containing, reply});
    }

    void error(const QString& text) override {
        shown({platform::MessageKind::Error, text, QString::fromLatin1(platform::kErrorCaption)});
    }
    void information(const QString& text, const QString& caption = {}) override {
        shown({platform::MessageKind::Information, text, caption});
    }
    bool confirm(const QString& text, const QString& caption) override {
        return shown({platform::MessageKind::Confirmation, text, caption});
    }

    // The texts shown, in order.
    QStringList texts() const {
        QStringList out;
        for (const Message& m : messages) out << m.text;
        return out;
    }

    // Logs each message shown into `events` as "error: <text>" or
    // "info: <text>", beside the other calls a test logs there.
    void logInto(QStringList& events) {
        observer = [&events](const Message& m) {
            events << (m.kind == platform::MessageKind::Error ? QStringLiteral("error: ") : QStringLiteral("info: ")) +
                          m.text;
        };
    }

    std::vector<Message> messages;
    // Called with each message as it is shown (to log it beside other calls).
    std::function<void(const Message&)> observer;
    // The answer to questions nobody announced (Record mode).
    bool answer = false;

private:
    struct Expected {
        platform::MessageKind kind;
        QString text;
        bool reply;
    };

    bool shown(const Message& message) {
        messages.push_back(message);
        if (observer) observer(message);
        if (expected_.empty()) {
            if (mode_ == Mode::Strict)
                ADD_FAILURE() << "unexpected message [" << message.caption.toStdString() << "] "
                              << message.text.toStdString();
            return answer;
        }
        const Expected next = expected_.front();
        expected_.pop_front();
        EXPECT_EQ(int(message.kind), int(next.kind)) << message.text.toStdString();
        EXPECT_TRUE(message.text.contains(next.text))
            << "shown: " << message.text.toStdString() << "\nexpected: " << next.text.toStdString();
        return next.reply;
    }

    Mode mode_;
    std::deque<Expected> expected_;
};

}  // namespace yq::test
