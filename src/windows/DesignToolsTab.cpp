#include "windows/DesignToolsTab.h"
#include "windows/WindowColours.h"

#include "files/AtomicFile.h"
#include "files/DesignFile.h"
#include "files/SaveConverted.h"
#include "platform/UserMessages.h"
#include "windows/DialogUnits.h"
#include "windows/SweepPlot.h"

#include <QAbstractTableModel>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include <cmath>

namespace yq {

namespace {

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

const QList<QPair<QString, QString>>& inputNames() {
    static const QList<QPair<QString, QString>> names = {{"F", "Frequency"},
                                                         {"CD", "Cylinder diameter"},
                                                         {"LD", "Length/Diameter ratio"},
                                                         {"WD", "Wire diameter"},
                                                         {"SP", "Spacing"},
                                                         {"CCD", "Coil diameter"},
                                                         {"FAC", "Capacitance factor"},
                                                         {"PCCD", "Phasing coil diameter"},
                                                         {"SCD", "Source coil diameter"},
                                                         {"DPS", "Degrees of phase"},
                                                         {"MBW", "Measured bandwidth"}};
    return names;
}

const QStringList& outputKeys() {
    static const QStringList keys = {"NT", "CI", "CL", "LW", "XC", "BW", "Q", "RR", "AE", "TL", "SCT", "PCNT"};
    return keys;
}

QString unitText(std::string_view key, UnitSystem system) { return qs(unitOf(key, system)); }

QString withUnit(const DecimalField& f, std::string_view key, UnitSystem system) {
    const QString unit = unitText(key, system);
    const QString value = withoutTrailingZeros(QString::fromStdString(f.text()));
    return unit.isEmpty() ? value : value + u' ' + unit;
}

QLabel* resultLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setWordWrap(true);
    label->setTextFormat(Qt::RichText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QGroupBox* group(const QString& title, QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    QFont f = box->font();
    f.setBold(true);
    box->setFont(f);
    QPalette p = box->palette();
    p.setColor(QPalette::WindowText, windows::kDarkBlue);
    box->setPalette(p);
    return box;
}

// Children of a bold group box keep the window's plain font.
template <typename W>
W* plain(W* widget) {
    QFont f = widget->font();
    f.setBold(false);
    widget->setFont(f);
    QPalette p = widget->palette();
    p.setColor(QPalette::WindowText, Qt::black);
    widget->setPalette(p);
    return widget;
}

}  // namespace

// The points of a sweep: the swept input, then the chosen outputs.
class SweepTableModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void reset(const std::vector<DesignRecord>* points, QStringList keys, UnitSystem system) {
        beginResetModel();
        points_ = points;
        keys_ = std::move(keys);
        system_ = system;
        endResetModel();
    }
    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() || !points_ ? 0 : int(points_->size());
    }
    int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : int(keys_.size()); }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!points_ || !index.isValid()) return {};
        if (role == Qt::TextAlignmentRole) return int(Qt::AlignRight | Qt::AlignVCenter);
        if (role != Qt::DisplayRole) return {};
        const DesignRecord& r = (*points_)[std::size_t(index.row())];
        return QString::fromStdString(r.field(keys_[index.column()].toStdString())->text());
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (role != Qt::DisplayRole) return {};
        if (orientation == Qt::Vertical) return section + 1;
        const QString key = keys_.value(section);
        const QString unit = unitText(key.toStdString(), system_);
        return unit.isEmpty() ? key : QStringLiteral("%1 (%2)").arg(key, unit);
    }

private:
    const std::vector<DesignRecord>* points_ = nullptr;
    QStringList keys_;
    UnitSystem system_ = UnitSystem::Imperial;
};

