#pragma once
// The analysis window's side panel: the selection typed as from and to, the statistics of the
// selection, and the marks (exclusions, source and residual periods) with their reasons. Built
// here; the window connects it.

#include <QCoreApplication>

class QAbstractItemModel;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class QTableView;
class QWidget;

struct AnalysisSidePanel {
    Q_DECLARE_TR_FUNCTIONS(AnalysisSidePanel)

  public:
    // The texts of the panel, in the window's language.
    void SetTexts() const;

    QWidget* panel = nullptr;
    QGroupBox* selection = nullptr;
    QLabel* fromLabel = nullptr;
    QLabel* toLabel = nullptr;
    QLineEdit* from = nullptr;
    QLineEdit* to = nullptr;
    QPushButton* select = nullptr;      // "Select": the period typed
    QPushButton* wholePeriod = nullptr; // "Whole period"
    QTableView* statistics = nullptr;
    QGroupBox* excluded = nullptr;
    QLineEdit* reason = nullptr;
    QPushButton* exclude = nullptr;      // "Exclude selection"
    QPushButton* markSource = nullptr;   // "Mark as source"
    QPushButton* markResidual = nullptr; // "Mark as residual"
    QPushButton* markRuns = nullptr;     // the runs above the threshold, as asked
    QToolButton* undo = nullptr;         // the Edit menu's undo and redo, named in their tooltips
    QToolButton* redo = nullptr;
    QLineEdit* filter = nullptr;      // what the marks table shows
    QTableView* exclusions = nullptr; // the marks, with a menu to change a kind
    QPushButton* remove = nullptr;
    QPushButton* save = nullptr;
    QPushButton* load = nullptr;
};

AnalysisSidePanel BuildAnalysisSidePanel(QAbstractItemModel* statistics, QAbstractItemModel* marks);
