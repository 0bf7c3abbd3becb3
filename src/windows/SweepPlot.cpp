#include "windows/SweepPlot.h"

#include "design/AmateurBands.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace yq {

namespace {

QString tickText(double value, double step) {
    // As many places as the step needs, no more.
    int places = 0;
    for (double s = step; places < 6 && std::abs(s - std::round(s)) > 1e-9 * std::max(1.0, std::abs(s)); s *= 10)
        ++places;
    if (std::abs(value) < step * 1e-9) value = 0;
    return QString::number(value, 'f', places);
}

QString axisTitle(const QString& name, const QString& unit) {
    return unit.isEmpty() ? name : QStringLiteral("%1 (%2)").arg(name, unit);
}

}  // namespace

QColor plotColour(int index) {
    static const QColor colours[] = {QColor(0, 0, 128),   QColor(178, 34, 34), QColor(0, 120, 60),
                                     QColor(128, 0, 128), QColor(200, 110, 0), QColor(0, 128, 128)};
    return colours[index % 6];
}

SweepPlot::SweepPlot(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setObjectName(QStringLiteral("SweepPlot"));
    setAccessibleName(tr("Sweep plot"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    message_ = tr("Choose an input and its range, then Sweep.");
}

void SweepPlot::setData(const QString& xName, const QString& xUnit, QVector<double> x, QVector<PlotSeries> series,
                        std::optional<double> marker, bool frequencyAxis) {
    xName_ = xName;
    xUnit_ = xUnit;
    x_ = std::move(x);
    series_ = std::move(series);
    marker_ = marker;
    frequencyAxis_ = frequencyAxis;
    message_.clear();
    if (series_.isEmpty()) message_ = tr("Tick at least one output to plot.");
    update();
}

void SweepPlot::clear(const QString& message) {
    x_.clear();
    series_.clear();
    marker_.reset();
    message_ = message;
    update();
}

QStringList SweepPlot::shadedBands() const {
    QStringList names;
    if (!frequencyAxis_ || x_.isEmpty()) return names;
    const auto [lo, hi] = std::minmax_element(x_.begin(), x_.end());
    for (const AmateurBand& band : amateurBands())
        if (band.highMHz >= *lo && band.lowMHz <= *hi) names << QString::fromUtf8(band.name.data(), band.name.size());
    return names;
}

QVector<double> SweepPlot::niceTicks(double low, double high, int wanted) {
    QVector<double> ticks;
    if (!(high > low) || wanted < 1) return ticks;
    // Of 1, 2 and 5 times the powers of ten around the raw step, the one that
    // gives the number of steps nearest the wish.
    const double raw = (high - low) / wanted;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    double step = power;
    double bestMiss = 1e300;
    for (double scale : {0.1, 1.0, 10.0}) {
        for (double m : {1.0, 2.0, 5.0}) {
            const double candidate = m * power * scale;
            const double miss = std::abs((high - low) / candidate - wanted);
            if (miss < bestMiss) {
                bestMiss = miss;
                step = candidate;
            }
        }
    }
    const long long first = std::llround(std::ceil(low / step - 1e-9));
    const long long last = std::llround(std::floor(high / step + 1e-9));
    for (long long k = first; k <= last && ticks.size() < 50; ++k) ticks << double(k) * step;
    return ticks;
}

void SweepPlot::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.fillRect(rect(), Qt::white);
    p.setPen(QColor(160, 160, 160));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    QFont small = font();
    p.setFont(small);
    const QFontMetrics fm(small);

    if (x_.size() < 1 || series_.isEmpty()) {
        p.setPen(QColor(90, 90, 90));
        p.drawText(rect().adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap, message_);
        return;
    }

    const int left = fm.horizontalAdvance(QStringLiteral("-00000.00")) + 10;
    const int right = fm.horizontalAdvance(QStringLiteral("0000.00")) / 2 + 4;  // half the last tick's text
    const int top = fm.height() + 6;                                            // room for the band names
    const int bottom = fm.height() * 2 + 10;
    const QRect area(left, top, width() - left - right, height() - top - bottom);
    if (area.width() < 40 || area.height() < 30) return;

    auto [xMinIt, xMaxIt] = std::minmax_element(x_.begin(), x_.end());
    double xMin = *xMinIt;
    double xMax = *xMaxIt;
    if (!(xMax > xMin)) {
        xMin -= 1;
        xMax += 1;
    }
    auto xPixel = [&](double v) { return area.left() + (v - xMin) / (xMax - xMin) * area.width(); };

    // The bands behind everything.
    if (frequencyAxis_) {
        for (const AmateurBand& band : amateurBands()) {
            if (band.highMHz < xMin || band.lowMHz > xMax) continue;
            const double a = xPixel(std::max(band.lowMHz, xMin));
            const double b = xPixel(std::min(band.highMHz, xMax));
            p.fillRect(QRectF(a, area.top(), std::max(1.0, b - a), area.height()), QColor(255, 236, 179));
            p.setPen(QColor(150, 100, 0));
            const QString name = QString::fromUtf8(band.name.data(), band.name.size());
            const QRectF label(a, 0, std::max(b - a, qreal(fm.horizontalAdvance(name) + 4)), top - 2);
            p.drawText(label, Qt::AlignHCenter | Qt::AlignBottom, name + tr(" band"));
        }
    }

    const int strips = series_.size();
    const int gap = 6;
    const double stripHeight = (area.height() - gap * (strips - 1)) / double(strips);
    const QVector<double> xTicks = niceTicks(xMin, xMax, std::max(2, area.width() / 70));

    for (int s = 0; s < strips; ++s) {
        const PlotSeries& series = series_[s];
        const QRectF strip(area.left(), area.top() + s * (stripHeight + gap), area.width(), stripHeight);
        double yMin = *std::min_element(series.values.begin(), series.values.end());
        double yMax = *std::max_element(series.values.begin(), series.values.end());
        if (!(yMax > yMin)) {
            const double pad = std::max(std::abs(yMin) * 0.05, 0.5);
            yMin -= pad;
            yMax += pad;
        }
        const QVector<double> yTicks = niceTicks(yMin, yMax, std::max(2, int(strip.height() / (fm.height() * 1.4))));
        if (!yTicks.isEmpty()) {
            yMin = std::min(yMin, yTicks.front());
            yMax = std::max(yMax, yTicks.back());
        }
        auto yPixel = [&](double v) { return strip.bottom() - (v - yMin) / (yMax - yMin) * strip.height(); };

        // Grid and scale.
        p.setPen(QPen(QColor(225, 225, 225), 1));
        for (double t : xTicks) p.drawLine(QPointF(xPixel(t), strip.top()), QPointF(xPixel(t), strip.bottom()));
        const double yStep = yTicks.size() > 1 ? yTicks[1] - yTicks[0] : 1;
        for (double t : yTicks) {
            p.setPen(QPen(QColor(225, 225, 225), 1));
            p.drawLine(QPointF(strip.left(), yPixel(t)), QPointF(strip.right(), yPixel(t)));
            p.setPen(QColor(60, 60, 60));
            p.drawText(QRectF(0, yPixel(t) - fm.height() / 2.0, left - 5, fm.height()),
                       Qt::AlignRight | Qt::AlignVCenter, tickText(t, yStep));
        }
        p.setPen(QPen(QColor(120, 120, 120), 1));
        p.drawRect(strip);

        // The curve.
        QPainterPath path;
        for (int i = 0; i < x_.size() && i < series.values.size(); ++i) {
            const QPointF pt(xPixel(x_[i]), yPixel(series.values[i]));
            if (i == 0)
                path.moveTo(pt);
            else
                path.lineTo(pt);
        }
        p.setPen(QPen(series.colour, 1.6));
        p.setBrush(Qt::NoBrush);
        p.save();
        p.setClipRect(strip.adjusted(-1, -1, 1, 1));
        p.drawPath(path);
        if (x_.size() == 1) p.drawEllipse(path.currentPosition(), 2.5, 2.5);
        p.restore();

        // The strip's title in its colour, on a white patch in the corner.
        const QString title = axisTitle(series.name, series.unit);
        const QRectF titleRect(strip.left() + 4, strip.top() + 2, fm.horizontalAdvance(title) + 8, fm.height() + 2);
        p.fillRect(titleRect, QColor(255, 255, 255, 220));
        QFont bold = small;
        bold.setBold(true);
        p.setFont(bold);
        p.setPen(series.colour);
        p.drawText(titleRect, Qt::AlignCenter, title);
        p.setFont(small);
    }

    // The marker at the window's value.
    if (marker_ && *marker_ >= xMin && *marker_ <= xMax) {
        const double mx = xPixel(*marker_);
        p.setPen(QPen(QColor(200, 0, 0), 1.2, Qt::DashLine));
        p.drawLine(QPointF(mx, area.top()), QPointF(mx, area.bottom()));
    }

    // The x axis under the last strip.
    const double xStep = xTicks.size() > 1 ? xTicks[1] - xTicks[0] : 1;
    p.setPen(QColor(60, 60, 60));
    for (double t : xTicks) {
        const double px = xPixel(t);
        p.drawLine(QPointF(px, area.bottom()), QPointF(px, area.bottom() + 3));
        p.drawText(QRectF(px - 40, area.bottom() + 3, 80, fm.height()), Qt::AlignHCenter | Qt::AlignTop,
                   tickText(t, xStep));
    }
    QString xTitle = axisTitle(xName_, xUnit_);
    if (marker_) xTitle += tr("      dashed line: this design, %1").arg(QString::number(*marker_, 'g', 10));
    p.drawText(QRectF(area.left(), area.bottom() + fm.height() + 6, area.width(), fm.height()),
               Qt::AlignHCenter | Qt::AlignTop, xTitle);
}

}  // namespace yq
