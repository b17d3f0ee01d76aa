#include "views/analysis/session/analysis_commands.h"

#include "views/analysis/session/analysis_session.h"

ReportCommand::ReportCommand(const QString& text, AnalysisSession& session, std::size_t index,
                             vrd::ReportForAnalysis report, bool adds)
    : QUndoCommand(text), session_(session), index_(index), report_(std::move(report)),
      adds_(adds) {}

void ReportCommand::redo() {
    if (adds_)
        Insert();
    else
        Take();
}

void ReportCommand::undo() {
    if (adds_)
        Take();
    else
        Insert();
}

void ReportCommand::Insert() {
    session_.InsertReport(index_, report_);
}

void ReportCommand::Take() {
    session_.RemoveReport(index_);
}
