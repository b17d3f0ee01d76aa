#pragma once
// Which labels the time axis draws for the range shown, and where: every label stands at the row
// that carries it, and labels that would overlap are dropped, never moved.
//
// The rows' own labels come first: the first labelled minute of each hour, the ones nearest the
// full hour before the others, then the repeats after a minute drawn at 55 dB. A repeat shows
// only where the first minute of its hour shows too, or lies outside the range, so that an hour's
// label never stands later in the hour than its loudest start. A zoomed chart adds the times of
// a grid of minutes in the room left between them.

#include "views/plot/chart_series.h"
#include "views/plot/chart_zoom.h"

#include <QList>
#include <QString>

struct TimeLabelRoom {
    // Rows between two labels' positions, at least: a label's thickness and a margin.
    double gap = 1;
    // Rows kept free at the start of the range: the axis hides a label that reaches past its left
    // end (one past its right end stands over the margin).
    double leftEdge = 0;
    // Labels the axis draws at most, whatever their spacing.
    int most = 32;
};

struct TimeLabel {
    int row;
    QString text;
};

// The labels for shown, in row order. withMinuteGrid adds times "hh:mm" on whole minutes of a
// step of 1, 2, 5, 10, 15, 30 or 60 minutes, the smallest that keeps them below half of
// room.most.
QList<TimeLabel> ChooseTimeLabels(const ChartSeries& series, AxisRange shown,
                                  const TimeLabelRoom& room, bool withMinuteGrid);
