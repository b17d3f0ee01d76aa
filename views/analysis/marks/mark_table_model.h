#pragma once
// The marks of the analysis as a table: kind (its colour), from, to and reason, one mark a row in
// the order
// the session keeps them (AnalysisSession::AllMarks), so that a row is the session's mark row; a
// view sorts them through a proxy, and filters them by their whole text (kTextRole). The from, the
// to and the reason are edited in place, each edit one undoable step of the analysis; an edit
// refused says why (editRefused).

#include "analysis/analysis_settings.h"

#include <QAbstractTableModel>

#include <vector>

class EditedAnalysis;

class MarkTableModel final : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum Column { Kind, From, To, Reason, kColumns };
    // The mark's kind, as an int of vrd::MarkKind.
    static constexpr int kKindRole = Qt::UserRole + 10;
    // What a column sorts by: the kind then the start, the minutes, the reason.
    static constexpr int kSortRole = Qt::UserRole + 11;
    // The mark as one text: "source 2011-05-12 08:00 – 10:00 (the fan)".
    static constexpr int kTextRole = Qt::UserRole + 12;

    explicit MarkTableModel(EditedAnalysis& analysis, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // A from or a to as the window writes a minute, or a reason; false when refused.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

  signals:
    // An edit in place was refused, for this reason.
    void editRefused(const QString& reason);

  private:
    void Follow();

    EditedAnalysis& analysis_;
    std::vector<vrd::Mark> marks_;
};
