#pragma once
// What the report asks of the chart it prints: a caption for the range it shows and the drawing
// itself. The analysis window's chart answers both, so that the paper shows what the screen does;
// the report itself draws no widget.

#include "analysis/analysis_settings.h"
#include "views/common/language.h"

#include <QString>

class QPainter;
class QRectF;

class ReportChartSource {
  public:
    virtual ~ReportChartSource() = default;

    // What the chart covers, with dates, and what its marks mean.
    virtual QString Caption(vrd::Interval analysed, bool anyExclusion, bool threshold,
                            Language language) const = 0;
    // Draws the chart into box of painter, whose device has dpi dots per inch.
    virtual void Paint(QPainter& painter, const QRectF& box, double dpi, Language language) = 0;
};
