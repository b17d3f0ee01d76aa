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

    // The marks, by their row in AllMarks; what the session refuses (a source over a residual)
    // returns its warning and changes nothing. Many rows are one step, however many they are;
    // rows beyond the marks are left out. SetMarks replaces them all in one step named text.
    std::optional<QString> AddMark(vrd::Mark mark);
    void RemoveMark(std::size_t row);
    void RemoveMarks(const std::vector<std::size_t>& rows);
    std::optional<QString> SetMarkKind(std::size_t row, vrd::MarkKind kind);
    std::optional<QString> SetMarksKind(const std::vector<std::size_t>& rows, vrd::MarkKind kind);
    // The mark at row given another period or reason, its kind kept; refused, with the reason,
    // when it would end before it starts or overlap a mark of the other kind.
    std::optional<QString> EditMark(std::size_t row, vrd::TimeSpan span, const std::string& reason);
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
