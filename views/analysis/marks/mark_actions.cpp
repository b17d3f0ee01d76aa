#include "views/analysis/marks/mark_actions.h"

#include "analysis/exclusion_file.h"
#include "analysis/marks_outside.h"
#include "analysis/runs_above.h"
#include "export/safe_write.h"
#include "report/read_file.h"
#include "views/analysis/marks/mark_runs_dialog.h"
#include "views/analysis/marks/mark_table.h"
#include "views/analysis/marks/mark_table_model.h"
#include "views/analysis/prompts/analysis_prompts.h"
#include "views/analysis/session/edited_analysis.h"
#include "views/common/analysis_widgets.h"
#include "views/texts/core_reason_text.h"
#include "views/texts/mark_text.h"

#include <QItemSelectionModel>
#include <QLineEdit>
#include <QMenu>
#include <QTableView>

MarkActions::MarkActions(EditedAnalysis& analysis, const AnalysisPrompts& prompts,
                         QLineEdit& reason, QTableView& table, QObject* parent)
    : QObject(parent), analysis_(analysis), prompts_(prompts), reason_(reason), table_(table) {
    connect(&table_, &QWidget::customContextMenuRequested, this, &MarkActions::ShowMenu);
}

bool MarkActions::MarkSelection(vrd::MarkKind kind) {
    const AnalysisSession& session = analysis_.Session();
    const vrd::Mark mark{kind, vrd::SpanOfMinutes(session.Selection()),
                         reason_.text().trimmed().toStdString()};
    const std::optional<QString> refused = analysis_.AddMark(mark);
    if (refused) {
        prompts_.ShowWarning(*refused);
        return false;
    }
    reason_.clear();
    if (vrd::LiesOutside(mark.span, vrd::SpanOfRecords(session.Series())))
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

bool MarkActions::ChangeChosenKind(vrd::MarkKind kind) {
    const std::vector<std::size_t> rows = ChosenMarkRows(table_);
    if (rows.empty())
        return false;
    const std::optional<QString> refused = analysis_.SetMarksKind(rows, kind);
    if (refused)
        prompts_.ShowWarning(*refused);
    return !refused;
}

namespace {

std::optional<vrd::RunMarking> AskWithDialog(QWidget* window, const vrd::RunMarking& first,
                                             const MarkActions::RunsCounter& counter) {
    MarkRunsDialog dialog(first, counter, window);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Marking();
}

} // namespace

bool MarkActions::MarkRuns() {
    const AnalysisSession& session = analysis_.Session();
    const std::optional<double> threshold = session.Settings().threshold;
    if (!threshold) {
        prompts_.ShowWarning(
            tr("Set a threshold in \"Settings\" first: the runs above it become marks."));
        return false;
    }
    // The runs once; each marking typed only joins and filters them.
    const std::vector<vrd::TimeSpan> runs =
        vrd::RunsAbove(session.Series(), vrd::SpanOfMinutes(session.AnalysedPeriod()),
                       vrd::MergeExclusions(session.Exclusions()), *threshold);
    if (runs.empty()) {
        prompts_.ShowWarning(
            tr("No minute of the analysed period is above %1 dB.").arg(*threshold));
        return false;
    }
    vrd::RunMarking first;
    first.threshold = *threshold;
    const RunsCounter counter = [&runs](const vrd::RunMarking& marking) {
        return vrd::JoinRuns(runs, marking).size();
    };
    const std::optional<vrd::RunMarking> marking =
        (askRuns_ ? askRuns_ : AskWithDialog)(&prompts_.Window(), first, counter);
    if (!marking)
        return false;
    const std::vector<vrd::TimeSpan> marked = vrd::JoinRuns(runs, *marking);
    if (marked.empty())
        return false;
    std::vector<vrd::Mark> marks = session.AllMarks();
    const std::string reason = tr("above %1 dB").arg(*threshold).toStdString();
    marks.reserve(marks.size() + marked.size());
    for (const vrd::TimeSpan& run : marked)
        marks.push_back({marking->kind, run, reason});
    const std::optional<QString> refused = analysis_.SetMarks(
        std::move(marks),
        tr("mark %n run(s) above %1 dB as %2", nullptr, static_cast<int>(marked.size()))
            .arg(*threshold)
            .arg(MarkKindText(marking->kind, WindowLanguage())));
    if (refused)
        prompts_.ShowWarning(*refused);
    return !refused;
}

void MarkActions::RemoveChosen() {
    analysis_.RemoveMarks(ChosenMarkRows(table_));
}

// The menu is about the marks chosen, or the one under the pointer when it is not among them.
void MarkActions::ShowMenu(const QPoint& position) {
    const QModelIndex index = table_.indexAt(position);
    if (!index.isValid())
        return;
    if (!table_.selectionModel()->isRowSelected(index.row(), index.parent()))
        table_.selectionModel()->select(index, QItemSelectionModel::ClearAndSelect |
                                                   QItemSelectionModel::Rows);
    table_.selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    const std::vector<std::size_t> rows = ChosenMarkRows(table_);
    const auto count = static_cast<int>(rows.size());
    const auto current = static_cast<vrd::MarkKind>(index.data(MarkTableModel::kKindRole).toInt());
    QMenu menu(&table_);
    for (const vrd::MarkKind kind :
         {vrd::MarkKind::Exclude, vrd::MarkKind::Source, vrd::MarkKind::Residual}) {
        const QString kindText = MarkKindText(kind, WindowLanguage());
        QAction* action = menu.addAction(count == 1 ? tr("Make it %1").arg(kindText)
                                                    : tr("Make them %1").arg(kindText));
        action->setEnabled(count > 1 || kind != current);
        connect(action, &QAction::triggered, this, [this, rows, kind] {
            if (const std::optional<QString> refused = analysis_.SetMarksKind(rows, kind))
                prompts_.ShowWarning(*refused);
        });
    }
    menu.addSeparator();
    connect(menu.addAction(count == 1 ? tr("Remove") : tr("Remove %n mark(s)", nullptr, count)),
            &QAction::triggered, this, [this, rows] { analysis_.RemoveMarks(rows); });
    menu.exec(table_.viewport()->mapToGlobal(position));
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
        prompts_.ShowFailure(*path, FailureText(*read.failure, WindowLanguage()));
        return false;
    }
    vrd::MarksFileRead parsed = vrd::ParseMarksFile(read.bytes);
    if (parsed.error) {
        prompts_.ShowFailure(*path, parsed.problem
                                        ? MarksFileProblemText(*parsed.problem, WindowLanguage())
                                        : QString::fromStdString(*parsed.error));
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
