// The design tools tab: the fit of FAC or DPS to the turns of a built antenna.
#include "windows/DesignToolsParts.h"

namespace yq {

using namespace toolsparts;

QWidget* DesignToolsTab::buildFitGroup() {
    auto* box = group(tr("Fit to the built antenna"), this);
    auto* grid = new QGridLayout(box);
    grid->setVerticalSpacing(4);
    fitField_ = plain(new QComboBox(box));
    fitField_->setObjectName(QStringLiteral("FitField"));
    fitField_->addItem(tr("FAC from tuning coil turns (NT)"));
    fitField_->addItem(tr("DPS from source coil turns (SCT)"));
    fitField_->setAccessibleName(tr("Field to fit"));
    fitField_->setToolTip(
        tr("Capacitance Factor from the tuning coil turns you wound,\n"
           "or Degrees of Phase from the source coil turns."));
    grid->addWidget(fitField_, 0, 0, 1, 3);
    auto* turnsLabel = plain(new QLabel(tr("Turns wound:"), box));
    turns_ = plain(new QLineEdit(box));
    turns_->setObjectName(QStringLiteral("FitTurns"));
    turns_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,5}([.,]\\d{0,2})?")), turns_));
    turns_->setAlignment(Qt::AlignRight);
    turnsLabel->setBuddy(turns_);
    turns_->setAccessibleName(tr("Turns wound"));
    auto* find = plain(new QPushButton(tr("Find"), box));
    find->setObjectName(QStringLiteral("FitFind"));
    find->setAutoDefault(false);
    find->setToolTip(
        tr("Tries every value of the field, 0.01 apart, each with a full ReCalc,\n"
           "and finds the one whose turns come nearest to the turns you wound."));
    grid->addWidget(turnsLabel, 1, 0);
    grid->addWidget(turns_, 1, 1);
    grid->addWidget(find, 1, 2);
    fitResult_ = plain(resultLabel(box));
    fitResult_->setObjectName(QStringLiteral("FitResult"));
    fitResult_->setText(tr("Enter the turns on your working antenna and press Find."));
    fitResult_->setMinimumHeight(fontMetrics().height() * 7);
    grid->addWidget(fitResult_, 2, 0, 1, 3);
    apply_ = plain(new QPushButton(tr("Apply"), box));
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
        apply_->setText(tr("Apply"));
    });
    return box;
}

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
            tr("<span style='color:#b22222'>Enter the number of turns you wound, "
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
        html = tr("<b>%1 = %2</b> gives %3 = <b>%4</b> turns (you wound %5).")
                   .arg(key, value, turnsKey, got, QString::fromStdString(turns->toString()));
    } else {
        const FitRange range = fitRange(field);
        html =
            tr("<span style='color:#b22222'>No %1 from %2 to %3 gives %4 within half a turn of %5.</span> "
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
    if (shown > 5) changes << tr("and %1 more").arg(shown - 5);
    if (!changes.isEmpty()) html += tr("<br>Also changes: ") + changes.join(QStringLiteral(", ")) + u'.';
    if (field == FitField::Dps && fit_->value.rounded(1) != fit_->value)
        html += tr("<br>The window shows DPS with one place (%1); the design keeps %2.")
                    .arg(QString::fromStdString(fit_->value.toFixed(1)), value);
    fitResult_->setText(html);
    apply_->setText(tr("Apply %1 = %2").arg(key, value));
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
            fitResult_->setText(tr("<i>The design changed since the last Find; this is the fit for it "
                                   "now.</i><br>") +
                                fitResult_->text());
        return;
    }
    host_.apply(fitFieldKey(fit_->field), fit_->value);
    fitResult_->setText(fitResult_->text() + tr("<br><b>Applied</b> to the design; SAVE keeps it."));
    apply_->setEnabled(false);
}

}  // namespace yq
