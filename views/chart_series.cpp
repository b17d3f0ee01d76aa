#include "views/chart_series.h"

#include "report/chart_data.h"

#include <algorithm>

ChartSeries BuildChartSeries(std::string_view minuteLines) {
    const std::vector<vrd::ChartRow> rows = vrd::BuildChartData(minuteLines);
    const std::vector<std::string> labels = vrd::ChartAxisLabels(rows);

    ChartSeries series;
    series.points.reserve(static_cast<qsizetype>(rows.size()));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const double level = vrd::ChartLevelValue(rows[r].level);
        const int x = static_cast<int>(r) + 1;
        series.points.append(QPointF(x, level));
        if (r == 0) {
            series.lowest = series.highest = level;
        } else {
            series.lowest = std::min(series.lowest, level);
            series.highest = std::max(series.highest, level);
        }
        if (!labels[r].empty())
            series.marks.append({x, QString::fromLatin1(labels[r].data(),
                                                        static_cast<qsizetype>(labels[r].size()))});
    }
    return series;
}
