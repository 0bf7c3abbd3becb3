#include "app/CommandLine.h"

namespace yq {

platform::HelpPage programHelpPage() {
    platform::HelpPage page;
    page.usages = {"yq [OPTION]..."};
    page.description =
        "The YQ design calculator: design the YQ antenna in inches or millimetres, save designs and the "
        "results table YQ.csv in the working folder, print the design report and mail results.\n\n"
        "The program opens its main window; the design windows open from its menu. Files are kept in "
        "the working folder (the folder of the last design file opened).";
    page.sections = {
        {"Options",
         {
             {"--lang CODE",
              "the language of the windows for this run: en, de, ja, ru, it, es, pl, pt_BR, fr, cs or nl "
              "(default: the desktop's, from LANGUAGE, LC_ALL, LC_MESSAGES or LANG)",
              "yq --lang de"},
             {"-h, --help", "show this help and exit", "yq --help"},
             {"-V, --version", "show the version and exit", "yq --version"},
             {"/HADebug",
              "trace the hyperlink service of the design windows on standard error: every line starts with "
              "\"RazedUveziz: \" (registrations, events, the commands run, no browser or mail program found)",
              "yq /HADebug 2> links.log"},
             {"/HAdbg", "trace each failed look-up of the desktop's browser or mail program (\"RegQueryValue: ...\")",
              "yq /HAdbg"},
             {"/HAdbgReg", "trace the attempts of the per-link handler check (\"Tried(...\")", "yq /HAdbgReg"},
             {"-platform NAME", "the Qt display plug-in (xcb, wayland, offscreen); Qt's other options are taken too",
              "yq -platform xcb"},
         }},
    };
    page.epilogue =
        "The trace switches may be given together and in any case (/hadebug). Traces go\n"
        "to standard error, never to the screen.\n"
        "\n"
        "Exit status:\n"
        "  0   the main window was closed (Shutdown)";
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
