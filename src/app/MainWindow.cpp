#include "app/MainWindow.h"

#include "windows/ErrorReporter.h"
#include "app/InfoTexts.h"
#include "app/WindowParts.h"

#include <QAction>
#include <QCloseEvent>
#include <QEventLoop>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

namespace yq {

namespace {

const QFont& mainFont() {
    static const QFont font = windowFont(QStringLiteral("Arial"), 8);
    return font;
}

}  // namespace

MainWindow::MainWindow(MainWindowServices services, QWidget* parent)
    : QMainWindow(parent), services_(std::move(services)), units_(mainFont()) {
    setObjectName(QStringLiteral("P1$WINDOW"));
    setWindowTitle(tr(kMainCaption));
    setWindowIconFromImage(this, QStringLiteral("milnm.ico"));

    buildMenu();
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFont(mainFont());
    client->setFixedSize(units_.size(527, 319));
    client->setAutoFillBackground(true);
    buildLayout(client);
    setCentralWidget(client);

    // A dialog-style window: its size is fixed by its layout.
    setFixedSize(sizeHint());
}

void MainWindow::buildMenu() {
    QMenuBar* bar = menuBar();
    bar->setNativeMenuBar(false);

    auto* shutdown = bar->addAction(tr("Shutdown"));
    shutdown->setObjectName(QStringLiteral("SHUTDOWN"));
    QMenu* design = bar->addMenu(tr("   Antenna Design"));
    design->setObjectName(QStringLiteral("ANTENNADESIGN"));
    auto* imperial = design->addAction(tr("   Imperial YQ Antenna"));
    imperial->setObjectName(QStringLiteral("YQANTENNA"));
    auto* metric = design->addAction(tr("   Metric YQ antenna"));
    metric->setObjectName(QStringLiteral("DESIGNYQMETRIC"));
    auto* pictures = bar->addAction(tr("   Pictures"));
    pictures->setObjectName(QStringLiteral("PICTURES"));
    auto* users = bar->addAction(tr(kUserListMenuCaption));
    users->setObjectName(QStringLiteral("USERLIST"));
    auto* about = bar->addAction(tr("    AboutThisProgram"));
    about->setObjectName(QStringLiteral("ABOUTTHISPROGRAM"));

    controls_ = {shutdown, design, imperial, metric, pictures, users, about};

    const bool designs = static_cast<bool>(services_.openDesignWindow);
    imperial->setEnabled(designs);
    metric->setEnabled(designs);

    connect(shutdown, &QAction::triggered, this, [this] { accept(mainItem::Shutdown); });
    connect(imperial, &QAction::triggered, this, [this] { accept(mainItem::ImperialDesign); });
    connect(metric, &QAction::triggered, this, [this] { accept(mainItem::MetricDesign); });
    connect(pictures, &QAction::triggered, this, [this] { accept(mainItem::Pictures); });
    connect(users, &QAction::triggered, this, [this] { accept(mainItem::UserList); });
    connect(about, &QAction::triggered, this, [this] { accept(mainItem::About); });

    // The window has no entry fields: the menu is reached from the keyboard
    // with F10 (or Alt+M), then the arrow keys and Enter.
    for (const QKeySequence& key : {QKeySequence(Qt::Key_F10), QKeySequence(Qt::ALT | Qt::Key_M)}) {
        auto* shortcut = new QShortcut(key, this);
        connect(shortcut, &QShortcut::activated, this, [bar] {
            bar->setFocus(Qt::ShortcutFocusReason);
            bar->setActiveAction(bar->actions().constFirst());
        });
    }
}

void MainWindow::buildLayout(QWidget* client) {
    const auto& u = units_;
    QLabel* banner = addImage(client, u, {-18, 0, 545, 61}, QStringLiteral("mt_business_top.jpg"),
                              QStringLiteral("IMAGE2"), tr("ZO Duravar Uravaro banner"));
    QFrame* panel2 = addPanel(client, u, {5, 67, 107, 146}, QStringLiteral("PANEL2"));
    QLabel* antenna = addImage(client, u, {8, 69, 101, 142}, QStringLiteral("yqantenna1.jpg"), QStringLiteral("IMAGE3"),
                               tr("A YQ antenna"));
    QLabel* welcome = addPrompt(client, u, {120, 67, 156, 163}, QStringLiteral("Prompt 2"), QStringLiteral("PROMPT2"));
    QLabel* information =
        addPrompt(client, u, {307, 67, 200, 31}, QStringLiteral("Prompt 3"), QStringLiteral("PROMPT3"));
    QLabel* biography = addPrompt(client, u, {116, 252, 374, 65}, QString(), QStringLiteral("PROMPT1"));
    QFrame* panel1 = addPanel(client, u, {305, 101, 204, 150}, QStringLiteral("PANEL1"));
    QLabel* van = addImage(client, u, {307, 103, 199, 146}, QStringLiteral("van.jpg"), QStringLiteral("IMAGE4"),
                           tr("A YQ antenna on a van"));
    QFrame* panel3 = addPanel(client, u, {39, 234, 73, 82}, QStringLiteral("PANEL3"));
    QLabel* portrait = addImage(client, u, {42, 236, 67, 78}, QStringLiteral("BrannocQuillet.jpg"),
                                QStringLiteral("IMAGE5"), tr("Portrait of Brannoc Quillet"));
    auto* inventor = new QLabel(tr(kInventorLine), client);
    inventor->setObjectName(QStringLiteral("STRING1"));
    QFont bold = client->font();
    bold.setBold(true);
    inventor->setFont(bold);
    inventor->move(u.point(116, 235));
    inventor->adjustSize();

    controls_ << banner << panel2 << antenna << welcome << information << biography << panel1 << van << panel3
              << portrait << inventor;

    // The texts replace the layout's placeholders before the window is
    // first shown.
    biography->setText(biographyText());
    welcome->setText(welcomeText());
    information->setText(informationText());
    // The layout's prompts were sized for the original font's metrics; a
    // text that would be cut off here is set a little smaller instead.
    for (QLabel* prompt : {biography, welcome, information}) fitPromptText(prompt);
}

QObject* MainWindow::control(int number) const {
    return number >= 1 && number <= controls_.size() ? controls_[number - 1] : nullptr;
}

void MainWindow::accept(int item) {
    // The design windows run before the standard handling of the choice.
    if (item == mainItem::ImperialDesign && services_.openDesignWindow)
        services_.openDesignWindow(UnitSystem::Imperial, this);
    else if (item == mainItem::MetricDesign && services_.openDesignWindow)
        services_.openDesignWindow(UnitSystem::Metric, this);

    // Standard handling: "Shutdown" closes the window.
    if (item == mainItem::Shutdown) close();

    // The information windows and the user list run after it.
    if (item == mainItem::Pictures && services_.openPictures)
        services_.openPictures(this);
    else if (item == mainItem::UserList && services_.openUserList)
        services_.openUserList(this);
    else if (item == mainItem::About && services_.openAbout)
        services_.openAbout(this);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    if (event->isAccepted() && !closed_) {
        closed_ = true;
        emit closed();
    }
}

void MainWindow::run() {
    closed_ = false;
    QEventLoop loop;
    connect(this, &MainWindow::closed, &loop, &QEventLoop::quit);
    centreOnScreen(this);
    show();
    raise();
    activateWindow();
    if (!closed_) loop.exec();
}

void runMain(const MainWindowServices& services, ErrorReporter& errors) {
    const ProcedureScope procedure(errors, QStringLiteral("Main"));
    MainWindow window(services);
    window.run();
}

}  // namespace yq
