// The report's pages as data: every text, value field, frame, group box and
// image with its place in thousandths of an inch from the page's top-left
// corner. The renderers (QPainter, metafile) draw this one model.
//
// Bands: the page header (the design, on every page) and one detail band per
// user record (print date and designer). Detail bands fill the body area from
// its top; a band that does not fit starts a new page, which repeats the
// page header.
#pragma once

#include "report/Fonts.h"
#include "report/ReportRecord.h"

#include <QCoreApplication>
#include <QList>
#include <QLocale>
#include <QRect>
#include <QSize>
#include <QString>

namespace yq::report {

// The page image: 8.000 x 11.689 in.
inline constexpr int kPageWidth = 8000;
inline constexpr int kPageHeight = 11689;

// Band geometry, thousandths of an inch from the page's top-left corner.
inline constexpr QPoint kHeaderOrigin{490, 1021};
inline constexpr QSize kHeaderSize{7000, 8344};
inline constexpr QRect kBodyArea{500, 9677, 7000, 292};
inline constexpr int kDetailHeight = 208;

// How frames and group boxes look in every renderer, thousandths of an inch.
inline constexpr int kFrameLineWidth = 10;
inline constexpr int kCaptionIndent = 80;  // group box caption from the box's left edge
inline constexpr int kCaptionPad = 25;     // white space either side of a caption

inline constexpr const char* kReportTitle = QT_TRANSLATE_NOOP("ReportPage", "Print from queue");

enum class ItemKind { Text, Value, Frame, GroupBox, Image };
enum class Band { PageHeader, Detail };
enum class HAlign { Left, Right };

struct PageItem {
    ItemKind kind = ItemKind::Text;
    Band band = Band::PageHeader;
    // Name for finding the item: a label's own text, a value's key ("F",
    // "CD", "CD spacing", "SCWL", "unit text", "print date", "designer"), a
    // group box's caption, "frame", an image's file name.
    QString name;
    // What is drawn: the text, the value through its picture, the caption;
    // for an image, its file name.
    QString text;
    QString picture;  // value fields: the display picture ("n-10.2", "d17", "s40")
    // Place and size. A width of 0 means "as wide as the text" (drawn from x
    // to the right); heights of texts without a set size are the font's line.
    QRect rect;
    FontSpec font;
    HAlign align = HAlign::Left;
};

struct Page {
    QList<PageItem> items;
    // First item of the given kind and name, or nullptr.
    const PageItem* find(ItemKind kind, const QString& name) const;
    // Every item of the given name, in drawing order.
    QList<const PageItem*> findAll(const QString& name) const;
};

struct PageModel {
    QSize pageSize{kPageWidth, kPageHeight};
    QList<Page> pages;
};

// Line height of a font in thousandths of an inch (Arial's 1.15 em).
int lineHeight(int points);
// Width of a numeric picture of `characters` digits in thousandths of an
// inch (Arial's digits are 0.556 em wide).
int digitsWidth(int characters, int points);

// The designer's name: at most this many characters (the user file's
// limit), at the detail band's size or smaller so that it fits its box.
inline constexpr int kDesignerLength = 40;
// The smallest size to which a text is shrunk to fit its box.
inline constexpr int kMinFittedPoints = 6;

struct FittedText {
    QString text;
    FontSpec font;
};

// `text` in `font` at the largest size from the font's own down to
// kMinFittedPoints at which it is at most `width` thousandths of an inch
// wide; a text too wide even then is cut, at a character, to what fits.
// Every renderer draws the result as it is.
FittedText fitText(const QString& text, const FontSpec& font, int width);

// Builds the pages band by band, so that a record loop can add one detail
// band per record and report progress in between.
class PageModelBuilder {
public:
    // `locale` gives the short date format of the print date.
    explicit PageModelBuilder(const ReportRecord& record, const QLocale& locale = QLocale::system());

    // Prints the detail band for one user record.
    void addDetail(const QString& designer);
    int detailCount() const { return details_; }

    // The finished model. When no detail band was printed the model still
    // has one page with the page header, so that the design can be printed.
    PageModel finish();

private:
    void newPage();

    QList<PageItem> header_;
    QString dateText_;
    PageModel model_;
    int used_ = 0;  // height used in the current page's body area
    int details_ = 0;
};

// The whole report: page header plus one detail band per designer.
PageModel buildPageModel(const ReportRecord& record, const QLocale& locale = QLocale::system());

}  // namespace yq::report
