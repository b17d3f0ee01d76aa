#pragma once
// Draws the carpet with its axes: the dates down the left, the hours of the day along the
// bottom, the day, evening and night boundaries as vertical lines, and the colour scale in dB on
// the right; over the cells the source and residual marks, tinted and outlined in the chart's
// colours, and the selection. The window and the report draw it alike.

#include "analysis/analysis_settings.h"
#include "analysis/assess.h"
#include "analysis/assessment_rules.h"
#include "views/common/language.h"
#include "views/painting/carpet_image.h"

#include <QFont>
#include <QImage>
#include <QRectF>

#include <optional>
#include <vector>

class QPainter;

struct CarpetPicture {
    QImage image; // CarpetImage
    CarpetScale scale;
    vrd::Day firstDate = 0;
    vrd::Periods periods;
    std::optional<vrd::Interval> selection; // outlined when given
    std::vector<vrd::Interval> sources;     // the marks shown over the cells
    std::vector<vrd::Interval> residuals;
    // With a French standard, its day (and the night around it) as solid lines, named above.
    std::optional<vrd::ClockHours> standardDay;
};

// The day of the French standard assessed by, whose periods the charts show; nullopt without one.
std::optional<vrd::ClockHours>
StandardDayShown(const std::optional<vrd::AssessmentSettings>& assessment);

// Where the cells go within area, leaving room for labels in font.
QRectF CarpetCellArea(const QRectF& area, const QFont& font);

// The dates are written as language writes them.
void PaintCarpet(QPainter& painter, const QRectF& area, const CarpetPicture& picture,
                 Language language);
