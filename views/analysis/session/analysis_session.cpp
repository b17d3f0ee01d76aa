#include "views/analysis/session/analysis_session.h"

#include "analysis/analysis_settings.h"
#include "analysis/minute_marks.h"
#include "analysis/period_presets.h"
#include "views/texts/analysis_text.h"
#include "views/texts/mark_text.h"

#include <algorithm>

AnalysisSession::AnalysisSession(QObject* parent) : QObject(parent) {
    // The default periods are the European preset's, as vrdtool and the analysis file take them.
    settings_.preset = vrd::PeriodPresets().front().name;
    RebuildSeries();
}

AnalysisSession::~AnalysisSession() = default;

void AnalysisSession::SetReports(std::vector<vrd::ReportForAnalysis> reports) {
    reports_ = std::move(reports);
    settings_.exclusions.clear();
    settings_.marks.clear();
    excluded_.clear();
    RebuildSeries();
    emit exclusionsChanged();
    emit marksChanged();
    emit reportsReplaced();
}

void AnalysisSession::AddReport(vrd::ReportForAnalysis report) {
    reports_.push_back(std::move(report));
    RebuildSeries();
}

void AnalysisSession::InsertReport(std::size_t index, vrd::ReportForAnalysis report) {
    index = std::min(index, reports_.size());
    reports_.insert(reports_.begin() + static_cast<std::ptrdiff_t>(index), std::move(report));
    RebuildSeries();
}

void AnalysisSession::RemoveReport(std::size_t index) {
    if (index >= reports_.size())
        return;
    reports_.erase(reports_.begin() + static_cast<std::ptrdiff_t>(index));
    RebuildSeries();
}

namespace {

// The first file with samples, which sets the step of the analysis.
const vrd::ReportForAnalysis* FirstWithSamples(const std::vector<vrd::ReportForAnalysis>& files) {
    for (const vrd::ReportForAnalysis& file : files)
        if (vrd::StepOfFile(file))
            return &file;
    return nullptr;
}

QString PathText(const std::string& path) {
    return QString::fromLocal8Bit(path.data(), static_cast<qsizetype>(path.size()));
}

} // namespace

std::optional<QString>
AnalysisSession::StepRefusalAmong(const std::vector<vrd::ReportForAnalysis>& files,
                                  const vrd::ReportForAnalysis& file) {
    const std::optional<vrd::Millis> step = vrd::StepOfFile(file);
    const vrd::ReportForAnalysis* first = FirstWithSamples(files);
    if (!step || first == nullptr || first == &file)
        return std::nullopt;
    const vrd::Millis firstStep = *vrd::StepOfFile(*first);
    if (*step == firstStep)
        return std::nullopt;
    return tr("\"%1\": its samples are %2 long, those of \"%3\" %4: files of different steps "
              "make separate analyses.")
        .arg(PathText(file.path), StepText(*step, WindowLanguage()), PathText(first->path),
             StepText(firstStep, WindowLanguage()));
}

// The devices' reports are merged as minutes first, as the core merges them, then every export of
// the analysis's step joins them, earlier files winning ties.
void AnalysisSession::RebuildSeries() {
    vrd::MinuteSeriesBuilder builder;
    for (const vrd::ReportForAnalysis& report : reports_)
        if (!report.csvLevels)
            builder.Add(report.minuteLines);
    const vrd::ReportForAnalysis* first = FirstWithSamples(reports_);
    const vrd::Millis step = first != nullptr ? *vrd::StepOfFile(*first) : vrd::kMillisPerMinute;
    vrd::LevelSeries merged = vrd::LevelSeriesFromMinutes(builder.Finish());
    bool anySamples = step == vrd::kMillisPerMinute && (!merged.Empty() || merged.First());
    for (const vrd::ReportForAnalysis& report : reports_) {
        if (!report.csvLevels || !report.levels || report.levels->Empty() ||
            report.levels->Step() != step)
            continue;
        merged = anySamples ? vrd::MergeLevelSeries(merged, *report.levels) : *report.levels;
        anySamples = true;
    }
    series_ = std::move(merged);
    statistics_ = std::make_unique<vrd::RangeStatistics>(series_, settings_.threshold);
    selection_ = AnalysedPeriod();
    emit seriesChanged();
    Reanalyse();
}

void AnalysisSession::SetThreshold(std::optional<double> threshold) {
    if (threshold == settings_.threshold)
        return;
    settings_.threshold = threshold;
    statistics_ = std::make_unique<vrd::RangeStatistics>(series_, settings_.threshold);
    Reanalyse();
}

bool AnalysisSession::SetPeriods(const vrd::Periods& periods) {
    if (vrd::CheckPeriods(periods))
        return false;
    // The settings tab applies every box at once: the same periods again are no hand's change.
    if (periods == settings_.periods)
        return true;
    settings_.periods = periods;
    settings_.preset.clear();
    Reanalyse();
    return true;
}

