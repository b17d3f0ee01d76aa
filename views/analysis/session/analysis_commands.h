#pragma once
// The undoable steps of an analysis: each sets one part of the session to a state and back.
// The state before is taken when the step is made, so that undo puts back exactly what was.

#include "analysis/report_for_analysis.h"

#include <QUndoCommand>

#include <functional>
#include <utility>

// Sets a part of the session from before to after (redo) and back (undo) through apply.
template <typename State> class SetStateCommand final : public QUndoCommand {
  public:
    SetStateCommand(const QString& text, State before, State after,
                    std::function<void(const State&)> apply)
        : QUndoCommand(text), before_(std::move(before)), after_(std::move(after)),
          apply_(std::move(apply)) {}

    void redo() override { apply_(after_); }
    void undo() override { apply_(before_); }

  private:
    State before_;
    State after_;
    std::function<void(const State&)> apply_;
};

class AnalysisSession;

// A report brought in at index (redo) and taken out again (undo); a removal is the same step
// the other way round.
class ReportCommand final : public QUndoCommand {
  public:
    ReportCommand(const QString& text, AnalysisSession& session, std::size_t index,
                  vrd::ReportForAnalysis report, bool adds);

    void redo() override;
    void undo() override;

  private:
    void Insert();
    void Take();

    AnalysisSession& session_;
    std::size_t index_;
    vrd::ReportForAnalysis report_;
    bool adds_;
};
