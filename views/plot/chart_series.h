#pragma once
// The chart's data: one point per complete line of the 1-minute records, in report order, the
// labels the time axis shows, and for each point the date, time and level its line gives.

#include <QList>
#include <QPointF>
#include <QString>

#include <array>
#include <string_view>

struct ChartAxisMark {
    int row; // the point's x value
    QString label;
    // Whether the mark before this one has the same label: a repeat after a minute drawn at
    // 55 dB. hourStart is the index among the marks of the first one of this run of the label.
    bool repeat = false;
    qsizetype hourStart = 0;
};

// Characters 1-10, 14-18 and 29-31 of a 1-minute line, blank where the line is shorter.
struct ChartRowStamp {
    std::array<char, 10> date;
    std::array<char, 5> time;
    std::array<char, 3> level;
};

struct ChartSeries {
    // x counts the rows from 1; y is the level drawn (quiet minutes and gaps at 55 dB).
    QList<QPointF> points;
    // Every row whose label the axis shows: the first charted minute of each hour, and again
    // after a minute drawn at 55 dB. In row order.
    QList<ChartAxisMark> marks;
    // One per point, in the same order.
    QList<ChartRowStamp> stamps;
    double lowest = 0;
    double highest = 0;
};

ChartSeries BuildChartSeries(std::string_view minuteLines);

// What the chart says about the point at index (from 0): the date and time of its line, and its
// level as recorded, with the level drawn when the chart draws another one.
struct ChartReadout {
    QString date;
    QString time;
    QString level;
};
ChartReadout ReadoutFor(const ChartSeries& series, qsizetype index);
