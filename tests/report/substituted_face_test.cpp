// Every text of the report page and of the build sheet keeps to its room,
// whatever face the system draws the layouts' Arial in: no text runs into
// another, no value out of its field. CTest runs this once more on a font
// set of DejaVu Sans alone (wider than Arial), as on a bare Debian system
// without the Liberation fonts.
#include "ReportTestSupport.h"

#include "design/Calculation.h"
#include "report/BuildSheet.h"
#include "report/PageModel.h"

#include <QFontInfo>

#include <gtest/gtest.h>

namespace yq::report {
namespace {

using test::reportData;
using test::UserFolder;

// The face the system draws the layouts' Arial in.
QString drawnFace() { return QFontInfo(qtFont(arial(10), layoutPixelSize(10))).family(); }

void expectFaceAsAsked() {
    const QString expected = qEnvironmentVariable("YQ_EXPECT_FACE");
    if (!expected.isEmpty()) {
        ASSERT_EQ(drawnFace().toStdString(), expected.toStdString());
    }
}

struct Span {
    QString text;
    double left, right, top, bottom;
};

Span spanOf(const PageItem& item) {
    const double width = layoutWidth(item.font, item.text);
    const double left =
        item.align == HAlign::Right && item.rect.width() > 0 ? item.rect.right() + 1 - width : item.rect.x();
    return {item.text, left, left + width, double(item.rect.y()), double(item.rect.y() + lineHeight(item.font.points))};
}

bool overlap(const Span& a, const Span& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

TEST(SubstitutedFace, EveryTextOfTheReportPageKeepsToItsRoom) {
    test::ensureGuiApp();
    expectFaceAsAsked();
    UserFolder users({QStringLiteral("A designer with a rather long name, W1AAA")});
    for (const char* design : {"726.ini", "M7506.ini"}) {
        SCOPED_TRACE(design);
        const ReportRecord record =
            loadReportRecord(reportData(design), users.path(), [] { return QDate(2025, 3, 14); });
        const PageModel model = buildPageModel(record);
        ASSERT_FALSE(model.pages.isEmpty());
        const Page& page = model.pages.first();
        QList<Span> spans;
        for (const PageItem& item : page.items) {
            if ((item.kind != ItemKind::Text && item.kind != ItemKind::Value) || item.text.isEmpty()) continue;
            const Span s = spanOf(item);
            spans << s;
            if (item.kind == ItemKind::Value && item.rect.width() > 0) {
                EXPECT_LE(s.right - s.left, item.rect.width() + 0.5) << item.text.toStdString() << " leaves its field";
            }
            EXPECT_LE(s.right, kPageWidth) << item.text.toStdString();
            EXPECT_GE(item.font.points, kMinFittedPoints) << item.text.toStdString();
        }
        for (qsizetype i = 0; i < spans.size(); ++i) {
            for (qsizetype j = i + 1; j < spans.size(); ++j) {
                EXPECT_FALSE(overlap(spans[i], spans[j]))
                    << "\"" << spans[i].text.toStdString() << "\" runs into \"" << spans[j].text.toStdString() << "\"";
            }
        }
    }
}

TEST(SubstitutedFace, EveryTextOfTheBuildSheetKeepsToItsBox) {
    test::ensureGuiApp();
    expectFaceAsAsked();
    DesignRecord design(UnitSystem::Imperial);
    for (auto [key, value] :
         {std::pair{"F", "7.15"}, {"CD", "2"}, {"LD", "6"}, {"WD", "0.04"}, {"SP", "0.08"}, {"CCD", "2"}})
        *design.field(key) = Decimal::of(value);
    reCalc(design, false);
    const BuildSheet sheet = buildBuildSheet(design, {QStringLiteral("726.ini")});
    QList<const SheetItem*> texts;
    for (const SheetItem& item : sheet.items)
        if (item.kind == SheetItemKind::Text && !item.text.isEmpty()) texts << &item;
    ASSERT_GT(texts.size(), 20);
    for (const SheetItem* t : texts) {
        EXPECT_LE(layoutWidth(t->font, t->text), t->rect.width() + 0.5) << t->text.toStdString() << " leaves its box";
    }
    for (qsizetype i = 0; i < texts.size(); ++i) {
        for (qsizetype j = i + 1; j < texts.size(); ++j) {
            EXPECT_FALSE(texts[i]->rect.intersects(texts[j]->rect))
                << "\"" << texts[i]->text.toStdString() << "\" over \"" << texts[j]->text.toStdString() << "\"";
        }
    }
}

}  // namespace
}  // namespace yq::report
