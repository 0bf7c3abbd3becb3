#include "cli/ReportCommand.h"
#include "cli/PageCommands.h"

#include "platform/UserMessages.h"
#include "report/Fonts.h"
#include "report/RandomSource.h"
#include "report/ReportJob.h"

#include <QDir>
#include <QFileInfo>

#include <memory>
#include <optional>
#include <ostream>

namespace yq::cli {

namespace {

constexpr std::string_view kReportUsage = "yq-calc report DESIGN.ini (--pdf OUT.pdf | --export) [--date YYYY-MM-DD]";

struct ReportArgs {
    std::string design;
    std::string pdf;
    bool exportDocument = false;
    std::optional<QDate> date;
};

// Returns the parsed arguments, or nothing after writing the reason to `err`.
std::optional<ReportArgs> parseReportArgs(const std::vector<std::string>& args, std::ostream& err) {
    const auto checkDate = [](const std::string& option, const std::string& value, std::ostream& e) {
        if (option != "--date" || QDate::fromString(QString::fromStdString(value), Qt::ISODate).isValid()) return true;
        e << "yq-calc: "
          << message(QT_TRANSLATE_NOOP("CalcMessages", "invalid date '%1' (expected YYYY-MM-DD)"), {value}) << '\n';
        return false;
    };
    const auto words =
        parsePageCommand(args, {"report", kReportUsage, {"--pdf", "--date"}, {"--export"}, checkDate}, err);
    if (!words) return std::nullopt;
    ReportArgs parsed;
    parsed.design = words->design;
    for (const auto& [option, value] : words->options) {
        if (option == "--export")
            parsed.exportDocument = true;
        else if (option == "--pdf")
            parsed.pdf = value;
        else
            parsed.date = QDate::fromString(QString::fromStdString(value), Qt::ISODate);
    }
    if (parsed.pdf.empty() && !parsed.exportDocument) {
        err << "yq-calc: " << message(QT_TRANSLATE_NOOP("CalcMessages", "report needs --pdf OUT.pdf or --export"))
            << '\n'
            << usageLine(kReportUsage);
        return std::nullopt;
    }
    return parsed;
}

// The report's messages on standard error: errors as "yq-calc: ..." on one
// line, notices (no mail program here) left out.
class StreamMessages final : public platform::UserMessages {
public:
    explicit StreamMessages(std::ostream& err) : err_(err) {}
    void error(const QString& text) override {
        err_ << "yq-calc: " << QString(text).replace(u'|', u' ').toStdString() << '\n';
        failed_ = true;
    }
    void information(const QString&, const QString&) override {}
    bool confirm(const QString&, const QString&) override { return false; }
    bool failed() const { return failed_; }

private:
    std::ostream& err_;
    bool failed_ = false;
};

}  // namespace

int runReportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const auto parsed = parseReportArgs(args, err);
    if (!parsed) return 2;

    const QString design = QString::fromStdString(parsed->design);
    if (!QFileInfo::exists(design)) {
        // The program itself prints zeros for a missing file; from the command
        // line a mistyped name is far more likely, so it is refused.
        err << "yq-calc: " << message(QT_TRANSLATE_NOOP("CalcMessages", "design file not found: %1"), {parsed->design})
            << '\n';
        return 1;
    }
    const auto app = ensureGuiApplication();
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        err << "yq-calc: " << message(QT_TRANSLATE_NOOP("CalcMessages", "the report needs a GUI application object"))
            << '\n';
        return 1;
    }
    report::installFontSubstitutions();

    // Whatever the report would tell the user goes to standard error, one
    // line per message; any error makes the command fail.
    StreamMessages messages(err);
    report::ReportSources sources;
    sources.userFolder = QDir::currentPath();
    if (parsed->date) sources.today = [d = *parsed->date] { return d; };
    if (!parsed->pdf.empty()) {
        report::PdfSink pdf(QString::fromStdString(parsed->pdf), messages);
        if (report::runReport({design}, pdf, messages, sources).outcome != report::ReportOutcome::Delivered) return 1;
    }
    if (parsed->exportDocument) {
        // Report mode 1 in the current folder: the document, its HTML page
        // and the mail's draft, without a mail program (the draft is the mail).
        report::MailContext context;
        context.workingFolder = QDir::currentPath();
        context.messages = &messages;
        report::SystemRandomSource random;
        report::ExportSink exportPages(context, random);
        const report::ReportOutcome outcome =
            report::runReport({design, ReportMode::Export}, exportPages, messages, sources).outcome;
        const report::ExportResult& result = exportPages.result();
        if (result.document) out << result.documentPath.toStdString() << '\n';
        if (!result.htmlPath.isEmpty() && QFileInfo::exists(result.htmlPath))
            out << result.htmlPath.toStdString() << '\n';
        if (!result.draftPath.isEmpty()) out << result.draftPath.toStdString() << '\n';
        if (outcome != report::ReportOutcome::Delivered) return 1;
    }
    return messages.failed() ? 1 : 0;
}

}  // namespace yq::cli
