#include "report/CodePages.h"

#include <QHash>

#include <iconv.h>

#include <array>
#include <cerrno>

namespace yq::report {

namespace {

constexpr std::size_t kPageCount = std::size(kCodePages);
constexpr unsigned kAllPages = (1u << kPageCount) - 1;

// The upper halves (0x80..0xFF) of the code pages, as code point -> byte.
struct Tables {
    std::array<QHash<char32_t, char>, kPageCount> upper;

    Tables() {
        for (std::size_t page = 0; page < kPageCount; ++page) {
            const QByteArray name = "CP" + QByteArray::number(kCodePages[page].number);
            iconv_t cd = iconv_open("UTF-32LE", name.constData());
            if (cd == reinterpret_cast<iconv_t>(-1)) continue;  // no converter: ASCII only
            for (int byte = 0x80; byte <= 0xFF; ++byte) {
                char in = static_cast<char>(byte);
                char out[8] = {};
                char* inPtr = &in;
                char* outPtr = out;
                std::size_t inLeft = 1;
                std::size_t outLeft = sizeof out;
                iconv(cd, nullptr, nullptr, nullptr, nullptr);
                if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) continue;
                if (sizeof out - outLeft != 4) continue;  // undefined byte, or more than one character
                const auto* u = reinterpret_cast<const unsigned char*>(out);
                const char32_t code = u[0] | (u[1] << 8) | (u[2] << 16) | (char32_t(u[3]) << 24);
                upper[page].insert(code, static_cast<char>(byte));
            }
            iconv_close(cd);
        }
    }
};

const Tables& tables() {
    static const Tables t;
    return t;
}

// The code pages (bits in the order of kCodePages) that hold `c`.
unsigned pagesOf(char32_t c) {
    if (c < 0x80) return kAllPages;
    unsigned mask = 0;
    for (std::size_t page = 0; page < kPageCount; ++page) {
        if (tables().upper[page].contains(c)) mask |= 1u << page;
    }
    return mask;
}

char byteOf(char32_t c, std::size_t page) {
    if (c < 0x80) return static_cast<char>(c);
    return tables().upper[page].value(c, '?');
}

bool isMark(char32_t c) {
    switch (QChar::category(c)) {
        case QChar::Mark_NonSpacing:
        case QChar::Mark_SpacingCombining:
        case QChar::Mark_Enclosing:
            return true;
        default:
            return false;
    }
}

// Close Latin forms of letters that have no decomposition.
char32_t nearLetter(char32_t c) {
    switch (c) {
        case U'\u0126':
            return U'H';  // Maltese H with stroke
        case U'\u0127':
            return U'h';
        case U'\u0166':
            return U'T';
        case U'\u0167':
            return U't';
        case U'\u0138':
            return U'k';  // kra
        case U'\u014A':
            return U'N';  // eng
        case U'\u014B':
            return U'n';
        case U'\u018F':
            return U'E';  // schwa
        case U'\u0259':
            return U'e';
        case U'\u0131':
            return U'i';  // dotless i, where no Turkish page is allowed
        case U'\u0141':
            return U'L';  // L with stroke, likewise
        case U'\u0142':
            return U'l';
        case U'\u0110':
            return U'D';
        case U'\u0111':
            return U'd';
        case U'\u00D8':
            return U'O';
        case U'\u00F8':
            return U'o';
        case U'\u2010':
        case U'\u2011':
        case U'\u2012':
        case U'\u2015':
        case U'\u2212':
            return U'-';
        default:
            return 0;
    }
}

// What one character of the text is written as.
struct Unit {
    int source = 0;
    std::u32string chars;  // empty: left out
    unsigned pages = kAllPages;
};

std::u32string codePoints(const QString& s) {
    std::u32string out;
    for (qsizetype i = 0; i < s.size(); ++i) {
        char32_t c = s.at(i).unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < s.size() && s.at(i + 1).isLowSurrogate()) {
            c = QChar::surrogateToUcs4(s.at(i).unicode(), s.at(i + 1).unicode());
            ++i;
        }
        out.push_back(c);
    }
    return out;
}

