#include "analysis/minute_marks.h"

#include "analysis/marks_outside.h"

#include <algorithm>
#include <utility>

namespace vrd {

void AddMarks(AnalysisSettings& settings, std::vector<Mark> marks) {
    for (Mark& mark : marks) {
        if (mark.kind == MarkKind::Exclude)
            settings.exclusions.push_back({mark.span, std::move(mark.reason)});
        else
            settings.marks.push_back(std::move(mark));
    }
}

std::optional<MarkOverlap> FindSourceResidualOverlap(const std::vector<Mark>& marks) {
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < marks.size(); ++i)
        if (marks[i].kind != MarkKind::Exclude && marks[i].span.Length() > 0)
            order.push_back(i);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return marks[a].span.start < marks[b].span.start;
    });
    // Of the marks begun so far, the source and the residual mark that reach furthest: a later
    // mark of the other kind overlaps one of them exactly when it overlaps that one.
    std::optional<std::size_t> furthestSource;
    std::optional<std::size_t> furthestResidual;
    for (const std::size_t i : order) {
        const bool source = marks[i].kind == MarkKind::Source;
        const std::optional<std::size_t>& other = source ? furthestResidual : furthestSource;
        if (other && marks[*other].span.end > marks[i].span.start)
            return source ? MarkOverlap{i, *other} : MarkOverlap{*other, i};
        std::optional<std::size_t>& same = source ? furthestSource : furthestResidual;
        if (!same || marks[*same].span.end < marks[i].span.end)
            same = i;
    }
    return std::nullopt;
}

MinuteMarks::MinuteMarks(const AnalysisSettings& settings,
                         const std::optional<RecordsSpan>& reports) {
    std::vector<TimeSpan> excluded;
    std::vector<TimeSpan> source;
    std::vector<TimeSpan> residual;
    for (const Exclusion& exclusion : settings.exclusions)
        excluded.push_back(exclusion.span);
    for (const Mark& mark : settings.marks) {
        if (mark.kind != MarkKind::Exclude && LiesOutside(mark.span, reports))
            continue;
        if (mark.kind == MarkKind::Source)
            source.push_back(mark.span);
        else if (mark.kind == MarkKind::Residual)
            residual.push_back(mark.span);
        else
            excluded.push_back(mark.span);
    }
    residualMarked_ = !residual.empty();
    excluded_ = MergeSpans(std::move(excluded));
    source_ = MergeSpans(std::move(source));
    residual_ = MergeSpans(std::move(residual));
}

bool MinuteMarks::Holds(const std::vector<TimeSpan>& spans, std::size_t& cursor, Millis time) {
    while (cursor < spans.size() && spans[cursor].end <= time)
        ++cursor;
    return cursor < spans.size() && spans[cursor].start <= time;
}

MinuteClass MinuteMarks::OfSampleAt(Millis time) {
    if (Holds(excluded_, nextExcluded_, time))
        return MinuteClass::Excluded;
    if (Holds(source_, nextSource_, time))
        return MinuteClass::Source;
    if (!residualMarked_ || Holds(residual_, nextResidual_, time))
        return MinuteClass::Residual;
    return MinuteClass::Unmarked;
}

} // namespace vrd
