// The design tools tab: the conversion to the other unit system.
#include "windows/DesignToolsParts.h"

namespace yq {

using namespace toolsparts;

QWidget* DesignToolsTab::buildConvertGroup() {
    const bool toMetric = system_ == UnitSystem::Imperial;
    auto* box = group(toMetric ? tr("Convert to millimetres") : tr("Convert to inches"), this);
    auto* layout = new QVBoxLayout(box);
    layout->setSpacing(3);
    const QString how = toMetric ? tr("Lengths x 25.4, rounded to the Metric fields; F, L/D, MBW, FAC and DPS\n"
                                      "as they are; then the Metric ReCalc. The design is saved in the working\n"
                                      "folder under the Metric window's file name (M...ini).")
                                 : tr("Lengths / 25.4, rounded to the Imperial fields; F, L/D, MBW, FAC and DPS\n"
                                      "as they are; then the Imperial ReCalc. The design is saved in the working\n"
                                      "folder under the Imperial window's file name.");
    auto* convert =
        plain(new QPushButton(toMetric ? tr("Convert and Save as Metric") : tr("Convert and Save as Imperial"), box));
    convert->setObjectName(QStringLiteral("ConvertRun"));
    convert->setAutoDefault(false);
    convert->setToolTip(how);
    layout->addWidget(convert);
    convertResult_ = plain(resultLabel(box));
    convertResult_->setObjectName(QStringLiteral("ConvertResult"));
    convertResult_->setMinimumHeight(fontMetrics().height() * 5);
    convertResult_->setText(toMetric ? tr("Saves this design in millimetres for the Metric window.")
                                     : tr("Saves this design in inches for the Imperial window."));
    layout->addWidget(convertResult_);
    connect(convert, &QPushButton::clicked, this, &DesignToolsTab::convertNow);
    return box;
}

void DesignToolsTab::convertNow() {
    if (!host_.takeEntries()) return;
    const UnitSystem target = system_ == UnitSystem::Imperial ? UnitSystem::Metric : UnitSystem::Imperial;
    const DesignRecord source = calculatedCopy();
    const Result<DesignRecord> converted = convertDesign(source, target);
    if (!converted) {
        showError(tr("The design cannot be converted:|%1").arg(problemText(converted.problem())));
        return;
    }
    const ConvertedSave saved = saveConvertedDesign(*converted, QDir::currentPath());
    if (!saved.written) {
        showError(tr("The converted design %1 could not be written.|%2")
                      .arg(QDir::toNativeSeparators(saved.path), problemText(saved.written.problem())));
        return;
    }
    convertedPath_ = saved.path;
    const DesignRecord& d = *converted;
    const QString window = target == UnitSystem::Metric ? tr("Metric") : tr("Imperial");
    QStringList lines;
    for (std::string_view key : {"CD", "WD", "CCD"})
        lines << QStringLiteral("%1 %2 &rarr; %3")
                     .arg(qs(key), withUnit(*source.field(key), key, system_), withUnit(*d.field(key), key, target));
    convertResult_->setText(tr("Saved <b>%1</b> in %2<br>%3<br>NT %4, SCT %5: open it in the %6 window.")
                                .arg(QFileInfo(saved.path).fileName().toHtmlEscaped(),
                                     QDir::toNativeSeparators(QFileInfo(saved.path).absolutePath()).toHtmlEscaped(),
                                     lines.join(QStringLiteral(", ")),
                                     withoutTrailingZeros(QString::fromStdString(d.NT.text())),
                                     withoutTrailingZeros(QString::fromStdString(d.SCT.text())), window));
}

}  // namespace yq
