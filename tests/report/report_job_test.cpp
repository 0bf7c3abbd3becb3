// The report job: load, the record loop, the program state it leaves, and
// what reaches the sink, and a user file that cannot be read.

#include "files/ProgramState.h"
#include "report/ReportJob.h"
#include "ReportTestSupport.h"
#include "support/FileBytes.h"
#include "support/RecordingMessages.h"

#include <gtest/gtest.h>

#include <sqlite3.h>

namespace yq::report {
namespace {

using platform::MessageKind;
using test::RecordingMessages;
using test::reportData;
using test::UserFolder;

class KeptPages final : public ReportSink {
public:
    bool deliver(const PageModel& model, const ReportRecord& record) override {
        models.append(model);
        metricSeen = record.metric;
        return true;
    }
    QList<PageModel> models;
    int metricSeen = -1;
};

const ReportSources sourcesIn(const QString& folder) {
    return ReportSources{folder, [] { return QDate(2025, 3, 14); }};
}

TEST(ReportJob, OnePagePerUserRecordWithTheStateTheReportLeaves) {
    test::ensureGuiApp();
    const UserFolder users({"Zed ZL1AAA", "Amy VK2ABC"});
    RecordingMessages messages;  // no message at all
    KeptPages sink;
    ProgramState state;
    const ReportRun run = runReport({reportData("M7506.ini")}, sink, messages, sourcesIn(users.path()));
    run.applyTo(state);
    EXPECT_EQ(run.outcome, ReportOutcome::Delivered);
    ASSERT_EQ(sink.models.size(), 1);
    ASSERT_EQ(sink.models[0].pages.size(), 2);
    EXPECT_EQ(sink.models[0].pages[0].find(ItemKind::Value, "designer")->text, "Amy VK2ABC");
    EXPECT_EQ(sink.metricSeen, 1);
    EXPECT_EQ(state.metric, 1);
    EXPECT_EQ(state.userRecord, "Zed ZL1AAA");

    // A loop the user cancels after the first record: nothing delivered.
    KeptPages none;
    ProgramState cancelled;
    const RecordLoop cancelAfterOne = [](int total, const std::function<void(int)>& step) {
        EXPECT_EQ(total, 2);
        step(0);
        return false;
    };
    const ReportRun cancelledRun =
        runReport({reportData("726.ini")}, none, messages, sourcesIn(users.path()), cancelAfterOne);
    cancelledRun.applyTo(cancelled);
    EXPECT_EQ(cancelledRun.outcome, ReportOutcome::Cancelled);
    EXPECT_TRUE(none.models.isEmpty());
    EXPECT_EQ(cancelled.userRecord, "Amy VK2ABC");
}

TEST(ReportJob, StartingTheReportSetsTheUnitFlagAndTheUserBuffer) {
    test::ensureGuiApp();
    RecordingMessages messages;  // no message at all
    UserFolder users({QStringLiteral("Zed ZL1AAA"), QStringLiteral("Amy VK2ABC")});
    ProgramState state;
    state.userRecord = QStringLiteral("earlier");
    KeptPages sink;
    runReport({reportData("M7506.ini")}, sink, messages, sourcesIn(users.path())).applyTo(state);
    EXPECT_EQ(state.metric, 1);
    EXPECT_EQ(state.userRecord, "Zed ZL1AAA");  // the last record read

    UserFolder none;
    runReport({reportData("726.ini")}, sink, messages, sourcesIn(none.path())).applyTo(state);
    EXPECT_EQ(state.metric, 0);
    EXPECT_EQ(state.userRecord, "Zed ZL1AAA");  // no record read: the buffer keeps its text
}

// A user file that cannot be read is said so, not printed as "no
// designers"; the file is left byte for byte as it was.
TEST(ReportJob, AnUnreadableUserFileIsToldAndLeftAlone) {
    test::ensureGuiApp();
    const UserFolder good({"Ann K1AAA"});
    const QByteArray whole = test::readAll(UserFile(good.path()).path());
    ASSERT_GT(whole.size(), 1024);
    const std::pair<const char*, QByteArray> cases[] = {
        {"garbage", QByteArray(3000, '\x5a')},
        {"truncated", whole.left(whole.size() / 2 + 100)},
        {"locked", whole},
    };
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        const UserFolder folder;
        const QString path = UserFile(folder.path()).path();
        ASSERT_TRUE(test::writeAll(path, bytes));
        sqlite3* lock = nullptr;
        if (std::string(name) == "locked") {
            ASSERT_EQ(sqlite3_open(path.toUtf8().constData(), &lock), SQLITE_OK);
            ASSERT_EQ(sqlite3_exec(lock, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
        }
        RecordingMessages messages;
        messages.expect(MessageKind::Error, QStringLiteral("cannot be read"));
        KeptPages sink;
        ProgramState state;
        state.userRecord = QStringLiteral("before");
        const ReportRun run = runReport({reportData("M7506.ini")}, sink, messages, sourcesIn(folder.path()));
        run.applyTo(state);
        const ReportOutcome outcome = run.outcome;
        if (lock) {
            sqlite3_exec(lock, "ROLLBACK", nullptr, nullptr, nullptr);
            sqlite3_close(lock);
        }
        EXPECT_EQ(outcome, ReportOutcome::UserFileUnreadable);
        EXPECT_TRUE(sink.models.isEmpty());
        ASSERT_EQ(messages.messages.size(), 1u);
        EXPECT_TRUE(messages.messages[0].text.contains(QStringLiteral("not printed")));
        EXPECT_EQ(state.metric, 1) << "the design file was read";
        EXPECT_EQ(state.userRecord, "before");
        EXPECT_EQ(test::readAll(path), bytes);
    }
}

}  // namespace
}  // namespace yq::report
