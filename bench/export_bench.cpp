// Exporting a one-page report to the RTF document and HTML page, with a
// page image of about 50 KB (text, a frame and a colour picture) made with
// libUEMF as the report's metafile renderer makes it.
#include "report/DocumentExport.h"
#include "report/MetafileRenderer.h"
#include "report/PageModel.h"
#include "report/RandomSource.h"
#include "report/ReportRecord.h"
#include "report/RtfWriter.h"

#include <benchmark/benchmark.h>

#include <QDateTime>
#include <QDirIterator>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdlib>
#include <cstring>
#include <uwmf.h>

namespace {

// One A4 page as a placeable metafile: map mode and window, a bold title,
// a frame, some lines of text and a 24-bit picture of `pictureWidth` x
// `pictureHeight` pixels.
QByteArray makePage(const QString& path, int pictureWidth, int pictureHeight) {
    WMFTRACK* wt = nullptr;
    WMFHANDLES* wht = nullptr;
    const QByteArray name = QFile::encodeName(path);
    if (wmf_start(name.constData(), 1 << 17, 1 << 16, &wt) != 0) return {};
    wmf_htable_create(128, 128, &wht);
    U_PAIRF* size = U_PAIRF_set(8.0f, 11.6889f);
    wmf_header_append(reinterpret_cast<U_METARECORD*>(U_WMRHEADER_set(size, 1440)), wt, 1);
    std::free(size);
    const auto add = [wt](char* record) { wmf_append(reinterpret_cast<U_METARECORD*>(record), wt, 1); };
    add(U_WMRSETMAPMODE_set(U_MM_ANISOTROPIC));
    add(U_WMRSETWINDOWORG_set(point16_set(0, 0)));
    add(U_WMRSETWINDOWEXT_set(point16_set(11520, 16832)));

    char face[] = "Arial";
    U_FONT* font = U_FONT_set(-200, 0, 0, 0, 700, 0, 0, 0, 0, 0, 0, 0, 0, face);
    uint32_t fontHandle = 0;
    add(wcreatefontindirect_set(&fontHandle, wht, font));
    std::free(font);
    add(wselectobject_set(fontHandle, wht));
    char title[] = "YQ *Star* Antenna designed for";
    add(U_WMRTEXTOUT_set(point16_set(1200, 1400), title));
    add(U_WMRRECTANGLE_set(U_RECT16_set(point16_set(800, 1000), point16_set(10500, 1900))));
    for (int line = 0; line < 40; ++line) {
        char text[] = "Spacing between cylinders is critical to success.";
        add(U_WMRTEXTOUT_set(point16_set(1000, static_cast<int16_t>(2500 + line * 300)), text));
    }

    const int rowBytes = (pictureWidth * 3 + 3) / 4 * 4;
    QByteArray pixels(rowBytes * pictureHeight, '\0');
    for (int i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<char>((i * 7) & 0xFF);
    const U_BITMAPINFOHEADER header = bitmapinfoheader_set(pictureWidth, pictureHeight, 1, 24, U_BI_RGB,
                                                           static_cast<uint32_t>(pixels.size()), 0, 0, 0, 0);
    PU_BITMAPINFO info = bitmapinfo_set(header, nullptr);
    add(U_WMRSTRETCHDIB_set(point16_set(1000, 5000), point16_set(4800, 4800), point16_set(0, 0),
                            point16_set(static_cast<int16_t>(pictureWidth), static_cast<int16_t>(pictureHeight)),
                            U_DIB_RGB_COLORS, U_SRCCOPY, info, static_cast<uint32_t>(pixels.size()),
                            pixels.constData()));
    std::free(info);
    add(U_WMREOF_set());
    wmf_finish(wt);
    wmf_free(&wt);
    wmf_htable_free(&wht);

    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QByteArray& onePage() {
    static const QByteArray page = [] {
        QTemporaryDir dir;
        return makePage(dir.filePath(QStringLiteral("page.wmf")), 140, 110);
    }();
    return page;
}

class CountingRandom final : public yq::report::RandomSource {
public:
    qint64 between(qint64 low, qint64 high) override { return low + (next_++ % (high - low + 1)); }

private:
    qint64 next_ = 0;
};

// The document's bytes in memory: header, picture group, hexadecimal data.
void BM_RtfDocumentOnePage(benchmark::State& state) {
    const QList<QByteArray> pages{onePage()};
    for (auto _ : state) {
        QByteArray doc = yq::report::rtfDocument(pages, 0, 500, 500, 1234567890);
        benchmark::DoNotOptimize(doc);
    }
    state.counters["page_bytes"] = static_cast<double>(onePage().size());
    state.SetBytesProcessed(state.iterations() * onePage().size());
}
BENCHMARK(BM_RtfDocumentOnePage)->Unit(benchmark::kMicrosecond);

// The export's files: page copy, HTML page, RTF document and its copy
// under the document name, then the clean-up.
void BM_ExportOnePageToFiles(benchmark::State& state) {
    QTemporaryDir dir;
    CountingRandom random;
    const QList<QByteArray> pages{onePage()};
    for (auto _ : state) {
        yq::report::DocumentExport exporter(dir.path(), random);
        const yq::report::ExportResult result = exporter.write(pages, QStringLiteral("Report"));
        yq::report::DocumentExport::removeTemporaries(result);
        if (!result.document) state.SkipWithError("the document was not written");
    }
    state.counters["page_bytes"] = static_cast<double>(onePage().size());
}
BENCHMARK(BM_ExportOnePageToFiles)->Unit(benchmark::kMicrosecond);

// The whole command without a mail program: export, report mail saved as a
// MIME draft, clean-up.
void BM_ExportAndDraftOnePage(benchmark::State& state) {
    QTemporaryDir dir;
    CountingRandom random;
    yq::report::MailContext context;
    context.workingFolder = dir.path();
    // A new second per mail, so each draft gets its own name at once.
    QDateTime clock(QDate(2024, 1, 1), QTime(0, 0));
    context.now = [&clock] { return clock = clock.addSecs(1); };
    const QList<QByteArray> pages{onePage()};
    for (auto _ : state) {
        const yq::report::ExportRequest request;
        const auto result = yq::report::runDocumentExport(pages, request, context, random);
        if (!result.document) state.SkipWithError("the document was not written");
    }
}
BENCHMARK(BM_ExportAndDraftOnePage)->Unit(benchmark::kMicrosecond);

// The report's own pages (the renderer's metafiles, one page per user) for
// `users` designers.
QList<QByteArray> reportPages(int users) {
    yq::report::ReportRecord record;
    record.printDate = QDate(2024, 3, 9);
    record.unitText = QStringLiteral("inches");
    for (int i = 0; i < users; ++i) record.designers << QStringLiteral("Designer %1 W%2XYZ").arg(i).arg(i % 10);
    return yq::report::MetafileRenderer().renderPages(yq::report::buildPageModel(record));
}

qint64 folderBytes(const QString& folder) {
    qint64 bytes = 0;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        bytes += it.fileInfo().size();
    }
    return bytes;
}

// Drawing the pictures and measuring text needs a GUI application.
void ensureGuiApplication() {
    static int argc = 3;
    static char arg0[] = "export_bench";
    static char arg1[] = "-platform";
    static char arg2[] = "offscreen";
    static char* argv[] = {arg0, arg1, arg2, nullptr};
    static QGuiApplication* app = QCoreApplication::instance() ? nullptr : new QGuiApplication(argc, argv);
    (void)app;
}

// The whole email Report after the pages are rendered: page copies, HTML
// page, RTF document and its copy, the report mail's draft and the clean-up,
// for a report of state.range(0) users (one page each). Counters: the
// document and draft sizes and what the export folder holds afterwards.
void BM_EmailReportOfUsers(benchmark::State& state) {
    ensureGuiApplication();
    const QList<QByteArray> pages = reportPages(static_cast<int>(state.range(0)));
    QTemporaryDir dir;
    CountingRandom random;
    yq::report::MailContext context;
    context.workingFolder = dir.path();
    QDateTime clock(QDate(2024, 1, 1), QTime(0, 0));
    context.now = [&clock] { return clock = clock.addSecs(1); };
    yq::report::ExportResult last;
    for (auto _ : state) {
        const yq::report::ExportRequest request;
        last = yq::report::runDocumentExport(pages, request, context, random);
        if (!last.document) state.SkipWithError("the document was not written");
    }
    qint64 pageBytes = 0;
    for (const QByteArray& page : pages) pageBytes += page.size();
    state.counters["pages"] = static_cast<double>(pages.size());
    state.counters["page_KB"] = pages.isEmpty() ? 0.0 : pageBytes / 1e3 / pages.size();
    state.counters["rtf_MB"] = QFileInfo(last.documentPath).size() / 1e6;
    state.counters["draft_MB"] = QFileInfo(last.draftPath).size() / 1e6;
    state.counters["folder_MB"] = folderBytes(last.exportFolder) / 1e6;
}
// Rendering the report's pages for state.range(0) users: the page model and
// one metafile per user, with the pictures rasterised and encoded.
void BM_RenderReportPagesOfUsers(benchmark::State& state) {
    ensureGuiApplication();
    for (auto _ : state) {
        QList<QByteArray> pages = reportPages(static_cast<int>(state.range(0)));
        benchmark::DoNotOptimize(pages);
    }
}
BENCHMARK(BM_RenderReportPagesOfUsers)->Arg(2)->Arg(300)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

BENCHMARK(BM_EmailReportOfUsers)->Arg(2)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(BM_EmailReportOfUsers)->Arg(300)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->Iterations(1);

}  // namespace
