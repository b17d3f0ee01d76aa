#include "analysis/analysis_settings.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace vrd {

std::optional<PeriodsProblem> FindPeriodsProblem(const Periods& periods) {
    if (periods.day < 0 || periods.night > 23 || periods.day >= periods.evening ||
        periods.evening > periods.night)
        return PeriodsProblem::HoursOutOfOrder;
    if (!std::isfinite(periods.eveningPenalty) || !std::isfinite(periods.nightPenalty))
        return PeriodsProblem::PenaltiesNotNumbers;
    return std::nullopt;
}

const char* PeriodsProblemText(PeriodsProblem problem) {
    switch (problem) {
    case PeriodsProblem::HoursOutOfOrder:
        break;
    case PeriodsProblem::PenaltiesNotNumbers:
        return "the penalties must be numbers of dB";
    }
    return "the day, evening and night hours must be increasing within 0..23, the day before the "
           "evening (an empty evening has evening = night)";
}

std::optional<std::string> CheckPeriods(const Periods& periods) {
    if (const std::optional<PeriodsProblem> problem = FindPeriodsProblem(periods))
        return std::string(PeriodsProblemText(*problem));
    return std::nullopt;
}

std::vector<Interval> MergeExclusions(const std::vector<Exclusion>& exclusions) {
    std::vector<Interval> intervals;
    intervals.reserve(exclusions.size());
    for (const Exclusion& exclusion : exclusions)
        intervals.push_back(exclusion.interval);
    return MergeIntervals(std::move(intervals));
}

std::vector<Interval> MergeIntervals(std::vector<Interval> intervals) {
    intervals.erase(std::remove_if(intervals.begin(), intervals.end(),
                                   [](const Interval& interval) { return interval.Length() == 0; }),
                    intervals.end());
    std::sort(intervals.begin(), intervals.end(),
              [](const Interval& a, const Interval& b) { return a.from < b.from; });
    std::vector<Interval> merged;
    for (const Interval& interval : intervals) {
        if (!merged.empty() && interval.from <= merged.back().to)
            merged.back().to = std::max(merged.back().to, interval.to);
        else
            merged.push_back(interval);
    }
    return merged;
}

} // namespace vrd
