// The design report as one job, the same for the design windows and for
// yq-calc: load the report record from a design file and the designers from
// the user file, lay out the pages one user record at a time (the record
// loop, with progress and cancel), and hand the pages to a sink: the print
// preview, the document export for the report mail, or a PDF file. What it
// read (the unit flag, the last user record) comes back as a value for the
// caller to keep.
#pragma once

#include "report/DocumentExport.h"
#include "report/PageModel.h"
#include "report/PainterRenderer.h"
#include "report/ReportRecord.h"
#include "report/ResultsMail.h"

#include <QString>

#include <functional>
#include <optional>

namespace yq {
struct ProgramState;

// Report mode 0 shows the print preview; 1 exports the document and the
// report mail instead.
enum class ReportMode { Preview = 0, Export = 1 };
}  // namespace yq

namespace yq::platform {
class UserMessages;
}

namespace yq::report {

class RandomSource;

// Where the finished pages go.
class ReportSink {
public:
    virtual ~ReportSink();
    // Takes the pages of one run; false when they could not be delivered
    // (the sink has told the user why).
    // `record` is what the report read.
    virtual bool deliver(const PageModel& model, const ReportRecord& record) = 0;
};

// Runs the record loop: calls `step(i)` for i = 0 .. total-1 and returns
// false when the user cancelled. The windows run it behind their progress
// window; without one every step runs at once.
using RecordLoop = std::function<bool(int total, const std::function<void(int)>& step)>;

// What a report reads besides the design file.
struct ReportSources {
    QString userFolder;   // folder of the user file; the working folder when empty
    TodayFunction today;  // the print date; the system date when empty
};

enum class ReportOutcome {
    Delivered,           // the sink took the pages
    Cancelled,           // the user cancelled the record loop
    UserFileUnreadable,  // the user file could not be read: no pages
    NotDelivered,        // the sink could not deliver them
};

// What a window asks of the report: the design file (trailing blanks
// ignored; a missing file prints zeros), the report mode, and the unit flag
// the design was saved with (in effect until the report has read the file).
struct ReportRequest {
    QString designPath;
    ReportMode mode = ReportMode::Preview;
    MetricFlag metric = 0;
};

// What a report run did and read.
struct ReportRun {
    ReportOutcome outcome = ReportOutcome::NotDelivered;
    std::optional<MetricFlag> metric;  // the file's `Metric`, once the report has read the file
    std::optional<QString> lastUser;   // the user record the loop read last, if it read one
    // Keeps what the report read in the program state: `Metric` takes the
    // file's value, the user record buffer the last user record read.
    void applyTo(ProgramState& state) const;
};

// The report on the request's design file, whatever the outcome reading the
// file's flag and as many user records as the loop got to. A user file that
// cannot be read is an error the user is told of through `messages`; the
// file is left as it is and nothing is delivered.
ReportRun runReport(const ReportRequest& request, ReportSink& sink, platform::UserMessages& messages,
                    const ReportSources& sources = {}, const RecordLoop& loop = {});

// The PDF sink (yq-calc): every page into one PDF file.
class PdfSink final : public ReportSink {
public:
    explicit PdfSink(QString path, platform::UserMessages& messages, ImageSource images = embeddedImages());
    bool deliver(const PageModel& model, const ReportRecord& record) override;

private:
    QString path_;
    platform::UserMessages& messages_;
    ImageSource images_;
};

// The export sink (Report mode 1): the pages as metafiles into the report
// document and the report mail (`request`: the pending results file, the
// document's name). `result()` tells what the export wrote.
class ExportSink final : public ReportSink {
public:
    ExportSink(MailContext& context, RandomSource& random, ImageSource images = embeddedImages(),
               ExportRequest request = {});
    bool deliver(const PageModel& model, const ReportRecord& record) override;
    const ExportResult& result() const { return result_; }

private:
    MailContext& context_;
    RandomSource& random_;
    ImageSource images_;
    ExportRequest request_;
    ExportResult result_;
};

}  // namespace yq::report
