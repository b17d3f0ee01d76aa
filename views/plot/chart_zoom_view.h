#pragma once
// The chart control of the chart window, with the zoom and pan users expect of a plot:
//   - the mouse wheel zooms the time axis about the pointer, with Ctrl the level axis;
//   - dragging a rectangle with the left button zooms into it (a flat one: into its times only);
//   - dragging with the middle button, or with Shift and the left button, pans;
//   - the arrow keys pan, + and - zoom, Home and Escape show the whole report again.
// With time selection on (the analysis window), a left drag selects a span of time instead, and
// Ctrl with a left drag zooms into a box.
// Zooming out stops at the whole report. The view also says where the pointer is, in axis
// values, for the read-out.

#include "views/plot/chart_zoom.h"

#include <QChartView>
#include <QPoint>

class QRubberBand;
class QValueAxis;

class ChartZoomView final : public QChartView {
    Q_OBJECT

  public:
    // Narrowest ranges: ten minutes, four decibels.
    static constexpr double kLeastMinutes = 10;
    static constexpr double kLeastDecibels = 4;
    // One wheel step or key press shows this share of the range before.
    static constexpr double kZoomStep = 0.8;

    ChartZoomView(QChart* chart, QWidget* parent = nullptr);

    // The axes zoomed: x the time axis, y the level axis.
    void SetAxes(QValueAxis* x, QValueAxis* y);
    // The ranges of the whole report, which Reset shows and zooming out never passes.
    void SetLimits(AxisRange x, AxisRange y);

    AxisRange ShownX() const;
    AxisRange ShownY() const;
    // Shows the ranges given, fitted into the limits.
    void Show(AxisRange x, AxisRange y);
    void ZoomTime(double factor);
    void ResetZoom();
    bool IsZoomed() const;
    void SetTimeSelection(bool on) { selectTime_ = on; }
    // With a step (the analysis window), a box zoom widens its level range to whole multiples of
    // it, so that the ticks fall on round levels; without (0), the box is shown as drawn.
    void SetBoxLevelStep(double step) { boxLevelStep_ = step; }

  signals:
    // The pointer is over the plot at these axis values.
    void pointed(QPointF value);
    // The pointer has left the plot.
    void pointingEnded();
    // A left drag with time selection on has selected [from, to), in time-axis values.
    void timeSpanSelected(double from, double to);

  protected:
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    enum class Drag { None, Rectangle, Pan, TimeSpan };

    // The plot area in viewport pixels.
    QRectF PlotRect() const;
    QPointF ValueAt(QPointF viewportPos) const;
    void ZoomRectangle(const QRect& pixels);
    void ReportPointer(QPointF viewportPos);

    QValueAxis* x_ = nullptr;
    QValueAxis* y_ = nullptr;
    AxisRange xLimits_{0, 1};
    AxisRange yLimits_{0, 1};
    Drag drag_ = Drag::None;
    QPoint dragStart_;
    AxisRange dragX_;
    AxisRange dragY_;
    QRubberBand* band_ = nullptr;
    bool selectTime_ = false;
    double boxLevelStep_ = 0;
};
