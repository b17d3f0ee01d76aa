#include "views/analysis/analysis_chart.h"

#include "views/analysis/analysis_overlay.h"
#include "views/analysis/analysis_session.h"
#include "views/analysis/analysis_text.h"
#include "views/plot/chart_zoom_view.h"

#include <QCategoryAxis>
#include <QChart>
#include <QGraphicsScene>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

const QColor kLevelColour(45, 44, 78);
const QColor kLeq5Colour(230, 120, 20);
const QColor kLeq10Colour(40, 150, 70);
constexpr double kLevelMargin = 5;
constexpr int kRedrawPauseMs = 15;
const QString kReadoutHint = QStringLiteral("Point at the chart to read a minute. Drag to select "
                                            "a period; Ctrl+drag zooms into a box.");

} // namespace

// The polylines of one line: series made as needed and kept, the unused ones emptied.
struct AnalysisChart::Pool {
    QString name;
    QColor colour;
    QList<QLineSeries*> series;
};

AnalysisChart::AnalysisChart(const AnalysisSession& session, QWidget* parent)
    : QWidget(parent), session_(session), levelPool_(std::make_unique<Pool>()),
      leq5Pool_(std::make_unique<Pool>()), leq10Pool_(std::make_unique<Pool>()) {
    levelPool_->name = QStringLiteral("Leq 1 min");
    levelPool_->colour = kLevelColour;
    leq5Pool_->name = QStringLiteral("running Leq 5 min");
    leq5Pool_->colour = kLeq5Colour;
    leq10Pool_->name = QStringLiteral("running Leq 10 min");
    leq10Pool_->colour = kLeq10Colour;

    chart_ = new QChart;
    chart_->setBackgroundBrush(Qt::white);
    chart_->setBackgroundRoundness(0);
    chart_->legend()->setAlignment(Qt::AlignTop);
    levelAxis_ = new QValueAxis;
    levelAxis_->setTitleText(QStringLiteral("Level (dB)"));
    levelAxis_->setLabelFormat(QStringLiteral("%.0f"));
    timeAxis_ = new QCategoryAxis;
    timeAxis_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    timeAxis_->setLabelsAngle(-90);
    chart_->addAxis(levelAxis_, Qt::AlignLeft);
    chart_->addAxis(timeAxis_, Qt::AlignBottom);

    view_ = new ChartZoomView(chart_, this);
    view_->setObjectName(QStringLiteral("AnalysisChartView"));
    view_->SetAxes(timeAxis_, levelAxis_);
    view_->SetTimeSelection(true);
    overlay_ = new AnalysisOverlay(chart_, timeAxis_, levelAxis_);

    readout_ = new QLabel(kReadoutHint, this);
    readout_->setObjectName(QStringLiteral("AnalysisReadout"));
    readout_->setTextFormat(Qt::PlainText);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_, 1);
    layout->addWidget(readout_);

    redraw_.setSingleShot(true);
    redraw_.setInterval(kRedrawPauseMs);
    connect(&redraw_, &QTimer::timeout, this, &AnalysisChart::Redraw);
    const auto later = [this] {
        overlay_->Follow();
        redraw_.start();
    };
    connect(timeAxis_, &QValueAxis::rangeChanged, this, later);
    connect(levelAxis_, &QValueAxis::rangeChanged, this, [this] { overlay_->Follow(); });
    connect(chart_, &QChart::plotAreaChanged, this, later);
    connect(view_, &ChartZoomView::pointed, this, &AnalysisChart::ShowReadout);
    connect(view_, &ChartZoomView::pointingEnded, this,
            [this] { readout_->setText(kReadoutHint); });
    connect(view_, &ChartZoomView::timeSpanSelected, this, [this](double from, double to) {
        const vrd::Minute first = origin_ + static_cast<vrd::Minute>(std::lround(from));
        const vrd::Minute end = origin_ + static_cast<vrd::Minute>(std::lround(to));
        if (end > first)
            emit periodDragged({first, end});
    });
    connect(&session_, &AnalysisSession::seriesChanged, this, &AnalysisChart::ShowWhole);
    connect(&session_, &AnalysisSession::resultChanged, this, &AnalysisChart::FollowSession);
    connect(&session_, &AnalysisSession::exclusionsChanged, this, &AnalysisChart::FollowSession);
    connect(&session_, &AnalysisSession::selectionChanged, this, &AnalysisChart::FollowSession);
    ShowWhole();
}

AnalysisChart::~AnalysisChart() = default;

void AnalysisChart::ShowWhole() {
    const vrd::MinuteSeries& series = session_.Series();
    const vrd::Interval period = session_.AnalysedPeriod();
    origin_ = vrd::StartOfDay(vrd::DayOfMinute(series.First().value_or(period.from)));
    levels_ = LevelLine(series, origin_);
    leq5_ = RunningLine(session_.RunningLevels(), origin_, false);
    leq10_ = RunningLine(session_.RunningLevels(), origin_, true);

    double lowest = 40;
    double highest = 80;
    if (!levels_.points.isEmpty()) {
        const auto [low, high] =
            std::minmax_element(levels_.points.begin(), levels_.points.end(),
                                [](const QPointF& a, const QPointF& b) { return a.y() < b.y(); });
        lowest = std::floor(low->y()) - kLevelMargin;
        highest = std::ceil(high->y()) + kLevelMargin;
    }
    levelAxis_->setRange(lowest, highest);
    levelAxis_->applyNiceNumbers();
    const double from = static_cast<double>(period.from - origin_);
    const double to = std::max(static_cast<double>(period.to - origin_), from + 1);
    view_->SetLimits({from, to}, {levelAxis_->min(), levelAxis_->max()});
    view_->ResetZoom();
    FollowSession();
    Redraw();
}

