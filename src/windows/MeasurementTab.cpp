#include "windows/MeasurementTab.h"

#include "design/AmateurBands.h"
#include "files/DesignFile.h"
#include "platform/UserMessages.h"
#include "sim/Model.h"
#include "sim/NecOutput.h"
#include "sim/Nec2cRunner.h"
#include "sim/Study.h"
#include "windows/FrequencyPlot.h"
#include "windows/SmithChart.h"
#include "windows/WindowColours.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QThread>
#include <QVBoxLayout>

#include <cmath>

namespace yq {

namespace {

const QColor kMeasuredColour(0, 90, 180);
const QColor kModelColour(200, 60, 0);

QString html(const std::string& text) { return QString::fromStdString(text).toHtmlEscaped(); }

double swrFrom(std::complex<double> z, double reference) {
    const double g = std::abs((z - reference) / (z + reference));
    return g < 1 ? (1 + g) / (1 - g) : std::numeric_limits<double>::infinity();
}

// SWR plots clip at this value: beyond it the antenna is not matched at all.
constexpr double kSwrCeiling = 100;

}  // namespace

struct MeasurementTab::ModelSweep {
    QVector<double> mhz;
    QVector<std::complex<double>> z;
    QString problem;
};

MeasurementTab::MeasurementTab(UnitSystem system, MeasurementHost host, QWidget* parent)
    : QWidget(parent), system_(system), host_(std::move(host)) {
    setObjectName(QStringLiteral("MeasurementTab"));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(6, 6, 6, 6);
    outer->setSpacing(4);

    auto* bar = new QHBoxLayout;
    open_ = new QPushButton(tr("Open measurement..."), this);
    open_->setObjectName(QStringLiteral("OpenMeasurement"));
    bar->addWidget(open_);
    fileLabel_ = new QLabel(tr("No measurement opened (Touchstone .s1p, .s2p, .ts or a VNA CSV)"), this);
    fileLabel_->setObjectName(QStringLiteral("MeasurementFile"));
    bar->addWidget(fileLabel_, 1);
    auto* woundLabel = new QLabel(tr("Turns wound:"), this);
    wound_ = new QLineEdit(this);
    wound_->setObjectName(QStringLiteral("TurnsWound"));
    wound_->setAccessibleName(tr("Turns wound on the tuning coil"));
    wound_->setMaximumWidth(70);
    woundLabel->setBuddy(wound_);
    bar->addWidget(woundLabel);
    bar->addWidget(wound_);
    apply_ = new QPushButton(tr("Apply"), this);
    apply_->setObjectName(QStringLiteral("ApplyTuning"));
    apply_->setToolTip(tr("Set the Capacitance Factor whose design winds the turns shown, then ReCalc"));
    apply_->setEnabled(false);
    bar->addWidget(apply_);
    outer->addLayout(bar);

    auto* body = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    findings_ = new QTextBrowser(this);
    findings_->setObjectName(QStringLiteral("MeasurementFindings"));
    findings_->setAccessibleName(tr("Findings and tuning"));
    findings_->setOpenLinks(false);
    left->addWidget(findings_, 1);
    body->addLayout(left, 5);

    auto* grid = new QGridLayout;
    grid->setSpacing(3);
    swrPlot_ = new FrequencyPlot(this);
    swrPlot_->setQuantity(QStringLiteral("SWR"), QString());
    rPlot_ = new FrequencyPlot(this);
    rPlot_->setQuantity(QStringLiteral("R"), tr("ohm"));
    xPlot_ = new FrequencyPlot(this);
    xPlot_->setQuantity(QStringLiteral("X"), tr("ohm"));
    smith_ = new SmithChart(this);
    for (FrequencyPlot* p : {swrPlot_, rPlot_, xPlot_}) p->setMessage(tr("Open a measurement"));
    smith_->setMessage(tr("Open a measurement"));
    grid->addWidget(swrPlot_, 0, 0);
    grid->addWidget(smith_, 0, 1);
    grid->addWidget(rPlot_, 1, 0);
    grid->addWidget(xPlot_, 1, 1);
    body->addLayout(grid, 8);
    outer->addLayout(body, 1);

    connect(open_, &QPushButton::clicked, this, &MeasurementTab::chooseAndOpen);
    connect(apply_, &QPushButton::clicked, this, &MeasurementTab::applyTuning);
    connect(wound_, &QLineEdit::editingFinished, this, [this] {
        if (!measurement_) return;
        recompute();
        startModel();
    });
    choose_ = [this] {
        return QFileDialog::getOpenFileName(this, tr("Open measurement"), QString(),
                                            tr("Measurements (*.s1p *.s2p *.ts *.csv *.txt *.S1P *.S2P "
                                               "*.CSV);;All files (*)"));
    };
    showRows();
}

MeasurementTab::~MeasurementTab() {
    cancel_ = true;
    if (worker_) {
        worker_->wait();
        delete worker_;
    }
}

void MeasurementTab::chooseAndOpen() {
    const QString path = choose_ ? choose_() : QString();
    if (!path.isEmpty()) openMeasurement(path);
}

bool MeasurementTab::openMeasurement(const QString& path) {
    auto read = readMeasurementFile(path.toStdString());
    std::optional<SweepFindings> findings;
    QString problem;
    if (read) {
        std::vector<ReflectionPoint> points;
        for (const MeasuredPoint& p : read->points) points.push_back({p.hz, p.s11});
        auto analysed = analyseSweep(points, read->referenceOhms);
        if (analysed)
            findings = std::move(*analysed);
        else
            problem = tr("The measurement %1 holds no usable sweep: %2")
                          .arg(path, QString::fromStdString(analysed.problem().reason));
    } else {
        problem = QString::fromStdString(read.problem().text());
    }
    if (!problem.isEmpty()) {
        if (host_.messages) host_.messages->error(problem);
        fileLabel_->setText(tr("Not read: %1").arg(QFileInfo(path).fileName()));
        return false;
    }
    path_ = path;
    measurement_ = std::move(*read);
    sweep_ = std::move(findings);
    fileLabel_->setText(
        QStringLiteral("%1: %2").arg(QFileInfo(path).fileName(), QString::fromStdString(measurement_->describe())));
    fileLabel_->setToolTip(path);
    // The coil as it stands now is the coil that was measured.
    const DesignRecord& design = host_.record();
    if (wound_->text().trimmed().isEmpty()) wound_->setText(QString::fromStdString(design.NT.value().toFixed(2)));
    plotMeasured();
    recompute();
    startModel();
    return true;
}

std::string MeasurementTab::designSignature() const {
    const DesignRecord& r = host_.record();
    std::string s;
    for (const KeyInfo& info : designFileKeys()) s += (r.*info.member).text() + ";";
    return s + wound_->text().toStdString();
}

void MeasurementTab::refresh() {
    if (!measurement_ || designSignature() == signature_) return;
    recompute();
    startModel();
}

void MeasurementTab::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    refresh();
}

