#pragma once
// An assessment of a noise under one standard: the minutes of the selection marked source
// (heard with the noise) and residual (without it), gathered by the standard's periods.
//
// fr-neighbourhood and fr-icpe give the emergence of each period (emergence.h), of all periods
// of each label pooled, and the period with the smallest margin; bs4142 gives the L90 of each
// interval and the background level of each label (background_level.h). One pass over the series;
// only the periods with a source or residual minute are held, the others are made when asked.

#include "analysis/analysis_settings.h"
#include "analysis/assessment_calendar.h"
#include "analysis/background_level.h"
#include "analysis/emergence.h"
#include "analysis/level_series.h"
#include "analysis/minute_series.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace vrd {

struct AssessmentSettings {
    Standard standard = Standard::FrNeighbourhood;
    bool indoors = false; // fr-neighbourhood: measured inside a dwelling, the lower gate
};

// Samples (minutes at a 60-s step) but for excluded.
struct AssessmentMinutes {
    std::int64_t measured = 0; // with a level, not excluded
    std::int64_t source = 0;
    std::int64_t residual = 0;
    Millis excludedTime = 0; // of the selection, whether recorded or not
};

struct EmergencePeriod {
    Day date = 0;
    PeriodLabel label = PeriodLabel::Daytime;
    EmergenceFigures figures;
};

struct LabelEmergence {
    PeriodLabel label = PeriodLabel::Daytime;
    EmergenceFigures figures;
};

struct BackgroundInterval {
    Minute start = 0;
    Minute length = 0;
    PeriodLabel label = PeriodLabel::Daytime;
    std::int64_t minutes = 0;  // residual samples in the selection
    std::optional<double> l90; // of the levels, or the mean of the file's LA90 (backgroundFromL90)
};

struct AssessmentResult {
    AssessmentSettings settings;
    Millis step = kMillisPerMinute;    // the series' step
    std::optional<TimeSpan> selection; // as the analysis finds it
    // bs4142: each interval's background is the mean of the LA90 column of a meter's export.
    bool backgroundFromL90 = false;
    AssessmentMinutes minutes;
    // The marks that share no minute with the reports' span (marks_outside.h): they change
    // nothing, but a person is told.
    std::vector<Mark> marksOutside;
    AssessmentCalendar calendar; // the periods or intervals that overlap the selection

    // The French standards: every period of the calendar by its index, in time order.
    EmergencePeriod Period(std::int64_t index) const;
    std::vector<LabelEmergence> overall; // per label listed: day, holiday, night
    std::optional<EmergencePeriod> worst;

    // bs4142: every interval of the calendar by its index.
    BackgroundInterval BackgroundIntervalAt(std::int64_t index) const;
    std::vector<BackgroundLevel> background; // per label listed

    // Only the periods (or intervals) with a source or residual minute, in time order: what a
    // table of a long selection lists without its empty periods.
    const std::vector<EmergencePeriod>& PeriodsWithMinutes() const { return heldPeriods_; }
    const std::vector<BackgroundInterval>& IntervalsWithMinutes() const { return heldIntervals_; }

  private:
    friend class Assessor;
    // Only those with a source or residual minute, by calendar index, ascending.
    std::vector<std::int64_t> heldIndices_;
    std::vector<EmergencePeriod> heldPeriods_;
    std::vector<BackgroundInterval> heldIntervals_;
    // The position in heldIndices_ of index, or nullopt.
    std::optional<std::size_t> Held(std::int64_t index) const;
};

AssessmentResult Assess(const LevelSeries& series, const AnalysisSettings& settings,
                        const AssessmentSettings& assessment);
AssessmentResult Assess(const MinuteSeries& series, const AnalysisSettings& settings,
                        const AssessmentSettings& assessment);

} // namespace vrd
