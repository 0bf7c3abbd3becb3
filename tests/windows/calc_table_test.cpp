// yq-calc --format table against the design window itself: for the same
// design file, each line holds the label the window shows, the value its
// field shows, in the window's order, in both unit systems.
#include "files/DesignFile.h"
#include "support/QtPrinters.h"
#include "support/RecordingMessages.h"
#include "support/RunProcess.h"
#include "support/WidgetApplication.h"
#include "windows/DesignFields.h"
#include "windows/DesignWindow.h"

#include <QDir>
#include <QLabel>
#include <QRegularExpression>
#include <QLineEdit>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sstream>

namespace yq {
namespace {

QString trimmedText(const QString& text) { return text.trimmed(); }

TEST(CalcTable, EachLineIsTheWindowsLabelAndShownValueInTheWindowsOrder) {
    test::widgetApplication();
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path());

    const struct {
        UnitSystem system;
        const char* name;
        const char* metricText;
        std::vector<std::pair<const char*, const char*>> values;
    } cases[] = {
        {UnitSystem::Imperial,
         "726.ini",
         "0",
         {{"F", "7.15"}, {"CD", "2"}, {"LD", "6"}, {"WD", "0.04"}, {"SP", "0.08"}, {"CCD", "2"}, {"MBW", "380"}}},
        {UnitSystem::Metric,
         "M14450.ini",
         "1",
         {{"F", "144.3"}, {"CD", "50"}, {"LD", "6"}, {"WD", "1"}, {"SP", "2"}, {"CCD", "40"}, {"FAC", "3"}}},
    };
    for (const auto& c : cases) {
        DesignRecord design(c.system);
        for (const auto& [k, v] : c.values) *design.field(k) = *Decimal::parse(v);
        const QString path = QDir(folder.path()).filePath(QString::fromLatin1(c.name));
        ASSERT_TRUE(writeDesignFile(path, design, QString::fromLatin1(c.metricText)));

        // The window opens the file and recalculates, as for the user.
        test::RecordingMessages messages{test::RecordingMessages::Mode::Record};
        DesignWindowServices services;
        services.chooseFile = [&path](const QString&, const QString&, const QString&) { return path; };
        services.messages = &messages;
        ProgramState state;
        DesignWindow window(UnitSystemDescription::of(c.system), services, state);
        window.open();
        test::settle();

        // yq-calc computes the same file.
        QStringList args{QStringLiteral("--format"), QStringLiteral("table"), QStringLiteral("--file"), path};
        if (c.system == UnitSystem::Metric) args.prepend(QStringLiteral("--metric"));
        const auto run = test::runProcess(test::calcProgram(), args, {}, folder.path());
        ASSERT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.err, "");
        const std::string& table = run.out;

        // The window's fields, in its order; a value shown as text before
        // an entry (RR before MRR) stands first.
        QStringList expected;
        for (const DesignField& f : designFields(c.system)) {
            const QString key = QString::fromLatin1(keyInfo(f.key).key.data(), qsizetype(keyInfo(f.key).key.size()));
            if (f.textBefore) {
                const QString textKey = QString::fromLatin1(keyInfo(*f.textBefore).key.data(),
                                                            qsizetype(keyInfo(*f.textBefore).key.size()));
                const auto* text = window.findChild<QLabel*>(textKey);
                ASSERT_NE(text, nullptr) << textKey.toStdString();
                expected << trimmedText(window.fieldLabel(key)->text()) + QLatin1Char('|') + text->text();
                expected << trimmedText(window.entry(key)->accessibleName()) + QLatin1Char('|') +
                                window.entry(key)->text();
            } else {
                expected << trimmedText(window.fieldLabel(key)->text()) + QLatin1Char('|') + window.entry(key)->text();
            }
        }

        QStringList got;
        std::istringstream lines(table);
        for (std::string line; std::getline(lines, line);) {
            // label, blanks, value, then the unit when there is one
            const QString text = QString::fromStdString(line);
            static const QRegularExpression shape(QStringLiteral("^(.*\\S)\\s+([-0-9.,#]+)( [A-Za-z%/1]+)?$"));
            const QRegularExpressionMatch m = shape.match(text);
            ASSERT_TRUE(m.hasMatch()) << line;
            got << m.captured(1) + QLatin1Char('|') + m.captured(2);
        }
        EXPECT_EQ(got, expected) << c.name;
        EXPECT_EQ(got.size(), 38) << c.name;
    }
    QDir::setCurrent(previous);
}

}  // namespace
}  // namespace yq
