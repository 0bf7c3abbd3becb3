// The key table is the one place for what a key shows: the design window,
// yq-calc --format table, the build sheet and the design report all show a
// key with the table's label, picture and unit of the design's unit system,
// the window and the table in the table's window order.
#include "design/DesignTools.h"
#include "files/DesignFile.h"
#include "files/Picture.h"
#include "report/BuildSheet.h"
#include "report/PageModel.h"
#include "report/ReportRecord.h"
#include "support/QtPrinters.h"
#include "support/RecordingMessages.h"
#include "support/RunProcess.h"
#include "support/WidgetApplication.h"
#include "windows/DesignFields.h"
#include "windows/DesignWindow.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sstream>

namespace yq {
namespace {

QString qs(std::string_view text) { return QString::fromLatin1(text.data(), qsizetype(text.size())); }

QString shown(const DesignRecord& r, const KeyInfo& info) {
    return formatNumeric(r.field(info.id).value(), std::string(info.picture(r.unitSystem())));
}

struct KeyTableCase {
    UnitSystem system;
    const char* name;
    const char* metricText;
    std::vector<std::pair<const char*, const char*>> values;
};

class KeyTableTest : public ::testing::TestWithParam<KeyTableCase> {};

TEST_P(KeyTableTest, EveryConsumerShowsTheTablesLabelPictureAndUnit) {
    test::widgetApplication();
    const KeyTableCase& c = GetParam();
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());

    DesignRecord design(c.system);
    for (const auto& [k, v] : c.values) *design.field(k) = *Decimal::parse(v);
    reCalcAs(design, c.system == UnitSystem::Metric);
    const QString path = QDir(folder.path()).filePath(QString::fromLatin1(c.name));
    ASSERT_TRUE(writeDesignFile(path, design, QString::fromLatin1(c.metricText)));

    // The window opens the file and recalculates.
    test::RecordingMessages messages{test::RecordingMessages::Mode::Record};
    DesignWindowServices services;
    services.chooseFile = [&path](const QString&, const QString&, const QString&) { return path; };
    services.messages = &messages;
    ProgramState state;
    DesignWindow window(UnitSystemDescription::of(c.system), services, state);
    window.open();
    test::settle();
    const DesignRecord& r = window.record();

    // The window: its rows in the table's window order, each with the
    // table's label and its value through the table's picture.
    std::size_t next = 0;
    for (const DesignField& f : designFields(c.system)) {
        const KeyInfo& info = keyInfo(f.key);
        const QString key = qs(info.key);
        if (f.textBefore) {
            const KeyInfo& text = keyInfo(*f.textBefore);
            EXPECT_EQ(kWindowOrder[next++], text.id);
            EXPECT_EQ(window.fieldLabel(key)->text(), qs(text.label(c.system))) << text.key;
            EXPECT_EQ(window.findChild<QLabel*>(qs(text.key))->text(), shown(r, text)) << text.key;
            EXPECT_EQ(window.entry(key)->accessibleName(), qs(info.label(c.system))) << info.key;
        } else {
            EXPECT_EQ(window.fieldLabel(key)->text(), qs(info.label(c.system))) << info.key;
        }
        EXPECT_EQ(kWindowOrder[next++], f.key);
        EXPECT_EQ(window.entry(key)->text(), shown(r, info)) << info.key;
    }
    EXPECT_EQ(next, kWindowOrder.size());

    // yq-calc --format table: one line per key of the window order, with the
    // label (without its blanks), the value and the unit.
    QStringList args{QStringLiteral("--format"), QStringLiteral("table"), QStringLiteral("--file"), path};
    if (c.system == UnitSystem::Metric) args.prepend(QStringLiteral("--metric"));
    const auto run = test::runProcess(test::calcProgram(), args, {}, folder.path());
    ASSERT_EQ(run.exitCode, 0) << run.err;
    std::istringstream lines(run.out);
    for (const Key key : kWindowOrder) {
        const KeyInfo& info = keyInfo(key);
        std::string line;
        ASSERT_TRUE(std::getline(lines, line)) << info.key;
        static const QRegularExpression shape(QStringLiteral("^(.*\\S)\\s+([-0-9.,#]+)(?: (\\S+))?$"));
        const QRegularExpressionMatch m = shape.match(QString::fromStdString(line));
        ASSERT_TRUE(m.hasMatch()) << line;
        EXPECT_EQ(m.captured(1), qs(info.label(c.system)).trimmed()) << line;
        EXPECT_EQ(m.captured(2), shown(r, info).trimmed()) << line;
        EXPECT_EQ(m.captured(3), qs(info.unit(c.system))) << line;
    }

    // The build sheet: every dimension through the table's picture and unit.
    const report::BuildSheet sheet = report::buildBuildSheet(r);
    ASSERT_FALSE(sheet.dimensions.isEmpty());
    for (const report::SheetDimension& d : sheet.dimensions) {
        const KeyInfo& info = *findKey(d.key.toStdString());
        EXPECT_EQ(d.valueText, shown(r, info).trimmed()) << d.name.toStdString();
        EXPECT_EQ(d.unit, qs(info.unit(c.system))) << d.name.toStdString();
    }

    // The report: every value named by a key, with the table's report
    // picture; each key of the report's reading has one.
    const report::ReportRecord record = report::loadReportRecord(path, folder.path());
    const report::PageModel model = report::PageModelBuilder(record).finish();
    int values = 0;
    for (const report::PageItem& item : model.pages.at(0).items) {
        const KeyInfo* info = item.kind == report::ItemKind::Value ? findKey(item.name.toStdString()) : nullptr;
        if (!info) continue;
        ++values;
        EXPECT_EQ(item.picture, qs(info->reportPicture)) << info->key;
    }
    EXPECT_GE(values, 20);
    for (const report::ReportKey& k : report::reportFileKeys()) EXPECT_FALSE(findKey(k.key)->reportPicture.empty());
}

INSTANTIATE_TEST_SUITE_P(
    BothUnitSystems, KeyTableTest,
    ::testing::Values(
        KeyTableCase{UnitSystem::Imperial,
                     "726.ini",
                     "0",
                     {{"F", "7.15"}, {"CD", "2"}, {"LD", "6"}, {"WD", "0.04"}, {"SP", "0.08"}, {"CCD", "2"}}},
        KeyTableCase{UnitSystem::Metric,
                     "M14450.ini",
                     "1",
                     {{"F", "144.3"}, {"CD", "50"}, {"LD", "6"}, {"WD", "1"}, {"SP", "2"}, {"CCD", "40"}}}),
    [](const auto& p) { return std::string(p.param.system == UnitSystem::Metric ? "Metric" : "Imperial"); });

}  // namespace
}  // namespace yq
