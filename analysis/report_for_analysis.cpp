#include "analysis/report_for_analysis.h"

#include "report/minute_record.h"
#include "report/running_leq.h"

#include <cstring>

namespace vrd {

std::vector<RunningMinute> RunningLevelsOfMinuteLines(std::string_view minuteLines) {
    std::vector<RunningMinute> levels;
    RunningLeqState state;
    ResetRunningLeq(state);
    std::size_t start = 0;
    while (start < minuteLines.size()) {
        const void* feed =
            std::memchr(minuteLines.data() + start, '\n', minuteLines.size() - start);
        const std::size_t end =
            feed == nullptr
                ? minuteLines.size()
                : static_cast<std::size_t>(static_cast<const char*>(feed) - minuteLines.data()) + 1;
        const MinuteRecord record(minuteLines.substr(start, end - start));
        start = end;
        if (record.IsGap()) {
            ResetRunningLeq(state);
            continue;
        }
        if (!record.IsLevel())
            continue;
        const std::optional<std::int16_t> level = record.Level();
        if (!level)
            continue;
        if (!FeedMinuteLevel(state, *level).empty())
            break;
        if (const std::optional<Minute> minute = record.When())
            levels.push_back({*minute, state.Leq5, state.Leq10});
    }
    return levels;
}

ReportForAnalysis OpenReportForAnalysis(const AnalysisInput& input) {
    OpenedMinutes opened = OpenMinuteLines(input);
    return {input.path, std::move(opened.minuteLines), std::move(opened.site),
            std::move(opened.serial), std::move(opened.failure)};
}

} // namespace vrd
