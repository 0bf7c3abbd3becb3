#include "report/RtfWriter.h"

#include "files/AtomicFile.h"
#include "report/MetafileHex.h"
#include "report/RandomSource.h"

#include <QCoreApplication>
#include <QDir>

namespace yq::report {

namespace {

// Document group, character set and default fonts and languages (3081).
constexpr char kOpening[] =
    R"({\rtf1\ansi\ansicpg1252\uc1\deff0\stshfdbch0\stshfloch0\stshfhich0\stshfbi0\deflang3081\deflangfe3081)";

// Times New Roman and its script variants.
constexpr char kFontTable[] = R"({\fonttbl{\f0\froman\fcharset0\fprq2{\*\panose 02020603050405020304}Times New Roman;})"
                              R"({\f36\froman\fcharset238\fprq2 Times New Roman CE;})"
                              R"({\f37\froman\fcharset204\fprq2 Times New Roman Cyr;})"
                              R"({\f39\froman\fcharset161\fprq2 Times New Roman Greek;})"
                              R"({\f40\froman\fcharset162\fprq2 Times New Roman Tur;})"
                              R"({\f41\froman\fcharset177\fprq2 Times New Roman (Hebrew);})"
                              R"({\f42\froman\fcharset178\fprq2 Times New Roman (Arabic);})"
                              R"({\f43\froman\fcharset186\fprq2 Times New Roman Baltic;}})";

// The automatic colour, then the 16 standard colours.
constexpr char kColourTable[] =
    R"({\colortbl;\red0\green0\blue0;\red0\green0\blue255;\red0\green255\blue255;\red0\green255\blue0;)"
    R"(\red255\green0\blue255;\red255\green0\blue0;\red255\green255\blue0;\red255\green255\blue255;)"
    R"(\red0\green0\blue128;\red0\green128\blue128;\red0\green128\blue0;\red128\green0\blue128;)"
    R"(\red128\green0\blue0;\red128\green128\blue0;\red128\green128\blue128;\red192\green192\blue192;})";

constexpr char kStyleSheet[] =
    R"({\stylesheet{\ql \li0\ri0\widctlpar\aspalpha\aspnum\faauto\adjustright\rin0\lin0\itap0 )"
    R"(\fs24\lang3081\langfe3081\cgrid\langnp3081\langfenp3081 \snext0 Normal;})"
    R"({\*\cs10 \additive \ssemihidden Default Paragraph Font;})"
    R"({\*\ts11\tsrowd\trftsWidthB3\trpaddl108\trpaddr108\trpaddfl3\trpaddft3\trpaddfb3\trpaddfr3)"
    R"(\tscellwidthfts0\tsvertalt\tsbrdrt\tsbrdrl\tsbrdrb\tsbrdrr\tsbrdrdgl\tsbrdrdgr\tsbrdrh\tsbrdrv )"
    R"(\ql \li0\ri0\widctlpar\aspalpha\aspnum\faauto\adjustright\rin0\lin0\itap0 )"
    R"(\fs20\lang1024\langfe1024\cgrid\langnp1024\langfenp1024 \snext11 \ssemihidden Normal Table;}})";

// Revision table, generator and fixed document information. The information
// names the program only: no person and no company.
constexpr char kDocumentInfo[] =
    R"({\*\rsidtbl \rsid13835495})"
    R"({\*\generator YQ design calculator;})"
    R"({\info{\title }{\author YQ design calculator}{\operator YQ design calculator})"
    R"({\creatim\yr2005\mo1\dy1\hr0\min0}{\revtim\yr2005\mo1\dy1\hr0\min0})"
    R"({\version1}{\edmins0}{\nofpages1}{\nofwords0}{\nofchars0}{\*\company }{\nofcharsws0}})";

// A4 in twips.
constexpr char kPaperSize[] = R"(\paperw11906\paperh16838)";

// Document and section settings, paragraph numbering levels 1 to 9, the
// paragraph defaults and the opening of the first text group.
constexpr char kSectionSettings[] =
    R"(\widowctrl\ftnbj\aenddoc\noxlattoyen\noultrlspc\dntblnsbdb\nospaceforul\formshade\horzdoc)"
    R"(\dgmargin\dghspace180\dgvspace180\dghorigin500\dgvorigin500\dghshow1\dgvshow1\jexpand)"
    R"(\viewkind1\viewscale100\pgbrdrhead\pgbrdrfoot\splytwnine\ftnlytwnine\htmautsp\nolnhtadjtbl)"
    R"(\useltbaln\alntblind\lytcalctblwd\lyttblrtgr\lnbrkrule\nobrkwrptbl\snaptogridincell)"
    R"(\allowfieldendsel\wrppunct\asianbrkrule\rsidroot13835495 \fet0\sectd )"
    R"(\linex0\headery708\footery708\colsx708\endnhere\sectlinegrid360\sectdefaultcl\sftnbj )"
    R"({\*\pnseclvl1\pnucrm\pnstart1\pnindent720\pnhang {\pntxta .}})"
    R"({\*\pnseclvl2\pnucltr\pnstart1\pnindent720\pnhang {\pntxta .}})"
    R"({\*\pnseclvl3\pndec\pnstart1\pnindent720\pnhang {\pntxta .}})"
    R"({\*\pnseclvl4\pnlcltr\pnstart1\pnindent720\pnhang {\pntxta )}})"
    R"({\*\pnseclvl5\pndec\pnstart1\pnindent720\pnhang {\pntxtb (}{\pntxta )}})"
    R"({\*\pnseclvl6\pnlcltr\pnstart1\pnindent720\pnhang {\pntxtb (}{\pntxta )}})"
    R"({\*\pnseclvl7\pnlcrm\pnstart1\pnindent720\pnhang {\pntxtb (}{\pntxta )}})"
    R"({\*\pnseclvl8\pnlcltr\pnstart1\pnindent720\pnhang {\pntxtb (}{\pntxta )}})"
    R"({\*\pnseclvl9\pnlcrm\pnstart1\pnindent720\pnhang {\pntxtb (}{\pntxta )}})"
    R"(\pard\plain \ql \li0\ri0\widctlpar\aspalpha\aspnum\faauto\adjustright\rin0\lin0\itap0 )"
    R"(\fs24\lang3081\langfe3081\cgrid\langnp3081\langfenp3081 {\insrsid13835495)";

// Picture group up to the scale, the scale words, then the crop, size and
// type of the picture (203.20 x 296.90 mm, shown 11520 x 16832 twips, a
// metafile in mapping mode 8) and its tag.
constexpr char kPictureProperties[] =
    " {\\pict{\\*\\picprop\\shplid1026{\\sp{\\sn shapeType}{\\sv 75}}{\\sp{\\sn fFlipH}{\\sv 0}}\r\n"
    "{\\sp{\\sn fFlipV}{\\sv 0}}{\\sp{\\sn pibFlags}{\\sv 2}}{\\sp{\\sn fLine}{\\sv 0}}"
    "{\\sp{\\sn fLayoutInCell}{\\sv 1}}}\\picscalex";
constexpr char kPictureScaleY[] = "\\picscaley";
constexpr char kPictureFormat[] =
    "\\piccropl0\\piccropr0\\piccropt0\\piccropb0\r\n"
    "\\picw20320\\pich29690\\picwgoal11520\\pichgoal16832\\wmetafile8\\bliptag";
constexpr char kPictureUid[] = "\\blipupi-58{\\*\\blipuid b09f3721717b6ae0a7a87d";

}  // namespace

QByteArray rtfHeader(int leftMargin, int topMargin) {
    QByteArray header;
    header.reserve(4096);
    header += kOpening;
    header += kFontTable;
    header += kColourTable;
    header += kStyleSheet;
    header += kDocumentInfo;
    header += kPaperSize;
    header += "\\margl" + QByteArray::number(leftMargin);
    header += "\\margt" + QByteArray::number(topMargin);
    header += kSectionSettings;
    return header;
}

QByteArray rtfScaleText(int scale) { return scale == 0 ? QByteArray("100") : QByteArray::number(scale); }

QByteArray rtfPictureStart(const QByteArray& scaleText, qint64 pictureTag) {
    const QByteArray tag = QByteArray::number(pictureTag);
    QByteArray start;
    start.reserve(512);
    start += kPictureProperties;
    start += scaleText;
    start += kPictureScaleY;
    start += scaleText;
    start += kPictureFormat;
    start += tag;
    start += kPictureUid;
    start += tag;
    start += "}\r\n";
    return start;
}

namespace {

// Between two pictures: a paragraph and a page break, so a word processor
// that does not move a full-page picture to a new page by itself (LibreOffice
// leaves the second page blank otherwise) still shows one page per picture.
// A one-page document has none.
constexpr char kRtfBetweenPages[] = "\\par\\page";

// The document, page picture by page picture: the header, each picture with
// the break before it, the end. Both the document from page bytes and the
// one from page files are built by it.
class DocumentBuilder {
public:
    DocumentBuilder(int scale, int leftMargin, int topMargin, qint64 pictureTag)
        : pictureStart_(rtfPictureStart(rtfScaleText(scale), pictureTag)),
          document_(rtfHeader(leftMargin, topMargin)) {}