void MeasurementTab::recompute() {
    tuning_.reset();
    tuningProblem_.clear();
    if (!sweep_) return showRows();
    const DesignRecord& design = host_.record();
    TuningInput input;
    input.measuredHz = sweep_->tuningHz;
    std::optional<double> wound;
    const QString woundText = wound_->text().trimmed();
    if (!woundText.isEmpty()) {
        const auto turns = Decimal::parse(woundText.toStdString());
        if (!turns || !(turns->toReal() > 0) || turns->toReal() > 100000) {
            tuningProblem_ = tr("The turns wound \"%1\" are not a number of turns above 0.").arg(woundText);
        } else {
            input.woundTurns = turns->rounded(2);
            wound = input.woundTurns->toReal();
        }
    }
    if (tuningProblem_.isEmpty()) {
        input.seriesHenries = sim::feedSeriesInductance(design, wound);
        auto t = computeTuning(design, host_.metricFlag(), input);
        if (t)
            tuning_ = std::move(*t);
        else
            tuningProblem_ = QString::fromStdString(t.problem().text());
    }
    signature_ = designSignature();
    showRows();
}

void MeasurementTab::showRows() {
    rows_.clear();
    if (measurement_) {
        rows_.push_back({"measurement", QT_TRANSLATE_NOOP("Findings", "Measurement"), measurement_->describe()});
        for (const std::string& note : measurement_->notes)
            rows_.push_back({"file_note", QT_TRANSLATE_NOOP("Findings", "Read"), note});
    }
    if (sweep_)
        for (FindingRow& r : findingRows(*sweep_)) rows_.push_back(std::move(r));
    if (tuning_)
        for (FindingRow& r : tuningRows(*tuning_, system_)) rows_.push_back(std::move(r));
    else if (!tuningProblem_.isEmpty())
        rows_.push_back({"tuning", QT_TRANSLATE_NOOP("Findings", "Tuning"), tuningProblem_.toStdString()});
    apply_->setEnabled(tuning_.has_value());
    if (tuning_)
        apply_->setText(tr("Apply FAC %1").arg(QString::fromStdString(tuning_->fit.value.toFixed(2))));
    else
        apply_->setText(tr("Apply"));

    QString text;
    if (tuning_)
        text += tr("<p><b>Tuning coil: wind %1 turns (now %2) for resonance at %3</b></p>")
                    .arg(QString::fromStdString(tuning_->turns.toFixed(2)),
                         QString::fromStdString(tuning_->nowTurns.toFixed(2)),
                         QString::fromStdString(mhzText(tuning_->designHz)));
    text += QStringLiteral("<table cellspacing=0 cellpadding=2>");
    if (rows_.empty())
        text +=
            tr("<tr><td>Open the sweep your analyser saved of the finished antenna (S11 at the feed). "
               "The tab finds its resonance and the turns for the design frequency.</td></tr>");
    for (const FindingRow& r : rows_) {
        const bool strong = r.key == "turns" || r.key == "resonances";
        text += QStringLiteral("<tr><td valign=top><b>%1</b></td><td>%2%3%4</td></tr>")
                    .arg(QCoreApplication::translate("Findings", r.label.c_str()).toHtmlEscaped(),
                         strong ? QStringLiteral("<b>") : QString(), html(r.value),
                         strong ? QStringLiteral("</b>") : QString());
    }
    text += QStringLiteral("</table>");
    if (!modelStatus_.isEmpty()) text += QStringLiteral("<p><i>%1</i></p>").arg(modelStatus_.toHtmlEscaped());
    findings_->setHtml(text);
}

