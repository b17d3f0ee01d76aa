#pragma once
// What the analysis window works on, without any widget: the files brought in (the devices'
// reports and the meters' CSV exports), their samples merged into one series at one step, the
// settings, the exclusions with their reasons, the whole analysis and the figures of the selected
// period. Every change emits a signal, so that the tables, the statistics and the chart follow at
// once; the tests drive it directly.

#include "analysis/analyse.h"
#include "analysis/assess.h"
#include "analysis/range_statistics.h"
#include "analysis/report_for_analysis.h"

#include <QObject>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

class AnalysisSession final : public QObject {
    Q_OBJECT

  public:
    // The day, evening and night figures of a day rest on too little data below this share.
    static constexpr double kDefaultMinimumCoverage = 0.5;

    explicit AnalysisSession(QObject* parent = nullptr);
    ~AnalysisSession() override;

    // Replaces every report with these (a new open); the selection becomes the whole series and
    // the exclusions are dropped.
    void SetReports(std::vector<vrd::ReportForAnalysis> reports);
    // Brings one more report into the series ("Add file..."), at the end or at index.
    void AddReport(vrd::ReportForAnalysis report);
    void InsertReport(std::size_t index, vrd::ReportForAnalysis report);
    // Takes the report at index out of the series, whether it was read or failed; the exclusions
    // stay, the selection becomes the whole series.
    void RemoveReport(std::size_t index);
    const std::vector<vrd::ReportForAnalysis>& Reports() const { return reports_; }
    // Why file cannot join the analysis: its samples are not as long as those of the first file
    // with samples (a 1-s export beside the 60-s reports). The warning names both files and both
    // steps; nullopt when it fits or has no sample.
    std::optional<QString> StepRefusal(const vrd::ReportForAnalysis& file) const {
        return StepRefusalAmong(reports_, file);
    }
    // The same among files.
    static std::optional<QString> StepRefusalAmong(const std::vector<vrd::ReportForAnalysis>& files,
                                                   const vrd::ReportForAnalysis& file);

    // Settings; a change runs the analysis again. SetPeriods refuses (false) what CheckPeriods
    // refuses; periods that differ from those held are set by hand, under no preset.
    void SetThreshold(std::optional<double> threshold);
    bool SetPeriods(const vrd::Periods& periods);
    // The periods and penalties of the preset named (PeriodPresets), or an empty name: the
    // periods as they are, set by hand. False for a name no preset has.
    bool SetPreset(const std::string& name);
    // The source whose WHO guidelines Lden and Lnight are compared with; nullopt: none.
    void SetWhoSource(std::optional<vrd::WhoSource> source);
    void SetMinimumCoverage(double share);
    // The threshold, the periods with the name of their preset (periods CheckPeriods accepts,
    // those of the preset when it is named) and the minimum coverage at once: one analysis.
    void SetPeriodSettings(std::optional<double> threshold, const vrd::Periods& periods,
                           const std::string& preset, double minimumCoverage);
    // The analysed period, to the millisecond; a missing end is the series' own.
    void SetAnalysedTimes(std::optional<vrd::Millis> from, std::optional<vrd::Millis> to);
    const vrd::AnalysisSettings& Settings() const { return settings_; }
    double MinimumCoverage() const { return minimumCoverage_; }

    void AddExclusion(vrd::Exclusion exclusion);
    void RemoveExclusion(std::size_t index);
    void SetExclusions(std::vector<vrd::Exclusion> exclusions);
    const std::vector<vrd::Exclusion>& Exclusions() const { return settings_.exclusions; }
    // The minutes whose start an exclusion holds, as sorted, disjoint intervals: what the
    // window's minutes (chart, carpet, selection figures) leave out.
    const std::vector<vrd::Interval>& ExcludedIntervals() const { return excluded_; }

    // Every setting at once, as an analysis file gives them (the reports stay): the analysed
    // period, the marks of every kind, the threshold, the periods with their preset, the WHO
    // source, the standard and the minimum coverage; periods that CheckPeriods refuses are left
    // as they were. Every view shows the analysis afresh.
    void SetAnalysis(const vrd::AnalysisSettings& settings,
                     std::optional<vrd::AssessmentSettings> assessment, double minimumCoverage);

