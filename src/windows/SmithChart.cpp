#include "windows/SmithChart.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace yq {

namespace {

const QColor kSmithPaper(255, 255, 255);
const QColor kSmithInk(40, 40, 40);
const QColor kSmithGrid(205, 205, 205);
const QColor kSmithAxis(150, 150, 150);
const QColor kSmithColours[] = {QColor(0, 90, 180), QColor(200, 60, 0), QColor(0, 130, 60), QColor(120, 0, 140)};

// The circles of the chart: constant resistance r and constant reactance x,
// both normalised.
constexpr double kResistances[] = {0.2, 0.5, 1, 2, 5};
constexpr double kReactances[] = {0.2, 0.5, 1, 2, 5};

}  // namespace

SmithChart::SmithChart(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setObjectName(QStringLiteral("SmithChart"));
    setAccessibleName(tr("Smith chart"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void SmithChart::setReference(double ohms) {
    reference_ = ohms > 0 ? ohms : 50;
    update();
}

void SmithChart::setSeries(QVector<SmithSeries> series) {
    series_ = std::move(series);
    refresh();
}

void SmithChart::putSeries(SmithSeries series) {
    for (SmithSeries& s : series_) {
        if (s.name == series.name) {
            s = std::move(series);
            refresh();
            return;
        }
    }
    series_.push_back(std::move(series));
    refresh();
}

void SmithChart::removeSeries(const QString& name) {
    series_.erase(std::remove_if(series_.begin(), series_.end(), [&](const SmithSeries& s) { return s.name == name; }),
                  series_.end());
    refresh();
}

void SmithChart::setMarkers(QVector<SmithMarker> markers) {
    markers_ = std::move(markers);
    update();
}

void SmithChart::setMessage(const QString& message) {
    message_ = message;
    refresh();
}

std::complex<double> SmithChart::reflection(std::complex<double> z) const {
    if (!std::isfinite(z.real()) || !std::isfinite(z.imag())) return {1, 0};
    return (z - reference_) / (z + reference_);
}

QPointF SmithChart::place(std::complex<double> gamma, const QRectF& circle) {
    const double radius = circle.width() / 2;
    return {circle.center().x() + gamma.real() * radius, circle.center().y() - gamma.imag() * radius};
}

QString SmithChart::pointsTable() const {
    QString text = tr("Series\tFrequency (MHz)\tR (ohm)\tX (ohm)\tReflection (re)\tReflection (im)\n");
    for (const SmithSeries& s : series_) {
        for (qsizetype i = 0; i < s.frequencyMHz.size() && i < s.impedance.size(); ++i) {
            const auto z = s.impedance[i];
            const auto g = reflection(z);
            text += QStringLiteral("%1\t%2\t%3\t%4\t%5\t%6\n")
                        .arg(s.name, QString::number(s.frequencyMHz[i], 'g', 8), QString::number(z.real(), 'g', 6),
                             QString::number(z.imag(), 'g', 6), QString::number(g.real(), 'f', 6),
                             QString::number(g.imag(), 'f', 6));
        }
    }
    return text;
}

void SmithChart::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    menu.addAction(tr("Copy points"), this, [this] { QGuiApplication::clipboard()->setText(pointsTable()); });
    menu.exec(event->globalPos());
}

void SmithChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    render(painter, rect());
}

void SmithChart::render(QPainter& painter, const QRect& area) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, kSmithPaper);
    QFont font = painter.font();
    font.setPixelSize(std::max(9, std::min(12, area.height() / 24)));
    painter.setFont(font);
    const QFontMetrics fm(font);
    const int legendHeight = series_.isEmpty() ? 0 : fm.height() + 4;  // one line under the chart
    const int titleHeight = fm.height() + 4;
    // Room round the circle for the reactance labels on its rim.
    const double rim = fm.height() * 1.3;
    const double side = std::max(
        20.0, std::min<double>(area.width() - 2 * rim - 40, area.height() - titleHeight - legendHeight - 2 * rim - 4));
    const QRectF circle(area.left() + (area.width() - side) / 2, area.top() + titleHeight + rim, side, side);

    painter.setPen(kSmithInk);
    painter.drawText(QRect(area.left(), area.top() + 2, area.width(), fm.height()), Qt::AlignHCenter,
                     tr("Smith chart, %1 ohm").arg(QString::number(reference_, 'g', 4)));

    // The grid, clipped to the unit circle.
    QPainterPath unit;
    unit.addEllipse(circle);
    painter.save();
    painter.setClipPath(unit);
    const double radius = side / 2;
    painter.setPen(QPen(kSmithGrid, 1));
    painter.setBrush(Qt::NoBrush);
    for (double r : kResistances) {
        // centre (r / (1 + r), 0), radius 1 / (1 + r)
        const double cx = r / (1 + r), rr = 1 / (1 + r);
        const QPointF c = place({cx, 0}, circle);
        painter.drawEllipse(c, rr * radius, rr * radius);
    }
    for (double x : kReactances) {
        for (double sign : {1.0, -1.0}) {
            // centre (1, 1 / x), radius 1 / x
            const QPointF c = place({1, sign / x}, circle);
            painter.drawEllipse(c, radius / x, radius / x);
        }
    }
    painter.setPen(QPen(kSmithAxis, 1));
    painter.drawLine(place({-1, 0}, circle), place({1, 0}, circle));
    painter.restore();
    painter.setPen(QPen(kSmithAxis, 1.2));
    painter.drawEllipse(circle);

    // Scale labels on the axis (resistance) and round the rim (reactance).
    painter.setPen(kSmithAxis.darker(140));
    for (double r : kResistances) {
        const QPointF p = place({(r - 1) / (r + 1), 0}, circle);
        painter.drawText(QPointF(p.x() + 2, p.y() - 2), QString::number(r * reference_, 'g', 3));
    }
    for (double x : kReactances) {
        for (double sign : {1.0, -1.0}) {
            const std::complex<double> g =
                (std::complex<double>(0, sign * x) - 1.0) / (std::complex<double>(0, sign * x) + 1.0);
            const QPointF p = place(g * (1 + rim / side), circle);
            const QString text =
                (sign > 0 ? QStringLiteral("+j") : QStringLiteral("-j")) + QString::number(x * reference_, 'g', 3);
            painter.drawText(QRectF(p.x() - 30, p.y() - fm.height() / 2.0, 60, fm.height()), Qt::AlignCenter, text);
        }
    }

    if (series_.isEmpty() && !message_.isEmpty()) {
        painter.setPen(kSmithInk);
        painter.drawText(circle.adjusted(10, 10, -10, -10), Qt::AlignCenter | Qt::TextWordWrap, message_);
    }

    // The series.
    for (qsizetype k = 0; k < series_.size(); ++k) {
        const SmithSeries& s = series_[k];
        const QColor colour = s.colour.isValid() ? s.colour : kSmithColours[k % 4];
        QPainterPath path;
        for (qsizetype i = 0; i < s.impedance.size(); ++i) {
            const QPointF p = place(reflection(s.impedance[i]), circle);
            if (i == 0)
                path.moveTo(p);
            else
                path.lineTo(p);
        }
        painter.setPen(QPen(colour, 1.6));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
    }
    for (const SmithMarker& m : markers_) {
        const QPointF p = place(reflection(m.impedance), circle);
        const QColor colour = m.colour.isValid() ? m.colour : kSmithInk;
        painter.setPen(QPen(colour, 1));
        painter.setBrush(colour);
        painter.drawEllipse(p, 3.5, 3.5);
        // The label above the point, on a patch of paper so the grid's
        // numbers do not run through it.
        const bool left = p.x() > circle.center().x();
        const int w = fm.horizontalAdvance(m.label);
        const QRectF box(left ? p.x() - w - 8 : p.x() + 4, p.y() - fm.height() - 6, w + 4, fm.height());
        painter.fillRect(box, QColor(255, 255, 255, 230));
        painter.drawText(box, Qt::AlignCenter, m.label);
    }

    // The legend under the chart, on one line.
    double legendWidth = 0;
    for (const SmithSeries& sr : series_) legendWidth += 24 + fm.horizontalAdvance(sr.name) + 12;
    double x = area.left() + std::max(2.0, (area.width() - legendWidth) / 2);
    const double y = circle.bottom() + rim;
    for (qsizetype k = 0; k < series_.size(); ++k) {
        const SmithSeries& sr = series_[k];
        const QColor colour = sr.colour.isValid() ? sr.colour : kSmithColours[k % 4];
        painter.setPen(QPen(colour, 2));
        painter.drawLine(QPointF(x, y + fm.height() / 2.0), QPointF(x + 18, y + fm.height() / 2.0));
        painter.setPen(kSmithInk);
        painter.drawText(QPointF(x + 24, y + fm.ascent()), sr.name);
        x += 24 + fm.horizontalAdvance(sr.name) + 12;
    }
    painter.restore();
}

}  // namespace yq
