#include "app/CommandLine.h"

#include <QCoreApplication>

namespace yq {

namespace {

// A text of the help page in the program's language.
std::string helpText(const QString& text) { return text.toStdString(); }

}  // namespace

platform::HelpPage programHelpPage() {
    platform::HelpPage page;
    page.usages = {"yq [OPTION]..."};
    page.description = helpText(QCoreApplication::translate(
        "ProgramHelp",
        "The YQ design calculator: design the YQ antenna in inches or millimetres, save designs and the "
        "results table YQ.csv in the working folder, print the design report and mail results.\n\n"
        "The program opens its main window; the design windows open from its menu. Files are kept in "
        "the working folder (the folder of the last design file opened)."));
    page.sections = {
        {helpText(QCoreApplication::translate("ProgramHelp", "Options")),
         {
             {"--lang CODE",
              helpText(QCoreApplication::translate(
                  "ProgramHelp",
                  "the language of the windows for this run: en, de, ja, ru, it, es, pl, pt_BR, fr, cs or nl "
                  "(default: the desktop's, from LANGUAGE, LC_ALL, LC_MESSAGES or LANG)")),
              "yq --lang de"},
             {"-h, --help", helpText(QCoreApplication::translate("ProgramHelp", "show this help and exit")),
              "yq --help"},
             {"-V, --version", helpText(QCoreApplication::translate("ProgramHelp", "show the version and exit")),
              "yq --version"},
             {"/HADebug",
              helpText(QCoreApplication::translate(
                  "ProgramHelp",
                  "trace the hyperlink service of the design windows on standard error: every line starts with "
                  "\"RazedUveziz: \" (registrations, events, the commands run, no browser or mail program found)")),
              "yq /HADebug 2> links.log"},
             {"/HAdbg",
              helpText(QCoreApplication::translate(
                  "ProgramHelp",
                  "trace each failed look-up of the desktop's browser or mail program (\"RegQueryValue: ...\")")),
              "yq /HAdbg"},
             {"/HAdbgReg",
              helpText(QCoreApplication::translate("ProgramHelp",
                                                   "trace the attempts of the per-link handler check (\"Tried(...\")")),
              "yq /HAdbgReg"},
             {"-platform NAME",
              helpText(QCoreApplication::translate(
                  "ProgramHelp", "the Qt display plug-in (xcb, wayland, offscreen); Qt's other options are taken too")),
              "yq -platform xcb"},
         }},
    };
    page.epilogue = helpText(
        QCoreApplication::translate("ProgramHelp",
                                    "The trace switches may be given together and in any case (/hadebug). Traces go\n"
                                    "to standard error, never to the screen.\n"
                                    "\n"
                                    "Exit status:\n"
                                    "  0   the main window was closed (Shutdown)"));
    return page;
}

std::optional<int> answerInformationOptions(const std::vector<std::string>& args, std::ostream& out) {
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h") {
            out << platform::formatHelp(programHelpPage());
            return 0;
        }
        if (arg == "--version" || arg == "-V") {
            out << platform::formatVersion("yq", platform::programVersion());
            return 0;
        }
    }
    return std::nullopt;
}

}  // namespace yq
