// The design window: one antenna design in inches or millimetres, its
// entry fields, the calculation and the commands that open, save, print,
// export and mail it. The Imperial and the Metric windows are this class
// with their UnitSystemDescription.
#pragma once

#include "files/ProgramState.h"
#include "design/DesignRecord.h"
#include "design/Result.h"
#include "files/Picture.h"
#include "report/ReportJob.h"
#include "windows/DesignFields.h"
#include "windows/UnitSystemDescription.h"

#include <QDialog>
#include <QMap>

#include <functional>
#include <vector>

class QGridLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace yq {

class BuildSheetTab;
class SimulationTab;

namespace platform {
class UserMessages;
}

// What the window asks of the world. Each is a plain function so tests can
// hand in fakes that record what the window did.
struct DesignWindowServices {
    // Open-file dialog: returns the chosen file, or an empty text on cancel.
    std::function<QString(const QString& title, const QString& filter, const QString& folder)> chooseFile;
    // What the user is told (errors, notices); nothing when none.
    platform::UserMessages* messages = nullptr;
    // The design report of a request; returns what it read.
    std::function<report::ReportRun(const report::ReportRequest& request)> runReport;
    // The results mail with the working copy and the results file attached.
    std::function<void(const QString& workingCopyPath, const QString& resultsPath)> emailResults;
    // Opens the results file in the spreadsheet program, or says why nothing could.
    std::function<Result<>(const QString& resultsPath)> openSpreadsheet;
    // Opens the users' forum in the browser.
    std::function<void()> openForum;
    // Makes the window's forum button a web link to the forum; returns what
    // then opens the forum (it replaces openForum when given).
    std::function<std::function<void()>(QWidget* window, QWidget* forumButton)> linkForum;
    // Shows or hides the wait cursor while a program starts.
    std::function<void(bool busy)> setBusy;
};

class DesignWindow : public QDialog {
    Q_OBJECT

public:
    enum class Command { SelectAntenna, ReCalc, Save, PrintView, EmailReport, Forum, OpenExcel, EmailResults, Close };

    DesignWindow(const UnitSystemDescription& units, DesignWindowServices services, ProgramState& state,
                 QWidget* parent = nullptr);
    ~DesignWindow() override;

    // Shows the window and runs the opening: the unit flag, the forum link,
    // the open dialog and the load of the chosen file.
    void open() override;
    // open(), then the window's own event loop until it closes.
    int exec() override;

    const DesignRecord& record() const { return record_; }
    DesignRecord& record() { return record_; }
    const QString& currentDesignPath() const { return currentPath_; }
    const QString& chosenFileName() const { return chosenName_; }
    const UnitSystemDescription& units() const { return units_; }

    // Controls, for tests and for accessibility checks.
    QLineEdit* entry(const QString& key) const;
    QLabel* fieldLabel(const QString& key) const;
    QLabel* unitNotice() const { return notice_; }
    QPushButton* commandButton(Command command) const { return buttons_.value(command); }
    QTabWidget* tabs() const { return tabs_; }
    BuildSheetTab* buildSheetTab() const { return buildSheet_; }
    SimulationTab* simulationTab() const { return simulation_; }
    QPlainTextEdit* helpBox() const { return help_; }

    // Runs a command now, as its button does.
    void run(Command command);
    // Places a command behind the current event, as a press of its key does.
    void queue(Command command);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildLayout();
    // One entry field of the window, built from its row of the field table.
    struct Field {
        const DesignField* row = nullptr;
        QLineEdit* edit = nullptr;
        QLabel* label = nullptr;
        NumericPicture picture;  // parsed once
        QLabel* text = nullptr;  // the value shown as text before the entry, if any
        NumericPicture textPicture;
    };

    void bindKey(Qt::Key key, Command command);
    void setTabOrder();
    QWidget* buildSpecificationsTab();
    QWidget* buildHelpTab();
    int addFields(QGridLayout* grid, int row, FieldSection section);
    void addField(QGridLayout* grid, int line, const DesignField& spec);
    const Field* field(const QString& key) const;

    void takeControlsContents();
    // Takes modified entries with their accept actions; false when one was refused.
    bool takePendingEntries();
    // Pending entries, then the full calculation and a redisplay.
    bool prepareDesign();
    void redisplay();
    void redisplay(const Field& field);
    // Reads the current design file into the record; returns the unit flag
    // the read leaves (nothing when there is no current file).
    std::optional<MetricFlag> loadDesign();
    bool entryAccepted(const Field& field);
    void runAction(const FieldAction& action);
    void reCalc();
    std::optional<MetricFlag> chooseDesignFile(const QString& filter);
    // SAVE with the unit flag `flag`: the design file, the results row, the
    // file read back. `metric` receives the flag this leaves (the flag read
    // back, or the one written when the file could not be); false when the
    // design was not saved.
    bool saveDesignFile(MetricFlag flag, MetricFlag& metric);
    bool save();
    void printOrEmailReport(bool email);
    void openExcel();
    void emailResults();
    void showError(const QString& text);

    const UnitSystemDescription& units_;
    DesignWindowServices services_;
    ProgramState& state_;
    DesignRecord record_;
    QString currentPath_;
    QString chosenName_;
    QString resultsUser_;  // user text of the last results row this window wrote

    std::vector<Field> fields_;  // in the order of the field table
    QMap<Command, QPushButton*> buttons_;
    QLabel* notice_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    BuildSheetTab* buildSheet_ = nullptr;
    SimulationTab* simulation_ = nullptr;
    QPlainTextEdit* help_ = nullptr;
    bool opened_ = false;
};

// The real open-file dialog and wait cursor.
DesignWindowServices standardDesignWindowDialogs(QWidget* parent);

}  // namespace yq
