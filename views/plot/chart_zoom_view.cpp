#include "views/plot/chart_zoom_view.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QRubberBand>
#include <QValueAxis>
#include <QWheelEvent>

#include <cmath>

namespace {

// A drag shorter than this many pixels is a click.
constexpr int kLeastDragPixels = 5;
// One arrow key press pans by this share of the range shown.
constexpr double kPanStep = 0.1;
// The wheel turns in steps of 1/8 degree, 15 degrees a notch.
constexpr double kWheelNotch = 120;

} // namespace

ChartZoomView::ChartZoomView(QChart* chart, QWidget* parent) : QChartView(chart, parent) {
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setRubberBand(NoRubberBand);
    band_ = new QRubberBand(QRubberBand::Rectangle, viewport());
}

void ChartZoomView::SetAxes(QValueAxis* x, QValueAxis* y) {
    x_ = x;
    y_ = y;
}

void ChartZoomView::SetLimits(AxisRange x, AxisRange y) {
    xLimits_ = x;
    yLimits_ = y;
}

AxisRange ChartZoomView::ShownX() const {
    return x_ != nullptr ? AxisRange{x_->min(), x_->max()} : xLimits_;
}

AxisRange ChartZoomView::ShownY() const {
    return y_ != nullptr ? AxisRange{y_->min(), y_->max()} : yLimits_;
}

void ChartZoomView::Show(AxisRange x, AxisRange y) {
    if (x_ == nullptr || y_ == nullptr)
        return;
    x = FitInto(x, xLimits_, kLeastMinutes);
    y = FitInto(y, yLimits_, kLeastDecibels);
    x_->setRange(x.min, x.max);
    y_->setRange(y.min, y.max);
}

void ChartZoomView::ZoomTime(double factor) {
    const AxisRange x = ShownX();
    Show(ZoomAbout(x, (x.min + x.max) / 2, factor, xLimits_, kLeastMinutes), ShownY());
}

void ChartZoomView::ResetZoom() {
    Show(xLimits_, yLimits_);
}

bool ChartZoomView::IsZoomed() const {
    return !(ShownX() == xLimits_ && ShownY() == yLimits_);
}

QRectF ChartZoomView::PlotRect() const {
    const QRectF plot = chart()->plotArea();
    return QRectF(mapFromScene(chart()->mapToScene(plot.topLeft())),
                  mapFromScene(chart()->mapToScene(plot.bottomRight())));
}

QPointF ChartZoomView::ValueAt(QPointF viewportPos) const {
    const QRectF plot = PlotRect();
    return {ValueAtPixel(ShownX(), plot.left(), plot.right(), viewportPos.x()),
            ValueAtPixel(ShownY(), plot.bottom(), plot.top(), viewportPos.y())};
}

void ChartZoomView::wheelEvent(QWheelEvent* event) {
    const QPointF at = ValueAt(event->position());
    const double notches = event->angleDelta().y() / kWheelNotch;
    const double sideways = event->angleDelta().x() / kWheelNotch;
    if (notches == 0 && sideways == 0) {
        event->ignore();
        return;
    }
    const double factor = std::pow(kZoomStep, notches);
    AxisRange x = ShownX();
    AxisRange y = ShownY();
    if (event->modifiers() & Qt::ControlModifier)
        y = ZoomAbout(y, at.y(), factor, yLimits_, kLeastDecibels);
    else if (notches != 0)
        x = ZoomAbout(x, at.x(), factor, xLimits_, kLeastMinutes);
    if (sideways != 0)
        x = PanBy(x, -sideways * kPanStep * x.Span(), xLimits_);
    Show(x, y);
    event->accept();
}

void ChartZoomView::mousePressEvent(QMouseEvent* event) {
    const bool inPlot = PlotRect().contains(event->position());
    const bool pan =
        event->button() == Qt::MiddleButton ||
        (event->button() == Qt::LeftButton && (event->modifiers() & Qt::ShiftModifier));
    if (inPlot && (pan || event->button() == Qt::LeftButton)) {
        setFocus(Qt::MouseFocusReason);
        const bool zoomBox = !selectTime_ || (event->modifiers() & Qt::ControlModifier);
        drag_ = pan ? Drag::Pan : zoomBox ? Drag::Rectangle : Drag::TimeSpan;
        dragStart_ = event->position().toPoint();
        dragX_ = ShownX();
        dragY_ = ShownY();
        if (pan) {
            viewport()->setCursor(Qt::ClosedHandCursor);
        } else {
            band_->setGeometry(QRect(dragStart_, QSize()));
            band_->show();
        }
        event->accept();
        return;
    }
    QChartView::mousePressEvent(event);
}

