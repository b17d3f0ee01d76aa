#include "views/common/analysis_widgets.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableView>

QPushButton* NamedButton(QWidget* parent, const char* name, const QString& text) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

QTableView* AnalysisTableView(QWidget* parent, const char* name, QAbstractItemModel* model) {
    auto* view = new QTableView(parent);
    view->setObjectName(QLatin1String(name));
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->verticalHeader()->setVisible(false);
    // Rows of one height: a year of hours scrolls without measuring each row.
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    view->horizontalHeader()->setDefaultSectionSize(110);
    // A header narrowed by the user ends in "…" instead of losing both ends; its tooltip holds it.
    view->horizontalHeader()->setTextElideMode(Qt::ElideRight);
    return view;
}

std::string LocalPath(const QString& path) {
    return path.toLocal8Bit().toStdString();
}

void FitColumnsToContents(QTableView* table) {
    // A column's texts are all of about one width, so its first rows tell it: measuring a year of
    // hours would stall.
    constexpr int kRowsMeasured = 100;
    table->horizontalHeader()->setResizeContentsPrecision(kRowsMeasured);
    QObject::connect(table->model(), &QAbstractItemModel::modelReset, table,
                     &QTableView::resizeColumnsToContents);
    table->resizeColumnsToContents();
}
