#include "windows/SimulationTab.h"

#include "design/AmateurBands.h"
#include "files/AtomicFile.h"
#include "platform/UserMessages.h"
#include "sim/Comparison.h"
#include "sim/LocalText.h"
#include "sim/Model.h"
#include "windows/FrequencyPlot.h"
#include "windows/WindowColours.h"

#include <QCoreApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QThread>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace yq {

struct SimulationTab::Run {
    int generation = 0;
    std::atomic<bool> cancel{false};
    DesignRecord design;
    QThread* thread = nullptr;
};

namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

enum Range { WholeSweep, AroundCalculated, AroundF };

double swrOn50(std::complex<double> z) {
    const double g = std::abs((z - 50.0) / (z + 50.0));
    return g >= 1 ? 1e9 : (1 + g) / (1 - g);
}

}  // namespace

SimulationTab::SimulationTab(UnitSystem system, SimulationHost host, QWidget* parent)
    : QWidget(parent), system_(system), host_(std::move(host)), studied_(system) {
    setObjectName(QStringLiteral("SimulationTab"));
    choose_ = [this](const QString& suggested, const QString& filter) {
        return QFileDialog::getSaveFileName(this, tr("Save"), suggested, filter);
    };

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(6, 6, 6, 6);
    outer->setSpacing(4);

    auto* top = new QHBoxLayout;
    status_ = new QLabel(tr("The simulation runs when this tab is in front after a ReCalc."), this);
    status_->setObjectName(QStringLiteral("SimulationStatus"));
    status_->setWordWrap(true);
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    top->addWidget(status_, 1);
    auto* modelLabel = new QLabel(tr("&Model:"), this);
    model_ = new QComboBox(this);
    model_->setObjectName(QStringLiteral("SimulationModel"));
    model_->setAccessibleName(tr("Model"));
    model_->addItems({tr("standard"), tr("detailed")});
    model_->setToolTip(
        tr("standard: thick wires and lumped coils, a fraction of a second; detailed: "
           "wire-grid cages and helical coils, some seconds, fewer figures"));
    modelLabel->setBuddy(model_);
    top->addWidget(modelLabel);
    top->addWidget(model_);
    progress_ = new QProgressBar(this);
    progress_->setRange(0, 100);
    progress_->setMaximumWidth(120);
    progress_->setAccessibleName(tr("Simulation progress"));
    progress_->hide();
    top->addWidget(progress_);
    cancel_ = new QPushButton(tr("&Cancel"), this);
    cancel_->setEnabled(false);
    cancel_->setAutoDefault(false);
    top->addWidget(cancel_);
    simulate_ = new QPushButton(tr("Simulate again"), this);
    export_ = new QPushButton(tr("Export NEC deck..."), this);
    save_ = new QPushButton(tr("Save sweep..."), this);
    save_->setEnabled(false);
    for (QPushButton* b : {simulate_, export_, save_}) {
        b->setAutoDefault(false);
        top->addWidget(b);
    }
    outer->addLayout(top);

    auto* split = new QSplitter(Qt::Horizontal, this);
    auto* left = new QWidget(split);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    table_ = new QTableWidget(0, 4, left);
    table_->setObjectName(QStringLiteral("SimulationTable"));
    table_->setAccessibleName(tr("The calculator's figures beside the NEC-2 model's"));
    // The headings on two lines: the window is narrow.
    table_->setHorizontalHeaderLabels({QString(),
                                       QCoreApplication::translate("SimulationTable", sim::kCalculatorHeading),
                                       QCoreApplication::translate("SimulationTable", sim::kAsDesignedHeading)
                                           .replace(QStringLiteral(", "), QStringLiteral(",\n")),
                                       QCoreApplication::translate("SimulationTable", sim::kTunedHeading)
                                           .replace(QStringLiteral(", "), QStringLiteral(",\n"))});
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 4);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setStretchLastSection(true);
    leftLayout->addWidget(table_, 1);
    assumptions_ = new QLabel(QString::fromStdString(sim::shownAssumptions(sim::modelAssumptions())), left);
    assumptions_->setWordWrap(true);
    leftLayout->addWidget(assumptions_);
    rules_ = new QLabel(left);
    rules_->setObjectName(QStringLiteral("SimulationRules"));
    rules_->setWordWrap(true);
    rules_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    leftLayout->addWidget(rules_);

    auto* right = new QWidget(split);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    range_ = new QComboBox(right);
    range_->setAccessibleName(tr("Frequencies plotted"));
    range_->addItems({tr("Whole sweep, 0.4 F to 2.5 F"), tr("Around the resonance with the calculated coil"),
                      tr("Around F with the coil for F")});
    rightLayout->addWidget(range_);
    plots_ = new QTabWidget(right);
    r_ = new FrequencyPlot(plots_);
    r_->setQuantity(QStringLiteral("R"), tr("ohm"));
    x_ = new FrequencyPlot(plots_);
    x_->setQuantity(QStringLiteral("X"), tr("ohm"));
    swr_ = new FrequencyPlot(plots_);
    swr_->setQuantity(tr("SWR on 50 ohm"), {});
    pattern_ = new PolarPlot(plots_);
    plots_->addTab(r_, QStringLiteral("R"));
    plots_->addTab(x_, QStringLiteral("X"));
    plots_->addTab(swr_, QStringLiteral("SWR"));
    plots_->addTab(pattern_, tr("Pattern"));
    rightLayout->addWidget(plots_, 1);
    split->addWidget(left);
    split->addWidget(right);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    split->setSizes({510, 270});
    outer->addWidget(split, 1);

    connect(simulate_, &QPushButton::clicked, this, &SimulationTab::simulate);
    connect(cancel_, &QPushButton::clicked, this, &SimulationTab::cancel);
    connect(model_, &QComboBox::currentIndexChanged, this, [this] {
        assumptions_->setText(qs(sim::shownAssumptions(model() == sim::ModelKind::Detailed ? sim::detailedAssumptions()
                                                                                           : sim::modelAssumptions())));
        // The other model's figures are not shown while this one runs.
        study_.reset();
        table_->setRowCount(0);
        rules_->clear();
        save_->setEnabled(false);
        for (FrequencyPlot* p : {r_, x_, swr_}) p->setSeries({});
        pattern_->setPattern({}, {});
        stale_ = true;
        if (isVisible()) simulate();
    });
    connect(export_, &QPushButton::clicked, this, &SimulationTab::exportDeck);
    connect(save_, &QPushButton::clicked, this, &SimulationTab::saveSweep);
    connect(range_, &QComboBox::currentIndexChanged, this, [this] { showPlots(); });
}

