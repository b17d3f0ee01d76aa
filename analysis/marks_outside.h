#pragma once
// The marks that lie outside the reports: a mark (exclusion, source or residual) that shares no
// moment with the reports' own span, from the first record's start to the last one's end,
// changes no figure. They are found so that a person can be told; none is dropped.

#include "analysis/analysis_settings.h"
#include "analysis/level_series.h"

#include <optional>
#include <vector>

namespace vrd {

// The reports' own span, the time their records stand for; nullopt without a record.
std::optional<TimeSpan> SpanOfRecords(const LevelSeries& series);
std::optional<TimeSpan> SpanOfRecords(const MinuteSeries& series);

// Whether a mark shares no time with span (always, without a span).
bool LiesOutside(const TimeSpan& mark, const std::optional<TimeSpan>& span);

// The exclusions and marks of settings that lie outside the series' span, as marks (an
// exclusion with kind Exclude), ordered by their start and then their end.
std::vector<Mark> MarksOutside(const LevelSeries& series, const AnalysisSettings& settings);
std::vector<Mark> MarksOutside(const MinuteSeries& series, const AnalysisSettings& settings);

} // namespace vrd