void MeasurementTab::plotMeasured() {
    if (!sweep_) return;
    FrequencySeries swr, r, x;
    SmithSeries smith;
    for (FrequencySeries* s : {&swr, &r, &x}) {
        s->name = tr(kMeasuredSeries);
        s->colour = kMeasuredColour;
    }
    smith.name = tr(kMeasuredSeries);
    smith.colour = kMeasuredColour;
    double highest = 2;
    for (const ImpedanceFigures& p : sweep_->points) {
        const double mhz = p.hz / 1e6;
        swr.frequencyMHz << mhz;
        swr.values << std::min(p.swr, kSwrCeiling);
        highest = std::max(highest, std::min(p.swr, kSwrCeiling));
        if (std::isfinite(p.z.real()) && std::isfinite(p.z.imag())) {
            r.frequencyMHz << mhz;
            r.values << p.z.real();
            x.frequencyMHz << mhz;
            x.values << p.z.imag();
            smith.frequencyMHz << mhz;
            smith.impedance << p.z;
        }
    }
    const double f = host_.record().F.value().toReal();
    const QString ref = QString::number(sweep_->referenceOhms, 'g', 4);
    swrPlot_->setQuantity(tr("SWR (%1 ohm)").arg(ref), QString());
    swrPlot_->setValueRange(1.0, highest);
    for (FrequencyPlot* p : {swrPlot_, rPlot_, xPlot_}) {
        p->setSeries({});
        p->setBandAt(f);
        // The design frequency, when the sweep reaches it.
        const bool inside = f * 1e6 >= sweep_->points.front().hz && f * 1e6 <= sweep_->points.back().hz;
        p->setMarker(inside ? std::optional(f) : std::nullopt, tr("design %1 MHz").arg(f));
    }
    swrPlot_->putSeries(swr);
    rPlot_->putSeries(r);
    xPlot_->putSeries(x);
    smith_->setReference(sweep_->referenceOhms);
    smith_->setSeries({smith});
    QVector<SmithMarker> markers;
    if (const auto z = impedanceAt(*sweep_, sweep_->tuningHz))
        markers << SmithMarker{*z, tr("%1 MHz").arg(sweep_->tuningHz / 1e6, 0, 'f', 4), kMeasuredColour};
    smith_->setMarkers(markers);
}

