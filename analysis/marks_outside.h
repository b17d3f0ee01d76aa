#pragma once
// The marks that lie outside the reports: a mark (exclusion, source or residual) that holds the
// start of no step of the reports' own span, from the first record's start to the last one's
// end, changes no figure. They are found so that a person can be told; none is dropped.

#include "analysis/analysis_settings.h"
#include "analysis/level_series.h"

#include <optional>
#include <vector>

namespace vrd {

// The reports' own span, the time their records stand for, and the step their samples start at.
struct RecordsSpan {
    TimeSpan span;
    Millis step = kMillisPerMinute;
};
// Nullopt without a record.
std::optional<RecordsSpan> SpanOfRecords(const LevelSeries& series);
std::optional<RecordsSpan> SpanOfRecords(const MinuteSeries& series);

// Whether a mark holds no start of a step of the records' span, so that no sample can belong to
// it (always, without a span): at a 60-s step, whether it holds the start of none of their minutes.
bool LiesOutside(const TimeSpan& mark, const std::optional<RecordsSpan>& records);

// The exclusions and marks of settings that lie outside the series' span, as marks (an
// exclusion with kind Exclude), ordered by their start and then their end.
std::vector<Mark> MarksOutside(const LevelSeries& series, const AnalysisSettings& settings);
std::vector<Mark> MarksOutside(const MinuteSeries& series, const AnalysisSettings& settings);

} // namespace vrd
