#include "cli/BuildSheetCommand.h"

#include "cli/CalcCommand.h"
#include "cli/PageCommands.h"
#include "files/DesignFile.h"
#include "report/BuildSheet.h"
#include "report/BuildSheetRenderer.h"
#include "report/Fonts.h"

#include <QFileInfo>

#include <memory>
#include <optional>
#include <ostream>

namespace yq::cli {

namespace {

constexpr std::string_view kBuildSheetUsage =
    "yq-calc build-sheet DESIGN.ini (--pdf OUT.pdf | --svg OUT.svg | --png OUT.png) ...";

// The outputs in command-line order: "--pdf", "--svg" or "--png" and a path.
std::optional<PageCommandArgs> parseBuildSheetArgs(const std::vector<std::string>& args, std::ostream& err) {
    auto parsed = parsePageCommand(args, {"build-sheet", kBuildSheetUsage, {"--pdf", "--svg", "--png"}, {}, {}}, err);
    if (parsed && parsed->options.empty()) {
        err << "yq-calc: " << message(QT_TRANSLATE_NOOP("CalcMessages", "build-sheet needs --pdf, --svg or --png"))
            << '\n'
            << usageLine(kBuildSheetUsage);
        return std::nullopt;
    }
    return parsed;
}

}  // namespace

int runBuildSheetCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const auto parsed = parseBuildSheetArgs(args, err);
    if (!parsed) return 2;
    const QString design = QString::fromStdString(parsed->design);
    if (!QFileInfo(design).isFile()) {
        err << "yq-calc: " << message(QT_TRANSLATE_NOOP("CalcMessages", "design file not found: %1"), {parsed->design})
            << '\n';
        return 1;
    }

    // The window of the file's unit system opens it and recalculates.
    DesignRecord probe;
    const Result<long long> read = readDesignFile(design, probe);
    if (!read) {
        err << "yq-calc: " << message(QT_TRANSLATE_NOOP("CalcMessages", "the design file %1"), {read.problem().text()})
            << '\n';
        return 1;
    }
    const long long unitSystem = *read;
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
        err << "yq-calc: "
            << message(QT_TRANSLATE_NOOP("CalcMessages", "the build sheet needs a GUI application object")) << '\n';
        return 1;
    }
    report::installFontSubstitutions();
    report::BuildSheetOptions options;
    options.designName = QFileInfo(design).fileName();
    const report::BuildSheet sheet = report::buildBuildSheet(*record, options);

    int status = 0;
    for (const auto& [format, file] : parsed->options) {
        const QString path = QString::fromStdString(file);
        const Result<> written = format == "--pdf"   ? report::writeBuildSheetPdf(sheet, path)
                                 : format == "--svg" ? report::writeBuildSheetSvg(sheet, path)
                                                     : report::writeBuildSheetPng(sheet, path, 150);
        if (written) {
            out << file << '\n';
        } else {
            err << "yq-calc: " << written.problem().text() << '\n';
            status = 1;
        }
    }
    return status;
}

}  // namespace yq::cli
