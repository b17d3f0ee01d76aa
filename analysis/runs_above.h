#pragma once
// The runs of samples above a threshold, as the exceedance counts its events: measured samples
// (with a level, not excluded) above the threshold, each starting where the last one ended; a gap,
// a missing or an excluded sample, or the range's end ends a run. Marked as they are, or joined
// across short breaks with the short ones dropped, so that a machine heard for an hour with a few
// quiet minutes becomes one mark rather than dozens.

#include "analysis/analysis_settings.h"
#include "analysis/level_series.h"
#include "analysis/minute_series.h"

#include <string>
#include <vector>

namespace vrd {

// A sample is in range or excluded when its start lies there; excluded as MergeExclusions gives
// them (sorted, disjoint); the runs in time order, from the first sample's start to the last
// one's end.
std::vector<TimeSpan> RunsAbove(const MinuteSeries& series, TimeSpan range,
                                const std::vector<TimeSpan>& excluded, double threshold);

// The same over samples at any step. Marks are given to the second, so a run of samples shorter
// than a second is widened to the seconds it touches; at a step of whole seconds these are the
// runs of the samples themselves.
std::vector<TimeSpan> RunsAbove(const LevelSeries& series, TimeSpan range,
                                const std::vector<TimeSpan>& excluded, double threshold);

// How the runs above a threshold become marks. Two consecutive runs are joined into one mark when
// at most joinMinutes of time lie between the end of one and the start of the next (0: never, as
// two runs always have a sample between them); a mark shorter than minMinutes of time, from its
// start to its end with the joined time between included, is dropped. Values below 0 and 1 act as
// those.
struct RunMarking {
    double threshold = 0; // a sample above it, strictly, is part of a run
    Minute minMinutes = 1;
    Minute joinMinutes = 0;
    MarkKind kind = MarkKind::Source;
};

// The runs, in time order, joined and filtered as marking asks. O(runs).
std::vector<TimeSpan> JoinRuns(const std::vector<TimeSpan>& runs, const RunMarking& marking);

// The spans that marking marks in range: RunsAbove, then JoinRuns. One pass over the selection,
// cheap enough to count the marks as the values are typed.
std::vector<TimeSpan> MarkedRuns(const MinuteSeries& series, TimeSpan range,
                                 const std::vector<TimeSpan>& excluded, const RunMarking& marking);

std::vector<TimeSpan> MarkedRuns(const LevelSeries& series, TimeSpan range,
                                 const std::vector<TimeSpan>& excluded, const RunMarking& marking);

// The marks of MarkedRuns, each of marking's kind with reason.
std::vector<Mark> MarksOfRuns(const MinuteSeries& series, TimeSpan range,
                              const std::vector<TimeSpan>& excluded, const RunMarking& marking,
                              const std::string& reason);

std::vector<Mark> MarksOfRuns(const LevelSeries& series, TimeSpan range,
                              const std::vector<TimeSpan>& excluded, const RunMarking& marking,
                              const std::string& reason);

// "above 65 dB", "above 65.5 dB": the reason the command line gives such marks, the threshold in
// its shortest form with a point.
std::string RunsReason(double threshold);

} // namespace vrd
