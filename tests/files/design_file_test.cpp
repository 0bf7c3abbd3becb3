#include "files/DesignFile.h"

#include "design/Calculation.h"
#include "files/PrivateProfile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace yq {
namespace {

TEST(DesignValueText, ShortestPlainForm) {
    const std::pair<const char*, const char*> cases[] = {
        {"12.50", "12.5"},
        {"7.00", "7"},
        {"0.25", "0.25"},
        {"0", "0"},
        {"0.0000", "0"},
        {"-0.0300", "-0.03"},
        {"1.50", "1.5"},
        {"0.0001", "0.0001"},
        {"9999999.99", "9999999.99"},
        {"-99999.9999", "-99999.9999"},
        {"7.1500", "7.15"},
        {"1000000", "1000000"},
    };
    for (const auto& [value, expected] : cases) {
        EXPECT_EQ(designValueText(Decimal::of(value)), QString::fromLatin1(expected)) << value;
    }
}

TEST(DesignValueRead, ReadingRuleThenFieldRounding) {
    struct Case {
        const char* text;
        const char* expected;  // stored in a (9, 2) field
    };
    const Case cases[] = {
        {"7.15", "7.15"},
        {"2.345", "2.35"},
        {"-2.345", "-2.35"},
        {" -2.345", "-2.35"},
        {"1,5", "1.50"},
        {"7.15abc", "7.15"},
        {"1.e3", "1000.00"},
        {"1.5E-1", "0.15"},
        {"2.5e+2", "250.00"},
        {"1e3", "1.00"},
        {"abc", "0.00"},
        {"", "0.00"},
        {"-", "0.00"},
        {"  \t12", "12.00"},
        {"+5", "0.00"},
        {"007.10", "7.10"},
        {".5", "0.50"},
        {"99999999999", "9999999.99"},
        {"-1.e99", "-9999999.99"},
        {"1.e-99", "0.00"},
        {"1.e999999999999", "9999999.99"},
    };
    for (const auto& c : cases) {
        DecimalField f({9, 2});
        f = parseDesignValue(QString::fromLatin1(c.text));
        EXPECT_EQ(f.text(), c.expected) << "'" << c.text << "'";
    }
}

DesignRecord sampleDesign(UnitSystem system) {
    DesignRecord r(system);
    const bool metric = system == UnitSystem::Metric;
    *r.field("F") = Decimal::of("7.15");
    *r.field("CD") = Decimal::of(metric ? "50.8" : "2");
    *r.field("LD") = Decimal::of("6");
    *r.field("WD") = Decimal::of(metric ? "1.0234" : "0.0403");
    *r.field("SP") = Decimal::of(metric ? "2.1" : "0.08");
    *r.field("CCD") = Decimal::of(metric ? "50" : "2");
    *r.field("MBW") = Decimal::of("35");
    *r.field("RFR") = Decimal::of("-3.25");
    *r.field("AF") = Decimal::of("17.5");
    reCalc(r, false);
    return r;
}

TEST(DesignFile, WrittenAndReadBackGivesTheSameRecord) {
    QTemporaryDir dir;
    for (UnitSystem system : {UnitSystem::Imperial, UnitSystem::Metric}) {
        const DesignRecord saved = sampleDesign(system);
        const QString path = dir.filePath(designFileName(saved, system));
        ASSERT_TRUE(writeDesignFile(path, saved, system == UnitSystem::Metric ? "1" : "0"));
        DesignRecord loaded(system);
        loaded.PCWD = Decimal::of("0.5");  // reading never changes PCWD
        EXPECT_EQ(readDesignFile(path, loaded).value(), system == UnitSystem::Metric ? 1 : 0);
        for (const KeyInfo& info : designFileKeys()) {
            if (info.key == "PCWD") {
                EXPECT_EQ(loaded.PCWD.text(), system == UnitSystem::Metric ? "0.500" : "0.500");
                continue;
            }
            EXPECT_EQ((loaded.*info.member).text(), (saved.*info.member).text()) << info.key;
        }
    }
}

TEST(DesignFile, KeysInSaveOrderThenMetric) {
    QTemporaryDir dir;
    const QString path = dir.filePath("726.ini");
    ASSERT_TRUE(writeDesignFile(path, sampleDesign(UnitSystem::Imperial), "0"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = f.readAll().split('\n');
    ASSERT_GE(lines.size(), 44);
    EXPECT_EQ(lines[0], "[YQ]");
    QStringList keys;
    for (int i = 1; i <= 43; ++i) keys << QString::fromLatin1(lines[i].left(lines[i].indexOf('=')));
    EXPECT_EQ(keys.join(u' '),
              "F RFR AF RR MRR CD LD C XC BW Q TL MBW V WD SP TPI EWC ECC CI NT CL LW CCL CCD PWL LPW PCCD "
              "PCNT PCWD RAT FAC AE DBL SCT SCL SCI SCD SCWL SCWD XSC DPS Metric");
    EXPECT_EQ(lines[1], "F=7.15");
    EXPECT_EQ(lines[43], "Metric=0");
}

TEST(DesignFile, WorkingCopyHas41KeysAndReadsAsImperial) {
    QTemporaryDir dir;
    const QString path = dir.filePath("yq.ini");
    ASSERT_TRUE(writeWorkingCopy(path, sampleDesign(UnitSystem::Metric)));
    ProfileFile file(path);
    int count = 0;
    for (const KeyInfo& info : designFileKeys()) {
        count += file.contains("YQ", QString::fromLatin1(info.key.data(), qsizetype(info.key.size()))) ? 1 : 0;
    }
    EXPECT_EQ(count, 41);
    EXPECT_FALSE(file.contains("YQ", "MRR"));
    EXPECT_FALSE(file.contains("YQ", "Metric"));
    DesignRecord r(UnitSystem::Metric);
    EXPECT_EQ(readDesignFile(path, r).value(), 0);
}

TEST(DesignFile, RewritingKeepsTheUsersOwnLines) {
    QTemporaryDir dir;
    const QString path = dir.filePath("726.ini");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("; built 2026-05-01, works great on 40 m\n[YQ]\nF=7.9\nNOTE=keep me\n[Mine]\nx=1\n");
    }
    ASSERT_TRUE(writeDesignFile(path, sampleDesign(UnitSystem::Imperial), "0"));
    EXPECT_EQ(readProfileString(path, "YQ", "NOTE"), "keep me");
    EXPECT_EQ(readProfileString(path, "Mine", "x"), "1");
    EXPECT_EQ(readProfileString(path, "YQ", "F"), "7.15");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readLine().startsWith("; built 2026-05-01"));
}

TEST(DesignFile, MissingFileKeysAndOddTextsReadAsTheRuleSays) {
    QTemporaryDir dir;
    const QString path = dir.filePath("odd.ini");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[yq]\nf=1,5\nCD= -2.345\nLD=7.15abc\nWD=1.e-3\nSP=abc\nCCD=\nmetric=1.9\n");
    }
    DesignRecord r(UnitSystem::Imperial);
    *r.field("Q") = Decimal::of("5");  // missing keys read as 0
    EXPECT_EQ(readDesignFile(path, r).value(), 1);
    EXPECT_EQ(r.F.text(), "1.5000");
    EXPECT_EQ(r.CD.text(), "-2.35");
    EXPECT_EQ(r.LD.text(), "7.15");
    EXPECT_EQ(r.WD.text(), "0.0010");
    EXPECT_EQ(r.SP.text(), "0.0000");
    EXPECT_EQ(r.CCD.text(), "0.00");
    EXPECT_EQ(r.Q.text(), "0.00");

