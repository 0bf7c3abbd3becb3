#include "windows/ReportWindows.h"

#include "windows/DialogUnits.h"

#include <QCoreApplication>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPageLayout>
#include <QPageRanges>
#include <QPageSize>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace yq {

ProgressWindow::ProgressWindow(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Process..."));
    setModal(true);
    installWindowFontSubstitutions();
    const QFont font = windowFont(QStringLiteral("MS Sans Serif"), 8);
    setFont(font);
    const DialogUnits du(font);

    status_ = new QLabel(this);
    status_->setAlignment(Qt::AlignCenter);
    status_->setGeometry(du.rect(0, 3, 141, 10));

    bar_ = new QProgressBar(this);
    bar_->setRange(0, 100);
    bar_->setValue(0);
    bar_->setTextVisible(false);
    bar_->setGeometry(du.rect(15, 15, 111, 12));

    percent_ = new QLabel(this);
    percent_->setAlignment(Qt::AlignCenter);
    percent_->setGeometry(du.rect(0, 30, 141, 10));

    cancel_ = new QPushButton(tr("Cancel"), this);
    cancel_->setGeometry(du.rect(76, 44, 45, 14));
    connect(cancel_, &QPushButton::clicked, this, &ProgressWindow::reject);

    setFixedSize(du.rect(0, 0, 142, 59).size());
}

void ProgressWindow::reject() {
    cancelled_ = true;
    QDialog::reject();
}

void ProgressWindow::showProgress() {
    const int percent = total_ > 0 ? done_ * 100 / total_ : 100;
    bar_->setValue(percent);
    percent_->setText(QStringLiteral("%1%").arg(percent));
}

void ProgressWindow::nextStep() {
    if (!running_ || cancelled_) return;
    if (done_ >= total_) {
        running_ = false;
        accept();
        return;
    }
    emit stepping(done_, total_);
    if (cancelled_) return;
    step_(done_);
    ++done_;
    showProgress();
    QTimer::singleShot(0, this, &ProgressWindow::nextStep);
}

bool ProgressWindow::run(int total, const std::function<void(int)>& step) {
    step_ = step;
    total_ = qMax(0, total);
    done_ = 0;
    cancelled_ = false;
    running_ = true;
    status_->setText(QString());
    bar_->setValue(0);
    percent_->setText(QStringLiteral("0%"));
    QTimer::singleShot(0, this, &ProgressWindow::nextStep);
    exec();
    running_ = false;
    return !cancelled_;
}

QList<int> pagesToPrint(const QPrinter& printer, int pageCount) {
    QList<int> pages;
    const QPageRanges ranges = printer.pageRanges();
    const bool some = printer.printRange() == QPrinter::PageRange && !ranges.isEmpty();
    for (int p = 1; p <= pageCount; ++p) {
        if (!some || ranges.contains(p)) pages.append(p - 1);
    }
    return pages;
}

void preparePrinter(QPrinter& printer) {
    printer.setDocName(QCoreApplication::translate("ReportPage", report::kReportTitle));
    printer.setFullPage(true);
    printer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Inch));
    printer.setPrintRange(QPrinter::AllPages);
}

void showPrintPreview(const report::PageModel& model, QWidget* parent, const report::PainterRenderer& renderer) {
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(QCoreApplication::translate("ReportPage", report::kReportTitle));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&](QPrinter* target) {
        target->setDocName(QCoreApplication::translate("ReportPage", report::kReportTitle));
        renderer.drawPages(*target, model, pagesToPrint(*target, static_cast<int>(model.pages.size())));
    });
    runMaximisedPreview(dialog, parent);
}

void runMaximisedPreview(QPrintPreviewDialog& dialog, QWidget* parent) {
    if (auto* preview = dialog.findChild<QPrintPreviewWidget*>()) {
        preview->setZoomMode(QPrintPreviewWidget::CustomZoom);
        preview->setZoomFactor(1.0);
        // The dialog's "fit" buttons start checked; at a set zoom none is.
        for (const char* name : {"fitPageAction", "fitWidthAction"}) {
            if (auto* action = dialog.findChild<QAction*>(QLatin1String(name))) action->setChecked(false);
        }
    }
    // Maximised; the size is the screen's too, for desktops without a
    // window manager that would honour the state.
    if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen()) {
        dialog.setGeometry(screen->availableGeometry());
    }
    dialog.setWindowState(dialog.windowState() | Qt::WindowMaximized);
    dialog.exec();
}

PreviewSink::PreviewSink(QWidget* parent, report::ImageSource images) : parent_(parent), images_(std::move(images)) {}

bool PreviewSink::deliver(const report::PageModel& model, const report::ReportRecord&) {
    showPrintPreview(model, parent_ ? parent_ : QApplication::activeWindow(), report::PainterRenderer(images_));
    return true;
}

ReportWindow::ReportWindow(report::ReportSink& preview, report::ReportSink& exportPages,
                           platform::UserMessages& messages, report::ReportSources sources, QWidget* parent)
    : preview_(preview), export_(exportPages), messages_(messages), sources_(std::move(sources)), parent_(parent) {}

report::ReportRun ReportWindow::run(const report::ReportRequest& request) {
    ProgressWindow progress(parent_ ? parent_ : QApplication::activeWindow());
    if (observer_) observer_(progress);
    progress.show();
    report::ReportSink& sink = request.mode == ReportMode::Preview ? preview_ : export_;
    return report::runReport(request, sink, messages_, sources_,
                             [&progress](int total, const std::function<void(int)>& step) {
                                 const bool completed = progress.run(total, step);
                                 progress.hide();
                                 return completed;
                             });
}

}  // namespace yq
