#include "support/FileBytes.h"
#include "support/CalcText.h"
#include "support/RunProcess.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace yq {
namespace {

using test::calcProgram;
using test::runProcess;

using test::fieldsOf;
using test::linesOf;

// Every case computed by the independent reference implementation must match
// field by field.
TEST(CalcConformance, EveryReferenceCaseMatches) {
    std::ifstream file(std::string(YQ_TEST_DATA) + "/calc-vectors.txt");
    ASSERT_TRUE(file) << "missing calc-vectors.txt";
    std::vector<std::string> args, expected;
    std::string line;
    while (std::getline(file, line)) {
        if (line.rfind("> ", 0) == 0) args.push_back(line.substr(2));
        if (line.rfind("< ", 0) == 0) expected.push_back(line.substr(2));
    }
    ASSERT_EQ(args.size(), expected.size());
    ASSERT_EQ(args.size(), 153u);

    std::string input;
    for (const auto& a : args) input += a + "\n";
    const auto result = runProcess(calcProgram(), {"--batch"}, input);
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const auto output = linesOf(result.out);
    ASSERT_EQ(output.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(output[i], expected[i]) << "case " << i + 1 << ": " << args[i];
        const auto want = fieldsOf(expected[i]);
        const auto got = fieldsOf(output[i]);
        for (const auto& [key, value] : want) {
            auto it = got.find(key);
            EXPECT_TRUE(it != got.end() && it->second == value)
                << "case " << i + 1 << " " << key << ": want " << value << ", got "
                << (it == got.end() ? "(missing)" : it->second);
        }
    }
}

TEST(CalcTool, PrintsEveryKeyWithAllPlacesInFileOrder) {
    const auto result = runProcess(calcProgram(), {"F=7.15", "DBL=-0.03", "--partial", "phasing-coil-turns"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const std::string prefix = "F=7.1500 RFR=0.00 AF=0.00 RR=0.00 MRR=0.000 CD=0.00 LD=0.00 ";
    EXPECT_EQ(result.out.substr(0, prefix.size()), prefix);
    EXPECT_NE(result.out.find(" DBL=-0.0300 "), std::string::npos);
    EXPECT_NE(result.out.find(" DPS=0.00 WR=0.0000 UF=0.00 NTE=0.00\n"), std::string::npos);
    EXPECT_EQ(linesOf(result.out).size(), 1u);
}

TEST(CalcTool, ValuesAreStoredWithTheFieldsRoundingAndLimits) {
    const auto result = runProcess(calcProgram(), {"--runs", "0", "CD=2.345", "LD=-2.345", "C=9999999.99"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const auto fields = fieldsOf(result.out);
    EXPECT_EQ(fields.at("CD"), "2.35");
    EXPECT_EQ(fields.at("LD"), "-2.35");
    EXPECT_EQ(fields.at("C"), "9999999.99");
    // What the field cannot hold is refused, not cut to its limit.
    const auto refused = runProcess(calcProgram(), {"--runs", "0", "CD=2.345", "C=123456789"});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_EQ(refused.err,
              "yq-calc: value of C does not fit its field: '123456789' (C holds -9999999.99 to 9999999.99)\n");
}

TEST(CalcTool, BadInputIsNamedAndRefused) {
    struct Case {
        std::vector<QString> args;
        std::string named;
    };
    const Case cases[] = {
        {{"XYZ=1"}, "XYZ"},
        {{"F=7,15"}, "7,15"},
        {{"F=abc"}, "abc"},
        {{"--frobnicate"}, "--frobnicate"},
        {{"--partial", "everything"}, "everything"},
        {{"--runs", "two"}, "two"},
        {{"F"}, "F"},
    };
    for (const auto& c : cases) {
        const auto result = runProcess(calcProgram(), QStringList(c.args.begin(), c.args.end()));
        EXPECT_EQ(result.exitCode, 2) << c.named;
        EXPECT_TRUE(result.out.empty()) << c.named;
        EXPECT_NE(result.err.find(c.named), std::string::npos) << result.err;
        EXPECT_EQ(linesOf(result.err).size(), 1u) << result.err;
    }
}

TEST(CalcTool, BatchReportsBadLinesAndComputesTheOthers) {
    const auto result = runProcess(calcProgram(), {"--batch"}, "F=7.15 CD=2 LD=6\nF=7.15 BOGUS=1\n--metric F=7.15\n");
    EXPECT_EQ(result.exitCode, 1);
    const auto lines = linesOf(result.out);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].rfind("F=7.1500 ", 0), 0u);
    EXPECT_EQ(lines[1], "error");
    EXPECT_NE(lines[2].find("UF=25.40"), std::string::npos);
    EXPECT_NE(result.err.find("line 2"), std::string::npos);
    EXPECT_NE(result.err.find("BOGUS"), std::string::npos);
}

TEST(CalcTool, ValuesNoFieldCanHoldAreNamedAndRefused) {
    struct Case {
        std::string value;
        bool refused;
        std::string stored;  // C after --runs 0, when accepted
        const char* refusal = "value of C is too large for any field";
    };
    const Case cases[] = {
        // More than C's field holds, though another field could.
        {"123456789", true, "", "value of C does not fit its field: '123456789'"},
        {"-999999999.999", true, "", "value of C does not fit its field: '-999999999.999'"},
        {"1000000000", true, ""},
        {"-0001000000000.5", true, ""},
        // Near the system's limit for one argument (128 KiB).
        {std::string(100000, '7'), true, ""},
        {"0." + std::string(100000, '0') + "5", false, "0.00"},
        {std::string(100000, '0') + "2.345", false, "2.35"},
    };
    for (const Case& c : cases) {
        const std::string shown = c.value.substr(0, 20);
        const auto result = runProcess(calcProgram(), {"--runs", "0", QString::fromStdString("C=" + c.value)});
        if (c.refused) {
            EXPECT_EQ(result.exitCode, 2) << shown;
            EXPECT_TRUE(result.out.empty()) << shown;
            EXPECT_NE(result.err.find(c.refusal), std::string::npos) << result.err;
            // One short line, however long the value.
            EXPECT_EQ(linesOf(result.err).size(), 1u) << shown;
            EXPECT_LT(result.err.size(), 200u) << shown;
        } else {
            ASSERT_EQ(result.exitCode, 0) << shown << ": " << result.err;
            EXPECT_EQ(fieldsOf(result.out).at("C"), c.stored) << shown;
        }
    }
    // In a batch the line is refused and the others are computed.
    const auto batch = runProcess(calcProgram(), {"--batch"},
                                  "--runs 0 F=7.15\n--runs 0 F=" + std::string(1000000, '9') + "\n--runs 0 F=1\n");
    EXPECT_EQ(batch.exitCode, 1);
    const auto lines = linesOf(batch.out);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(fieldsOf(lines[0]).at("F"), "7.1500");
    EXPECT_EQ(lines[1], "error");
    EXPECT_EQ(fieldsOf(lines[2]).at("F"), "1.0000");
    EXPECT_NE(batch.err.find("line 2: value of F is too large"), std::string::npos) << batch.err.substr(0, 300);
}

// Design-file values are read with the file's rules (either separator, an
// exponent after it, anything after the number ignored) as the numbers they
// are, and stored with the field's rounding and limit.
TEST(CalcTool, DesignFileValuesAreReadAsTheNumbersTheyAre) {
    struct Case {
        std::string text;
        const char* stored;  // F, 9 digits with 4 places
    };
    const std::string zeros210(210, '0');
    const std::string zeros1000(1000, '0');
    const std::string million(1000000, '0');
    const Case cases[] = {
        {"0." + zeros210 + "715e211", "7.1500"},
        {"0," + zeros210 + "715E+211", "7.1500"},
        {"-0." + zeros210 + "715e211", "-7.1500"},
        {"0." + zeros1000 + "715e1001", "7.1500"},
        {"715.e-2", "7.1500"},
        {"715e-2", "715.0000"},  // no separator: no exponent
        {"  7,15 MHz", "7.1500"},
        {"7.15e99999999999999999999999", "99999.9999"},
        {"-7.15e99999999999999999999999", "-99999.9999"},
        {"7.15e-99999999999999999999999", "0.0000"},
        {"0.00005", "0.0001"},
        {"-0.00004999" + std::string(1000, '9'), "0.0000"},
        {"-0.00005" + zeros1000 + "1", "-0.0001"},
        {zeros1000 + "7.15", "7.1500"},
        {"7.15" + zeros1000, "7.1500"},
        {"0." + zeros1000 + "1", "0.0000"},
        // A profile value is its first 1024 characters.
        {std::string(1000000, '1'), "99999.9999"},
        {million + "7.15", "0.0000"},
        {"7.15" + million, "7.1500"},
        {"+7.15", "0.0000"},
        {"abc", "0.0000"},
    };
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("case.ini");
    for (const Case& c : cases) {
        const std::string shown = c.text.substr(0, 30);
        ASSERT_TRUE(test::writeAll(path, QByteArray::fromStdString("[YQ]\r\nF=" + c.text + "\r\nMetric=0\r\n")));
        const auto result = runProcess(calcProgram(), {"--runs", "0", "--file", path});
        ASSERT_EQ(result.exitCode, 0) << shown << ": " << result.err;
        EXPECT_EQ(fieldsOf(result.out).at("F"), c.stored) << shown;
    }
}

}  // namespace
}  // namespace yq
