#include "views/frm_graph.h"

#include "views/design_fonts.h"
#include "views/twips.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QLineEdit>
#include <QLineSeries>
#include <QSet>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

const QRect kChartDesign = TwipRect(360, 360, 16935, 8775);
const QSize kWindowDesign = TwipSize(20100, 9555);
constexpr double kAxisTitlePoints = 14;
const QColor kLevelColour(45, 44, 78);
// Margin above and below the levels, in dB.
constexpr double kLevelMargin = 5;

// The drop-down boxes are part of the design but have no entries: they show their texts.
QComboBox* MakeComboBox(QWidget* parent, const char* name, const QString& text) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setEditable(true);
    box->lineEdit()->setText(text);
    box->setFont(DesignFont(DesignFamily::MsSansSerif, 8.25));
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

} // namespace

frmGraph::frmGraph(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmGraph"));
    setWindowTitle(QStringLiteral("frmGraph"));
    resize(kWindowDesign);
    BuildChart();
    Leq_Display = MakeComboBox(this, "Leq_Display", QStringLiteral("Combo1"));
    GraphType = MakeComboBox(this, "GraphType", QStringLiteral("Combo2"));
    setTabOrder(MSChart1, Leq_Display);
    setTabOrder(Leq_Display, GraphType);
    PlaceControls();
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
    levels_->attachAxis(levelAxis_);
    levels_->attachAxis(timeAxis_);

    MSChart1 = new QChartView(chart_, this);
    MSChart1->setObjectName(QStringLiteral("MSChart1"));
    MSChart1->setRenderHint(QPainter::Antialiasing, false);
}

void frmGraph::ShowSeries(const ChartSeries& series) {
    // One replace for all points: the series redraws once, not once a point.
    levels_->replace(series.points);
    const auto rows = static_cast<double>(series.points.size());
    timeAxis_->setRange(0, std::max(rows, 1.0));
    SetTimeLabels(series);

    const double lowest = series.points.isEmpty() ? 50 : std::floor(series.lowest) - kLevelMargin;
    const double highest = series.points.isEmpty() ? 70 : std::ceil(series.highest) + kLevelMargin;
    for (QValueAxis* axis : {levelAxis_, secondLevelAxis_}) {
        axis->setRange(lowest, highest);
        axis->applyNiceNumbers();
    }
}

void frmGraph::SetTimeLabels(const ChartSeries& series) {
    for (const QString& label : timeAxis_->categoriesLabels())
        timeAxis_->remove(label);

    // Labels closer than this many rows would overlap: of two, the earlier one is shown. A label
    // repeats only within its own hour (after a minute drawn at 55 dB), and the axis needs each
    // label once, so a repeat is left out too.
    const int rows = static_cast<int>(series.points.size());
    const int gap = std::max(1, rows / kMostTimeLabels);
    QSet<QString> shown;
    int lastRow = 0;
    for (const ChartAxisMark& mark : series.marks) {
        if (shown.contains(mark.label) || (!shown.isEmpty() && mark.row - lastRow < gap))
            continue;
        timeAxis_->append(mark.label, mark.row);
        shown.insert(mark.label);
        lastRow = mark.row;
    }
}

void frmGraph::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    PlaceControls();
}

// The chart keeps its designed margins and grows with the window; the drop-down boxes keep their
// place to the right of it.
void frmGraph::PlaceControls() {
    const int rightMargin = kWindowDesign.width() - kChartDesign.right() - 1;
    const int bottomMargin = kWindowDesign.height() - kChartDesign.bottom() - 1;
    MSChart1->setGeometry(kChartDesign.left(), kChartDesign.top(),
                          std::max(1, width() - kChartDesign.left() - rightMargin),
                          std::max(1, height() - kChartDesign.top() - bottomMargin));
    const int boxLeft = MSChart1->geometry().right() + 1 + Px(17760) - (kChartDesign.right() + 1);
    Leq_Display->setGeometry(QRect(QPoint(boxLeft, Px(1200)), TwipSize(2055, 315)));
    GraphType->setGeometry(QRect(QPoint(boxLeft, Px(2160)), TwipSize(2055, 315)));
}
