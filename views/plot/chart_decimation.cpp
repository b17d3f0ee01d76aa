#include "views/plot/chart_decimation.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

bool BeforeX(const QPointF& point, double x) {
    return point.x() < x;
}

bool AfterX(double x, const QPointF& point) {
    return x < point.x();
}

// The first, lowest, highest and last point of one column, by index into the series.
struct Column {
    qsizetype first = -1;
    qsizetype lowest = -1;
    qsizetype highest = -1;
    qsizetype last = -1;
};

void AppendColumn(const QList<QPointF>& points, const Column& column, QList<QPointF>& out) {
    std::array<qsizetype, 4> picks = {column.first, column.lowest, column.highest, column.last};
    std::sort(picks.begin(), picks.end());
    const auto end = std::unique(picks.begin(), picks.end());
    for (auto pick = picks.begin(); pick != end; ++pick)
        out.append(points[*pick]);
}

} // namespace

QList<QPointF> DecimateToColumns(const QList<QPointF>& points, double fromX, double toX,
                                 int columns) {
    QList<QPointF> out;
    if (points.isEmpty() || !(toX > fromX) || columns < 1)
        return out;
    // The visible points are [begin, end); the neighbours outside come along.
    const auto begin = std::lower_bound(points.begin(), points.end(), fromX, BeforeX);
    const auto end = std::upper_bound(begin, points.end(), toX, AfterX);
    const qsizetype first = std::max<qsizetype>(begin - points.begin() - 1, 0);
    const qsizetype last = std::min<qsizetype>(end - points.begin() + 1, points.size());
    const qsizetype visible = end - begin;

    if (visible <= 2 * static_cast<qsizetype>(columns)) {
        out.reserve(last - first);
        for (qsizetype i = first; i < last; ++i)
            out.append(points[i]);
        return out;
    }

    out.reserve(4 * static_cast<qsizetype>(columns) + 2);
    const qsizetype from = begin - points.begin();
    const qsizetype to = end - points.begin();
    if (first < from)
        out.append(points[first]);

    const double width = toX - fromX;
    int current = -1;
    Column column;
    for (qsizetype i = from; i < to; ++i) {
        const auto raw = static_cast<int>(std::floor((points[i].x() - fromX) / width * columns));
        const int at = std::clamp(raw, 0, columns - 1);
        if (at != current) {
            if (current >= 0)
                AppendColumn(points, column, out);
            current = at;
            column = {i, i, i, i};
            continue;
        }
        const double y = points[i].y();
        if (y < points[column.lowest].y())
            column.lowest = i;
        if (y > points[column.highest].y())
            column.highest = i;
        column.last = i;
    }
    AppendColumn(points, column, out);

    if (to < last)
        out.append(points[to]);
    return out;
}
