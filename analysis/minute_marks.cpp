#include "analysis/minute_marks.h"

#include "analysis/marks_outside.h"

#include <algorithm>
#include <utility>

namespace vrd {

void AddMarks(AnalysisSettings& settings, std::vector<Mark> marks) {
    for (Mark& mark : marks) {
        if (mark.kind == MarkKind::Exclude)
            settings.exclusions.push_back({mark.interval, std::move(mark.reason)});
        else
            settings.marks.push_back(std::move(mark));
    }
}

std::optional<MarkOverlap> FindSourceResidualOverlap(const std::vector<Mark>& marks) {
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < marks.size(); ++i)
        if (marks[i].kind != MarkKind::Exclude && marks[i].interval.Length() > 0)
            order.push_back(i);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return marks[a].interval.from < marks[b].interval.from;
    });
    // Of the marks begun so far, the source and the residual mark that reach furthest: a later
    // mark of the other kind overlaps one of them exactly when it overlaps that one.
    std::optional<std::size_t> furthestSource;
    std::optional<std::size_t> furthestResidual;
    for (const std::size_t i : order) {
        const bool source = marks[i].kind == MarkKind::Source;
        const std::optional<std::size_t>& other = source ? furthestResidual : furthestSource;
        if (other && marks[*other].interval.to > marks[i].interval.from)
            return source ? MarkOverlap{i, *other} : MarkOverlap{*other, i};
        std::optional<std::size_t>& same = source ? furthestSource : furthestResidual;
        if (!same || marks[*same].interval.to < marks[i].interval.to)
            same = i;
    }
    return std::nullopt;
}

MinuteMarks::MinuteMarks(const AnalysisSettings& settings, const std::optional<Interval>& reports) {
    std::vector<Interval> excluded;
    std::vector<Interval> source;
    std::vector<Interval> residual;
    for (const Exclusion& exclusion : settings.exclusions)
        excluded.push_back(exclusion.interval);
    for (const Mark& mark : settings.marks) {
        if (mark.kind != MarkKind::Exclude && LiesOutside(mark.interval, reports))
            continue;
        if (mark.kind == MarkKind::Source)
            source.push_back(mark.interval);
        else if (mark.kind == MarkKind::Residual)
            residual.push_back(mark.interval);
        else
            excluded.push_back(mark.interval);
    }
    residualMarked_ = !residual.empty();
    excluded_ = MergeIntervals(std::move(excluded));
    source_ = MergeIntervals(std::move(source));
    residual_ = MergeIntervals(std::move(residual));
}

bool MinuteMarks::Holds(const std::vector<Interval>& intervals, std::size_t& cursor,
                        Minute minute) {
    while (cursor < intervals.size() && intervals[cursor].to <= minute)
        ++cursor;
    return cursor < intervals.size() && intervals[cursor].from <= minute;
}

MinuteClass MinuteMarks::Of(Minute minute) {
    if (Holds(excluded_, nextExcluded_, minute))
        return MinuteClass::Excluded;
    if (Holds(source_, nextSource_, minute))
        return MinuteClass::Source;
    if (!residualMarked_ || Holds(residual_, nextResidual_, minute))
        return MinuteClass::Residual;
    return MinuteClass::Unmarked;
}

} // namespace vrd
