#pragma once
// One list of the results window as a Qt model: the rows of one section of the committed report.
// The seven lists are seven instances over the same ReportRows.

#include "views/results/report_rows.h"

#include <QAbstractListModel>

class ReportListModel final : public QAbstractListModel {
    Q_OBJECT

  public:
    ReportListModel(const ReportRows& rows, vrd::ListId section, QObject* parent = nullptr);

    vrd::ListId Section() const { return section_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  private:
    const ReportRows& rows_;
    const vrd::ListId section_;
};
