#include "app/core/ProgramState.h"
#include "app/core/UserFile.h"
#include "files/SettingsFile.h"
#include "platform/PrivateProfile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace yq {
namespace {

QStringList names(const QList<UserRecord>& records) {
    QStringList out;
    for (const auto& r : records) out << r.user;
    return out;
}

TEST(UserFile, MissingFileBehavesAsEmpty) {
    QTemporaryDir dir;
    UserFile users(dir.path());
    EXPECT_TRUE(users.inFileOrder().isEmpty());
    EXPECT_TRUE(users.inKeyOrder().isEmpty());
    EXPECT_FALSE(users.first().has_value());
    EXPECT_FALSE(QFile::exists(users.path()));  // reading creates nothing
    ProgramState state;
    state.userRecord = "kept from before";
    EXPECT_EQ(UserFile::readFirstIntoBuffer(dir.path(), state), "kept from before");
}

TEST(UserFile, FileOrderKeyOrderAndChanges) {
    QTemporaryDir dir;
    UserFile users(dir.path());
    ASSERT_TRUE(users.add("Zed Q W9ZZZ"));
    ASSERT_TRUE(users.add("Ann K1AAA   "));  // blank padding is not part of the name
    ASSERT_TRUE(users.add("Moe N5MMM"));
    EXPECT_EQ(names(users.inFileOrder()), QStringList({"Zed Q W9ZZZ", "Ann K1AAA", "Moe N5MMM"}));
    EXPECT_EQ(names(users.inKeyOrder()), QStringList({"Ann K1AAA", "Moe N5MMM", "Zed Q W9ZZZ"}));

    const qint64 moe = users.inKeyOrder()[1].id;
    ASSERT_TRUE(users.change(moe, "Bea W2BBB"));
    EXPECT_EQ(names(users.inKeyOrder()), QStringList({"Ann K1AAA", "Bea W2BBB", "Zed Q W9ZZZ"}));
    ASSERT_TRUE(users.remove(users.first()->id));
    EXPECT_EQ(names(users.inFileOrder()), QStringList({"Ann K1AAA", "Bea W2BBB"}));
    EXPECT_FALSE(users.remove(999));

    ProgramState state;
    EXPECT_EQ(UserFile::readFirstIntoBuffer(dir.path(), state), "Ann K1AAA");
    EXPECT_EQ(state.userRecord, "Ann K1AAA");
}

TEST(UserFile, FortyCharactersAreKeptWholeAndLongerNamesRefused) {
    QTemporaryDir dir;
    UserFile users(dir.path());
    const QString forty = QStringLiteral("Émile Ünsworth-Baxter, Radio Club VE3ÅÄÖ");
    ASSERT_EQ(forty.size(), 40);
    ASSERT_TRUE(users.add(forty));
    EXPECT_EQ(users.first()->user, forty);
    EXPECT_FALSE(users.add(forty + u'X'));
    EXPECT_FALSE(users.errorText().isEmpty());
    EXPECT_FALSE(users.change(users.first()->id, QString(41, u'x')));
    EXPECT_EQ(users.inFileOrder().size(), 1);
    EXPECT_EQ(users.first()->user, forty);
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
    EXPECT_EQ(platform::readProfileString(path, "__Dont_Touch_Me__", "Sectors_1"), "Fam,Item,Type");
    EXPECT_EQ(platform::readProfileString(path, "__Dont_Touch_Me__", "Sectors_2"), "A,B,C");
    EXPECT_EQ(platform::readProfileString(path, "Elsewhere", "k"), "v");
}

TEST(SettingsService, DefaultPathIsInTheUsersConfigFolder) {
    qputenv("XDG_CONFIG_HOME", "/tmp/some-config");
    EXPECT_EQ(SettingsService::defaultPath(), "/tmp/some-config/yq/yq.INI");
    qunsetenv("XDG_CONFIG_HOME");
    EXPECT_TRUE(SettingsService::defaultPath().endsWith("/.config/yq/yq.INI"));
}

}  // namespace
}  // namespace yq
