#include "report/ReportJob.h"

#include "files/ProgramState.h"
#include "platform/UserMessages.h"
#include "report/MetafileRenderer.h"
#include "report/ReportMessages.h"

namespace yq::report {

ReportSink::~ReportSink() = default;

void ReportRun::applyTo(ProgramState& state) const {
    if (metric) state.metric = *metric;
    if (lastUser) state.userRecord = *lastUser;
}

ReportRun runReport(const ReportRequest& request, ReportSink& sink, platform::UserMessages& messages,
                    const ReportSources& sources, const RecordLoop& loop) {
    const ReportRecord record = loadReportRecord(request.designPath, sources.userFolder, sources.today);
    ReportRun run;
    run.metric = record.metric;
    if (!record.userFileError.isEmpty()) {
        messages.error(messages::text(messages::kUserFileUnreadable).arg(record.userFileError));
        run.outcome = ReportOutcome::UserFileUnreadable;
        return run;
    }

    // The record loop: one detail band per user record; the last one read
    // is what the user record buffer keeps, as far as the loop got.
    PageModelBuilder builder(record);
    const auto step = [&](int i) {
        run.lastUser = record.designers.at(i);
        builder.addDetail(record.designers.at(i));
    };
    const int total = static_cast<int>(record.designers.size());
    if (loop) {
        if (!loop(total, step)) {
            run.outcome = ReportOutcome::Cancelled;
            return run;
        }
    } else {
        for (int i = 0; i < total; ++i) step(i);
    }
    run.outcome = sink.deliver(builder.finish(), record) ? ReportOutcome::Delivered : ReportOutcome::NotDelivered;
    return run;
}

PdfSink::PdfSink(QString path, platform::UserMessages& messages, ImageSource images)
    : path_(std::move(path)), messages_(messages), images_(std::move(images)) {}

bool PdfSink::deliver(const PageModel& model, const ReportRecord&) {
    const Result<> written = PainterRenderer(images_).renderToPdf(model, path_);
    if (written) return true;
    messages_.error(problemText(written.problem()));
    return false;
}

ExportSink::ExportSink(MailContext& context, RandomSource& random, ImageSource images, ExportRequest request)
    : context_(context), random_(random), images_(std::move(images)), request_(std::move(request)) {}

bool ExportSink::deliver(const PageModel& model, const ReportRecord&) {
    result_ = runDocumentExport(MetafileRenderer(images_).renderPages(model), request_, context_, random_);
    return result_.document && !result_.draftPath.isEmpty();
}

}  // namespace yq::report
