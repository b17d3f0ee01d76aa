#pragma once
// The runs of minutes above a threshold, as the exceedance counts its events: measured minutes
// (with a level, not excluded) above the threshold at consecutive clock minutes; a gap, a missing
// or an excluded minute, or the range's end ends a run. For marking each run as a source.

#include "analysis/analysis_settings.h"
#include "analysis/minute_series.h"

#include <vector>

namespace vrd {

// excluded as MergeExclusions gives them (sorted, disjoint); the runs in time order.
std::vector<Interval> RunsAbove(const MinuteSeries& series, Interval range,
                                const std::vector<Interval>& excluded, double threshold);

} // namespace vrd
