#pragma once
// What each minute of an assessment was marked: excluded, heard with the noise under assessment
// (source), without it (residual), or neither. The marks are merged once; the minutes are then
// asked in time order, so that a series costs one pass whatever the number of marks.

#include "analysis/analysis_settings.h"
#include "analysis/level_series.h"
#include "analysis/marks_outside.h"

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
    // rest of the exclusions from settings.exclusions. A source or residual mark that holds no
    // sample's start of the reports' span (marks_outside.h) is left out, so that it changes
    // nothing.
    // Without a residual mark every minute that is not excluded nor source is residual.
    MinuteMarks(const AnalysisSettings& settings, const std::optional<RecordsSpan>& reports);

    // The class of the sample that starts at time; each call's time at or after the previous
    // call's.
    MinuteClass OfSampleAt(Millis time);

    // Every excluded time, as sorted, disjoint spans.
    const std::vector<TimeSpan>& Excluded() const { return excluded_; }
    // Whether any minute is marked source or residual: without, every one is residual.
    bool SourceOrResidualMarked() const { return !source_.empty() || !residual_.empty(); }

  private:
    // Whether a sorted, disjoint list holds time, moving its cursor on.
    static bool Holds(const std::vector<TimeSpan>& spans, std::size_t& cursor, Millis time);

    std::vector<TimeSpan> excluded_;
    std::vector<TimeSpan> source_;
    std::vector<TimeSpan> residual_;
    bool residualMarked_ = false;
    std::size_t nextExcluded_ = 0;
    std::size_t nextSource_ = 0;
    std::size_t nextResidual_ = 0;
};

// Calls visit(index, start, class) for each measured sample of range (not excluded) in time
// order, a sample marked by where its start lies: the one walk of the selection that every figure
// of marked samples shares.
template <typename Visit>
void ForEachMeasuredSample(const LevelSeries& series, TimeSpan range, MinuteMarks& marks,
                           Visit&& visit) {
    series.ForEach(range.start, range.end, [&](std::size_t index, Millis start) {
        const MinuteClass kind = marks.OfSampleAt(start);
        if (kind != MinuteClass::Excluded)
            visit(index, start, kind);
    });
}

} // namespace vrd
