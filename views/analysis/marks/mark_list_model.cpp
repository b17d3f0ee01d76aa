#include "views/analysis/marks/mark_list_model.h"

#include "views/painting/mark_look.h"
#include "views/texts/mark_text.h"

MarkListModel::MarkListModel(const AnalysisSession& session, QObject* parent)
    : QAbstractListModel(parent), session_(session), marks_(session.AllMarks()) {
    QObject::connect(&session, &AnalysisSession::marksChanged, this, [this] {
        beginResetModel();
        marks_ = session_.AllMarks();
        endResetModel();
    });
}

int MarkListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(marks_.size());
}

QVariant MarkListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const vrd::Mark& mark = marks_.at(static_cast<std::size_t>(index.row()));
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return MarkText(mark, WindowLanguage());
    case Qt::DecorationRole:
        return mark_look::Swatch(mark.kind);
    case kKindRole:
        return static_cast<int>(mark.kind);
    default:
        return {};
    }
}
