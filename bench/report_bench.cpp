// The design report: loading the record, building the page model and
// rendering one page to PNG, PDF and a placeable metafile. Each rendering
// iteration uses a fresh renderer, so the images are drawn every time, as
// in one run of the report.
#include "report/MetafileRenderer.h"
#include "report/PageModel.h"
#include "report/PainterRenderer.h"
#include "report/ReportRecord.h"

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace yq::report;

struct Fixture {
    QTemporaryDir dir;
    QString design;
    Fixture() {
        if (!QCoreApplication::instance()) {
            static int argc = 3;
            static char a0[] = "report_bench";
            static char a1[] = "-platform";
            static char a2[] = "offscreen";
            static char* argv[] = {a0, a1, a2, nullptr};
            new QGuiApplication(argc, argv);
        }
        design = dir.filePath(QStringLiteral("726.ini"));
        QFile file(design);
        if (file.open(QIODevice::WriteOnly)) {
            file.write(
                "[YQ]\nF=7.15\nRR=120\nMRR=26.647\nCD=2.5\nLD=6.5\nC=14.02\nXC=1587.69\nBW=540.41\n"
                "Q=13.23\nTL=39.26\nWD=0.064\nSP=0.08\nCI=18.15\nNT=21.96\nCL=1.76\nLW=137.98\n"
                "CCL=16.25\nCCD=2\nLPW=27.53\nPCCD=2.5\nPCNT=3.51\nFAC=2\nSCT=3.82\nSCD=2\nMetric=0\n");
        }
    }
    ReportRecord record() const {
        ReportRecord r = loadReportRecord(design, dir.path(), [] { return QDate(2025, 3, 14); });
        r.designers = {QStringLiteral("Amy VK2ABC")};
        return r;
    }
};

const Fixture& fixture() {
    static const Fixture f;
    return f;
}

void BM_LoadAndBuildModel(benchmark::State& state) {
    const Fixture& f = fixture();
    for (auto _ : state) {
        PageModel model = buildPageModel(f.record());
        benchmark::DoNotOptimize(model);
    }
}
BENCHMARK(BM_LoadAndBuildModel)->Unit(benchmark::kMillisecond);

void BM_RenderPagePng(benchmark::State& state) {
    const PageModel model = buildPageModel(fixture().record());
    const int dpi = static_cast<int>(state.range(0));
    for (auto _ : state) {
        const QImage img = PainterRenderer().renderPageToImage(model, 0, dpi);
        QBuffer png;
        png.open(QIODevice::WriteOnly);
        img.save(&png, "PNG");
        benchmark::DoNotOptimize(png.data());
    }
}
BENCHMARK(BM_RenderPagePng)->Arg(96)->Arg(150)->Unit(benchmark::kMillisecond);

void BM_RenderPagePdf(benchmark::State& state) {
    const PageModel model = buildPageModel(fixture().record());
    for (auto _ : state) {
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        {
            QPdfWriter writer(&pdf);
            writer.setResolution(1200);
            writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
            PainterRenderer().drawPages(writer, model);
        }
        benchmark::DoNotOptimize(pdf.data());
    }
}
BENCHMARK(BM_RenderPagePdf)->Unit(benchmark::kMillisecond);

void BM_RenderPageWmf(benchmark::State& state) {
    const PageModel model = buildPageModel(fixture().record());
    for (auto _ : state) {
        QByteArray wmf = MetafileRenderer().renderPage(model.pages.front());
        benchmark::DoNotOptimize(wmf);
    }
}
BENCHMARK(BM_RenderPageWmf)->Unit(benchmark::kMillisecond);

// The whole headless report: load, build, PDF file.
void BM_OnePageReportToPdfFile(benchmark::State& state) {
    const Fixture& f = fixture();
    const QString path = f.dir.filePath(QStringLiteral("report.pdf"));
    for (auto _ : state) {
        const PageModel model = buildPageModel(f.record());
        const bool ok = PainterRenderer().renderToPdf(model, path).ok();
        if (!ok) state.SkipWithError("PDF not written");
    }
}
BENCHMARK(BM_OnePageReportToPdfFile)->Unit(benchmark::kMillisecond);

}  // namespace
