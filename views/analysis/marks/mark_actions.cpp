#include "views/analysis/marks/mark_actions.h"

#include "analysis/exclusion_file.h"
#include "analysis/marks_outside.h"
#include "analysis/runs_above.h"
#include "export/safe_write.h"
#include "report/read_file.h"
#include "views/analysis/marks/mark_list_model.h"
#include "views/analysis/prompts/analysis_prompts.h"
#include "views/analysis/session/edited_analysis.h"
#include "views/common/analysis_widgets.h"
#include "views/texts/mark_text.h"

#include <QLineEdit>
#include <QListView>
#include <QMenu>

MarkActions::MarkActions(EditedAnalysis& analysis, const AnalysisPrompts& prompts,
                         QLineEdit& reason, QListView& list, QObject* parent)
    : QObject(parent), analysis_(analysis), prompts_(prompts), reason_(reason), list_(list) {
    connect(&list_, &QWidget::customContextMenuRequested, this, &MarkActions::ShowMenu);
}

bool MarkActions::MarkSelection(vrd::MarkKind kind) {
    const AnalysisSession& session = analysis_.Session();
    const vrd::Mark mark{kind, session.Selection(), reason_.text().trimmed().toStdString()};
    const std::optional<QString> refused = analysis_.AddMark(mark);
    if (refused) {
        prompts_.ShowWarning(*refused);
        return false;
    }
    reason_.clear();
    if (vrd::LiesOutside(mark.interval, vrd::SpanOfRecords(session.Series())))
        prompts_.ShowWarning(MarksOutsideWarning({mark}, WindowLanguage()));
    return true;
}

bool MarkActions::ChangeMarkKind(int row, vrd::MarkKind kind) {
    if (row < 0)
        return false;
    const std::optional<QString> refused =
        analysis_.SetMarkKind(static_cast<std::size_t>(row), kind);
    if (refused)
        prompts_.ShowWarning(*refused);
    return !refused;
}

bool MarkActions::MarkRunsAsSource() {
    const AnalysisSession& session = analysis_.Session();
    const std::optional<double> threshold = session.Settings().threshold;
    if (!threshold) {
        prompts_.ShowWarning(
            tr("Set a threshold in \"Settings\" first: the runs above it become sources."));
        return false;
    }
    const std::vector<vrd::Interval> runs = vrd::RunsAbove(
        session.Series(), session.AnalysedPeriod(), session.ExcludedIntervals(), *threshold);
    if (runs.empty()) {
        prompts_.ShowWarning(
            tr("No minute of the analysed period is above %1 dB.").arg(*threshold));
        return false;
    }
    const QString question = tr("Mark %n run(s) of minutes above %1 dB as source?", nullptr,
                                static_cast<int>(runs.size()))
                                 .arg(*threshold);
    if (!prompts_.Confirm(question, tr("Mark as source")))
        return false;
    std::vector<vrd::Mark> marks = session.AllMarks();
    const std::string reason = tr("above %1 dB").arg(*threshold).toStdString();
    for (const vrd::Interval& run : runs)
        marks.push_back({vrd::MarkKind::Source, run, reason});
    const std::optional<QString> refused =
        analysis_.SetMarks(std::move(marks), tr("mark %n run(s) above %1 dB as source", nullptr,
                                                static_cast<int>(runs.size()))
                                                 .arg(*threshold));
    if (refused)
        prompts_.ShowWarning(*refused);
    return !refused;
}

void MarkActions::RemoveCurrent() {
    const QModelIndex current = list_.currentIndex();
    if (current.isValid())
        analysis_.RemoveMark(static_cast<std::size_t>(current.row()));
}

void MarkActions::ShowMenu(const QPoint& position) {
    const QModelIndex index = list_.indexAt(position);
    if (!index.isValid())
        return;
    const auto current = static_cast<vrd::MarkKind>(index.data(MarkListModel::kKindRole).toInt());
    QMenu menu(&list_);
    for (const vrd::MarkKind kind :
         {vrd::MarkKind::Exclude, vrd::MarkKind::Source, vrd::MarkKind::Residual}) {
        QAction* action =
            menu.addAction(tr("Make it %1").arg(MarkKindText(kind, WindowLanguage())));
        action->setEnabled(kind != current);
        connect(action, &QAction::triggered, this,
                [this, row = index.row(), kind] { ChangeMarkKind(row, kind); });
    }
    menu.addSeparator();
    connect(menu.addAction(tr("Remove")), &QAction::triggered, this,
            [this, row = index.row()] { analysis_.RemoveMark(static_cast<std::size_t>(row)); });
    menu.exec(list_.viewport()->mapToGlobal(position));
}

bool MarkActions::SaveMarks() {
    const AnalysisSession& session = analysis_.Session();
    const std::optional<QString> path =
        prompts_.ChoosePath({tr("Save marks"), tr("Marks (*.txt);;All files (*)"),
                             AnalysisPrompts::SuggestedName(
                                 session, QLatin1Char(' ') + tr("marks") + QStringLiteral(".txt")),
                             true});
    if (!path || path->isEmpty())
        return false;
    const std::optional<std::string> failure =
        vrd::WriteFileSafely(LocalPath(*path), vrd::FormatMarksFile(session.AllMarks()));
    if (!failure)
        return true;
    prompts_.ShowNotWritten(*path, QString::fromStdString(*failure));
    return false;
}

bool MarkActions::LoadMarks() {
    const std::optional<QString> path = prompts_.ChoosePath(
        {tr("Load marks"), tr("Marks (*.txt);;All files (*)"), QString(), false});
    if (!path || path->isEmpty())
        return false;
    const vrd::FileRead read = vrd::ReadWholeFile(LocalPath(*path));
    if (read.failure) {
        prompts_.ShowFailure(*path, QString::fromStdString(read.failure->reason));
        return false;
    }
    vrd::MarksFileRead parsed = vrd::ParseMarksFile(read.bytes);
    if (parsed.error) {
        prompts_.ShowFailure(*path, QString::fromStdString(*parsed.error));
        return false;
    }
    const std::optional<QString> refused =
        analysis_.SetMarks(std::move(parsed.marks), tr("load the marks of %1").arg(*path));
    if (refused) {
        prompts_.ShowFailure(*path, *refused);
        return false;
    }
    const AnalysisSession& session = analysis_.Session();
    const QString outside = MarksOutsideWarning(
        vrd::MarksOutside(session.Series(), session.Settings()), WindowLanguage());
    if (!outside.isEmpty())
        prompts_.ShowWarning(outside);
    return true;
}
