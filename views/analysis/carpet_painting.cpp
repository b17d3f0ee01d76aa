#include "views/analysis/carpet_painting.h"

#include "views/analysis/analysis_text.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kDateMargin = 78;
constexpr double kHourMargin = 20;
constexpr double kScaleMargin = 64;

void PaintHours(QPainter& painter, const QRectF& cells, const vrd::Periods& periods) {
    const QFontMetricsF metrics(painter.font());
    painter.setPen(Qt::black);
    for (int hour = 0; hour <= 24; hour += 3) {
        const double x = cells.left() + cells.width() * hour / 24.0;
        painter.drawLine(QPointF(x, cells.bottom()), QPointF(x, cells.bottom() + 4));
        const QString text = QStringLiteral("%1:00").arg(hour, 2, 10, QLatin1Char('0'));
        const double width = metrics.horizontalAdvance(text);
        painter.drawText(QPointF(x - width / 2, cells.bottom() + 4 + metrics.ascent()), text);
    }
    QPen boundary(Qt::white, 1.2, Qt::DashLine);
    painter.setPen(boundary);
    for (const int hour : {periods.day, periods.evening, periods.night}) {
        const double x = cells.left() + cells.width() * hour / 24.0;
        painter.drawLine(QPointF(x, cells.top()), QPointF(x, cells.bottom()));
    }
}

void PaintDates(QPainter& painter, const QRectF& cells, const CarpetPicture& picture) {
    const QFontMetricsF metrics(painter.font());
    const int dates = picture.image.height();
    const double rowHeight = cells.height() / dates;
    // Every date when there is room, else every week or more, so that labels never overlap.
    int step = 1;
    for (const int candidate : {1, 2, 7, 14, 28, 56, 91, 182, 364, 728}) {
        step = candidate;
        if (rowHeight * candidate >= metrics.height())
            break;
    }
    painter.setPen(Qt::black);
    for (int row = 0; row < dates; row += step) {
        const double y = cells.top() + rowHeight * (row + 0.5);
        const QString text = DayText(picture.firstDate + row);
        painter.drawText(QPointF(cells.left() - metrics.horizontalAdvance(text) - 6,
                                 y + metrics.ascent() / 2 - 1),
                         text);
    }
}

void PaintScale(QPainter& painter, const QRectF& cells, const CarpetScale& scale) {
    const QFontMetricsF metrics(painter.font());
    const QRectF bar(cells.right() + 12, cells.top(), 14, cells.height());
    QLinearGradient gradient(bar.bottomLeft(), bar.topLeft());
    for (int step = 0; step <= 10; ++step) {
        const double level = scale.low + (scale.high - scale.low) * step / 10.0;
        gradient.setColorAt(step / 10.0, LevelColour(level, scale));
    }
    painter.fillRect(bar, gradient);
    painter.setPen(Qt::black);
    painter.drawRect(bar);
    const int tick = scale.high - scale.low > 40 ? 10 : 5;
    for (int level = scale.low; level <= scale.high; level += tick) {
        const double y =
            bar.bottom() - bar.height() * (level - scale.low) / (scale.high - scale.low);
        painter.drawLine(QPointF(bar.right(), y), QPointF(bar.right() + 3, y));
        painter.drawText(QPointF(bar.right() + 5, y + metrics.ascent() / 2 - 1),
                         QString::number(level));
    }
    painter.drawText(QPointF(bar.left(), bar.top() - 4), QStringLiteral("dB"));
}

void PaintSelection(QPainter& painter, const QRectF& cells, const CarpetPicture& picture) {
    const vrd::Interval& selection = *picture.selection;
    const int dates = picture.image.height();
    const double rowHeight = cells.height() / dates;
    const vrd::Minute origin = vrd::StartOfDay(picture.firstDate);
    const vrd::Minute end = origin + dates * vrd::kMinutesPerDay;
    const vrd::Minute from = std::max(selection.from, origin);
    const vrd::Minute to = std::min(selection.to, end);
    if (from >= to)
        return;
    painter.setPen(QPen(QColor(220, 30, 30), 1.5));
    painter.setBrush(Qt::NoBrush);
    for (vrd::Minute rowStart = vrd::StartOfDay(vrd::DayOfMinute(from)); rowStart < to;
         rowStart += vrd::kMinutesPerDay) {
        const double row = static_cast<double>((rowStart - origin) / vrd::kMinutesPerDay);
        const double left = static_cast<double>(std::max(from, rowStart) - rowStart);
        const double right =
            static_cast<double>(std::min(to, rowStart + vrd::kMinutesPerDay) - rowStart);
        painter.drawRect(QRectF(cells.left() + cells.width() * left / vrd::kMinutesPerDay,
                                cells.top() + rowHeight * row,
                                cells.width() * (right - left) / vrd::kMinutesPerDay,
                                std::max(rowHeight, 1.0)));
    }
}

} // namespace

QRectF CarpetCellArea(const QRectF& area) {
    return area.adjusted(kDateMargin, 14, -kScaleMargin, -kHourMargin);
}

void PaintCarpet(QPainter& painter, const QRectF& area, const CarpetPicture& picture) {
    painter.save();
    const QRectF cells = CarpetCellArea(area);
    if (picture.image.isNull() || cells.width() <= 0 || cells.height() <= 0) {
        painter.restore();
        return;
    }
    // One pixel a minute: neighbours must not be blended into colours no minute had.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(cells, picture.image);
    painter.setPen(Qt::black);
    painter.drawRect(cells);
    PaintHours(painter, cells, picture.periods);
    PaintDates(painter, cells, picture);
    PaintScale(painter, cells, picture.scale);
    if (picture.selection)
        PaintSelection(painter, cells, picture);
    painter.restore();
}
