#pragma once
// The analysis window: the chart of the 1-minute levels with a selected period, the statistics
// of the selection beside it, the exclusions with their reasons, the settings of the analysis,
// the tables of days and hours, the reports analysed, and the commands that hand the analysis in:
// "Save report as PDF", "Print..." and "Save tables as spreadsheet".

#include "views/analysis/session/analysis_session.h"
#include "views/analysis/window/analysis_command_row.h"
#include "views/analysis/window/analysis_side_panel.h"
#include "views/common/language.h"

#include <QWidget>

#include <functional>
#include <optional>

class AnalysisChart;
class AnalysisFileState;
class AssessmentTab;
class CarpetView;
class DaysTableModel;
class HoursTableModel;
class MarkListModel;
class QAbstractButton;
class QLineEdit;
class QListView;
class QTabWidget;
class QTableView;
class ReportFileListModel;
class StatisticsModel;

class frmAnalysis final : public QWidget {
    Q_OBJECT

  public:
    // Asks for a file: to save (with a suggested name) or to open. nullopt when the user cancels.
    struct PathRequest {
        QString caption;
        QString filter;
        QString suggestedName;
        bool save = true;
    };
    using PathChooser = std::function<std::optional<QString>(QWidget*, const PathRequest&)>;
    // Asks whether to go on (true) or cancel; goOn names the button that goes on. The program asks
    // with a message box, the tests answer themselves.
    using Confirmer = std::function<bool(QWidget*, const QString& question, const QString& goOn)>;

    explicit frmAnalysis(QWidget* parent = nullptr);
    ~frmAnalysis() override;

    AnalysisSession& Session() { return session_; }
    void SetPathChooser(PathChooser chooser) { choosePath_ = std::move(chooser); }
    void SetConfirmer(Confirmer confirmer) { confirm_ = std::move(confirmer); }

    // The language of the report and of the workbook's labels: the window's unless one is set
    // (nullopt: the window's again).
    void SetReportLanguage(std::optional<Language> language) { reportLanguage_ = language; }
    Language ReportLanguage() const { return reportLanguage_.value_or(WindowLanguage()); }

    // The commands; each asks for its file, shows any failure with the file and the reason, and
    // returns true when done. A report to save or print while a file listed could not be read
    // asks first whether to go on without it.
    bool AddFile();
    // Takes the file chosen in the Files list out of the analysis, read or failed.
    bool RemoveFile();
    bool SaveReportAsPdf();
    bool Print();
    bool SaveTables();
    // Every mark, in the marks file vrdtool reads; loading replaces them all.
    bool SaveExclusions();
    bool LoadExclusions();
    // The analysis file (.vrda, analysis_document_commands.cpp): OpenAnalysisFile first asks
    // what to do with unsaved changes; WriteAnalysis is the writer behind "Save analysis...".
    bool OpenAnalysis();
    bool SaveAnalysis();
    bool OpenAnalysisFile(const QString& path);
    bool WriteAnalysis(const QString& path, QString& reason);
    AnalysisFileState& AnalysisFile() const { return *analysisFile_; }
    // Marks the selection as excluded with the reason typed beside it.
    void ExcludeSelection();
    // Marks the selection as kind with the reason typed beside it; false (and a warning naming
    // both marks) when a source would overlap a residual.
    bool MarkSelection(vrd::MarkKind kind);
    // Gives the mark of row another kind, or warns as MarkSelection does.
    bool ChangeMarkKind(int row, vrd::MarkKind kind);
    // Every run of minutes above the threshold in the analysed period becomes a source mark, after
    // a confirmation saying how many.
    bool MarkRunsAsSource();
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
    QListView* ExclusionsView() const { return exclusionsView_; }
    QListView* FilesView() const { return filesView_; }
    QLineEdit* ReasonEdit() const { return reason_; }
    QLineEdit* FromEdit() const { return from_; }
    QLineEdit* ToEdit() const { return to_; }

    QSize sizeHint() const override;

  protected:
    // A new language of the window: every text again in it.
    void changeEvent(QEvent* event) override;

  private:
    void SetTexts();
    void SetAnalysisFileRowTexts();
    QWidget* ConnectCommands(AnalysisCommandRow commands);
    QWidget* ConnectSidePanel(AnalysisSidePanel panel);
    QWidget* BuildFiles();
    void FollowSelection();
    void SelectRow(const QModelIndex& index);
    std::optional<QString> ChoosePath(const PathRequest& request);
    bool GoOnDespiteFailedFiles(const QString& goOn);
    void ShowMarkMenu(const QPoint& position);
    bool Confirm(const QString& question, const QString& goOn);
    void ShowWarning(const QString& text);
    void ShowFailure(const QString& path, const QString& reason);
    void ShowNotWritten(const QString& path, const QString& reason);
    QString SuggestedName(const QString& suffix) const;
    void FollowAnalysisFile();
    QWidget* BuildAnalysisFileRow(QWidget* parent);
    bool SaveAnalysisAs(const QString& path);

    AnalysisSession session_;
    PathChooser choosePath_;
    Confirmer confirm_;
    AnalysisFileState* analysisFile_ = nullptr;
    std::optional<Language> reportLanguage_;

    AnalysisCommandRow commands_;
    AnalysisSidePanel panel_;
    QTabWidget* tabs_ = nullptr;
    QAbstractButton* addFile_ = nullptr;
    QAbstractButton* removeFile_ = nullptr;
    QAbstractButton* openAnalysis_ = nullptr;
    QAbstractButton* saveAnalysis_ = nullptr;
    QAbstractButton* absolutePaths_ = nullptr;
    AnalysisChart* chart_ = nullptr;
    CarpetView* carpet_ = nullptr;
    AssessmentTab* assessment_ = nullptr;
    StatisticsModel* statistics_ = nullptr;
    DaysTableModel* days_ = nullptr;
    HoursTableModel* hours_ = nullptr;
    MarkListModel* exclusions_ = nullptr;
    ReportFileListModel* files_ = nullptr;
    QTableView* statisticsView_ = nullptr;
    QTableView* daysView_ = nullptr;
    QTableView* hoursView_ = nullptr;
    QListView* exclusionsView_ = nullptr;
    QListView* filesView_ = nullptr;
    QLineEdit* from_ = nullptr;
    QLineEdit* to_ = nullptr;
    QLineEdit* reason_ = nullptr;
};
