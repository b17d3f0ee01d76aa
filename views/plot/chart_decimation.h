#pragma once
// Thins a long series down to what a plot of a given width can show: per pixel column the first,
// lowest, highest and last point, in the order they occur. The line drawn through them covers,
// in every column, exactly the levels the full series covers there, so no peak and no dip is lost,
// while the chart draws at most four points a column whatever the length of the report.

#include <QList>
#include <QPointF>

// points: ascending x. The columns split [fromX, toX] evenly; a point at x lies in column
// floor((x - fromX) / (toX - fromX) * columns). The result also holds the nearest point before
// fromX and after toX, so the line runs on to both edges of the plot. When the range holds no
// more points than two a column, they are all kept.
QList<QPointF> DecimateToColumns(const QList<QPointF>& points, double fromX, double toX,
                                 int columns);
