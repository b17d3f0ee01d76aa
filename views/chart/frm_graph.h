#pragma once
// The chart window: the 1-minute levels of the report over time, labelled by date and hour.
//
// The chart draws what its width can show of the range on screen (per pixel column the first,
// lowest, highest and last minute), so a year of minutes draws as fast as an hour. The user zooms
// and pans with the mouse and the keys (see ChartZoomView), reads the date, time and level of the
// minute under the pointer to the right of the chart, and saves the chart as a PNG image.

#include "views/chart/chart_time_labels.h"
#include "views/plot/chart_series.h"
#include "views/plot/chart_zoom.h"

#include <QImage>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <optional>

class ChartZoomView;
class QAction;
class QCategoryAxis;
class QChart;
class QComboBox;
class QLabel;
class QLineSeries;
class QPushButton;
class QScatterSeries;
class QValueAxis;

class frmGraph final : public QWidget {
    Q_OBJECT

  public:
    // Asks where to save the chart; suggestedName is a file name without folder. nullopt when the
    // user cancels.
    using SavePathChooser =
        std::function<std::optional<QString>(QWidget* parent, const QString& suggestedName)>;

    explicit frmGraph(QWidget* parent = nullptr);

    // Plots series, replacing what the chart showed, and shows the whole of it.
    void ShowSeries(const ChartSeries& series);
    const ChartSeries& Series() const { return series_; }

    // Where "Save chart as PNG" asks for the path; without one there is nothing to save to.
    void SetSavePathChooser(SavePathChooser chooser) { choosePath_ = std::move(chooser); }
    // The file name the save dialog suggests; "chart.png" until set.
    void SetSuggestedFileName(const QString& name) { suggestedName_ = name; }
    // The file and site of the report shown, for the title line of a saved picture.
    void SetReportIdentity(const QString& path, const QString& site);
    // The line a saved picture carries above the chart: the file, the site and the period shown.
    QString TitleLine() const;
    // "Save chart as PNG": asks for a path and writes the chart as shown under its title line,
    // whole or not at all.
    // A failure shows a warning naming the file and the reason. True when written.
    bool SaveChartAsPng();
    // Writes the chart as shown to path; on failure returns false and sets reason.
    bool WritePng(const QString& path, QString& reason);

    // The points drawn for the range shown are brought up to date after a short pause once the
    // range or the size changes; this does it at once.
    void Redraw();

    // The read-out for the row under the pointer, row counting from 1 as on the time axis; any
    // other value shows the hint.
    void ShowReadout(qsizetype row);

    // The designed size; the window can be resized.
    QSize sizeHint() const override;

    QChart* Chart() const { return chart_; }
    ChartZoomView* View() const { return MSChart1; }
    QLineSeries* Levels() const { return levels_; }
    QCategoryAxis* TimeAxis() const { return timeAxis_; }
    QValueAxis* LevelAxis() const { return levelAxis_; }
    QLabel* Readout() const { return readout_; }
    QAction* ResetZoomAction() const { return resetZoom_; }
    QAction* SavePngAction() const { return savePng_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void BuildChart();
    void BuildActions();
    void PlaceControls();
    void SetTimeLabels(AxisRange shown);
    TimeLabelRoom LabelRoom(AxisRange shown) const;
    double PlotWidth() const;
    void FollowLevelAxis();
    int PixelColumns() const;
    QString RowTime(qsizetype row) const;
    QImage TitledPicture();

    ChartSeries series_;
    AxisRange levelLimits_{50, 70};
    QTimer redraw_;
    SavePathChooser choosePath_;
    QString suggestedName_ = QStringLiteral("chart.png");
    QString reportPath_;
    QString reportSite_;

    QChart* chart_ = nullptr;
    ChartZoomView* MSChart1 = nullptr;
    QLineSeries* levels_ = nullptr;
    QScatterSeries* marker_ = nullptr;
    QCategoryAxis* timeAxis_ = nullptr;
    QValueAxis* levelAxis_ = nullptr;
    QValueAxis* secondLevelAxis_ = nullptr;
    QComboBox* Leq_Display = nullptr;
    QComboBox* GraphType = nullptr;
    QPushButton* resetButton_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QLabel* readout_ = nullptr;
    QLabel* hint_ = nullptr;
    QAction* zoomIn_ = nullptr;
    QAction* zoomOut_ = nullptr;
    QAction* resetZoom_ = nullptr;
    QAction* savePng_ = nullptr;
};