DesignToolsTab::DesignToolsTab(UnitSystem system, DesignToolsHost host, QWidget* parent)
    : QWidget(parent), system_(system), host_(std::move(host)) {
    setObjectName(QStringLiteral("DesignTools"));
    const windows::DialogUnits du(font());
    chooseCsv_ = [this](const QString& suggested) {
        return QFileDialog::getSaveFileName(this, QStringLiteral("Save the sweep as CSV"), suggested,
                                            QStringLiteral("CSV files (*.csv)"));
    };

    auto* columns = new QHBoxLayout(this);
    columns->setContentsMargins(du.x(3), du.y(2), du.x(3), du.y(2));
    columns->setSpacing(du.x(4));

    // Left: the fit and the conversion; right: the sweep with its plot and
    // its table.
    auto* left = new QVBoxLayout;
    left->setContentsMargins(0, 0, 0, 0);
    left->setSpacing(du.y(3));
    left->addWidget(buildFitGroup());
    left->addWidget(buildConvertGroup());
    left->addStretch(1);
    auto* leftPanel = new QWidget(this);
    leftPanel->setLayout(left);
    leftPanel->setFixedWidth(du.x(180));
    columns->addWidget(leftPanel);
    columns->addWidget(buildSweepGroup(), 1);

    suggestRange();
}

DesignToolsTab::~DesignToolsTab() = default;

QWidget* DesignToolsTab::buildFitGroup() {
    auto* box = group(QStringLiteral("Fit to the built antenna"), this);
    auto* grid = new QGridLayout(box);
    grid->setVerticalSpacing(4);
    fitField_ = plain(new QComboBox(box));
    fitField_->setObjectName(QStringLiteral("FitField"));
    fitField_->addItem(QStringLiteral("FAC from tuning coil turns (NT)"));
    fitField_->addItem(QStringLiteral("DPS from source coil turns (SCT)"));
    fitField_->setAccessibleName(QStringLiteral("Field to fit"));
    fitField_->setToolTip(
        QStringLiteral("Capacitance Factor from the tuning coil turns you wound,\n"
                       "or Degrees of Phase from the source coil turns."));
    grid->addWidget(fitField_, 0, 0, 1, 3);
    auto* turnsLabel = plain(new QLabel(QStringLiteral("Turns wound:"), box));
    turns_ = plain(new QLineEdit(box));
    turns_->setObjectName(QStringLiteral("FitTurns"));
    turns_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,5}([.,]\\d{0,2})?")), turns_));
    turns_->setAlignment(Qt::AlignRight);
    turnsLabel->setBuddy(turns_);
    turns_->setAccessibleName(QStringLiteral("Turns wound"));
    auto* find = plain(new QPushButton(QStringLiteral("Find"), box));
    find->setObjectName(QStringLiteral("FitFind"));
    find->setAutoDefault(false);
    find->setToolTip(
        QStringLiteral("Tries every value of the field, 0.01 apart, each with a full ReCalc,\n"
                       "and finds the one whose turns come nearest to the turns you wound."));
    grid->addWidget(turnsLabel, 1, 0);
    grid->addWidget(turns_, 1, 1);
    grid->addWidget(find, 1, 2);
    fitResult_ = plain(resultLabel(box));
    fitResult_->setObjectName(QStringLiteral("FitResult"));
    fitResult_->setText(QStringLiteral("Enter the turns on your working antenna and press Find."));
    fitResult_->setMinimumHeight(fontMetrics().height() * 7);
    grid->addWidget(fitResult_, 2, 0, 1, 3);
    apply_ = plain(new QPushButton(QStringLiteral("Apply"), box));
    apply_->setObjectName(QStringLiteral("FitApply"));
    apply_->setEnabled(false);
    apply_->setAutoDefault(false);
    grid->addWidget(apply_, 3, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    connect(find, &QPushButton::clicked, this, &DesignToolsTab::findFit);
    connect(turns_, &QLineEdit::returnPressed, this, &DesignToolsTab::findFit);
    connect(apply_, &QPushButton::clicked, this, &DesignToolsTab::applyFit);
    connect(fitField_, &QComboBox::currentIndexChanged, this, [this] {
        fit_.reset();
        apply_->setEnabled(false);
        apply_->setText(QStringLiteral("Apply"));
    });
    return box;
}

