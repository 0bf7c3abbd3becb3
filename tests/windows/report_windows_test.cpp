#include "windows/ReportWindows.h"

#include "files/UserFile.h"
#include "report/MetafileRenderer.h"
#include "support/RecordingMessages.h"
#include "support/WidgetApplication.h"

#include <QLabel>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPageRanges>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace yq {
namespace {

QString designFile(const char* name) { return QStringLiteral(YQ_TEST_DATA "/report/") + QString::fromLatin1(name); }

// A sink that keeps what it is handed.
template <typename Keep>
class KeepingSink final : public report::ReportSink {
public:
    explicit KeepingSink(Keep keep) : keep_(std::move(keep)) {}
    bool deliver(const report::PageModel& model, const report::ReportRecord&) override {
        keep_(model);
        return true;
    }

private:
    Keep keep_;
};

class ReportWindowsTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::widgetApplication();
        UserFile users(folder.path());
        (void)users.add(QStringLiteral("Zed ZL1AAA"));
        (void)users.add(QStringLiteral("Amy VK2ABC"));
    }

    QTemporaryDir folder;
    QList<report::PageModel> previews;
    QList<QList<QByteArray>> exports;
    KeepingSink<std::function<void(const report::PageModel&)>> previewSink{
        [this](const report::PageModel& model) { previews.append(model); }};
    // Report mode 1 hands on one placeable metafile per page.
    KeepingSink<std::function<void(const report::PageModel&)>> exportPages{[this](const report::PageModel& model) {
        exports.append(report::MetafileRenderer(report::ImageSource()).renderPages(model));
    }};
    test::RecordingMessages messages;
    ReportWindow runner{previewSink, exportPages, messages,
                        report::ReportSources{folder.path(), [] { return QDate(2025, 3, 14); }}};
};

TEST_F(ReportWindowsTest, CancelEndsTheRunWithoutPreviewOrExport) {
    for (ReportMode mode : {ReportMode::Preview, ReportMode::Export}) {
        int steps = 0;
        runner.setProgressObserver([&](ProgressWindow& window) {
            QObject::connect(&window, &ProgressWindow::stepping, &window, [&window, &steps](int index, int) {
                ++steps;
                if (index == 1) window.cancelButton()->click();  // during the second record
            });
        });
        ProgramState state;
        runner.run({designFile("M7506.ini"), mode}).applyTo(state);
        EXPECT_EQ(steps, 2);
        EXPECT_TRUE(previews.isEmpty());
        EXPECT_TRUE(exports.isEmpty());
        // The record was loaded before the loop ran: the unit flag is set.
        EXPECT_EQ(state.metric, 1);
        // The loop read the first record (in key order) only.
        EXPECT_EQ(state.userRecord, "Amy VK2ABC");
    }
}

TEST_F(ReportWindowsTest, PreviewModeShowsOnePagePerUserRecord) {
    ProgramState state;
    state.metric = 1;
    runner.run({designFile("726.ini") + QStringLiteral("  "), ReportMode::Preview}).applyTo(state);
    ASSERT_EQ(previews.size(), 1);
    EXPECT_TRUE(exports.isEmpty());
    const report::PageModel& model = previews.front();
    ASSERT_EQ(model.pages.size(), 2);
    EXPECT_EQ(model.pages[0].find(report::ItemKind::Value, "designer")->text, "Amy VK2ABC");
    EXPECT_EQ(model.pages[1].find(report::ItemKind::Value, "designer")->text, "Zed ZL1AAA");
    EXPECT_EQ(model.pages[0].find(report::ItemKind::Value, "F")->text, "7.1500");
    EXPECT_EQ(state.metric, 0);                 // from the Imperial file
    EXPECT_EQ(state.userRecord, "Zed ZL1AAA");  // the last record read
}

TEST_F(ReportWindowsTest, ExportModeHandsOverOneMetafilePerPage) {
    ProgramState state;
    runner.run({designFile("726.ini"), ReportMode::Export}).applyTo(state);
    EXPECT_TRUE(previews.isEmpty());
    ASSERT_EQ(exports.size(), 1);
    ASSERT_EQ(exports.front().size(), 2);
    for (const QByteArray& page : exports.front()) {
        ASSERT_GT(page.size(), 22);
        EXPECT_TRUE(page.startsWith(QByteArray("\xD7\xCD\xC6\x9A", 4)));
    }
}

