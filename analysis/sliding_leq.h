#pragma once
// The sliding Leq of the 1-minute levels: at every minute m, the energy mean of the measured
// minutes of the window [m - length + 1, m] that no exclusion holds. A window whose such minutes
// are fewer than 80 % of its length gives no level, so that a gap or an exclusion leaves a break
// instead of a level that rests on a few minutes.

#include "analysis/analysis_settings.h"
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

// The sliding Leq at the minutes of [series.First(), series.End()) whose window counts, in
// ascending order. excluded: sorted, disjoint intervals, as MergeExclusions gives them. One walk
// over the series and the exclusions: the time grows with the records, not with the length.
std::vector<SlidingLevel> SlidingLeq(const MinuteSeries& series,
                                     const std::vector<Interval>& excluded, Minute length);

} // namespace vrd
