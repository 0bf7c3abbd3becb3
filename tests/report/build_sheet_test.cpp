#include "report/BuildSheet.h"
#include "ReportTestSupport.h"

#include "design/Calculation.h"
#include "files/Picture.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <cmath>

namespace yq::report {
namespace {

struct Design {
    const char* name;
    UnitSystem unit;
    std::vector<std::pair<const char*, const char*>> inputs;
    bool expectClamped;
};

// Two real designs (40 m Imperial, 20 m Metric), a tiny one and a huge one.
const Design kDesigns[] = {
    {"Imperial715",
     UnitSystem::Imperial,
     {{"F", "7.15"}, {"CD", "2"}, {"LD", "6"}, {"WD", "0.04"}, {"SP", "0.08"}, {"CCD", "2"}},
     true},
    {"Metric142",
     UnitSystem::Metric,
     {{"F", "14.2"}, {"CD", "50"}, {"LD", "6"}, {"WD", "1"}, {"SP", "1.5"}, {"CCD", "40"}},
     true},
    {"Tiny",
     UnitSystem::Imperial,
     {{"F", "7.15"}, {"CD", "0.1"}, {"LD", "2"}, {"WD", "0.001"}, {"SP", "0.002"}, {"CCD", "0.1"}},
     true},
    {"Huge",
     UnitSystem::Metric,
     {{"F", "1.8"}, {"CD", "2500"}, {"LD", "60"}, {"WD", "5"}, {"SP", "8"}, {"CCD", "2000"}},
     true},
};

void PrintTo(const Design& d, std::ostream* os) { *os << d.name; }

DesignRecord calculated(const Design& d) {
    DesignRecord r(d.unit);
    for (const auto& [key, value] : d.inputs) *r.field(key) = Decimal::of(value);
    reCalc(r, d.unit == UnitSystem::Metric);
    return r;
}

// The value as the design window shows it: the key table's picture, the
// Metric window's one place for the cylinder length.
QString windowText(const DesignRecord& r, const char* key) {
    std::string picture(findKey(key)->picture(UnitSystem::Imperial));
    if (r.unitSystem() == UnitSystem::Metric && std::string_view(key) == "CCL") picture = "n-10.1";
    return formatNumeric(r.field(key)->value(), picture);
}

QString unitOf(const DesignRecord& r) { return r.unitSystem() == UnitSystem::Metric ? "mm" : "in"; }

class BuildSheetDesigns : public ::testing::TestWithParam<Design> {
protected:
    void SetUp() override {
        test::ensureGuiApp();
        record = std::make_unique<DesignRecord>(calculated(GetParam()));
        sheet = buildBuildSheet(*record);
    }
    std::unique_ptr<DesignRecord> record;
    BuildSheet sheet;
};

TEST_P(BuildSheetDesigns, EveryDimensionCarriesTheDesignsValueAndUnit) {
    const std::pair<const char*, const char*> expected[] = {
        {"CCL upper", "CCL"}, {"CD spacing", "CD"}, {"CCL lower", "CCL"}, {"CD to coil", "CD"},
        {"CL", "CL"},         {"SCL", "SCL"},       {"TL", "TL"},         {"CD upper", "CD"},
        {"CD lower", "CD"},   {"PCCD", "PCCD"},     {"CCD", "CCD"},       {"SCD", "SCD"},
    };
    ASSERT_EQ(sheet.dimensions.size(), std::size(expected));
    for (const auto& [name, key] : expected) {
        SCOPED_TRACE(name);
        const SheetDimension* d = sheet.dimension(name);
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->key, key);
        EXPECT_EQ(d->value, record->field(key)->value());
        EXPECT_EQ(d->unit, unitOf(*record));
        ASSERT_GE(d->lineItem, 0);
        ASSERT_GE(d->labelItem, 0);
        EXPECT_EQ(sheet.items.at(d->lineItem).kind, SheetItemKind::Dimension);
        const QString label = sheet.items.at(d->labelItem).text;
        EXPECT_TRUE(label.contains(QStringLiteral("%1 %2 %3").arg(key, windowText(*record, key), unitOf(*record))))
            << label.toStdString();
    }
    // What the coils' labels say besides their diameters.
    const QString all = sheet.texts().join(u'\n');
    for (const char* key : {"NT", "PCNT", "LPW", "SCT", "SP"})
        EXPECT_TRUE(all.contains(QLatin1String(key) + u' ' + windowText(*record, key))) << key;
    EXPECT_TRUE(all.contains(QStringLiteral("Designed for %1 MHz").arg(windowText(*record, "F"))));
}

TEST_P(BuildSheetDesigns, PartsAndDimensionLinesAreToScale) {
    ASSERT_GT(sheet.scale, 0);
    const double s = sheet.scale;
    auto length = [&](const char* name) { return sheet.items.at(sheet.dimension(name)->lineItem).line.length(); };
    for (const SheetDimension& d : sheet.dimensions) {
        SCOPED_TRACE(d.name.toStdString());
        if (d.clamped) {
            EXPECT_GE(length(d.name.toLatin1().constData()) + 0.01, kLeastDrawnSize);
            continue;
        }
        // TL is the calculation's own rounded sum of the parts drawn.
        const double tolerance = d.name == QLatin1String("TL") ? 0.02 * s + 1 : 0.5;
        EXPECT_NEAR(length(d.name.toLatin1().constData()), d.value.toReal() * s, tolerance);
    }
    // The parts sit where the dimension lines end: one chain down the axis.
    const QRectF upper = sheet.find(SheetItemKind::Cylinder, "upper cylinder")->rect;
    const QRectF lower = sheet.find(SheetItemKind::Cylinder, "lower cylinder")->rect;
    const QRectF tuning = sheet.find(SheetItemKind::Coil, "tuning coil")->rect;
    const QRectF phasing = sheet.find(SheetItemKind::Coil, "phasing coil")->rect;
    const QLineF ccl = sheet.items.at(sheet.dimension("CCL upper")->lineItem).line;
    const QLineF tl = sheet.items.at(sheet.dimension("TL")->lineItem).line;
    EXPECT_DOUBLE_EQ(ccl.y1(), upper.top());
    EXPECT_DOUBLE_EQ(ccl.y2(), upper.bottom());
    EXPECT_DOUBLE_EQ(tl.y1(), upper.top());
    EXPECT_DOUBLE_EQ(tl.y2(), tuning.bottom());
    EXPECT_DOUBLE_EQ(phasing.top(), upper.bottom());
    EXPECT_DOUBLE_EQ(phasing.bottom(), lower.top());
    EXPECT_DOUBLE_EQ(upper.center().x(), tuning.center().x());
    if (!sheet.dimension("CD upper")->clamped) {
        EXPECT_NEAR(upper.width(), record->CD.value().toReal() * s, 0.5);
    }
    if (!sheet.dimension("CCD")->clamped) {
        EXPECT_NEAR(tuning.width(), record->CCD.value().toReal() * s, 0.5);
    }
    if (!sheet.dimension("CD spacing")->clamped) {
        EXPECT_NEAR(lower.top() - upper.bottom(), record->CD.value().toReal() * s, 0.5);
    }
}

TEST_P(BuildSheetDesigns, ThinPartsAreClampedAndTheSheetSaysSo) {
    const QString all = sheet.texts().join(u' ');
    int clamped = 0;
    for (const SheetDimension& d : sheet.dimensions) clamped += d.clamped ? 1 : 0;
    EXPECT_EQ(clamped > 0, GetParam().expectClamped);
    if (clamped > 0) {
        EXPECT_FALSE(sheet.clampedParts.isEmpty());
        EXPECT_TRUE(all.contains("Not to scale")) << all.toStdString();
        for (const QString& part : sheet.clampedParts) EXPECT_TRUE(all.contains(part)) << part.toStdString();
    }
    // Whatever the design, nothing thinner than the least size is drawn.
    for (const SheetItem& item : sheet.items) {
        if (item.kind == SheetItemKind::Cylinder || item.kind == SheetItemKind::Coil) {
            EXPECT_GE(item.rect.width() + 0.01, kLeastDrawnSize) << item.name.toStdString();
            EXPECT_GE(item.rect.height() + 0.01, kLeastDrawnSize) << item.name.toStdString();
        }
    }
}

TEST_P(BuildSheetDesigns, NoTwoTextsOverlapAndEverythingIsOnTheSheet) {
    QList<const SheetItem*> texts;
    const QRectF page(QPointF(0, 0), sheet.size);
    for (const SheetItem& item : sheet.items) {
        if (item.kind == SheetItemKind::Text) {
            texts.append(&item);
            EXPECT_TRUE(page.contains(item.rect)) << item.text.toStdString();
            EXPECT_GT(item.rect.width(), 0) << item.text.toStdString();
        } else if (item.kind == SheetItemKind::Cylinder || item.kind == SheetItemKind::Coil) {
            EXPECT_TRUE(page.contains(item.rect)) << item.name.toStdString();
        } else {
            EXPECT_TRUE(page.contains(item.line.p1()) && page.contains(item.line.p2())) << item.name.toStdString();
        }
    }
    for (qsizetype i = 0; i < texts.size(); ++i) {
        for (qsizetype j = i + 1; j < texts.size(); ++j) {
            EXPECT_FALSE(texts[i]->rect.intersects(texts[j]->rect))
                << '"' << texts[i]->text.toStdString() << "\" overlaps \"" << texts[j]->text.toStdString() << '"';
        }
    }
    // No text drawn over a part of the antenna either.
    for (const SheetItem& item : sheet.items) {
        if (item.kind != SheetItemKind::Cylinder && item.kind != SheetItemKind::Coil) continue;
        for (const SheetItem* t : texts)
            EXPECT_FALSE(item.rect.intersects(t->rect)) << item.name.toStdString() << " / " << t->text.toStdString();
    }
}

TEST_P(BuildSheetDesigns, CutListHasEveryPartWithTheCalculationsValues) {
    const QString u = unitOf(*record);
    ASSERT_EQ(sheet.cutList.size(), 5);
    auto row = [&](const char* part) -> const CutListRow& {
        for (const CutListRow& r : sheet.cutList)
            if (r.part == QLatin1String(part)) return r;
        ADD_FAILURE() << "no row " << part;
        return sheet.cutList.first();
    };
    auto has = [&](const CutListRow& r, const char* key) {
        const QString text = QLatin1String(key) + u' ' + windowText(*record, key);
        return (r.material.join(u' ') + u' ' + r.length).contains(text);
    };
    EXPECT_EQ(row("Cylinders").quantity, "2");
    EXPECT_TRUE(has(row("Cylinders"), "CD"));
    EXPECT_TRUE(has(row("Cylinders"), "CCL"));
    for (const char* key : {"WD", "NT", "SP", "CCD", "CL", "LW"}) EXPECT_TRUE(has(row("Tuning coil wire"), key)) << key;
    for (const char* key : {"WD", "PCNT", "PCCD", "LPW"}) EXPECT_TRUE(has(row("Phasing wire"), key)) << key;
    for (const char* key : {"SCWD", "SCT", "SCD", "SCL", "SCWL"}) EXPECT_TRUE(has(row("Source coil wire"), key)) << key;
    const Decimal total = record->LW.value() + record->LPW.value() + record->SCWL.value();
    EXPECT_EQ(row("Total wire").length, formatNumeric(total, "n-10.2") + u' ' + u);
    // And every row is printed on the sheet.
    const QStringList texts = sheet.texts();
    for (const CutListRow& r : sheet.cutList) {
        EXPECT_TRUE(texts.contains(r.part)) << r.part.toStdString();
        EXPECT_TRUE(texts.contains(r.length)) << r.length.toStdString();
    }
    ASSERT_FALSE(sheet.gauges.isEmpty());
    EXPECT_EQ(sheet.gauges.first().key, "WD");
    EXPECT_EQ(sheet.gauges.first().diameter, record->WD.value());
}

// Every text of the sheet a person reads, the note on parts drawn larger
// too, is the translation system's: none keeps its plain English under a
// translator. The parts keep their English names for the program.
TEST_P(BuildSheetDesigns, EveryTextOfTheSheetGoesThroughTheTranslation) {
    const test::AccentingTranslator accenting;
    const BuildSheet translated = buildBuildSheet(*record, {QStringLiteral("YQ-40"), windowPicture});
    EXPECT_EQ(translated.texts().size(), sheet.texts().size() + 1);  // and the design's name
    for (const QString& text : translated.texts())
        EXPECT_EQ(test::untranslatedWords(text).join(u' ').toStdString(), "") << text.toStdString();
    EXPECT_EQ(translated.clampedParts, sheet.clampedParts);
}

INSTANTIATE_TEST_SUITE_P(Designs, BuildSheetDesigns, ::testing::ValuesIn(kDesigns),
                         [](const ::testing::TestParamInfo<Design>& param) { return std::string(param.param.name); });

// Figures checked by hand for the two real designs.
TEST(BuildSheet, RealDesignsShowTheirFigures) {
    test::ensureGuiApp();
    const BuildSheet imperial = buildBuildSheet(calculated(kDesigns[0]));
    const QString i = imperial.texts().join(u'\n');
    EXPECT_TRUE(i.contains("Upper cylinder CCL 12.000 in"));  // 2 x 6, three places as the window shows it
    EXPECT_TRUE(i.contains("Cylinder spacing CD 2.00 in"));
    EXPECT_TRUE(i.contains("All linear measurements are in inches"));
    EXPECT_TRUE(i.contains("LPW 27.53 in"));  // 300 / 7.15 x 39.37 / 360 x 6
    EXPECT_TRUE(i.contains("AWG 18: 0.0403 in"));
    EXPECT_TRUE(i.contains("SWG 19: 0.0400 in"));
    EXPECT_TRUE(i.contains("source coil length")) << "SCL 0.18 in is drawn larger than to scale";

    const BuildSheet metric = buildBuildSheet(calculated(kDesigns[1]));
    const QString m = metric.texts().join(u'\n');
    EXPECT_TRUE(m.contains("Upper cylinder CCL 300.0 mm"));  // one place in the Metric window
    EXPECT_TRUE(m.contains("Cylinder spacing CD 50.00 mm"));
    EXPECT_TRUE(m.contains("All linear measurements are in mm"));
    EXPECT_TRUE(m.contains("LPW 352.11 mm"));  // 300 / 14.2 x 1000 / 360 x 6 = 352.112...
    EXPECT_TRUE(m.contains("AWG 18: 1.024 mm"));
    EXPECT_TRUE(m.contains("+0.024 mm"));
    EXPECT_TRUE(m.contains("SWG 19: 1.016 mm"));
    EXPECT_TRUE(m.contains("+0.016 mm"));
}

TEST(BuildSheet, UncalculatedDesignStillDrawsAndSaysSo) {
    test::ensureGuiApp();
    const BuildSheet sheet = buildBuildSheet(DesignRecord(UnitSystem::Imperial));
    EXPECT_EQ(sheet.scale, 0);
    const QString all = sheet.texts().join(u' ');
    EXPECT_TRUE(all.contains("no dimensions yet")) << all.toStdString();
    EXPECT_TRUE(sheet.gauges.isEmpty());
    EXPECT_EQ(sheet.dimensions.size(), 12);
    for (const SheetDimension& d : sheet.dimensions) EXPECT_TRUE(d.clamped) << d.name.toStdString();
}

// Published diameters. AWG: ASTM B258 (Standard Specification for Standard
// Nominal Diameters ... of Solid Drawn Round Wires Used as Electrical
// Conductors), table of nominal diameters, inches to 4 places and mm. SWG:
// the Imperial Standard Wire Gauge (Order in Council 1883), as tabulated in
// BS 3737, inches and mm.

}  // namespace
}  // namespace yq::report
