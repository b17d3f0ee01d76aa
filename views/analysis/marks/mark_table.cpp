#include "views/analysis/marks/mark_table.h"

#include "views/analysis/marks/mark_table_model.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QSortFilterProxyModel>
#include <QTableView>

#include <algorithm>

QTableView* BuildMarkTable(QWidget* parent, QAbstractItemModel* marks, QLineEdit* filter) {
    auto* sorted = new QSortFilterProxyModel(parent);
    sorted->setObjectName(QStringLiteral("SortedMarks"));
    sorted->setSourceModel(marks);
    sorted->setSortRole(MarkTableModel::kSortRole);
    sorted->setFilterKeyColumn(-1);
    sorted->setFilterCaseSensitivity(Qt::CaseInsensitive);
    QObject::connect(filter, &QLineEdit::textChanged, sorted,
                     &QSortFilterProxyModel::setFilterFixedString);

    auto* view = new QTableView(parent);
    view->setObjectName(QStringLiteral("ExclusionList"));
    view->setModel(sorted);
    view->setSortingEnabled(true);
    view->sortByColumn(MarkTableModel::From, Qt::AscendingOrder);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    view->setWordWrap(false);
    view->verticalHeader()->setVisible(false);
    // Rows of one height: hundreds of marks scroll without measuring each.
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    QHeaderView& header = *view->horizontalHeader();
    header.setSectionResizeMode(QHeaderView::Interactive);
    header.setStretchLastSection(true);
    header.setTextElideMode(Qt::ElideRight);
    const int minute = view->fontMetrics().horizontalAdvance(QStringLiteral("2011-05-12 14:00  "));
    header.resizeSection(MarkTableModel::Kind,
                         view->fontMetrics().horizontalAdvance(QStringLiteral("residual")) +
                             view->fontMetrics().height() * 2);
    header.resizeSection(MarkTableModel::From, minute);
    header.resizeSection(MarkTableModel::To, minute);
    return view;
}

std::vector<std::size_t> ChosenMarkRows(const QTableView& view) {
    const auto* sorted = qobject_cast<const QSortFilterProxyModel*>(view.model());
    if (sorted == nullptr || view.selectionModel() == nullptr)
        return {};
    QModelIndexList chosen = view.selectionModel()->selectedRows();
    if (chosen.isEmpty() && view.currentIndex().isValid())
        chosen.append(view.currentIndex());
    std::vector<std::size_t> rows;
    rows.reserve(static_cast<std::size_t>(chosen.size()));
    for (const QModelIndex& index : chosen)
        rows.push_back(static_cast<std::size_t>(sorted->mapToSource(index).row()));
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}
