// The design report as one job, the same for the design windows and for
// yq-calc: load the report record from a design file and the designers from
// the user file, lay out the pages one user record at a time (the record
// loop, with progress and cancel), apply what the report leaves in the
// program state, and hand the pages to a sink: the print preview, the
// document export for the report mail, or a PDF file.
#pragma once

#include "report/DocumentExport.h"
#include "report/PageModel.h"
#include "report/PainterRenderer.h"
#include "report/ReportRecord.h"
#include "report/ResultsMail.h"

#include <QString>

#include <functional>

namespace yq {
struct ProgramState;
}

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
    virtual bool deliver(const PageModel& model, ProgramState& state) = 0;
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

// The report on the design file at `designPath` (trailing blanks ignored;
// a missing file prints zeros). `Metric` takes the file's value and the user
// record buffer holds the last user record the loop read, whatever the
// outcome. A user file that cannot be read is an error the user is told of
// through `messages`; the file is left as it is and nothing is delivered.
ReportOutcome runReport(const QString& designPath, ProgramState& state, ReportSink& sink,
                        platform::UserMessages& messages, const ReportSources& sources = {},
                        const RecordLoop& loop = {});

// The PDF sink (yq-calc): every page into one PDF file.
class PdfSink final : public ReportSink {
public:
    explicit PdfSink(QString path, platform::UserMessages& messages, ImageSource images = embeddedImages());
    bool deliver(const PageModel& model, ProgramState& state) override;

private:
    QString path_;
    platform::UserMessages& messages_;
    ImageSource images_;
};

// The export sink (Report mode 1): the pages as metafiles into the report
// document and the report mail. `result()` tells what the export wrote.
class ExportSink final : public ReportSink {
public:
    ExportSink(MailContext& context, RandomSource& random, ImageSource images = embeddedImages());
    bool deliver(const PageModel& model, ProgramState& state) override;
    const ExportResult& result() const { return result_; }

private:
    MailContext& context_;
    RandomSource& random_;
    ImageSource images_;
    ExportResult result_;
};

}  // namespace yq::report