QWidget* DesignToolsTab::buildSweepGroup() {
    auto* box = group(QStringLiteral("Sweep one input"), this);
    auto* outer = new QVBoxLayout(box);
    outer->setSpacing(3);
    auto* row = new QHBoxLayout;
    row->setSpacing(4);
    sweepInput_ = plain(new QComboBox(box));
    sweepInput_->setObjectName(QStringLiteral("SweepInput"));
    for (const auto& [key, name] : inputNames()) sweepInput_->addItem(QStringLiteral("%1  %2").arg(key, name), key);
    sweepInput_->setAccessibleName(QStringLiteral("Input to vary"));
    auto* vary = plain(new QLabel(QStringLiteral("Vary:"), box));
    vary->setBuddy(sweepInput_);
    row->addWidget(vary);
    row->addWidget(sweepInput_, 1);
    sweepInput_->setMinimumContentsLength(15);
    sweepInput_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    const QString names[] = {QStringLiteral("From"), QStringLiteral("To"), QStringLiteral("Step")};
    QLineEdit** edits[] = {&from_, &to_, &step_};
    for (int i = 0; i < 3; ++i) {
        auto* label = plain(new QLabel(names[i], box));
        auto* edit = plain(new QLineEdit(box));
        edit->setObjectName(QStringLiteral("Sweep") + names[i]);
        edit->setAlignment(Qt::AlignRight);
        edit->setAccessibleName(names[i]);
        edit->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("000.0000")) + 8);
        label->setBuddy(edit);
        *edits[i] = edit;
        row->addWidget(label);
        edit->setMaximumWidth(edit->minimumWidth());
        row->addWidget(edit);
        connect(edit, &QLineEdit::returnPressed, this, &DesignToolsTab::runSweepNow);
        connect(edit, &QLineEdit::textEdited, this, [this] { rangeEdited_ = true; });
    }
    auto* sweep = plain(new QPushButton(QStringLiteral("Sweep"), box));
    sweep->setObjectName(QStringLiteral("SweepRun"));
    sweep->setAutoDefault(false);
    row->addWidget(sweep);
    outer->addLayout(row);

    auto* ticks = new QGridLayout;
    ticks->setHorizontalSpacing(6);
    ticks->setVerticalSpacing(0);
    auto* plotLabel = plain(new QLabel(QStringLiteral("Plot:"), box));
    ticks->addWidget(plotLabel, 0, 0);
    int n = 0;
    for (const QString& key : outputKeys()) {
        auto* check = plain(new QCheckBox(key, box));
        check->setObjectName(QStringLiteral("Plot") + key);
        check->setToolTip(qs(findKey(key.toStdString())->label(UnitSystem::Imperial)));
        check->setChecked(key == QStringLiteral("NT") || key == QStringLiteral("XC") || key == QStringLiteral("BW"));
        connect(check, &QCheckBox::toggled, this, [this] {
            if (!points_.empty()) showSweep();
        });
        outputs_ << check;
        ticks->addWidget(check, n / 6, 1 + n % 6);
        ++n;
    }
    ticks->setColumnStretch(7, 1);
    outer->addLayout(ticks);

    auto* split = new QSplitter(Qt::Vertical, box);
    plot_ = new SweepPlot(split);
    table_ = new QTableView(split);
    table_->setObjectName(QStringLiteral("SweepTable"));
    model_ = new SweepTableModel(table_);
    table_->setModel(model_);
    table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 3);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table_->setAlternatingRowColors(true);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setAccessibleName(QStringLiteral("Sweep points"));
    plain(table_);
    split->addWidget(plot_);
    split->addWidget(table_);
    split->setStretchFactor(0, 2);
    split->setStretchFactor(1, 1);
    split->setSizes({640, 360});
    outer->addWidget(split, 1);

    auto* bottom = new QHBoxLayout;
    sweepStatus_ = plain(resultLabel(box));
    sweepStatus_->setObjectName(QStringLiteral("SweepStatus"));
    sweepStatus_->setText(QStringLiteral("Up to %1 points, each a full ReCalc of this design.").arg(kMaxSweepPoints));
    saveCsv_ = plain(new QPushButton(QStringLiteral("Save CSV..."), box));
    saveCsv_->setObjectName(QStringLiteral("SweepSave"));
    saveCsv_->setAutoDefault(false);
    saveCsv_->setEnabled(false);
    saveCsv_->setToolTip(QStringLiteral("Every key of every point, as yq-calc sweep writes it."));
    bottom->addWidget(sweepStatus_, 1);
    bottom->addWidget(saveCsv_);
    outer->addLayout(bottom);

    connect(sweepInput_, &QComboBox::currentIndexChanged, this, [this] {
        rangeEdited_ = false;
        suggestRange();
    });
    connect(sweep, &QPushButton::clicked, this, &DesignToolsTab::runSweepNow);
    connect(saveCsv_, &QPushButton::clicked, this, &DesignToolsTab::saveSweepCsv);
    return box;
}

