#include "cli/BuildSheetCommand.h"

#include "cli/CalcCommand.h"
#include "files/DesignFile.h"
#include "report/BuildSheet.h"
#include "report/BuildSheetRenderer.h"
#include "report/Fonts.h"

#include <QFileInfo>
#include <QGuiApplication>

#include <memory>
#include <optional>
#include <ostream>

namespace yq::cli {

namespace {

constexpr const char* kBuildSheetUsage =
    "usage: yq-calc build-sheet DESIGN.ini (--pdf OUT.pdf | --svg OUT.svg | --png OUT.png) ...\n";

struct Output {
    std::string format;  // "--pdf", "--svg", "--png"
    std::string path;
};

struct BuildSheetArgs {
    std::string design;
    std::vector<Output> outputs;
};

std::optional<BuildSheetArgs> parse(const std::vector<std::string>& args, std::ostream& err) {
    BuildSheetArgs parsed;
    bool haveDesign = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--pdf" || arg == "--svg" || arg == "--png") {
            if (i + 1 >= args.size() || args[i + 1].empty()) {
                err << "yq-calc: option '" << arg << "' needs a value\n" << kBuildSheetUsage;
                return std::nullopt;
            }
            parsed.outputs.push_back({arg, args[++i]});
        } else if (arg.size() > 1 && arg.front() == '-') {
            err << "yq-calc: unknown option '" << arg << "'\n" << kBuildSheetUsage;
            return std::nullopt;
        } else if (!haveDesign) {
            parsed.design = arg;
            haveDesign = true;
        } else {
            err << "yq-calc: unexpected argument '" << arg << "'\n" << kBuildSheetUsage;
            return std::nullopt;
        }
    }
    if (!haveDesign || parsed.design.empty()) {
        err << "yq-calc: build-sheet needs a design file\n" << kBuildSheetUsage;
        return std::nullopt;
    }
    if (parsed.outputs.empty()) {
        err << "yq-calc: build-sheet needs --pdf, --svg or --png\n" << kBuildSheetUsage;
        return std::nullopt;
    }
    return parsed;
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

}  // namespace

int runBuildSheetCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const auto parsed = parse(args, err);
    if (!parsed) return 2;
    const QString design = QString::fromStdString(parsed->design);
    if (!QFileInfo(design).isFile()) {
        err << "yq-calc: design file not found: " << parsed->design << '\n';
        return 1;
    }

    // The window of the file's unit system opens it and recalculates.
    DesignRecord probe;
    QString readError;
    const long long unitSystem = readDesignFile(design, probe, &readError);
    if (!readError.isEmpty()) {
        err << "yq-calc: the design file " << readError.toStdString() << '\n';
        return 1;
    }
    CalcCase c;
    c.metric = unitSystem == 1;
    c.file = parsed->design;
    std::optional<DesignRecord> record;
    try {
        record.emplace(computeCase(c));
    } catch (const UsageError& e) {
        err << "yq-calc: " << e.message << '\n';
        return 1;
    }

    const auto app = ensureGuiApplication();
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        err << "yq-calc: the build sheet needs a GUI application object\n";
        return 1;
    }
    report::installFontSubstitutions();
    report::BuildSheetOptions options;
    options.designName = QFileInfo(design).fileName();
    const report::BuildSheet sheet = report::buildBuildSheet(*record, options);

    int status = 0;
    for (const Output& o : parsed->outputs) {
        const QString path = QString::fromStdString(o.path);
        QString error;
        bool ok = false;
        if (o.format == "--pdf")
            ok = report::writeBuildSheetPdf(sheet, path, &error);
        else if (o.format == "--svg")
            ok = report::writeBuildSheetSvg(sheet, path, &error);
        else
            ok = report::writeBuildSheetPng(sheet, path, 150, &error);
        if (ok) {
            out << o.path << '\n';
        } else {
            err << "yq-calc: " << error.toStdString() << '\n';
            status = 1;
        }
    }
    return status;
}

}  // namespace yq::cli
