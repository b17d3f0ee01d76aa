#include "views/chart/frm_graph.h"

#include "views/chart/chart_time_labels.h"
#include "views/common/design_fonts.h"
#include "views/common/twips.h"
#include "views/common/warning_box.h"
#include "views/plot/chart_decimation.h"
#include "views/plot/chart_zoom_view.h"

#include <QAction>
#include <QCategoryAxis>
#include <QChart>
#include <QComboBox>
#include <QFontMetricsF>
#include <QImage>
#include <QLabel>
#include <QLegendMarker>
#include <QLineEdit>
#include <QLineSeries>
#include <QPainter>
#include <QPushButton>
#include <QSaveFile>
#include <QScatterSeries>
#include <QSet>
#include <QValueAxis>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

const QRect kChartDesign = TwipRect(360, 360, 16935, 8775);
const QSize kWindowDesign = TwipSize(20100, 9555);
constexpr double kAxisTitlePoints = 14;
constexpr double kControlPoints = 8.25;
const QColor kLevelColour(45, 44, 78);
// Margin above and below the levels, in dB.
constexpr double kLevelMargin = 5;
// The pause after the last change of range or size before the points are drawn again.
constexpr int kRedrawPauseMs = 15;
// Zoomed level axes keep about this many ticks, on whole decibels.
constexpr double kLevelTicks = 6;

const QString kReadoutHint = QStringLiteral("Point at the chart to read a minute.");
const QString kZoomHint =
    QStringLiteral("Wheel: zoom the time\nCtrl+wheel: zoom the level\nDrag: zoom into a box\n"
                   "Shift+drag: pan\nMiddle button drag: pan\nArrow keys: pan\n+ and -: zoom\n"
                   "Home, Esc: whole report");
// Zoomed ranges up to this many minutes are labelled on a grid of minutes too.
constexpr double kMinuteGridSpan = 6 * 60;
// Pixels: free space between two time labels; the axis's padding on either side of a label and
// the margin of its text.
constexpr double kLabelSpacing = 4;
constexpr double kAxisLabelPadding = 4;
constexpr double kLabelTextMargin = 0.5;
const QChar kZeroWidthSpace(0x200B);
// The title line above a saved chart.
constexpr double kTitlePoints = 10;
constexpr int kTitleMargin = 6;

// The drop-down boxes are part of the design but have no entries: they show their texts.
QComboBox* MakeComboBox(QWidget* parent, const char* name, const QString& text) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setEditable(true);
    box->lineEdit()->setText(text);
    box->setFont(DesignFont(DesignFamily::MsSansSerif, kControlPoints));
    return box;
}

QValueAxis* MakeLevelAxis() {
    auto* axis = new QValueAxis;
    axis->setTitleText(QStringLiteral("LEq level"));
    axis->setTitleFont(DesignFont(DesignFamily::Arial, kAxisTitlePoints));
    axis->setTitleVisible(true);
    axis->setLabelFormat(QStringLiteral("%.0f"));
    return axis;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(DesignFont(DesignFamily::MsSansSerif, kControlPoints));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

// 1, 2 or 5 times a power of ten, and at least one decibel: the tick interval that gives about
// kLevelTicks ticks over span.
double LevelTickInterval(double span) {
    const double rough = std::max(span / kLevelTicks, 1.0);
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double step : {1.0, 2.0, 5.0})
        if (rough <= step * power)
            return step * power;
    return 10 * power;
}

} // namespace

frmGraph::frmGraph(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmGraph"));
    setWindowTitle(QStringLiteral("frmGraph"));
    resize(kWindowDesign);
    BuildChart();
    Leq_Display = MakeComboBox(this, "Leq_Display", QStringLiteral("Combo1"));
    GraphType = MakeComboBox(this, "GraphType", QStringLiteral("Combo2"));
    BuildActions();
    readout_ = MakeLabel(this, "Readout", kReadoutHint);
    hint_ = MakeLabel(this, "ZoomHint", kZoomHint);
    hint_->setForegroundRole(QPalette::PlaceholderText);
    setTabOrder(MSChart1, Leq_Display);
    setTabOrder(Leq_Display, GraphType);
    setTabOrder(GraphType, resetButton_);
    setTabOrder(resetButton_, saveButton_);
    PlaceControls();

    redraw_.setSingleShot(true);
    redraw_.setInterval(kRedrawPauseMs);
    connect(&redraw_, &QTimer::timeout, this, &frmGraph::Redraw);
    const auto later = [this] { redraw_.start(); };
    connect(timeAxis_, &QValueAxis::rangeChanged, this, later);
    connect(chart_, &QChart::plotAreaChanged, this, later);
    connect(levelAxis_, &QValueAxis::rangeChanged, this, &frmGraph::FollowLevelAxis);
    connect(MSChart1, &ChartZoomView::pointed, this,
            [this](QPointF value) { ShowReadout(static_cast<qsizetype>(std::lround(value.x()))); });
    connect(MSChart1, &ChartZoomView::pointingEnded, this, [this] { ShowReadout(0); });
}

