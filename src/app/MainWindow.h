// The main window: a banner, pictures and three blocks of text under a menu
// bar from which every other window is run, one at a time and modally.
// Closing it ("Shutdown", the close box, the system menu) ends the program.
#pragma once

#include "design/DesignRecord.h"
#include "windows/DialogUnits.h"

#include <QMainWindow>

#include <functional>

class QAction;
class QLabel;
class QMenu;

namespace yq {

class ErrorReporter;

// The windows the main menu runs. Each call returns when its window has
// closed. A missing design window leaves its menu items disabled.
struct MainWindowServices {
    std::function<void(UnitSystem, QWidget* parent)> openDesignWindow;
    std::function<void(QWidget* parent)> openPictures;
    std::function<void(QWidget* parent)> openUserList;
    std::function<void(QWidget* parent)> openAbout;
};

// Numbers of the menu items, in menu order; the window's other controls
// follow from 8 in layout order.
namespace mainItem {
inline constexpr int Shutdown = 1;
inline constexpr int AntennaDesign = 2;
inline constexpr int ImperialDesign = 3;
inline constexpr int MetricDesign = 4;
inline constexpr int Pictures = 5;
inline constexpr int UserList = 6;
inline constexpr int About = 7;
}  // namespace mainItem

inline constexpr const char* kUserListMenuCaption = QT_TRANSLATE_NOOP("yq::MainWindow", "   Users");

class MainWindow final : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(MainWindowServices services, QWidget* parent = nullptr);

    // Shows the window and runs its event loop until it is closed.
    void run();

    // Runs what a menu item does, as if the user had chosen it.
    void accept(int item);

    // Menu item or control by number (1 = "Shutdown").
    QObject* control(int number) const;
    int controlCount() const { return static_cast<int>(controls_.size()); }
    const DialogUnits& units() const { return units_; }

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenu();
    void buildLayout(QWidget* client);

    MainWindowServices services_;
    DialogUnits units_;
    QList<QObject*> controls_;
    bool closed_ = false;
};

// The main window procedure "Main": opens the window and returns when it has
// closed.
void runMain(const MainWindowServices& services, ErrorReporter& errors);

}  // namespace yq
