#pragma once
// The chart window: the 1-minute levels of the report over time, one point per minute, labelled
// by date and hour.

#include "views/chart_series.h"

#include <QWidget>

class QCategoryAxis;
class QChart;
class QChartView;
class QComboBox;
class QLineSeries;
class QValueAxis;

class frmGraph final : public QWidget {
    Q_OBJECT

  public:
    // The time axis shows about this many labels at most, whatever the length of the report:
    // at the designed size each rotated label then keeps the room it needs.
    static constexpr int kMostTimeLabels = 32;

    explicit frmGraph(QWidget* parent = nullptr);

    // Plots series, replacing what the chart showed.
    void ShowSeries(const ChartSeries& series);

    // The designed size; the window can be resized.
    QSize sizeHint() const override;

    QChart* Chart() const { return chart_; }
    QLineSeries* Levels() const { return levels_; }
    QCategoryAxis* TimeAxis() const { return timeAxis_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void BuildChart();
    void PlaceControls();
    void SetTimeLabels(const ChartSeries& series);

    QChart* chart_ = nullptr;
    QChartView* MSChart1 = nullptr;
    QLineSeries* levels_ = nullptr;
    QCategoryAxis* timeAxis_ = nullptr;
    QValueAxis* levelAxis_ = nullptr;
    QValueAxis* secondLevelAxis_ = nullptr;
    QComboBox* Leq_Display = nullptr;
    QComboBox* GraphType = nullptr;
};