void AnalysisChart::FollowSession() {
    AnalysisOverlay::Content content;
    content.origin = origin_;
    if (overlays_.periods)
        content.periods = session_.Settings().periods;
    if (overlays_.exclusions)
        content.exclusions = session_.ExcludedIntervals();
    // The whole period selected is no selection to show.
    const vrd::Interval whole = session_.AnalysedPeriod();
    const vrd::Interval& selection = session_.Selection();
    if (selection.from != whole.from || selection.to != whole.to)
        content.selection = selection;
    if (overlays_.threshold)
        content.threshold = session_.Settings().threshold;
    overlay_->SetContent(std::move(content));
}

void AnalysisChart::SetOverlays(Overlays overlays) {
    overlays_ = overlays;
    FollowSession();
    Redraw();
}

void AnalysisChart::Reveal(vrd::Interval period) {
    const AxisRange shown = view_->ShownX();
    const double from = static_cast<double>(period.from - origin_);
    const double to = static_cast<double>(period.to - origin_);
    if (from >= shown.min && to <= shown.max)
        return;
    const double span = std::max(shown.Span(), (to - from) * 1.2);
    const double middle = (from + to) / 2;
    view_->Show({middle - span / 2, middle + span / 2}, view_->ShownY());
}

int AnalysisChart::PixelColumns() const {
    const QRectF plot = chart_->plotArea();
    const double width = plot.width() >= 1 ? plot.width() : view_->width();
    return std::max(1, static_cast<int>(std::ceil(width * devicePixelRatioF())));
}

QList<QLineSeries*> AnalysisChart::LevelSeries() const {
    QList<QLineSeries*> drawn;
    for (QLineSeries* series : levelPool_->series)
        if (series->count() > 0)
            drawn.append(series);
    return drawn;
}

void AnalysisChart::DrawLine(Pool& pool, const BrokenLine& line, bool visible, int columns) {
    const AxisRange shown = view_->ShownX();
    const QList<QList<QPointF>> polylines =
        visible ? VisiblePolylines(line, shown.min, shown.max, columns, kMostPolylines)
                : QList<QList<QPointF>>{};
    while (pool.series.size() < polylines.size()) {
        auto* series = new QLineSeries;
        series->setName(pool.name);
        QPen pen(pool.colour, 1);
        pen.setCosmetic(true);
        series->setPen(pen);
        chart_->addSeries(series);
        series->attachAxis(timeAxis_);
        series->attachAxis(levelAxis_);
        // One legend entry for a line, however many pieces it is drawn in.
        if (!pool.series.isEmpty())
            for (QLegendMarker* marker : chart_->legend()->markers(series))
                marker->setVisible(false);
        pool.series.append(series);
    }
    for (qsizetype i = 0; i < pool.series.size(); ++i) {
        QLineSeries* series = pool.series[i];
        if (i < polylines.size())
            series->replace(polylines[i]);
        else if (series->count() > 0)
            series->clear();
        // The first piece carries the legend entry, shown while the line is.
        series->setVisible(i == 0 ? visible : i < polylines.size());
    }
}

void AnalysisChart::Redraw() {
    redraw_.stop();
    const int columns = PixelColumns();
    DrawLine(*levelPool_, levels_, true, columns);
    DrawLine(*leq5Pool_, leq5_, overlays_.running, columns);
    DrawLine(*leq10Pool_, leq10_, overlays_.running, columns);
    SetTimeLabels(view_->ShownX());
    overlay_->Follow();
}

void AnalysisChart::SetTimeLabels(AxisRange shown) {
    const QStringList old = timeAxis_->categoriesLabels();
    for (const QString& label : old)
        timeAxis_->remove(label);
    for (const ClockLabel& label : ClockLabels(origin_, shown.min, shown.max, kMostTimeLabels))
        timeAxis_->append(label.label, label.x);
}

void AnalysisChart::ShowReadout(QPointF value) {
    const vrd::Minute minute = MinuteAtX(value.x(), origin_);
    const vrd::MinuteSeries& series = session_.Series();
    const std::size_t at = series.LowerBound(minute);
    QString level = QStringLiteral("no record");
    if (at < series.Size() && series.At(at).minute == minute)
        level = series.At(at).gap ? QStringLiteral("gap")
                                  : QString::number(series.At(at).level) + QStringLiteral(" dB");
    readout_->setText(MinuteText(minute) + QStringLiteral("   ") + level);
}

void AnalysisChart::Render(QPainter& painter, const QRectF& target) {
    if (redraw_.isActive())
        Redraw();
    chart_->scene()->render(&painter, target, chart_->sceneBoundingRect());
}
