// The plot of a sweep: one strip per chosen output, stacked over a shared
// axis of the swept input, each strip with its own scale and unit; a marker
// at the window's current value, and on a frequency axis the amateur bands
// shaded. Drawn with QPainter alone.
#pragma once

#include <QColor>
#include <QString>
#include <QVector>
#include <QWidget>

#include <optional>

namespace yq {

struct PlotSeries {
    QString name;  // "NT"
    QString unit;  // "turns"; empty for a plain ratio
    QVector<double> values;
    QColor colour;
};

class SweepPlot : public QWidget {
    Q_OBJECT

public:
    explicit SweepPlot(QWidget* parent = nullptr);

    // The x values (the swept input), the series over them (each as long as
    // `x`), the marker, and whether the axis is a frequency in MHz (the
    // bands are shaded then).
    void setData(const QString& xName, const QString& xUnit, QVector<double> x, QVector<PlotSeries> series,
                 std::optional<double> marker, bool frequencyAxis);
    // No data: the text says what to do.
    void clear(const QString& message);

    int seriesCount() const { return series_.size(); }
    const QVector<double>& xValues() const { return x_; }
    std::optional<double> marker() const { return marker_; }
    // The names of the bands the plot shades, lowest first.
    QStringList shadedBands() const;

    QSize minimumSizeHint() const override { return {240, 140}; }

    // Ticks that read well: about `wanted` steps of 1, 2 or 5 times a power of
    // ten covering [low, high]. Exposed for tests.
    static QVector<double> niceTicks(double low, double high, int wanted);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString xName_;
    QString xUnit_;
    QVector<double> x_;
    QVector<PlotSeries> series_;
    std::optional<double> marker_;
    bool frequencyAxis_ = false;
    QString message_;
};

// Colours of the series, in order.
QColor plotColour(int index);

}  // namespace yq
