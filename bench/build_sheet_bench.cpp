// The build sheet after a ReCalc: building the model, and the Build Sheet
// tab's redraw (model and paint) at a design window's size; then the time
// from the ReCalc key to the repainted design window, with the
// Specifications tab in front (as before the build sheet) and with the
// Build Sheet tab in front, side by side. One frame is 16.7 ms.
#include "design/Calculation.h"
#include "design/DesignRecord.h"
#include "files/DesignFile.h"
#include "files/ProgramState.h"
#include "report/BuildSheet.h"
#include "windows/BuildSheetTab.h"
#include "windows/DesignWindow.h"

#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

QApplication& app() {
    static int argc = 1;
    static char name[] = "bench";
    static char* argv[] = {name, nullptr};
    static QApplication* a = new QApplication(argc, argv);
    return *a;
}

yq::DesignRecord design() {
    yq::DesignRecord r(yq::UnitSystem::Imperial);
    for (auto [k, v] : {std::pair{"F", "7.15"}, {"CD", "2"}, {"LD", "6"}, {"WD", "0.04"}, {"SP", "0.08"}, {"CCD", "2"}})
        *r.field(k) = yq::Decimal::of(v);
    yq::reCalcImperial(r, false);
    return r;
}

void BM_BuildSheetModel(benchmark::State& state) {
    app();
    const yq::DesignRecord r = design();
    for (auto _ : state) benchmark::DoNotOptimize(yq::report::buildBuildSheet(r));
}
BENCHMARK(BM_BuildSheetModel)->Unit(benchmark::kMillisecond);

void BM_BuildSheetTabRedraw(benchmark::State& state) {
    app();
    const yq::DesignRecord r = design();
    yq::BuildSheetTab tab;
    tab.resize(1060, 640);
    tab.show();
    if (!QTest::qWaitForWindowExposed(&tab)) state.SkipWithError("tab not shown");
    for (auto _ : state) {
        tab.setDesign(r);
        tab.repaint();
    }
}
BENCHMARK(BM_BuildSheetTabRedraw)->Unit(benchmark::kMillisecond);

// F3 to the repainted window; `buildSheetInFront` brings the Build Sheet
// tab to the front first (0: the Specifications tab, as before the sheet).
void BM_ReCalcKeyToRepaint(benchmark::State& state) {
    app();
    QTemporaryDir dir;
    yq::DesignRecord r(yq::UnitSystem::Imperial);
    for (auto [k, v] : {std::pair{"F", "7.15"}, {"CD", "2"}, {"LD", "6"}, {"WD", "0.04"}, {"SP", "0.08"}, {"CCD", "2"}})
        *r.field(k) = yq::Decimal::of(v);
    const QString path = QDir(dir.path()).filePath("726.ini");
    (void)yq::writeDesignFile(path, r, "0");
    yq::ProgramState programState;
    yq::DesignWindowServices services;
    services.chooseFile = [&](const QString&, const QString&, const QString&) { return path; };
    yq::DesignWindow window(yq::UnitSystemDescription::imperial(), services, programState);
    window.open();
    if (state.range(0) == 1) window.tabs()->setCurrentWidget(window.buildSheetTab());
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) state.SkipWithError("window not active");
    QCoreApplication::processEvents();
    const int before = window.buildSheetTab()->buildCount();
    for (auto _ : state) {
        QTest::keyClick(window.windowHandle(), Qt::Key_F3);
        window.repaint();
    }
    state.counters["sheets"] = window.buildSheetTab()->buildCount() - before;
}
BENCHMARK(BM_ReCalcKeyToRepaint)->ArgName("buildSheetInFront")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