SimulationTab::~SimulationTab() {
    // Every run stops within milliseconds of its cancel; none outlives the tab.
    for (const auto& run : runs_) run->cancel = true;
    for (const auto& run : runs_) {
        run->thread->wait();
        delete run->thread;
    }
}

void SimulationTab::designChanged() {
    stale_ = true;
    if (isVisible()) simulate();
}

void SimulationTab::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (stale_) simulate();
}

void SimulationTab::simulate() {
    stale_ = false;
    if (running_) running_->cancel = true;
    auto run = std::make_shared<Run>();
    run->generation = ++generation_;
    run->design = host_.record ? host_.record() : DesignRecord(system_);
    running_ = run.get();
    status_->setText(tr("Simulating the design in NEC-2..."));
    simulate_->setEnabled(true);
    cancel_->setEnabled(true);
    progress_->setValue(0);
    progress_->show();

    sim::StudyOptions options;
    if (!host_.program.empty()) options.program = host_.program;
    options.cancel = &run->cancel;
    options.model = model();
    const int generation = run->generation;
    options.progress = [this, generation](double share) {
        // From the worker: shown in the window's thread if that study is still the newest.
        QMetaObject::invokeMethod(
            this,
            [this, generation, share] {
                if (generation == generation_ && running_) progress_->setValue(int(share * 100));
            },
            Qt::QueuedConnection);
    };
    QThread* thread = QThread::create([this, run, options] {
        auto result = std::make_shared<Result<sim::StudyResult>>(sim::runStudy(run->design, options));
        // Back in the window's thread; dropped if the tab is gone by then.
        QMetaObject::invokeMethod(
            this, [this, run, result] { finished(run.get(), std::move(*result)); }, Qt::QueuedConnection);
    });
    run->thread = thread;
    runs_.push_back(run);
    connect(thread, &QThread::finished, this, [this, thread] {
        runs_.erase(std::remove_if(runs_.begin(), runs_.end(),
                                   [thread](const std::shared_ptr<Run>& r) { return r->thread == thread; }),
                    runs_.end());
        thread->deleteLater();
    });
    thread->start();
}

