#include "analysis/marks_outside.h"

#include <algorithm>

namespace vrd {

std::optional<Interval> SpanOfRecords(const MinuteSeries& series) {
    const std::optional<Minute> first = series.First();
    const std::optional<Minute> end = series.End();
    if (!first || !end)
        return std::nullopt;
    return Interval{*first, *end};
}

bool LiesOutside(const Interval& mark, const std::optional<Interval>& span) {
    return !span || std::min(mark.to, span->to) <= std::max(mark.from, span->from);
}

std::vector<Mark> MarksOutside(const MinuteSeries& series, const AnalysisSettings& settings) {
    const std::optional<Interval> span = SpanOfRecords(series);
    std::vector<Mark> outside;
    for (const Exclusion& exclusion : settings.exclusions)
        if (LiesOutside(exclusion.interval, span))
            outside.push_back({MarkKind::Exclude, exclusion.interval, exclusion.reason});
    for (const Mark& mark : settings.marks)
        if (LiesOutside(mark.interval, span))
            outside.push_back(mark);
    std::stable_sort(outside.begin(), outside.end(), [](const Mark& a, const Mark& b) {
        return a.interval.from != b.interval.from ? a.interval.from < b.interval.from
                                                  : a.interval.to < b.interval.to;
    });
    return outside;
}

} // namespace vrd
