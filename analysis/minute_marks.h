#pragma once
// What each minute of an assessment was marked: excluded, heard with the noise under assessment
// (source), without it (residual), or neither. The marks are merged once; the minutes are then
// asked in time order, so that a series costs one pass whatever the number of marks.

#include "analysis/analysis_settings.h"
#include "analysis/level_series.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace vrd {

enum class MinuteClass { Excluded, Source, Residual, Unmarked };

// Puts each mark where the settings keep it: exclusions in settings.exclusions, source and
// residual marks in settings.marks.
void AddMarks(AnalysisSettings& settings, std::vector<Mark> marks);

// A source and a residual mark that overlap, by their index in marks: the minutes between would
// be both. Nullopt when there is none; O(m log m).
struct MarkOverlap {
    std::size_t source = 0;
    std::size_t residual = 0;
};
std::optional<MarkOverlap> FindSourceResidualOverlap(const std::vector<Mark>& marks);

class MinuteMarks {
  public:
    // Source and residual marks come from settings.marks (an exclusion there also counts), the
    // rest of the exclusions from settings.exclusions. A source or residual mark that shares no
    // minute with the reports' span (marks_outside.h) is left out, so that it changes nothing.
    // Without a residual mark every minute that is not excluded nor source is residual.
    MinuteMarks(const AnalysisSettings& settings, const std::optional<Interval>& reports);

    // The class of minute; each call's minute at or after the previous call's.
    MinuteClass Of(Minute minute);

    // Every excluded minute, as sorted, disjoint intervals.
    const std::vector<Interval>& Excluded() const { return excluded_; }
    // Whether any minute is marked source or residual: without, every one is residual.
    bool SourceOrResidualMarked() const { return !source_.empty() || !residual_.empty(); }

  private:
    // Whether a sorted, disjoint list holds minute, moving its cursor on.
    static bool Holds(const std::vector<Interval>& intervals, std::size_t& cursor, Minute minute);

    std::vector<Interval> excluded_;
    std::vector<Interval> source_;
    std::vector<Interval> residual_;
    bool residualMarked_ = false;
    std::size_t nextExcluded_ = 0;
    std::size_t nextSource_ = 0;
    std::size_t nextResidual_ = 0;
};

// Calls visit(index, start, class) for each measured sample of range (not excluded) in time
// order, a sample marked as the minute its start lies in: the one walk of the selection that
// every figure of marked samples shares.
template <typename Visit>
void ForEachMeasuredSample(const LevelSeries& series, Interval range, MinuteMarks& marks,
                           Visit&& visit) {
    series.ForEach(MillisOf(range.from), MillisOf(range.to), [&](std::size_t index, Millis start) {
        const MinuteClass kind = marks.Of(MinuteOfMillis(start));
        if (kind != MinuteClass::Excluded)
            visit(index, start, kind);
    });
}

} // namespace vrd