void SimulationTab::cancel() {
    if (running_) running_->cancel = true;
}

sim::ModelKind SimulationTab::model() const {
    return model_->currentIndex() == 1 ? sim::ModelKind::Detailed : sim::ModelKind::Standard;
}

void SimulationTab::finished(Run* run, Result<sim::StudyResult> result) {
    if (run->generation != generation_) return;  // a newer design is being simulated
    running_ = nullptr;
    cancel_->setEnabled(false);
    progress_->hide();
    if (result) {
        study_ = std::move(*result);
        studied_ = run->design;
        showStudy();
    } else {
        study_.reset();
        save_->setEnabled(false);
        showProblem(qs(result.problem().text()));
    }
    emit studyFinished();
}

void SimulationTab::showProblem(const QString& text) {
    // The problem in the notice's red, as it reads on this window's palette.
    const QColor red = roleColour(TextRole::Notice, status_->palette().color(status_->backgroundRole()));
    status_->setText(QStringLiteral("<span style='color:%1'>%2</span>").arg(red.name(), text.toHtmlEscaped()));
    table_->setRowCount(0);
    rules_->clear();
    for (FrequencyPlot* p : {r_, x_, swr_}) {
        p->setSeries({});
        p->setMessage(text);
    }
    pattern_->setPattern({}, {});
    pattern_->setMessage(text);
}

