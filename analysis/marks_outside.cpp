#include "analysis/marks_outside.h"

#include <algorithm>

namespace vrd {

std::optional<RecordsSpan> SpanOfRecords(const MinuteSeries& series) {
    const std::optional<Minute> first = series.First();
    const std::optional<Minute> end = series.End();
    if (!first || !end)
        return std::nullopt;
    return RecordsSpan{SpanOfMinutes(Interval{*first, *end}), kMillisPerMinute};
}

std::optional<RecordsSpan> SpanOfRecords(const LevelSeries& series) {
    const std::optional<Millis> first = series.First();
    const std::optional<Millis> end = series.End();
    if (!first || !end)
        return std::nullopt;
    return RecordsSpan{TimeSpan{*first, *end}, std::max<Millis>(1, series.Step())};
}

bool LiesOutside(const TimeSpan& mark, const std::optional<RecordsSpan>& records) {
    if (!records)
        return true;
    const TimeSpan& span = records->span;
    const Millis from = std::max(mark.start, span.start);
    const Millis to = std::min(mark.end, span.end);
    if (to <= from)
        return true;
    // The first step start at or after from.
    const Millis step = records->step;
    const Millis firstStart = span.start + (from - span.start + step - 1) / step * step;
    return firstStart >= to;
}

namespace {

std::vector<Mark> MarksOutsideSpan(const std::optional<RecordsSpan>& span,
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
