// The design report's windows: the "Process..." progress window that runs
// the record loop of the report job, and the print preview.
#pragma once

#include "report/PageModel.h"
#include "report/PainterRenderer.h"
#include "report/ReportJob.h"

#include <QDialog>
#include <QList>

#include <functional>

class QLabel;
class QPrinter;
class QPrintPreviewDialog;
class QProgressBar;
class QPushButton;

namespace yq {

// "Process...": a progress bar between a status line and a percentage line,
// and "Cancel". Runs a loop of steps from its own event loop.
class ProgressWindow : public QDialog {
    Q_OBJECT

public:
    explicit ProgressWindow(QWidget* parent = nullptr);

    // Calls `step(i)` for i = 0 .. total-1, one per turn of the event loop,
    // advancing the bar and the percentage line. Returns false when the user
    // cancelled (Cancel, Escape or closing the window).
    bool run(int total, const std::function<void(int)>& step);
    bool wasCancelled() const { return cancelled_; }

    QProgressBar* bar() const { return bar_; }
    QLabel* statusLine() const { return status_; }
    QLabel* percentLine() const { return percent_; }
    QPushButton* cancelButton() const { return cancel_; }

    void reject() override;

signals:
    // Before each step; tests and observers may cancel here.
    void stepping(int index, int total);

private:
    void nextStep();
    void showProgress();

    QProgressBar* bar_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* percent_ = nullptr;
    QPushButton* cancel_ = nullptr;
    std::function<void(int)> step_;
    int total_ = 0;
    int done_ = 0;
    bool cancelled_ = false;
    bool running_ = false;
};

// The print preview of the pages: maximised, at 100 %, printing all or some
// pages to the chosen printer under the job name "Print from queue".
// Returns when the preview closes.
void showPrintPreview(const report::PageModel& model, QWidget* parent = nullptr,
                      const report::PainterRenderer& renderer = report::PainterRenderer());

// Pages (0-based) a printer's page range asks for, all when it names none.
QList<int> pagesToPrint(const QPrinter& printer, int pageCount);

// Sets up a printer for the report: A4 portrait, positions from the paper's
// corner, job name "Print from queue".
void preparePrinter(QPrinter& printer);

// Runs a print preview at 100 %, maximised on the screen of `parent`.
void runMaximisedPreview(QPrintPreviewDialog& dialog, QWidget* parent);

// The print preview as the report job's sink (Report mode 0).
class PreviewSink final : public report::ReportSink {
public:
    explicit PreviewSink(QWidget* parent = nullptr, report::ImageSource images = report::embeddedImages());
    bool deliver(const report::PageModel& model, const report::ReportRecord& record) override;

private:
    QWidget* parent_;
    report::ImageSource images_;
};

// The design report as the design windows start it (PrintYQ): the report
// job behind the "Process..." window, its pages to `preview` in Report
// mode 0 and to `exportPages` in Report mode 1.
class ReportWindow {
public:
    using ProgressObserver = std::function<void(ProgressWindow& window)>;

    ReportWindow(report::ReportSink& preview, report::ReportSink& exportPages, platform::UserMessages& messages,
                 report::ReportSources sources = {}, QWidget* parent = nullptr);

    // Called with the progress window once it exists, before the loop runs.
    void setProgressObserver(ProgressObserver observer) { observer_ = std::move(observer); }

    // The report of the request, its pages to the sink of the request's mode.
    report::ReportRun run(const report::ReportRequest& request);

private:
    report::ReportSink& preview_;
    report::ReportSink& export_;
    platform::UserMessages& messages_;
    report::ReportSources sources_;
    QWidget* parent_;
    ProgressObserver observer_;
};

}  // namespace yq