bool AnalysisSession::SetPreset(const std::string& name) {
    if (name.empty()) {
        if (settings_.preset.empty())
            return true;
        settings_.preset.clear();
        Reanalyse();
        return true;
    }
    const std::optional<vrd::PeriodPreset> preset = vrd::PresetNamed(name);
    if (!preset)
        return false;
    if (settings_.preset == name && settings_.periods == preset->periods)
        return true;
    settings_.periods = preset->periods;
    settings_.preset = preset->name;
    Reanalyse();
    return true;
}

void AnalysisSession::SetPeriodSettings(std::optional<double> threshold,
                                        const vrd::Periods& periods, const std::string& preset,
                                        double minimumCoverage) {
    minimumCoverage_ = std::clamp(minimumCoverage, 0.0, 1.0);
    const bool thresholdChanged = threshold != settings_.threshold;
    if (!thresholdChanged && periods == settings_.periods && preset == settings_.preset) {
        emit resultChanged();
        return;
    }
    settings_.threshold = threshold;
    settings_.periods = periods;
    settings_.preset = preset;
    if (thresholdChanged)
        statistics_ = std::make_unique<vrd::RangeStatistics>(series_, settings_.threshold);
    Reanalyse();
}

void AnalysisSession::SetWhoSource(std::optional<vrd::WhoSource> source) {
    if (source == settings_.who)
        return;
    settings_.who = source;
    Reanalyse();
}

void AnalysisSession::SetMinimumCoverage(double share) {
    minimumCoverage_ = std::clamp(share, 0.0, 1.0);
    emit resultChanged();
}

void AnalysisSession::SetAnalysedTimes(std::optional<vrd::Millis> from,
                                       std::optional<vrd::Millis> to) {
    settings_.fromTime = from;
    settings_.toTime = to;
    selection_ = AnalysedPeriod();
    Reanalyse();
}

void AnalysisSession::AddExclusion(vrd::Exclusion exclusion) {
    if (exclusion.span.Length() <= 0)
        return;
    settings_.exclusions.push_back(std::move(exclusion));
    excluded_ = vrd::MinutesStartingIn(vrd::MergeExclusions(settings_.exclusions));
    emit exclusionsChanged();
    emit marksChanged();
    Reanalyse();
}

void AnalysisSession::RemoveExclusion(std::size_t index) {
    if (index >= settings_.exclusions.size())
        return;
    settings_.exclusions.erase(settings_.exclusions.begin() + static_cast<std::ptrdiff_t>(index));
    excluded_ = vrd::MinutesStartingIn(vrd::MergeExclusions(settings_.exclusions));
    emit exclusionsChanged();
    emit marksChanged();
    Reanalyse();
}

void AnalysisSession::SetExclusions(std::vector<vrd::Exclusion> exclusions) {
    settings_.exclusions = std::move(exclusions);
    excluded_ = vrd::MinutesStartingIn(vrd::MergeExclusions(settings_.exclusions));
    emit exclusionsChanged();
    emit marksChanged();
    Reanalyse();
}

bool AnalysisSession::Select(vrd::Interval selection) {
    if (selection.Length() <= 0)
        return false;
    if (selection.from == selection_.from && selection.to == selection_.to)
        return true;
    selection_ = selection;
    RefigureSelection();
    return true;
}

vrd::Interval AnalysisSession::AnalysedPeriod() const {
    // The minutes whose start lies in the analysed times; a series at a step of seconds may
    // start or end within a minute.
    const std::optional<vrd::Millis> first = series_.First();
    const std::optional<vrd::Millis> end = series_.End();
    const vrd::Minute from = settings_.fromTime ? vrd::MinuteAfterMillis(*settings_.fromTime)
                                                : (first ? vrd::MinuteOfMillis(*first) : 0);
    const vrd::Minute to = settings_.toTime ? vrd::MinuteAfterMillis(*settings_.toTime)
                                            : (end ? vrd::MinuteAfterMillis(*end) : from);
    return {from, std::max(from, to)};
}

void AnalysisSession::Reanalyse() {
    result_ = vrd::Analyse(series_, settings_);
    emit resultChanged();
    Reassess();
    RefigureSelection();
}

void AnalysisSession::Reassess() {
    if (assessment_)
        assessed_ = vrd::Assess(series_, settings_, *assessment_);
    else
        assessed_.reset();
    emit assessmentChanged();
}

void AnalysisSession::SetAssessmentSettings(std::optional<vrd::AssessmentSettings> assessment) {
    assessment_ = assessment;
    Reassess();
}

std::vector<vrd::Mark> AnalysisSession::AllMarks() const {
    std::vector<vrd::Mark> marks;
    marks.reserve(settings_.exclusions.size() + settings_.marks.size());
    for (const vrd::Exclusion& exclusion : settings_.exclusions)
        marks.push_back({vrd::MarkKind::Exclude, exclusion.span, exclusion.reason});
    marks.insert(marks.end(), settings_.marks.begin(), settings_.marks.end());
    return marks;
}