    DesignRecord none(UnitSystem::Imperial);
    *none.field("F") = Decimal::of("3");
    EXPECT_EQ(readDesignFile(dir.filePath("absent.ini"), none).value(), 0);
    EXPECT_EQ(none.F.text(), "0.0000");
}

TEST(DesignFileName, FrequencyDiameterAndRatioParts) {
    struct Case {
        UnitSystem window;
        const char *f, *cd, *ld, *expected;
    };
    const Case cases[] = {
        {UnitSystem::Imperial, "7.15", "2.5", "6.5", "726.ini"},
        {UnitSystem::Imperial, "7.9", "2.0", "6.0", "726.ini"},
        {UnitSystem::Imperial, "0.475", "0.75", "8", "475758.ini"},
        {UnitSystem::Metric, "7.05", "50.8", "6", "M7506.ini"},
        {UnitSystem::Imperial, "14.2", "1", "10", "14110.ini"},
        {UnitSystem::Imperial, "-7.15", "-2", "-6.5", "-7150-200-6.ini"},
        {UnitSystem::Imperial, "0", "0", "0", "000.ini"},
    };
    for (const auto& c : cases) {
        DesignRecord r(c.window);
        *r.field("F") = Decimal::of(c.f);
        *r.field("CD") = Decimal::of(c.cd);
        *r.field("LD") = Decimal::of(c.ld);
        EXPECT_EQ(designFileName(r, c.window), QString::fromLatin1(c.expected)) << c.f << " " << c.cd << " " << c.ld;
    }
}

TEST(UnitReactionTable, EachWindowAndValue) {
    struct Case {
        UnitSystem window;
        long long value;
        const char* message;
        const char* notice;
        bool messageFirst;
        int metric;
    };
    const Case cases[] = {
        {UnitSystem::Metric, 0,
         "Incorrect choice. You have chosen|an Imperial design in error.|Select Imperial Design instead.",
         "Press ESC & select Imperial Design", true, 0},
        {UnitSystem::Metric, 1, "", "All measurements are in mm", false, 1},
        {UnitSystem::Imperial, 0, "", "All measurements are in inches", false, 0},
        {UnitSystem::Imperial, 1,
         "Incorrect choice. You have chosen|a Metric design in error.|Select Metric Design instead.|Do NOT save this "
         "version!",
         "Press ESC & Select Metric Option!", false, 0},
        {UnitSystem::Imperial, 2, "", "", false, 2},
        {UnitSystem::Metric, 7, "", "", false, 7},
        {UnitSystem::Metric, 257, "", "All measurements are in mm", false, 1},  // held as a byte
    };
    for (const auto& c : cases) {
        const UnitReaction r = unitReaction(c.window, c.value);
        EXPECT_EQ(r.message, QString::fromLatin1(c.message)) << c.value;
        EXPECT_EQ(r.notice, QString::fromLatin1(c.notice)) << c.value;
        if (!r.message.isEmpty()) {
            EXPECT_EQ(r.messageBeforeNotice, c.messageFirst) << c.value;
        }
        EXPECT_EQ(r.metric, c.metric) << c.value;
    }
}

}  // namespace
}  // namespace yq

