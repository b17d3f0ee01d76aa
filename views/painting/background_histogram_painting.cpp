// The BS 4142 side of distribution_painting.h: how often the intervals' L90 came to each whole
// decibel, by day and at night, the mode the background level is read from marked.

#include "views/painting/distribution_chart_parts.h"
#include "views/painting/distribution_painting.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <optional>

using distribution_chart::Tr;

namespace {

QColor ColourOf(vrd::PeriodLabel label) {
    return label == vrd::PeriodLabel::Night ? QColor(60, 80, 160) : QColor(222, 160, 40);
}

QString TitleOf(const vrd::BackgroundLevel& background, Language language) {
    // BS 4142 takes the L90 of each hour by day and of each quarter hour at night.
    const QString title =
        background.label == vrd::PeriodLabel::Night
            ? Tr(language,
                 QT_TRANSLATE_NOOP("DistributionChart", "Night-time: L90 of each 15 minutes"))
            : Tr(language, QT_TRANSLATE_NOOP("DistributionChart", "Daytime: L90 of each hour"));
    return title + QStringLiteral(", n = ") + QString::number(background.count);
}

void PaintCountAxis(QPainter& painter, const QRectF& plot, double top) {
    const QFontMetricsF metrics(painter.font());
    const double step = distribution_chart::NiceStep(top, 4);
    for (double count = 0; count <= top + 1e-9; count += step) {
        const double y = plot.bottom() - plot.height() * count / top;
        painter.setPen(QColor(225, 225, 225));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(Qt::black);
        const QString text = QString::number(count, 'f', 0);
        painter.drawText(QPointF(plot.left() - metrics.horizontalAdvance(text) - 5,
                                 y + metrics.ascent() / 2 - 1),
                         text);
    }
}

void PaintPanel(QPainter& painter, const QRectF& area, const vrd::BackgroundLevel& background,
                double low, double high, Language language) {
    const QFontMetricsF metrics(painter.font());
    painter.setPen(Qt::black);
    painter.drawText(
        QPointF(area.left(), area.top() + metrics.ascent()),
        metrics.elidedText(TitleOf(background, language), Qt::ElideRight, area.width()));
    distribution_chart::LevelAxis axis;
    const double side = metrics.horizontalAdvance(QStringLiteral("100")) + metrics.height() * 1.6;
    axis.plot = area.adjusted(side, metrics.height() * 1.4, -metrics.height() * 0.6,
                              -metrics.height() * 2.8);
    axis.low = low;
    axis.high = high;
    if (background.count == 0) {
        painter.drawRect(axis.plot);
        distribution_chart::PaintNothing(
            painter, axis.plot,
            Tr(language, QT_TRANSLATE_NOOP("DistributionChart", "No interval has an L90.")));
        return;
    }
    std::int64_t most = 1;
    for (const vrd::LevelCount& count : background.histogram)
        most = std::max(most, count.count);
    // Headroom for the mode's label.
    const double headroom = static_cast<double>(most) * 1.35;
    const double step = distribution_chart::NiceStep(headroom, 4);
    const double top = std::ceil(headroom / step) * step;
    PaintCountAxis(painter, axis.plot, top);

    const QColor colour = ColourOf(background.label);
    for (const vrd::LevelCount& count : background.histogram) {
        const double height = axis.plot.height() * static_cast<double>(count.count) / top;
        const bool mode = background.mode && count.level == *background.mode;
        painter.fillRect(QRectF(axis.X(count.level) - axis.Bar() * 0.42,
                                axis.plot.bottom() - height, axis.Bar() * 0.84, height),
                         mode ? colour.darker(160) : colour);
    }
    std::vector<distribution_chart::MarkerLabel> labels;
    if (background.mode)
        labels.push_back({axis.X(*background.mode),
                          Tr(language, QT_TRANSLATE_NOOP("DistributionChart", "Mode %1 dB"))
                              .arg(QString::number(*background.mode)),
                          colour.darker(200)});
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(axis.plot);
    distribution_chart::PaintLevelTicks(painter, axis);
    distribution_chart::PaintSideTitle(
        painter, QPointF(area.left() + metrics.height() * 0.6, axis.plot.center().y()),
        Tr(language, QT_TRANSLATE_NOOP("DistributionChart", "Intervals")), -90, axis.plot.height());
    const QString level = Tr(language, QT_TRANSLATE_NOOP("DistributionChart", "L90 (dB)"));
    painter.drawText(QPointF(axis.plot.center().x() - metrics.horizontalAdvance(level) / 2,
                             axis.plot.bottom() + metrics.height() * 1.3 + metrics.ascent()),
                     level);
    distribution_chart::PaintMarkerLabels(painter, axis.plot, std::move(labels));
}

} // namespace

void PaintBackgroundHistogram(QPainter& painter, const QRectF& area,
                              const std::vector<vrd::BackgroundLevel>& background,
                              Language language) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    // One level axis for every panel, so that day and night compare at a glance.
    std::optional<int> lowest;
    std::optional<int> highest;
    for (const vrd::BackgroundLevel& label : background)
        if (!label.histogram.empty()) {
            lowest = std::min(lowest.value_or(label.histogram.front().level),
                              label.histogram.front().level);
            highest = std::max(highest.value_or(label.histogram.back().level),
                               label.histogram.back().level);
        }
    if (!lowest || !highest) {
        distribution_chart::PaintNothing(
            painter, area,
            Tr(language,
               QT_TRANSLATE_NOOP("DistributionChart",
                                 "No interval has an L90: an hour by day or a quarter hour at "
                                 "night needs 80 % of its minutes residual.")));
        painter.restore();
        return;
    }
    // Side by side across a wide area, one above the other in a tall one.
    const bool across = area.width() > area.height() * 1.6;
    const auto panels = static_cast<double>(background.size());
    for (std::size_t i = 0; i < background.size(); ++i) {
        const double at = static_cast<double>(i) / panels;
        const QRectF panel = across ? QRectF(area.left() + area.width() * at, area.top(),
                                             area.width() / panels, area.height())
                                    : QRectF(area.left(), area.top() + area.height() * at,
                                             area.width(), area.height() / panels);
        PaintPanel(painter, panel.adjusted(0, 0, across ? -8 : 0, across ? 0 : -6), background[i],
                   *lowest - 1, *highest + 1, language);
    }
    painter.restore();
}