// The nearest legible form of `c` within the allowed pages: its
// compatibility decomposition without accents, or a close letter, else "?".
Unit fallback(int source, char32_t c, unsigned allowed) {
    Unit unit{source, {}, allowed};
    const QString decomposed = QString::fromUcs4(&c, 1).normalized(QString::NormalizationForm_KD);
    for (char32_t d : codePoints(decomposed)) {
        if (isMark(d)) continue;
        if (d == c) break;  // no decomposition
        if (!(pagesOf(d) & unit.pages)) d = nearLetter(d);
        if (!d || !(pagesOf(d) & unit.pages)) d = U'?';
        unit.pages &= pagesOf(d);
        unit.chars.push_back(d);
    }
    if (!unit.chars.empty()) return unit;
    if (isMark(c)) return unit;  // a stray accent is left out
    char32_t near = nearLetter(c);
    if (!near || !(pagesOf(near) & allowed)) near = U'?';
    return {source, std::u32string(1, near), allowed & pagesOf(near)};
}

QList<Unit> units(const QString& text, unsigned allowed) {
    QList<Unit> out;
    qsizetype i = 0;
    auto next = [&text](qsizetype at, char32_t* c) {
        const char16_t u = text.at(at).unicode();
        if (QChar::isHighSurrogate(u) && at + 1 < text.size() && text.at(at + 1).isLowSurrogate()) {
            *c = QChar::surrogateToUcs4(u, text.at(at + 1).unicode());
            return qsizetype(2);
        }
        *c = u;
        return qsizetype(1);
    };
    while (i < text.size()) {
        char32_t c = 0;
        const qsizetype length = next(i, &c);
        // A letter followed by combining accents may have a composed form
        // that a code page holds ("e" + diaeresis = "ë").
        qsizetype end = i + length;
        for (char32_t m = 0; end < text.size();) {
            const qsizetype l = next(end, &m);
            if (!isMark(m)) break;
            end += l;
        }
        if (end > i + length) {
            const std::u32string composed = codePoints(text.mid(i, end - i).normalized(QString::NormalizationForm_C));
            if (composed.size() == 1 && (pagesOf(composed[0]) & allowed)) {
                out.append({int(i), composed, pagesOf(composed[0]) & allowed});
                i = end;
                continue;
            }
        }
        const unsigned pages = pagesOf(c) & allowed;
        out.append(pages ? Unit{int(i), std::u32string(1, c), pages} : fallback(int(i), c, allowed));
        i += length;
    }
    return out;
}

std::size_t firstPage(unsigned mask) {
    for (std::size_t page = 0; page < kPageCount; ++page) {
        if (mask & (1u << page)) return page;
    }
    return 0;
}

}  // namespace

QList<EncodedRun> encodeRuns(const QString& text) {
    QList<EncodedRun> runs;
    const QList<Unit> all = units(text, kAllPages);
    qsizetype first = 0;
    while (first < all.size()) {
        // The longest stretch that one code page holds.
        unsigned mask = kAllPages;
        qsizetype last = first;
        while (last < all.size() && (mask & all[last].pages)) mask &= all[last++].pages;
        const std::size_t page = firstPage(mask);
        EncodedRun run;
        run.charset = kCodePages[page].charset;
        run.codePage = kCodePages[page].number;
        run.begin = all[first].source;
        run.end = last < all.size() ? all[last].source : int(text.size());
        for (qsizetype u = first; u < last; ++u) {
            for (char32_t c : all[u].chars) {
                run.bytes.append(byteOf(c, page));
                run.sources.append(all[u].source);
            }
        }
        runs.append(std::move(run));
        first = last;
    }
    return runs;
}

QByteArray encodeInCodePage(const QString& text, int codePage) {
    std::size_t page = 0;  // a code page not listed writes Western text
    for (std::size_t p = 0; p < kPageCount; ++p) {
        if (kCodePages[p].number == codePage) page = p;
    }
    QByteArray out;
    for (const Unit& unit : units(text, 1u << page)) {
        for (char32_t c : unit.chars) out.append(byteOf(c, page));
    }
    return out;
}

}  // namespace yq::report
