#include "report/chart_data.h"

#include "report/number_syntax.h"
#include "report/text_positions.h"

#include <cstring>

namespace vrd {

namespace {

constexpr std::string_view kQuietLevel = "55";
constexpr double kQuietBelow = 60;

ChartRow RowFor(std::string_view line) {
    const std::string_view level = Columns(line, 29, 31);
    const std::optional<double> value = ParseLevelNumber(level);
    if (!value || *value < kQuietBelow)
        return {{}, std::string(kQuietLevel)};
    std::string label;
    label.reserve(14);
    label.append(Columns(line, 1, 10));
    label.push_back('-');
    label.append(Columns(line, 14, 15));
    label.push_back('h');
    return {std::move(label), std::string(level)};
}

} // namespace

std::vector<ChartRow> BuildChartData(std::string_view minuteLines) {
    std::vector<ChartRow> rows;
    if (minuteLines.size() < 2)
        return rows;
    const std::size_t end = minuteLines.size() - 1;
    std::size_t start = 0;
    while (start < end) {
        const void* feed = std::memchr(minuteLines.data() + start, '\n', end - start);
        if (feed == nullptr)
            break;
        const auto lineEnd =
            static_cast<std::size_t>(static_cast<const char*>(feed) - minuteLines.data()) + 1;
        rows.push_back(RowFor(minuteLines.substr(start, lineEnd - start)));
        start = lineEnd;
    }
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
