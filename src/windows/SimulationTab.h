// The "   Simulation" tab of a design window: the NEC-2 study of the
// window's design (sim/Study.h) beside the calculator's figures, the R, X
// and SWR plots with the design's band shaded, the elevation pattern, the
// model's assumptions and the rules of NEC-2 its decks break. The study
// runs in a worker thread on a copy of the design, after each ReCalc while
// the tab is in front (or when it comes to the front after one): the window
// never waits for nec2c.
#pragma once

#include "design/DesignRecord.h"
#include "sim/Study.h"

#include <QWidget>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QTabWidget;
class QThread;

namespace yq {

namespace platform {
class UserMessages;
}

class FrequencyPlot;
class PolarPlot;

// What the tab needs of its window.
struct SimulationHost {
    // The window's record as its last ReCalc left it.
    std::function<const DesignRecord&()> record;
    // Where errors go (a file that cannot be written); nothing when none.
    platform::UserMessages* messages = nullptr;
    // The nec2c to run; empty: "nec2c" on PATH.
    std::string program;
};

inline constexpr const char* kSimulationCaption = QT_TRANSLATE_NOOP("yq::DesignWindow", "   Simulation");

class SimulationTab : public QWidget {
    Q_OBJECT

public:
    SimulationTab(UnitSystem system, SimulationHost host, QWidget* parent = nullptr);
    ~SimulationTab() override;

    // The window ran ReCalc: simulate now if the tab is in front, else when it comes there.
    void designChanged();
    // Starts a study of the window's design (a running one is cancelled).
    void simulate();
    bool running() const { return running_ != nullptr; }
    // Stops the running study; its runs of nec2c end within milliseconds.
    void cancel();
    // The model the study uses ("Model: standard | detailed").
    sim::ModelKind model() const;

    // The file a deck or sweep is written to; an empty text cancels. The
    // standard ones show a save dialog; tests hand in their own.
    void setFileChooser(std::function<QString(const QString& suggested, const QString& filter)> chooser) {
        choose_ = std::move(chooser);
    }
    void exportDeck();
    void saveSweep();

    // What the tab shows, for tests.
    QTableWidget* table() const { return table_; }
    QLabel* status() const { return status_; }
    QLabel* assumptions() const { return assumptions_; }
    QLabel* rules() const { return rules_; }
    FrequencyPlot* resistancePlot() const { return r_; }
    FrequencyPlot* reactancePlot() const { return x_; }
    FrequencyPlot* swrPlot() const { return swr_; }
    PolarPlot* patternPlot() const { return pattern_; }
    QTabWidget* plotTabs() const { return plots_; }
    QComboBox* rangeBox() const { return range_; }
    QComboBox* modelBox() const { return model_; }
    QPushButton* cancelButton() const { return cancel_; }
    QProgressBar* progressBar() const { return progress_; }
    QPushButton* exportButton() const { return export_; }
    QPushButton* saveButton() const { return save_; }
    const std::optional<sim::StudyResult>& lastStudy() const { return study_; }
    const DesignRecord& studiedDesign() const { return studied_; }

signals:
    // A study ended: shown, failed or cancelled by a newer one.
    void studyFinished();

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct Run;
    void finished(Run* run, Result<sim::StudyResult> result);
    void showStudy();
    void showPlots();
    void showProblem(const QString& text);
    void showError(const QString& text);

    UnitSystem system_;
    SimulationHost host_;
    std::function<QString(const QString&, const QString&)> choose_;
    bool stale_ = true;

    Run* running_ = nullptr;  // the newest run; older ones end on their own
    int generation_ = 0;
    std::vector<std::shared_ptr<Run>> runs_;  // every run whose thread has not ended

    std::optional<sim::StudyResult> study_;
    DesignRecord studied_;

    QLabel* status_ = nullptr;
    QPushButton* simulate_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QComboBox* model_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* export_ = nullptr;
    QPushButton* save_ = nullptr;
    QTableWidget* table_ = nullptr;
    QLabel* assumptions_ = nullptr;
    QLabel* rules_ = nullptr;
    QTabWidget* plots_ = nullptr;
    QComboBox* range_ = nullptr;
    FrequencyPlot* r_ = nullptr;
    FrequencyPlot* x_ = nullptr;
    FrequencyPlot* swr_ = nullptr;
    PolarPlot* pattern_ = nullptr;
};

}  // namespace yq
