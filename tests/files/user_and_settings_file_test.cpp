#include "files/ProgramState.h"
#include "files/UserFile.h"
#include "files/SettingsFile.h"
#include "files/PrivateProfile.h"

#include "support/FileBytes.h"
#include "support/AccentingTranslator.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sqlite3.h>

namespace yq {
namespace {

// The records read, none when the file could not be read.
QList<UserRecord> listed(const Result<QList<UserRecord>>& records) { return records ? *records : QList<UserRecord>(); }
// The first record, none when there is none or the file could not be read.
std::optional<UserRecord> firstOf(const Result<std::optional<UserRecord>>& first) {
    return first ? *first : std::nullopt;
}
// Why a step failed; empty when it did not.
template <class T>
QString whyNot(const Result<T>& result) {
    return result ? QString() : QString::fromStdString(result.problem().text());
}

QStringList names(const Result<QList<UserRecord>>& records) {
    QStringList out;
    for (const auto& r : listed(records)) out << r.user;
    return out;
}

TEST(UserFile, MissingFileBehavesAsEmpty) {
    QTemporaryDir dir;
    UserFile users(dir.path());
    EXPECT_TRUE(listed(users.inFileOrder()).isEmpty());
    EXPECT_TRUE(listed(users.inKeyOrder()).isEmpty());
    EXPECT_FALSE(firstOf(users.first()).has_value());
    EXPECT_FALSE(QFile::exists(users.path()));  // reading creates nothing
    ProgramState state;
    state.userRecord = "kept from before";
    EXPECT_EQ(UserFile::readFirstIntoBuffer(dir.path(), state.userRecord).value(), "kept from before");
}

TEST(UserFile, FileOrderKeyOrderAndChanges) {
    QTemporaryDir dir;
    UserFile users(dir.path());
    ASSERT_TRUE(users.add("Zed Q W9ZZZ"));
    ASSERT_TRUE(users.add("Ann K1AAA   "));  // blank padding is not part of the name
    ASSERT_TRUE(users.add("Moe N5MMM"));
    EXPECT_EQ(names(users.inFileOrder()), QStringList({"Zed Q W9ZZZ", "Ann K1AAA", "Moe N5MMM"}));
    EXPECT_EQ(names(users.inKeyOrder()), QStringList({"Ann K1AAA", "Moe N5MMM", "Zed Q W9ZZZ"}));

    const qint64 moe = listed(users.inKeyOrder())[1].id;
    ASSERT_TRUE(users.change(moe, "Bea W2BBB"));
    EXPECT_EQ(names(users.inKeyOrder()), QStringList({"Ann K1AAA", "Bea W2BBB", "Zed Q W9ZZZ"}));
    ASSERT_TRUE(users.remove(firstOf(users.first())->id));
    EXPECT_EQ(names(users.inFileOrder()), QStringList({"Ann K1AAA", "Bea W2BBB"}));
    EXPECT_FALSE(users.remove(999));

    ProgramState state;
    EXPECT_EQ(UserFile::readFirstIntoBuffer(dir.path(), state.userRecord).value(), "Ann K1AAA");
    EXPECT_EQ(state.userRecord, "Ann K1AAA");
}

TEST(UserFile, FortyCharactersAreKeptWholeAndLongerNamesRefused) {
    QTemporaryDir dir;
    UserFile users(dir.path());
    const QString forty = QStringLiteral("Émile Ünsworth-Baxter, Radio Club VE3ÅÄÖ");
    ASSERT_EQ(forty.size(), 40);
    ASSERT_TRUE(users.add(forty));
    EXPECT_EQ(firstOf(users.first())->user, forty);
    const Result<> tooLong = users.add(forty + u'X');
    EXPECT_FALSE(tooLong);
    EXPECT_FALSE(whyNot(tooLong).isEmpty());
    EXPECT_FALSE(users.change(firstOf(users.first())->id, QString(41, u'x')));
    EXPECT_EQ(listed(users.inFileOrder()).size(), 1);
    EXPECT_EQ(firstOf(users.first())->user, forty);
}

TEST(SettingsService, FirstRunWritesTheCountAndLaterRunsKeepEntries) {
    QTemporaryDir dir;
    const QString path = dir.filePath("sub/yq.INI");
    SettingsService first;
    first.open(path);
    EXPECT_TRUE(first.entries().isEmpty());
    ASSERT_TRUE(first.close());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "[__Dont_Touch_Me__]\nSectors=0\n");
    f.close();

