// A Smith chart of impedances against one reference, drawn with QPainter
// alone and on purpose dark on light, like chart paper, whatever the desktop
// theme: the circles of constant resistance and the arcs of constant
// reactance, several labelled series ("measured", "NEC-2 model") each as a
// line through its points with a legend, and marked frequencies (a dot and
// its label). It gives the points it plots as a text table (tab-separated,
// one line per point under a line of headings), for screen readers and for
// copying.
#pragma once

#include <QColor>
#include <QString>
#include <QVector>
#include <QWidget>

#include <complex>

class QPainter;

namespace yq {

struct SmithSeries {
    QString name;                             // "measured", "NEC-2 model"
    QVector<double> frequencyMHz;             // rising
    QVector<std::complex<double>> impedance;  // ohms, as many as frequencyMHz
    QColor colour;                            // invalid: the chart picks one by position
};

struct SmithMarker {
    std::complex<double> impedance;  // ohms
    QString label;                   // "resonance 12.752 MHz"
    QColor colour;
};

class SmithChart : public QWidget {
    Q_OBJECT

public:
    explicit SmithChart(QWidget* parent = nullptr);

    // The reference the chart is normalised to (its centre), in ohms.
    void setReference(double ohms);
    double reference() const { return reference_; }
    void setSeries(QVector<SmithSeries> series);
    // Adds or replaces the series of that name.
    void putSeries(SmithSeries series);
    void removeSeries(const QString& name);
    void setMarkers(QVector<SmithMarker> markers);
    void setMessage(const QString& message);

    const QVector<SmithSeries>& series() const { return series_; }
    const QVector<SmithMarker>& markers() const { return markers_; }

    // The reflection coefficient of an impedance on the chart's reference.
    std::complex<double> reflection(std::complex<double> z) const;
    // Where a reflection coefficient lies in a chart of that area.
    static QPointF place(std::complex<double> gamma, const QRectF& circle);

    // "Series\tFrequency (MHz)\tR (ohm)\tX (ohm)\tReflection (re)\tReflection (im)",
    // then one line per point of each series in turn.
    QString pointsTable() const;

    void render(QPainter& painter, const QRect& area) const;

    QSize minimumSizeHint() const override { return {160, 160}; }
    QSize sizeHint() const override { return {300, 300}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    // "Copy points" puts pointsTable() on the clipboard.
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // Redraws, and gives screen readers the plotted points as the text
    // alternative of the picture.
    void refresh() {
        setAccessibleDescription(pointsTable());
        update();
    }
    double reference_ = 50;
    QVector<SmithSeries> series_;
    QVector<SmithMarker> markers_;
    QString message_;
};

}  // namespace yq
