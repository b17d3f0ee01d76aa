#include "views/analysis/marks/mark_table.h"

#include "views/analysis/marks/mark_table_model.h"
#include "views/texts/analysis_text.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QSortFilterProxyModel>
#include <QStyle>
#include <QTableView>

#include <algorithm>

QTableView* BuildMarkTable(QWidget* parent, QAbstractItemModel* marks, QLineEdit* filter) {
    auto* sorted = new QSortFilterProxyModel(parent);
    sorted->setObjectName(QStringLiteral("SortedMarks"));
    sorted->setSourceModel(marks);
    sorted->setSortRole(MarkTableModel::kSortRole);
    // The whole mark, its kind named: "source 2011-05-12 08:00 – 10:00 (the fan)".
    sorted->setFilterRole(MarkTableModel::kTextRole);
    sorted->setFilterKeyColumn(MarkTableModel::Kind);
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
    FitMarkColumns(*view);
    return view;
}

void FitMarkColumns(QTableView& view) {
    const QFontMetrics& metrics = view.fontMetrics();
    const Language language = WindowLanguage();
    QHeaderView& header = *view.horizontalHeader();
    // The swatch, or the header's name when wider.
    const QString name = view.model()->headerData(MarkTableModel::Kind, Qt::Horizontal).toString();
    header.resizeSection(MarkTableModel::Kind,
                         std::max(view.style()->pixelMetric(QStyle::PM_SmallIconSize),
                                  metrics.horizontalAdvance(name)) +
                             metrics.height());
    const int margin = metrics.height();
    header.resizeSection(MarkTableModel::From,
                         metrics.horizontalAdvance(MinuteText(0, language)) + margin);
    // The end's time alone on the start's date, as most marks end.
    header.resizeSection(MarkTableModel::To,
                         metrics.horizontalAdvance(QStringLiteral("00:00")) + margin);
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
