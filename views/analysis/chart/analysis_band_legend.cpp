#include "views/analysis/chart/analysis_band_legend.h"

#include "views/painting/analysis_band_look.h"
#include "views/painting/mark_look.h"

#include <QAreaSeries>
#include <QChart>
#include <QLineSeries>
#include <QValueAxis>

namespace {

QAreaSeries* Entry(QChart* chart, QValueAxis* x, QValueAxis* y, const QBrush& brush,
                   const QPen& pen) {
    auto* series = new QAreaSeries(new QLineSeries);
    series->setBrush(brush);
    series->setPen(pen);
    chart->addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
    return series;
}

} // namespace

AnalysisBandLegend::AnalysisBandLegend(QChart* chart, QValueAxis* x, QValueAxis* y) {
    const QPen outline(Qt::gray, 1);
    day_ = Entry(chart, x, y, band_look::kDay, outline);
    evening_ = Entry(chart, x, y, band_look::kEvening, outline);
    night_ = Entry(chart, x, y, band_look::kNight, outline);
    source_ = Entry(chart, x, y, mark_look::kSource, outline);
    residual_ = Entry(chart, x, y, mark_look::kResidual, outline);
    // The hatch alone, as the chart draws it over its grey.
    excluded_ = Entry(chart, x, y, QBrush(band_look::kExcludedHatch, Qt::BDiagPattern), outline);
    // The selection's outline tells it on the chart; its faint fill alone would not in a swatch.
    QColor selectionSwatch = band_look::kSelectionEdge;
    selectionSwatch.setAlpha(110);
    selection_ = Entry(chart, x, y, selectionSwatch,
                       QPen(band_look::kSelectionEdge, band_look::kSelectionEdgeWidth));
    SetTexts(Language::English);
}

void AnalysisBandLegend::SetTexts(Language language) {
    const auto text = [language](const char* source) {
        return Translated(language, "AnalysisChart", source);
    };
    day_->setName(text(QT_TRANSLATE_NOOP("AnalysisChart", "Day")));
    evening_->setName(text(QT_TRANSLATE_NOOP("AnalysisChart", "Evening")));
    night_->setName(text(QT_TRANSLATE_NOOP("AnalysisChart", "Night")));
    source_->setName(text(QT_TRANSLATE_NOOP("AnalysisChart", "Source")));
    residual_->setName(text(QT_TRANSLATE_NOOP("AnalysisChart", "Residual")));
    excluded_->setName(text(QT_TRANSLATE_NOOP("AnalysisChart", "Excluded")));
    selection_->setName(text(QT_TRANSLATE_NOOP("AnalysisChart", "Selection")));
}

void AnalysisBandLegend::Show(bool periods, bool sources, bool residuals, bool exclusions,
                              bool selection) {
    // A series' legend entry shows and hides with it.
    for (QAreaSeries* band : {day_, evening_, night_})
        band->setVisible(periods);
    source_->setVisible(sources);
    residual_->setVisible(residuals);
    excluded_->setVisible(exclusions);
    selection_->setVisible(selection);
}
