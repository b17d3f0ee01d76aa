#pragma once
// The marks of the analysis as a list: kind, period and reason, one mark a row, in the order the
// session keeps them (AnalysisSession::AllMarks), so that a row is the session's mark row.

#include "views/analysis/session/analysis_session.h"

#include <QAbstractListModel>

class MarkListModel final : public QAbstractListModel {
    Q_OBJECT

  public:
    // The mark's kind, as an int of vrd::MarkKind.
    static constexpr int kKindRole = Qt::UserRole + 10;

    explicit MarkListModel(const AnalysisSession& session, QObject* parent = nullptr);
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  private:
    const AnalysisSession& session_;
    std::vector<vrd::Mark> marks_;
};
