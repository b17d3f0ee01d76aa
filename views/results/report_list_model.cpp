#include "views/results/report_list_model.h"

ReportListModel::ReportListModel(const ReportRows& rows, vrd::ListId section, QObject* parent)
    : QAbstractListModel(parent), rows_(rows), section_(section) {
    // Lists change only as a whole (cleared, or replaced by a finished load), so a reset is the
    // cheapest notice for a view, whatever the length.
    connect(&rows_, &ReportRows::listAboutToChange, this, [this](vrd::ListId list) {
        if (list == section_)
            beginResetModel();
    });
    connect(&rows_, &ReportRows::listChanged, this, [this](vrd::ListId list) {
        if (list == section_)
            endResetModel();
    });
}

int ReportListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_.RowCount(section_);
}

QVariant ReportListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole ||
        !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    return rows_.RowText(section_, index.row());
}
