#include "report/chart_data.h"

#include "report/complete_lines.h"
#include "report/minute_record.h"
#include "report/number_syntax.h"
#include "report/read_file.h"

#include <algorithm>

namespace vrd {

namespace {

constexpr std::string_view kQuietLevel = "55";
constexpr double kQuietBelow = 60;

void AddRowFor(std::vector<ChartRow>& rows, std::string_view line) {
    const MinuteRecord record(line);
    const std::string_view level = record.LevelText();
    const std::optional<double> value = record.LevelValue();
    ChartRow& row = rows.emplace_back();
    if (!value || *value < kQuietBelow) {
        row.level.assign(kQuietLevel);
        return;
    }
    std::string& label = row.label;
    label.append(record.Date());
    label.push_back('-');
    label.append(record.Hour());
    label.push_back('h');
    row.level.assign(level);
}

} // namespace

std::vector<ChartRow> BuildChartData(std::string_view minuteLines) {
    std::vector<ChartRow> rows;
    if (minuteLines.size() < 2)
        return rows;
    const std::size_t end = minuteLines.size() - 1;
    // One row per line feed before the last character: sized once, since growing a vector of a
    // year of rows copies it again and again.
    const std::string_view scanned = minuteLines.substr(0, end);
    rows.reserve(static_cast<std::size_t>(std::count(scanned.begin(), scanned.end(), '\n')));
    AdviseHugePages(rows.data(), rows.capacity() * sizeof(ChartRow));
    ForEachCompleteLine(minuteLines, {}, [&rows](std::string_view line) {
        AddRowFor(rows, line);
        return true;
    });
    return rows;
}

std::vector<std::string> ChartAxisLabels(const std::vector<ChartRow>& rows) {
    std::vector<std::string> labels(rows.size());
    std::string_view previous;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (rows[r].label != previous) {
            labels[r] = rows[r].label;
            previous = rows[r].label;
        }
    }
    return labels;
}

double ChartLevelValue(std::string_view levelText) {
    return ParseLevelNumber(levelText).value_or(0);
}

} // namespace vrd
