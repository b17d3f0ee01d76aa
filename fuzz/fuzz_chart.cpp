// Any bytes as the 1-minute records the chart is built from: one row per complete line, every
// row either drawn quiet without a label or labelled with its date and hour, and axis labels
// only where a row's label changes.

#include "fuzz/fuzz_check.h"
#include "report/chart_data.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view minuteLines(reinterpret_cast<const char*>(data), size);
    const std::vector<vrd::ChartRow> rows = vrd::BuildChartData(minuteLines);

    // The last character is never examined, so a line feed there ends no row.
    std::size_t lines = 0;
    for (std::size_t i = 0; i + 1 < size; ++i)
        lines += minuteLines[i] == '\n' ? 1 : 0;
    VRD_FUZZ_CHECK(rows.size() == lines);

    for (const vrd::ChartRow& row : rows) {
        if (row.label.empty()) {
            VRD_FUZZ_CHECK(row.level == "55");
            continue;
        }
        // "dd/mm/yyyy-hhh": a labelled row has a level of 60 or more in a record long enough
        // to hold date and hour.
        VRD_FUZZ_CHECK(row.label.size() == 14 && row.label[10] == '-' && row.label[13] == 'h');
        VRD_FUZZ_CHECK(row.level.size() == 3);
        VRD_FUZZ_CHECK(vrd::ChartLevelValue(row.level) >= 60);
    }

    const std::vector<std::string> axis = vrd::ChartAxisLabels(rows);
    VRD_FUZZ_CHECK(axis.size() == rows.size());
    std::string previous;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const bool changed = rows[r].label != previous;
        VRD_FUZZ_CHECK(axis[r] == (changed ? rows[r].label : std::string()));
        if (changed)
            previous = rows[r].label;
    }
    return 0;
}
