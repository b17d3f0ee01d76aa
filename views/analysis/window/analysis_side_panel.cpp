#include "views/analysis/window/analysis_side_panel.h"

#include "views/analysis/marks/mark_table.h"
#include "views/common/analysis_widgets.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

AnalysisSidePanel BuildAnalysisSidePanel(QAbstractItemModel* statistics,
                                         QAbstractItemModel* marks) {
    AnalysisSidePanel built;
    auto* panel = new QWidget;
    built.panel = panel;
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* selection = new QGroupBox(panel);
    built.selection = selection;
    auto* form = new QFormLayout(selection);
    built.from = new QLineEdit(selection);
    built.from->setObjectName(QStringLiteral("SelectionFrom"));
    built.to = new QLineEdit(selection);
    built.to->setObjectName(QStringLiteral("SelectionTo"));
    built.fromLabel = new QLabel(selection);
    built.toLabel = new QLabel(selection);
    form->addRow(built.fromLabel, built.from);
    form->addRow(built.toLabel, built.to);
    auto* buttons = new QHBoxLayout;
    built.select = NamedButton(selection, "SelectTyped", QString());
    built.wholePeriod = NamedButton(selection, "SelectWhole", QString());
    buttons->addWidget(built.select);
    buttons->addWidget(built.wholePeriod);
    form->addRow(buttons);
    layout->addWidget(selection);

    built.statistics = AnalysisTableView(panel, "StatisticsTable", statistics);
    built.statistics->horizontalHeader()->setVisible(false);
    built.statistics->horizontalHeader()->setStretchLastSection(true);
    built.statistics->horizontalHeader()->resizeSection(0, 170);
    built.statistics->setSelectionMode(QAbstractItemView::NoSelection);
    // Every statistic at once: the table is as tall as its rows, which the WHO source adds to,
    // and the exclusions take the rest.
    built.statistics->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const auto fitRows = [view = built.statistics, statistics] {
        view->setFixedHeight(view->verticalHeader()->defaultSectionSize() * statistics->rowCount() +
                             2 * view->frameWidth());
    };
    fitRows();
    QObject::connect(statistics, &QAbstractItemModel::modelReset, built.statistics, fitRows);
    layout->addWidget(built.statistics);

    auto* excluded = new QGroupBox(panel);
    built.excluded = excluded;
    auto* excludedLayout = new QVBoxLayout(excluded);
    built.reason = new QLineEdit(excluded);
    built.reason->setObjectName(QStringLiteral("ExclusionReason"));
    excludedLayout->addWidget(built.reason);
    // The three kinds of mark side by side: what the selection was, in one click.
    auto* markRow = new QHBoxLayout;
    built.exclude = NamedButton(excluded, "ExcludeSelection", QString());
    built.markSource = NamedButton(excluded, "MarkSource", QString());
    built.markResidual = NamedButton(excluded, "MarkResidual", QString());
    markRow->addWidget(built.exclude);
    markRow->addWidget(built.markSource);
    markRow->addWidget(built.markResidual);
    excludedLayout->addLayout(markRow);
    // The runs, and beside them the undo of a marking gone wrong.
    auto* runsRow = new QHBoxLayout;
    built.markRuns = NamedButton(excluded, "MarkRuns", QString());
    runsRow->addWidget(built.markRuns);
    runsRow->addStretch(1);
    for (QToolButton** button : {&built.undo, &built.redo}) {
        *button = new QToolButton(excluded);
        (*button)->setToolButtonStyle(Qt::ToolButtonIconOnly);
        runsRow->addWidget(*button);
    }
    built.undo->setObjectName(QStringLiteral("UndoButton"));
    built.redo->setObjectName(QStringLiteral("RedoButton"));
    excludedLayout->addLayout(runsRow);
    built.filter = new QLineEdit(excluded);
    built.filter->setObjectName(QStringLiteral("MarkFilter"));
    built.filter->setClearButtonEnabled(true);
    excludedLayout->addWidget(built.filter);
    // A long reason is cut at the column's end; its tooltip holds the whole mark.
    built.exclusions = BuildMarkTable(excluded, marks, built.filter);
    excludedLayout->addWidget(built.exclusions, 1);
    auto* listButtons = new QHBoxLayout;
    built.remove = NamedButton(excluded, "RemoveExclusion", QString());
    built.save = NamedButton(excluded, "SaveExclusions", QString());
    built.load = NamedButton(excluded, "LoadExclusions", QString());
    listButtons->addWidget(built.remove);
    listButtons->addWidget(built.save);
    listButtons->addWidget(built.load);
    excludedLayout->addLayout(listButtons);
    layout->addWidget(excluded, 1);
    // The four columns of the marks with a reason readable beside them.
    panel->setMinimumWidth(340);
    built.SetTexts();
    return built;
}

void AnalysisSidePanel::SetTexts() const {
    selection->setTitle(tr("Selection"));
    fromLabel->setText(tr("From"));
    toLabel->setText(tr("To"));
    // Either way of writing a minute is read; the placeholder shows the language's own.
    const QString typed = tr("yyyy-mm-dd hh:mm");
    from->setPlaceholderText(typed);
    to->setPlaceholderText(typed);
    select->setText(tr("Select"));
    wholePeriod->setText(tr("Whole period"));
    excluded->setTitle(tr("Marks"));
    reason->setPlaceholderText(tr("reason, e.g. rain, the fan running"));
    exclude->setText(tr("Exclude selection"));
    markSource->setText(tr("Mark as source"));
    markResidual->setText(tr("Mark as residual"));
    markRuns->setText(tr("Mark runs above threshold..."));
    filter->setPlaceholderText(tr("filter by kind, time or reason"));
    remove->setText(tr("Remove"));
    save->setText(tr("Save..."));
    load->setText(tr("Load..."));
}
