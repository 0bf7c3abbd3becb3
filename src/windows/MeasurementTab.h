// The "   Measurement" tab of a design window: open an analyser's sweep of
// the built antenna (Touchstone or a VNA program's CSV), plot its SWR, R and
// X against frequency over the NEC-2 model's of the same design and range,
// show both on a Smith chart, list what the sweep says (resonances, least
// SWR, 2:1 bandwidth) and the tuning coil for the design frequency. Apply
// sets the Capacitance Factor of the fit for those turns and runs ReCalc,
// as the design tools' fit does. The model runs in a worker thread.
#pragma once

#include "design/ImpedanceSweep.h"
#include "design/Tuning.h"
#include "files/Touchstone.h"
#include "windows/DesignToolsTab.h"

#include <QWidget>

#include <atomic>
#include <complex>
#include <functional>
#include <memory>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTextBrowser;
class QThread;

namespace yq {

class FrequencyPlot;
class SmithChart;

// The tab needs of its window what the design tools need.
using MeasurementHost = DesignToolsHost;

inline constexpr const char* kMeasurementTabCaption = QT_TRANSLATE_NOOP("yq::DesignWindow", "   Measurement");

// Names of the plotted series.
inline constexpr const char* kMeasuredSeries = QT_TRANSLATE_NOOP("yq::MeasurementTab", "measured");
inline constexpr const char* kModelSeries = QT_TRANSLATE_NOOP("yq::MeasurementTab", "NEC-2 model");

class MeasurementTab : public QWidget {
    Q_OBJECT

public:
    MeasurementTab(UnitSystem system, MeasurementHost host, QWidget* parent = nullptr);
    ~MeasurementTab() override;

    // The file "Open measurement..." reads; an empty text cancels. The
    // standard one shows a file dialog; tests hand in their own.
    void setFileChooser(std::function<QString()> chooser) { choose_ = std::move(chooser); }
    // The nec2c the model runs (a path or a name on PATH).
    void setNecProgram(std::string program) { necProgram_ = std::move(program); }

    // The actions of the buttons.
    void chooseAndOpen();
    bool openMeasurement(const QString& path);
    void applyTuning();
    // Recomputes the tuning and the model when the window's design changed.
    void refresh();

    // What the tab shows, for tests.
    QPushButton* openButton() const { return open_; }
    QPushButton* applyButton() const { return apply_; }
    QLineEdit* woundEntry() const { return wound_; }
    QTextBrowser* findingsView() const { return findings_; }
    // What the model overlay says (running, its assumptions, or why there is none).
    const QString& modelStatus() const { return modelStatus_; }
    FrequencyPlot* swrPlot() const { return swrPlot_; }
    FrequencyPlot* resistancePlot() const { return rPlot_; }
    FrequencyPlot* reactancePlot() const { return xPlot_; }
    SmithChart* smithChart() const { return smith_; }
    const std::optional<SweepFindings>& findings() const { return sweep_; }
    const std::optional<Tuning>& tuning() const { return tuning_; }
    bool modelRunning() const { return worker_ != nullptr; }
    // The rows the findings pane shows, in its order (as yq-calc tune prints them).
    const std::vector<FindingRow>& rows() const { return rows_; }

signals:
    void modelFinished();

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct ModelSweep;
    void recompute();
    void showRows();
    void plotMeasured();
    void startModel();
    void modelDone(std::shared_ptr<ModelSweep> sweep, int generation);
    std::string designSignature() const;

    UnitSystem system_;
    MeasurementHost host_;
    std::function<QString()> choose_;
    std::string necProgram_ = "nec2c";

    QPushButton* open_ = nullptr;
    QLabel* fileLabel_ = nullptr;
    QLineEdit* wound_ = nullptr;
    QPushButton* apply_ = nullptr;
    QTextBrowser* findings_ = nullptr;
    FrequencyPlot* swrPlot_ = nullptr;
    FrequencyPlot* rPlot_ = nullptr;
    FrequencyPlot* xPlot_ = nullptr;
    SmithChart* smith_ = nullptr;

    QString path_;
    std::optional<Measurement> measurement_;
    std::optional<SweepFindings> sweep_;
    std::optional<Tuning> tuning_;
    QString tuningProblem_;
    QString modelStatus_;
    std::vector<FindingRow> rows_;
    std::string signature_;

    QThread* worker_ = nullptr;
    std::atomic<bool> cancel_{false};
    int generation_ = 0;
};

}  // namespace yq