QWidget* DesignToolsTab::buildConvertGroup() {
    const bool toMetric = system_ == UnitSystem::Imperial;
    auto* box = group(toMetric ? QStringLiteral("Convert to millimetres") : QStringLiteral("Convert to inches"), this);
    auto* layout = new QVBoxLayout(box);
    layout->setSpacing(3);
    const QString how = toMetric ? QStringLiteral(
                                       "Lengths x 25.4, rounded to the Metric fields; F, L/D, MBW, FAC and DPS\n"
                                       "as they are; then the Metric ReCalc. The design is saved in the working\n"
                                       "folder under the Metric window's file name (M...ini).")
                                 : QStringLiteral(
                                       "Lengths / 25.4, rounded to the Imperial fields; F, L/D, MBW, FAC and DPS\n"
                                       "as they are; then the Imperial ReCalc. The design is saved in the working\n"
                                       "folder under the Imperial window's file name.");
    auto* convert = plain(new QPushButton(
        toMetric ? QStringLiteral("Convert and Save as Metric") : QStringLiteral("Convert and Save as Imperial"), box));
    convert->setObjectName(QStringLiteral("ConvertRun"));
    convert->setAutoDefault(false);
    convert->setToolTip(how);
    layout->addWidget(convert);
    convertResult_ = plain(resultLabel(box));
    convertResult_->setObjectName(QStringLiteral("ConvertResult"));
    convertResult_->setMinimumHeight(fontMetrics().height() * 5);
    convertResult_->setText(toMetric ? QStringLiteral("Saves this design in millimetres for the Metric window.")
                                     : QStringLiteral("Saves this design in inches for the Imperial window."));
    layout->addWidget(convertResult_);
    connect(convert, &QPushButton::clicked, this, &DesignToolsTab::convertNow);
    return box;
}

QCheckBox* DesignToolsTab::outputBox(const QString& key) const {
    for (QCheckBox* c : outputs_)
        if (c->text() == key) return c;
    return nullptr;
}

DesignRecord DesignToolsTab::calculatedCopy() const {
    DesignRecord copy = host_.record();
    reCalcAs(copy, host_.metricFlag());
    return copy;
}

// ---------------------------------------------------------------- fit

void DesignToolsTab::findFit() {
    if (!host_.takeEntries()) return;
    const FitField field = fitField_->currentIndex() == 0 ? FitField::Fac : FitField::Dps;
    QString text = turns_->text().trimmed();
    text.replace(u',', u'.');
    const auto turns = Decimal::parse(text.toStdString());
    if (!turns || turns->sign() <= 0) {
        fit_.reset();
        apply_->setEnabled(false);
        fitResult_->setText(
            QStringLiteral("<span style='color:#b22222'>Enter the number of turns you wound, "
                           "for example 31 or 30.5.</span>"));
        return;
    }
    const DesignRecord base = calculatedCopy();
    fit_ = fitDesign(host_.record(), host_.metricFlag(), field, *turns);
    fitInputs_ = inputsBesides(fitFieldKey(field));
    const QString key = qs(fitFieldKey(field));
    const QString turnsKey = qs(fitTurnsKey(field));
    const QString value = withoutTrailingZeros(QString::fromStdString(fit_->value.toFixed(2)));
    const QString got = QString::fromStdString(fit_->turns.toFixed(2));
    QString html;
    if (fit_->withinHalfTurn) {
        html = QStringLiteral("<b>%1 = %2</b> gives %3 = <b>%4</b> turns (you wound %5).")
                   .arg(key, value, turnsKey, got, QString::fromStdString(turns->toString()));
    } else {
        const FitRange range = fitRange(field);
        html =
            QStringLiteral(
                "<span style='color:#b22222'>No %1 from %2 to %3 gives %4 within half a turn of %5.</span> "
                "The nearest is <b>%1 = %6</b>, giving %4 = <b>%7</b>.")
                .arg(key, QString::fromStdString(range.first.toString()), QString::fromStdString(range.last.toString()),
                     turnsKey, QString::fromStdString(turns->toString()), value, got);
    }
    QStringList changes;
    int shown = 0;
    for (std::string_view k : fit_->changed) {
        if (k == fitFieldKey(field) || k == fitTurnsKey(field)) continue;
        if (shown++ < 5)
            changes << QStringLiteral("%1 %2 &rarr; %3")
                           .arg(qs(k), withoutTrailingZeros(QString::fromStdString(base.field(k)->text())),
                                withoutTrailingZeros(QString::fromStdString(fit_->design.field(k)->text())));
    }
    if (shown > 5) changes << QStringLiteral("and %1 more").arg(shown - 5);
    if (!changes.isEmpty()) html += QStringLiteral("<br>Also changes: ") + changes.join(QStringLiteral(", ")) + u'.';
    if (field == FitField::Dps && fit_->value.rounded(1) != fit_->value)
        html += QStringLiteral("<br>The window shows DPS with one place (%1); the design keeps %2.")
                    .arg(QString::fromStdString(fit_->value.toFixed(1)), value);
    fitResult_->setText(html);
    apply_->setText(QStringLiteral("Apply %1 = %2").arg(key, value));
    apply_->setEnabled(true);
}