QSize frmGraph::sizeHint() const {
    return kWindowDesign;
}

void frmGraph::BuildChart() {
    chart_ = new QChart;
    chart_->legend()->setVisible(true);
    chart_->legend()->setAlignment(Qt::AlignRight);
    chart_->setBackgroundBrush(Qt::white);
    chart_->setBackgroundRoundness(0);

    levels_ = new QLineSeries;
    levels_->setName(QStringLiteral("Leq 1min"));
    levels_->setColor(kLevelColour);
    chart_->addSeries(levels_);

    // The minute the read-out speaks of; not part of the legend.
    marker_ = new QScatterSeries;
    marker_->setName(QStringLiteral("pointed minute"));
    marker_->setColor(kLevelColour);
    marker_->setBorderColor(Qt::white);
    marker_->setMarkerSize(9);
    chart_->addSeries(marker_);
    for (QLegendMarker* legendMarker : chart_->legend()->markers(marker_))
        legendMarker->setVisible(false);

    levelAxis_ = MakeLevelAxis();
    secondLevelAxis_ = MakeLevelAxis();
    timeAxis_ = new QCategoryAxis;
    timeAxis_->setTitleText(QStringLiteral("Date"));
    timeAxis_->setTitleFont(DesignFont(DesignFamily::Arial, kAxisTitlePoints));
    timeAxis_->setTitleVisible(true);
    timeAxis_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    timeAxis_->setLabelsAngle(-90);

    chart_->addAxis(levelAxis_, Qt::AlignLeft);
    chart_->addAxis(secondLevelAxis_, Qt::AlignRight);
    chart_->addAxis(timeAxis_, Qt::AlignBottom);
    for (QAbstractSeries* series :
         {static_cast<QAbstractSeries*>(levels_), static_cast<QAbstractSeries*>(marker_)}) {
        series->attachAxis(levelAxis_);
        series->attachAxis(timeAxis_);
    }

    MSChart1 = new ChartZoomView(chart_, this);
    MSChart1->setObjectName(QStringLiteral("MSChart1"));
    MSChart1->setRenderHint(QPainter::Antialiasing, false);
    MSChart1->SetAxes(timeAxis_, levelAxis_);
}

void frmGraph::BuildActions() {
    const auto action = [this](const char* name, const QString& text) {
        auto* made = new QAction(text, this);
        made->setObjectName(QLatin1String(name));
        MSChart1->addAction(made);
        return made;
    };
    zoomIn_ = action("ZoomIn", QStringLiteral("Zoom in"));
    zoomOut_ = action("ZoomOut", QStringLiteral("Zoom out"));
    resetZoom_ = action("ResetZoom", QStringLiteral("Reset zoom"));
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    MSChart1->addAction(separator);
    savePng_ = action("SavePng", QStringLiteral("Save chart as PNG"));
    connect(zoomIn_, &QAction::triggered, this,
            [this] { MSChart1->ZoomTime(ChartZoomView::kZoomStep); });
    connect(zoomOut_, &QAction::triggered, this,
            [this] { MSChart1->ZoomTime(1 / ChartZoomView::kZoomStep); });
    connect(resetZoom_, &QAction::triggered, MSChart1, &ChartZoomView::ResetZoom);
    connect(savePng_, &QAction::triggered, this, &frmGraph::SaveChartAsPng);

    const auto button = [this](const char* name, QAction* act) {
        auto* made = new QPushButton(act->text(), this);
        made->setObjectName(QLatin1String(name));
        made->setFont(DesignFont(DesignFamily::MsSansSerif, kControlPoints));
        connect(made, &QPushButton::clicked, act, &QAction::trigger);
        return made;
    };
    resetButton_ = button("ResetZoomButton", resetZoom_);
    saveButton_ = button("SavePngButton", savePng_);
}

