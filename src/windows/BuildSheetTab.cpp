#include "windows/BuildSheetTab.h"
#include "windows/WindowColours.h"

#include "report/BuildSheetRenderer.h"
#include "windows/DialogUnits.h"
#include "windows/ReportWindows.h"

#include <QCoreApplication>
#include <QAction>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

namespace yq {

BuildSheetView::BuildSheetView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("BuildSheetView"));
    setAccessibleName(BuildSheetTab::tr("Build sheet drawing"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void BuildSheetView::setSheet(const report::BuildSheet* sheet) {
    sheet_ = sheet;
    // The drawing's text alternative for screen readers: the cut list.
    QStringList rows;
    if (sheet_) {
        for (const report::CutListRow& row : sheet_->cutList)
            rows << QStringList{row.part, row.quantity, row.material.join(u' '), row.length}.join(u'\t');
    }
    setAccessibleDescription(rows.join(u'\n'));
    update();
}

QRectF BuildSheetView::pageRect() const {
    const QSizeF page = sheet_ ? sheet_->size : QSizeF(report::kSheetWidth, report::kSheetHeight);
    const QSizeF fitted = page.scaled(QSizeF(size()).shrunkBy(QMarginsF(6, 6, 6, 6)), Qt::KeepAspectRatio);
    return QRectF(QPointF((width() - fitted.width()) / 2, (height() - fitted.height()) / 2), fitted);
}

void BuildSheetView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // As tall as a page of the widget's width: the sheet reads at the
    // window's width, scrolled up and down.
    const int tall = qRound((width() - 12) * report::kSheetHeight / report::kSheetWidth) + 12;
    if (minimumHeight() != tall) setMinimumHeight(tall);
}

void BuildSheetView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Mid));
    const QRectF page = pageRect();
    painter.fillRect(page, Qt::white);
    if (!sheet_ || page.width() <= 0) return;
    painter.translate(page.topLeft());
    // The sheet is in thousandths of an inch: the widget's pixels per inch of paper.
    report::drawBuildSheet(painter, *sheet_, page.width() * 1000.0 / sheet_->size.width());
}

BuildSheetTab::BuildSheetTab(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("BuildSheetTab"));
    const DialogUnits du(font());
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(du.x(3), du.y(3), du.x(3), du.y(3));
    auto* top = new QHBoxLayout;
    auto* heading = new QLabel(tr("Build Sheet: the antenna to scale and what to cut and wind"), this);
    QFont hf = heading->font();
    hf.setBold(true);
    hf.setPointSize(10);
    heading->setFont(hf);
    setTextRole(heading, TextRole::Heading);
    top->addWidget(heading);
    top->addStretch(1);
    print_ = new QPushButton(tr("Print Build Sheet"), this);
    print_->setObjectName(QStringLiteral("PrintBuildSheet"));
    print_->setToolTip(tr("Shows the build sheet in the print preview, to print it"));
    print_->setMinimumSize(du.x(71), du.y(18));
    QFont bf = print_->font();
    bf.setBold(true);
    bf.setPointSize(10);
    print_->setFont(bf);
    setTextRole(print_, TextRole::Heading, QPalette::ButtonText);
    print_->setAutoDefault(false);
    top->addWidget(print_);
    outer->addLayout(top);
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("BuildSheetScroll"));
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    view_ = new BuildSheetView(scroll);
    scroll->setWidget(view_);
    outer->addWidget(scroll, 1);
    connect(print_, &QPushButton::clicked, this, &BuildSheetTab::print);
}

void BuildSheetTab::setDesign(const DesignRecord& record, const QString& designName) {
    record_.emplace(record);
    designName_ = designName;
    stale_ = true;
    if (isVisible()) rebuild();
}

void BuildSheetTab::setPictures(report::PictureFunction pictures) {
    pictures_ = pictures ? std::move(pictures) : report::PictureFunction(report::windowPicture);
    stale_ = true;
    if (isVisible()) rebuild();
}

const report::BuildSheet& BuildSheetTab::sheet() {
    if (stale_) rebuild();
    return sheet_;
}

void BuildSheetTab::rebuild() {
    report::BuildSheetOptions options;
    options.designName = designName_;
    options.picture = pictures_;
    sheet_ = report::buildBuildSheet(record_ ? *record_ : DesignRecord(), options);
    stale_ = false;
    ++builds_;
    view_->setSheet(&sheet_);
}

void BuildSheetTab::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (stale_) rebuild();
}

void BuildSheetTab::print() {
    const report::BuildSheet& current = sheet();
    if (preview_) {
        preview_(current, window());
    } else {
        showBuildSheetPreview(current, window());
    }
}

void prepareBuildSheetPrinter(QPrinter& printer) {
    printer.setDocName(QCoreApplication::translate("BuildSheet", report::kBuildSheetTitle));
    printer.setFullPage(true);
    printer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Inch));
    printer.setPrintRange(QPrinter::AllPages);
}

void showBuildSheetPreview(const report::BuildSheet& sheet, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    prepareBuildSheetPrinter(printer);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(QCoreApplication::translate("BuildSheet", report::kBuildSheetTitle));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&](QPrinter* target) {
        target->setDocName(QCoreApplication::translate("BuildSheet", report::kBuildSheetTitle));
        report::drawBuildSheet(*target, sheet);
    });
    runMaximisedPreview(dialog, parent);
}

}  // namespace yq
