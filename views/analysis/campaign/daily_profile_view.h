#pragma once
// The analysis window's "Daily profile" view: the hourly Leq of each hour of the day across the
// dates of the analysed period, following every change of the analysis.

#include "analysis/daily_profile.h"

#include <QWidget>

class AnalysisSession;

class DailyProfileView final : public QWidget {
    Q_OBJECT

  public:
    explicit DailyProfileView(const AnalysisSession& session, QWidget* parent = nullptr);

    const vrd::DailyProfile& Profile() const { return profile_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const AnalysisSession& session_;
    vrd::DailyProfile profile_;
};
