#pragma once
// The chart of the analysis window: the true 1-minute levels with breaks where minutes have no
// level, and as overlays the sliding Leq over a chosen length, the threshold, the day, evening and
// night periods as bands, the excluded periods shaded and the selection, with a legend of the
// lines and the bands. It zooms, pans, reads out and thins its lines as the chart window does
// (ChartZoomView, DecimateToColumns); a left drag selects a period, and "Reset zoom" beside it
// shows the whole period again.

#include "analysis/analysis_settings.h"
#include "analysis/assessment_rules.h"
#include "views/analysis/chart/analysis_chart_data.h"
#include "views/common/language.h"
#include "views/plot/chart_zoom.h"

#include <QTimer>
#include <QWidget>

#include <array>
#include <memory>
#include <optional>

class AnalysisOverlay;
class AnalysisSession;
class ChartZoomView;
class QCategoryAxis;
class QChart;
class QLabel;
class QLineSeries;
class QPainter;
class QAction;
class QPushButton;
class QValueAxis;

class AnalysisChart final : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kMostTimeLabels = 24;
    // Polylines drawn per line at most, whatever the number of breaks in the log.
    static constexpr int kMostPolylines = 400;
    // The lengths of the sliding Leq the user chooses from, in minutes.
    static constexpr std::array<int, 4> kSlidingLengths = {5, 10, 15, 60};

    explicit AnalysisChart(const AnalysisSession& session, QWidget* parent = nullptr);
    ~AnalysisChart() override;

    struct Overlays {
        bool sliding = false;
        int slidingMinutes = 10;
        bool threshold = true;
        bool periods = true;
        bool exclusions = true;
    };
    void SetOverlays(Overlays overlays);
    const Overlays& ShownOverlays() const { return overlays_; }
    // The French standard's day whose night the bands show; nullopt: the periods' own.
    const std::optional<vrd::ClockHours>& ShownStandardDay() const;

    // Shows the period, zoomed out as far as needed to hold it.
    void Reveal(vrd::Interval period);
    // Shows the period alone, with a tenth of it (five minutes at least) either side.
    void ZoomTo(vrd::Interval period);
    // The lines for the range shown, at once instead of after the short pause.
    void Redraw();
    // Draws the chart as shown into target (vector output on a PDF or a printer).
    void Render(QPainter& painter, const QRectF& target);
    // The language of the texts drawn in the chart (its axis, legend and time labels): the
    // window's, and the report's while the report draws it.
    void SetTextLanguage(Language language);
    Language TextLanguage() const { return textLanguage_; }

    vrd::Minute Origin() const { return origin_; }
    ChartZoomView* View() const { return view_; }
    QChart* Chart() const { return chart_; }
    QLabel* Readout() const { return readout_; }
    QPushButton* ResetZoomButton() const { return resetZoom_; }
    // The polylines drawn of the 1-minute levels and of the sliding Leq.
    QList<QLineSeries*> LevelSeries() const;
    QList<QLineSeries*> SlidingSeries() const;

  signals:
    // The user dragged over this period of the chart.
    void periodDragged(vrd::Interval period);

  protected:
    void changeEvent(QEvent* event) override;

  private:
    struct Pool;
    void ShowWhole();
    void FollowSession();
    void FollowExclusions();
    void FollowLevelAxis();
    void SetTimeLabels(AxisRange shown);
    QLineSeries* AddPiece(Pool& pool);
    void DrawLine(Pool& pool, const BrokenLine& line, bool visible, int columns);
    void ShowReadout(QPointF value);
    QString ReadoutHint() const;
    QString LevelName(Language language) const;
    // The texts of the window's language: the chart's, the readout's and the reset button's.
    void SetWindowTexts();
    int PixelColumns() const;

    const AnalysisSession& session_;
    Overlays overlays_;
    Language textLanguage_ = Language::English;
    vrd::Minute origin_ = 0;
    BrokenLine levels_;
    BrokenLine sliding_;
    // The sliding Leq no longer matches the series, the exclusions or the length chosen; it is
    // worked out again when shown.
    bool slidingStale_ = true;
    QTimer redraw_;

    QChart* chart_ = nullptr;
    ChartZoomView* view_ = nullptr;
    QCategoryAxis* timeAxis_ = nullptr;
    QValueAxis* levelAxis_ = nullptr;
    AnalysisOverlay* overlay_ = nullptr;
    QLabel* readout_ = nullptr;
    QPushButton* resetZoom_ = nullptr;
    QAction* resetZoomAction_ = nullptr;
    std::unique_ptr<Pool> levelPool_;
    std::unique_ptr<Pool> slidingPool_;
};
