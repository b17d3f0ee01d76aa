#include "views/analysis/session/analysis_session.h"

#include <algorithm>

// The session's settings replaced at once, as an analysis file is opened: one analysis, not one
// per setting.
void AnalysisSession::SetAnalysis(const vrd::AnalysisSettings& settings,
                                  std::optional<vrd::AssessmentSettings> assessment,
                                  double minimumCoverage) {
    const vrd::Periods periods = settings_.periods;
    const std::string preset = settings_.preset;
    settings_ = settings;
    if (vrd::CheckPeriods(settings_.periods)) {
        settings_.periods = periods;
        settings_.preset = preset;
    }
    assessment_ = assessment;
    minimumCoverage_ = std::clamp(minimumCoverage, 0.0, 1.0);
    statistics_ = std::make_unique<vrd::RangeStatistics>(series_, settings_.threshold);
    excluded_ = vrd::MinutesStartingIn(vrd::MergeExclusions(settings_.exclusions));
    selection_ = AnalysedPeriod();
    // The settings tab and the chart show what they hold afresh when the series is new.
    emit seriesChanged();
    emit exclusionsChanged();
    emit marksChanged();
    Reanalyse();
}