void frmGraph::ShowSeries(const ChartSeries& series) {
    series_ = series;
    const auto rows = static_cast<double>(series_.points.size());

    // The whole report, with the level axis on round numbers: what a reset shows again.
    levelAxis_->setTickType(QValueAxis::TicksFixed);
    const double lowest = series_.points.isEmpty() ? 50 : std::floor(series_.lowest) - kLevelMargin;
    const double highest =
        series_.points.isEmpty() ? 70 : std::ceil(series_.highest) + kLevelMargin;
    levelAxis_->setRange(lowest, highest);
    levelAxis_->applyNiceNumbers();
    levelLimits_ = {levelAxis_->min(), levelAxis_->max()};
    MSChart1->SetLimits({0, std::max(rows, 1.0)}, levelLimits_);
    MSChart1->ResetZoom();
    // The ranges may be those shown before, which signals no change.
    FollowLevelAxis();
    marker_->clear();
    ShowReadout(0);
    Redraw();
}

// Zoomed level ranges get ticks on whole decibels; the whole range keeps its round numbers. The
// axis on the right follows the one on the left.
void frmGraph::FollowLevelAxis() {
    const AxisRange shown{levelAxis_->min(), levelAxis_->max()};
    if (shown == levelLimits_) {
        levelAxis_->setTickType(QValueAxis::TicksFixed);
    } else {
        levelAxis_->setTickType(QValueAxis::TicksDynamic);
        levelAxis_->setTickAnchor(0);
        levelAxis_->setTickInterval(LevelTickInterval(shown.Span()));
    }
    secondLevelAxis_->setTickType(levelAxis_->tickType());
    secondLevelAxis_->setTickCount(levelAxis_->tickCount());
    secondLevelAxis_->setTickAnchor(levelAxis_->tickAnchor());
    secondLevelAxis_->setTickInterval(levelAxis_->tickInterval());
    secondLevelAxis_->setRange(shown.min, shown.max);
}

double frmGraph::PlotWidth() const {
    // Before the window is first shown the chart has no plot area yet: the view's width is near.
    const QRectF plot = chart_->plotArea();
    return plot.width() >= 1 ? plot.width() : MSChart1->width();
}

int frmGraph::PixelColumns() const {
    return std::max(1, static_cast<int>(std::ceil(PlotWidth() * devicePixelRatioF())));
}

void frmGraph::Redraw() {
    redraw_.stop();
    const AxisRange shown = MSChart1->ShownX();
    // One replace for all points: the series redraws once, not once a point.
    levels_->replace(DecimateToColumns(series_.points, shown.min, shown.max, PixelColumns()));
    SetTimeLabels(shown);
}

void frmGraph::SetTimeLabels(AxisRange shown) {
    const QStringList old = timeAxis_->categoriesLabels();
    for (const QString& label : old)
        timeAxis_->remove(label);
    const bool minuteGrid = shown.Span() <= kMinuteGridSpan && MSChart1->IsZoomed();
    // The axis keeps each text once: a repeat of a text is told apart by zero-width spaces,
    // which draw nothing.
    QSet<QString> used;
    for (const TimeLabel& label : ChooseTimeLabels(series_, shown, LabelRoom(shown), minuteGrid)) {
        QString key = label.text;
        while (used.contains(key))
            key += kZeroWidthSpace;
        used.insert(key);
        timeAxis_->append(key, label.row);
    }
}

// The room a rotated label of the time axis needs, in rows of the range shown: its thickness and
// a margin between two labels, and half of it at the left end. The axis shortens a label to "..."
// once its share of the width is smaller than that, which the count of labels keeps it from.
TimeLabelRoom frmGraph::LabelRoom(AxisRange shown) const {
    const QFontMetricsF metrics(timeAxis_->labelsFont());
    const double thickness = std::ceil(metrics.height()) + 2 * kLabelTextMargin;
    const double width = std::max(1.0, PlotWidth());
    const double rowsPerPixel = shown.Span() / width;
    TimeLabelRoom room;
    room.gap = (thickness + kLabelSpacing) * rowsPerPixel;
    room.leftEdge = (thickness / 2 + 1) * rowsPerPixel;
    room.most = std::max(
        1, static_cast<int>(std::floor(width / (thickness + 2 * kAxisLabelPadding + 1))) - 1);
    return room;
}

void frmGraph::ShowReadout(qsizetype row) {
    const qsizetype index = row - 1;
    if (index < 0 || index >= series_.points.size()) {
        readout_->setText(kReadoutHint);
        if (marker_->count() > 0)
            marker_->clear();
        return;
    }
    const ChartReadout readout = ReadoutFor(series_, index);
    readout_->setText(QStringLiteral("Date: ") % readout.date % QStringLiteral("\nTime: ") %
                      readout.time % QStringLiteral("\nLevel: ") % readout.level);
    const QPointF point = series_.points[index];
    if (marker_->count() != 1 || marker_->at(0) != point)
        marker_->replace(QList<QPointF>{point});
}