std::string DesignToolsTab::inputsBesides(std::string_view fitted) const {
    std::string text;
    const DesignRecord& r = host_.record();
    for (std::string_view key : sweepInputs())
        if (key != fitted) text += std::string(key) + '=' + r.field(key)->text() + ' ';
    return text + (host_.metricFlag() ? "metric" : "");
}

void DesignToolsTab::applyFit() {
    if (!fit_) return;
    if (!host_.takeEntries()) return;
    if (inputsBesides(fitFieldKey(fit_->field)) != fitInputs_) {
        // The design was changed since Find: find again for the design as it is.
        findFit();
        if (fit_)
            fitResult_->setText(QStringLiteral("<i>The design changed since the last Find; this is the fit for it "
                                               "now.</i><br>") +
                                fitResult_->text());
        return;
    }
    host_.apply(fitFieldKey(fit_->field), fit_->value);
    fitResult_->setText(fitResult_->text() + QStringLiteral("<br><b>Applied</b> to the design; SAVE keeps it."));
    apply_->setEnabled(false);
}

// ---------------------------------------------------------------- sweep

void DesignToolsTab::showEvent(QShowEvent* event) {
    // The range follows the design until the user sets one.
    if (!rangeEdited_) suggestRange();
    QWidget::showEvent(event);
}

void DesignToolsTab::suggestRange() {
    const SuggestedRange range =
        suggestedSweepRange(calculatedCopy(), sweepInput_->currentData().toString().toStdString());
    const auto text = [&range](const Decimal& d) {
        return QString::fromStdString(d.toFixed(range.places)).remove(QRegularExpression(QStringLiteral("\\.?0+$")));
    };
    from_->setText(text(range.from));
    to_->setText(text(range.to));
    step_->setText(text(range.step));
    for (QLineEdit* e : {from_, to_, step_})
        if (e->text().isEmpty()) e->setText(QStringLiteral("0"));
}

QStringList DesignToolsTab::chosenOutputs() const {
    QStringList keys;
    for (const QCheckBox* c : outputs_)
        if (c->isChecked()) keys << c->text();
    return keys;
}

void DesignToolsTab::showError(const QString& text) {
    if (host_.messages) host_.messages->error(text);
}

void DesignToolsTab::sweepProblem(const QString& text) {
    sweepStatus_->setText(QStringLiteral("<span style='color:#b22222'>%1</span>").arg(text.toHtmlEscaped()));
}

void DesignToolsTab::runSweepNow() {
    if (!host_.takeEntries()) return;
    SweepRange range;
    range.key = sweepInput_->currentData().toString().toStdString();
    const QString names[] = {QStringLiteral("From"), QStringLiteral("To"), QStringLiteral("Step")};
    const QLineEdit* edits[] = {from_, to_, step_};
    Decimal* targets[] = {&range.from, &range.to, &range.step};
    for (int i = 0; i < 3; ++i) {
        QString text = edits[i]->text().trimmed();
        text.replace(u',', u'.');
        const auto value = Decimal::parse(text.toStdString());
        if (!value) {
            sweepProblem(QStringLiteral("%1 '%2' is not a number.").arg(names[i], edits[i]->text()));
            return;
        }
        *targets[i] = *value;
    }
    if (const auto problem = checkSweepRange(range, system_)) {
        QString text = QString::fromStdString(*problem);
        text[0] = text[0].toUpper();
        sweepProblem(text + u'.');
        return;
    }
    range_ = range;
    marker_ = calculatedCopy().field(range.key)->value();
    points_ = runSweep(host_.record(), host_.metricFlag(), range_);
    saveCsv_->setEnabled(true);
    showSweep();
}

