#include "views/analysis/chart/analysis_chart_data.h"

#include "views/plot/chart_decimation.h"
#include "views/texts/analysis_text.h"

#include <algorithm>
#include <array>
#include <cmath>

double ChartX(vrd::Minute minute, vrd::Minute origin) {
    return static_cast<double>(minute - origin) + 0.5;
}

vrd::Minute MinuteAtX(double x, vrd::Minute origin) {
    return origin + static_cast<vrd::Minute>(std::floor(x));
}

namespace {

// Appends a point, starting a new run unless it is the minute after the previous point.
void AppendMinute(BrokenLine& line, vrd::Minute minute, vrd::Minute& previous, double level,
                  vrd::Minute origin) {
    if (line.points.isEmpty() || minute != previous + 1)
        line.runStarts.append(line.points.size());
    line.points.append(QPointF(ChartX(minute, origin), level));
    previous = minute;
}

} // namespace

double SampleX(vrd::Millis start, vrd::Millis step, vrd::Minute origin) {
    // Whole milliseconds: exact in a double, so that a 60-s step gives ChartX's values.
    constexpr auto kMinute = static_cast<double>(vrd::kMillisPerMinute);
    return static_cast<double>(start - vrd::MillisOf(origin)) / kMinute +
           static_cast<double>(step) / 2 / kMinute;
}

BrokenLine LevelLine(const vrd::LevelSeries& series, vrd::Minute origin) {
    BrokenLine line;
    line.points.reserve(static_cast<qsizetype>(series.Size()));
    const vrd::Millis step = series.Step();
    vrd::Millis previous = 0;
    series.Samples().ForEachFrom(0, [&](std::size_t index, vrd::Millis start) {
        // A sample that does not follow the one before starts a run: a gap or missing steps lie
        // between.
        if (line.points.isEmpty() || start != previous + step)
            line.runStarts.append(line.points.size());
        line.points.append(QPointF(SampleX(start, step, origin), series.Level(index)));
        previous = start;
        return true;
    });
    return line;
}

BrokenLine SlidingLine(const std::vector<vrd::SlidingLevel>& levels, vrd::Minute origin) {
    BrokenLine line;
    line.points.reserve(static_cast<qsizetype>(levels.size()));
    vrd::Minute previous = 0;
    for (const vrd::SlidingLevel& level : levels)
        AppendMinute(line, level.minute, previous, level.level, origin);
    return line;
}

QList<QList<QPointF>> VisiblePolylines(const BrokenLine& line, double fromX, double toX,
                                       int columns, int mostLines) {
    QList<QList<QPointF>> polylines;
    const QList<QPointF>& points = line.points;
    if (points.isEmpty() || !(toX > fromX) || columns < 1)
        return polylines;
    const auto beforeX = [](const QPointF& point, double x) { return point.x() < x; };
    const qsizetype firstShown =
        std::lower_bound(points.begin(), points.end(), fromX, beforeX) - points.begin();
    const qsizetype endShown =
        std::lower_bound(points.begin() + firstShown, points.end(), toX, beforeX) - points.begin();
    // The runs from the one before the first shown point to the one after the last.
    const auto runOf = [&](qsizetype point) {
        return std::upper_bound(line.runStarts.begin(), line.runStarts.end(), point) -
               line.runStarts.begin() - 1;
    };
    const qsizetype firstRun =
        std::max<qsizetype>(runOf(std::max<qsizetype>(firstShown - 1, 0)), 0);
    const qsizetype lastRun = runOf(std::min(endShown, points.size() - 1));
    const auto runEnd = [&](qsizetype run) {
        return run + 1 < line.runStarts.size() ? line.runStarts[run + 1] : points.size();
    };

    // The breaks between the runs, and the width below which one is drawn through.
    std::vector<double> breaks;
    for (qsizetype run = firstRun; run < lastRun; ++run)
        breaks.push_back(points[runEnd(run)].x() - points[runEnd(run) - 1].x());
    double through = (toX - fromX) / columns;
    if (mostLines >= 1 && breaks.size() >= static_cast<std::size_t>(mostLines)) {
        std::vector<double> widest = breaks;
        const auto nth = widest.end() - mostLines;
        std::nth_element(widest.begin(), nth, widest.end());
        through = std::max(through, *nth);
    }

    qsizetype groupStart = line.runStarts[firstRun];
    for (qsizetype run = firstRun; run <= lastRun; ++run) {
        const bool last = run == lastRun;
        if (!last && breaks[static_cast<std::size_t>(run - firstRun)] <= through)
            continue;
        const QList<QPointF> group = points.mid(groupStart, runEnd(run) - groupStart);
        QList<QPointF> drawn = DecimateToColumns(group, fromX, toX, columns);
        if (!drawn.isEmpty())
            polylines.append(std::move(drawn));
        if (!last)
            groupStart = line.runStarts[run + 1];
    }
    return polylines;
}

QList<ClockLabel> ClockLabels(vrd::Minute origin, double fromX, double toX, int most,
                              Language language) {
    QList<ClockLabel> labels;
    if (!(toX > fromX) || most < 1)
        return labels;
    constexpr std::array<vrd::Minute, 16> kSteps = {1,   2,   5,   10,   15,   30,    60,    120,
                                                    180, 360, 720, 1440, 2880, 10080, 20160, 43200};
    const double span = toX - fromX;
    vrd::Minute step = kSteps.back();
    for (const vrd::Minute candidate : kSteps)
        if (span / static_cast<double>(candidate) <= most) {
            step = candidate;
            break;
        }
    while (span / static_cast<double>(step) > most)
        step *= 2;
    // Weeks and longer steps count from the origin's midnight, the others from clock time.
    const auto first =
        static_cast<vrd::Minute>(std::ceil(fromX / static_cast<double>(step))) * step;
    const bool wholeDays = step % vrd::kMinutesPerDay == 0;
    const bool withinADay = span <= vrd::kMinutesPerDay;
    for (vrd::Minute at = first; static_cast<double>(at) <= toX; at += step) {
        const vrd::Minute minute = origin + at;
        const QString text = MinuteText(minute, language);
        QString label;
        if (wholeDays || minute % vrd::kMinutesPerDay == 0)
            label = text.left(10);
        else if (withinADay)
            label = text.mid(11);
        else if (language == Language::French)
            label = text.left(5) + text.mid(10); // "12/05 14:00"
        else
            label = text.mid(5); // "05-12 14:00"
        labels.append({static_cast<double>(at), label});
    }
    return labels;
}

double LevelTickStep(double span) {
    // More ticks than this and their labels crowd a small chart.
    constexpr double kMostTicks = 16;
    if (span <= 50)
        return 5;
    double step = 10;
    while (span / step > kMostTicks)
        step *= 2;
    return step;
}
