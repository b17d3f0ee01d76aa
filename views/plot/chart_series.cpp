#include "views/plot/chart_series.h"

#include "report/chart_data.h"
#include "report/complete_lines.h"
#include "report/minute_record.h"

#include <algorithm>

namespace {

template <std::size_t N> void CopyField(std::array<char, N>& to, std::string_view field) {
    to.fill(' ');
    field = field.substr(0, N);
    std::copy(field.begin(), field.end(), to.begin());
}

ChartRowStamp StampOf(std::string_view line) {
    const vrd::MinuteRecord record(line);
    ChartRowStamp stamp{};
    CopyField(stamp.date, record.Date());
    CopyField(stamp.time, record.ClockTime());
    CopyField(stamp.level, record.LevelText());
    return stamp;
}

// The lines the chart rows come from, read the way the rows are built: a line counts when its
// line feed comes before the last character of the store.
QList<ChartRowStamp> StampsOf(std::string_view minuteLines, std::size_t rows) {
    QList<ChartRowStamp> stamps;
    stamps.reserve(static_cast<qsizetype>(rows));
    vrd::ForEachCompleteLine(minuteLines, {}, [&](std::string_view line) {
        if (stamps.size() == static_cast<qsizetype>(rows))
            return false;
        stamps.append(StampOf(line));
        return true;
    });
    // Never fewer stamps than points, whatever the lines hold.
    stamps.resize(static_cast<qsizetype>(rows), StampOf({}));
    return stamps;
}

template <std::size_t N> QString Text(const std::array<char, N>& chars) {
    return QString::fromLatin1(chars.data(), static_cast<qsizetype>(N)).trimmed();
}

} // namespace

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
        if (labels[r].empty())
            continue;
        ChartAxisMark mark{
            x, QString::fromLatin1(labels[r].data(), static_cast<qsizetype>(labels[r].size()))};
        if (!series.marks.isEmpty() && series.marks.constLast().label == mark.label) {
            mark.repeat = true;
            mark.hourStart = series.marks.constLast().hourStart;
        } else {
            mark.hourStart = series.marks.size();
        }
        series.marks.append(std::move(mark));
    }
    series.stamps = StampsOf(minuteLines, rows.size());
    return series;
}

ChartReadout ReadoutFor(const ChartSeries& series, qsizetype index) {
    if (index < 0 || index >= series.points.size() || index >= series.stamps.size())
        return {};
    const ChartRowStamp& stamp = series.stamps[index];
    const QString recorded = Text(stamp.level);
    const double drawn = series.points[index].y();
    const QString drawnText = QString::number(drawn);

    ChartReadout readout{Text(stamp.date), Text(stamp.time), {}};
    bool isNumber = false;
    const double value = recorded.toDouble(&isNumber);
    if (recorded.isEmpty())
        readout.level = QStringLiteral("none (gap), drawn at ") % drawnText;
    else if (isNumber && value == drawn)
        readout.level = recorded % QStringLiteral(" dBA");
    else
        readout.level = recorded % QStringLiteral(" dBA, drawn at ") % drawnText;
    return readout;
}
