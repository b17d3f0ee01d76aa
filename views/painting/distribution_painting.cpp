#include "views/painting/distribution_painting.h"

#include "views/painting/distribution_chart_parts.h"
#include "views/painting/mark_look.h"
#include "views/texts/analysis_text.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <optional>

using distribution_chart::Tr;

namespace {

// One set of minutes as drawn: its bars, its curve above and its statistical levels.
struct Set {
    const vrd::LevelDistribution* levels;
    QColor bar;
    QColor line;
    QString name;
};

QColor Opaque(QColor colour, int alpha) {
    colour.setAlpha(alpha);
    return colour;
}

std::int64_t MinutesOf(const std::optional<vrd::LevelDistribution>& levels) {
    return levels ? levels->minutes : 0;
}

std::vector<Set> SetsOf(const vrd::LevelDistributions& distributions, Language language) {
    // Marks that hold none of the minutes (residual marks elsewhere, the minutes between them
    // unmarked) leave the minutes drawn as one set.
    if (MinutesOf(distributions.source) + MinutesOf(distributions.residual) == 0)
        return {{&distributions.all, QColor(70, 130, 180), QColor(20, 50, 110),
                 Tr(language, QT_TRANSLATE_NOOP("DistributionChart", "All minutes"))}};
    std::vector<Set> sets;
    if (distributions.source)
        sets.push_back({&*distributions.source, Opaque(mark_look::kSource, 200),
                        Opaque(mark_look::kSource, 255).darker(135),
                        Tr(language, QT_TRANSLATE_NOOP("DistributionChart", "Source noise"))});
    if (distributions.residual)
        sets.push_back({&*distributions.residual, Opaque(mark_look::kResidual, 200),
                        Opaque(mark_look::kResidual, 255).darker(135),
                        Tr(language, QT_TRANSLATE_NOOP("DistributionChart", "Residual noise"))});
    return sets;
}

double Percent(const vrd::LevelRow& row, const vrd::LevelDistribution& levels) {
    return 100.0 * static_cast<double>(row.minutes) / static_cast<double>(levels.minutes);
}

struct Frame {
    distribution_chart::LevelAxis axis;
    double barTop = 1; // % of time at the top of the left axis
};

void PaintPercentAxes(QPainter& painter, const Frame& frame, Language language) {
    const QFontMetricsF metrics(painter.font());
    const QRectF& plot = frame.axis.plot;
    const double step = distribution_chart::NiceStep(frame.barTop, 5);
    const auto leftY = [&](double percent) {
        return plot.bottom() - plot.height() * percent / frame.barTop;
    };
    for (double percent = 0; percent <= frame.barTop + 1e-9; percent += step) {
        const double y = leftY(percent);
        painter.setPen(QColor(225, 225, 225));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(Qt::black);
        const QString text = PercentText(percent / 100, language);
        painter.drawText(QPointF(plot.left() - metrics.horizontalAdvance(text) - 5,
                                 y + metrics.ascent() / 2 - 1),
                         text);
    }
    for (int percent = 0; percent <= 100; percent += 25) {
        const double y = plot.bottom() - plot.height() * percent / 100.0;
        painter.drawLine(QPointF(plot.right(), y), QPointF(plot.right() + 4, y));
        painter.drawText(QPointF(plot.right() + 6, y + metrics.ascent() / 2 - 1),
                         PercentText(percent / 100.0, language));
    }
    painter.drawRect(plot);
    distribution_chart::PaintLevelTicks(painter, frame.axis);

    const double side = metrics.height() * 0.8;
    const double labels = metrics.horizontalAdvance(QStringLiteral("100 %")) + 6;
    distribution_chart::PaintSideTitle(
        painter, QPointF(plot.left() - labels - side, plot.center().y()),
        Tr(language, QT_TRANSLATE_NOOP("DistributionChart", "% of time at the level")), -90,
        plot.height());
    distribution_chart::PaintSideTitle(
        painter, QPointF(plot.right() + labels + side, plot.center().y()),
        Tr(language, QT_TRANSLATE_NOOP("DistributionChart", "% of time above")), 90, plot.height());
    const QString level = Tr(language, QT_TRANSLATE_NOOP("DistributionChart", "Level (dB)"));
    painter.drawText(QPointF(plot.center().x() - metrics.horizontalAdvance(level) / 2,
                             plot.bottom() + metrics.height() * 1.3 + metrics.ascent()),
                     level);
}

// Side by side within each decibel when there are several sets.
void PaintBars(QPainter& painter, const Frame& frame, const std::vector<Set>& sets) {
    const QRectF& plot = frame.axis.plot;
    // A bin is a decibel or a tenth of one.
    const double slot = frame.axis.Bar() * 0.84 * sets.front().levels->width;
    const double width = slot / static_cast<double>(sets.size());
    for (std::size_t i = 0; i < sets.size(); ++i) {
        const vrd::LevelDistribution& levels = *sets[i].levels;
        for (const vrd::LevelRow& row : levels.rows) {
            if (row.minutes == 0)
                continue;
            const double height = plot.height() * Percent(row, levels) / frame.barTop;
            const double left = frame.axis.X(row.level) - slot / 2 + width * static_cast<double>(i);
            painter.fillRect(QRectF(left, plot.bottom() - height, width, height), sets[i].bar);
        }
    }
}

// The share above each level, reached at the bar's right edge: the minutes right of the curve's
// point are the ones above.
void PaintAbove(QPainter& painter, const Frame& frame, const Set& set) {
    const QRectF& plot = frame.axis.plot;
    const auto y = [&](double share) { return plot.bottom() - plot.height() * share; };
    QPainterPath path;
    const double half = set.levels->width / 2;
    path.moveTo(frame.axis.X(set.levels->rows.front().level - half), y(1));
    for (const vrd::LevelRow& row : set.levels->rows)
        path.lineTo(frame.axis.X(row.level + half), y(row.above));
    painter.setPen(QPen(set.line, 2 * distribution_chart::Stroke(painter)));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
}

// One set draws its markers darker than its curve; several in their own colours.
QColor MarkerColour(const Set& set, std::size_t sets) {
    return sets == 1 ? QColor(60, 60, 60) : set.line;
}

// The labels of L10, L50 and L90 of each set, at their levels' x.
std::vector<distribution_chart::MarkerLabel>
StatisticalLabels(const distribution_chart::LevelAxis& axis, const std::vector<Set>& sets,
                  Language language) {
    std::vector<distribution_chart::MarkerLabel> labels;
    for (const Set& set : sets) {
        const vrd::LevelDistribution& levels = *set.levels;
        for (const auto& [percent, level] :
             {std::pair{10, levels.l10}, std::pair{50, levels.l50}, std::pair{90, levels.l90}})
            if (level)
                labels.push_back({axis.X(*level), DistributionMarkerText(percent, *level, language),
                                  MarkerColour(set, sets.size())});
    }
    return labels;
}

// The dashed lines of the statistical levels, from their labels above the plot down through it.
void PaintStatisticalLevels(QPainter& painter, const Frame& frame, const std::vector<Set>& sets,
                            double labelsTop, Language language) {
    const QRectF& plot = frame.axis.plot;
    for (const Set& set : sets) {
        painter.setPen(QPen(MarkerColour(set, sets.size()), distribution_chart::Stroke(painter),
                            Qt::DashLine));
        const vrd::LevelDistribution& levels = *set.levels;
        for (const std::optional<double>& level : {levels.l10, levels.l50, levels.l90})
            if (level) {
                const double x = frame.axis.X(*level);
                painter.drawLine(QPointF(x, labelsTop), QPointF(x, plot.bottom()));
            }
    }
    distribution_chart::PaintMarkerLabels(painter, plot,
                                          StatisticalLabels(frame.axis, sets, language), labelsTop);
}

void PaintLegend(QPainter& painter, const QRectF& area, const std::vector<Set>& sets,
                 Language language, vrd::Millis step) {
    const QFontMetricsF metrics(painter.font());
    const double y = area.top() + metrics.ascent();
    double x = area.left();
    const QLocale locale = LocaleOf(language);
    for (const Set& set : sets) {
        const QRectF swatch(x, y - metrics.ascent() * 0.8, metrics.height() * 0.7,
                            metrics.ascent() * 0.8);
        painter.fillRect(swatch, set.bar);
        painter.setPen(QPen(set.line, 2 * distribution_chart::Stroke(painter)));
        painter.drawLine(QPointF(swatch.right() + 2, swatch.center().y()),
                         QPointF(swatch.right() + metrics.height(), swatch.center().y()));
        const QString text =
            Tr(language, step == vrd::kMillisPerMinute
                             ? QT_TRANSLATE_NOOP("DistributionChart", "%1 (%2 min)")
                             : QT_TRANSLATE_NOOP("DistributionChart", "%1 (%2 samples)"))
                .arg(set.name, locale.toString(static_cast<qlonglong>(set.levels->minutes)));
        painter.setPen(Qt::black);
        painter.drawText(QPointF(swatch.right() + metrics.height() * 1.3, y), text);
        x = swatch.right() + metrics.height() * 1.3 + metrics.horizontalAdvance(text) +
            metrics.height() * 1.2;
    }
}

} // namespace