    void reserve(qsizetype pageBytes, qsizetype pages) {
        // The pictures go in as hexadecimal text, in lines of 64 digits.
        document_.reserve(4096 + pages * (pictureStart_.size() + 32) + pageBytes * 2 + pageBytes / 32);
    }
    // Starts a page's picture; its hexadecimal text goes into text().
    QByteArray& beginPage() {
        if (pages_++ > 0) document_ += kRtfBetweenPages;
        document_ += pictureStart_;
        return document_;
    }
    void endPage() { document_ += kRtfPictureEnd; }
    const QByteArray& text() const { return document_; }
    QByteArray finish() {
        document_ += kRtfDocumentEnd;
        return std::move(document_);
    }

private:
    QByteArray pictureStart_;
    QByteArray document_;
    int pages_ = 0;
};

}  // namespace

QByteArray rtfDocument(const QList<QByteArray>& pageImages, int scale, int leftMargin, int topMargin,
                       qint64 pictureTag) {
    DocumentBuilder builder(scale, leftMargin, topMargin, pictureTag);
    qsizetype bytes = 0;
    for (const QByteArray& page : pageImages) bytes += page.size();
    builder.reserve(bytes, pageImages.size());
    for (const QByteArray& page : pageImages) {
        appendMetafileHex(page, builder.beginPage());
        builder.endPage();
    }
    return builder.finish();
}

RtfResult writeRtfDocument(const QString& path, const QStringList& pageImagePaths, int scale, int leftMargin,
                           int topMargin, RandomSource& random, Durability durability) {
    if (pageImagePaths.isEmpty())
        return fail(rtf::NotWritten,
                    QCoreApplication::translate("ReportFiles", "The report has no pages.").toStdString());
    DocumentBuilder builder(scale, leftMargin, topMargin, random.between(kPictureTagLow, kPictureTagHigh));
    for (const QString& page : pageImagePaths) {
        if (const Result<> read = appendMetafileHexFromFile(page, builder.beginPage()); !read) {
            // The file shows how far the document got; it is never copied
            // to the document's name.
            (void)replaceFile(path, builder.text(), durability);
            Problem problem = read.problem();
            problem.code = rtf::PageUnreadable;
            return problem;
        }
        builder.endPage();
    }
    QByteArray document = builder.finish();

    const Result<> written = replaceFile(path, document, durability);
    if (!written) {
        Problem problem = written.problem();
        problem.code = rtf::NotWritten;
        return problem;
    }
    return document;
}

}  // namespace yq::report
