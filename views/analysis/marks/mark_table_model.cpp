#include "views/analysis/marks/mark_table_model.h"

#include "views/analysis/session/analysis_table_models.h"
#include "views/analysis/session/edited_analysis.h"
#include "views/painting/mark_look.h"
#include "views/texts/analysis_text.h"
#include "views/texts/mark_text.h"

#include <algorithm>

MarkTableModel::MarkTableModel(EditedAnalysis& analysis, QObject* parent)
    : QAbstractTableModel(parent), analysis_(analysis), marks_(analysis.Session().AllMarks()) {
    connect(&analysis_.Session(), &AnalysisSession::marksChanged, this, &MarkTableModel::Follow);
}

// Marks of the same kinds row by row are the same marks changed in place: the views keep what
// they selected. Any other change is a new list.
void MarkTableModel::Follow() {
    std::vector<vrd::Mark> marks = analysis_.Session().AllMarks();
    const bool sameRows =
        marks.size() == marks_.size() &&
        std::equal(marks.begin(), marks.end(), marks_.begin(),
                   [](const vrd::Mark& a, const vrd::Mark& b) { return a.kind == b.kind; });
    if (!sameRows) {
        beginResetModel();
        marks_ = std::move(marks);
        endResetModel();
        return;
    }
    marks_ = std::move(marks);
    if (!marks_.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, kColumns - 1));
}

int MarkTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(marks_.size());
}

int MarkTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant MarkTableModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const vrd::Mark& mark = marks_.at(static_cast<std::size_t>(index.row()));
    const Language language = WindowLanguage();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        switch (index.column()) {
        case Kind:
            // The swatch says it, the tooltip names it: the room is the reason's.
            return role == Qt::EditRole ? MarkKindText(mark.kind, language) : QString();
        case From:
            return TimeText(mark.span.start, language);
        case To: {
            // Shown as the interval is written: the end's date only when it is another day; the
            // whole time to edit.
            const QString to = TimeText(mark.span.end, language);
            return role == Qt::DisplayRole &&
                           vrd::DayOfMinute(vrd::MinuteOfMillis(mark.span.end)) ==
                               vrd::DayOfMinute(vrd::MinuteOfMillis(mark.span.start))
                       ? to.mid(11)
                       : to;
        }
        default:
            return QString::fromStdString(mark.reason);
        }
    case Qt::ToolTipRole:
    case kTextRole:
        return MarkText(mark, language);
    case Qt::DecorationRole:
        return index.column() == Kind ? QVariant(mark_look::Swatch(mark.kind)) : QVariant();
    case kKindRole:
        return static_cast<int>(mark.kind);
    // The window's periods are minutes: those whose start the mark holds.
    case kPeriodStartRole:
        return static_cast<qlonglong>(vrd::MinutesStartingIn(mark.span).from);
    case kPeriodEndRole:
        return static_cast<qlonglong>(vrd::MinutesStartingIn(mark.span).to);
    case kSortRole:
        switch (index.column()) {
        case Kind:
            // The kinds apart, each in time order: a time in milliseconds is far below 2^60.
            return static_cast<qlonglong>(mark.kind) * (qlonglong(1) << 60) + mark.span.start;
        case From:
            return static_cast<qlonglong>(mark.span.start);
        case To:
            return static_cast<qlonglong>(mark.span.end);
        default:
            return QString::fromStdString(mark.reason).toCaseFolded();
        }
    default:
        return {};
    }
}

QVariant MarkTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    switch (section) {
    case Kind:
        return tr("Kind");
    case From:
        return tr("From");
    case To:
        return tr("To");
    case Reason:
        return tr("Reason");
    default:
        return {};
    }
}

Qt::ItemFlags MarkTableModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() != Kind)
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool MarkTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole ||
        !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid) ||
        index.column() == Kind)
        return false;
    const auto row = static_cast<std::size_t>(index.row());
    const vrd::Mark& mark = marks_.at(row);
    vrd::TimeSpan span = mark.span;
    std::string reason = mark.reason;
    const QString text = value.toString().trimmed();
    if (index.column() == Reason) {
        reason = text.toStdString();
    } else {
        const std::optional<vrd::Millis> time = ParseTimeText(text);
        if (!time) {
            emit editRefused(
                tr("\"%1\" is not a time: write it yyyy-mm-dd hh:mm or hh:mm:ss.").arg(text));
            return false;
        }
        (index.column() == From ? span.start : span.end) = *time;
    }
    if (const std::optional<QString> refused = analysis_.EditMark(row, span, reason)) {
        emit editRefused(*refused);
        return false;
    }
    return true;
}
