#pragma once
// The analysis window's "Assessment" tab: the standard and the indoors choice, then the core's
// assessment of the marked minutes: its conclusion first (ConclusionLines, and the marks that lie
// outside the reports), then for the French standards the table of the periods in which the
// noise was heard ("Show every period": all of them) with the overall rows, for BS 4142 the
// intervals and the background level of each label. The tables follow every mark and setting
// through the session's signals.

#include <QWidget>

class AnalysisSession;
class EditedAnalysis;
class BackgroundIntervalModel;
class BackgroundLevelModel;
class EmergenceTableModel;
class QCheckBox;
class QComboBox;
class QLabel;
class QStackedWidget;
class QTableView;

class AssessmentTab final : public QWidget {
    Q_OBJECT

  public:
    explicit AssessmentTab(EditedAnalysis& analysis, QWidget* parent = nullptr);

    QComboBox* StandardBox() const { return standard_; }
    QCheckBox* IndoorsBox() const { return indoors_; }
    QCheckBox* EveryPeriodBox() const { return everyPeriod_; }
    // The tables whose rows a click selects on the chart: the periods, the intervals.
    QTableView* PeriodsView() const { return periodsView_; }
    QTableView* IntervalsView() const { return intervalsView_; }
    QTableView* BackgroundView() const { return backgroundView_; }
    EmergenceTableModel* Periods() const { return periods_; }
    BackgroundIntervalModel* Intervals() const { return intervals_; }
    BackgroundLevelModel* Background() const { return background_; }
    QLabel* Summary() const { return summary_; }

  protected:
    void changeEvent(QEvent* event) override;

  private:
    // The texts of the tab, in the window's language.
    void SetTexts();
    void ApplyChoice();
    void ShowAssessment();

    EditedAnalysis& analysis_;
    AnalysisSession& session_;
    QComboBox* standard_ = nullptr;
    QCheckBox* indoors_ = nullptr;
    QCheckBox* everyPeriod_ = nullptr;
    QLabel* standardLabel_ = nullptr;
    QLabel* none_ = nullptr;
    QLabel* summary_ = nullptr;
    QStackedWidget* pages_ = nullptr;
    EmergenceTableModel* periods_ = nullptr;
    BackgroundIntervalModel* intervals_ = nullptr;
    BackgroundLevelModel* background_ = nullptr;
    QTableView* periodsView_ = nullptr;
    QTableView* intervalsView_ = nullptr;
    QTableView* backgroundView_ = nullptr;
};
