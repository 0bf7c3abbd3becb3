// Plots of a simulated or measured antenna, drawn with QPainter alone and on
// purpose dark on light, like a plot on paper, whatever the desktop theme:
//
// - FrequencyPlot: one quantity (R, X, SWR ...) against frequency in MHz,
//   several labelled series ("NEC-2 model", "measured") each in its own
//   colour with a legend, optionally one amateur band shaded (from the one
//   table of band edges) and a dashed marker at the design frequency.
// - PolarPlot: a pattern cut in dBi on rings a few dB apart.
//
// Both give the points they plot as a text table (tab-separated, one line
// per point under a line of headings), for screen readers and for copying.
#pragma once

#include <QColor>
#include <QString>
#include <QVector>
#include <QWidget>

#include <optional>

class QPainter;

namespace yq {

struct AmateurBand;

struct FrequencySeries {
    QString name;                  // "NEC-2 model", "measured"
    QVector<double> frequencyMHz;  // rising
    QVector<double> values;        // as many as frequencyMHz
    QColor colour;                 // invalid: the plot picks one by position
    Qt::PenStyle style = Qt::SolidLine;
};

class FrequencyPlot : public QWidget {
    Q_OBJECT

public:
    explicit FrequencyPlot(QWidget* parent = nullptr);

    // The quantity on the vertical axis: "R", "ohm" gives the title "R (ohm)".
    void setQuantity(const QString& name, const QString& unit);
    // Replaces every series.
    void setSeries(QVector<FrequencySeries> series);
    // Adds or replaces the series of that name.
    void putSeries(FrequencySeries series);
    void removeSeries(const QString& name);
    // The band to shade (nullptr: none). Only bands of amateurBands().
    void setBand(const AmateurBand* band);
    // The band holding a frequency, if any, shaded.
    void setBandAt(double mhz);
    // A dashed vertical line with its label ("design 7.15 MHz"); empty: none.
    void setMarker(std::optional<double> mhz, const QString& label = {});
    // Fixed vertical range (SWR 1 to 10, say); values outside are clipped.
    // Without it the range follows the data.
    void setValueRange(std::optional<double> low, std::optional<double> high);
    // What the plot says when it has no series.
    void setMessage(const QString& message);

    QString quantity() const { return quantity_; }
    QString unit() const { return unit_; }
    const QVector<FrequencySeries>& series() const { return series_; }
    const AmateurBand* band() const { return band_; }
    std::optional<double> marker() const { return marker_; }
    // "Frequency (MHz)\t<series> <quantity> (<unit>)..." then one line per
    // frequency of any series (a series without that frequency leaves its
    // cell empty), rising.
    QString pointsTable() const;

    // Draws the plot into any painter (a widget, an image, a PDF page).
    void render(QPainter& painter, const QRect& area) const;

    QSize minimumSizeHint() const override { return {260, 160}; }
    QSize sizeHint() const override { return {480, 260}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Redraws, and gives screen readers the plotted points as the text
    // alternative of the picture.
    void refresh() {
        setAccessibleDescription(pointsTable());
        update();
    }
    QString quantity_;
    QString unit_;
    QVector<FrequencySeries> series_;
    const AmateurBand* band_ = nullptr;
    std::optional<double> marker_;
    QString markerLabel_;
    std::optional<double> low_;
    std::optional<double> high_;
    QString message_;
};

struct PolarPoint {
    double angleDeg;  // elevation: 0 along the horizon, 90 straight up
    double gainDbi;
};

class PolarPlot : public QWidget {
    Q_OBJECT

public:
    explicit PolarPlot(QWidget* parent = nullptr);

    // The cut and its title ("Elevation pattern at 7.0213 MHz"). The angles
    // run round the whole circle (0 right, counter-clockwise); the outer
    // ring is the largest gain rounded up to the ring step, the centre
    // `rangeDb` below it.
    void setPattern(QVector<PolarPoint> points, const QString& title, double rangeDb = 30, double ringStepDb = 10);
    void setMessage(const QString& message);

    const QVector<PolarPoint>& points() const { return points_; }
    QString title() const { return title_; }
    // "Elevation (deg)\tGain (dBi)" then one line per point.
    QString pointsTable() const;
    void render(QPainter& painter, const QRect& area) const;

    QSize minimumSizeHint() const override { return {200, 200}; }
    QSize sizeHint() const override { return {280, 280}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Redraws, and gives screen readers the plotted points as the text
    // alternative of the picture.
    void refresh() {
        setAccessibleDescription(pointsTable());
        update();
    }
    QVector<PolarPoint> points_;
    QString title_;
    double rangeDb_ = 30;
    double ringStepDb_ = 10;
    QString message_;
};

}  // namespace yq
