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

std::optional<Interval> SpanOfRecords(const LevelSeries& series) {
    const std::optional<Millis> first = series.First();
    const std::optional<Millis> end = series.End();
    if (!first || !end)
        return std::nullopt;
    return Interval{MinuteOfMillis(*first), MinuteAfterMillis(*end)};
}

bool LiesOutside(const Interval& mark, const std::optional<Interval>& span) {
    return !span || std::min(mark.to, span->to) <= std::max(mark.from, span->from);
}

namespace {

std::vector<Mark> MarksOutsideSpan(const std::optional<Interval>& span,
                                   const AnalysisSettings& settings) {
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

} // namespace

std::vector<Mark> MarksOutside(const LevelSeries& series, const AnalysisSettings& settings) {
    return MarksOutsideSpan(SpanOfRecords(series), settings);
}

std::vector<Mark> MarksOutside(const MinuteSeries& series, const AnalysisSettings& settings) {
    return MarksOutsideSpan(SpanOfRecords(series), settings);
}

} // namespace vrd
