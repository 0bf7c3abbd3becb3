#include "cli/CalcHelp.h"

#include <QCoreApplication>

#include <algorithm>

namespace yq::cli {

namespace {

// A text of the help in the program's language.
std::string help(const char* text) { return QCoreApplication::translate("CalcHelp", text).toStdString(); }

// The commands: a row's usage starts with the command's word; the
// calculation itself (no command word) comes first.
// (Made on each call: the texts are in the language of the moment.)
std::vector<platform::HelpRow> commandRows() {
    return {
        {"[OPTION]... KEY=VALUE...",
         help(QT_TRANSLATE_NOOP(
             "CalcHelp",
             "compute a design: start from a fresh design (every field 0) or --file, store each KEY=VALUE "
             "(exact decimal text, rounded half away from zero to the field's places), run the calculation and "
             "print every key")),
         "yq-calc F=7.15 CD=2 LD=6 WD=0.04 SP=0.08 CCD=2"},
        {"--batch [--format FORMAT]",
         help(QT_TRANSLATE_NOOP("CalcHelp",
                                "one case per line on standard input, one output line (or \"error\") per case")),
         "printf 'F=7.15 CD=2 LD=6\\n--metric F=144.3 CD=50 LD=6\\n' | yq-calc --batch"},
        {"save [--metric] [--file PATH] KEY=VALUE...",
         help(QT_TRANSLATE_NOOP(
             "CalcHelp",
             "SAVE in the current folder: write the design file named from F, CD and LD, append its row to "
             "YQ.csv, print the design file's path")),
         "yq-calc save F=7.15 CD=2 LD=6 WD=0.04 SP=0.08 CCD=2"},
        {"users [add TEXT | delete TEXT]",
         help(QT_TRANSLATE_NOOP(
             "CalcHelp",
             "list the user records of the current folder (the first is printed on reports and written into "
             "YQ.csv), add one, or delete one")),
         "yq-calc users add \"Ann Smith K1ABC\""},
        {"report DESIGN.ini (--pdf OUT.pdf | --export)",
         help(QT_TRANSLATE_NOOP(
             "CalcHelp",
             "the design report of a design file: as a PDF, or exported as in the e-mail command (Report.RTF, "
             "its HTML page and the mail's draft in VH/ of the current folder, their paths printed)")),
         "yq-calc report 726.ini --pdf report.pdf"},
        {"build-sheet DESIGN.ini (--pdf OUT.pdf | --svg OUT.svg | --png OUT.png)...",
         help(QT_TRANSLATE_NOOP(
             "CalcHelp",
             "the build sheet of a design file (the dimensioned drawing and the cut list), calculated as the "
             "design window of its unit system does, as one or more of PDF, SVG and PNG")),
         "yq-calc build-sheet 726.ini --pdf sheet.pdf --png sheet.png"},
        {"fit (NT=TURNS | SCT=TURNS) [--metric] [--file PATH] KEY=VALUE...",
         help(QT_TRANSLATE_NOOP(
             "CalcHelp",
             "fit the capacitance factor FAC to the tuning coil's turns NT, or the degrees of phase DPS to the "
             "source coil's turns SCT, of a built antenna (exit status 3 when no value comes within half a turn; "
             "the nearest is printed)")),
         "yq-calc fit NT=25 F=7.15 CD=2 LD=6 WD=0.04 SP=0.08 CCD=2"},
        {"tune DESIGN.ini MEASURED.s1p [--wound TURNS] [--format table|json]",
         help(QT_TRANSLATE_NOOP(
             "CalcHelp",
             "read an analyser's sweep of the built antenna (Touchstone .s1p, .s2p, .ts or a VNA program's CSV), "
             "find its series resonance, least SWR and 2:1 SWR bandwidth, and give the tuning coil's turns for "
             "the design frequency with the capacitance factor that fits them (exit status 2 for a bad or damaged "
             "file, 3 when it holds no usable sweep)")),
         "yq-calc simulate 726.ini --format s1p > model.s1p && yq-calc tune 726.ini model.s1p --wound 22"},
        {"sweep KEY=FROM:TO:STEP [--metric] [--file PATH] KEY=VALUE...",
         help(QT_TRANSLATE_NOOP("CalcHelp",
                                "compute the design for each value of one input over a range, one CSV row per value")),
         "yq-calc sweep F=7.0:7.3:0.05 CD=2 LD=6 WD=0.04 SP=0.08 CCD=2"},
        {"convert DESIGN.ini --to metric|imperial",
         help(QT_TRANSLATE_NOOP(
             "CalcHelp",
             "convert a design file between inches and millimetres and save it under the other unit system's "
             "name in the current folder")),
         "yq-calc convert 726.ini --to metric"},
        {"simulate DESIGN.ini [--model standard|detailed] [--format table|json|csv|s1p] [--deck OUT.nec]",
         help(QT_TRANSLATE_NOOP(
             "CalcHelp",
             "simulate the design in NEC-2 (runs nec2c) and print the calculator's figures beside the model's: "
             "the series resonance, the coil the model needs at F, the impedance, Q, bandwidths, SWR, "
             "efficiency and gain; csv and s1p print the sweep (Touchstone S11 against 50 ohm); exit status 1 "
             "when nec2c is missing or fails")),
         "yq-calc simulate 726.ini --deck 726.nec"},
    };
}

}  // namespace

platform::HelpPage calcHelpPage() {
    platform::HelpPage page;
    page.usages = {"yq-calc [OPTION]... KEY=VALUE...",
                   help(QT_TRANSLATE_NOOP("CalcHelp", "yq-calc --batch [--format FORMAT]")),
                   "yq-calc COMMAND [ARGUMENT]..."};
    page.description = help(QT_TRANSLATE_NOOP(
        "CalcHelp",
        "Computes YQ antenna designs with the calculation of the design windows, without the windows: one "
        "design from the command line, many from standard input, and the windows' SAVE, user list, report, "
        "build sheet and design tools."));
    page.sections = {
        {help(QT_TRANSLATE_NOOP("CalcHelp", "Commands")), commandRows()},
        {help(QT_TRANSLATE_NOOP("CalcHelp", "Options")),
         {
             {"--metric",
              help(QT_TRANSLATE_NOOP("CalcHelp", "the design is in millimetres (the Metric design window)")),
              "yq-calc --metric F=144.3 CD=50 LD=6"},
             {"--file PATH",
              help(QT_TRANSLATE_NOOP(
                  "CalcHelp",
                  "start from a design file, read as a design window reads it (a warning when its unit system is "
                  "the other one)")),
              "yq-calc --file 726.ini LD=7"},
             {"--runs N",
              help(QT_TRANSLATE_NOOP("CalcHelp",
                                     "run the full calculation N times (default 1; 0 only stores the values)")),
              "yq-calc --runs 2 F=7.15 CD=2 LD=6"},
             {"--partial NAME",
              help(QT_TRANSLATE_NOOP(
                  "CalcHelp",
                  "run only the named partial recalculation of a window field instead of the full one: "
                  "cylinder-length, ld-from-cylinder-length, wire-length, coil-from-estimated-capacitance, "
                  "turns-from-inductance, coil-from-turns, phasing-coil-turns")),
              "yq-calc --partial cylinder-length F=7.15 CD=2 LD=6"},
             {"--format FORMAT",
              help(QT_TRANSLATE_NOOP(
                  "CalcHelp",
                  "how the design is printed: line (the default: every key as KEY=value on one line), table "
                  "(one quantity a line with the window's label, its value in the window's picture and its "
                  "unit, in the window's order), json (an object of every key with its exact decimal text as "
                  "a string) or csv (the title row and the row of the results table YQ.csv)")),
              "yq-calc --format table F=7.15 CD=2 LD=6"},
             {"--lang CODE",
              help(QT_TRANSLATE_NOOP("CalcHelp",
                                     "the language of the help and the messages: en, de, ja, ru, it, es, pl, pt_BR, "
                                     "fr, cs or nl (default: the desktop's, from LANGUAGE, LC_ALL, LC_MESSAGES or "
                                     "LANG)")),
              "yq-calc --lang de --help"},
             {"-h, --help", help(QT_TRANSLATE_NOOP("CalcHelp", "show this help and exit")), "yq-calc --help"},
             {"-V, --version", help(QT_TRANSLATE_NOOP("CalcHelp", "show the version and exit")), "yq-calc --version"},
         }},
        {help(QT_TRANSLATE_NOOP("CalcHelp", "Report options")),
         {
             {"--pdf OUT.pdf", help(QT_TRANSLATE_NOOP("CalcHelp", "write the report as a PDF file")),
              "yq-calc report 726.ini --pdf 726.pdf"},
             {"--export",
              help(QT_TRANSLATE_NOOP("CalcHelp", "write Report.RTF, the HTML page and the mail's draft into VH/")),
              "yq-calc report 726.ini --export"},
             {"--date YYYY-MM-DD", help(QT_TRANSLATE_NOOP("CalcHelp", "the print date on the report (default today)")),
              "yq-calc report 726.ini --pdf 726.pdf --date 2024-03-09"},
         }},
        {help(QT_TRANSLATE_NOOP("CalcHelp", "Simulate options")),
         {
             {"--model standard",
              help(QT_TRANSLATE_NOOP("CalcHelp",
                                     "the NEC-2 model: standard (thick wires for the cylinders, lumped coils)")),
              "yq-calc simulate 726.ini --model standard"},
             {"--model detailed",
              help(QT_TRANSLATE_NOOP(
                  "CalcHelp",
                  "the detailed model (wire-grid cages, helical coils, the leads; some seconds, progress on "
                  "a terminal's standard error, Ctrl+C stops it): only the resonance, radiation resistance, gain and "
                  "efficiency")),
              "yq-calc simulate 726.ini --model detailed"},
             {"--format FORMAT",
              help(QT_TRANSLATE_NOOP("CalcHelp",
                                     "table (the default), json, csv (the sweep) or s1p (the sweep as Touchstone)")),
              "yq-calc simulate 726.ini --format s1p > 726.s1p"},
             {"--deck OUT.nec",
              help(QT_TRANSLATE_NOOP("CalcHelp", "also write the model's NEC deck, which NEC-2 programs open")),
              "yq-calc simulate 726.ini --deck 726.nec"},
         }},
        {help(QT_TRANSLATE_NOOP("CalcHelp", "Build sheet options")),
         {
             {"--pdf OUT.pdf", help(QT_TRANSLATE_NOOP("CalcHelp", "write the build sheet as a PDF file")),
              "yq-calc build-sheet 726.ini --pdf sheet.pdf"},
             {"--svg OUT.svg", help(QT_TRANSLATE_NOOP("CalcHelp", "write it as an SVG drawing")),
              "yq-calc build-sheet 726.ini --svg sheet.svg"},
             {"--png OUT.png", help(QT_TRANSLATE_NOOP("CalcHelp", "write it as a PNG picture")),
              "yq-calc build-sheet 726.ini --png sheet.png"},
         }},
    };
    page.epilogue =
        help(QT_TRANSLATE_NOOP("CalcHelp",
                               "Exit status:\n"
                               "  0   success\n"
                               "  1   a file could not be read or written; in --batch, a line could not be\n"
                               "      computed (it prints \"error\", the other lines are computed)\n"
                               "  2   bad input (unknown key or option, a value that is no decimal number);\n"
                               "      the message names it on standard error"));
    return page;
}

std::vector<std::string> calcCommandNames() {
    std::vector<std::string> names;
    for (const platform::HelpRow& row : commandRows()) {
        const std::string word = row.usage.substr(0, row.usage.find(' '));
        if (!word.empty() && word.front() != '-' && word.front() != '[') names.push_back(word);
    }
    return names;
}

std::optional<int> answerCalcInformationOptions(const std::vector<std::string>& args, std::ostream& out) {
    if (args.empty()) return std::nullopt;
    const std::vector<std::string> commands = calcCommandNames();
    std::size_t first = 0;
    if (std::find(commands.begin(), commands.end(), args[0]) != commands.end()) first = 1;
    if (first >= args.size()) return std::nullopt;
    const std::string& word = args[first];
    if (word == "--help" || word == "-h") {
        out << platform::formatHelp(calcHelpPage());
        return 0;
    }
    if (word == "--version" || word == "-V") {
        out << platform::formatVersion("yq-calc", platform::programVersion());
        return 0;
    }
    return std::nullopt;
}

}  // namespace yq::cli
