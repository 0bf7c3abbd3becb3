#include "windows/FrequencyPlot.h"

#include "design/AmateurBands.h"
#include "windows/SweepPlot.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>

namespace yq {

namespace {

const QColor kPlotPaper(255, 255, 255);
const QColor kPlotInk(40, 40, 40);
const QColor kPlotGrid(222, 222, 222);
const QColor kPlotFrame(120, 120, 120);
const QColor kPlotBand(255, 236, 179);
const QColor kPlotBandText(150, 100, 0);

QString scaleText(double value, double step) {
    int places = 0;
    for (double s = step; places < 6 && std::abs(s - std::round(s)) > 1e-9 * std::max(1.0, std::abs(s)); s *= 10)
        ++places;
    if (std::abs(value) < step * 1e-9) value = 0;
    return QString::number(value, 'f', places);
}

QString plainNumber(double v) { return QString::number(v, 'g', 8); }

QString bandTitle(const AmateurBand& band) { return QString::fromUtf8(band.name.data(), qsizetype(band.name.size())); }

}  // namespace

// ---------------------------------------------------------------- frequency plot

FrequencyPlot::FrequencyPlot(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setObjectName(QStringLiteral("FrequencyPlot"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void FrequencyPlot::setQuantity(const QString& name, const QString& unit) {
    quantity_ = name;
    unit_ = unit;
    setAccessibleName(tr("%1 against frequency").arg(name));
    update();
}

void FrequencyPlot::setSeries(QVector<FrequencySeries> series) {
    series_ = std::move(series);
    refresh();
}

void FrequencyPlot::putSeries(FrequencySeries series) {
    for (FrequencySeries& s : series_)
        if (s.name == series.name) {
            s = std::move(series);
            refresh();
            return;
        }
    series_ << std::move(series);
    refresh();
}

void FrequencyPlot::removeSeries(const QString& name) {
    series_.removeIf([&](const FrequencySeries& s) { return s.name == name; });
    refresh();
}

void FrequencyPlot::setBand(const AmateurBand* band) {
    band_ = band;
    update();
}

void FrequencyPlot::setBandAt(double mhz) { setBand(bandAt(mhz)); }

void FrequencyPlot::setMarker(std::optional<double> mhz, const QString& label) {
    marker_ = mhz;
    markerLabel_ = label;
    update();
}

void FrequencyPlot::setValueRange(std::optional<double> low, std::optional<double> high) {
    low_ = low;
    high_ = high;
    update();
}

void FrequencyPlot::setMessage(const QString& message) {
    message_ = message;
    refresh();
}

QString FrequencyPlot::pointsTable() const {
    const QString unit = unit_.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(unit_);
    QString out = tr("Frequency (MHz)");
    for (const FrequencySeries& s : series_) out += QStringLiteral("\t%1 %2%3").arg(s.name, quantity_, unit);
    out += QLatin1Char('\n');
    // Every frequency of any series, rising; each series' value where it has one.
    std::map<double, QVector<QString>> rows;
    for (int k = 0; k < series_.size(); ++k) {
        const FrequencySeries& s = series_[k];
        for (int i = 0; i < s.frequencyMHz.size() && i < s.values.size(); ++i) {
            auto& row = rows[s.frequencyMHz[i]];
            row.resize(series_.size());
            row[k] = plainNumber(s.values[i]);
        }
    }
    for (const auto& [f, cells] : rows) {
        out += plainNumber(f);
        for (const QString& c : cells) out += QLatin1Char('\t') + c;
        out += QLatin1Char('\n');
    }
    return out;
}

// The plot's paper: white, framed in grey, drawn smooth in the widget's font.
// The painter is saved; the caller restores it.
static void beginPaper(QPainter& p, const QRect& box, const QFont& font) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.fillRect(box, kPlotPaper);
    p.setPen(QColor(160, 160, 160));
    p.drawRect(box.adjusted(0, 0, -1, -1));
    p.setFont(font);
}

void FrequencyPlot::paintEvent(QPaintEvent*) {
    QPainter p(this);
    render(p, rect());
}

void FrequencyPlot::render(QPainter& p, const QRect& box) const {
    beginPaper(p, box, font());
    const QFontMetrics fm(font());

    double xMin = 1e300, xMax = -1e300, yMin = 1e300, yMax = -1e300;
    for (const FrequencySeries& s : series_)
        for (int i = 0; i < s.frequencyMHz.size() && i < s.values.size(); ++i) {
            if (!std::isfinite(s.values[i]) || !std::isfinite(s.frequencyMHz[i])) continue;
            xMin = std::min(xMin, s.frequencyMHz[i]);
            xMax = std::max(xMax, s.frequencyMHz[i]);
            yMin = std::min(yMin, s.values[i]);
            yMax = std::max(yMax, s.values[i]);
        }
    if (xMin > xMax) {
        p.setPen(QColor(90, 90, 90));
        p.drawText(box.adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap,
                   message_.isEmpty() ? tr("Nothing to plot yet.") : message_);
        p.restore();
        return;
    }
    if (low_) yMin = *low_;
    if (high_) yMax = *high_;
    if (!(xMax > xMin)) {
        xMin -= 0.001 * std::max(1.0, std::abs(xMin));
        xMax += 0.001 * std::max(1.0, std::abs(xMax));
    }
    if (!(yMax > yMin)) {
        const double pad = std::max(std::abs(yMin) * 0.05, 0.5);
        yMin -= pad;
        yMax += pad;
    }

    const int line = fm.height();
    // The legend's items, laid out in lines across the plot's width.
    struct LegendItem {
        QString name;
        QPen pen;
    };
    QVector<LegendItem> legend;
    for (int k = 0; k < series_.size(); ++k)
        legend << LegendItem{series_[k].name, QPen(series_[k].colour.isValid() ? series_[k].colour : plotColour(k), 2.2,
                                                   series_[k].style)};
    if (marker_ && !markerLabel_.isEmpty())
        legend << LegendItem{markerLabel_, QPen(QColor(200, 0, 0), 1.2, Qt::DashLine)};
    QVector<QPointF> legendAt;
    {
        double lx = box.left() + 8, ly = box.top() + 4;
        for (const LegendItem& item : legend) {
            const double w = 26 + fm.horizontalAdvance(item.name) + 14;
            if (lx + w > box.right() - 4 && lx > box.left() + 8) lx = box.left() + 8, ly += line + 2;
            legendAt << QPointF(lx, ly);
            lx += w;
        }
    }
    const int legendBottom = legendAt.isEmpty() ? box.top() : int(legendAt.back().y()) + line;
    const int left = box.left() + fm.horizontalAdvance(QStringLiteral("-000000.0")) + line + 8;
    const int right = box.right() - fm.horizontalAdvance(QStringLiteral("00.000")) / 2 - 6;
    const int top = legendBottom + line + 8;  // the band's name under the legend
    const int bottom = box.bottom() - line * 2 - 10;
    const QRect area(QPoint(left, top), QPoint(right, bottom));
    if (area.width() < 40 || area.height() < 30) {
        p.restore();
        return;
    }

    const QVector<double> yTicks = SweepPlot::niceTicks(yMin, yMax, std::max(2, area.height() / (line * 2)));
    if (!low_ && !yTicks.isEmpty()) yMin = std::min(yMin, yTicks.front());
    if (!high_ && !yTicks.isEmpty()) yMax = std::max(yMax, yTicks.back());
    auto xPixel = [&](double v) { return area.left() + (v - xMin) / (xMax - xMin) * area.width(); };
    auto yPixel = [&](double v) { return area.bottom() - (v - yMin) / (yMax - yMin) * area.height(); };

    // The band behind everything.
    if (band_ && band_->highMHz >= xMin && band_->lowMHz <= xMax) {
        const double a = xPixel(std::max(band_->lowMHz, xMin));
        const double b = xPixel(std::min(band_->highMHz, xMax));
        p.fillRect(QRectF(a, area.top(), std::max(1.0, b - a), area.height()), kPlotBand);
        p.setPen(kPlotBandText);
        const QString name = bandTitle(*band_) + tr(" band");
        const double w = fm.horizontalAdvance(name) + 4;
        const double centre = std::clamp((a + b) / 2, area.left() + w / 2, area.right() - w / 2);
        p.drawText(QRectF(centre - w / 2, area.top() - line - 2, w, line), Qt::AlignCenter, name);
    }

    // Grid and scales.
    const QVector<double> xTicks = SweepPlot::niceTicks(xMin, xMax, std::max(4, area.width() / 60));
    const double xStep = xTicks.size() > 1 ? xTicks[1] - xTicks[0] : 1;
    const double yStep = yTicks.size() > 1 ? yTicks[1] - yTicks[0] : 1;
    for (double t : xTicks) {
        p.setPen(QPen(kPlotGrid, 1));
        p.drawLine(QPointF(xPixel(t), area.top()), QPointF(xPixel(t), area.bottom()));
        p.setPen(kPlotInk);
        p.drawLine(QPointF(xPixel(t), area.bottom()), QPointF(xPixel(t), area.bottom() + 3));
        p.drawText(QRectF(xPixel(t) - 45, area.bottom() + 3, 90, line), Qt::AlignHCenter | Qt::AlignTop,
                   scaleText(t, xStep));
    }
    for (double t : yTicks) {
        if (t < yMin - 1e-12 || t > yMax + 1e-12) continue;
        p.setPen(QPen(t == 0 ? QColor(150, 150, 150) : kPlotGrid, 1));
        p.drawLine(QPointF(area.left(), yPixel(t)), QPointF(area.right(), yPixel(t)));
        p.setPen(kPlotInk);
        p.drawText(QRectF(box.left() + line + 2, yPixel(t) - line / 2.0, area.left() - box.left() - line - 7, line),
                   Qt::AlignRight | Qt::AlignVCenter, scaleText(t, yStep));
    }
    p.setPen(QPen(kPlotFrame, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(area);

    // The curves.
    p.save();
    p.setClipRect(area.adjusted(-1, -1, 1, 1));
    for (int k = 0; k < series_.size(); ++k) {
        const FrequencySeries& s = series_[k];
        const QColor colour = s.colour.isValid() ? s.colour : plotColour(k);
        QPainterPath path;
        bool pen = false;
        for (int i = 0; i < s.frequencyMHz.size() && i < s.values.size(); ++i) {
            if (!std::isfinite(s.values[i])) {
                pen = false;
                continue;
            }
            const QPointF pt(xPixel(s.frequencyMHz[i]),
                             yPixel(std::clamp(s.values[i], yMin - (yMax - yMin), yMax + (yMax - yMin))));
            if (pen)
                path.lineTo(pt);
            else
                path.moveTo(pt);
            pen = true;
        }
        p.setPen(QPen(colour, 1.8, s.style));
        p.drawPath(path);
        if (s.frequencyMHz.size() == 1) p.drawEllipse(path.currentPosition(), 2.5, 2.5);
    }
    p.restore();

    // The marker.
    if (marker_ && *marker_ >= xMin && *marker_ <= xMax) {
        const double mx = xPixel(*marker_);
        p.setPen(QPen(QColor(200, 0, 0), 1.2, Qt::DashLine));
        p.drawLine(QPointF(mx, area.top()), QPointF(mx, area.bottom()));
    }

    // The legend along the top: a stroke of each colour and its name.
    for (int k = 0; k < legend.size(); ++k) {
        const QPointF at = legendAt[k];
        p.setPen(legend[k].pen);
        p.drawLine(QPointF(at.x(), at.y() + line / 2.0), QPointF(at.x() + 22, at.y() + line / 2.0));
        p.setPen(kPlotInk);
        p.drawText(QRectF(at.x() + 26, at.y(), fm.horizontalAdvance(legend[k].name) + 4, line),
                   Qt::AlignLeft | Qt::AlignVCenter, legend[k].name);
    }

    // Axis titles.
    p.setPen(kPlotInk);
    p.drawText(QRectF(area.left(), area.bottom() + line + 6, area.width(), line), Qt::AlignHCenter | Qt::AlignTop,
               tr("Frequency (MHz)"));
    const QString yTitle = unit_.isEmpty() ? quantity_ : QStringLiteral("%1 (%2)").arg(quantity_, unit_);
    p.save();
    p.translate(box.left() + 2, area.center().y());
    p.rotate(-90);
    p.drawText(QRectF(-area.height() / 2.0, 0, area.height(), line), Qt::AlignCenter, yTitle);
    p.restore();
    p.restore();
}

// ---------------------------------------------------------------- polar plot

PolarPlot::PolarPlot(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setObjectName(QStringLiteral("PolarPlot"));
    setAccessibleName(tr("Pattern"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void PolarPlot::setPattern(QVector<PolarPoint> points, const QString& title, double rangeDb, double ringStepDb) {
    points_ = std::move(points);
    title_ = title;
    rangeDb_ = rangeDb > 0 ? rangeDb : 30;
    ringStepDb_ = ringStepDb > 0 ? ringStepDb : 10;
    setAccessibleName(title);
    refresh();
}

void PolarPlot::setMessage(const QString& message) {
    message_ = message;
    refresh();
}

QString PolarPlot::pointsTable() const {
    QString out = tr("Elevation (deg)\tGain (dBi)\n");
    for (const PolarPoint& pt : points_)
        out += plainNumber(pt.angleDeg) + QLatin1Char('\t') + plainNumber(pt.gainDbi) + '\n';
    return out;
}

void PolarPlot::paintEvent(QPaintEvent*) {
    QPainter p(this);
    render(p, rect());
}

void PolarPlot::render(QPainter& p, const QRect& box) const {
    beginPaper(p, box, font());
    const QFontMetrics fm(font());
    const int line = fm.height();

    double peak = -1e300;
    for (const PolarPoint& pt : points_)
        if (std::isfinite(pt.gainDbi)) peak = std::max(peak, pt.gainDbi);
    if (peak == -1e300) {
        p.setPen(QColor(90, 90, 90));
        p.drawText(box.adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap,
                   message_.isEmpty() ? tr("No pattern yet.") : message_);
        p.restore();
        return;
    }
    const double outer = std::ceil(peak / ringStepDb_ - 1e-9) * ringStepDb_;
    const double inner = outer - rangeDb_;

    p.setPen(kPlotInk);
    // The title on up to two lines.
    const QRectF titleRect(box.left() + 4, box.top() + 2, box.width() - 8, 2 * line + 6);
    const QRectF titleUsed = p.boundingRect(titleRect, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, title_);
    p.drawText(titleRect, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, title_);
    const double titleBottom = std::min(titleUsed.bottom(), titleRect.bottom());
    const double radius =
        std::max(10.0, std::min(box.width() - 2.0 * line - 16, box.bottom() - titleBottom - 3.0 * line - 12) / 2);
    const QPointF centre(box.center().x() + 0.5, titleBottom + line + 6 + radius);
    auto toPoint = [&](double angleDeg, double dbi) {
        const double r = std::clamp((dbi - inner) / rangeDb_, 0.0, 1.0) * radius;
        const double a = angleDeg * std::numbers::pi / 180;
        return QPointF(centre.x() + r * std::cos(a), centre.y() - r * std::sin(a));
    };

    // Rings with their dBi, spokes every 30 degrees.
    for (double level = outer; level > inner - 1e-9; level -= ringStepDb_) {
        const double r = (level - inner) / rangeDb_ * radius;
        p.setPen(QPen(level == outer ? kPlotFrame : kPlotGrid, 1));
        p.drawEllipse(centre, r, r);
        // Its level along the spoke at 60 degrees, clear of the axis labels.
        p.setPen(QColor(110, 110, 110));
        const QPointF at(centre.x() + r * 0.5, centre.y() - r * 0.866);
        p.drawText(QRectF(at.x() + 2, at.y() - line, 70, line), Qt::AlignLeft | Qt::AlignBottom,
                   tr("%1 dBi").arg(scaleText(level, ringStepDb_)));
    }
    for (int a = 0; a < 360; a += 30) {
        p.setPen(QPen(kPlotGrid, 1));
        p.drawLine(centre, toPoint(a, outer));
        if (a % 90 == 0) {
            const QPointF at = toPoint(a, outer + rangeDb_ * 0.09);
            p.setPen(QColor(110, 110, 110));
            p.drawText(QRectF(at.x() - 20, at.y() - line / 2.0, 40, line), Qt::AlignCenter,
                       QStringLiteral("%1°").arg(a > 180 ? a - 360 : a));
        }
    }

    QPainterPath path;
    for (int i = 0; i < points_.size(); ++i) {
        const QPointF pt = toPoint(points_[i].angleDeg, points_[i].gainDbi);
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    if (points_.size() > 2) path.closeSubpath();
    p.setPen(QPen(plotColour(0), 2));
    p.setBrush(QColor(0, 0, 128, 30));
    p.drawPath(path);
    p.setPen(kPlotInk);
    p.drawText(
        QRectF(box.left() + 4, box.bottom() - line - 2, box.width() - 8, line), Qt::AlignCenter,
        tr("Largest gain %1 dBi; centre %2 dBi").arg(QString::number(peak, 'f', 2), scaleText(inner, ringStepDb_)));
    p.restore();
}

}  // namespace yq