void ChartZoomView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    switch (drag_) {
    case Drag::Rectangle:
        band_->setGeometry(
            QRect(dragStart_, at).normalized().intersected(PlotRect().toAlignedRect()));
        break;
    case Drag::TimeSpan: {
        // The whole height of the plot: only the times count.
        const QRect plot = PlotRect().toAlignedRect();
        band_->setGeometry(QRect(QPoint(dragStart_.x(), plot.top()), QPoint(at.x(), plot.bottom()))
                               .normalized()
                               .intersected(plot));
        break;
    }
    case Drag::Pan: {
        const QRectF plot = PlotRect();
        if (plot.width() > 0 && plot.height() > 0) {
            const QPoint moved = at - dragStart_;
            Show(PanBy(dragX_, -moved.x() * dragX_.Span() / plot.width(), xLimits_),
                 PanBy(dragY_, moved.y() * dragY_.Span() / plot.height(), yLimits_));
        }
        break;
    }
    case Drag::None:
        break;
    }
    ReportPointer(event->position());
    QChartView::mouseMoveEvent(event);
}

void ChartZoomView::mouseReleaseEvent(QMouseEvent* event) {
    if (drag_ == Drag::None) {
        QChartView::mouseReleaseEvent(event);
        return;
    }
    if (drag_ == Drag::Rectangle) {
        band_->hide();
        ZoomRectangle(band_->geometry());
    }
    if (drag_ == Drag::TimeSpan) {
        band_->hide();
        const QRect pixels = band_->geometry();
        const QRectF plot = PlotRect();
        if (pixels.width() >= kLeastDragPixels)
            emit timeSpanSelected(
                ValueAtPixel(dragX_, plot.left(), plot.right(), pixels.left()),
                ValueAtPixel(dragX_, plot.left(), plot.right(), pixels.right() + 1));
    }
    drag_ = Drag::None;
    viewport()->unsetCursor();
    event->accept();
}

void ChartZoomView::ZoomRectangle(const QRect& pixels) {
    if (pixels.width() < kLeastDragPixels)
        return;
    const QRectF plot = PlotRect();
    const AxisRange x{ValueAtPixel(dragX_, plot.left(), plot.right(), pixels.left()),
                      ValueAtPixel(dragX_, plot.left(), plot.right(), pixels.right() + 1)};
    AxisRange y = dragY_;
    if (pixels.height() >= kLeastDragPixels) {
        y = {ValueAtPixel(dragY_, plot.bottom(), plot.top(), pixels.bottom() + 1),
             ValueAtPixel(dragY_, plot.bottom(), plot.top(), pixels.top())};
        if (boxLevelStep_ > 0)
            y = RoundedOutward(y, boxLevelStep_);
    }
    Show(x, y);
}

void ChartZoomView::keyPressEvent(QKeyEvent* event) {
    const AxisRange x = ShownX();
    const AxisRange y = ShownY();
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right: {
        const double step = kPanStep * x.Span() * (event->key() == Qt::Key_Left ? -1 : 1);
        Show(PanBy(x, step, xLimits_), y);
        break;
    }
    case Qt::Key_Up:
    case Qt::Key_Down: {
        const double step = kPanStep * y.Span() * (event->key() == Qt::Key_Down ? -1 : 1);
        Show(x, PanBy(y, step, yLimits_));
        break;
    }
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        ZoomTime(kZoomStep);
        break;
    case Qt::Key_Minus:
        ZoomTime(1 / kZoomStep);
        break;
    case Qt::Key_Escape:
        if (drag_ != Drag::None) {
            band_->hide();
            drag_ = Drag::None;
            viewport()->unsetCursor();
            break;
        }
        ResetZoom();
        break;
    case Qt::Key_Home:
        ResetZoom();
        break;
    default:
        QChartView::keyPressEvent(event);
        return;
    }
    event->accept();
}

void ChartZoomView::ReportPointer(QPointF viewportPos) {
    if (PlotRect().contains(viewportPos)) {
        viewport()->setCursor(drag_ == Drag::Pan ? Qt::ClosedHandCursor : Qt::CrossCursor);
        emit pointed(ValueAt(viewportPos));
    } else {
        if (drag_ == Drag::None)
            viewport()->unsetCursor();
        emit pointingEnded();
    }
}

void ChartZoomView::leaveEvent(QEvent* event) {
    emit pointingEnded();
    QChartView::leaveEvent(event);
}

void ChartZoomView::contextMenuEvent(QContextMenuEvent* event) {
    if (actions().isEmpty()) {
        QChartView::contextMenuEvent(event);
        return;
    }
    QMenu::exec(actions(), event->globalPos(), nullptr, this);
    event->accept();
}
