#include "views/analysis/report_chart.h"

#include "views/analysis/analysis_chart.h"
#include "views/analysis/analysis_overlay.h"
#include "views/analysis/analysis_report_text.h"
#include "views/plot/chart_zoom_view.h"

#include <QAbstractAxis>
#include <QChart>
#include <QCoreApplication>
#include <QGraphicsLayout>
#include <QLegend>

#include <cmath>
#include <optional>
#include <vector>

namespace {

// The chart is laid out at this many times the box's size in screen pixels, its lettering as
// much larger: what Qt Charts keeps in pixels (the room between time labels, the margins) takes
// a smaller share of the page, and the time labels keep the room they need at kLeastChartPoints.
constexpr double kPaperZoom = 2;
constexpr double kTitlePoints = 9;

AnalysisOverlay* OverlayOf(QChart* chart) {
    for (QGraphicsItem* item : chart->childItems())
        if (auto* overlay = dynamic_cast<AnalysisOverlay*>(item))
            return overlay;
    return nullptr;
}

// font at points on paper.
QFont OnPaper(QFont font, double points) {
    font.setPointSizeF(points * kPaperZoom);
    return font;
}

// The chart made ready for paper for as long as this lives, and put back as it was after: laid
// out at the size given, with the lettering of paper, no room around its background, and no
// selection drawn.
class ChartOnPaper {
  public:
    ChartOnPaper(AnalysisChart& chart, QSizeF size)
        : chart_(chart), qchart_(chart.Chart()), overlay_(OverlayOf(qchart_)),
          size_(qchart_->size()), legendFont_(qchart_->legend()->font()) {
        for (QAbstractAxis* axis : qchart_->axes()) {
            axes_.push_back({axis, axis->labelsFont(), axis->titleFont()});
            axis->setLabelsFont(OnPaper(axis->labelsFont(), kLeastChartPoints));
            axis->setTitleFont(OnPaper(axis->titleFont(), kTitlePoints));
        }
        qchart_->legend()->setFont(OnPaper(legendFont_, kTitlePoints));
        if (QGraphicsLayout* layout = qchart_->layout()) {
            layout->getContentsMargins(&margins_[0], &margins_[1], &margins_[2], &margins_[3]);
            layout->setContentsMargins(0, 0, 0, 0);
        }
        if (overlay_ != nullptr) {
            content_ = overlay_->Shown();
            AnalysisOverlay::Content plain = *content_;
            plain.selection.reset();
            overlay_->SetContent(std::move(plain));
        }
        Resize(size);
    }

    ~ChartOnPaper() {
        qchart_->legend()->setFont(legendFont_);
        for (const Axis& axis : axes_) {
            axis.axis->setLabelsFont(axis.labels);
            axis.axis->setTitleFont(axis.title);
        }
        if (QGraphicsLayout* layout = qchart_->layout())
            layout->setContentsMargins(margins_[0], margins_[1], margins_[2], margins_[3]);
        if (overlay_ != nullptr && content_)
            overlay_->SetContent(std::move(*content_));
        Resize(size_);
    }

    ChartOnPaper(const ChartOnPaper&) = delete;
    ChartOnPaper& operator=(const ChartOnPaper&) = delete;

  private:
    struct Axis {
        QAbstractAxis* axis;
        QFont labels;
        QFont title;
    };

    // Lays the chart out at once, as the window's event loop would: the legend and the axes are
    // laid out on events posted to the chart, its legend and its scene (and to nothing else, as
    // this may run inside a print preview's paint). Then draws the lines for the new width.
    void Resize(QSizeF size) {
        qchart_->resize(size);
        LayOutNow();
        chart_.Redraw();
        LayOutNow();
    }

    void LayOutNow() {
        for (QObject* receiver :
             {static_cast<QObject*>(qchart_->scene()), static_cast<QObject*>(qchart_),
              static_cast<QObject*>(qchart_->legend())})
            QCoreApplication::sendPostedEvents(receiver);
    }

    AnalysisChart& chart_;
    QChart* qchart_;
    AnalysisOverlay* overlay_;
    QSizeF size_;
    QFont legendFont_;
    qreal margins_[4] = {0, 0, 0, 0};
    std::vector<Axis> axes_;
    std::optional<AnalysisOverlay::Content> content_;
};

} // namespace

QString ReportChartCaption(const AnalysisChart& chart, vrd::Interval analysed, bool anyExclusion,
                           bool threshold) {
    const AxisRange shown = chart.View()->ShownX();
    const vrd::Minute from = chart.Origin() + static_cast<vrd::Minute>(std::floor(shown.min));
    const vrd::Minute to = chart.Origin() + static_cast<vrd::Minute>(std::ceil(shown.max));
    QString caption = QStringLiteral("1-minute levels in dB ");
    if (from <= analysed.from && to >= analysed.to)
        caption += QStringLiteral("over the whole analysed period, ") + PeriodText(analysed);
    else
        caption += QStringLiteral("from ") + PeriodText({from, to}) +
                   QStringLiteral(", a part of the analysed period (the figures are those of the "
                                  "whole period)");
    caption += QStringLiteral(".");
    const AnalysisChart::Overlays& overlays = chart.ShownOverlays();
    if (overlays.sliding)
        caption += QStringLiteral(" The sliding Leq over ") +
                   QString::number(overlays.slidingMinutes) +
                   QStringLiteral(" min is drawn beside them.");
    if (overlays.periods)
        caption += QStringLiteral(" Evenings are shaded yellow, nights blue.");
    if (overlays.exclusions && anyExclusion)
        caption += QStringLiteral(" Excluded periods are hatched.");
    if (overlays.threshold && threshold)
        caption += QStringLiteral(" The dashed red line is the threshold.");
    return caption;
}

void PaintReportChart(AnalysisChart& chart, QPainter& painter, const QRectF& box, double dpi) {
    const double scale = kPaperZoom * chart.logicalDpiX() / dpi;
    const ChartOnPaper paper(chart, box.size() * scale);
    chart.Render(painter, box);
}
