#include "cli/PageCommands.h"

#include "cli/BuildSheetCommand.h"
#include "cli/ReportCommand.h"

#include <algorithm>
#include <ostream>

namespace yq::cli {

namespace {

bool listed(std::initializer_list<std::string_view> options, std::string_view arg) {
    return std::find(options.begin(), options.end(), arg) != options.end();
}

}  // namespace

std::optional<PageCommandArgs> parsePageCommand(const std::vector<std::string>& args, const PageCommandSyntax& syntax,
                                                std::ostream& err) {
    PageCommandArgs parsed;
    bool haveDesign = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (listed(syntax.flags, arg)) {
            parsed.options.emplace_back(arg, std::string());
        } else if (listed(syntax.valued, arg)) {
            if (i + 1 >= args.size() || args[i + 1].empty()) {
                err << "yq-calc: " << message(QT_TRANSLATE_NOOP("CalcMessages", "option '%1' needs a value"), {arg})
                    << '\n'
                    << usageLine(syntax.usage);
                return std::nullopt;
            }
            const std::string& value = args[++i];
            if (syntax.checkValue && !syntax.checkValue(arg, value, err)) return std::nullopt;
            parsed.options.emplace_back(arg, value);
        } else if (arg.size() > 1 && arg.front() == '-') {
            err << "yq-calc: " << message(QT_TRANSLATE_NOOP("CalcMessages", "unknown option '%1'"), {arg}) << '\n'
                << usageLine(syntax.usage);
            return std::nullopt;
        } else if (!haveDesign) {
            parsed.design = arg;
            haveDesign = true;
        } else {
            err << "yq-calc: " << message(QT_TRANSLATE_NOOP("CalcMessages", "unexpected argument '%1'"), {arg}) << '\n'
                << usageLine(syntax.usage);
            return std::nullopt;
        }
    }
    if (!haveDesign || parsed.design.empty()) {
        err << "yq-calc: " << message(QT_TRANSLATE_NOOP("CalcMessages", "%1 needs a design file"), {syntax.command})
            << '\n'
            << usageLine(syntax.usage);
        return std::nullopt;
    }
    return parsed;
}

int runPageCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const std::vector<std::string> rest(args.begin() + (args.empty() ? 0 : 1), args.end());
    if (!args.empty() && args[0] == "build-sheet") return runBuildSheetCommand(rest, out, err);
    return runReportCommand(rest, out, err);
}

std::unique_ptr<QGuiApplication> ensureGuiApplication() {
    if (QCoreApplication::instance()) return nullptr;
    static int argc = 3;
    static char arg0[] = "yq-calc";
    static char arg1[] = "-platform";
    static char arg2[] = "offscreen";
    static char* argv[] = {arg0, arg1, arg2, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace yq::cli
