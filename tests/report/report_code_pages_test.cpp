#include "report/CodePages.h"

#include <gtest/gtest.h>

namespace yq::report {
namespace {

std::string hex(const QByteArray& bytes) { return bytes.toHex(' ').toStdString(); }

struct RunCase {
    const char* what;
    const char* text;  // UTF-8
    int charset;
    int codePage;
    QByteArray bytes;  // by hand from the code page charts
};

// One name per code page; each is written as one run in the code page that
// holds all of its letters.
TEST(CodePages, EachNameInTheCodePageThatHoldsIt) {
    const RunCase cases[] = {
        {"Western", "Zoë Müller", 0, 1252, QByteArray("Zo\xEB M\xFCller")},
        {"Central European", "Zoë O'Brien-Łukasz", 238, 1250, QByteArray("Zo\xEB O'Brien-\xA3ukasz")},
        {"Czech", "Jiří Dvořák", 238, 1250, QByteArray("Ji\xF8\xED Dvo\xF8\xE1k")},
        {"Cyrillic", "Иван Петров", 204, 1251, QByteArray("\xC8\xE2\xE0\xED \xCF\xE5\xF2\xF0\xEE\xE2")},
        {"Greek", "Γιώργος", 161, 1253, QByteArray("\xC3\xE9\xFE\xF1\xE3\xEF\xF2")},
        {"Turkish", "Şükrü Ağaoğlu", 162, 1254, QByteArray("\xDE\xFCkr\xFC A\xF0\x61o\xF0lu")},
        {"Baltic", "Jānis Bērziņš", 186, 1257, QByteArray("J\xE2nis B\xE7rzi\xF2\xF0")},
        {"ASCII", "Amy VK2ABC", 0, 1252, QByteArray("Amy VK2ABC")},
    };
    for (const RunCase& c : cases) {
        const QString text = QString::fromUtf8(c.text);
        const QList<EncodedRun> runs = encodeRuns(text);
        ASSERT_EQ(runs.size(), 1) << c.what;
        EXPECT_EQ(runs[0].charset, c.charset) << c.what;
        EXPECT_EQ(runs[0].codePage, c.codePage) << c.what;
        EXPECT_EQ(hex(runs[0].bytes), hex(c.bytes)) << c.what;
        EXPECT_EQ(runs[0].begin, 0) << c.what;
        EXPECT_EQ(runs[0].end, text.size()) << c.what;
        // One byte per character, in order.
        ASSERT_EQ(runs[0].sources.size(), text.size()) << c.what;
        for (int i = 0; i < text.size(); ++i) EXPECT_EQ(runs[0].sources[i], i) << c.what;
    }
}

TEST(CodePages, MixedScriptsSplitWhereTheCodePageChanges) {
    const QString text = QString::fromUtf8("Иван & Γιώργος");
    const QList<EncodedRun> runs = encodeRuns(text);
    ASSERT_EQ(runs.size(), 2);
    EXPECT_EQ(runs[0].charset, 204);
    EXPECT_EQ(hex(runs[0].bytes), hex(QByteArray("\xC8\xE2\xE0\xED & ")));
    EXPECT_EQ(runs[0].begin, 0);
    EXPECT_EQ(runs[0].end, 7);
    EXPECT_EQ(runs[1].charset, 161);
    EXPECT_EQ(runs[1].begin, 7);
    EXPECT_EQ(runs[1].end, text.size());
    EXPECT_EQ(runs[1].sources.front(), 7);
}

// No 8-bit code page holds these: they are written in their nearest legible
// form, not as "?".
TEST(CodePages, WithoutACodePageTheNearestLegibleFormIsWritten) {
    const struct {
        const char* text;
        int charset;
        QByteArray bytes;
    } cases[] = {
        // Vietnamese: ễ and ứ lose their accents; ă and Đ are Central European.
        {"Nguyễn Văn Đức", 238, QByteArray("Nguyen V\xE3n \xD0uc")},
        // Romanian comma below becomes the letter alone.
        {"Ștefan Țurcanu", 0, QByteArray("Stefan Turcanu")},
        // Maltese H with stroke has no decomposition.
        {"Ħamrun", 0, QByteArray("Hamrun")},
        // A ligature becomes its letters.
        {"ﬁeld", 0, QByteArray("field")},
        // Nothing legible: the last resort.
        {"李", 0, QByteArray("?")},
    };
    for (const auto& c : cases) {
        const QList<EncodedRun> runs = encodeRuns(QString::fromUtf8(c.text));
        ASSERT_EQ(runs.size(), 1) << c.text;
        EXPECT_EQ(runs[0].charset, c.charset) << c.text;
        EXPECT_EQ(hex(runs[0].bytes), hex(c.bytes)) << c.text;
    }
}

TEST(CodePages, BytesPointBackToTheirCharacters) {
    // A combining diaeresis after "e" is the Western "ë", one byte for two
    // characters; a ligature is two bytes for one; a character outside the
    // basic plane (two UTF-16 units) is one byte.
    const QString text = QString::fromUtf8("Zoe\u0308 \uFB01 \U0001D400");
    const QList<EncodedRun> runs = encodeRuns(text);
    ASSERT_EQ(runs.size(), 1);
    EXPECT_EQ(hex(runs[0].bytes), hex(QByteArray("Zo\xEB fi A")));
    EXPECT_EQ(runs[0].sources, (QList<int>{0, 1, 2, 4, 5, 5, 6, 7}));
    EXPECT_EQ(runs[0].end, text.size());
}

TEST(CodePages, OneCodePageOnly) {
    EXPECT_EQ(hex(encodeInCodePage(QString::fromUtf8("Zoë €5 – “ok”"), 1252)), hex(QByteArray("Zo\xEB \x80"
                                                                                              "5 \x96 \x93ok\x94")));
    // Western has no Ł: its base letter stands in.
    EXPECT_EQ(hex(encodeInCodePage(QString::fromUtf8("Łukasz"), 1252)), hex(QByteArray("Lukasz")));
    EXPECT_EQ(hex(encodeInCodePage(QString::fromUtf8("Łukasz"), 1250)), hex(QByteArray("\xA3ukasz")));
    EXPECT_EQ(hex(encodeInCodePage(QString::fromUtf8("Иван"), 1252)), hex(QByteArray("????")));
}

}  // namespace
}  // namespace yq::report
