#pragma once
// What the analysis chart draws behind its lines: the evening and night bands, the source and
// residual marks, the excluded periods, the selection and the threshold, in the plot area of the
// chart; and the legend's entries of what it draws, so that the legend names what shows, on
// screen and on paper.

#include "analysis/analysis_settings.h"
#include "views/analysis/chart/analysis_band_legend.h"

#include <QGraphicsItem>

#include <optional>
#include <vector>

class QChart;
class QValueAxis;

class AnalysisOverlay final : public QGraphicsItem {
  public:
    AnalysisOverlay(QChart* chart, QValueAxis* x, QValueAxis* y);

    struct Content {
        vrd::Minute origin = 0;
        std::optional<vrd::Periods> periods; // nullopt: no bands
        // With a French standard and periods shown: its night as the band, no evening.
        std::optional<vrd::ClockHours> standardDay;
        std::vector<vrd::Interval> exclusions; // empty: none shaded
        std::vector<vrd::Interval> sources;    // the source and residual marks, each in its
        std::vector<vrd::Interval> residuals;  // colour under the exclusions
        std::optional<vrd::Interval> selection;
        std::optional<double> threshold;
    };
    void SetContent(Content content);
    const Content& Shown() const { return content_; }
    // The plot area moved or the axes changed.
    void Follow();
    // The legend's names in language.
    void SetLegendLanguage(Language language) { legend_.SetTexts(language); }

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

  private:
    double PixelX(double x) const;
    void PaintSpan(QPainter& painter, double fromX, double toX, const QBrush& brush) const;

    QChart* chart_;
    QValueAxis* x_;
    QValueAxis* y_;
    AnalysisBandLegend legend_;
    Content content_;
    QRectF plot_;
};