void MeasurementTab::startModel() {
    if (!sweep_) return;
    const int generation = ++generation_;
    if (worker_) {
        cancel_ = true;
        worker_->wait();
        delete worker_;
        worker_ = nullptr;
    }
    cancel_ = false;
    const DesignRecord design = host_.record();
    const double first = sweep_->points.front().hz, last = sweep_->points.back().hz;
    std::optional<double> turns;
    if (tuning_ && tuning_->nowTurns.toReal() > 0) turns = tuning_->nowTurns.toReal();
    const std::string program = necProgram_;
    auto result = std::make_shared<ModelSweep>();
    modelStatus_ = tr("NEC-2 model of this design over the same range: running...");
    showRows();
    worker_ = QThread::create([design, first, last, turns, program, result, this] {
        if (sim::findProgram(program).empty()) {
            result->problem = QString::fromStdString(sim::missingProgramText(program));
            return;
        }
        sim::DeckRequest request;
        const int count = 121;
        request.sweep = {first, (last - first) / (count - 1), count};
        if (turns) {
            request.tuningCoilH = sim::tuningCoilInductance(design, *turns);
            request.tuningCoilTurns = turns;
        }
        sim::RunSettings settings;
        settings.program = program;
        settings.cancel = &cancel_;
        const auto output = sim::runNec2c(sim::standardDeck(design, request), settings);
        if (!output) {
            result->problem = QString::fromStdString(output.problem().text());
            return;
        }
        const auto points = sim::parseNecOutput(*output, request.sweep.frequencies());
        if (!points) {
            result->problem = QString::fromStdString(points.problem().text());
            return;
        }
        for (const sim::NecFrequency& p : *points) {
            result->mhz << p.hz / 1e6;
            result->z << p.z;
        }
    });
    connect(worker_, &QThread::finished, this, [this, result, generation] { modelDone(result, generation); });
    worker_->start();
}

void MeasurementTab::modelDone(std::shared_ptr<ModelSweep> sweep, int generation) {
    if (generation != generation_) return;  // a newer run replaces it
    if (worker_) {
        worker_->deleteLater();
        worker_ = nullptr;
    }
    if (!sweep_) return;
    const QString name = tr(kModelSeries);
    if (!sweep->problem.isEmpty()) {
        modelStatus_ = tr("No NEC-2 model beside the measurement: %1").arg(sweep->problem);
        showRows();
        for (FrequencyPlot* p : {swrPlot_, rPlot_, xPlot_}) p->removeSeries(name);
        smith_->removeSeries(name);
        emit modelFinished();
        return;
    }
    FrequencySeries swr, r, x;
    for (FrequencySeries* s : {&swr, &r, &x}) {
        s->name = name;
        s->colour = kModelColour;
        s->style = Qt::DashLine;
        s->frequencyMHz = sweep->mhz;
    }
    for (const auto& z : sweep->z) {
        swr.values << std::min(swrFrom(z, sweep_->referenceOhms), kSwrCeiling);
        r.values << z.real();
        x.values << z.imag();
    }
    swrPlot_->putSeries(swr);
    rPlot_->putSeries(r);
    xPlot_->putSeries(x);
    smith_->putSeries({name, sweep->mhz, sweep->z, kModelColour});
    const QString wound = tuning_ ? QString::fromStdString(tuning_->nowTurns.toFixed(2)) : QString();
    modelStatus_ = tr("NEC-2 model (dashed): this design with the tuning coil of %1 turns, over the "
                      "measured range. %2")
                       .arg(wound, QString::fromStdString(sim::modelAssumptions()));
    showRows();
    emit modelFinished();
}

void MeasurementTab::applyTuning() {
    if (!tuning_) return;
    if (!host_.takeEntries()) return;
    host_.apply("FAC", tuning_->fit.value);
    refresh();
}

}  // namespace yq
