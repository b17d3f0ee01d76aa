#pragma once
// The rows above the analysis chart: the commands that hand the analysis in, and below them the
// choice of what the chart shows over the levels. Built here; the window connects it.

#include <QCoreApplication>

class QCheckBox;
class QComboBox;
class QPushButton;
class QToolButton;
class QWidget;

struct AnalysisCommandRow {
    Q_DECLARE_TR_FUNCTIONS(AnalysisCommandRow)

  public:
    // The texts of the buttons and boxes, in the window's language.
    void SetTexts() const;

    QWidget* row = nullptr;
    QToolButton* edit = nullptr;       // "Edit", with the window's Edit menu
    QPushButton* savePdf = nullptr;    // "Save report as PDF"
    QPushButton* print = nullptr;      // "Print..."
    QPushButton* saveTables = nullptr; // "Save tables as spreadsheet"
    QCheckBox* showSliding = nullptr;
    QComboBox* slidingLength = nullptr; // the minutes, as item data
    QCheckBox* showThreshold = nullptr;
    QCheckBox* showPeriods = nullptr;
    QCheckBox* showExclusions = nullptr;
};

AnalysisCommandRow BuildAnalysisCommandRow();
