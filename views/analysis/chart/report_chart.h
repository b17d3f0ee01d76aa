#pragma once
// The analysis chart on paper: the range the window shows, drawn across the box it is given with
// lettering no smaller than kLeastPoints, and without the selection, which is a thing of the
// window; the caption says what the chart covers, with dates, and what its marks mean.

#include "analysis/analysis_settings.h"
#include "client_report/report_chart_source.h"
#include "views/common/language.h"

#include <QString>

class AnalysisChart;
class QPainter;
class QRectF;

// The time and level labels print at this size.
constexpr double kLeastChartPoints = 8;

// "1-minute levels in dB from 2011-05-12 14:00 to 2011-05-12 18:00, a part of the analysed
// period; ...": the range shown, and the marks drawn over it.
QString ReportChartCaption(const AnalysisChart& chart, vrd::Interval analysed, bool anyExclusion,
                           bool threshold, Language language);

// Draws chart into box of painter, whose device has dpi dots per inch, its texts in language.
// The chart is laid out for the box and put back as it was afterwards.
void PaintReportChart(AnalysisChart& chart, QPainter& painter, const QRectF& box, double dpi,
                      Language language);

// The window's chart as the report prints it.
class ChartForReport final : public ReportChartSource {
  public:
    explicit ChartForReport(AnalysisChart& chart) : chart_(chart) {}

    QString Caption(vrd::Interval analysed, bool anyExclusion, bool threshold,
                    Language language) const override {
        return ReportChartCaption(chart_, analysed, anyExclusion, threshold, language);
    }
    void Paint(QPainter& painter, const QRectF& box, double dpi, Language language) override {
        PaintReportChart(chart_, painter, box, dpi, language);
    }

  private:
    AnalysisChart& chart_;
};
