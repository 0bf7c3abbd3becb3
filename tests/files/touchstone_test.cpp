// The measurement reader against files the test writes itself from known
// impedances, with its own conversions (normalisation, dB, polar form), in
// every option-line form and data format, and against damaged files.
#include "files/Touchstone.h"
#include "support/AccentingTranslator.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <cmath>
#include <complex>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

namespace yq {
namespace {

using cplx = std::complex<double>;

// Three points of an antenna-like impedance, in Hz and ohms.
struct Known {
    double hz;
    cplx z;
};
const std::vector<Known> kPoints = {{7.00e6, {12.5, -40.0}}, {7.15e6, {20.0, 3.5}}, {7.30e6, {35.0, 61.25}}};

std::string num(double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.12g", v);
    return buf;
}

// The pair a file holds for a complex value in a data format.
std::string pair(cplx v, const std::string& format) {
    const double mag = std::abs(v);
    const double deg = std::arg(v) * 180 / std::numbers::pi;
    if (format == "RI") return num(v.real()) + " " + num(v.imag());
    if (format == "MA") return num(mag) + " " + num(deg);
    return num(20 * std::log10(mag)) + " " + num(deg);  // DB
}

struct Form {
    const char* name;        // file name (its ending tells the reader the kind)
    const char* unit;        // as written on the option line ("" = default GHz)
    double unitHz;           // what one unit is
    const char* parameter;   // S, Z, Y ("" = default S)
    const char* format;      // RI, MA, DB ("" = default MA)
    double reference;        // 0 = no "R" (default 50)
    int version;             // 1 or 2
    int ports;               // 1 or 2
    const char* optionCase;  // "upper", "lower" or "mixed"
};

// What the file holds for the measured Z at port 1 (the two-port's port 2
// is terminated: S21 = S12 chosen, S22 chosen, so S11 alone is Z's).
std::string fileFor(const Form& f) {
    const double r = f.reference > 0 ? f.reference : 50;
    const std::string parameter = *f.parameter ? f.parameter : "S";
    const std::string format = *f.format ? f.format : "MA";
    std::string option = "#";
    if (*f.unit) option += std::string(" ") + f.unit;
    if (*f.parameter) option += std::string(" ") + f.parameter;
    if (*f.format) option += std::string(" ") + f.format;
    if (f.reference > 0) option += " R " + num(f.reference);
    std::string text = "! written by the reader test\n\n";
    if (std::string(f.optionCase) == "lower") {
        for (char& c : option) c = static_cast<char>(std::tolower(c));
    } else if (std::string(f.optionCase) == "mixed") {
        text += "! the option line after a comment, reversed order\n";
        // reversed parts: R first, then format, parameter, unit
        std::string rev = "#";
        if (f.reference > 0) rev += " r " + num(f.reference);
        if (*f.format) rev += std::string(" ") + f.format;
        if (*f.parameter) rev += std::string(" ") + f.parameter;
        if (*f.unit) rev += std::string(" ") + f.unit;
        option = rev;
    }
    if (f.version == 2) {
        text += "[Version] 2.0\n" + option + "\n[Number of Ports] " + std::to_string(f.ports) + "\n";
        if (f.ports == 2) text += "[Two-Port Data Order] 12_21\n";
        text += "[Number of Frequencies] " + std::to_string(kPoints.size()) + "\n";
        if (f.reference > 0) text += "[Reference] " + num(r) + (f.ports == 2 ? "\n" + num(r) : "") + "\n";
        text += "[Network Data]\n";
    } else {
        text += option + "   ! the options\n";
    }
    for (std::size_t i = 0; i < kPoints.size(); ++i) {
        const Known& k = kPoints[i];
        // The two-port is the antenna at port 1 and nothing coupled: with S
        // parameters S21 = S12 = 0; as Z, Z12 = Z21 = 0 and Z22 = R; as Y,
        // Y12 = Y21 = 0 and Y22 = 1 / R.
        cplx v11, v22;
        if (parameter == "S") {
            v11 = (k.z - r) / (k.z + r);
            v22 = 0.25;
        } else if (parameter == "Z") {
            v11 = f.version == 1 ? k.z / r : k.z;
            v22 = f.version == 1 ? 1.0 : r;
        } else {
            v11 = f.version == 1 ? r / k.z : 1.0 / k.z;
            v22 = f.version == 1 ? 1.0 : 1.0 / r;
        }
        const std::string freq = num(k.hz / f.unitHz);
        if (f.ports == 1) {
            if (i == 1) {
                text += freq + "\n   " + pair(v11, format) + "\n";  // wrapped onto the next line
            } else {
                text += freq + "\t" + pair(v11, format) + "  ! point " + std::to_string(i) + "\n";
            }
        } else {
            text += freq + " " + pair(v11, format) + " " + pair(0.0, "RI") + " " + pair(0.0, "RI") + " " +
                    pair(v22, format) + "\n";
        }
    }
    if (f.version == 1 && f.ports == 2) {
        // Noise parameters after the network data: frequency falls again.
        text += "! noise parameters\n" + num(kPoints[0].hz / f.unitHz) + " 1.5 0.4 20 0.3\n" +
                num(kPoints[2].hz / f.unitHz) + " 1.6 0.4 25 0.3\n";
    }
    if (f.version == 2) text += "[End]\n";
    return text;
}

TEST(MeasurementReader, ReadsEveryOptionLineFormAndDataFormat) {
    const Form forms[] = {
        {"a.s1p", "", 1e9, "", "", 0, 1, 1, "upper"},  // all defaults: GHz S MA R 50
        {"a.s1p", "Hz", 1, "S", "RI", 50, 1, 1, "upper"},    {"a.s1p", "kHz", 1e3, "S", "MA", 50, 1, 1, "upper"},
        {"a.s1p", "MHz", 1e6, "S", "DB", 50, 1, 1, "lower"}, {"a.s1p", "GHz", 1e9, "S", "RI", 75, 1, 1, "mixed"},
        {"a.s1p", "MHz", 1e6, "Z", "RI", 50, 1, 1, "upper"}, {"a.s1p", "MHz", 1e6, "Z", "MA", 75, 1, 1, "upper"},
        {"a.s1p", "MHz", 1e6, "Y", "RI", 50, 1, 1, "upper"}, {"a.s1p", "kHz", 1e3, "Y", "DB", 75, 1, 1, "mixed"},
        {"a.s1p", "MHz", 1e6, "", "RI", 0, 1, 1, "upper"},  // parameter and R default
        {"a.s1p", "Hz", 1, "S", "", 75, 1, 1, "upper"},     // format defaults to MA
        {"a.s2p", "MHz", 1e6, "S", "RI", 50, 1, 2, "upper"}, {"a.s2p", "GHz", 1e9, "S", "DB", 75, 1, 2, "lower"},
        {"a.s2p", "MHz", 1e6, "Z", "MA", 50, 1, 2, "upper"}, {"a.s2p", "MHz", 1e6, "Y", "RI", 75, 1, 2, "upper"},
        {"a.ts", "MHz", 1e6, "S", "RI", 50, 2, 1, "upper"},  {"a.ts", "Hz", 1, "Z", "MA", 75, 2, 1, "upper"},
        {"a.ts", "kHz", 1e3, "Y", "DB", 50, 2, 1, "mixed"},  {"a.ts", "MHz", 1e6, "S", "MA", 75, 2, 2, "upper"},
        {"a.ts", "MHz", 1e6, "Z", "RI", 50, 2, 2, "lower"},  {"a.ts", "GHz", 1e9, "Y", "RI", 75, 2, 2, "upper"},
        {"noext", "MHz", 1e6, "S", "RI", 50, 1, 1, "upper"},  // no telling name: read as Touchstone
    };
    for (const Form& f : forms) {
        const std::string text = fileFor(f);
        SCOPED_TRACE(text);
        const auto m = parseMeasurement(text, f.name);
        ASSERT_TRUE(m.ok()) << m.problem().text();
        const double r = f.reference > 0 ? f.reference : 50;
        EXPECT_EQ(m->format, f.version == 2 ? MeasurementFormat::Touchstone2 : MeasurementFormat::Touchstone1);
        EXPECT_EQ(m->ports, f.ports);
        EXPECT_DOUBLE_EQ(m->referenceOhms, r);
        ASSERT_EQ(m->points.size(), kPoints.size());
        for (std::size_t i = 0; i < kPoints.size(); ++i) {
            EXPECT_NEAR(m->points[i].hz, kPoints[i].hz, kPoints[i].hz * 1e-12);
            const cplx s = m->points[i].s11;
            const cplx z = r * (1.0 + s) / (1.0 - s);
            EXPECT_NEAR(z.real(), kPoints[i].z.real(), 1e-6) << i;
            EXPECT_NEAR(z.imag(), kPoints[i].z.imag(), 1e-6) << i;
        }
    }
}

TEST(MeasurementReader, ReadsVnaCsvLayouts) {
    const double r = 50;
    auto s11 = [&](cplx z) { return (z - r) / (z + r); };
    struct Case {
        const char* name;
        std::string text;
    };
    std::string hzComma = "Frequency (Hz),Re(S11),Im(S11)\n";
    std::string mhzSemicolon = "# exported sweep\nfreq MHz;S11 re;S11 im;S21 re;S21 im\n";
    std::string noHeadings, ohms = "Frequency (MHz),R (ohm),X (ohm),SWR\n";
    for (const Known& k : kPoints) {
        const cplx s = s11(k.z);
        hzComma += num(k.hz) + "," + num(s.real()) + "," + num(s.imag()) + "\r\n";
        std::string re = num(s.real()), im = num(s.imag());
        for (std::string* t : {&re, &im})
            for (char& c : *t)
                if (c == '.') c = ',';  // decimal commas under semicolons
        mhzSemicolon += num(k.hz / 1e6) + ";" + re + ";" + im + ";0;0\n";
        noHeadings += num(k.hz) + "\t" + num(s.real()) + "\t" + num(s.imag()) + "\n";
        ohms += num(k.hz / 1e6) + "," + num(k.z.real()) + "," + num(k.z.imag()) + ",9.9\n";
    }
    // The simulation's own export: a case column, then frequency, R, X, SWR;
    // the second case is another sweep.
    std::string cases2 = "case,frequency (MHz),R (ohm),X (ohm),SWR on 50 ohm\n";
    for (const Known& k : kPoints)
        cases2 += "calculated coil," + num(k.hz / 1e6) + "," + num(k.z.real()) + "," + num(k.z.imag()) + ",3\n";
    cases2 += "coil for F,7.0,1,2,3\n";
    const Case cases[] = {{"sweep.csv", hzComma}, {"sweep.csv", mhzSemicolon}, {"sweep.txt", noHeadings},
                          {"model.csv", ohms},    {"unnamed", hzComma},        {"study.csv", cases2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const auto m = parseMeasurement(c.text, c.name);
        ASSERT_TRUE(m.ok()) << m.problem().text();
        EXPECT_EQ(m->format, MeasurementFormat::Csv);
        EXPECT_EQ(m->notes.size(), std::string(c.name) == "study.csv" ? 1u : 0u);
        ASSERT_EQ(m->points.size(), kPoints.size());
        for (std::size_t i = 0; i < kPoints.size(); ++i) {
            EXPECT_NEAR(m->points[i].hz, kPoints[i].hz, 1e-3);
            const cplx z = r * (1.0 + m->points[i].s11) / (1.0 - m->points[i].s11);
            EXPECT_NEAR(std::abs(z - kPoints[i].z), 0, 1e-6) << i;
        }
    }
}

TEST(MeasurementReader, ReadsSeveralPointsOnALineAndFourPortsWrapped) {
    const auto two = parseMeasurement("# MHz S RI R 50\n7.0 0.1 0.2 7.1 0.3 0.4\n7.2 0.5 0.6\n", "x.s1p");
    ASSERT_TRUE(two.ok()) << two.problem().text();
    ASSERT_EQ(two->points.size(), 3u);
    EXPECT_EQ(two->points[1].s11, cplx(0.3, 0.4));
    // A four-port file: four rows of four pairs per frequency, S11 first.
    std::string four = "# GHz S RI R 50\n";
    for (int f = 1; f <= 2; ++f) {
        four += std::to_string(f) + " 0.1 0." + std::to_string(f) + " 0 0 0 0 0 0\n";
        for (int row = 0; row < 3; ++row) four += "  0 0 0 0 0 0 0 0\n";
    }
    const auto m = parseMeasurement(four, "x.s4p");
    ASSERT_TRUE(m.ok()) << m.problem().text();
    EXPECT_EQ(m->ports, 4);
    ASSERT_EQ(m->points.size(), 2u);
    EXPECT_EQ(m->points[1].s11, cplx(0.1, 0.2));
    EXPECT_DOUBLE_EQ(m->points[1].hz, 2e9);
}

TEST(MeasurementReader, NamesTheLineAndTheFaultOfADamagedFile) {
    const std::string head = "! sweep\n# MHz S RI R 50\n";
    struct Case {
        const char* name;
        std::string text;
        const char* expected;  // in the problem's text
    };
    const Case cases[] = {
        {"x.s1p", head + "7.0 0.1 0.2\n7.1 0.1\n7.2 0.3 0.4\n", "line 4: the point does not end where a line ends"},
        {"x.s1p", head + "7.0 0.1 0.2\n7.1 0.1 0.2x\n", "line 4: \"0.2x\" is not a number"},
        {"x.s1p", head + "7.0 0.1 0.2\n7.1 O.1 0.2\n", "line 4: \"O.1\" is not a number"},
        {"x.s1p", head + "7.2 0.1 0.2\n7.1 0.1 0.2\n",
         "line 4: the frequency 7.1 MHz does not rise above the one "
         "before it (7.2 MHz on line 3)"},
        {"x.s1p", head + "7.0 0.1 0.2\n7.0 0.1\n", "line 4: the frequency 7 MHz of line 3 again, with 2 values"},
        {"x.s1p", head + "7.0 0.1 0.2\n7.1 0.1 0.2\n7.2 0.1",
         "line 5: the file ends in the middle of a point: 2 of its 3"},
        {"x.s1p", head + "7.0 0.1 0.2\n\x01\x02\xff\x00junk\n", "line 4: a control character (byte 0x01)"},
        {"x.s1p", "# MHz S RI R 0\n7.0 0.1 0.2\n", "line 1: the reference impedance 0 ohm is not above 0"},
        {"x.s1p", "# MHz S RI R\n7.0 0.1 0.2\n", "line 1: \"R\" without its reference impedance"},
        {"x.s1p", "# MHz S XY R 50\n", "line 1: \"XY\" is not a part of the option line"},
        {"x.s1p", "# MHz H RI R 50\n", "line 1: H parameters hold no reflection coefficient"},
        {"x.s1p", "# MHz S RI R 50\n7.0 nan 0.2\n", "line 2: \"nan\" is not a number"},
        {"x.s1p", "# MHz Z RI R 50\n7.0 -1 0\n", "line 2: the values of the point at 7 MHz give no finite"},
        {"x.s1p", "# MHz S RI R 50\n-1 0.1 0.2\n", "line 2: the frequency -1 is below 0"},
        {"x.s1p", "# MHz S RI R 50\n[Number of Ports] 1\n", "line 2: the keyword [Number of Ports] in a file without"},
        {"x.ts",
         "[Version] 2.0\n# MHz S RI R 50\n[Number of Ports] 1\n[Number of Frequencies] 3\n[Network Data]\n"
         "7.0 0.1 0.2\n7.1 0.1 0.2\n[End]\n",
         "line 4: [Number of Frequencies] says 3, the file holds 2"},
        {"x.ts", "[Version] 2.0\n# MHz S RI R 50\n[Number of Ports] 2\n[Network Data]\n7.0 0 0 0 0 0 0 0 0\n",
         "line 4: a two-port file without [Two-Port Data Order]"},
        {"x.ts", "[Version] 2.0\n# MHz S RI\n[Number of Ports] 1\n[Reference] 0\n[Network Data]\n7 0 0\n",
         "line 4: the reference impedance 0 ohm is not above 0"},
        {"x.ts", "[Version] 3.5\n", "line 1: [Version] \"3.5\" is not a version this program reads"},
        {"x.ts", "[Version] 2.0\n# MHz S RI R 50\n[Number of Ports] 1\n[Network Data]\n7 0 0\n[End]\n8 0 0\n",
         "line 7: text after [End]"},
        {"x.ts", "[Version] 2.0\n# MHz S RI R 50\n[Number of Ports] 1\n[Colour] red\n",
         "line 4: [Colour] is not a keyword"},
        {"x.csv", "Frequency (Hz),Re,Im\n7000000,0.1,0.2\n7100000,0.1\n", "line 3: 2 values where the frequency"},
        {"x.csv", "Frequency (Hz),Re,Im\n7000000,0.1,0.2\n6900000,0.1,0.2\n",
         "line 3: the frequency 6.9 MHz does not rise"},
        {"x.csv", "7000000,0.1,0.2\nfreq,re,im\n", "line 2: \"freq\" is not a frequency"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const auto m = parseMeasurement(c.text, c.name);
        ASSERT_FALSE(m.ok()) << m->describe();
        EXPECT_NE(m.problem().text().find(c.expected), std::string::npos) << m.problem().text();
        EXPECT_EQ(m.problem().text().find('\n'), std::string::npos) << "one line";
        EXPECT_NE(m.problem().text().find(c.name), std::string::npos) << "names the file";
    }
}

TEST(MeasurementReader, TakesPortOnesReferenceOfALowerMatrixAndOnlyTheFirstOptionLine) {
    // Two ports, Z in ohms, the lower triangle (Z11, Z21, Z22), references
    // 60 and 75 ohm: S11 is Z11's reflection against port 1's 60 ohm.
    const auto two = parseMeasurement(
        "[Version] 2.0\n# MHz Z RI R 50\n[Number of Ports] 2\n"
        "[Two-Port Data Order] 21_12\n[Matrix Format] Lower\n[Reference] 60 75\n"
        "[Network Data]\n7.0 30 -40 0 0 75 0\n7.1 35 10\n 0 0 75 0\n[End]\n",
        "x.ts");
    ASSERT_TRUE(two.ok()) << two.problem().text();
    EXPECT_DOUBLE_EQ(two->referenceOhms, 60);
    ASSERT_EQ(two->points.size(), 2u);
    const cplx z11(35, 10);
    EXPECT_NEAR(std::abs(two->points[1].s11 - (z11 - 60.0) / (z11 + 60.0)), 0, 1e-12);
    // Version 1: a later option line changes nothing.
    const auto one = parseMeasurement("# MHz S RI R 50\n7.0 0.1 0.2\n# Hz Z MA R 75\n7.1 0.3 0.4\n", "x.s1p");
    ASSERT_TRUE(one.ok()) << one.problem().text();
    EXPECT_DOUBLE_EQ(one->referenceOhms, 50);
    ASSERT_EQ(one->points.size(), 2u);
    EXPECT_DOUBLE_EQ(one->points[1].hz, 7.1e6);
    EXPECT_EQ(one->points[1].s11, cplx(0.3, 0.4));
}

TEST(MeasurementReader, LeavesOutARepeatedFrequencyAndSaysSo) {
    const auto m = parseMeasurement("# MHz S RI R 50\n7.0 0.1 0.2\n7.1 0.3 0.4\n7.1 0.3 0.41\n7.2 0.5 0.6\n", "x.s1p");
    ASSERT_TRUE(m.ok()) << m.problem().text();
    ASSERT_EQ(m->points.size(), 3u);
    EXPECT_EQ(m->points[1].s11, cplx(0.3, 0.4));
    ASSERT_EQ(m->notes.size(), 1u);
    EXPECT_EQ(m->notes[0], "line 4 repeats the frequency 7.1 MHz of line 3; the repeat is left out");
}

TEST(MeasurementReader, AnEmptyFileReadsAsNoPointsAndTheFileIsNeverWritten) {
    for (const char* text : {"", "! nothing but a comment\n\n", "# MHz S RI R 50\n"}) {
        const auto m = parseMeasurement(text, "empty.s1p");
        ASSERT_TRUE(m.ok()) << m.problem().text();
        EXPECT_TRUE(m->points.empty());
    }
    QTemporaryDir dir;
    const std::string path = dir.filePath("antenna.s1p").toStdString();
    const std::string bytes = "# MHz S RI R 50\r\n7.0 0.1 0.2\r\n7.1 0.3 0.4\r\n";
    { std::ofstream(path, std::ios::binary) << bytes; }
    const auto m = readMeasurementFile(path);
    ASSERT_TRUE(m.ok()) << m.problem().text();
    EXPECT_EQ(m->points.size(), 2u);
    std::ifstream in(path, std::ios::binary);
    EXPECT_EQ(std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>()), bytes);
    const auto missing = readMeasurementFile(dir.filePath("none.s1p").toStdString());
    ASSERT_FALSE(missing.ok());
    EXPECT_NE(missing.problem().text().find("none.s1p cannot be opened"), std::string::npos);
}

// The reader's faults and notes reach the person in the program's
// language: every word of them goes through the translation system.
TEST(MeasurementReader, FaultsAndNotesGoThroughTheTranslation) {
    const test::AccentingTranslator accenting;
    const std::pair<const char*, const char*> faults[] = {
        {"a.s1p", "# MHz S MA R 50\n1 0.5\n"},
        {"a.s1p", "# MHz S MA R 50\n1 x 0\n"},
        {"a.s1p", "# MHz S MA R 50\n2 0.5 0\n1 0.5 0\n"},
        {"a.s1p", "# MHz H MA R 50\n1 0.5 0\n"},
        {"a.s1p", "# MHz S MA R 50 Q\n1 0.5 0\n"},
        {"a.s2p", "[Version] 2.0\n# MHz S MA R 50\n[Number of Ports] 2\n[Network Data]\n"},
        {"a.csv", "freq\n"},
    };
    for (const auto& [name, text] : faults) {
        const auto m = parseMeasurement(text, name);
        ASSERT_FALSE(m) << text;
        const QString shown = QString::fromStdString(m.problem().text());
        EXPECT_EQ(test::untranslatedWords(shown).join(u' ').toStdString(), "") << shown.toStdString();
    }
    const auto m = parseMeasurement("1 0.5 0\n", "a.s1p");
    ASSERT_TRUE(m);
    ASSERT_EQ(m->notes.size(), 1u);
    EXPECT_EQ(test::untranslatedWords(QString::fromStdString(m->notes[0])).join(u' ').toStdString(), "");
    EXPECT_NE(m->describe().find("1 p\u00f3rt, "), std::string::npos) << m->describe();
}

}  // namespace
}  // namespace yq
