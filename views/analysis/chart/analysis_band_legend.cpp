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

namespace {

QString Hour(int hour) {
    return QStringLiteral("%1:00").arg(hour, 2, 10, QLatin1Char('0'));
}

} // namespace

void AnalysisBandLegend::SetTexts(Language language) {
    language_ = language;
    const auto text = [language](const char* source) {
        return Translated(language, "AnalysisChart", source);
    };
    if (standardDay_) {
        const QString day = Hour(standardDay_->from);
        const QString night = Hour(standardDay_->to);
        day_->setName(text(QT_TRANSLATE_NOOP("AnalysisChart", "Day %1–%2")).arg(day, night));
        night_->setName(text(QT_TRANSLATE_NOOP("AnalysisChart", "Night %1–%2")).arg(night, day));
    } else {
        day_->setName(text(QT_TRANSLATE_NOOP("AnalysisChart", "Day")));
        night_->setName(text(QT_TRANSLATE_NOOP("AnalysisChart", "Night")));
    }
    evening_->setName(text(QT_TRANSLATE_NOOP("AnalysisChart", "Evening")));
    source_->setName(text(QT_TRANSLATE_NOOP("AnalysisChart", "Source")));
    residual_->setName(text(QT_TRANSLATE_NOOP("AnalysisChart", "Residual")));
    excluded_->setName(text(QT_TRANSLATE_NOOP("AnalysisChart", "Excluded")));
    selection_->setName(text(QT_TRANSLATE_NOOP("AnalysisChart", "Selection")));
}

void AnalysisBandLegend::Show(bool periods, bool sources, bool residuals, bool exclusions,
                              bool selection) {
    // A series' legend entry shows and hides with it.
    periods_ = periods;
    day_->setVisible(periods);
    evening_->setVisible(periods && !standardDay_);
    night_->setVisible(periods);
    source_->setVisible(sources);
    residual_->setVisible(residuals);
    excluded_->setVisible(exclusions);
    selection_->setVisible(selection);
}

void AnalysisBandLegend::SetStandardDay(std::optional<vrd::ClockHours> day) {
    standardDay_ = day;
    evening_->setVisible(periods_ && !standardDay_);
    SetTexts(language_);
}
