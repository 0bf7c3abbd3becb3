// The 8-bit Windows code pages that metafile texts are written in.
//
// A metafile text is a string of bytes in the code page of its font's
// character set. A text is split into runs that one code page each covers
// (Western first, then Central European, Cyrillic, Greek, Turkish, Baltic);
// a character that none of them holds is written in its nearest legible
// form: a composed form, its base letters without their accents, or a close
// Latin letter. Only what even that cannot give becomes "?".
//
// The tables come from the C library's iconv converters, read once.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdint>

namespace yq::report {

struct CodePage {
    std::uint8_t charset;  // the font character set that selects it
    int number;            // the Windows code page
};

// In order of preference.
inline constexpr CodePage kCodePages[] = {
    {0, 1252},    // Western
    {238, 1250},  // Central European
    {204, 1251},  // Cyrillic
    {161, 1253},  // Greek
    {162, 1254},  // Turkish
    {186, 1257},  // Baltic
};

// One stretch of a text in one code page.
struct EncodedRun {
    std::uint8_t charset = 0;
    int codePage = 1252;
    QByteArray bytes;
    // For each byte, the index (in UTF-16 units) of the character of the
    // text it stands for. A character written as several bytes gives each
    // of them its index; a character left out (a stray accent) gives none.
    QList<int> sources;
    // The part of the text this run covers, in UTF-16 units.
    int begin = 0;
    int end = 0;
};

// The text as runs of code pages, in text order; empty for an empty text.
QList<EncodedRun> encodeRuns(const QString& text);

// The text in one of the code pages above (by number), with the same
// fallback; characters that have no form in it become "?". A code page
// not listed above writes Western text.
QByteArray encodeInCodePage(const QString& text, int codePage);

}  // namespace yq::report
