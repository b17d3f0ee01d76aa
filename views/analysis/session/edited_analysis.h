#pragma once
// The analysis as the window edits it: the session that works every figure out, and the undo
// stack through which every edit of the user reaches it (marks, selection, settings, standard,
// files). Each edit is one QUndoCommand named for the Edit menu; an edit the session refuses
// pushes nothing. Reports replaced at once (a new open, an analysis file) start a new history.
//
// The views read the session and follow its signals; they change it only through these edits.

#include "views/analysis/session/analysis_session.h"

#include <QObject>
#include <QString>
#include <QUndoStack>

#include <optional>
#include <string>
#include <vector>

class EditedAnalysis final : public QObject {
    Q_OBJECT

  public:
    explicit EditedAnalysis(QObject* parent = nullptr);
    ~EditedAnalysis() override;

    AnalysisSession& Session() { return session_; }
    const AnalysisSession& Session() const { return session_; }
    QUndoStack& Stack() { return stack_; }

    // The marks; what the session refuses (a source over a residual) returns its warning and
    // changes nothing. SetMarks replaces them all in one step named text.
    std::optional<QString> AddMark(vrd::Mark mark);
    void RemoveMark(std::size_t row);
    std::optional<QString> SetMarkKind(std::size_t row, vrd::MarkKind kind);
    std::optional<QString> SetMarks(std::vector<vrd::Mark> marks, const QString& text);

    // The selection; an empty one is refused (false).
    bool Select(vrd::Interval selection);

    // The settings, as the settings tab applies its boxes: one step for all that changed.
    // False when the periods are refused (CheckPeriods); the rest is applied all the same.
    bool SetSettings(std::optional<double> threshold, const vrd::Periods& periods,
                     double minimumCoverage);
    bool SetPreset(const std::string& name);
    void SetWhoSource(std::optional<vrd::WhoSource> source);
    void SetAssessmentSettings(std::optional<vrd::AssessmentSettings> assessment);

    // The reports ("Add file...", "Remove").
    void AddReport(vrd::ReportForAnalysis report);
    void RemoveReport(std::size_t index);

  private:
    AnalysisSession session_;
    QUndoStack stack_; // after the session, so that its commands go first
};
