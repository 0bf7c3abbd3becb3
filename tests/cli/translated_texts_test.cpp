// yq-calc's texts for a person go through the translation system: with a
// translator installed, the help, the messages, the design table and the
// simulation's table read in its language, with every value filled in as it
// is; what programs read stays as it is.
#include "cli/CalcCommand.h"
#include "cli/CalcHelp.h"
#include "cli/OutputFormats.h"
#include "design/DesignRecord.h"
#include "sim/Comparison.h"
#include "sim/DeckRules.h"
#include "sim/LocalText.h"
#include "sim/Model.h"
#include "support/GuiApplication.h"

#include <QTranslator>

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>

namespace yq {
namespace {

// A language in which every text of yq-calc's contexts reads "<<text>>".
class MarkingTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int) const override {
        static const std::set<std::string> contexts{"CalcHelp",        "CalcMessages",    "KeyTable",
                                                    "SimulationTable", "SimulationStudy", "TuneTable"};
        if (!contexts.count(context)) return {};
        return QStringLiteral("<<") + QString::fromUtf8(source) + QStringLiteral(">>");
    }
    bool isEmpty() const override { return false; }
};

class TranslatedTexts : public ::testing::Test {
protected:
    void SetUp() override {
        test::guiApplication();
        ASSERT_TRUE(QCoreApplication::installTranslator(&translator_));
    }
    void TearDown() override { QCoreApplication::removeTranslator(&translator_); }

    // yq-calc run in this process: its exit status, standard output and error.
    struct Run {
        int status;
        std::string out, err;
    };
    static Run calc(const std::vector<std::string>& args, const std::string& input = {}) {
        std::istringstream in(input);
        std::ostringstream out, err;
        const int status = cli::runCalcTool(args, in, out, err, {});
        return {status, out.str(), err.str()};
    }

private:
    MarkingTranslator translator_;
};

TEST_F(TranslatedTexts, HelpReadsInTheLanguageWithEveryCommandAndItsSyntaxAsTyped) {
    const platform::HelpPage page = cli::calcHelpPage();
    EXPECT_EQ(page.description.rfind("<<Computes YQ antenna designs", 0), 0u);
    EXPECT_EQ(page.epilogue.rfind("<<Exit status:", 0), 0u);
    for (const auto& section : page.sections) {
        EXPECT_EQ(section.title.rfind("<<", 0), 0u) << section.title;
        for (const auto& row : section.rows) {
            EXPECT_EQ(row.text.rfind("<<", 0), 0u) << row.usage;
            // What the user types stays as it is.
            EXPECT_EQ(row.usage.find("<<"), std::string::npos) << row.usage;
            EXPECT_EQ(row.example.rfind("yq-calc ", 0) == 0 || row.example.rfind("printf ", 0) == 0, true)
                << row.example;
        }
    }
    const std::vector<std::string> commands{"save", "users", "report",  "build-sheet", "fit",
                                            "tune", "sweep", "convert", "simulate"};
    EXPECT_EQ(cli::calcCommandNames(), commands);
    const Run help = calc({"--help"});
    for (const std::string& command : commands)
        EXPECT_NE(help.out.find("  " + command + " "), std::string::npos) << command;
}

TEST_F(TranslatedTexts, MessagesFillTheirValuesByteForByte) {
    // A value holding a place marker and a byte that is no UTF-8 goes into
    // the translated message exactly as it was typed.
    const std::string odd = "NO%1PE\xff";
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string err;
    };
    const Case cases[] = {
        {{odd + "=1"}, 2, "yq-calc: <<unknown key '" + odd + "'>>\n"},
        {{"F=x" + odd}, 2, "yq-calc: <<value of F is not a decimal number: 'x" + odd + "'>>\n"},
        {{"--runs", odd}, 2, "yq-calc: <<invalid run count '" + odd + "'>>\n"},
        {{"--format", odd}, 2, "yq-calc: <<unknown format '" + odd + "' (line, table, json or csv)>>\n"},
        {{"fit", "F=7.15"}, 2, "yq-calc: <<'fit' needs NT=<turns> or SCT=<turns>>>\n"},
    };
    for (const Case& c : cases) {
        const Run run = calc(c.args);
        EXPECT_EQ(run.status, c.status) << c.args[0];
        EXPECT_EQ(run.err, c.err) << c.args[0];
    }
    // A batch line's message inside the message that numbers it; the line
    // output itself ("error") is for programs and stays.
    const Run batch = calc({"--batch"}, "F=7.15 CD=2 LD=6\n" + odd + "=1\n");
    EXPECT_EQ(batch.status, 1);
    EXPECT_EQ(batch.err, "yq-calc: <<line 2: <<unknown key '" + odd + "'>>>>\n");
    EXPECT_EQ(batch.out.substr(batch.out.rfind('\n', batch.out.size() - 2) + 1), "error\n");
    EXPECT_EQ(batch.out.find("<<"), std::string::npos);
}

