#include "views/analysis/chart/analysis_overlay.h"

#include "views/analysis/chart/analysis_chart_data.h"
#include "views/painting/analysis_band_look.h"
#include "views/painting/mark_look.h"

#include <QChart>
#include <QPainter>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

const QColor kThreshold(200, 30, 30);
// The height of the bar that marks the selection along the top of the plot, in pixels.
constexpr double kSelectionBar = 5;
// Above this many days in view the bands are left out: they would be thinner than a pixel.
constexpr double kMostBandDays = 400;

} // namespace

AnalysisOverlay::AnalysisOverlay(QChart* chart, QValueAxis* x, QValueAxis* y)
    : QGraphicsItem(chart), chart_(chart), x_(x), y_(y), legend_(chart, x, y) {
    // Above the plot's background, below the grid and the lines.
    setZValue(0.5);
    legend_.Show(false, false, false, false, false);
    Follow();
}

void AnalysisOverlay::SetContent(Content content) {
    content_ = std::move(content);
    legend_.SetStandardDay(content_.periods ? content_.standardDay : std::nullopt);
    legend_.Show(content_.periods.has_value(), !content_.sources.empty(),
                 !content_.residuals.empty(), !content_.exclusions.empty(),
                 content_.selection.has_value());
    update();
}

void AnalysisOverlay::Follow() {
    prepareGeometryChange();
    plot_ = chart_->plotArea();
    update();
}

QRectF AnalysisOverlay::boundingRect() const {
    return plot_;
}

double AnalysisOverlay::PixelX(double x) const {
    const double span = x_->max() - x_->min();
    return plot_.left() + (span > 0 ? (x - x_->min()) / span * plot_.width() : 0);
}

void AnalysisOverlay::PaintSpan(QPainter& painter, double fromX, double toX,
                                const QBrush& brush) const {
    const double left = std::max(PixelX(fromX), plot_.left());
    const double right = std::min(PixelX(toX), plot_.right());
    if (right > left)
        painter.fillRect(QRectF(left, plot_.top(), right - left, plot_.height()), brush);
}

void AnalysisOverlay::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
    if (plot_.isEmpty())
        return;
    painter->save();
    painter->setClipRect(plot_);
    const double shownFrom = x_->min();
    const double shownTo = x_->max();
    const auto x = [&](vrd::Minute minute) { return ChartX(minute, content_.origin) - 0.5; };

    if (content_.periods && (shownTo - shownFrom) / vrd::kMinutesPerDay <= kMostBandDays) {
        const vrd::Periods& p = *content_.periods;
        const vrd::Day first = vrd::DayOfMinute(MinuteAtX(shownFrom, content_.origin)) - 1;
        const vrd::Day last = vrd::DayOfMinute(MinuteAtX(shownTo, content_.origin));
        for (vrd::Day day = first; day <= last; ++day) {
            const vrd::Minute midnight = vrd::StartOfDay(day);
            if (content_.standardDay) {
                const vrd::ClockHours& hours = *content_.standardDay;
                PaintSpan(*painter, x(midnight + hours.to * vrd::kMinutesPerHour),
                          x(midnight + vrd::kMinutesPerDay + hours.from * vrd::kMinutesPerHour),
                          band_look::kNight);
                continue;
            }
            const vrd::Minute evening = midnight + p.evening * vrd::kMinutesPerHour;
            const vrd::Minute night = midnight + p.night * vrd::kMinutesPerHour;
            const vrd::Minute morning =
                midnight + vrd::kMinutesPerDay + p.day * vrd::kMinutesPerHour;
            PaintSpan(*painter, x(evening), x(night), band_look::kEvening);
            PaintSpan(*painter, x(night), x(morning), band_look::kNight);
        }
    }
    for (const auto& [marks, colour] : {std::pair(&content_.sources, mark_look::kSource),
                                        std::pair(&content_.residuals, mark_look::kResidual)})
        for (const vrd::Interval& mark : *marks)
            if (x(mark.to) >= shownFrom && x(mark.from) <= shownTo)
                PaintSpan(*painter, x(mark.from), x(mark.to), colour);
    for (const vrd::Interval& excluded : content_.exclusions) {
        if (x(excluded.to) < shownFrom || x(excluded.from) > shownTo)
            continue;
        PaintSpan(*painter, x(excluded.from), x(excluded.to), band_look::kExcludedFill);
        PaintSpan(*painter, x(excluded.from), x(excluded.to),
                  QBrush(band_look::kExcludedHatch, Qt::BDiagPattern));
    }

    if (content_.selection) {
        const double left = PixelX(x(content_.selection->from));
        const double right = PixelX(x(content_.selection->to));
        PaintSpan(*painter, x(content_.selection->from), x(content_.selection->to),
                  band_look::kSelectionFill);
        // An outline: edges at both ends and a bar along the top, over whatever band lies below.
        QPen edgePen(band_look::kSelectionEdge, band_look::kSelectionEdgeWidth);
        edgePen.setCosmetic(true);
        painter->setPen(edgePen);
        for (const double edge : {left, right})
            if (edge >= plot_.left() && edge <= plot_.right())
                painter->drawLine(QPointF(edge, plot_.top()), QPointF(edge, plot_.bottom()));
        const double barLeft = std::max(left, plot_.left());
        const double barRight = std::min(right, plot_.right());
        if (barRight > barLeft)
            painter->fillRect(QRectF(barLeft, plot_.top(), barRight - barLeft, kSelectionBar),
                              band_look::kSelectionEdge);
    }
    if (content_.threshold) {
        const double span = y_->max() - y_->min();
        if (span > 0) {
            const double y =
                plot_.bottom() - (*content_.threshold - y_->min()) / span * plot_.height();
            QPen pen(kThreshold, 1.5, Qt::DashLine);
            pen.setCosmetic(true);
            painter->setPen(pen);
            painter->drawLine(QPointF(plot_.left(), y), QPointF(plot_.right(), y));
        }
    }
    painter->restore();
}
