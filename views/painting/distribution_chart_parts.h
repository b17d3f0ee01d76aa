#pragma once
// What the level distribution and the BS 4142 histogram draw alike: steps of axis ticks, a
// level axis with its labels, titles written up the side, and labels of marked levels kept from
// overlapping.

#include "views/common/language.h"

#include <QColor>
#include <QRectF>
#include <QString>

#include <optional>
#include <vector>

class QPainter;

namespace distribution_chart {

// A text of the charts in language, marked with QT_TRANSLATE_NOOP("DistributionChart", source).
QString Tr(Language language, const char* source);

// The smallest of 1, 2, 5, 10, 20, 50... that cuts span into at most `most` steps.
double NiceStep(double span, int most);

// A line width that grows with the letters, so that a page at 300 dpi draws as the screen does.
double Stroke(const QPainter& painter);

// Whole decibels from low to high across plot, ticked and labelled below it.
struct LevelAxis {
    QRectF plot;
    double low = 0;
    double high = 1;

    double X(double level) const {
        return plot.left() + plot.width() * (level - low) / (high - low);
    }
    // The width of a bar of one decibel.
    double Bar() const { return plot.width() / (high - low); }
};
void PaintLevelTicks(QPainter& painter, const LevelAxis& axis);

// text centred on centre, reading upwards (angle -90) or downwards (90), cut to length.
void PaintSideTitle(QPainter& painter, const QPointF& centre, const QString& text, double angle,
                    double length);

// A label at a marked x, in colour, on a pale ground so that it reads over the bars.
struct MarkerLabel {
    double x = 0;
    QString text;
    QColor colour;
};
// Each label centred on its x within plot, on the first row from the top where it overlaps no
// label already placed; the first row's top at top, or just inside the plot when not given.
void PaintMarkerLabels(QPainter& painter, const QRectF& plot, std::vector<MarkerLabel> labels,
                       std::optional<double> top = std::nullopt);
// The height the rows of those labels take, so that a chart can keep them clear of its plot.
double MarkerLabelsHeight(const QPainter& painter, const QRectF& plot,
                          std::vector<MarkerLabel> labels);

// text in the middle of area, for a chart with nothing to draw.
void PaintNothing(QPainter& painter, const QRectF& area, const QString& text);

} // namespace distribution_chart
