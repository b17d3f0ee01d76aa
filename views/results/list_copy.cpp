#include "views/results/list_copy.h"

#include <QAbstractItemView>
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QItemSelectionModel>

#include <algorithm>
#include <vector>

QString SelectedRowsText(const QAbstractItemView& view) {
    const QItemSelectionModel* selection = view.selectionModel();
    if (selection == nullptr)
        return {};
    // Ranges, not indexes: a whole year of selected minutes is a single range.
    std::vector<int> rows;
    for (const QItemSelectionRange& range : selection->selection())
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows.push_back(row);
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());

    const QAbstractItemModel* model = view.model();
    QString text;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i > 0)
            text += QLatin1Char('\n');
        text += model->index(rows[i], 0).data().toString();
    }
    return text;
}

QAction* AddCopyActions(QAbstractItemView& view) {
    auto* copy = new QAction(QStringLiteral("Copy"), &view);
    copy->setObjectName(QStringLiteral("CopyRows"));
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    QObject::connect(copy, &QAction::triggered, &view, [&view] {
        if (view.selectionModel() != nullptr && view.selectionModel()->hasSelection())
            QGuiApplication::clipboard()->setText(SelectedRowsText(view));
    });

    auto* selectAll = new QAction(QStringLiteral("Select all"), &view);
    selectAll->setObjectName(QStringLiteral("SelectAllRows"));
    selectAll->setShortcut(QKeySequence::SelectAll);
    selectAll->setShortcutContext(Qt::WidgetShortcut);
    QObject::connect(selectAll, &QAction::triggered, &view, &QAbstractItemView::selectAll);

    view.addAction(copy);
    view.addAction(selectAll);
    view.setContextMenuPolicy(Qt::ActionsContextMenu);
    return copy;
}
