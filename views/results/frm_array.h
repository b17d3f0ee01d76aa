#pragma once
// The results window: one list per section of the report (1 minute, 5 minutes, 10 minutes,
// 1 hour, 8 hours, 16 hours, events), the site and the serial number along the bottom.
//
// A row chosen in the 1-minute list selects the rows of the 5-minute, 10-minute and 1-hour lists
// that cover the same time. Ctrl+C (or "Copy" in a list's context menu) copies the selected rows
// of a list; Ctrl+F opens a bar at the bottom that finds a date and time in the 1-minute list.

#include "report/results_window.h"
#include "views/results/report_rows.h"

#include <QWidget>

#include <array>

class FindBar;
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
    // Makes row the only selected row of list, and its current row.
    void SelectRow(vrd::ListId list, int row);

    // Opens the find bar.
    void OpenFind();
    // Selects the first row of the 1-minute list at or after the selected one (or after it, when
    // the last find with the same text chose it) whose date and time match text, going on from
    // the top; the other lists follow as on a click. The find bar says what came of it. False
    // when text is no date and time or nothing matches.
    bool FindMinute(const QString& text);
    FindBar* Finder() const { return findBar_; }

  private:
    void BuildLists();
    void BuildLabels();
    void BuildFind();
    void List_Leq1_Click();
    void ShowLabels();

    ReportRows rows_;
    std::array<ReportListModel*, vrd::kListCount> models_{};
    std::array<QListView*, vrd::kListCount> lists_{};
    QLabel* Label_Name = nullptr;
    QLabel* Label_Serial = nullptr;
    FindBar* findBar_ = nullptr;
    // What the last find looked for, and the row it chose.
    QString lastFind_;
    int lastFound_ = -1;
};
