#include "analysis/marks_outside.h"

#include <algorithm>

namespace vrd {

std::optional<TimeSpan> SpanOfRecords(const MinuteSeries& series) {
    const std::optional<Minute> first = series.First();
    const std::optional<Minute> end = series.End();
    if (!first || !end)
        return std::nullopt;
    return SpanOfMinutes(Interval{*first, *end});
}

std::optional<TimeSpan> SpanOfRecords(const LevelSeries& series) {
    const std::optional<Millis> first = series.First();
    const std::optional<Millis> end = series.End();
    if (!first || !end)
        return std::nullopt;
    return TimeSpan{*first, *end};
}

bool LiesOutside(const TimeSpan& mark, const std::optional<TimeSpan>& span) {
    return !span || std::min(mark.end, span->end) <= std::max(mark.start, span->start);
}

namespace {

std::vector<Mark> MarksOutsideSpan(const std::optional<TimeSpan>& span,
                                   const AnalysisSettings& settings) {
    std::vector<Mark> outside;
    for (const Exclusion& exclusion : settings.exclusions)
        if (LiesOutside(exclusion.span, span))
            outside.push_back({MarkKind::Exclude, exclusion.span, exclusion.reason});
    for (const Mark& mark : settings.marks)
        if (LiesOutside(mark.span, span))
            outside.push_back(mark);
    std::stable_sort(outside.begin(), outside.end(), [](const Mark& a, const Mark& b) {
        return a.span.start != b.span.start ? a.span.start < b.span.start : a.span.end < b.span.end;
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