void DesignToolsTab::showSweep() {
    const QStringList keys = chosenOutputs();
    QVector<double> x;
    x.reserve(qsizetype(points_.size()));
    for (const DesignRecord& r : points_) x << r.field(range_.key)->value().toReal();
    QVector<PlotSeries> series;
    for (const QString& key : keys) {
        PlotSeries s;
        s.name = key;
        s.unit = unitText(key.toStdString(), system_);
        s.colour = plotColour(series.size());
        s.values.reserve(x.size());
        for (const DesignRecord& r : points_) s.values << r.field(key.toStdString())->value().toReal();
        series << s;
    }
    const QString xKey = qs(range_.key);
    plot_->setData(xKey, unitText(range_.key, system_), x, series, marker_.toReal(), xKey == QStringLiteral("F"));
    model_->reset(&points_, QStringList{xKey} + keys, system_);
    sweepStatus_->setText(QStringLiteral("%1 points, each a full ReCalc.").arg(points_.size()));
}

void DesignToolsTab::saveSweepCsv() {
    if (points_.empty()) return;
    const QString suggested = QDir::current().filePath(QStringLiteral("sweep-%1.csv").arg(qs(range_.key)));
    const QString path = chooseCsv_ ? chooseCsv_(suggested) : QString();
    if (path.isEmpty()) return;
    const std::string csv = sweepCsv(points_);
    const FileWriteResult written = replaceFile(path, QByteArray(csv.data(), qsizetype(csv.size())));
    if (!written) {
        showError(QStringLiteral("The sweep could not be saved as %1.|%2")
                      .arg(QDir::toNativeSeparators(path), written.error));
        return;
    }
    sweepStatus_->setText(QStringLiteral("%1 points saved to %2.")
                              .arg(points_.size())
                              .arg(QDir::toNativeSeparators(path).toHtmlEscaped()));
}

// ---------------------------------------------------------------- convert

void DesignToolsTab::convertNow() {
    if (!host_.takeEntries()) return;
    const UnitSystem target = system_ == UnitSystem::Imperial ? UnitSystem::Metric : UnitSystem::Imperial;
    const DesignRecord source = calculatedCopy();
    const ConvertOutcome converted = convertDesign(source, target);
    if (converted.error) {
        showError(QStringLiteral("The design cannot be converted:|%1").arg(QString::fromStdString(*converted.error)));
        return;
    }
    const ConvertedSave saved = saveConvertedDesign(converted.design, QDir::currentPath());
    if (!saved.written) {
        showError(QStringLiteral("The converted design %1 could not be written.|%2")
                      .arg(QDir::toNativeSeparators(saved.path), saved.written.error));
        return;
    }
    convertedPath_ = saved.path;
    const DesignRecord& d = converted.design;
    const QString window = target == UnitSystem::Metric ? QStringLiteral("Metric") : QStringLiteral("Imperial");
    QStringList lines;
    for (std::string_view key : {"CD", "WD", "CCD"})
        lines << QStringLiteral("%1 %2 &rarr; %3")
                     .arg(qs(key), withUnit(*source.field(key), key, system_), withUnit(*d.field(key), key, target));
    convertResult_->setText(QStringLiteral("Saved <b>%1</b> in %2<br>%3<br>NT %4, SCT %5: open it in the %6 window.")
                                .arg(QFileInfo(saved.path).fileName().toHtmlEscaped(),
                                     QDir::toNativeSeparators(QFileInfo(saved.path).absolutePath()).toHtmlEscaped(),
                                     lines.join(QStringLiteral(", ")),
                                     withoutTrailingZeros(QString::fromStdString(d.NT.text())),
                                     withoutTrailingZeros(QString::fromStdString(d.SCT.text())), window));
}

}  // namespace yq
