#include "views/analysis/chart/analysis_chart.h"

#include "analysis/sliding_leq.h"
#include "views/analysis/chart/analysis_overlay.h"
#include "views/analysis/session/analysis_session.h"
#include "views/painting/carpet_painting.h"
#include "views/plot/chart_zoom_view.h"
#include "views/texts/analysis_text.h"

#include <QAction>
#include <QCategoryAxis>
#include <QChart>
#include <QEvent>
#include <QGraphicsScene>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

const QColor kLevelColour(45, 44, 78);
const QColor kSlidingColour(230, 120, 20);
constexpr double kLevelMargin = 5;
// The whole period shows its levels on whole tens, a zoomed box on whole fives.
constexpr double kWholeLevelStep = 10;
constexpr double kBoxLevelStep = 5;
constexpr int kRedrawPauseMs = 15;

// A text of the chart in language, marked for lupdate with QT_TRANSLATE_NOOP("AnalysisChart").
QString Tr(Language language, const char* source) {
    return Translated(language, "AnalysisChart", source);
}

QString SlidingName(int minutes, Language language) {
    return Tr(language, QT_TRANSLATE_NOOP("AnalysisChart", "Sliding Leq %1 min"))
        .arg(QString::number(minutes));
}

} // namespace

// The polylines of one line: series made as needed and kept, the unused ones emptied.
struct AnalysisChart::Pool {
    QString name;
    QColor colour;
    QList<QLineSeries*> series;
};

AnalysisChart::AnalysisChart(const AnalysisSession& session, QWidget* parent)
    : QWidget(parent), session_(session), levelPool_(std::make_unique<Pool>()),
      slidingPool_(std::make_unique<Pool>()) {
    levelPool_->colour = kLevelColour;
    slidingPool_->colour = kSlidingColour;

    chart_ = new QChart;
    chart_->setBackgroundBrush(Qt::white);
    chart_->setBackgroundRoundness(0);
    chart_->legend()->setAlignment(Qt::AlignTop);
    levelAxis_ = new QValueAxis;
    levelAxis_->setLabelFormat(QStringLiteral("%.0f"));
    levelAxis_->setTickType(QValueAxis::TicksDynamic);
    levelAxis_->setTickAnchor(0);
    timeAxis_ = new QCategoryAxis;
    timeAxis_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    timeAxis_->setLabelsAngle(-90);
    chart_->addAxis(levelAxis_, Qt::AlignLeft);
    chart_->addAxis(timeAxis_, Qt::AlignBottom);
    // The lines first, then the bands the overlay names: the legend lists them in that order.
    AddPiece(*levelPool_);
    AddPiece(*slidingPool_);

    view_ = new ChartZoomView(chart_, this);
    view_->setObjectName(QStringLiteral("AnalysisChartView"));
    view_->SetAxes(timeAxis_, levelAxis_);
    view_->SetTimeSelection(true);
    view_->SetBoxLevelStep(kBoxLevelStep);
    overlay_ = new AnalysisOverlay(chart_, timeAxis_, levelAxis_);

    resetZoomAction_ = new QAction(this);
    resetZoomAction_->setObjectName(QStringLiteral("ResetZoom"));
    view_->addAction(resetZoomAction_);
    connect(resetZoomAction_, &QAction::triggered, view_, &ChartZoomView::ResetZoom);
    resetZoom_ = new QPushButton(this);
    resetZoom_->setObjectName(QStringLiteral("ResetZoomButton"));
    connect(resetZoom_, &QPushButton::clicked, resetZoomAction_, &QAction::trigger);

    readout_ = new QLabel(this);
    readout_->setObjectName(QStringLiteral("AnalysisReadout"));
    readout_->setTextFormat(Qt::PlainText);
    // The hint is long in some languages: it gives way rather than widen the window.
    readout_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    auto* below = new QHBoxLayout;
    below->addWidget(readout_, 1);
    below->addWidget(resetZoom_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_, 1);
    layout->addLayout(below);

    redraw_.setSingleShot(true);
    redraw_.setInterval(kRedrawPauseMs);
    connect(&redraw_, &QTimer::timeout, this, &AnalysisChart::Redraw);
    const auto later = [this] {
        overlay_->Follow();
        redraw_.start();
    };
    connect(timeAxis_, &QValueAxis::rangeChanged, this, later);
    connect(levelAxis_, &QValueAxis::rangeChanged, this, &AnalysisChart::FollowLevelAxis);
    connect(chart_, &QChart::plotAreaChanged, this, later);
    connect(view_, &ChartZoomView::pointed, this, &AnalysisChart::ShowReadout);
    connect(view_, &ChartZoomView::pointingEnded, this,
            [this] { readout_->setText(ReadoutHint()); });
    connect(view_, &ChartZoomView::timeSpanSelected, this, [this](double from, double to) {
        const vrd::Minute first = origin_ + static_cast<vrd::Minute>(std::lround(from));
        const vrd::Minute end = origin_ + static_cast<vrd::Minute>(std::lround(to));
        if (end > first)
            emit periodDragged({first, end});
    });
    connect(&session_, &AnalysisSession::seriesChanged, this, &AnalysisChart::ShowWhole);
    connect(&session_, &AnalysisSession::resultChanged, this, &AnalysisChart::FollowSession);
    connect(&session_, &AnalysisSession::exclusionsChanged, this, &AnalysisChart::FollowExclusions);
    connect(&session_, &AnalysisSession::marksChanged, this, &AnalysisChart::FollowSession);
    connect(&session_, &AnalysisSession::selectionChanged, this, &AnalysisChart::FollowSession);
    connect(&session_, &AnalysisSession::assessmentChanged, this, &AnalysisChart::FollowSession);
    SetWindowTexts();
    ShowWhole();
}

