#include "windows/DesignWindow.h"
#include "windows/WindowColours.h"

#include "design/Calculation.h"
#include "files/DesignFile.h"
#include "files/Text.h"
#include "files/ResultsFile.h"
#include "files/SaveDesign.h"
#include "report/EmbeddedImages.h"
#include "files/Picture.h"
#include "windows/BuildSheetTab.h"
#include "windows/DesignToolsTab.h"
#include "windows/SimulationTab.h"
#include "windows/MeasurementTab.h"
#include "windows/DialogUnits.h"
#include "windows/NumericEntry.h"
#include "windows/ValueLabel.h"
#include "windows/WindowMessages.h"
#include "platform/UserMessages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace yq {

namespace {

// A field's tip (DesignFields) in the program's language.
QString fieldTip(std::string_view tip) {
    const QByteArray source(tip.data(), qsizetype(tip.size()));
    return QCoreApplication::translate("DesignFields", source.constData());
}

NumericPicture parsedPicture(const QString& picture) {
    return parseNumericPicture(picture.toStdString()).value_or(NumericPicture{});
}

QLabel* heading(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont f = label->font();
    f.setBold(true);
    f.setPointSize(10);
    label->setFont(f);
    // As tall as its letters: a Japanese heading's letters stand taller than
    // the Latin ones the rows were drawn for.
    label->setMinimumHeight(label->sizeHint().height());
    setTextRole(label, TextRole::Heading);
    return label;
}

QLabel* note(const QString& text, QWidget* parent, int points = 0, bool bold = false) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    if (points > 0 || bold) {
        QFont f = label->font();
        if (points > 0) f.setPointSize(points);
        f.setBold(bold);
        label->setFont(f);
    }
    return label;
}

}  // namespace

DesignWindow::DesignWindow(const UnitSystemDescription& units, DesignWindowServices services, ProgramState& state,
                           QWidget* parent)
    : QDialog(parent), units_(units), services_(std::move(services)), state_(state), record_(units.system) {
    setWindowTitle(designtext::text(designtext::kProductCaption));
    setFont(windowFont(QStringLiteral("Arial"), 8));
    setObjectName(units.windowName);
    buildLayout();
    // (1) the help box receives the help text.
    help_->setPlainText(designtext::helpText());
    redisplay();
}

DesignWindow::~DesignWindow() {
    // The entries outlive this object's members while the window is taken
    // down; the focus leaving them must not reach the window any more.
    for (const Field& f : fields_) {
        f.edit->removeEventFilter(this);
        disconnect(f.edit, nullptr, this, nullptr);
    }
}

void DesignWindow::buildLayout() {
    const DialogUnits du(font());
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(du.x(4), du.y(3), du.x(4), du.y(3));
    outer->setSpacing(du.y(2));

    auto* titlePanel = new QFrame(this);
    titlePanel->setFrameShape(QFrame::StyledPanel);
    auto* titleLayout = new QHBoxLayout(titlePanel);
    titleLayout->setContentsMargins(du.x(6), du.y(2), du.x(6), du.y(2));
    auto* title = new QLabel(UnitSystemDescription::text(units_.title), titlePanel);
    title->setObjectName(QStringLiteral("TitleLine"));
    const QFont titleFont = windowFont(QStringLiteral("Arial Rounded MT Bold"), 16, true);
    title->setFont(titleFont);
    setTextRole(title, TextRole::Heading);
    titleLayout->addWidget(title, 1);
    auto* select = new QPushButton(tr("Select Antenna"), titlePanel);
    select->setMinimumSize(du.x(71), du.y(16));
    titleLayout->addWidget(select);
    buttons_[Command::SelectAntenna] = select;
    outer->addWidget(titlePanel);

    tabs_ = new QTabWidget(this);
    tabs_->addTab(buildSpecificationsTab(), tr("   Specifications"));
    tabs_->addTab(buildHelpTab(), tr("   Help"));
    DesignToolsHost tools;
    tools.record = [this]() -> const DesignRecord& { return record_; };
    tools.takeEntries = [this] { return takePendingEntries(); };
    tools.metricFlag = [this] { return state_.metric.isMetric(); };
    tools.apply = [this](std::string_view key, const Decimal& value) {
        *record_.field(key) = value;
        reCalc();
        redisplay();
    };
    tools.messages = services_.messages;
    tabs_->addTab(new DesignToolsTab(units_.system, tools, this), tr(kDesignToolsCaption));
    buildSheet_ = new BuildSheetTab(this);
    buildSheet_->setPictures([this](const KeyInfo& info, UnitSystem) { return units_.picture(info); });
    tabs_->addTab(buildSheet_, tr(kBuildSheetTabCaption));
    simulation_ = new SimulationTab(
        units_.system, {[this]() -> const DesignRecord& { return record_; }, services_.messages, {}}, this);
    tabs_->addTab(simulation_, tr(kSimulationCaption));
    tabs_->addTab(new MeasurementTab(units_.system, tools, this), tr(kMeasurementTabCaption));
    outer->addWidget(tabs_, 1);

    for (auto it = buttons_.constBegin(); it != buttons_.constEnd(); ++it) {
        const Command c = it.key();
        connect(it.value(), &QPushButton::clicked, this, [this, c] { run(c); });
    }
    setFixedSize(du.x(529), du.y(324));
    setTabOrder();
}

