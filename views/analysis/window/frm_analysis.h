#pragma once
// The analysis window: the chart of the 1-minute levels with a selected period, the statistics
// of the selection beside it, the exclusions with their reasons, the settings of the analysis,
// the tables of days and hours, the reports analysed, and the commands that hand the analysis in:
// "Save report as PDF", "Print..." and "Save tables as spreadsheet".

#include "views/analysis/marks/mark_actions.h"
#include "views/analysis/prompts/analysis_prompts.h"
#include "views/analysis/session/edited_analysis.h"
#include "views/analysis/window/analysis_command_row.h"
#include "views/analysis/window/analysis_side_panel.h"
#include "views/common/language.h"

#include <QWidget>

#include <optional>

class AnalysisChart;
class AnalysisFileState;
class EditActions;
class FileActions;
class FilesTab;
class ReportActions;
class AssessmentTab;
class CarpetView;
class DaysTableModel;
class HoursTableModel;
class MarkTableModel;
class QAbstractButton;
class QLineEdit;
class QListView;
class RecoveryCopy;
struct KeptRecovery;
class QTabWidget;
class QTableView;
class ReportFileListModel;
class StatisticsModel;

class frmAnalysis final : public QWidget {
    Q_OBJECT

  public:
    using PathRequest = AnalysisPrompts::PathRequest;
    using PathChooser = AnalysisPrompts::PathChooser;
    // Asks whether to go on (true) or cancel; goOn names the button that goes on. The program asks
    // with a message box, the tests answer themselves.
    using Confirmer = AnalysisPrompts::Confirmer;

    explicit frmAnalysis(QWidget* parent = nullptr);
    ~frmAnalysis() override;

    AnalysisSession& Session() { return analysis_.Session(); }
    // The analysis with its undo stack: every edit of the window goes through it.
    EditedAnalysis& Analysis() { return analysis_; }
    void SetPathChooser(PathChooser chooser) { prompts_.SetPathChooser(std::move(chooser)); }
    void SetConfirmer(Confirmer confirmer) { prompts_.SetConfirmer(std::move(confirmer)); }

    // The language of the report and of the workbook's labels: the window's unless one is set
    // (nullopt: the window's again).
    void SetReportLanguage(std::optional<Language> language) { reportLanguage_ = language; }
    Language ReportLanguage() const { return reportLanguage_.value_or(WindowLanguage()); }

    // The commands; each asks for its file, shows any failure with the file and the reason, and
    // returns true when done (file_actions.h, report_actions.h, mark_actions.h).
    bool AddFile();
    bool RemoveFile();
    bool SaveReportAsPdf();
    bool Print();
    bool SaveTables();
    bool SaveExclusions();
    bool LoadExclusions();
    bool OpenAnalysis();
    bool SaveAnalysis();
    bool OpenAnalysisFile(const QString& path);
    // A meter's CSV export alone in the analysis, its columns asked first.
    bool OpenCsvExport(const QString& path);
    void SetColumnsChooser(AnalysisPrompts::ColumnsChooser chooser) {
        prompts_.SetColumnsChooser(std::move(chooser));
    }
    bool WriteAnalysis(const QString& path, QString& reason);
    AnalysisFileState& AnalysisFile() const;
    // The analysis of a copy a crash left, with its changes unsaved; the copy is then this
    // window's own.
    bool RestoreRecovery(const KeptRecovery& recovery);
    RecoveryCopy& Recovery() const { return *recovery_; }
    // The Edit menu: undo, redo, remove the marks chosen, open and save, with their keys.
    EditActions& Edits() const { return *edits_; }
    void ExcludeSelection();
    bool MarkSelection(vrd::MarkKind kind);
    // row as the session counts them (AllMarks).
    bool ChangeMarkKind(int row, vrd::MarkKind kind);
    // The runs above the threshold, marked as the runs dialog (or the asker set) says.
    bool MarkRuns();
    void SetRunsAsker(MarkActions::RunsAsker asker);
    // The marks chosen in the marks table, removed or given kind in one step.
    void RemoveChosenMarks();
    bool ChangeChosenKind(vrd::MarkKind kind);
    // Selects the period typed in the from and to boxes; false (and a warning) when unreadable.
    bool SelectTyped();

    // The writers behind the commands, for the command line and the tests; on failure they return
    // false with the reason.
    bool WritePdf(const QString& path, QString& reason);
    bool WriteTables(const QString& path, QString& reason);

    AnalysisChart* Chart() const { return chart_; }
    CarpetView* Carpet() const { return carpet_; }
    AssessmentTab* Assessment() const { return assessment_; }
    QTableView* DaysView() const { return daysView_; }
    QTableView* HoursView() const { return hoursView_; }
    QTableView* StatisticsView() const { return statisticsView_; }
    StatisticsModel* Statistics() const { return statistics_; }
    DaysTableModel* Days() const { return days_; }
    HoursTableModel* Hours() const { return hours_; }
    // The marks table, sorted by time (its model a proxy of Marks()).
    QTableView* ExclusionsView() const { return exclusionsView_; }
    MarkTableModel* Marks() const { return exclusions_; }
    QListView* FilesView() const;
    QLineEdit* ReasonEdit() const { return reason_; }
    QLineEdit* FromEdit() const { return from_; }
    QLineEdit* ToEdit() const { return to_; }

    QSize sizeHint() const override;

  protected:
    // A new language of the window: every text again in it.
    void changeEvent(QEvent* event) override;

  private:
    void SetTexts();
    QWidget* ConnectCommands(AnalysisCommandRow commands);
    QWidget* ConnectSidePanel(AnalysisSidePanel panel);
    void FollowSelection();
    void SelectRow(const QModelIndex& index);
    // A mark double-clicked: selected, and the chart zoomed to it.
    void ZoomToRow(const QModelIndex& index);

    EditedAnalysis analysis_;
    AnalysisPrompts prompts_;
    std::optional<Language> reportLanguage_;
    FileActions* files_ = nullptr;
    ReportActions* reports_ = nullptr;
    MarkActions* marks_ = nullptr;
    EditActions* edits_ = nullptr;
    RecoveryCopy* recovery_ = nullptr;

    AnalysisCommandRow commands_;
    AnalysisSidePanel panel_;
    QTabWidget* tabs_ = nullptr;
    FilesTab* filesTab_ = nullptr;
    AnalysisChart* chart_ = nullptr;
    CarpetView* carpet_ = nullptr;
    AssessmentTab* assessment_ = nullptr;
    StatisticsModel* statistics_ = nullptr;
    DaysTableModel* days_ = nullptr;
    HoursTableModel* hours_ = nullptr;
    MarkTableModel* exclusions_ = nullptr;
    ReportFileListModel* fileList_ = nullptr;
    QTableView* statisticsView_ = nullptr;
    QTableView* daysView_ = nullptr;
    QTableView* hoursView_ = nullptr;
    QTableView* exclusionsView_ = nullptr;
    QLineEdit* from_ = nullptr;
    QLineEdit* to_ = nullptr;
    QLineEdit* reason_ = nullptr;
};
