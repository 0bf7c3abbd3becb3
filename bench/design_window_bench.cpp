// Time from the ReCalc key to the repainted window.
#include "files/ProgramState.h"
#include "design/DesignRecord.h"
#include "files/DesignFile.h"
#include "windows/DesignWindow.h"

#include <QApplication>
#include <QDir>
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
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) state.SkipWithError("window not active");
    QCoreApplication::processEvents();
    for (auto _ : state) {
        QTest::keyClick(window.windowHandle(), Qt::Key_F3);
        window.repaint();
    }
}
BENCHMARK(BM_ReCalcKeyToRepaint)->Unit(benchmark::kMillisecond);

}  // namespace
