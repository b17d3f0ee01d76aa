#include "views/analysis/chart/report_chart.h"

#include "views/analysis/chart/analysis_chart.h"
#include "views/analysis/chart/analysis_overlay.h"
#include "views/plot/chart_zoom_view.h"
#include "views/texts/analysis_report_text.h"

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
// out at the size given, with the lettering of paper and the texts of the report's language, no
// room around its background, and no selection drawn.
class ChartOnPaper {
  public:
    ChartOnPaper(AnalysisChart& chart, QSizeF size, Language language)
        : chart_(chart), qchart_(chart.Chart()), overlay_(OverlayOf(qchart_)),
          size_(qchart_->size()), legendFont_(qchart_->legend()->font()),
          language_(chart.TextLanguage()) {
        chart.SetTextLanguage(language);
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
        chart_.SetTextLanguage(language_);
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
    Language language_;
    qreal margins_[4] = {0, 0, 0, 0};
    std::vector<Axis> axes_;
    std::optional<AnalysisOverlay::Content> content_;
};

} // namespace

QString ReportChartCaption(const AnalysisChart& chart, vrd::Interval analysed, bool anyExclusion,
                           bool threshold, Language language) {
    const AxisRange shown = chart.View()->ShownX();
    const vrd::Minute from = chart.Origin() + static_cast<vrd::Minute>(std::floor(shown.min));
    const vrd::Minute to = chart.Origin() + static_cast<vrd::Minute>(std::ceil(shown.max));
    const auto text = [language](const char* source) { return ReportTr(language, source); };
    QString caption;
    if (from <= analysed.from && to >= analysed.to)
        caption =
            text(QT_TRANSLATE_NOOP("AnalysisReport",
                                   "1-minute levels in dB over the whole analysed period, %1."))
                .arg(PeriodText(analysed, language));
    else
        caption = text(QT_TRANSLATE_NOOP("AnalysisReport",
                                         "1-minute levels in dB from %1, a part of the analysed "
                                         "period (the figures are those of the whole period)."))
                      .arg(PeriodText({from, to}, language));
    const AnalysisChart::Overlays& overlays = chart.ShownOverlays();
    if (overlays.sliding)
        caption += text(QT_TRANSLATE_NOOP("AnalysisReport",
                                          " The sliding Leq over %1 min is drawn beside them."))
                       .arg(QString::number(overlays.slidingMinutes));
    const std::optional<vrd::ClockHours>& standardDay = chart.ShownStandardDay();
    if (overlays.periods && standardDay)
        caption +=
            text(QT_TRANSLATE_NOOP("AnalysisReport",
                                   " The standard's nights, %1–%2, are shaded blue."))
                .arg(QStringLiteral("%1:00").arg(standardDay->to, 2, 10, QLatin1Char('0')),
                     QStringLiteral("%1:00").arg(standardDay->from, 2, 10, QLatin1Char('0')));
    else if (overlays.periods)
        caption +=
            text(QT_TRANSLATE_NOOP("AnalysisReport", " Evenings are shaded yellow, nights blue."));
    if (overlays.exclusions && anyExclusion)
        caption += text(QT_TRANSLATE_NOOP("AnalysisReport", " Excluded periods are hatched."));
    if (overlays.threshold && threshold)
        caption +=
            text(QT_TRANSLATE_NOOP("AnalysisReport", " The dashed red line is the threshold."));
    return caption;
}

void PaintReportChart(AnalysisChart& chart, QPainter& painter, const QRectF& box, double dpi,
                      Language language) {
    const double scale = kPaperZoom * chart.logicalDpiX() / dpi;
    const ChartOnPaper paper(chart, box.size() * scale, language);
    chart.Render(painter, box);
}
