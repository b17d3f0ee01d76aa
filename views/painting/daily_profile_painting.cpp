#include "views/painting/daily_profile_painting.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

struct Line {
    const vrd::ProfileLine* hours;
    QColor colour;
    QString name;
};

struct Axes {
    QRectF plot;
    double low = 0;
    double high = 100;

    QPointF At(double hour, double level) const {
        return {plot.left() + plot.width() * hour / 24.0,
                plot.bottom() - plot.height() * (level - low) / (high - low)};
    }
};

// The runs of hours that have a level: a line breaks where an hour has none.
std::vector<std::pair<int, int>> Runs(const vrd::ProfileLine& hours) {
    std::vector<std::pair<int, int>> runs;
    for (int hour = 0; hour < 24; ++hour) {
        if (!hours[static_cast<std::size_t>(hour)].leq)
            continue;
        if (!runs.empty() && runs.back().second == hour)
            ++runs.back().second;
        else
            runs.push_back({hour, hour + 1});
    }
    return runs;
}

void PaintLine(QPainter& painter, const Axes& axes, const Line& line) {
    // Strokes grow with the letters, so that a page at 300 dpi draws them as the screen does.
    const double stroke = std::max(1.0, QFontMetricsF(painter.font()).height() / 12);
    QColor band = line.colour;
    band.setAlpha(45);
    for (const auto& [from, to] : Runs(*line.hours)) {
        QPainterPath spread;
        QPainterPath mean;
        for (int hour = from; hour < to; ++hour) {
            const vrd::ProfileHour& figures = (*line.hours)[static_cast<std::size_t>(hour)];
            const QPointF top = axes.At(hour + 0.5, *figures.highest);
            const QPointF point = axes.At(hour + 0.5, *figures.leq);
            if (hour == from) {
                spread.moveTo(top);
                mean.moveTo(point);
            } else {
                spread.lineTo(top);
                mean.lineTo(point);
            }
        }
        for (int hour = to - 1; hour >= from; --hour)
            spread.lineTo(
                axes.At(hour + 0.5, *(*line.hours)[static_cast<std::size_t>(hour)].lowest));
        spread.closeSubpath();
        painter.fillPath(spread, band);
        painter.setPen(QPen(line.colour, 2 * stroke));
        painter.drawPath(mean);
        for (int hour = from; hour < to; ++hour)
            painter.drawEllipse(
                axes.At(hour + 0.5, *(*line.hours)[static_cast<std::size_t>(hour)].leq), 2 * stroke,
                2 * stroke);
    }
}

// The row above the plot, clear of the top level's label: the unit and the legend.
double TopRowBaseline(const Axes& axes, const QFontMetricsF& metrics) {
    return axes.plot.top() - metrics.ascent() / 2 - metrics.descent() - 3;
}

void PaintAxes(QPainter& painter, const Axes& axes) {
    const QFontMetricsF metrics(painter.font());
    const double step = axes.high - axes.low > 40 ? 10 : 5;
    for (double level = axes.low; level <= axes.high + 1e-9; level += step) {
        const QPointF at = axes.At(0, level);
        painter.setPen(QColor(225, 225, 225));
        painter.drawLine(at, QPointF(axes.plot.right(), at.y()));
        painter.setPen(Qt::black);
        const QString text = QString::number(level, 'f', 0);
        painter.drawText(QPointF(at.x() - metrics.horizontalAdvance(text) - 5,
                                 at.y() + metrics.ascent() / 2 - 1),
                         text);
    }
    for (int hour = 0; hour <= 24; hour += 3) {
        const QPointF at = axes.At(hour, axes.low);
        painter.drawLine(at, at + QPointF(0, metrics.height() * 0.3));
        const QString text = QStringLiteral("%1:00").arg(hour, 2, 10, QLatin1Char('0'));
        painter.drawText(at + QPointF(-metrics.horizontalAdvance(text) / 2,
                                      metrics.height() * 0.3 + metrics.ascent()),
                         text);
    }
    painter.drawRect(axes.plot);
    painter.drawText(QPointF(axes.plot.left() - metrics.horizontalAdvance(QStringLiteral("dB")) - 5,
                             TopRowBaseline(axes, metrics)),
                     QStringLiteral("dB"));
}

QString Tr(Language language, const char* source) {
    return Translated(language, "DailyProfile", source);
}

void PaintLegend(QPainter& painter, const Axes& axes, const std::vector<Line>& lines,
                 Language language) {
    // Above the plot, where no curve or band reaches.
    const QFontMetricsF metrics(painter.font());
    const double y = TopRowBaseline(axes, metrics);
    double x = axes.plot.left() + metrics.height() * 0.4;
    for (const Line& line : lines) {
        painter.setPen(QPen(line.colour, 2));
        painter.drawLine(QPointF(x, y - metrics.ascent() / 3),
                         QPointF(x + 18, y - metrics.ascent() / 3));
        painter.setPen(Qt::black);
        painter.drawText(QPointF(x + 22, y), line.name);
        x += 22 + metrics.horizontalAdvance(line.name) + 16;
    }
    const QString band =
        Tr(language,
           QT_TRANSLATE_NOOP("DailyProfile", "band: lowest to highest hourly Leq of the dates"));
    painter.setPen(Qt::darkGray);
    painter.drawText(QPointF(x, y), metrics.elidedText(band, Qt::ElideRight,
                                                       std::max(0.0, axes.plot.right() - x)));
}

} // namespace

void PaintDailyProfile(QPainter& painter, const QRectF& area, const vrd::DailyProfile& profile,
                       Language language) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    std::vector<Line> lines;
    if (profile.SplitsWeek()) {
        lines.push_back({&profile.weekdays, QColor(31, 119, 180),
                         Tr(language, QT_TRANSLATE_NOOP("DailyProfile", "Weekdays"))});
        lines.push_back({&profile.weekends, QColor(230, 120, 20),
                         Tr(language, QT_TRANSLATE_NOOP("DailyProfile", "Weekends"))});
    } else {
        lines.push_back({&profile.all, QColor(31, 119, 180),
                         Tr(language, QT_TRANSLATE_NOOP("DailyProfile", "All dates"))});
    }
    double lowest = 1e9;
    double highest = -1e9;
    for (const Line& line : lines)
        for (const vrd::ProfileHour& hour : *line.hours)
            if (hour.leq) {
                lowest = std::min(lowest, *hour.lowest);
                highest = std::max(highest, *hour.highest);
            }
    Axes axes;
    const QFontMetricsF metrics(painter.font());
    axes.plot = area.adjusted(
        metrics.horizontalAdvance(QStringLiteral("100")) + metrics.height(), metrics.height() * 1.9,
        -metrics.horizontalAdvance(QStringLiteral("00:00")) / 2 - 4, -metrics.height() * 1.6);
    if (lowest <= highest) {
        axes.low = std::floor(lowest / 5) * 5;
        axes.high = std::max(std::ceil(highest / 5) * 5, axes.low + 5);
    }
    PaintAxes(painter, axes);
    painter.setClipRect(axes.plot);
    for (const Line& line : lines)
        PaintLine(painter, axes, line);
    painter.setClipping(false);
    PaintLegend(painter, axes, lines, language);
    painter.restore();
}
