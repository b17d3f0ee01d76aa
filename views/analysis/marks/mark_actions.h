#pragma once
// The commands on the marks of an analysis: the selection marked as excluded, source or
// residual with the reason typed beside it, the runs above the threshold marked as sources, a
// mark's kind changed or the mark removed from the list, and the marks saved to or loaded from
// the marks file vrdtool reads. Each edit is one undoable step of the analysis.

#include "analysis/analysis_settings.h"

#include <QObject>

class AnalysisPrompts;
class EditedAnalysis;
class QLineEdit;
class QListView;
class QPoint;

class MarkActions final : public QObject {
    Q_OBJECT

  public:
    // reason is the box of the reason, list the marks list with its context menu.
    MarkActions(EditedAnalysis& analysis, const AnalysisPrompts& prompts, QLineEdit& reason,
                QListView& list, QObject* parent = nullptr);

    // False (and a warning naming both marks) when a source would overlap a residual.
    bool MarkSelection(vrd::MarkKind kind);
    bool ChangeMarkKind(int row, vrd::MarkKind kind);
    // After a confirmation saying how many.
    bool MarkRunsAsSource();
    // The mark chosen in the list.
    void RemoveCurrent();
    bool SaveMarks();
    // Loading replaces every mark.
    bool LoadMarks();

  private:
    void ShowMenu(const QPoint& position);

    EditedAnalysis& analysis_;
    const AnalysisPrompts& prompts_;
    QLineEdit& reason_;
    QListView& list_;
};
