#pragma once
// The entries of the analysis chart's legend that say what the colours behind the lines mean:
// day, evening, night, source, residual, excluded and selection. Each is an empty series of the
// band's look, which draws nothing but gives the legend its swatch, so that the legend also goes
// into the PDF.

#include "analysis/assessment_rules.h"
#include "views/common/language.h"

#include <QList>

class QAreaSeries;
class QChart;
class QValueAxis;

class AnalysisBandLegend {
  public:
    AnalysisBandLegend(QChart* chart, QValueAxis* x, QValueAxis* y);

    // The entries of what the chart shows: the periods' bands, the source and residual marks, the
    // excluded periods, a selection.
    void Show(bool periods, bool sources, bool residuals, bool exclusions, bool selection);
    // Names the entries in language.
    void SetTexts(Language language);
    // With a French standard, the bands are its day and night, named with their hours, and there
    // is no evening; nullopt: the day, evening and night of the levels.
    void SetStandardDay(std::optional<vrd::ClockHours> day);

  private:
    Language language_ = Language::English;
    std::optional<vrd::ClockHours> standardDay_;
    bool periods_ = false;
    QAreaSeries* day_ = nullptr;
    QAreaSeries* evening_ = nullptr;
    QAreaSeries* night_ = nullptr;
    QAreaSeries* source_ = nullptr;
    QAreaSeries* residual_ = nullptr;
    QAreaSeries* excluded_ = nullptr;
    QAreaSeries* selection_ = nullptr;
};
