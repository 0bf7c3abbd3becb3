#include "report/PageModel.h"

#include "files/Text.h"
#include "files/Picture.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QtMath>

namespace yq::report {

namespace {

FontSpec rounded(int points, bool bold) { return {QString::fromLatin1(kArialRoundedBold), points, bold}; }

// Header items are placed relative to the header band.
QRect inHeader(int x, int y, int width, int height) {
    return {kHeaderOrigin.x() + x, kHeaderOrigin.y() + y, width, height};
}

// The report page's texts as a person reads them; the item keeps the
// English text as its name.
QString pageText(const char* source) { return QCoreApplication::translate("ReportPage", source); }

PageItem label(const char* source, int x, int y, const FontSpec& font = arial(10)) {
    PageItem item;
    item.kind = ItemKind::Text;
    item.name = QString::fromUtf8(source);
    item.text = pageText(source);
    item.font = font;
    item.rect = inHeader(x, y, 0, lineHeight(font.points));
    return item;
}

// A value field of the header: bold Arial 10 unless told otherwise, as wide
// as its picture unless the layout gives a size, right-aligned in its box.
PageItem value(const QString& name, const Decimal& v, std::string_view picture, int x, int y,
               const FontSpec& font = arial(10, true), QSize size = {}) {
    PageItem item;
    item.kind = ItemKind::Value;
    item.name = name;
    item.picture = toQString(picture);
    const auto parsed = parseNumericPicture(picture);
    item.text = parsed ? formatNumeric(v, *parsed) : formatNumeric(v, picture);
    item.font = font;
    item.align = HAlign::Right;
    if (!size.isValid()) size = {digitsWidth(parsed ? parsed->width : 10, font.points), lineHeight(font.points)};
    item.rect = inHeader(x, y, size.width(), size.height());
    return item;
}

PageItem groupBox(const char* caption, int x, int y, int width, int height) {
    PageItem item;
    item.kind = ItemKind::GroupBox;
    item.name = QString::fromUtf8(caption);
    item.text = pageText(caption);
    item.font = arial(10);
    item.rect = inHeader(x, y, width, height);
    return item;
}

PageItem image(const QString& fileName, int x, int y, int width, int height) {
    PageItem item;
    item.kind = ItemKind::Image;
    item.name = fileName;
    item.text = fileName;
    item.rect = inHeader(x, y, width, height);
    return item;
}

// Where a text's ink runs across the page: from its left edge, or for a
// right-aligned value from the right edge of its field back by its width.
std::pair<double, double> inkSpan(const PageItem& item) {
    const double width = layoutWidth(item.font, item.text);
    if (item.align == HAlign::Right && item.rect.width() > 0)
        return {item.rect.x() + item.rect.width() - width, double(item.rect.x() + item.rect.width())};
    return {double(item.rect.x()), item.rect.x() + width};
}

bool sameLine(const PageItem& a, const PageItem& b) {
    const int aBottom = a.rect.y() + lineHeight(a.font.points);
    const int bBottom = b.rect.y() + lineHeight(b.font.points);
    return a.rect.y() < bBottom && b.rect.y() < aBottom;
}

// The layouts are measured with Arial's widths. Where the system draws in
// a wider face (no Liberation fonts: DejaVu Sans), a label would run into
// its neighbour on the line, or a value out of its field: each text keeps
// to its room instead, at the page's size where it fits, else at the
// largest smaller whole point size that fits (as the designer's name does).
void keepTextsInTheirBoxes(QList<PageItem>& items, int rightEdge) {
    constexpr int kGap = 30;  // thousandths of an inch between neighbours
    // Fonts can only be measured with a GUI application.
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return;
    for (PageItem& item : items) {
        if ((item.kind != ItemKind::Text && item.kind != ItemKind::Value) || item.text.isEmpty()) continue;
        int room = 0;
        if (item.kind == ItemKind::Value && item.rect.width() > 0) {
            room = item.rect.width();
        } else {
            double next = rightEdge;
            for (const PageItem& other : items) {
                if (&other == &item || other.text.isEmpty() || !sameLine(item, other)) continue;
                if (other.kind != ItemKind::Text && other.kind != ItemKind::Value) continue;
                const double left = inkSpan(other).first;
                if (left > item.rect.x() && left < next) next = left;
            }
            room = int(next - item.rect.x()) - kGap;
        }
        if (room <= 0 || layoutWidth(item.font, item.text) <= room) continue;
        const FittedText fitted = fitText(item.text, item.font, room);
        item.text = fitted.text;
        item.font = fitted.font;
    }
}

QList<PageItem> headerItems(const ReportRecord& r) {
    QList<PageItem> items;
    items.reserve(80);
    auto pic = [](const char* key) { return reportPicture(key); };

    PageItem frame;
    frame.kind = ItemKind::Frame;
    frame.name = QStringLiteral("frame");
    frame.rect = inHeader(115, 31, 6740, 594);
    items.append(frame);

    items.append(label(QT_TRANSLATE_NOOP("ReportPage", "YQ *Star* Antenna designed for"), 323, 177, rounded(18, true)));
    items.append(value(QStringLiteral("F"), r.F, pic("F"), 4521, 177, rounded(18, false), {1448, 333}));
    PageItem mhz = label(QT_TRANSLATE_NOOP("ReportPage", "Mhz"), 6021, 177, rounded(18, false));
    mhz.rect.setSize({688, 333});
    items.append(mhz);

    items.append(label(QT_TRANSLATE_NOOP("ReportPage", "All linear measurements are in"), 813, 719, arial(8, true)));
    PageItem unit;
    unit.kind = ItemKind::Value;
    unit.name = QStringLiteral("unit text");
    unit.text = r.unitText;
    unit.picture = QStringLiteral("s8");
    unit.font = arial(8, true);
    unit.rect = inHeader(2635, 719, 604, 208);
    items.append(unit);

    items.append(image(QStringLiteral("YQ_logo_small.gif"), 1427, 990, 958, 1510));
    items.append(image(QStringLiteral("starYQ.bmp"), 292, 2510, 3302, 3333));

    items.append(groupBox(QT_TRANSLATE_NOOP("ReportPage", "Cylinders"), 4073, 677, 2781, 2052));
    items.append(groupBox(QT_TRANSLATE_NOOP("ReportPage", "Tuning Coil"), 4073, 3156, 2781, 1542));
    items.append(groupBox(QT_TRANSLATE_NOOP("ReportPage", "Phasing Coil"), 4073, 4750, 2781, 865));
    items.append(groupBox(QT_TRANSLATE_NOOP("ReportPage", "Source Coil"), 4073, 5604, 2781, 896));

    struct Row {
        const char* label;
        int labelX, labelY;
        const char* key;
        int fieldX, fieldY;
    };
    static constexpr Row rows[] = {
        {QT_TRANSLATE_NOOP("ReportPage", "Cylinder Diameter"), 4750, 865, "CD", 5917, 865},
        {QT_TRANSLATE_NOOP("ReportPage", "Length to Diameter Ratio"), 4323, 1052, "LD", 5917, 1052},
        {QT_TRANSLATE_NOOP("ReportPage", "Cylinder Length"), 4885, 1240, "CCL", 5917, 1240},
        {QT_TRANSLATE_NOOP("ReportPage", "Cylinder Spacing"), 4802, 1427, nullptr, 6125, 1427},  // CD through "n-7.2"
        {QT_TRANSLATE_NOOP("ReportPage", "Cylinder Capacitance in pFd"), 4125, 1615, "C", 5917, 1615},
        {QT_TRANSLATE_NOOP("ReportPage", "Reactance (XC) Ohms"), 4479, 1802, "XC", 5917, 1802},
        {QT_TRANSLATE_NOOP("ReportPage", "Radiation Resistance Ohms"), 4135, 1979, "MRR", 5917, 1979},
        {QT_TRANSLATE_NOOP("ReportPage", "+/- 3db Bandwidth in kHz"), 4302, 2156, "BW", 5896, 2156},
        {QT_TRANSLATE_NOOP("ReportPage", "Antenna 'Q'"), 5135, 2333, "Q", 5917, 2333},
        {QT_TRANSLATE_NOOP("ReportPage", "Antenna Length inc Coils"), 4313, 2510, "TL", 5917, 2510},
        {QT_TRANSLATE_NOOP("ReportPage", "Wire diameter for all Coils"), 4271, 2760, "WD", 5979, 2750},
        {QT_TRANSLATE_NOOP("ReportPage", "Wire Spacing for Coils"), 4479, 2938, "SP", 5979, 2938},
        {QT_TRANSLATE_NOOP("ReportPage", "Tuning Coil Diameter"), 4573, 3365, "CCD", 5917, 3365},
        {QT_TRANSLATE_NOOP("ReportPage", "Tuning Coil Inductance uH"), 4250, 3573, "CI", 5917, 3573},
        {QT_TRANSLATE_NOOP("ReportPage", "Number of Turns"), 4833, 3781, "NT", 5917, 3781},
        {QT_TRANSLATE_NOOP("ReportPage", "Coil Length"), 5146, 3990, "CL", 5917, 3990},
        {QT_TRANSLATE_NOOP("ReportPage", "Coil Wire Length"), 4823, 4198, "LW", 5917, 4198},
        {QT_TRANSLATE_NOOP("ReportPage", "Capacitance Factor"), 4646, 4406, "FAC", 5917, 4406},
        {QT_TRANSLATE_NOOP("ReportPage", "Phase Coil diameter"), 4604, 4938, "PCCD", 5917, 4938},
        {QT_TRANSLATE_NOOP("ReportPage", "Number of Turns"), 4833, 5125, "PCNT", 5917, 5125},
        {QT_TRANSLATE_NOOP("ReportPage", "Wire Length"), 5094, 5313, "LPW", 5917, 5313},
        {QT_TRANSLATE_NOOP("ReportPage", "Source Coil Diameter"), 4542, 5813, "SCD", 5917, 5813},
        {QT_TRANSLATE_NOOP("ReportPage", "Source Coil Turns"), 4750, 6021, "SCT", 5917, 6021},
        {QT_TRANSLATE_NOOP("ReportPage", "Source Coil Wire Length"), 4354, 6240, "SCWL", 5917, 6240},
    };
    for (const Row& row : rows) {
        items.append(label(row.label, row.labelX, row.labelY));
        if (row.key) {
            items.append(value(QString::fromLatin1(row.key), *r.field(row.key), pic(row.key), row.fieldX, row.fieldY));
        } else {
            items.append(value(QStringLiteral("CD spacing"), r.CD, "n-7.2", row.fieldX, row.fieldY));
        }
    }

    static constexpr const char* notes[] = {
        QT_TRANSLATE_NOOP("ReportPage", "Cylinders should be made from non ferrous metals to reduce losses."),
        QT_TRANSLATE_NOOP("ReportPage", "Spacing between cylinders is critical to success."),
        QT_TRANSLATE_NOOP("ReportPage",
                          "Spacing between lower cylinder and top of tuning coil should equal cylinder diameter."),
        QT_TRANSLATE_NOOP("ReportPage",
                          "Wire from bottom of Tuning Coil must run up the inside edge of the lower cylinder."),
        QT_TRANSLATE_NOOP("ReportPage", "Wire from top of Tuning Coil must run up the centre of the lower cylinder."),
        QT_TRANSLATE_NOOP(
            "ReportPage",
            "Coil formers (the pipe) should be tested in a microwave oven for heating with RF excitation."),
        QT_TRANSLATE_NOOP("ReportPage", "If it gets hot in the MW then do not use it as it is absorbing RF energy."),
        QT_TRANSLATE_NOOP("ReportPage", "When completed the entire antenna should be waterproofed."),
        QT_TRANSLATE_NOOP(
            "ReportPage",
            "Follow the instructions in Brannoc's Book on setting up for maximum radiation and minimum VSWR."),
    };
    static constexpr int noteY[] = {6635, 6823, 7010, 7198, 7385, 7573, 7760, 7948, 8135};
    for (std::size_t i = 0; i < std::size(notes); ++i) {
        items.append(label(notes[i], 302, noteY[i]));
    }
    keepTextsInTheirBoxes(items, inHeader(0, 0, kHeaderSize.width(), kHeaderSize.height()).right());
    return items;
}

}  // namespace

int lineHeight(int points) { return qRound(points * 1000.0 / 72.0 * 1.15); }

int digitsWidth(int characters, int points) { return qRound(characters * points * 1000.0 / 72.0 * 0.556); }

FittedText fitText(const QString& text, const FontSpec& font, int width) {
    FittedText fitted{text, font};
    // Fonts can only be measured with a GUI application; without one the
    // text is left as it is.
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return fitted;
    for (int points = font.points; points >= kMinFittedPoints; --points) {
        fitted.font.points = points;
        if (layoutWidth(fitted.font, text) <= width) return fitted;
    }
    // Too wide even at the smallest size: cut at a character boundary.
    const QList<double> positions = layoutPositions(fitted.font, text);
    qsizetype keep = text.size();
    while (keep > 0 && (positions[keep] > width || text.at(keep - 1).isHighSurrogate())) --keep;
    while (keep > 0 && text.at(keep - 1).isSpace()) --keep;
    fitted.text = text.left(keep);
    return fitted;
}

const PageItem* Page::find(ItemKind kind, const QString& name) const {
    for (const PageItem& item : items) {
        if (item.kind == kind && item.name == name) return &item;
    }
    return nullptr;
}

QList<const PageItem*> Page::findAll(const QString& name) const {
    QList<const PageItem*> found;
    for (const PageItem& item : items) {
        if (item.name == name) found.append(&item);
    }
    return found;
}

PageModelBuilder::PageModelBuilder(const ReportRecord& record, const QLocale& locale)
    : header_(headerItems(record)), dateText_(locale.toString(record.printDate, QLocale::ShortFormat)) {}

void PageModelBuilder::newPage() {
    Page page;
    page.items = header_;
    model_.pages.append(std::move(page));
    used_ = 0;
}

void PageModelBuilder::addDetail(const QString& designer) {
    if (model_.pages.isEmpty() || used_ + kDetailHeight > kBodyArea.height()) newPage();
    const int bandX = kBodyArea.x();
    const int bandY = kBodyArea.y() + used_;
    auto item = [&](ItemKind kind, const QString& name, const QString& text, const QString& picture, int x, int width) {
        PageItem it;
        it.kind = kind;
        it.band = Band::Detail;
        it.name = name;
        it.text = text;
        it.picture = picture;
        it.font = arial(10);
        it.rect = QRect(bandX + x, bandY - 10, width, 208);
        return it;
    };
    QList<PageItem>& items = model_.pages.last().items;
    items.append(item(ItemKind::Text, QStringLiteral("Print Date:"),
                      QCoreApplication::translate("ReportPage", "Print Date:"), {}, 281, 646));
    // The date and the name are fitted to their boxes: a long date format or
    // name would otherwise run into the next item or off the paper.
    PageItem date = item(ItemKind::Value, QStringLiteral("print date"), {}, QStringLiteral("d17"), 1104, 740);
    const FittedText fittedDate = fitText(dateText_, date.font, date.rect.width());
    date.text = fittedDate.text;
    date.font = fittedDate.font;
    items.append(date);
    items.append(item(ItemKind::Text, QStringLiteral("Designed By:"),
                      QCoreApplication::translate("ReportPage", "Designed By:"), {}, 2240, 813));
    PageItem name = item(ItemKind::Value, QStringLiteral("designer"), {}, QStringLiteral("s40"), 3198, 2760);
    const FittedText fitted = fitText(designer.left(kDesignerLength), name.font, name.rect.width());
    name.text = fitted.text;
    name.font = fitted.font;
    items.append(name);
    used_ += kDetailHeight;
    ++details_;
}

PageModel PageModelBuilder::finish() {
    if (model_.pages.isEmpty()) newPage();
    PageModel done = std::move(model_);
    model_ = PageModel{};
    used_ = 0;
    details_ = 0;
    return done;
}

PageModel buildPageModel(const ReportRecord& record, const QLocale& locale) {
    PageModelBuilder builder(record, locale);
    for (const QString& designer : record.designers) builder.addDetail(designer);
    return builder.finish();
}

}  // namespace yq::report
