#pragma once
// The analysis window's "Settings" tab: the threshold of the exceedance, the hours that start the
// day, evening and night, their penalties, and the minimum coverage of a figure. The boxes show
// what the session holds and apply every change to it at once.

#include <QWidget>

class AnalysisSession;
class QCheckBox;
class QDoubleSpinBox;
class QSpinBox;

class AnalysisSettingsTab final : public QWidget {
    Q_OBJECT

  public:
    explicit AnalysisSettingsTab(AnalysisSession& session, QWidget* parent = nullptr);

    // Sets the boxes to the session's settings without applying them back.
    void ShowSettings();

  private:
    void ApplySettings();

    AnalysisSession& session_;
    QCheckBox* thresholdOn_ = nullptr;
    QDoubleSpinBox* threshold_ = nullptr;
    QSpinBox* day_ = nullptr;
    QSpinBox* evening_ = nullptr;
    QSpinBox* night_ = nullptr;
    QDoubleSpinBox* eveningPenalty_ = nullptr;
    QDoubleSpinBox* nightPenalty_ = nullptr;
    QSpinBox* minimumCoverage_ = nullptr;
};