QString AnalysisChart::ReadoutHint() const {
    // A meter's export is read sample by sample, at its own step.
    if (session_.Series().Step() != vrd::kMillisPerMinute)
        return tr("Point at the chart to read a sample. Drag to select a period; Ctrl+drag zooms "
                  "into a box; Home or Esc shows the whole period.");
    return tr("Point at the chart to read a minute. Drag to select a period; Ctrl+drag zooms "
              "into a box; Home or Esc shows the whole period.");
}

void AnalysisChart::SetTextLanguage(Language language) {
    textLanguage_ = language;
    levelAxis_->setTitleText(Tr(language, QT_TRANSLATE_NOOP("AnalysisChart", "Level (dB)")));
    levelPool_->name = LevelName(language);
    slidingPool_->name = SlidingName(overlays_.slidingMinutes, language);
    for (const Pool* pool : {levelPool_.get(), slidingPool_.get()})
        for (QLineSeries* series : pool->series)
            series->setName(pool->name);
    overlay_->SetLegendLanguage(language);
    // A renamed series may get a new legend entry: the drawing hides all but a line's first.
    Redraw();
}

// The levels line is named after the series' step: "Leq 1 min" for the devices' reports, "Leq 1 s"
// for a meter's 1-s export.
QString AnalysisChart::LevelName(Language language) const {
    const vrd::Millis step = session_.Series().Step();
    if (step == vrd::kMillisPerMinute || step <= 0)
        return Tr(language, QT_TRANSLATE_NOOP("AnalysisChart", "Leq 1 min"));
    return QStringLiteral("Leq ") + StepText(step, language);
}

void AnalysisChart::SetWindowTexts() {
    SetTextLanguage(WindowLanguage());
    resetZoomAction_->setText(tr("Reset zoom"));
    resetZoom_->setText(resetZoomAction_->text());
    readout_->setText(ReadoutHint());
}

void AnalysisChart::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        SetWindowTexts();
    QWidget::changeEvent(event);
}

AnalysisChart::~AnalysisChart() = default;

const std::optional<vrd::ClockHours>& AnalysisChart::ShownStandardDay() const {
    return overlay_->Shown().standardDay;
}

