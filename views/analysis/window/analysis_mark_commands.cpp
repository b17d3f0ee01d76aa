#include "views/analysis/window/frm_analysis.h"

#include "analysis/runs_above.h"
#include "views/analysis/marks/mark_list_model.h"
#include "views/texts/mark_text.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

// The analysis window's commands that mark periods: the selection as excluded, source or
// residual, the runs above the threshold as sources, and a mark's kind changed from the list.

bool frmAnalysis::Confirm(const QString& question, const QString& goOn) {
    if (confirm_)
        return confirm_(this, question, goOn);
    QMessageBox box(QMessageBox::Question, windowTitle(), question, QMessageBox::Cancel, this);
    const QAbstractButton* go = box.addButton(goOn, QMessageBox::AcceptRole);
    box.setDefaultButton(QMessageBox::Cancel);
    box.exec();
    return box.clickedButton() == go;
}

bool frmAnalysis::MarkSelection(vrd::MarkKind kind) {
    const std::optional<QString> refused =
        session_.AddMark({kind, session_.Selection(), reason_->text().trimmed().toStdString()});
    if (refused) {
        ShowWarning(*refused);
        return false;
    }
    reason_->clear();
    return true;
}

bool frmAnalysis::ChangeMarkKind(int row, vrd::MarkKind kind) {
    if (row < 0)
        return false;
    const std::optional<QString> refused =
        session_.SetMarkKind(static_cast<std::size_t>(row), kind);
    if (refused)
        ShowWarning(*refused);
    return !refused;
}

bool frmAnalysis::MarkRunsAsSource() {
    const std::optional<double> threshold = session_.Settings().threshold;
    if (!threshold) {
        ShowWarning(tr("Set a threshold in \"Settings\" first: the runs above it become sources."));
        return false;
    }
    const std::vector<vrd::Interval> runs = vrd::RunsAbove(
        session_.Series(), session_.AnalysedPeriod(), session_.ExcludedIntervals(), *threshold);
    if (runs.empty()) {
        ShowWarning(tr("No minute of the analysed period is above %1 dB.").arg(*threshold));
        return false;
    }
    const QString question = tr("Mark %n run(s) of minutes above %1 dB as source?", nullptr,
                                static_cast<int>(runs.size()))
                                 .arg(*threshold);
    if (!Confirm(question, tr("Mark as source")))
        return false;
    std::vector<vrd::Mark> marks = session_.AllMarks();
    const std::string reason = tr("above %1 dB").arg(*threshold).toStdString();
    for (const vrd::Interval& run : runs)
        marks.push_back({vrd::MarkKind::Source, run, reason});
    const std::optional<QString> refused = session_.SetMarks(std::move(marks));
    if (refused)
        ShowWarning(*refused);
    return !refused;
}

void frmAnalysis::ShowMarkMenu(const QPoint& position) {
    const QModelIndex index = exclusionsView_->indexAt(position);
    if (!index.isValid())
        return;
    const auto current = static_cast<vrd::MarkKind>(index.data(MarkListModel::kKindRole).toInt());
    QMenu menu(this);
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
            [this, row = index.row()] { session_.RemoveMark(static_cast<std::size_t>(row)); });
    menu.exec(exclusionsView_->viewport()->mapToGlobal(position));
}
