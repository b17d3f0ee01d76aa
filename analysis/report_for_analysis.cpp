#include "analysis/report_for_analysis.h"

#include "report/complete_lines.h"
#include "report/minute_record.h"
#include "report/running_leq.h"

namespace vrd {

std::vector<RunningMinute> RunningLevelsOfMinuteLines(std::string_view minuteLines) {
    std::vector<RunningMinute> levels;
    RunningLeqState state;
    ResetRunningLeq(state);
    ForEachLine(minuteLines, [&](std::string_view line) {
        const MinuteRecord record(line);
        if (record.IsGap()) {
            ResetRunningLeq(state);
            return true;
        }
        if (!record.IsLevel())
            return true;
        const std::optional<std::int16_t> level = record.Level();
        if (!level)
            return true;
        if (!FeedMinuteLevel(state, *level).empty())
            return false;
        if (const std::optional<Minute> minute = record.When())
            levels.push_back({*minute, state.Leq5, state.Leq10});
        return true;
    });
    return levels;
}

ReportForAnalysis OpenReportForAnalysis(const AnalysisInput& input) {
    OpenedMinutes opened = OpenMinuteLines(input);
    return {input.path, std::move(opened.minuteLines), std::move(opened.site),
            std::move(opened.serial), std::move(opened.failure)};
}

} // namespace vrd
