#pragma once
// The analysis window's side panel: the selection typed as from and to, the statistics of the
// selection, and the exclusions with their reasons. Built here; the window connects it.

class QAbstractItemModel;
class QLineEdit;
class QListView;
class QPushButton;
class QTableView;
class QWidget;

struct AnalysisSidePanel {
    QWidget* panel = nullptr;
    QLineEdit* from = nullptr;
    QLineEdit* to = nullptr;
    QPushButton* select = nullptr;      // "Select": the period typed
    QPushButton* wholePeriod = nullptr; // "Whole period"
    QTableView* statistics = nullptr;
    QLineEdit* reason = nullptr;
    QPushButton* exclude = nullptr; // "Exclude selection"
    QListView* exclusions = nullptr;
    QPushButton* remove = nullptr;
    QPushButton* save = nullptr;
    QPushButton* load = nullptr;
};

AnalysisSidePanel BuildAnalysisSidePanel(QAbstractItemModel* statistics,
                                         QAbstractItemModel* exclusions);
