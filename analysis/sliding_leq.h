#pragma once
// The sliding Leq of the levels: at every minute m, the energy mean of the measured samples that
// start in the window of minutes [m - length + 1, m] and that no exclusion holds. A window whose
// such samples stand for less than 80 % of its length gives no level, so that a gap or an
// exclusion leaves a break instead of a level that rests on a few minutes.

#include "analysis/analysis_settings.h"
#include "analysis/level_series.h"
#include "analysis/minute_series.h"

#include <vector>

namespace vrd {

struct SlidingLevel {
    Minute minute = 0; // the last minute of the window
    double level = 0;
};

// The least number of minutes that make a window of length minutes count: 80 % of it, rounded
// up, worked out on whole numbers.
Minute SlidingLeastMinutes(Minute length);

// The sliding Leq at the minutes of the series' span whose window counts, in ascending order.
// excluded: sorted, disjoint intervals, as MergeExclusions gives them. One walk over the series
// and the exclusions: the time grows with the samples, not with the length.
std::vector<SlidingLevel> SlidingLeq(const LevelSeries& series,
                                     const std::vector<Interval>& excluded, Minute length);
std::vector<SlidingLevel> SlidingLeq(const MinuteSeries& series,
                                     const std::vector<Interval>& excluded, Minute length);

} // namespace vrd
