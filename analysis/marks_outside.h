#pragma once
// The marks that lie outside the reports: a mark (exclusion, source or residual) that shares no
// minute with the reports' own span, from the first record's minute to one past the last's,
// changes no figure. They are found so that a person can be told; none is dropped.

#include "analysis/analysis_settings.h"
#include "analysis/level_series.h"

#include <optional>
#include <vector>

namespace vrd {

// The reports' own span, the minutes that hold their records; nullopt without a record.
std::optional<Interval> SpanOfRecords(const LevelSeries& series);
std::optional<Interval> SpanOfRecords(const MinuteSeries& series);

// Whether a mark shares no minute with span (always, without a span).
bool LiesOutside(const Interval& mark, const std::optional<Interval>& span);

// The exclusions and marks of settings that lie outside the series' span, as marks (an
// exclusion with kind Exclude), ordered by their start and then their end.
std::vector<Mark> MarksOutside(const LevelSeries& series, const AnalysisSettings& settings);
std::vector<Mark> MarksOutside(const MinuteSeries& series, const AnalysisSettings& settings);

} // namespace vrd
