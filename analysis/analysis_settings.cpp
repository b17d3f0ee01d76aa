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

std::vector<TimeSpan> MergeExclusions(const std::vector<Exclusion>& exclusions) {
    std::vector<TimeSpan> spans;
    spans.reserve(exclusions.size());
    for (const Exclusion& exclusion : exclusions)
        spans.push_back(exclusion.span);
    return MergeSpans(std::move(spans));
}

namespace {

// Sorted by start, the empty ones dropped, overlapping and touching ones joined.
template <typename Range, typename Start, typename End>
std::vector<Range> Merge(std::vector<Range> ranges, Start start, End end) {
    ranges.erase(std::remove_if(ranges.begin(), ranges.end(),
                                [](const Range& range) { return range.Length() == 0; }),
                 ranges.end());
    std::sort(ranges.begin(), ranges.end(),
              [&](const Range& a, const Range& b) { return a.*start < b.*start; });
    std::vector<Range> merged;
    for (const Range& range : ranges) {
        if (!merged.empty() && range.*start <= merged.back().*end)
            merged.back().*end = std::max(merged.back().*end, range.*end);
        else
            merged.push_back(range);
    }
    return merged;
}

} // namespace

std::vector<TimeSpan> MergeSpans(std::vector<TimeSpan> spans) {
    return Merge(std::move(spans), &TimeSpan::start, &TimeSpan::end);
}

std::vector<Interval> MergeIntervals(std::vector<Interval> intervals) {
    return Merge(std::move(intervals), &Interval::from, &Interval::to);
}

std::vector<Interval> MinutesStartingIn(const std::vector<TimeSpan>& spans) {
    std::vector<Interval> minutes;
    minutes.reserve(spans.size());
    for (const TimeSpan& span : spans) {
        const Interval held = MinutesStartingIn(span);
        if (held.Length() == 0)
            continue;
        // Two spans apart by less than a minute may round to touching minutes.
        if (!minutes.empty() && held.from <= minutes.back().to)
            minutes.back().to = std::max(minutes.back().to, held.to);
        else
            minutes.push_back(held);
    }
    return minutes;
}

} // namespace vrd