void SimulationTab::showStudy() {
    const sim::StudyResult& s = *study_;
    const auto rows = sim::comparisonRows(studied_, s);
    table_->setRowCount(int(rows.size()));
    for (int i = 0; i < int(rows.size()); ++i) {
        const auto& r = rows[i];
        // In the program's language, as yq-calc simulate prints the table.
        const auto shown = [](const std::string& text) { return qs(sim::shownText("SimulationTable", text)); };
        const QString label =
            r.unit.empty() ? shown(r.label) : QStringLiteral("%1 (%2)").arg(shown(r.label), qs(r.unit));
        const QString cells[] = {label, shown(r.calculator), shown(r.asDesigned), shown(r.tuned)};
        for (int c = 0; c < 4; ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            if (c > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(i, c, item);
        }
    }
    assumptions_->setText(qs(sim::shownAssumptions(s.assumptions)));
    QString status = tr("NEC-2 %1 model: %2 runs of nec2c in %3 s.")
                         .arg(s.model == sim::ModelKind::Detailed ? tr("detailed") : tr("standard"))
                         .arg(s.nec2cRuns)
                         .arg(QString::number(s.seconds, 'f', 2));
    for (const std::string& n : s.notes) status += u' ' + qs(sim::shownNote(n));
    status_->setText(status.toHtmlEscaped());
    QString rules;
    for (const sim::RuleBreak& b : s.ruleBreaks)
        rules += tr("<br>NEC-2 rule not kept: %1").arg(qs(sim::shownRuleDetail(b.detail)).toHtmlEscaped());
    rules_->setText(rules.isEmpty() ? tr("Every deck keeps NEC-2's rules of thumb.") : rules.mid(4));
    save_->setEnabled(true);
    showPlots();
}

void SimulationTab::showPlots() {
    if (!study_) return;
    const sim::StudyResult& s = *study_;
    const double f = s.designHz;
    double lo = 0.4 * f, hi = 2.5 * f;
    const int range = range_->currentIndex();
    const std::vector<sim::SweepPoint>& aroundA = s.asDesigned.fine;
    const std::vector<sim::SweepPoint>& aroundB = s.tuned.fine;
    if (range == AroundCalculated && !aroundA.empty()) lo = aroundA.front().hz, hi = aroundA.back().hz;
    if (range == AroundF && !aroundB.empty()) lo = aroundB.front().hz, hi = aroundB.back().hz;
    const QString names[] = {QCoreApplication::translate("SimulationTable", sim::kAsDesignedHeading),
                             QCoreApplication::translate("SimulationTable", sim::kTunedHeading)};
    const QColor colours[] = {QColor(0, 0, 128), QColor(178, 34, 34)};
    QVector<FrequencySeries> rs, xs, swrs;
    double swrLow = 1e300, swrHigh = 1;
    for (int k = 0; k < 2; ++k) {
        // Each zoomed range shows its own case.
        if ((range == AroundF && k == 0) || (range == AroundCalculated && k == 1)) continue;
        FrequencySeries r{names[k], {}, {}, colours[k], Qt::SolidLine}, x = r, w = r;
        // Over the whole sweep the coarse points alone: each deck takes the
        // wire's resistance at its own centre, and the fine sweeps' would
        // show as steps in R.
        const std::vector<sim::SweepPoint> points =
            range == WholeSweep ? (k == 0 ? s.coarse : std::vector<sim::SweepPoint>()) : sim::mergedSweep(s, k == 1);
        for (const sim::SweepPoint& p : points) {
            if (p.hz < lo * (1 - 1e-12) || p.hz > hi * (1 + 1e-12)) continue;
            r.frequencyMHz << p.hz / 1e6, r.values << p.z.real();
            x.frequencyMHz << p.hz / 1e6, x.values << p.z.imag();
            w.frequencyMHz << p.hz / 1e6, w.values << swrOn50(p.z);
            swrLow = std::min(swrLow, swrOn50(p.z));
            swrHigh = std::max(swrHigh, swrOn50(p.z));
        }
        if (!r.frequencyMHz.isEmpty()) rs << r, xs << x, swrs << w;
    }
    const QString marker = tr("F = %1 MHz").arg(QString::number(f / 1e6, 'g', 8));
    for (auto [plot, series] : {std::pair{r_, rs}, std::pair{x_, xs}, std::pair{swr_, swrs}}) {
        plot->setSeries(series);
        plot->setBandAt(f / 1e6);
        plot->setMarker(f / 1e6, marker);
    }
    // SWR from 1 to a few times its best: the rest of the sweep is off the scale.
    swr_->setValueRange(1.0, std::min(swrHigh, std::max(10.0, 4 * swrLow)));

    const sim::ModelFigures& m = range == AroundF ? s.tuned : s.asDesigned;
    QVector<PolarPoint> cut;
    for (const sim::PatternPoint& p : m.pattern) cut << PolarPoint{p.elevationDeg, p.gainDbi};
    pattern_->setPattern(cut, tr("Elevation pattern at %1 MHz, %2, axis upright")
                                  .arg(QString::number(m.patternHz / 1e6, 'f', 4),
                                       range == AroundF ? tr("coil for F") : tr("calculated coil")));
    if (cut.isEmpty()) pattern_->setMessage(tr("No resonance, no pattern."));
}

void SimulationTab::showError(const QString& text) {
    if (host_.messages) host_.messages->error(text);
}

void SimulationTab::exportDeck() {
    const DesignRecord& design = host_.record ? host_.record() : studied_;
    const QString suggested =
        QDir::current().filePath(QStringLiteral("yq-%1.nec").arg(QString::fromStdString(design.F.value().toString())));
    const QString path = choose_ ? choose_(suggested, tr("NEC decks (*.nec)")) : QString();
    if (path.isEmpty()) return;
    const std::string deck =
        model() == sim::ModelKind::Detailed ? sim::exportDetailedDeck(design) : sim::exportDeck(design);
    const Result<> written = replaceFile(path, QByteArray(deck.data(), qsizetype(deck.size())));
    if (!written) {
        showError(tr("The NEC deck could not be saved as %1.|%2")
                      .arg(QDir::toNativeSeparators(path), problemText(written.problem())));
        return;
    }
    status_->setText(tr("NEC deck saved to %1.").arg(QDir::toNativeSeparators(path).toHtmlEscaped()));
}

void SimulationTab::saveSweep() {
    if (!study_) return;
    const QString suggested = QDir::current().filePath(
        QStringLiteral("yq-%1-sweep.csv").arg(QString::fromStdString(studied_.F.value().toString())));
    const QString path = choose_ ? choose_(suggested, tr("CSV (*.csv);;Touchstone (*.s1p)")) : QString();
    if (path.isEmpty()) return;
    const bool touchstone = path.endsWith(QStringLiteral(".s1p"), Qt::CaseInsensitive);
    const std::string text = touchstone ? sim::sweepTouchstone(*study_) : sim::sweepCsv(*study_);
    const Result<> written = replaceFile(path, QByteArray(text.data(), qsizetype(text.size())));
    if (!written) {
        showError(tr("The sweep could not be saved as %1.|%2")
                      .arg(QDir::toNativeSeparators(path), problemText(written.problem())));
        return;
    }
    status_->setText(tr("Sweep saved to %1.").arg(QDir::toNativeSeparators(path).toHtmlEscaped()));
}

}  // namespace yq
