#include "windows/DesignToolsParts.h"

namespace yq {

using namespace toolsparts;

DesignToolsTab::DesignToolsTab(UnitSystem system, DesignToolsHost host, QWidget* parent)
    : QWidget(parent), system_(system), host_(std::move(host)) {
    setObjectName(QStringLiteral("DesignTools"));
    const DialogUnits du(font());
    chooseCsv_ = [this](const QString& suggested) {
        return QFileDialog::getSaveFileName(this, tr("Save the sweep as CSV"), suggested, tr("CSV files (*.csv)"));
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

DesignRecord DesignToolsTab::calculatedCopy() const {
    DesignRecord copy = host_.record();
    reCalcAs(copy, host_.metricFlag());
    return copy;
}

// ---------------------------------------------------------------- fit

// ---------------------------------------------------------------- sweep

void DesignToolsTab::showEvent(QShowEvent* event) {
    // The range follows the design until the user sets one.
    if (!rangeEdited_) suggestRange();
    QWidget::showEvent(event);
}

void DesignToolsTab::showError(const QString& text) {
    if (host_.messages) host_.messages->error(text);
}

// ---------------------------------------------------------------- convert

}  // namespace yq
