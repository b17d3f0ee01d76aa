#pragma once
// The lines of the analysis chart: the true levels at the series' step and the sliding Leq, with a
// break wherever a step has no level (a gap record, a missing sample, a window with too few
// minutes), the labels of its time axis in dates and clock times, and the steps of its level axis.
//
// x is the time in minutes from the chart's origin (the midnight before the first sample), a
// sample drawn at its middle: minute m at m - origin + 0.5 at a 60-s step.

#include "analysis/level_series.h"
#include "analysis/sliding_leq.h"
#include "views/common/language.h"
#include "views/plot/chart_zoom.h"

#include <QList>
#include <QPointF>
#include <QString>

#include <vector>

struct BrokenLine {
    QList<QPointF> points;      // ascending x
    QList<qsizetype> runStarts; // the index of the first point of each unbroken run
};

double ChartX(vrd::Minute minute, vrd::Minute origin);
vrd::Minute MinuteAtX(double x, vrd::Minute origin);

// x of the middle of a sample of step starting at start.
double SampleX(vrd::Millis start, vrd::Millis step, vrd::Minute origin);
BrokenLine LevelLine(const vrd::LevelSeries& series, vrd::Minute origin);
BrokenLine SlidingLine(const std::vector<vrd::SlidingLevel>& levels, vrd::Minute origin);

// What a plot columns wide shows of line over [fromX, toX]: one polyline per visible run, each
// thinned as DecimateToColumns thins the chart window's line. A break narrower than a column
// cannot be seen and is drawn through, and at most mostLines polylines are made (the narrowest
// breaks are drawn through first), so that the chart stays quick on any log.
QList<QList<QPointF>> VisiblePolylines(const BrokenLine& line, double fromX, double toX,
                                       int columns, int mostLines);

struct ClockLabel {
    double x;
    QString label;
};
// Labels on round times, at most about most of them: whole days ("2011-05-12", in French
// "12/05/2011") for long ranges, else clock times, with the date at midnight. Labels are
// distinct, as the category axis needs.
QList<ClockLabel> ClockLabels(vrd::Minute origin, double fromX, double toX, int most,
                              Language language);

// The level axis ticks on whole multiples of this many decibels: 5 up to a span of 50 dB, else 10
// (or a multiple of 10 that keeps the ticks few).
double LevelTickStep(double span);