    // Every mark as the marks list shows it: the exclusions first, then the source and residual
    // marks, each in the order it came. A source overlapping a residual is refused: the minutes
    // between would be both. What refuses returns the warning, naming both marks.
    std::vector<vrd::Mark> AllMarks() const;
    std::optional<QString> AddMark(vrd::Mark mark);
    void RemoveMark(std::size_t row);
    std::optional<QString> SetMarkKind(std::size_t row, vrd::MarkKind kind);
    // Replaces every mark (a marks file loaded); nothing changes when it is refused.
    std::optional<QString> SetMarks(std::vector<vrd::Mark> marks);
    // The warning SetMarks would give for marks, if any.
    std::optional<QString> MarksRefused(const std::vector<vrd::Mark>& marks) const {
        return OverlapWarning(marks);
    }
    // The source and residual marks alone.
    const std::vector<vrd::Mark>& Marks() const { return settings_.marks; }

    // The standard the source and residual marks are assessed by; nullopt: none, no assessment
    // is made.
    void SetAssessmentSettings(std::optional<vrd::AssessmentSettings> assessment);
    const std::optional<vrd::AssessmentSettings>& Assessment() const { return assessment_; }
    // The assessment of the analysed period, following every mark and setting; nullopt without a
    // standard.
    const std::optional<vrd::AssessmentResult>& Assessed() const { return assessed_; }

    // The period whose figures the statistics show; an empty one is refused (false).
    bool Select(vrd::Interval selection);
    const vrd::Interval& Selection() const { return selection_; }
    const vrd::RangeFigures& SelectionFigures() const { return selectionFigures_; }
    // The selection's own Lden and Lnight beside the WHO guidelines of the source chosen, as
    // vrdtool stats --who gives them over the same minutes; nullopt without a source.
    struct WhoFigures {
        vrd::PeriodLevels levels;
        vrd::WhoComparison comparison;
    };
    const std::optional<WhoFigures>& SelectionWho() const { return selectionWho_; }

    // The samples of every file, at the step of the first file with samples (60 s for the
    // devices' reports); files of another step are left out.
    const vrd::LevelSeries& Series() const { return series_; }
    vrd::Millis Step() const { return series_.Step(); }
    // The whole analysed period: the tables and the report's figures.
    const vrd::AnalysisResult& Result() const { return result_; }
    // The analysed period; empty when there is no readable minute.
    vrd::Interval AnalysedPeriod() const;

    // The first non-empty site and serial among the reports.
    QString Site() const;
    QString Serial() const;

  signals:
    // Every report was replaced at once (SetReports): a new analysis.
    void reportsReplaced();
    // The series has new minutes: the chart shows them from scratch.
    void seriesChanged();
    // The figures of the whole period changed (settings, exclusions or series).
    void resultChanged();
    void exclusionsChanged();
    // Any mark changed: an exclusion, a source or a residual.
    void marksChanged();
    void assessmentChanged();
    void selectionChanged();

  private:
    void RebuildSeries();
    void Reanalyse();
    void RefigureSelection();
    void FigureSelectionWho();
    void Reassess();
    // The warning for the first source and residual mark of marks that overlap, if any.
    std::optional<QString> OverlapWarning(const std::vector<vrd::Mark>& marks) const;

    std::vector<vrd::ReportForAnalysis> reports_;
    vrd::LevelSeries series_;
    std::unique_ptr<vrd::RangeStatistics> statistics_;
    vrd::AnalysisSettings settings_;
    double minimumCoverage_ = kDefaultMinimumCoverage;
    std::optional<vrd::AssessmentSettings> assessment_;
    std::vector<vrd::Interval> excluded_;
    vrd::AnalysisResult result_;
    vrd::Interval selection_;
    vrd::RangeFigures selectionFigures_;
    std::optional<WhoFigures> selectionWho_;
    std::optional<vrd::AssessmentResult> assessed_;
};