TEST_F(TranslatedTexts, DesignTableLabelsReadInTheLanguageAndOtherFormatsStay) {
    const Run table = calc({"--format", "table", "F=7.15", "CD=2", "LD=6"});
    ASSERT_EQ(table.status, 0) << table.err;
    std::istringstream lines(table.out);
    std::string line;
    std::size_t valueEnd = std::string::npos;
    int count = 0;
    while (std::getline(lines, line)) {
        ++count;
        ASSERT_EQ(line.rfind("<<", 0), 0u) << line;
        // The labels are padded to the longest: every value ends in one column
        // (its unit after it).
        const std::size_t labelEnd = line.find(">>") + 2;
        const std::size_t value = line.find_first_not_of(' ', labelEnd);
        ASSERT_NE(value, std::string::npos) << line;
        const std::size_t end = line.find(' ', value) == std::string::npos ? line.size() : line.find(' ', value);
        if (valueEnd == std::string::npos) valueEnd = end;
        EXPECT_EQ(end, valueEnd) << line;
    }
    EXPECT_GT(count, 20);
    for (const char* format : {"line", "json", "csv"}) {
        const Run other = calc({"--format", format, "F=7.15", "CD=2", "LD=6"});
        EXPECT_EQ(other.out.find("<<"), std::string::npos) << format;
    }
}

TEST_F(TranslatedTexts, SimulationTableReadsInTheLanguageAndItsJsonStays) {
    DesignRecord design(UnitSystem::Imperial);
    *design.field("F") = Decimal::of("7.15");
    sim::StudyResult study;
    study.designHz = 7.15e6;
    study.assumptions = sim::modelAssumptions();
    study.notes = {"The coil for F is not computed in this model.",
                   sim::fillPattern(sim::kDetailedModelNote, {"0.0004"})};
    // Texts made from patterns with values: the pattern translated, the
    // values kept (and the pattern that begins alike not taken).
    study.ruleBreaks = {{"radius at a junction", sim::fillPattern(sim::kJunctionBreak, {"3", "4", "7.5"})},
                        {"feed", sim::kNoFeedBreak}};
    study.nec2cRuns = 3;
    const std::string text = sim::comparisonText(design, study);
    std::istringstream lines(text);
    std::string heading, row;
    std::getline(lines, heading);
    std::getline(lines, row);
    EXPECT_NE(heading.find("<<calculator>>"), std::string::npos) << heading;
    EXPECT_NE(heading.find("<<NEC-2, coil for F>>"), std::string::npos) << heading;
    EXPECT_EQ(row.rfind("<<Series resonance>> (MHz)", 0), 0u) << row;
    EXPECT_NE(text.find("\n<<" + sim::modelAssumptions() + ">>\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\n<<Note: <<The coil for F is not computed in this model.>>>>\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\n<<nec2c runs: 3, 0.000 s>>\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\n<<Note: <<Its segments are down to 0.0004 wavelength at F "), std::string::npos) << text;
    EXPECT_NE(text.find("\n<<Rule not kept: <<Wires 3 and 4 meet with radii 7.5 times apart; NEC-2 wants at most "
                        "5.>>>>\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("\n<<Rule not kept: <<The deck has no feed (no EX card).>>>>\n"), std::string::npos) << text;
    const std::string json = sim::comparisonJson(design, study);
    EXPECT_EQ(json.find("<<"), std::string::npos) << json;
}

}  // namespace
}  // namespace yq
