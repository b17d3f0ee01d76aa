#pragma once
// The rows the chart plots, one per complete line of the 1-minute records.
//
// A minute below 60 dB, a gap, or a level that is not a number is drawn at 55 dB without a label;
// any other minute keeps its level text and is labelled with its date and hour.

#include <string>
#include <string_view>
#include <vector>

namespace vrd {

struct ChartRow {
    std::string label; // "dd/mm/yyyy-hhh" (date, "-", hour, "h"), or empty
    std::string level; // the level text handed to the chart
};

// Rows 1.. of the chart table (row 0 is never used and is left out). The last character of
// minuteLines is never examined, so a last line ending there is not charted.
std::vector<ChartRow> BuildChartData(std::string_view minuteLines);

// The label the chart shows under each row: a row's label when it differs from the previous
// row's, else empty. An unlabelled row resets the comparison.
std::vector<std::string> ChartAxisLabels(const std::vector<ChartRow>& rows);

// The value the chart draws for a row's level text.
double ChartLevelValue(std::string_view levelText);

} // namespace vrd