TEST_F(ReportWindowsTest, ProgressWindowLayout) {
    ProgressWindow window;
    EXPECT_EQ(window.windowTitle(), "Process...");
    EXPECT_EQ(window.cancelButton()->text(), "Cancel");
    int seen = -1;
    QString statusDuringRun = QStringLiteral("unset");
    QObject::connect(&window, &ProgressWindow::stepping, &window, [&](int index, int total) {
        EXPECT_EQ(total, 4);
        if (index == 2) {
            EXPECT_EQ(window.bar()->value(), 50);
            EXPECT_EQ(window.percentLine()->text(), "50%");
            statusDuringRun = window.statusLine()->text();
        }
    });
    EXPECT_TRUE(window.run(4, [&](int i) { seen = i; }));
    EXPECT_EQ(seen, 3);
    EXPECT_EQ(statusDuringRun, "");
    EXPECT_EQ(window.bar()->value(), 100);
    EXPECT_EQ(window.percentLine()->text(), "100%");
    // The bar lies between the status line and the percentage line, Cancel
    // below them on the right.
    EXPECT_LT(window.statusLine()->geometry().bottom(), window.bar()->geometry().top());
    EXPECT_LT(window.bar()->geometry().bottom(), window.percentLine()->geometry().top());
    EXPECT_GT(window.cancelButton()->geometry().top(), window.percentLine()->geometry().top());
    EXPECT_GT(window.cancelButton()->geometry().left(), window.width() / 2);
}

TEST_F(ReportWindowsTest, EmptyLoopCompletesAtOnce) {
    ProgressWindow window;
    int calls = 0;
    EXPECT_TRUE(window.run(0, [&](int) { ++calls; }));
    EXPECT_EQ(calls, 0);
}

TEST_F(ReportWindowsTest, EscapeCancelsTheProgressWindow) {
    ProgressWindow window;
    QObject::connect(&window, &ProgressWindow::stepping, &window, [&](int index, int) {
        if (index == 0) window.reject();  // what Escape and closing the window do
    });
    int calls = 0;
    EXPECT_FALSE(window.run(3, [&](int) { ++calls; }));
    EXPECT_EQ(calls, 0);
    EXPECT_TRUE(window.wasCancelled());
}

TEST_F(ReportWindowsTest, PrintPreviewOpensMaximisedAtFullSize) {
    report::ReportRecord record;
    record.designers = {QStringLiteral("Amy"), QStringLiteral("Zed")};
    const report::PageModel model = report::buildPageModel(record);

    bool checked = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), "Print from queue");
        EXPECT_TRUE(dialog->windowState() & Qt::WindowMaximized);
        EXPECT_EQ(dialog->printer()->docName(), "Print from queue");
        auto* preview = dialog->findChild<QPrintPreviewWidget*>();
        ASSERT_NE(preview, nullptr);
        EXPECT_EQ(preview->zoomMode(), QPrintPreviewWidget::CustomZoom);
        EXPECT_DOUBLE_EQ(preview->zoomFactor(), 1.0);
        EXPECT_EQ(preview->pageCount(), 2);
        checked = true;
        dialog->reject();
    });
    showPrintPreview(model, nullptr, report::PainterRenderer(report::ImageSource()));
    EXPECT_TRUE(checked);
}

TEST_F(ReportWindowsTest, PrintingSomePages) {
    QPrinter printer;
    EXPECT_EQ(pagesToPrint(printer, 3), (QList<int>{0, 1, 2}));
    printer.setPrintRange(QPrinter::PageRange);
    printer.setPageRanges(QPageRanges::fromString(QStringLiteral("2-3")));
    EXPECT_EQ(pagesToPrint(printer, 3), (QList<int>{1, 2}));
    printer.setPageRanges(QPageRanges::fromString(QStringLiteral("1,3-9")));
    EXPECT_EQ(pagesToPrint(printer, 3), (QList<int>{0, 2}));
}

}  // namespace
}  // namespace yq