void frmGraph::SetReportIdentity(const QString& path, const QString& site) {
    reportPath_ = path;
    reportSite_ = site;
}

// "dd/mm/yyyy hh:mm" of a row, from 1, as its line gives them.
QString frmGraph::RowTime(qsizetype row) const {
    const ChartRowStamp& stamp = series_.stamps[row - 1];
    return QString::fromLatin1(stamp.date.data(), stamp.date.size()).trimmed() % QLatin1Char(' ') %
           QString::fromLatin1(stamp.time.data(), stamp.time.size()).trimmed();
}

QString frmGraph::TitleLine() const {
    const AxisRange shown = MSChart1->ShownX();
    const qsizetype first = std::max<qsizetype>(1, static_cast<qsizetype>(std::ceil(shown.min)));
    const qsizetype last =
        std::min<qsizetype>(series_.stamps.size(), static_cast<qsizetype>(std::floor(shown.max)));
    const QString period = first <= last ? RowTime(first) % QStringLiteral(" to ") % RowTime(last)
                                         : QStringLiteral("no minute");
    const QString dash = QStringLiteral(" \u2014 ");
    return reportPath_ % dash % reportSite_ % dash % period;
}

// The chart as shown, under a white band with its title line.
QImage frmGraph::TitledPicture() {
    // With what a pending redraw would show, without the pointed minute. (Hiding the series
    // instead would bring its entry back into the legend.)
    if (redraw_.isActive())
        Redraw();
    const QList<QPointF> pointed = marker_->points();
    marker_->clear();
    const QImage chart = MSChart1->grab().toImage();
    marker_->replace(pointed);

    const QFont font = DesignFont(DesignFamily::Arial, kTitlePoints, {true, false});
    const QFontMetrics metrics(font);
    const int band = metrics.height() + 2 * kTitleMargin;
    const qreal ratio = chart.devicePixelRatio();
    QImage image(chart.width(), chart.height() + static_cast<int>(std::ceil(band * ratio)),
                 QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const int width = static_cast<int>(chart.width() / ratio);
    const QRect line(kTitleMargin, 0, width - 2 * kTitleMargin, band);
    painter.drawText(line, Qt::AlignVCenter | Qt::AlignLeft,
                     metrics.elidedText(TitleLine(), Qt::ElideMiddle, line.width()));
    painter.drawImage(QPointF(0, band), chart);
    return image;
}

bool frmGraph::WritePng(const QString& path, QString& reason) {
    const QImage image = TitledPicture();

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        reason = file.errorString();
        return false;
    }
    if (!image.save(&file, "PNG")) {
        reason = file.error() != QFileDevice::NoError
                     ? file.errorString()
                     : QStringLiteral("the image could not be encoded");
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        reason = file.errorString();
        return false;
    }
    return true;
}

bool frmGraph::SaveChartAsPng() {
    const std::optional<QString> path =
        choosePath_ ? choosePath_(this, suggestedName_) : std::nullopt;
    if (!path || path->isEmpty())
        return false;
    QString reason;
    if (WritePng(*path, reason))
        return true;
    ShowWarning(this, window()->windowTitle(), NotWrittenText(*path, reason));
    return false;
}

void frmGraph::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    PlaceControls();
}

// The chart keeps its designed margins and grows with the window; the drop-down boxes, the zoom
// and save buttons and the read-out keep their place to the right of it.
void frmGraph::PlaceControls() {
    const int rightMargin = kWindowDesign.width() - kChartDesign.right() - 1;
    const int bottomMargin = kWindowDesign.height() - kChartDesign.bottom() - 1;
    MSChart1->setGeometry(kChartDesign.left(), kChartDesign.top(),
                          std::max(1, width() - kChartDesign.left() - rightMargin),
                          std::max(1, height() - kChartDesign.top() - bottomMargin));
    const int boxLeft = MSChart1->geometry().right() + 1 + Px(17760) - (kChartDesign.right() + 1);
    const QSize box = TwipSize(2055, 315);
    Leq_Display->setGeometry(QRect(QPoint(boxLeft, Px(1200)), box));
    GraphType->setGeometry(QRect(QPoint(boxLeft, Px(2160)), box));
    const QSize button(box.width(), TwipSize(0, 375).height());
    resetButton_->setGeometry(QRect(QPoint(boxLeft, Px(3120)), button));
    saveButton_->setGeometry(QRect(QPoint(boxLeft, Px(3600)), button));
    readout_->setGeometry(QRect(QPoint(boxLeft, Px(4320)), QSize(box.width(), Px(900))));
    hint_->setGeometry(QRect(QPoint(boxLeft, Px(5400)), QSize(box.width(), Px(2100))));
}