void DesignWindow::setTabOrder() {
    // Data entry first: down the second column, then the third, ReCalc and
    // the phasing coil; then Select Antenna, the tabs and the buttons; the
    // Help tab's controls last.
    QList<QWidget*> order;
    for (const Field& f : fields_) {
        // ReCalc sits between the tuning coil and the phasing coil.
        if (f.row->section == FieldSection::PhasingCoil && !order.contains(buttons_.value(Command::ReCalc)))
            order << buttons_.value(Command::ReCalc);
        order << f.edit;
    }
    order << buttons_.value(Command::SelectAntenna) << static_cast<QWidget*>(tabs_->tabBar());
    for (Command c : {Command::Save, Command::PrintView, Command::EmailReport, Command::Forum, Command::OpenExcel,
                      Command::EmailResults, Command::Close})
        order << buttons_.value(c);
    order << help_ << findChild<QPushButton*>(QStringLiteral("HelpForumButton"));
    for (qsizetype i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void DesignWindow::bindKey(Qt::Key key, Command command) {
    // The command runs as soon as its key is pressed, like its button.
    auto* shortcut = new QShortcut(QKeySequence(key), this);
    connect(shortcut, &QShortcut::activated, this, [this, command] { run(command); });
}

int DesignWindow::addFields(QGridLayout* grid, int row, FieldSection section) {
    for (const DesignField& spec : designFields(units_.system)) {
        if (spec.section == section) addField(grid, row++, spec);
    }
    return row;
}

void DesignWindow::addField(QGridLayout* grid, int line, const DesignField& spec) {
    const DialogUnits du(font());
    const KeyInfo& ki = keyInfo(spec.key);
    const QString key = toQString(ki.key);
    Field field;
    field.row = &spec;
    field.edit = new QLineEdit(this);
    field.picture = parsedPicture(units_.picture(ki));
    QLineEdit* edit = field.edit;
    edit->setObjectName(key);
    edit->setFixedSize(du.x(60), du.y(9) + 1);
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    edit->setReadOnly(!spec.editable());
    // The field's storage decides what can be entered, beside the picture.
    if (spec.editable())
        edit->setValidator(new PictureValidator(field.picture, record_.field(spec.key).storage(), edit));
    if (!spec.editable()) {
        QPalette p = edit->palette();
        p.setColor(QPalette::Base, palette().color(QPalette::Window));
        edit->setPalette(p);
    }
    QFont f = edit->font();
    f.setBold(spec.bold());
    edit->setFont(f);
    if (!spec.tip.empty()) edit->setToolTip(fieldTip(spec.tip));

    const KeyInfo& labelled = spec.textBefore ? keyInfo(*spec.textBefore) : ki;
    auto* label = new QLabel(units_.label(labelled), this);
    field.label = label;
    QFont lf = label->font();
    lf.setBold(spec.bold());
    label->setFont(lf);
    label->setBuddy(edit);
    edit->setAccessibleName(spec.textBefore ? units_.label(ki) : label->text().trimmed());

    grid->addWidget(label, line, 0);
    if (spec.textBefore) {
        // The value as plain text without a box, read by screen readers as
        // a value, then the entry.
        auto* pair = new QHBoxLayout;
        pair->setSpacing(du.x(2));
        field.text = new ValueLabel(this);
        field.text->setObjectName(toQString(labelled.key));
        field.text->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        field.text->setMinimumWidth(du.x(34));
        field.text->setAccessibleName(label->text());
        field.textPicture = parsedPicture(units_.picture(labelled));
        pair->addWidget(field.text);
        pair->addWidget(edit);
        grid->addLayout(pair, line, 1, Qt::AlignRight);
    } else {
        grid->addWidget(edit, line, 1, Qt::AlignRight);
    }
    fields_.push_back(field);

    const std::size_t index = fields_.size() - 1;
    connect(edit, &QLineEdit::editingFinished, this, [this, edit, index] {
        if (!edit->isModified()) return;
        edit->setModified(false);
        entryAccepted(fields_[index]);
    });
    if (spec.editable() || spec.onUse.any()) edit->installEventFilter(this);
}

const DesignWindow::Field* DesignWindow::field(const QString& key) const {
    for (const Field& f : fields_) {
        if (f.edit->objectName() == key) return &f;
    }
    return nullptr;
}

QLineEdit* DesignWindow::entry(const QString& key) const {
    const Field* f = field(key);
    return f ? f->edit : nullptr;
}

QLabel* DesignWindow::fieldLabel(const QString& key) const {
    const Field* f = field(key);
    return f ? f->label : nullptr;
}

QWidget* DesignWindow::buildSpecificationsTab() {
    const DialogUnits du(font());
    auto* page = new QWidget(this);
    auto* columns = new QHBoxLayout(page);
    columns->setContentsMargins(du.x(3), du.y(2), du.x(3), du.y(2));
    columns->setSpacing(du.x(8));

    // First column: the logo, the note and the command buttons.
    auto* first = new QVBoxLayout;
    first->setSpacing(du.y(3));
    auto* logo = new QLabel(page);
    logo->setObjectName(QStringLiteral("Logo"));
    const QString logoName = QStringLiteral("YQ_logo_small.gif");
    const QSize logoSize = report::embeddedImageSize(logoName).scaled(du.x(71), du.y(48), Qt::KeepAspectRatio);
    const QImage logoImage = report::embeddedImageAt(logoName, logoSize, page->devicePixelRatioF());
    if (!logoImage.isNull()) logo->setPixmap(QPixmap::fromImage(logoImage));
    logo->setAlignment(Qt::AlignCenter);
    first->addWidget(logo);
    auto* boldNote = note(tr("Entries in Bold are those you can change. All others are read only."), page);
    boldNote->setFixedWidth(du.x(71));
    first->addWidget(boldNote);
    struct ButtonSpec {
        Command command;
        const char* caption;
        Qt::Key key;
        QString tipText;
    };
    const ButtonSpec specs[] = {
        {Command::Save, QT_TR_NOOP("SAVE"), Qt::Key_F2,
         tr("Saves the file with the name like 726.ini\n7 = frequency in mhz\n2 = cylinder diameter in inches\n"
            "6 = diameter to length ratio\nAn 'M' first letter denotes Metric calculations.")},
        {Command::PrintView, QT_TR_NOOP("Print/View"), Qt::Key_unknown, tr("You MUST save first to print")},
        {Command::EmailReport, QT_TR_NOOP("email Report"), Qt::Key_unknown,
         tr("Uses Outlook for email. Other mailers may not work.")},
        {Command::Forum, QT_TR_NOOP("YQ Forum"), Qt::Key_F8, {}},
        {Command::OpenExcel, QT_TR_NOOP("Open Excel"), Qt::Key_unknown, {}},
        {Command::EmailResults, QT_TR_NOOP("Email Results"), Qt::Key_unknown, {}},
        {Command::Close, QT_TR_NOOP("Close"), Qt::Key_unknown, {}},
    };
    for (const ButtonSpec& s : specs) {
        auto* b = new QPushButton(tr(s.caption), page);
        QFont f = b->font();
        f.setBold(true);
        f.setPointSize(10);
        b->setFont(f);
        // 71 units wide; wider where a translated caption needs the room.
        b->setFixedSize(du.x(71), du.y(18));
        QStyleOptionButton option;
        option.initFrom(b);
        option.text = b->text();
        const int room = b->style()->subElementRect(QStyle::SE_PushButtonContents, &option, b).width();
        const int needed = QFontMetrics(f).size(Qt::TextShowMnemonic, b->text()).width();
        if (needed > room) b->setFixedWidth(du.x(71) + needed - room);
        setTextRole(b, TextRole::Heading, QPalette::ButtonText);
        if (s.key != Qt::Key_unknown) bindKey(s.key, s.command);
        if (!s.tipText.isEmpty()) b->setToolTip(s.tipText);
        b->setAutoDefault(false);
        buttons_[s.command] = b;
        first->addWidget(b);
    }
    first->addStretch(1);
    columns->addLayout(first);

    // Second column: the cylinders, then the source coil.
    auto* second = new QGridLayout;
    second->setVerticalSpacing(0);
    second->setHorizontalSpacing(du.x(3));
    int row = 0;
    second->addWidget(heading(tr("Cylinder Specifications"), page), row++, 0, 1, 2);
    row = addFields(second, row, FieldSection::Cylinder);
    second->addWidget(heading(tr("Source Coil Specifications"), page), row++, 0, 1, 2);
    row = addFields(second, row, FieldSection::SourceCoil);
    notice_ = new QLabel(UnitSystemDescription::text(units_.initialNotice), page);
    notice_->setObjectName(QStringLiteral("UnitNotice"));
    QFont nf = notice_->font();
    nf.setBold(true);
    nf.setPointSize(units_.noticePoints);
    notice_->setFont(nf);
    notice_->setMinimumHeight(notice_->sizeHint().height());
    setTextRole(notice_, TextRole::Notice);
    second->addWidget(notice_, row++, 0, 1, 2);
    second->setRowStretch(row, 1);
    columns->addLayout(second);

    // Third column: the tuning coil, ReCalc, the phasing coil.
    auto* third = new QGridLayout;
    third->setVerticalSpacing(0);
    third->setHorizontalSpacing(du.x(3));
    row = 0;
    third->addWidget(heading(tr("Tuning Coil Specifications"), page), row++, 0, 1, 2);
    row = addFields(third, row, FieldSection::TuningCoil);
    // The caption wraps onto two lines inside the button, as a push button
    // of this size shows it.
    const QString recalcCaption = tr("Click on this button to recalculate after making changes");
    auto* recalc = new QPushButton(page);
    recalc->setObjectName(QStringLiteral("ReCalc"));
    recalc->setAccessibleName(recalcCaption);
    recalc->setFixedSize(du.x(187), du.y(28));
    auto* recalcText = new QLabel(recalcCaption, recalc);
    recalcText->setWordWrap(true);
    recalcText->setAlignment(Qt::AlignCenter);
    recalcText->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* recalcLayout = new QHBoxLayout(recalc);
    recalcLayout->setContentsMargins(du.x(4), 2, du.x(4), 2);
    recalcLayout->addWidget(recalcText);
    bindKey(Qt::Key_F3, Command::ReCalc);
    recalc->setAutoDefault(false);
    QFont rf = recalcText->font();
    rf.setBold(true);
    recalcText->setFont(rf);
    recalc->setToolTip(
        tr("Initial factor is 2. This divides the cylinder capacitance\nby 2 to recalculate the coil size. That will "
           "also\nrecalculate the coil inductance.\n\nUse a number that give the number of turns you\nhave used to "
           "make the system work. Then OK\nto SAVE."));
    buttons_[Command::ReCalc] = recalc;
    third->addWidget(recalc, row++, 0, 1, 2, Qt::AlignHCenter);
    third->addWidget(heading(tr("Phasing Coil Specifications"), page), row++, 0, 1, 2);
    row = addFields(third, row, FieldSection::PhasingCoil);
    auto* coilNote = note(UnitSystemDescription::text(units_.coilNote), page);
    coilNote->setObjectName(QStringLiteral("CoilNote"));
    third->addWidget(coilNote, row++, 0, 1, 2);
    third->setRowStretch(row, 1);
    columns->addLayout(third);
    return page;
}

QWidget* DesignWindow::buildHelpTab() {
    const DialogUnits du(font());
    auto* page = new QWidget(this);
    auto* columns = new QHBoxLayout(page);
    columns->setContentsMargins(du.x(3), du.y(3), du.x(3), du.y(3));
    auto* frame = new QGroupBox(page);
    auto* left = new QVBoxLayout(frame);
    left->addWidget(heading(tr("General Help File"), frame));
    help_ = new QPlainTextEdit(frame);
    help_->setObjectName(QStringLiteral("HelpText"));
    help_->setReadOnly(true);
    help_->setAccessibleName(tr("General Help File"));
    help_->setTabChangesFocus(true);
    left->addWidget(help_, 1);
    left->addWidget(note(tr("The various components that make up the YQ Star version are listed on the right "
                            "for clarification of the terms used on the design page. You must refer to "
                            "Brannoc's YQ Design Book (downloadable from the Forum) for a more complete "
                            "understanding of the YQ Star."),
                         frame, 10, true));
    left->addWidget(note(tr("Overall length of antenna is calculated as Cylinder Length * 2, plus Cylinder "
                            "Diameter * 2, plus the tuning coil length. The Source Coil is not included in "
                            "the length."),
                         frame, 10, true));
    auto* forum = new QPushButton(tr("Click to log onto the YQ Forum"), frame);
    forum->setObjectName(QStringLiteral("HelpForumButton"));
    // 256 units wide where the frame has the room; never wider than the frame.
    forum->setFixedHeight(du.y(18));
    forum->setMaximumWidth(du.x(256));
    forum->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    forum->setAutoDefault(false);
    connect(forum, &QPushButton::clicked, this, [this] {
        takeControlsContents();
        queue(Command::Forum);  // as a press of the forum button's key
    });
    left->addWidget(forum);
    columns->addWidget(frame, 1);

    auto* picture = new QLabel(page);
    picture->setObjectName(QStringLiteral("StarPicture"));
    const QSize pictureSize(du.x(239), du.y(270));
    const QImage image = report::embeddedImageAt(QStringLiteral("yq_star.jpg"), pictureSize, page->devicePixelRatioF());
    if (!image.isNull()) picture->setPixmap(QPixmap::fromImage(image));
    picture->setFixedSize(pictureSize);
    picture->setAlignment(Qt::AlignCenter);
    picture->setAccessibleName(tr("The parts of the YQ Star antenna"));
    columns->addWidget(picture);
    return page;
}

void DesignWindow::open() {
    // (2) the window opens, with the focus in the first entry
    show();
    if (opened_) return;
    opened_ = true;
    fields_.front().edit->setFocus(Qt::OtherFocusReason);
    // (3) the forum button becomes a web link to the forum
    if (services_.linkForum) {
        if (auto open = services_.linkForum(this, buttons_.value(Command::Forum)))
            services_.openForum = std::move(open);
    }
    // (4), (5) the open dialog and the load of the chosen file; (6) the unit
    // flag: the file's, or this window's when none was chosen
    state_.metric =
        chooseDesignFile(UnitSystemDescription::text(units_.openFilter)).value_or(units_.rules().metricOnOpen);
}

int DesignWindow::exec() {
    if (!opened_) {
        const bool wasModal = isModal();
        setModal(true);
        open();
        setModal(wasModal);
    }
    return QDialog::exec();
}

void DesignWindow::run(Command command) {
    switch (command) {
        case Command::SelectAntenna:
            takeControlsContents();
            if (const auto metric = chooseDesignFile(UnitSystemDescription::text(units_.selectFilter)))
                state_.metric = *metric;
            break;
        case Command::ReCalc:
            if (!takePendingEntries()) break;
            reCalc();
            redisplay();
            break;
        case Command::Save:
            save();
            break;
        case Command::PrintView:
            printOrEmailReport(false);
            break;
        case Command::EmailReport:
            printOrEmailReport(true);
            break;
        case Command::Forum:
            if (services_.openForum) services_.openForum();
            break;
        case Command::OpenExcel:
            openExcel();
            break;
        case Command::EmailResults:
            emailResults();
            break;
        case Command::Close:
            takeControlsContents();
            accept();
            break;
    }
}

void DesignWindow::queue(Command command) {
    QMetaObject::invokeMethod(
        this, [this, command] { run(command); }, Qt::QueuedConnection);
}

void DesignWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // Enter presses the focused button; in an entry field it completes
        // the entry and moves on. It never closes the window.
        if (auto* button = qobject_cast<QAbstractButton*>(QApplication::focusWidget());
            button && isAncestorOf(button) && button->isEnabled()) {
            button->click();
            return;
        }
        focusNextChild();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool DesignWindow::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::FocusIn || type == QEvent::FocusOut || type == QEvent::MouseButtonPress) {
        for (const Field& f : fields_) {
            if (f.edit != watched) continue;
            QLineEdit* edit = f.edit;
            if (!edit->isReadOnly()) {
                // While an entry is edited it shows its value without
                // thousands grouping, so that a comma typed there is always
                // the decimal separator; leaving it unchanged shows the
                // grouping again.
                if (type == QEvent::FocusIn && !edit->isModified()) {
                    QString plain = edit->text();
                    plain.remove(u',');
                    if (plain != edit->text()) {
                        edit->setText(plain);
                        edit->setModified(false);
                    }
                } else if (type == QEvent::FocusOut && !edit->isModified()) {
                    redisplay(f);
                }
            } else if (type != QEvent::FocusOut) {
                // A computed field used: its partial recalculation.
                runAction(f.row->onUse);
            }
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void DesignWindow::takeControlsContents() {
    for (const Field& f : fields_) {
        if (f.edit->isReadOnly() || !f.edit->isModified()) continue;
        f.edit->setModified(false);
        if (const auto value = entryValue(f.edit->text(), f.picture.places)) record_.field(f.row->key) = *value;
    }
}

bool DesignWindow::takePendingEntries() {
    // An entry still being typed in is taken as if it had been left: its
    // value is stored and its own action runs (the cylinder length, the
    // ratio from the cylinder length, the factor check ...). All values are
    // stored first, then the actions run in the order of the fields.
    std::vector<const Field*> pending;
    for (const Field& f : fields_) {
        if (!f.edit->isReadOnly() && f.edit->isModified()) pending.push_back(&f);
    }
    takeControlsContents();
    for (const Field* f : pending)
        if (!entryAccepted(*f)) return false;
    return true;
}

bool DesignWindow::prepareDesign() {
    if (!takePendingEntries()) return false;
    reCalc();
    redisplay();
    return true;
}

void DesignWindow::redisplay(const Field& field) {
    QLineEdit* edit = field.edit;
    QString text = formatNumeric(record_.field(field.row->key).value(), field.picture);
    if (!edit->isReadOnly() && edit->hasFocus()) text.remove(u',');  // being edited: no grouping
    edit->setText(text);
    edit->setModified(false);
    edit->setCursorPosition(0);
}

void DesignWindow::redisplay() {
    for (const Field& f : fields_) {
        redisplay(f);
        if (f.text) f.text->setText(formatNumeric(record_.field(*f.row->textBefore).value(), f.textPicture));
    }
}

bool DesignWindow::entryAccepted(const Field& field) {
    QLineEdit* edit = field.edit;
    DecimalField& value = record_.field(field.row->key);
    if (const auto entered = entryValue(edit->text(), field.picture.places)) value = *entered;
    if (field.row->check == FieldCheck::FactorAtLeastOne && value < Decimal(1)) {
        showError(designtext::text(designtext::kFacMessage));
        // Back to the factor, once the focus change that accepted it is over.
        QTimer::singleShot(0, edit, [edit] {
            edit->setFocus(Qt::OtherFocusReason);
            edit->selectAll();
        });
        return false;
    }
    runAction(field.row->onAccept);
    return true;
}

void DesignWindow::runAction(const FieldAction& action) {
    if (action.partial) runPartial(record_, *action.partial);
    if (action.redisplay) redisplay();
    if (action.reCalc) queue(Command::ReCalc);
}

void DesignWindow::reCalc() {
    units_.rules().reCalc(record_, state_.metric.isMetric());
    buildSheet_->setDesign(record_, QFileInfo(currentPath_).fileName());
    simulation_->designChanged();
}

std::optional<MetricFlag> DesignWindow::chooseDesignFile(const QString& filter) {
    const QString chosen = services_.chooseFile ? services_.chooseFile(designtext::text(designtext::kDialogTitle),
                                                                       filter, QDir::currentPath())
                                                : QString();
    if (!chosen.isEmpty()) {
        chosenName_ = chosen.left(255);
        // A file in another folder makes that folder the working folder.
        const QString folder = QFileInfo(chosenName_).absolutePath();
        if (QFileInfo(folder).isDir()) QDir::setCurrent(folder);
    }
    currentPath_ = chosenName_;
    return loadDesign();
}

std::optional<MetricFlag> DesignWindow::loadDesign() {
    if (currentPath_.trimmed().isEmpty()) return std::nullopt;
    const Result<long long> read = readDesignFile(currentPath_, record_);
    // A file that cannot be read leaves zeros, as a file without the key does.
    const UnitReaction reaction = unitReaction(units_.system, read ? *read : 0);
    if (!read) showError(problemText(read.problem()));
    const QString message = UnitSystemDescription::text(reaction.message);
    if (reaction.messageBeforeNotice && !message.isEmpty()) showError(message);
    if (!reaction.notice.isEmpty()) notice_->setText(UnitSystemDescription::text(reaction.notice));
    if (!reaction.messageBeforeNotice && !message.isEmpty()) showError(message);
    redisplay();
    queue(Command::ReCalc);
    return reaction.metric;
}

bool DesignWindow::save() {
    MetricFlag metric = state_.metric;
    const bool saved = saveDesignFile(state_.metric, metric);
    state_.metric = metric;
    return saved;
}

bool DesignWindow::saveDesignFile(MetricFlag flag, MetricFlag& metric) {
    // What is written is the design as a full calculation gives it from the
    // entries as typed, even when an entry was not left or a computed field
    // shows a partial recalculation.
    if (!prepareDesign()) return false;
    const SaveOutcome outcome =
        saveDesign(record_, units_.system, flag, state_.userRecord, QDir::currentPath(), resultsUser_);
    chosenName_ = units_.rules().chosenNameIsSavedPath ? outcome.path : outcome.fileName;
    currentPath_ = outcome.path;
    metric = outcome.metric;
    if (!outcome.design) {
        showError(outcome.problem());
        return false;
    }
    if (!outcome.results) showError(outcome.problem());
    if (const auto read = loadDesign()) metric = *read;
    return true;
}

void DesignWindow::printOrEmailReport(bool email) {
    if (!takePendingEntries()) return;
    const UnitSystemRules& rules = units_.rules();
    if (rules.warnWhenPrintingMetric && state_.metric.isMetric() && services_.messages)
        services_.messages->information(designtext::text(designtext::kPrintingMetricMessage));
    // The flag of Print/View goes into the saved file and holds for the
    // report, whatever reading the saved file back did to it. The design is
    // saved first, so the report prints what was just saved.
    MetricFlag metric = email ? state_.metric : rules.metricOnPrint;
    const bool saved = saveDesignFile(metric, metric);
    // What this road leaves: the report's reading, or when no report ran
    // the flag the design was saved with.
    report::ReportRun run;
    run.metric = metric;
    if (saved) {
        const report::ReportRequest request{currentPath_, email ? ReportMode::Export : ReportMode::Preview,
                                            email ? metric : rules.metricOnPrint};
        run.metric = request.metric;
        if (services_.runReport) {
            run = services_.runReport(request);
            if (!run.metric) run.metric = request.metric;
        }
    }
    run.applyTo(state_);  // the one place on this road where the unit flag is set
    if (saved) redisplay();
}

void DesignWindow::openExcel() {
    takeControlsContents();
    const QString path = QDir::current().filePath(QString::fromLatin1(kResultsFileName));
    if (services_.setBusy) services_.setBusy(true);
    const Result<> opened = services_.openSpreadsheet ? services_.openSpreadsheet(path) : fail({});
    if (services_.setBusy) services_.setBusy(false);
    if (!opened) {
        QString problem = problemText(opened.problem());
        if (problem.isEmpty()) problem = tr(windowtext::kNoSpreadsheet).arg(QDir::toNativeSeparators(path));
        showError(problem);
    }
}

void DesignWindow::emailResults() {
    if (!prepareDesign()) return;
    const QDir folder = QDir::current();
    const QString workingCopy = folder.filePath(QString::fromLatin1(kWorkingCopyName));
    if (const Result<> written = writeWorkingCopy(workingCopy, record_); !written) {
        showError(tr(windowtext::kWorkingCopyNotWritten)
                      .arg(QDir::toNativeSeparators(workingCopy), problemText(written.problem())));
        return;
    }
    if (services_.emailResults) services_.emailResults(workingCopy, resultsFilePath(folder.absolutePath()));
}

void DesignWindow::showError(const QString& text) {
    if (services_.messages) services_.messages->error(text);
}

DesignWindowServices standardDesignWindowDialogs(QWidget* parent) {
    DesignWindowServices s;
    s.chooseFile = [parent](const QString& title, const QString& filter, const QString& folder) {
        // "Description|pattern" becomes "Description (pattern)".
        const QStringList parts = filter.split(u'|');
        const QString qtFilter = parts.size() >= 2 ? QStringLiteral("%1 (%2)").arg(parts[0], parts[1]) : filter;
        return QFileDialog::getOpenFileName(QApplication::activeWindow() ? QApplication::activeWindow() : parent, title,
                                            folder, qtFilter);
    };
    s.setBusy = [](bool busy) {
        if (busy)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
    };
    return s;
}

}  // namespace yq
