#include "analysis/minute_marks.h"
#include "analysis/period_presets.h"
#include "options/analysis_file.h"

namespace vrd {

AnalysisSettings DocumentSettings(const AnalysisDocument& document) {
    AnalysisSettings settings;
    settings.fromTime = document.fromTime;
    settings.toTime = document.toTime;
    AddMarks(settings, document.marks);
    settings.threshold = document.threshold;
    settings.periods = document.periods;
    settings.preset = document.preset;
    settings.who = document.who;
    return settings;
}

void PutSettings(AnalysisDocument& document, const AnalysisSettings& settings) {
    document.fromTime = settings.fromTime;
    document.toTime = settings.toTime;
    document.marks.clear();
    for (const Exclusion& exclusion : settings.exclusions)
        document.marks.push_back({MarkKind::Exclude, exclusion.span, exclusion.reason});
    document.marks.insert(document.marks.end(), settings.marks.begin(), settings.marks.end());
    document.threshold = settings.threshold;
    document.periods = settings.periods;
    // Periods changed by hand since a preset was chosen are no longer the preset's.
    const std::optional<PeriodPreset> preset = PresetNamed(settings.preset);
    document.preset = preset && preset->periods == settings.periods ? settings.preset : "";
    document.who = settings.who;
}

} // namespace vrd