namespace yq {
namespace {

// The same design saved by editors in other forms reads the same: line ends
// of any kind, a UTF-8 byte-order mark, UTF-16 with its mark.
QByteArray utf16(const QString& text, bool little) {
    QByteArray bytes = little ? QByteArray("\xFF\xFE") : QByteArray("\xFE\xFF");
    for (const QChar c : text) {
        const char hi = static_cast<char>(c.unicode() >> 8);
        const char lo = static_cast<char>(c.unicode() & 0xFF);
        bytes.append(little ? lo : hi);
        bytes.append(little ? hi : lo);
    }
    return bytes;
}

TEST(DesignFileForms, EveryEditorsFormReadsAlike) {
    const QString lf = QStringLiteral("; caf\u00e9\n[YQ]\nF=7.15\nCD=2.5\nLD=6.5\nMetric=1\n");
    QString cr = lf;
    cr.replace(u'\n', u'\r');
    QString crlf = lf;
    crlf.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    const std::pair<const char*, QByteArray> forms[] = {
        {"LF", lf.toUtf8()},
        {"CR only", cr.toUtf8()},
        {"CR LF", crlf.toUtf8()},
        {"UTF-8 with mark", "\xEF\xBB\xBF" + crlf.toUtf8()},
        {"UTF-16 LE", utf16(crlf, true)},
        {"UTF-16 BE", utf16(crlf, false)},
        {"Latin-1 comment", QByteArray("; caf\xe9\r[YQ]\r\nF=7.15\nCD=2.5\r\nLD=6.5\rMetric=1")},
    };
    QTemporaryDir dir;
    for (const auto& [name, bytes] : forms) {
        const QString path = dir.filePath("726.ini");
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
        f.close();
        DesignRecord r(UnitSystem::Metric);
        const Result<long long> read = readDesignFile(path, r);
        ASSERT_TRUE(read) << name << ": " << read.problem().text();
        EXPECT_EQ(*read, 1) << name;
        EXPECT_EQ(r.F.text(), "7.1500") << name;
        EXPECT_EQ(r.CD.text(), "2.50") << name;
        EXPECT_EQ(r.LD.text(), "6.50") << name;
        // A save over it keeps its form and the reader still reads it.
        DesignRecord saved = r;
        saved.CD = Decimal::of("3");
        ASSERT_TRUE(writeDesignFile(path, saved, "1")) << name;
        DesignRecord again(UnitSystem::Metric);
        EXPECT_EQ(readDesignFile(path, again).value(), 1) << name;
        EXPECT_EQ(again.CD.text(), "3.00") << name;
        EXPECT_EQ(again.F.text(), "7.1500") << name;
        QFile back(path);
        ASSERT_TRUE(back.open(QIODevice::ReadOnly));
        EXPECT_TRUE(back.readAll().startsWith(bytes.left(4))) << name;  // mark and first bytes kept
    }
}

TEST(DesignFileForms, AFileThatCannotBeReadIsAnErrorNotSilentZeros) {
    QTemporaryDir dir;
    DesignRecord r(UnitSystem::Imperial);
    const QString longPath = dir.path() + u'/' + QString(300, u'a') + QStringLiteral(".ini");
    const Result<long long> tooLong = readDesignFile(longPath, r);
    ASSERT_FALSE(tooLong);
    EXPECT_FALSE(tooLong.problem().text().empty());
    // A missing file is still an empty design, as when nothing was saved yet.
    EXPECT_TRUE(readDesignFile(dir.filePath("missing.ini"), r));
    if (::geteuid() != 0) {
        const QString path = dir.filePath("726.ini");
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[YQ]\nF=7.15\n");
        f.close();
        ASSERT_TRUE(f.setPermissions(QFileDevice::WriteOwner));
        const Result<long long> denied = readDesignFile(path, r);
        ASSERT_FALSE(denied);
        EXPECT_TRUE(problemText(denied.problem()).contains("Permission denied")) << denied.problem().text();
        // ... and a save does not replace it with our keys alone.
        const Result<> written = writeDesignFile(path, r, "0");
        EXPECT_FALSE(written.ok());
        ASSERT_TRUE(f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        EXPECT_EQ(
            [&] {
                QFile g(path);
                g.open(QIODevice::ReadOnly);
                return g.readAll();
            }(),
            "[YQ]\nF=7.15\n");
    }
}

}  // namespace
}  // namespace yq