void AnalysisChart::ShowWhole() {
    const vrd::LevelSeries& series = session_.Series();
    readout_->setText(ReadoutHint());
    const vrd::Interval period = session_.AnalysedPeriod();
    const std::optional<vrd::Millis> first = series.First();
    origin_ = vrd::StartOfDay(vrd::DayOfMinute(first ? vrd::MinuteOfMillis(*first) : period.from));
    levels_ = LevelLine(series, origin_);
    slidingStale_ = true;
    levelPool_->name = LevelName(textLanguage_);
    for (QLineSeries* piece : levelPool_->series)
        piece->setName(levelPool_->name);

    double lowest = 40;
    double highest = 80;
    if (!levels_.points.isEmpty()) {
        const auto [low, high] =
            std::minmax_element(levels_.points.begin(), levels_.points.end(),
                                [](const QPointF& a, const QPointF& b) { return a.y() < b.y(); });
        lowest = std::floor(low->y()) - kLevelMargin;
        highest = std::ceil(high->y()) + kLevelMargin;
    }
    const AxisRange levels = RoundedOutward({lowest, highest}, kWholeLevelStep);
    const double from = static_cast<double>(period.from - origin_);
    const double to = std::max(static_cast<double>(period.to - origin_), from + 1);
    view_->SetLimits({from, to}, levels);
    view_->ResetZoom();
    // The ranges may be those shown before, which signals no change.
    FollowLevelAxis();
    FollowSession();
    Redraw();
}

void AnalysisChart::FollowSession() {
    AnalysisOverlay::Content content;
    content.origin = origin_;
    // Without a minute there is no day to band.
    if (overlays_.periods && session_.AnalysedPeriod().Length() > 0) {
        content.periods = session_.Settings().periods;
        content.standardDay = StandardDayShown(session_.Assessment());
    }
    if (overlays_.exclusions) {
        content.exclusions = session_.ExcludedIntervals();
        for (const vrd::Mark& mark : session_.Marks())
            (mark.kind == vrd::MarkKind::Source ? content.sources : content.residuals)
                .push_back(vrd::MinutesStartingIn(mark.span));
    }
    // The whole period selected is no selection to show.
    const vrd::Interval whole = session_.AnalysedPeriod();
    const vrd::Interval& selection = session_.Selection();
    if (selection.from != whole.from || selection.to != whole.to)
        content.selection = selection;
    if (overlays_.threshold)
        content.threshold = session_.Settings().threshold;
    overlay_->SetContent(std::move(content));
}

void AnalysisChart::FollowExclusions() {
    slidingStale_ = true;
    FollowSession();
    if (overlays_.sliding)
        Redraw();
}

void AnalysisChart::FollowLevelAxis() {
    levelAxis_->setTickInterval(LevelTickStep(levelAxis_->max() - levelAxis_->min()));
    overlay_->Follow();
}

