// The design tools tab: the sweep of one input, its plot, table and CSV.
#include "windows/DesignToolsParts.h"

namespace yq {

using namespace toolsparts;

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

QWidget* DesignToolsTab::buildSweepGroup() {
    auto* box = group(tr("Sweep one input"), this);
    auto* outer = new QVBoxLayout(box);
    outer->setSpacing(3);
    auto* row = new QHBoxLayout;
    row->setSpacing(4);
    sweepInput_ = plain(new QComboBox(box));
    sweepInput_->setObjectName(QStringLiteral("SweepInput"));
    for (const auto& [key, name] : inputNames())
        sweepInput_->addItem(QStringLiteral("%1  %2").arg(key, tr(name.toUtf8().constData())), key);
    sweepInput_->setAccessibleName(tr("Input to vary"));
    auto* vary = plain(new QLabel(tr("Vary:"), box));
    vary->setBuddy(sweepInput_);
    row->addWidget(vary);
    row->addWidget(sweepInput_, 1);
    sweepInput_->setMinimumContentsLength(15);
    sweepInput_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    const QString names[] = {tr("From"), tr("To"), tr("Step")};
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
    auto* sweep = plain(new QPushButton(tr("Sweep"), box));
    sweep->setObjectName(QStringLiteral("SweepRun"));
    sweep->setAutoDefault(false);
    row->addWidget(sweep);
    outer->addLayout(row);

    auto* ticks = new QGridLayout;
    ticks->setHorizontalSpacing(6);
    ticks->setVerticalSpacing(0);
    auto* plotLabel = plain(new QLabel(tr("Plot:"), box));
    ticks->addWidget(plotLabel, 0, 0);
    int n = 0;
    for (const QString& key : outputKeys()) {
        auto* check = plain(new QCheckBox(key, box));
        check->setObjectName(QStringLiteral("Plot") + key);
        check->setToolTip(keyTableText(findKey(key.toStdString())->label(UnitSystem::Imperial)));
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
    table_->setAccessibleName(tr("Sweep points"));
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
    sweepStatus_->setText(tr("Up to %1 points, each a full ReCalc of this design.").arg(kMaxSweepPoints));
    saveCsv_ = plain(new QPushButton(tr("Save CSV..."), box));
    saveCsv_->setObjectName(QStringLiteral("SweepSave"));
    saveCsv_->setAutoDefault(false);
    saveCsv_->setEnabled(false);
    saveCsv_->setToolTip(tr("Every key of every point, as yq-calc sweep writes it."));
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

QCheckBox* DesignToolsTab::outputBox(const QString& key) const {
    for (QCheckBox* c : outputs_)
        if (c->text() == key) return c;
    return nullptr;
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

void DesignToolsTab::sweepProblem(const QString& text) {
    sweepStatus_->setText(QStringLiteral("<span style='color:#b22222'>%1</span>").arg(text.toHtmlEscaped()));
}

void DesignToolsTab::runSweepNow() {
    if (!host_.takeEntries()) return;
    SweepRange range;
    range.key = sweepInput_->currentData().toString().toStdString();
    const QString names[] = {tr("From"), tr("To"), tr("Step")};
    const QLineEdit* edits[] = {from_, to_, step_};
    Decimal* targets[] = {&range.from, &range.to, &range.step};
    for (int i = 0; i < 3; ++i) {
        QString text = edits[i]->text().trimmed();
        text.replace(u',', u'.');
        const auto value = Decimal::parse(text.toStdString());
        if (!value) {
            sweepProblem(tr("%1 '%2' is not a number.").arg(names[i], edits[i]->text()));
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
    sweepStatus_->setText(tr("%1 points, each a full ReCalc.").arg(points_.size()));
}

void DesignToolsTab::saveSweepCsv() {
    if (points_.empty()) return;
    const QString suggested = QDir::current().filePath(QStringLiteral("sweep-%1.csv").arg(qs(range_.key)));
    const QString path = chooseCsv_ ? chooseCsv_(suggested) : QString();
    if (path.isEmpty()) return;
    const std::string csv = sweepCsv(points_);
    const Result<> written = replaceFile(path, QByteArray(csv.data(), qsizetype(csv.size())));
    if (!written) {
        showError(tr("The sweep could not be saved as %1.|%2")
                      .arg(QDir::toNativeSeparators(path), problemText(written.problem())));
        return;
    }
    sweepStatus_->setText(
        tr("%1 points saved to %2.").arg(points_.size()).arg(QDir::toNativeSeparators(path).toHtmlEscaped()));
}

}  // namespace yq