std::optional<QString> AnalysisSession::OverlapWarning(const std::vector<vrd::Mark>& marks) const {
    const std::optional<vrd::MarkOverlap> overlap = vrd::FindSourceResidualOverlap(marks);
    if (!overlap)
        return std::nullopt;
    return tr("The source mark %1 overlaps the residual mark %2: a minute cannot be heard both "
              "with and without the noise. Change or remove one of them first.")
        .arg(MarkPeriodText(marks[overlap->source], WindowLanguage()),
             MarkPeriodText(marks[overlap->residual], WindowLanguage()));
}

std::optional<QString> AnalysisSession::AddMark(vrd::Mark mark) {
    if (mark.span.Length() <= 0)
        return std::nullopt;
    if (mark.kind == vrd::MarkKind::Exclude) {
        AddExclusion({mark.span, std::move(mark.reason)});
        return std::nullopt;
    }
    std::vector<vrd::Mark> marks = settings_.marks;
    marks.push_back(std::move(mark));
    if (std::optional<QString> warning = OverlapWarning(marks))
        return warning;
    settings_.marks = std::move(marks);
    emit marksChanged();
    Reassess();
    return std::nullopt;
}

void AnalysisSession::RemoveMark(std::size_t row) {
    if (row < settings_.exclusions.size()) {
        RemoveExclusion(row);
        return;
    }
    row -= settings_.exclusions.size();
    if (row >= settings_.marks.size())
        return;
    settings_.marks.erase(settings_.marks.begin() + static_cast<std::ptrdiff_t>(row));
    emit marksChanged();
    Reassess();
}

std::optional<QString> AnalysisSession::SetMarkKind(std::size_t row, vrd::MarkKind kind) {
    std::vector<vrd::Mark> marks = AllMarks();
    if (row >= marks.size() || marks[row].kind == kind)
        return std::nullopt;
    marks[row].kind = kind;
    return SetMarks(std::move(marks));
}

namespace {

bool SameExclusions(const std::vector<vrd::Exclusion>& a, const std::vector<vrd::Exclusion>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const vrd::Exclusion& x, const vrd::Exclusion& y) {
                          return x.span == y.span && x.reason == y.reason;
                      });
}

} // namespace

std::optional<QString> AnalysisSession::SetMarks(std::vector<vrd::Mark> marks) {
    if (std::optional<QString> warning = OverlapWarning(marks))
        return warning;
    vrd::AnalysisSettings split;
    vrd::AddMarks(split, std::move(marks));
    settings_.marks = std::move(split.marks);
    // Only the source and residual marks changed: the figures stay, the assessment follows.
    if (SameExclusions(split.exclusions, settings_.exclusions)) {
        emit marksChanged();
        Reassess();
        return std::nullopt;
    }
    // Setting the exclusions runs the whole analysis, and the assessment with it.
    SetExclusions(std::move(split.exclusions));
    return std::nullopt;
}

void AnalysisSession::RefigureSelection() {
    selectionFigures_ = statistics_->Figures(selection_, excluded_);
    FigureSelectionWho();
    emit selectionChanged();
}

void AnalysisSession::FigureSelectionWho() {
    selectionWho_.reset();
    if (!settings_.who)
        return;
    // The whole analysed period has them already; another selection is analysed as vrdtool
    // stats --from --to analyses it, so that both give the same figures.
    const std::optional<vrd::TimeSpan>& analysed = result_.selection;
    const vrd::TimeSpan selected = vrd::SpanOfMinutes(selection_);
    if (analysed && *analysed == selected && result_.who) {
        selectionWho_ = WhoFigures{result_.whole, *result_.who};
        return;
    }
    vrd::AnalysisSettings settings = settings_;
    settings.fromTime = selected.start;
    settings.toTime = selected.end;
    const vrd::AnalysisResult result = vrd::Analyse(series_, settings);
    if (result.who)
        selectionWho_ = WhoFigures{result.whole, *result.who};
}

namespace {

QString FirstNonEmpty(const std::vector<vrd::ReportForAnalysis>& reports,
                      std::string vrd::ReportForAnalysis::*field) {
    for (const vrd::ReportForAnalysis& report : reports)
        if (!(report.*field).empty())
            return QString::fromLatin1((report.*field).data(),
                                       static_cast<qsizetype>((report.*field).size()));
    return {};
}

} // namespace

QString AnalysisSession::Site() const {
    return FirstNonEmpty(reports_, &vrd::ReportForAnalysis::site);
}

QString AnalysisSession::Serial() const {
    return FirstNonEmpty(reports_, &vrd::ReportForAnalysis::serial);
}
