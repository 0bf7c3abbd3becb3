#include "cli/SimulateCommand.h"

#include "design/DesignTools.h"
#include "files/AtomicFile.h"
#include "files/DesignFile.h"
#include "sim/Comparison.h"
#include "sim/Model.h"
#include "sim/Study.h"

#include <QFileInfo>
#include <QString>

#include <atomic>
#include <csignal>
#include <cstdlib>
#include <ostream>

#include <unistd.h>

namespace yq::cli {

namespace {

// Ctrl+C during a study: the runs are stopped and the command ends.
std::atomic<bool> interrupted{false};
extern "C" void onInterrupt(int) { interrupted = true; }

}  // namespace

int runSimulateCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    auto usage = [&](const std::string& text) {
        err << "yq-calc: " << text << '\n'
            << usageLine(
                   "yq-calc simulate DESIGN.ini [--model standard|detailed] [--format table|json|csv|s1p] "
                   "[--deck OUT.nec]");
        return 2;
    };
    std::string file, model = "standard", format = "table", deckPath;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](std::string& into) {
            if (i + 1 >= args.size()) return false;
            into = args[++i];
            return true;
        };
        if (a == "--model") {
            if (!value(model))
                return usage(message(QT_TRANSLATE_NOOP("CalcMessages", "'--model' needs standard or detailed")));
        } else if (a == "--format") {
            if (!value(format))
                return usage(message(QT_TRANSLATE_NOOP("CalcMessages", "'--format' needs table, json, csv or s1p")));
        } else if (a == "--deck") {
            if (!value(deckPath))
                return usage(message(QT_TRANSLATE_NOOP("CalcMessages", "'--deck' needs a file name")));
        } else if (!a.empty() && a[0] == '-') {
            return usage(message(QT_TRANSLATE_NOOP("CalcMessages", "unknown option '%1'"), {a}));
        } else if (file.empty()) {
            file = a;
        } else {
            return usage(
                message(QT_TRANSLATE_NOOP("CalcMessages", "'simulate' takes one design file, got '%1' as well"), {a}));
        }
    }
    if (file.empty()) return usage(message(QT_TRANSLATE_NOOP("CalcMessages", "'simulate' needs a design file")));
    if (model != "standard" && model != "detailed")
        return usage(message(QT_TRANSLATE_NOOP("CalcMessages", "unknown model '%1'"), {model}));
    if (format != "table" && format != "json" && format != "csv" && format != "s1p")
        return usage(message(QT_TRANSLATE_NOOP("CalcMessages", "unknown format '%1'"), {format}));
    const QString path = QString::fromStdString(file);
    if (!QFileInfo(path).isFile())
        return usage(message(QT_TRANSLATE_NOOP("CalcMessages", "design file '%1' not found"), {file}));

    // The file's own unit system decides the record, as its window reads it.
    DesignRecord probe(UnitSystem::Imperial);
    const Result<long long> read = readDesignFile(path, probe);
    if (!read) {
        err << "yq-calc: " << message(QT_TRANSLATE_NOOP("CalcMessages", "the design file %1"), {read.problem().text()})
            << '\n';
        return 1;
    }
    const long long unitSystem = *read;
    DesignRecord design(unitSystem == 1 ? UnitSystem::Metric : UnitSystem::Imperial);
    (void)readDesignFile(path, design);
    reCalcAs(design, unitSystem == 1);

    if (!deckPath.empty()) {
        const std::string deck = model == "detailed" ? sim::exportDetailedDeck(design) : sim::exportDeck(design);
        const Result<> written =
            replaceFile(QString::fromStdString(deckPath), QByteArray(deck.data(), qsizetype(deck.size())));
        if (!written) {
            err << "yq-calc: " << written.problem().text() << '\n';
            return 1;
        }
    }

    sim::StudyOptions options;
    options.model = model == "detailed" ? sim::ModelKind::Detailed : sim::ModelKind::Standard;
    if (const char* program = std::getenv("YQ_NEC2C"); program && *program) options.program = program;
    int shown = -10;
    if (options.model == sim::ModelKind::Detailed && isatty(STDERR_FILENO)) {
        // The detailed study takes seconds: its progress on a terminal's standard error.
        options.progress = [&err, &shown](double share) {
            const int percent = int(share * 100);
            if (percent / 10 == shown / 10) return;
            shown = percent;
            err << "yq-calc: "
                << message(QT_TRANSLATE_NOOP("CalcMessages", "detailed model, %1 % done"), {std::to_string(percent)})
                << '\n'
                << std::flush;
        };
    }
    interrupted = false;
    options.cancel = &interrupted;
    auto* previous = std::signal(SIGINT, onInterrupt);
    const auto study = sim::runStudy(design, options);
    std::signal(SIGINT, previous == SIG_ERR ? SIG_DFL : previous);
    if (!study) {
        err << "yq-calc: " << study.problem().text() << '\n';
        return 1;
    }
    if (format == "json")
        out << sim::comparisonJson(design, *study);
    else if (format == "csv")
        out << sim::sweepCsv(*study);
    else if (format == "s1p")
        out << sim::sweepTouchstone(*study);
    else
        out << sim::comparisonText(design, *study);
    return 0;
}

}  // namespace yq::cli
