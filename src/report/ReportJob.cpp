#include "report/ReportJob.h"

#include "files/ProgramState.h"
#include "platform/UserMessages.h"
#include "report/MetafileRenderer.h"
#include "report/ReportMessages.h"

namespace yq::report {

ReportSink::~ReportSink() = default;

ReportOutcome runReport(const QString& designPath, ProgramState& state, ReportSink& sink,
                        platform::UserMessages& messages, const ReportSources& sources, const RecordLoop& loop) {
    const ReportRecord record = loadReportRecord(designPath, sources.userFolder, sources.today);
    state.metric = record.metric;
    if (!record.userFileError.isEmpty()) {
        messages.error(QString::fromLatin1(messages::kUserFileUnreadable).arg(record.userFileError));
        return ReportOutcome::UserFileUnreadable;
    }

    // The record loop: one detail band per user record; the user record
    // buffer holds the record read last, as far as the loop got.
    PageModelBuilder builder(record);
    const auto step = [&](int i) {
        state.userRecord = record.designers.at(i);
        builder.addDetail(record.designers.at(i));
    };
    const int total = static_cast<int>(record.designers.size());
    if (loop) {
        if (!loop(total, step)) return ReportOutcome::Cancelled;
    } else {
        for (int i = 0; i < total; ++i) step(i);
    }
    return sink.deliver(builder.finish(), state) ? ReportOutcome::Delivered : ReportOutcome::NotDelivered;
}

PdfSink::PdfSink(QString path, platform::UserMessages& messages, ImageSource images)
    : path_(std::move(path)), messages_(messages), images_(std::move(images)) {}

bool PdfSink::deliver(const PageModel& model, ProgramState&) {
    QString error;
    if (PainterRenderer(images_).renderToPdf(model, path_, &error)) return true;
    messages_.error(error);
    return false;
}

ExportSink::ExportSink(MailContext& context, RandomSource& random, ImageSource images)
    : context_(context), random_(random), images_(std::move(images)) {}

bool ExportSink::deliver(const PageModel& model, ProgramState& state) {
    result_ = runDocumentExport(MetafileRenderer(images_).renderPages(model), state, context_, random_);
    return result_.documentWritten && !result_.draftPath.isEmpty();
}

}  // namespace yq::report
