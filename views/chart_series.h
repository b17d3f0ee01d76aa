#pragma once
// The chart's data: one point per complete line of the 1-minute records, in report order, and the
// labels the time axis shows.

#include <QList>
#include <QPointF>
#include <QString>

#include <string_view>

struct ChartAxisMark {
    int row; // the point's x value
    QString label;
};

struct ChartSeries {
    // x counts the rows from 1; y is the level drawn (quiet minutes and gaps at 55 dB).
    QList<QPointF> points;
    // Every row whose label the axis shows: the first charted minute of each hour, and again
    // after a minute drawn at 55 dB. In row order.
    QList<ChartAxisMark> marks;
    double lowest = 0;
    double highest = 0;
};

ChartSeries BuildChartSeries(std::string_view minuteLines);
