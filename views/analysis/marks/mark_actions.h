#pragma once
// The commands on the marks of an analysis: the selection marked as excluded, source or
// residual with the reason typed beside it, the runs above the threshold marked as sources, the
// marks chosen in the table given another kind or removed, a mark edited in place, and the marks
// saved to or loaded from the marks file vrdtool reads. Each edit is one undoable step of the
// analysis, however many marks it changes.

#include "analysis/analysis_settings.h"
#include "analysis/runs_above.h"

#include <QObject>

#include <functional>
#include <optional>

class AnalysisPrompts;
class EditedAnalysis;
class QLineEdit;
class QTableView;
class QPoint;
class QWidget;

class MarkActions final : public QObject {
    Q_OBJECT

  public:
    // reason is the box of the reason, table the marks table (BuildMarkTable over a
    // MarkTableModel) with its context menu.
    MarkActions(EditedAnalysis& analysis, const AnalysisPrompts& prompts, QLineEdit& reason,
                QTableView& table, QObject* parent = nullptr);

    // False (and a warning naming both marks) when a source would overlap a residual.
    bool MarkSelection(vrd::MarkKind kind);
    // row as the session counts them (AllMarks).
    bool ChangeMarkKind(int row, vrd::MarkKind kind);
    bool ChangeChosenKind(vrd::MarkKind kind);
    // How the runs are to be marked, asked with the count a marking makes (counter); nullopt
    // when the user cancels. The program asks with MarkRunsDialog, the tests answer themselves.
    using RunsCounter = std::function<std::size_t(const vrd::RunMarking&)>;
    using RunsAsker = std::function<std::optional<vrd::RunMarking>(
        QWidget* window, const vrd::RunMarking& first, const RunsCounter& counter)>;
    void SetRunsAsker(RunsAsker asker) { askRuns_ = std::move(asker); }
    // The runs above the threshold of the settings in the analysed period, marked as asked in one
    // step.
    bool MarkRuns();
    // The marks chosen in the table (ChosenMarkRows).
    void RemoveChosen();
    bool SaveMarks();
    // Loading replaces every mark.
    bool LoadMarks();

  private:
    void ShowMenu(const QPoint& position);

    EditedAnalysis& analysis_;
    const AnalysisPrompts& prompts_;
    QLineEdit& reason_;
    QTableView& table_;
    RunsAsker askRuns_;
};
