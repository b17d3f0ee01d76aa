#include "views/analysis/analysis_side_panel.h"

#include "views/analysis/analysis_widgets.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

AnalysisSidePanel BuildAnalysisSidePanel(QAbstractItemModel* statistics,
                                         QAbstractItemModel* marks) {
    AnalysisSidePanel built;
    auto* panel = new QWidget;
    built.panel = panel;
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* selection = new QGroupBox(QStringLiteral("Selection"), panel);
    auto* form = new QFormLayout(selection);
    built.from = new QLineEdit(selection);
    built.from->setObjectName(QStringLiteral("SelectionFrom"));
    built.from->setPlaceholderText(QStringLiteral("yyyy-mm-dd hh:mm"));
    built.to = new QLineEdit(selection);
    built.to->setObjectName(QStringLiteral("SelectionTo"));
    built.to->setPlaceholderText(QStringLiteral("yyyy-mm-dd hh:mm"));
    form->addRow(QStringLiteral("From"), built.from);
    form->addRow(QStringLiteral("To"), built.to);
    auto* buttons = new QHBoxLayout;
    built.select = NamedButton(selection, "SelectTyped", QStringLiteral("Select"));
    built.wholePeriod = NamedButton(selection, "SelectWhole", QStringLiteral("Whole period"));
    buttons->addWidget(built.select);
    buttons->addWidget(built.wholePeriod);
    form->addRow(buttons);
    layout->addWidget(selection);

    built.statistics = AnalysisTableView(panel, "StatisticsTable", statistics);
    built.statistics->horizontalHeader()->setVisible(false);
    built.statistics->horizontalHeader()->setStretchLastSection(true);
    built.statistics->horizontalHeader()->resizeSection(0, 170);
    built.statistics->setSelectionMode(QAbstractItemView::NoSelection);
    // Every statistic at once: the table is as tall as its rows, and the exclusions take the rest.
    built.statistics->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    built.statistics->setFixedHeight(built.statistics->verticalHeader()->defaultSectionSize() *
                                         statistics->rowCount() +
                                     2 * built.statistics->frameWidth());
    layout->addWidget(built.statistics);

    auto* excluded =
        new QGroupBox(QCoreApplication::translate("AnalysisSidePanel", "Marks"), panel);
    auto* excludedLayout = new QVBoxLayout(excluded);
    built.reason = new QLineEdit(excluded);
    built.reason->setObjectName(QStringLiteral("ExclusionReason"));
    built.reason->setPlaceholderText(
        QCoreApplication::translate("AnalysisSidePanel", "reason, e.g. rain, the fan running"));
    excludedLayout->addWidget(built.reason);
    // The three kinds of mark side by side: what the selection was, in one click.
    auto* markRow = new QHBoxLayout;
    built.exclude = NamedButton(excluded, "ExcludeSelection", QStringLiteral("Exclude selection"));
    built.markSource = NamedButton(
        excluded, "MarkSource", QCoreApplication::translate("AnalysisSidePanel", "Mark as source"));
    built.markResidual =
        NamedButton(excluded, "MarkResidual",
                    QCoreApplication::translate("AnalysisSidePanel", "Mark as residual"));
    markRow->addWidget(built.exclude);
    markRow->addWidget(built.markSource);
    markRow->addWidget(built.markResidual);
    excludedLayout->addLayout(markRow);
    built.markRuns = NamedButton(
        excluded, "MarkRuns",
        QCoreApplication::translate("AnalysisSidePanel", "Mark runs above threshold as source"));
    excludedLayout->addWidget(built.markRuns, 0, Qt::AlignLeft);
    built.exclusions = new QListView(excluded);
    built.exclusions->setObjectName(QStringLiteral("ExclusionList"));
    built.exclusions->setModel(marks);
    built.exclusions->setContextMenuPolicy(Qt::CustomContextMenu);
    // A long reason wraps onto a second line instead of being cut; the tooltip holds it all.
    built.exclusions->setWordWrap(true);
    excludedLayout->addWidget(built.exclusions, 1);
    auto* listButtons = new QHBoxLayout;
    built.remove = NamedButton(excluded, "RemoveExclusion", QStringLiteral("Remove"));
    built.save = NamedButton(excluded, "SaveExclusions", QStringLiteral("Save..."));
    built.load = NamedButton(excluded, "LoadExclusions", QStringLiteral("Load..."));
    listButtons->addWidget(built.remove);
    listButtons->addWidget(built.save);
    listButtons->addWidget(built.load);
    excludedLayout->addLayout(listButtons);
    layout->addWidget(excluded, 1);
    panel->setMinimumWidth(340);
    return built;
}
