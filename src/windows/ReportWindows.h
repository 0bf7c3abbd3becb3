// The design report's windows: the "Process..." progress window that runs
// the record loop, the print preview, and the runner that puts the report
// together (load, pages, then preview or export).
#pragma once

#include "files/ProgramState.h"
#include "report/PageModel.h"
#include "report/PainterRenderer.h"
#include "report/ReportRecord.h"

#include <QByteArray>
#include <QDialog>
#include <QList>

#include <functional>

class QLabel;
class QPrinter;
class QProgressBar;
class QPushButton;

namespace yq {

// The design report as the design windows start it (PrintYQ).
class ReportRunner {
public:
    virtual ~ReportRunner() = default;
    // Prints the design file at `designPath`: shows the print preview in
    // Report mode 0, hands the page images to the export in mode 1. Sets the
    // state's unit flag from the file.
    virtual void printReport(const QString& designPath, ProgramState& state) = 0;
};

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

class QtReportRunner : public ReportRunner {
public:
    using PreviewFunction = std::function<void(const report::PageModel& model)>;
    using ExportFunction = std::function<void(const QList<QByteArray>& wmfPages, ProgramState& state)>;
    using ProgressObserver = std::function<void(ProgressWindow& window)>;

    explicit QtReportRunner(QWidget* parent = nullptr);

    // Report mode 0: shows the pages (default: showPrintPreview).
    void setPreview(PreviewFunction preview) { preview_ = std::move(preview); }
    // Report mode 1: receives one placeable metafile per page.
    void setExport(ExportFunction exportPages) { export_ = std::move(exportPages); }
    // Folder of the user file (default: the working folder).
    void setUserFolder(const QString& folder) { userFolder_ = folder; }
    void setToday(report::TodayFunction today) { today_ = std::move(today); }
    void setImages(report::ImageSource images) { images_ = std::move(images); }
    // Called with the progress window once it exists, before the loop runs.
    void setProgressObserver(ProgressObserver observer) { observer_ = std::move(observer); }

    void printReport(const QString& designPath, ProgramState& state) override;

private:
    QWidget* parent_;
    PreviewFunction preview_;
    ExportFunction export_;
    QString userFolder_;
    report::TodayFunction today_;
    report::ImageSource images_;
    ProgressObserver observer_;
};

}  // namespace yq