    {
        QFile w(path);
        ASSERT_TRUE(w.open(QIODevice::WriteOnly));
        w.write("[Elsewhere]\nk=v\n[__Dont_Touch_Me__]\nSectors=2\nSectors_1=Fam,Item,Type\nSectors_2=A,B,C\n");
    }
    SettingsService second;
    second.open(path);
    ASSERT_EQ(second.entries().size(), 2);
    EXPECT_EQ(second.entries()[0].family, "Fam");
    EXPECT_EQ(second.entries()[1].type, "C");
    ASSERT_TRUE(second.close());
    EXPECT_EQ(readProfileString(path, "__Dont_Touch_Me__", "Sectors_1"), "Fam,Item,Type");
    EXPECT_EQ(readProfileString(path, "__Dont_Touch_Me__", "Sectors_2"), "A,B,C");
    EXPECT_EQ(readProfileString(path, "Elsewhere", "k"), "v");
}

TEST(SettingsService, DefaultPathIsInTheUsersConfigFolder) {
    qputenv("XDG_CONFIG_HOME", "/tmp/some-config");
    EXPECT_EQ(SettingsService::defaultPath(), "/tmp/some-config/yq/yq.INI");
    qunsetenv("XDG_CONFIG_HOME");
    EXPECT_TRUE(SettingsService::defaultPath().endsWith("/.config/yq/yq.INI"));
}

// Damaged and hand-edited settings files: a count is bounded by the entries
// the file holds, and the file written back holds what was read.
struct SettingsCase {
    const char* name;
    QByteArray before;
    int entries;
    QByteArray after;
};

class DamagedSettings : public ::testing::TestWithParam<SettingsCase> {};

TEST_P(DamagedSettings, CountsAreBoundedByWhatTheFileHolds) {
    const SettingsCase& c = GetParam();
    QTemporaryDir dir;
    const QString path = dir.filePath("yq.INI");
    ASSERT_TRUE(test::writeAll(path, c.before));
    SettingsService service;
    service.open(path);
    EXPECT_EQ(service.entries().size(), c.entries);
    ASSERT_TRUE(service.close());
    EXPECT_EQ(test::readAll(path), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedSettings,
    ::testing::Values(
        SettingsCase{"HugeCount", "[__Dont_Touch_Me__]\nSectors=2000000000\n", 0, "[__Dont_Touch_Me__]\nSectors=0\n"},
        SettingsCase{"LargeCountNoEntries", "[__Dont_Touch_Me__]\r\nSectors=20000\r\n", 0,
                     "[__Dont_Touch_Me__]\r\nSectors=0\r\n"},
        SettingsCase{"CountBeyondInt", "[__Dont_Touch_Me__]\nSectors=99999999999999999999\n", 0,
                     "[__Dont_Touch_Me__]\nSectors=0\n"},
        SettingsCase{"NegativeCount", "[__Dont_Touch_Me__]\nSectors=-3\nSectors_1=a,b,c\n", 0,
                     "[__Dont_Touch_Me__]\nSectors=0\nSectors_1=a,b,c\n"},
        SettingsCase{"NotANumber", "[__Dont_Touch_Me__]\nSectors=many\n", 0, "[__Dont_Touch_Me__]\nSectors=0\n"},
        SettingsCase{"CountBeyondEntries", "[__Dont_Touch_Me__]\nSectors=5\nSectors_1=a,b,c\nSectors_2=d,e,f\n", 2,
                     "[__Dont_Touch_Me__]\nSectors=2\nSectors_1=a,b,c\nSectors_2=d,e,f\n"},
        SettingsCase{"GapInEntries", "[__Dont_Touch_Me__]\nSectors=3\nSectors_1=a,b,c\nSectors_3=g,h,i\n", 3,
                     "[__Dont_Touch_Me__]\nSectors=3\nSectors_1=a,b,c\nSectors_3=g,h,i\nSectors_2=,,\n"},
        SettingsCase{"CommentsAndNoFinalBreakKept",
                     "; r\xe9glages\r\n[__Dont_Touch_Me__]\r\nSectors=1\r\nSectors_1=a,b,c", 1,
                     "; r\xe9glages\r\n[__Dont_Touch_Me__]\r\nSectors=1\r\nSectors_1=a,b,c"}),
    [](const ::testing::TestParamInfo<SettingsCase>& p) { return std::string(p.param.name); });

// Damaged user files: garbage, a truncated database, another program's
// database. None reads as an empty list, none is written over.
TEST(UserFile, ADamagedFileIsReportedAndNeverOverwritten) {
    QTemporaryDir source;
    {
        UserFile good(source.path());
        ASSERT_TRUE(good.add("Ann K1AAA"));
    }
    const QByteArray whole = test::readAll(UserFile(source.path()).path());
    ASSERT_GT(whole.size(), 1024);
    const std::pair<const char*, QByteArray> cases[] = {
        {"garbage", QByteArray(3000, '\x5a')},
        {"header then garbage", QByteArray("SQLite format 3") + QByteArray(5000, '\x01')},
        {"truncated", whole.left(whole.size() / 2 + 100)},
    };
    for (const auto& [name, bytes] : cases) {
        QTemporaryDir dir;
        UserFile users(dir.path());
        ASSERT_TRUE(test::writeAll(users.path(), bytes));
        const Result<QList<UserRecord>> records = users.inKeyOrder();
        EXPECT_FALSE(records) << name;
        EXPECT_TRUE(whyNot(records).contains("cannot be read")) << name;
        EXPECT_TRUE(listed(records).isEmpty()) << name;
        ProgramState state;
        state.userRecord = "before";
        const Result<QString> read = UserFile::readFirstIntoBuffer(dir.path(), state.userRecord);
        EXPECT_EQ(state.userRecord, "before") << name;
        ASSERT_FALSE(read) << name;
        EXPECT_FALSE(read.problem().text().empty()) << name;
        EXPECT_FALSE(users.add("Bea W2BBB")) << name;
        EXPECT_EQ(test::readAll(users.path()), bytes) << name;
    }
}

TEST(UserFile, AnotherProgramsDatabaseIsNotAUserFile) {
    QTemporaryDir dir;
    UserFile users(dir.path());
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(users.path().toUtf8().constData(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, "CREATE TABLE invoices(n INTEGER)", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
    const QByteArray before = test::readAll(users.path());
    EXPECT_FALSE(users.inKeyOrder());
    EXPECT_FALSE(users.add("Ann K1AAA"));
    EXPECT_EQ(test::readAll(users.path()), before);
}

// Another program holding the file locked: each call says so at once
// instead of waiting (it waited 5 s a call).
TEST(UserFile, ALockedFileIsReportedWithoutAWaitPerCall) {
    QTemporaryDir dir;
    UserFile users(dir.path());
    ASSERT_TRUE(users.add("Ann K1AAA"));
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(users.path().toUtf8().constData(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    QElapsedTimer timer;
    timer.start();
    const Result<QList<UserRecord>> read = users.inKeyOrder();
    const bool failedRead = !read;
    const QString text = whyNot(read);
    const bool added = users.add("Bea W2BBB").ok();
    const qint64 elapsed = timer.elapsed();
    sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    EXPECT_TRUE(failedRead);
    EXPECT_TRUE(text.contains("locked")) << text.toStdString();
    EXPECT_FALSE(added);
    EXPECT_LT(elapsed, 2000);
    EXPECT_EQ(listed(users.inKeyOrder()).size(), 1);
}

TEST(UserFile, NamesWithControlCharactersAreRefused) {
    QTemporaryDir dir;
    UserFile users(dir.path());
    for (const char* name : {"Ann\r\nK1AAA", "Ann\tK1AAA", "Ann\x7f", "Ann\x1b[31m"}) {
        const Result<> added = users.add(QString::fromUtf8(name));
        EXPECT_FALSE(added) << name;
        EXPECT_TRUE(whyNot(added).contains("control characters")) << name;
    }
    EXPECT_FALSE(users.add(QStringLiteral("Ann\u2028K1AAA")));
    ASSERT_TRUE(users.add("Ann K1AAA"));
    EXPECT_FALSE(users.change(firstOf(users.first())->id, "Ann\nBea"));
    EXPECT_EQ(firstOf(users.first())->user, "Ann K1AAA");
}

// What the user file tells a person of a refused or failed change goes
// through the translation system.
TEST(UserFile, ItsRefusalsGoThroughTheTranslation) {
    QTemporaryDir dir;
    UserFile users(dir.path());
    const test::AccentingTranslator accenting;
    const Result<> refusals[] = {users.add(QStringLiteral("Ann\tK1AAA")), users.add(QString(41, u'X')),
                                 users.remove(1)};
    for (const Result<>& refused : refusals) {
        ASSERT_FALSE(refused);
        EXPECT_EQ(test::untranslatedWords(whyNot(refused)).join(u' ').toStdString(), "") << refused.problem().text();
    }
}

}  // namespace
}  // namespace yq
