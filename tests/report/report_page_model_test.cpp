#include "report/PageModel.h"
#include "ReportTestSupport.h"

#include <QFontMetricsF>

#include <gtest/gtest.h>

namespace yq::report {
namespace {

using test::reportData;
using test::UserFolder;

// The designer's name is measured in the layout's font, which needs the
// font database of a GUI application.
ReportRecord sampleRecord(const QStringList& designers = {}) {
    test::ensureGuiApp();
    UserFolder users(designers);
    return loadReportRecord(reportData("726.ini"), users.path(), [] { return QDate(2025, 3, 14); });
}

const QLocale kBritish(QLocale::English, QLocale::UnitedKingdom);

// Positions in the layout are relative to their band: the page header at
// (490, 1021), detail bands from (500, 9677); the expected page positions
// below add these by hand.
struct Place {
    ItemKind kind;
    const char* name;
    int x, y;
    int width = -1, height = -1;  // -1: not checked
};

TEST(PageModel, HeaderItemsSitWhereTheLayoutPutsThem) {
    const PageModel model = buildPageModel(sampleRecord({"Amy VK2ABC"}), kBritish);
    ASSERT_EQ(model.pages.size(), 1);
    const Page& page = model.pages.front();
    const Place places[] = {
        {ItemKind::Frame, "frame", 605, 1052, 6740, 594},
        {ItemKind::Text, "YQ *Star* Antenna designed for", 813, 1198},
        {ItemKind::Value, "F", 5011, 1198, 1448, 333},
        {ItemKind::Text, "Mhz", 6511, 1198, 688, 333},
        {ItemKind::Text, "All linear measurements are in", 1303, 1740},
        {ItemKind::Value, "unit text", 3125, 1740, 604, 208},
        {ItemKind::Image, "YQ_logo_small.gif", 1917, 2011, 958, 1510},
        {ItemKind::Image, "starYQ.bmp", 782, 3531, 3302, 3333},
        {ItemKind::GroupBox, "Cylinders", 4563, 1698, 2781, 2052},
        {ItemKind::GroupBox, "Tuning Coil", 4563, 4177, 2781, 1542},
        {ItemKind::GroupBox, "Phasing Coil", 4563, 5771, 2781, 865},
        {ItemKind::GroupBox, "Source Coil", 4563, 6625, 2781, 896},
        {ItemKind::Text, "Cylinder Diameter", 5240, 1886},
        {ItemKind::Value, "CD", 6407, 1886},
        {ItemKind::Text, "Length to Diameter Ratio", 4813, 2073},
        {ItemKind::Value, "LD", 6407, 2073},
        {ItemKind::Text, "Cylinder Length", 5375, 2261},
        {ItemKind::Value, "CCL", 6407, 2261},
        {ItemKind::Text, "Cylinder Spacing", 5292, 2448},
        {ItemKind::Value, "CD spacing", 6615, 2448},
        {ItemKind::Text, "Cylinder Capacitance in pFd", 4615, 2636},
        {ItemKind::Value, "C", 6407, 2636},
        {ItemKind::Text, "Reactance (XC) Ohms", 4969, 2823},
        {ItemKind::Value, "XC", 6407, 2823},
        {ItemKind::Text, "Radiation Resistance Ohms", 4625, 3000},
        {ItemKind::Value, "MRR", 6407, 3000},
        {ItemKind::Text, "+/- 3db Bandwidth in kHz", 4792, 3177},
        {ItemKind::Value, "BW", 6386, 3177},
        {ItemKind::Text, "Antenna 'Q'", 5625, 3354},
        {ItemKind::Value, "Q", 6407, 3354},
        {ItemKind::Text, "Antenna Length inc Coils", 4803, 3531},
        {ItemKind::Value, "TL", 6407, 3531},
        {ItemKind::Text, "Wire diameter for all Coils", 4761, 3781},
        {ItemKind::Value, "WD", 6469, 3771},
        {ItemKind::Text, "Wire Spacing for Coils", 4969, 3959},
        {ItemKind::Value, "SP", 6469, 3959},
        {ItemKind::Text, "Tuning Coil Diameter", 5063, 4386},
        {ItemKind::Value, "CCD", 6407, 4386},
        {ItemKind::Text, "Tuning Coil Inductance uH", 4740, 4594},
        {ItemKind::Value, "CI", 6407, 4594},
        {ItemKind::Value, "NT", 6407, 4802},
        {ItemKind::Text, "Coil Length", 5636, 5011},
        {ItemKind::Value, "CL", 6407, 5011},
        {ItemKind::Text, "Coil Wire Length", 5313, 5219},
        {ItemKind::Value, "LW", 6407, 5219},
        {ItemKind::Text, "Capacitance Factor", 5136, 5427},
        {ItemKind::Value, "FAC", 6407, 5427},
        {ItemKind::Text, "Phase Coil diameter", 5094, 5959},
        {ItemKind::Value, "PCCD", 6407, 5959},
        {ItemKind::Value, "PCNT", 6407, 6146},
        {ItemKind::Text, "Wire Length", 5584, 6334},
        {ItemKind::Value, "LPW", 6407, 6334},
        {ItemKind::Text, "Source Coil Diameter", 5032, 6834},
        {ItemKind::Value, "SCD", 6407, 6834},
        {ItemKind::Text, "Source Coil Turns", 5240, 7042},
        {ItemKind::Value, "SCT", 6407, 7042},
        {ItemKind::Text, "Source Coil Wire Length", 4844, 7261},
        {ItemKind::Value, "SCWL", 6407, 7261},
        {ItemKind::Text, "Cylinders should be made from non ferrous metals to reduce losses.", 792, 7656},
        {ItemKind::Text,
         "Follow the instructions in Brannoc's Book on setting up for maximum radiation and minimum VSWR.", 792, 9156},
        {ItemKind::Text, "Print Date:", 781, 9667, 646, 208},
        {ItemKind::Value, "print date", 1604, 9667, 740, 208},
        {ItemKind::Text, "Designed By:", 2740, 9667, 813, 208},
        {ItemKind::Value, "designer", 3698, 9667, 2760, 208},
    };
    for (const Place& p : places) {
        const PageItem* item = page.find(p.kind, QString::fromLatin1(p.name));
        ASSERT_NE(item, nullptr) << p.name;
        EXPECT_EQ(item->rect.x(), p.x) << p.name;
        EXPECT_EQ(item->rect.y(), p.y) << p.name;
        if (p.width >= 0) {
            EXPECT_EQ(item->rect.width(), p.width) << p.name;
        }
        if (p.height >= 0) {
            EXPECT_EQ(item->rect.height(), p.height) << p.name;
        }
    }
    // "Number of Turns" labels both the tuning and the phasing coil.
    const auto turns = page.findAll(QStringLiteral("Number of Turns"));
    ASSERT_EQ(turns.size(), 2);
    EXPECT_EQ(turns[0]->rect.topLeft(), QPoint(5323, 4802));
    EXPECT_EQ(turns[1]->rect.topLeft(), QPoint(5323, 6146));
}

TEST(PageModel, NotesFollowEachOtherDownTheLeftColumn) {
    const PageModel model = buildPageModel(sampleRecord(), kBritish);
    const int noteY[] = {6635, 6823, 7010, 7198, 7385, 7573, 7760, 7948, 8135};
    const char* notes[] = {
        "Cylinders should be made from non ferrous metals to reduce losses.",
        "Spacing between cylinders is critical to success.",
        "Spacing between lower cylinder and top of tuning coil should equal cylinder diameter.",
        "Wire from bottom of Tuning Coil must run up the inside edge of the lower cylinder.",
        "Wire from top of Tuning Coil must run up the centre of the lower cylinder.",
        "Coil formers (the pipe) should be tested in a microwave oven for heating with RF excitation.",
        "If it gets hot in the MW then do not use it as it is absorbing RF energy.",
        "When completed the entire antenna should be waterproofed.",
        "Follow the instructions in Brannoc's Book on setting up for maximum radiation and minimum VSWR.",
    };
    for (int i = 0; i < 9; ++i) {
        const PageItem* note = model.pages.front().find(ItemKind::Text, QString::fromLatin1(notes[i]));
        ASSERT_NE(note, nullptr) << notes[i];
        EXPECT_EQ(note->rect.topLeft(), QPoint(490 + 302, 1021 + noteY[i])) << notes[i];
        EXPECT_EQ(note->font, (FontSpec{"Arial", 10, false}));
    }
}

TEST(PageModel, ValuesShowThroughTheirPicturesInBold) {
    UserFolder users({"Amy VK2ABC"});
    const ReportRecord r = loadReportRecord(reportData("M7506.ini"), users.path(), [] { return QDate(2025, 3, 14); });
    const Page page = buildPageModel(r, kBritish).pages.front();
    const struct {
        const char* name;
        const char* picture;
        const char* text;
    } values[] = {
        {"F", "n-12.4", "7.1501"},
        {"CD", "n-10.2", "2.35"},
        {"CD spacing", "n-7.2", "2.35"},
        {"LD", "n-10.2", "6.50"},
        {"C", "n-10.2", "99,999.99"},
        {"XC", "n-10.2", "-3.46"},
        {"BW", "n-10", "13"},
        {"Q", "n-10.2", "12.35"},
        {"TL", "n-10.2", "0.00"},
        {"WD", "n-9.4", "0.0641"},
        {"SP", "n-9.4", "0.0800"},
        {"MRR", "n-10.2", "26.65"},
        {"SCWL", "n-10.2", "34.56"},
        {"unit text", "s8", "mm"},
        {"print date", "d17", "14/03/2025"},
        {"designer", "s40", "Amy VK2ABC"},
    };
    for (const auto& v : values) {
        const PageItem* item = page.find(ItemKind::Value, QString::fromLatin1(v.name));
        ASSERT_NE(item, nullptr) << v.name;
        EXPECT_EQ(item->picture, v.picture) << v.name;
        EXPECT_EQ(item->text, v.text) << v.name;
    }
    // Value fields are bold Arial 10, except the frequency (rounded face,
    // 18, regular) and the unit text (8, bold); the detail band is regular.
    EXPECT_EQ(page.find(ItemKind::Value, "CD")->font, (FontSpec{"Arial", 10, true}));
    EXPECT_EQ(page.find(ItemKind::Value, "F")->font, (FontSpec{"Arial Rounded MT Bold", 18, false}));
    EXPECT_EQ(page.find(ItemKind::Value, "unit text")->font, (FontSpec{"Arial", 8, true}));
    EXPECT_EQ(page.find(ItemKind::Value, "designer")->font, (FontSpec{"Arial", 10, false}));
    EXPECT_EQ(page.find(ItemKind::Text, "YQ *Star* Antenna designed for")->font,
              (FontSpec{"Arial Rounded MT Bold", 18, true}));
    EXPECT_EQ(page.find(ItemKind::Text, "Mhz")->font, (FontSpec{"Arial Rounded MT Bold", 18, false}));
    EXPECT_EQ(page.find(ItemKind::Text, "All linear measurements are in")->font, (FontSpec{"Arial", 8, true}));
    EXPECT_EQ(page.find(ItemKind::Text, "Cylinder Diameter")->font, (FontSpec{"Arial", 10, false}));
    // Numbers line up on the right of their boxes.
    EXPECT_EQ(page.find(ItemKind::Value, "CD")->align, HAlign::Right);
    EXPECT_EQ(page.find(ItemKind::Value, "designer")->align, HAlign::Left);
}

TEST(PageModel, LongDesignerIsCutToItsFortyCharacters) {
    const QString longName = QString(45, QLatin1Char('x'));
    ReportRecord r = sampleRecord();
    PageModelBuilder builder(r, kBritish);
    builder.addDetail(longName);
    const PageModel model = builder.finish();
    EXPECT_EQ(model.pages.front().find(ItemKind::Value, "designer")->text, QString(40, QLatin1Char('x')));
}

// Widths measured with Qt's own metrics of the layout's face.
double measured(const QString& text, int points) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(qRound(points * 1000.0 / 72.0));
    font.setKerning(false);
    return QFontMetricsF(font).horizontalAdvance(text);
}

// The designer's box is 2760 wide; a name of the user file's 40 characters
// may need more at 10 pt. It is shrunk to the largest size that fits, and
// cut only when even 6 pt is too wide.
TEST(PageModel, DesignerIsFittedToItsBox) {
    const QString wide(40, QLatin1Char('W'));
    const struct {
        QString name;
        int points;
        QString shown;
    } cases[] = {
        {QStringLiteral("Amy VK2ABC"), 10, QStringLiteral("Amy VK2ABC")},
        {QStringLiteral("Maximilian W. Wettstein-Hohenberg DL1WWW"), 9,
         QStringLiteral("Maximilian W. Wettstein-Hohenberg DL1WWW")},
        {QString::fromUtf8("Zo\u00eb O'Brien-\u0141ukasz"), 10, QString::fromUtf8("Zo\u00eb O'Brien-\u0141ukasz")},
        {wide, 6, QString()},  // cut: checked below
    };
    for (const auto& c : cases) {
        const ReportRecord r = sampleRecord();
        PageModelBuilder builder(r, kBritish);
        builder.addDetail(c.name);
        const PageModel model = builder.finish();
        const PageItem* designer = model.pages.front().find(ItemKind::Value, "designer");
        ASSERT_NE(designer, nullptr);
        EXPECT_EQ(designer->font.points, c.points) << c.name.toStdString();
        EXPECT_EQ(designer->rect, QRect(3698, 9667, 2760, 208));
        EXPECT_LE(measured(designer->text, designer->font.points), 2760.0) << c.name.toStdString();
        if (!c.shown.isEmpty()) {
            EXPECT_EQ(designer->text, c.shown);
            // One point larger would not have fitted.
            if (c.points < 10) {
                EXPECT_GT(measured(c.name, c.points + 1), 2760.0) << c.name.toStdString();
            }
        } else {
            // As many letters as fit at 6 pt, not one more.
            EXPECT_TRUE(wide.startsWith(designer->text));
            EXPECT_LT(designer->text.size(), 40);
            EXPECT_GT(measured(designer->text + QLatin1Char('W'), 6), 2760.0);
        }
    }
}

int countOf(const Page& page, ItemKind kind, const char* name) {
    int n = 0;
    for (const PageItem& item : page.items) n += item.kind == kind && item.name == QLatin1String(name);
    return n;
}

// One detail band fits the body area (292 high, bands 208 high); each
// further user record starts a new page that repeats the page header.
TEST(PageModel, PaginatesOneUserRecordPerPage) {
    const struct {
        QStringList users;
        int pages;
    } cases[] = {{{}, 1}, {{"Amy VK2ABC"}, 1}, {{"Zed ZL1AAA", "Amy VK2ABC"}, 2}, {{"C", "B", "A"}, 3}};
    for (const auto& c : cases) {
        const ReportRecord r = sampleRecord(c.users);
        const PageModel model = buildPageModel(r, kBritish);
        ASSERT_EQ(model.pages.size(), c.pages) << c.users.size() << " users";
        for (int i = 0; i < model.pages.size(); ++i) {
            const Page& page = model.pages.at(i);
            EXPECT_EQ(countOf(page, ItemKind::Frame, "frame"), 1);
            EXPECT_EQ(countOf(page, ItemKind::Value, "SCWL"), 1);
            EXPECT_EQ(countOf(page, ItemKind::Image, "starYQ.bmp"), 1);
            const int details = c.users.isEmpty() ? 0 : 1;
            EXPECT_EQ(countOf(page, ItemKind::Value, "designer"), details);
            EXPECT_EQ(countOf(page, ItemKind::Text, "Print Date:"), details);
            if (details) {
                const PageItem* designer = page.find(ItemKind::Value, "designer");
                EXPECT_EQ(designer->text, r.designers.at(i));  // key order
                EXPECT_EQ(designer->rect.y(), 9667);           // top of the body area on every page
                EXPECT_EQ(designer->band, Band::Detail);
            }
        }
    }
}

// Every text of the page a person reads, the designers' rows too, is the
// translation system's: none keeps its plain English under a translator.
TEST(PageModel, EveryTextOfThePageGoesThroughTheTranslation) {
    test::ensureGuiApp();
    const test::AccentingTranslator accenting;
    const PageModel model = buildPageModel(sampleRecord({"J. W. K1ABC"}), kBritish);
    ASSERT_EQ(model.pages.size(), 1);
    int texts = 0;
    for (const PageItem& item : model.pages.front().items) {
        if (item.kind == ItemKind::Frame || item.kind == ItemKind::Image) continue;
        EXPECT_EQ(test::untranslatedWords(item.text).join(u' ').toStdString(), "") << item.text.toStdString();
        texts += item.kind == ItemKind::Text || item.kind == ItemKind::GroupBox;
    }
    EXPECT_EQ(texts, 42);  // 3 title labels, 4 group boxes, 24 rows, 9 notes, "Print Date:", "Designed By:"
}

TEST(PageModel, PageIsTheMetafileFrame) {
    const PageModel model = buildPageModel(sampleRecord(), kBritish);
    EXPECT_EQ(model.pageSize, QSize(8000, 11689));
    for (const PageItem& item : model.pages.front().items) {
        EXPECT_TRUE(QRect(QPoint(0, 0), model.pageSize).contains(item.rect.topLeft())) << item.name.toStdString();
        if (item.rect.width() > 0) {
            EXPECT_LE(item.rect.x() + item.rect.width(), 8000) << item.name.toStdString();
        }
    }
}

}  // namespace
}  // namespace yq::report
