#include "views/painting/distribution_chart_parts.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace distribution_chart {

QString Tr(Language language, const char* source) {
    return Translated(language, "DistributionChart", source);
}

double NiceStep(double span, int most) {
    for (double scale = 1;; scale *= 10)
        for (const double step : {1.0, 2.0, 5.0})
            if (span / (step * scale) <= most)
                return step * scale;
}

double Stroke(const QPainter& painter) {
    return std::max(1.0, QFontMetricsF(painter.font()).height() / 12);
}

void PaintLevelTicks(QPainter& painter, const LevelAxis& axis) {
    const QFontMetricsF metrics(painter.font());
    // Labels at least two of their widths apart.
    const double room = metrics.horizontalAdvance(QStringLiteral("100")) * 2;
    const double step =
        NiceStep(axis.high - axis.low, std::max(1, static_cast<int>(axis.plot.width() / room)));
    painter.setPen(Qt::black);
    for (double level = std::ceil(axis.low / step) * step; level <= axis.high; level += step) {
        const QPointF at(axis.X(level), axis.plot.bottom());
        const double tick = metrics.height() * 0.3;
        painter.drawLine(at, at + QPointF(0, tick));
        const QString text = QString::number(level, 'f', 0);
        painter.drawText(
            at + QPointF(-metrics.horizontalAdvance(text) / 2, tick + metrics.ascent()), text);
    }
}

void PaintSideTitle(QPainter& painter, const QPointF& centre, const QString& whole, double angle,
                    double length) {
    const QFontMetricsF metrics(painter.font());
    const QString text = metrics.elidedText(whole, Qt::ElideRight, length);
    painter.save();
    painter.translate(centre);
    painter.rotate(angle);
    painter.drawText(QPointF(-metrics.horizontalAdvance(text) / 2, metrics.ascent() / 2), text);
    painter.restore();
}

namespace {

struct PlacedLabel {
    double left = 0;
    double width = 0;
    std::size_t row = 0;
};

// Where each label goes, in the order of x, and the rows they take.
std::vector<PlacedLabel> Placed(const QFontMetricsF& metrics, const QRectF& plot,
                                std::vector<MarkerLabel>& labels, std::size_t& rows) {
    const double pad = metrics.height() * 0.15;
    std::sort(labels.begin(), labels.end(),
              [](const MarkerLabel& a, const MarkerLabel& b) { return a.x < b.x; });
    // The right edge of the last label on each row.
    std::vector<double> rowEnds;
    std::vector<PlacedLabel> placed;
    for (const MarkerLabel& label : labels) {
        const double width = metrics.horizontalAdvance(label.text) + 2 * pad;
        const double left = std::clamp(label.x - width / 2, plot.left() + 1,
                                       std::max(plot.left() + 1, plot.right() - width - 1));
        std::size_t row = 0;
        while (row < rowEnds.size() && rowEnds[row] + pad > left)
            ++row;
        if (row == rowEnds.size())
            rowEnds.push_back(0);
        rowEnds[row] = left + width;
        placed.push_back({left, width, row});
    }
    rows = rowEnds.size();
    return placed;
}

double RowHeight(const QFontMetricsF& metrics) {
    return metrics.height() * 1.15;
}

} // namespace

void PaintMarkerLabels(QPainter& painter, const QRectF& plot, std::vector<MarkerLabel> labels,
                       std::optional<double> top) {
    const QFontMetricsF metrics(painter.font());
    std::size_t rows = 0;
    const std::vector<PlacedLabel> placed = Placed(metrics, plot, labels, rows);
    const double first = top.value_or(plot.top() + 2);
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const QRectF box(placed[i].left,
                         first + static_cast<double>(placed[i].row) * RowHeight(metrics),
                         placed[i].width, metrics.height());
        painter.fillRect(box, QColor(255, 255, 255, 220));
        painter.setPen(labels[i].colour);
        painter.drawText(box, Qt::AlignCenter, labels[i].text);
    }
}

double MarkerLabelsHeight(const QPainter& painter, const QRectF& plot,
                          std::vector<MarkerLabel> labels) {
    const QFontMetricsF metrics(painter.font());
    std::size_t rows = 0;
    Placed(metrics, plot, labels, rows);
    return static_cast<double>(rows) * RowHeight(metrics);
}

void PaintNothing(QPainter& painter, const QRectF& area, const QString& text) {
    painter.setPen(Qt::darkGray);
    painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, text);
}

} // namespace distribution_chart