void AnalysisChart::SetOverlays(Overlays overlays) {
    if (overlays.slidingMinutes != overlays_.slidingMinutes) {
        slidingStale_ = true;
        slidingPool_->name = SlidingName(overlays.slidingMinutes, textLanguage_);
        for (QLineSeries* series : slidingPool_->series)
            series->setName(slidingPool_->name);
    }
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

void AnalysisChart::ZoomTo(vrd::Interval period) {
    const double from = static_cast<double>(period.from - origin_);
    const double to = static_cast<double>(period.to - origin_);
    const double margin = std::max(5.0, (to - from) / 10);
    view_->Show({from - margin, to + margin}, view_->ShownY());
}

int AnalysisChart::PixelColumns() const {
    const QRectF plot = chart_->plotArea();
    const double width = plot.width() >= 1 ? plot.width() : view_->width();
    return std::max(1, static_cast<int>(std::ceil(width * devicePixelRatioF())));
}

namespace {

QList<QLineSeries*> Drawn(const QList<QLineSeries*>& pieces) {
    QList<QLineSeries*> drawn;
    for (QLineSeries* series : pieces)
        if (series->isVisible() && series->count() > 0)
            drawn.append(series);
    return drawn;
}

} // namespace

QList<QLineSeries*> AnalysisChart::LevelSeries() const {
    return Drawn(levelPool_->series);
}

QList<QLineSeries*> AnalysisChart::SlidingSeries() const {
    return Drawn(slidingPool_->series);
}

QLineSeries* AnalysisChart::AddPiece(Pool& pool) {
    auto* series = new QLineSeries;
    series->setName(pool.name);
    QPen pen(pool.colour, 1);
    pen.setCosmetic(true);
    series->setPen(pen);
    chart_->addSeries(series);
    series->attachAxis(timeAxis_);
    series->attachAxis(levelAxis_);
    pool.series.append(series);
    return series;
}

void AnalysisChart::DrawLine(Pool& pool, const BrokenLine& line, bool visible, int columns) {
    const AxisRange shown = view_->ShownX();
    const QList<QList<QPointF>> polylines =
        visible ? VisiblePolylines(line, shown.min, shown.max, columns, kMostPolylines)
                : QList<QList<QPointF>>{};
    while (pool.series.size() < polylines.size())
        AddPiece(pool);
    for (qsizetype i = 0; i < pool.series.size(); ++i) {
        QLineSeries* series = pool.series[i];
        if (i < polylines.size())
            series->replace(polylines[i]);
        else if (series->count() > 0)
            series->clear();
        series->setVisible(visible);
    }
    // One legend entry for a line, however many pieces it is drawn in: the first piece's. A
    // series shown again shows its entry again, so the others are hidden after every change.
    for (qsizetype i = 0; i < pool.series.size(); ++i)
        for (QLegendMarker* marker : chart_->legend()->markers(pool.series[i]))
            marker->setVisible(i == 0 && visible);
}

void AnalysisChart::Redraw() {
    redraw_.stop();
    if (overlays_.sliding && slidingStale_) {
        sliding_ = SlidingLine(vrd::SlidingLeq(session_.Series(), session_.ExcludedIntervals(),
                                               overlays_.slidingMinutes),
                               origin_);
        slidingStale_ = false;
    }
    const int columns = PixelColumns();
    DrawLine(*levelPool_, levels_, true, columns);
    DrawLine(*slidingPool_, sliding_, overlays_.sliding, columns);
    SetTimeLabels(view_->ShownX());
    overlay_->Follow();
}

void AnalysisChart::SetTimeLabels(AxisRange shown) {
    const QStringList old = timeAxis_->categoriesLabels();
    for (const QString& label : old)
        timeAxis_->remove(label);
    // Without a minute the axis has no time to give: no label of year 1.
    if (session_.AnalysedPeriod().Length() <= 0)
        return;
    for (const ClockLabel& label :
         ClockLabels(origin_, shown.min, shown.max, kMostTimeLabels, textLanguage_))
        timeAxis_->append(label.label, label.x);
}

void AnalysisChart::ShowReadout(QPointF value) {
    if (session_.AnalysedPeriod().Length() <= 0)
        return;
    const vrd::LevelSeries& series = session_.Series();
    const Language language = WindowLanguage();
    const vrd::Millis step = std::max<vrd::Millis>(series.Step(), 1);
    // The step under the pointer, counted from the origin's midnight.
    const auto originMillis = static_cast<double>(vrd::MillisOf(origin_));
    const double atMillis = originMillis + value.x() * static_cast<double>(vrd::kMillisPerMinute);
    const auto steps =
        static_cast<vrd::Millis>(std::floor((atMillis - originMillis) / static_cast<double>(step)));
    const vrd::Millis start = vrd::MillisOf(origin_) + steps * step;
    const std::size_t at = series.LowerBound(start);
    QString level = tr("no record");
    if (at < series.Size() && series.Start(at) == start)
        level = (series.WholeLevels() ? QString::number(series.Level(at))
                                      : LevelText(series.Level(at), language)) +
                UnitSpace(language) + QStringLiteral("dB");
    else if (std::binary_search(series.GapStarts().begin(), series.GapStarts().end(), start))
        level = tr("gap");
    // A step of a minute reads as the minute it is, a shorter one with its seconds.
    const QString time = step == vrd::kMillisPerMinute && start % vrd::kMillisPerMinute == 0
                             ? MinuteText(vrd::MinuteOfMillis(start), language)
                             : MillisText(start, language);
    readout_->setText(time + QStringLiteral("   ") + level);
}

void AnalysisChart::Render(QPainter& painter, const QRectF& target) {
    if (redraw_.isActive())
        Redraw();
    chart_->scene()->render(&painter, target, chart_->sceneBoundingRect());
}
