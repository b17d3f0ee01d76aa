#pragma once
// The results window: one list per section of the report (1 minute, 5 minutes, 10 minutes,
// 1 hour, 8 hours, 16 hours, events), the site and the serial number along the bottom.
//
// A row chosen in the 1-minute list selects the rows of the 5-minute, 10-minute and 1-hour lists
// that cover the same time.

#include "report/results_window.h"
#include "views/report_rows.h"

#include <QWidget>

#include <array>

class QLabel;
class QListView;
class ReportListModel;

class frmArray final : public QWidget {
    Q_OBJECT

  public:
    explicit frmArray(QWidget* parent = nullptr);

    // The content shown; the open commands clear and replace it.
    ReportRows& Rows() { return rows_; }
    const ReportRows& Rows() const { return rows_; }

    QListView* List(vrd::ListId list) const;
    // The selected row of a list, -1 when none.
    int SelectedRow(vrd::ListId list) const;
    void SelectRow(vrd::ListId list, int row);

  private:
    void BuildLists();
    void BuildLabels();
    void List_Leq1_Click();
    void ShowLabels();

    ReportRows rows_;
    std::array<ReportListModel*, vrd::kListCount> models_{};
    std::array<QListView*, vrd::kListCount> lists_{};
    QLabel* Label_Name = nullptr;
    QLabel* Label_Serial = nullptr;
};
