#pragma once
// The runs of minutes above a threshold, as the exceedance counts its events: measured minutes
// (with a level, not excluded) above the threshold at consecutive clock minutes; a gap, a missing
// or an excluded minute, or the range's end ends a run. Marked as they are, or joined across short
// breaks with the short ones dropped, so that a machine heard for an hour with a few quiet minutes
// becomes one mark rather than dozens.

#include "analysis/analysis_settings.h"
#include "analysis/level_series.h"
#include "analysis/minute_series.h"

#include <string>
#include <vector>

namespace vrd {

// excluded as MergeExclusions gives them (sorted, disjoint); the runs in time order.
std::vector<Interval> RunsAbove(const MinuteSeries& series, Interval range,
                                const std::vector<Interval>& excluded, double threshold);

// The same over samples at any step: a run goes on while each sample starts where the last one
// ended. Marks are whole minutes, so a run of shorter samples is widened to the minutes it
// touches; at a 60-s step these are the runs of the minutes themselves.
std::vector<Interval> RunsAbove(const LevelSeries& series, Interval range,
                                const std::vector<Interval>& excluded, double threshold);

// How the runs above a threshold become marks. Two consecutive runs are joined into one mark when
// at most joinMinutes lie between the end of one and the start of the next (0: never, as two runs
// always have a minute between them); a mark shorter than minMinutes, from its start to its end
// with the joined minutes between included, is dropped. Values below 0 and 1 act as those.
struct RunMarking {
    double threshold = 0; // a minute above it, strictly, is part of a run
    Minute minMinutes = 1;
    Minute joinMinutes = 0;
    MarkKind kind = MarkKind::Source;
};

// The runs, in time order, joined and filtered as marking asks. O(runs).
std::vector<Interval> JoinRuns(const std::vector<Interval>& runs, const RunMarking& marking);

// The intervals that marking marks in range: RunsAbove, then JoinRuns. One pass over the
// selection, cheap enough to count the marks as the values are typed.
std::vector<Interval> MarkedRuns(const MinuteSeries& series, Interval range,
                                 const std::vector<Interval>& excluded, const RunMarking& marking);

std::vector<Interval> MarkedRuns(const LevelSeries& series, Interval range,
                                 const std::vector<Interval>& excluded, const RunMarking& marking);

// The marks of MarkedRuns, each of marking's kind with reason.
std::vector<Mark> MarksOfRuns(const MinuteSeries& series, Interval range,
                              const std::vector<Interval>& excluded, const RunMarking& marking,
                              const std::string& reason);

std::vector<Mark> MarksOfRuns(const LevelSeries& series, Interval range,
                              const std::vector<Interval>& excluded, const RunMarking& marking,
                              const std::string& reason);

// "above 65 dB", "above 65.5 dB": the reason the command line gives such marks, the threshold in
// its shortest form with a point.
std::string RunsReason(double threshold);

} // namespace vrd