QString DistributionMarkerText(int percent, double level, Language language) {
    return QStringLiteral("L") + QString::number(percent) + QLatin1Char(' ') +
           LevelText(level, language) + UnitSpace(language) + QStringLiteral("dB");
}

void PaintLevelDistribution(QPainter& painter, const QRectF& area,
                            const vrd::LevelDistributions& distributions, Language language,
                            vrd::Millis sampleStep) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    if (distributions.all.minutes == 0) {
        distribution_chart::PaintNothing(
            painter, area,
            Tr(language,
               QT_TRANSLATE_NOOP("DistributionChart", "No minute with a level in this period.")));
        painter.restore();
        return;
    }
    const std::vector<Set> sets = SetsOf(distributions, language);
    const QFontMetricsF metrics(painter.font());
    const double labels = metrics.horizontalAdvance(QStringLiteral("100 %")) + 6;
    const double side = labels + metrics.height() * 1.5;
    Frame frame;
    frame.axis.plot = area.adjusted(side, metrics.height() * 1.6, -side, -metrics.height() * 3.9);
    double lowest = distributions.all.rows.front().level;
    double highest = distributions.all.rows.back().level;
    double tallest = 0;
    for (const Set& set : sets)
        for (const vrd::LevelRow& row : set.levels->rows) {
            lowest = std::min(lowest, row.level);
            highest = std::max(highest, row.level);
            tallest = std::max(tallest, Percent(row, *set.levels));
        }
    frame.axis.low = lowest - 1;
    frame.axis.high = highest + 1;
    // A set without minutes has nothing to draw but its entry in the legend.
    std::vector<Set> drawn;
    std::copy_if(sets.begin(), sets.end(), std::back_inserter(drawn),
                 [](const Set& set) { return set.levels->minutes > 0; });
    // The labels of the statistical levels in rows of their own above the plot, clear of the
    // bars, of the curves that start at its top and of the right axis' labels.
    const double labelsTop = frame.axis.plot.top();
    const double labelRows = distribution_chart::MarkerLabelsHeight(
        painter, frame.axis.plot, StatisticalLabels(frame.axis, drawn, language));
    frame.axis.plot.setTop(labelsTop + labelRows + metrics.height() * 0.5);
    // A little room above the tallest bar; never past all of the time.
    const double headroom = tallest * 1.08;
    const double step = distribution_chart::NiceStep(headroom, 5);
    frame.barTop = std::min(100.0, std::ceil(headroom / step) * step);

    PaintPercentAxes(painter, frame, language);
    PaintBars(painter, frame, drawn);
    for (const Set& set : drawn)
        PaintAbove(painter, frame, set);
    PaintStatisticalLevels(painter, frame, drawn, labelsTop, language);
    PaintLegend(
        painter,
        QRectF(frame.axis.plot.left(), area.top(), frame.axis.plot.width(), metrics.height() * 1.4),
        sets, language, sampleStep);
    painter.setPen(Qt::darkGray);
    const QString caption =
        sampleStep == vrd::kMillisPerMinute
            ? Tr(language, QT_TRANSLATE_NOOP("DistributionChart",
                                             "Levels of the 1-minute Leq. Bars: time at each "
                                             "level; lines: time above it; dashed: L10, L50, L90."))
            : Tr(language, QT_TRANSLATE_NOOP("DistributionChart",
                                             "Levels of the %1 Leq. Bars: time at each level; "
                                             "lines: time above it; dashed: L10, L50, L90."))
                  .arg(StepText(sampleStep, language));
    painter.drawText(QPointF(area.left(), area.bottom() - metrics.descent()), caption);
    painter.restore();
}
