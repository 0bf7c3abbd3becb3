// The "   Design Tools" tab of a design window: fit the capacitance factor or
// the degrees of phase to the turns of the built antenna, sweep one input
// and plot chosen outputs, convert the design to the other unit system.
// It works on copies of the window's design; only Apply changes the
// window's record, through the host.
#pragma once

#include "design/DesignTools.h"

#include <QWidget>

#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace yq {

namespace platform {
class UserMessages;
}

class SweepPlot;
class SweepTableModel;

// What the tab needs of its window.
struct DesignToolsHost {
    // The window's record as it stands (no entry taken, nothing run).
    std::function<const DesignRecord&()> record;
    // Takes the entries being typed, with their own checks (the factor
    // message); false when one was refused.
    std::function<bool()> takeEntries;
    // The program-wide unit flag, as the window's ReCalc reads it.
    std::function<bool()> metricFlag;
    // Sets one input of the window's record, runs its ReCalc, redisplays.
    std::function<void(std::string_view key, const Decimal& value)> apply;
    // Where errors go (a file that cannot be written); nothing when none.
    platform::UserMessages* messages = nullptr;
};

inline constexpr const char* kDesignToolsCaption = QT_TRANSLATE_NOOP("yq::DesignWindow", "   Design Tools");

class DesignToolsTab : public QWidget {
    Q_OBJECT

public:
    DesignToolsTab(UnitSystem system, DesignToolsHost host, QWidget* parent = nullptr);
    ~DesignToolsTab() override;

    // The file a sweep's CSV is saved to; an empty text cancels. The
    // standard one shows a save dialog; tests hand in their own.
    void setCsvFileChooser(std::function<QString(const QString& suggested)> chooser) {
        chooseCsv_ = std::move(chooser);
    }

    // The actions of the tab's buttons.
    void findFit();
    void applyFit();
    void runSweepNow();
    void saveSweepCsv();
    void convertNow();

    // Fills the range fields around the window's current value of the chosen input.
    void suggestRange();

    // Controls and results, for tests.
    QComboBox* fitFieldBox() const { return fitField_; }
    QLineEdit* turnsEntry() const { return turns_; }
    QLabel* fitResult() const { return fitResult_; }
    QPushButton* applyButton() const { return apply_; }
    QComboBox* sweepInputBox() const { return sweepInput_; }
    QLineEdit* fromEntry() const { return from_; }
    QLineEdit* toEntry() const { return to_; }
    QLineEdit* stepEntry() const { return step_; }
    QCheckBox* outputBox(const QString& key) const;
    QLabel* sweepStatus() const { return sweepStatus_; }
    SweepPlot* plot() const { return plot_; }
    QTableView* table() const { return table_; }
    QLabel* convertResult() const { return convertResult_; }
    const std::optional<FitOutcome>& lastFit() const { return fit_; }
    const std::vector<DesignRecord>& lastSweep() const { return points_; }
    const QString& lastConvertedPath() const { return convertedPath_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildFitGroup();
    QWidget* buildSweepGroup();
    QWidget* buildConvertGroup();
    DesignRecord calculatedCopy() const;
    QStringList chosenOutputs() const;
    void showSweep();
    void sweepProblem(const QString& text);
    void showError(const QString& text);
    // The inputs of the window's design but the fitted field, as one text.
    std::string inputsBesides(std::string_view fitted) const;

    UnitSystem system_;
    DesignToolsHost host_;
    std::function<QString(const QString&)> chooseCsv_;

    QComboBox* fitField_ = nullptr;
    QLineEdit* turns_ = nullptr;
    QLabel* fitResult_ = nullptr;
    QPushButton* apply_ = nullptr;
    QComboBox* sweepInput_ = nullptr;
    QLineEdit* from_ = nullptr;
    QLineEdit* to_ = nullptr;
    QLineEdit* step_ = nullptr;
    QList<QCheckBox*> outputs_;
    QLabel* sweepStatus_ = nullptr;
    QPushButton* saveCsv_ = nullptr;
    SweepPlot* plot_ = nullptr;
    QTableView* table_ = nullptr;
    SweepTableModel* model_ = nullptr;
    QLabel* convertResult_ = nullptr;

    std::optional<FitOutcome> fit_;
    std::string fitInputs_;  // the inputs the last fit was found for
    bool rangeEdited_ = false;
    std::vector<DesignRecord> points_;
    SweepRange range_;
    Decimal marker_;
    QString convertedPath_;
};

}  // namespace yq
