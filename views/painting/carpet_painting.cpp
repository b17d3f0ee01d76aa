#include "views/painting/carpet_painting.h"

#include "views/painting/analysis_band_look.h"
#include "views/painting/carpet_blocks.h"
#include "views/painting/mark_look.h"
#include "views/texts/analysis_text.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

void PaintHours(QPainter& painter, const QRectF& cells, const vrd::Periods& periods) {
    const QFontMetricsF metrics(painter.font());
    painter.setPen(Qt::black);
    for (int hour = 0; hour <= 24; hour += 3) {
        const double x = cells.left() + cells.width() * hour / 24.0;
        const double tick = metrics.height() * 0.3;
        painter.drawLine(QPointF(x, cells.bottom()), QPointF(x, cells.bottom() + tick));
        const QString text = QStringLiteral("%1:00").arg(hour, 2, 10, QLatin1Char('0'));
        const double width = metrics.horizontalAdvance(text);
        painter.drawText(QPointF(x - width / 2, cells.bottom() + tick + metrics.ascent()), text);
    }
    QPen boundary(Qt::white, std::max(1.2, metrics.height() / 10), Qt::DashLine);
    painter.setPen(boundary);
    for (const int hour : {periods.day, periods.evening, periods.night}) {
        const double x = cells.left() + cells.width() * hour / 24.0;
        painter.drawLine(QPointF(x, cells.top()), QPointF(x, cells.bottom()));
    }
}

QString HourText(int hour) {
    return QStringLiteral("%1:00").arg(hour, 2, 10, QLatin1Char('0'));
}

// The standard's day and night in solid lines over the dashes, and above the cells what they are.
void PaintStandardHours(QPainter& painter, const QRectF& cells, vrd::ClockHours day,
                        Language language) {
    const QFontMetricsF metrics(painter.font());
    const QColor colour(255, 140, 0);
    painter.setPen(QPen(colour, std::max(1.5, metrics.height() / 8)));
    for (const int hour : {day.from, day.to}) {
        const double x = cells.left() + cells.width() * hour / 24.0;
        painter.drawLine(QPointF(x, cells.top()), QPointF(x, cells.bottom()));
    }
    const QString text =
        Translated(language, "Carpet",
                   QT_TRANSLATE_NOOP("Carpet", "Orange: the standard's day %1–%2 and night %2–%1"))
            .arg(HourText(day.from), HourText(day.to));
    const double swatch = metrics.height() * 0.9;
    const double y = cells.top() - metrics.descent() - 3;
    painter.drawLine(QPointF(cells.left(), y - metrics.ascent() / 3),
                     QPointF(cells.left() + swatch, y - metrics.ascent() / 3));
    painter.setPen(Qt::black);
    painter.drawText(QPointF(cells.left() + swatch + 4, y), text);
}

void PaintDates(QPainter& painter, const QRectF& cells, const CarpetPicture& picture,
                Language language) {
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
        const QString text = DayText(picture.firstDate + row, language);
        painter.drawText(QPointF(cells.left() - metrics.horizontalAdvance(text) - 6,
                                 y + metrics.ascent() / 2 - 1),
                         text);
    }
}

void PaintScale(QPainter& painter, const QRectF& cells, const CarpetScale& scale) {
    const QFontMetricsF metrics(painter.font());
    const QRectF bar(cells.right() + metrics.height() * 0.8, cells.top(), metrics.height(),
                     cells.height());
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

// The source and residual marks, each block tinted and outlined in its kind's colour, so that a
// month's marking reads at a glance; a mark narrower than a pixel still shows as its outline.
void PaintMarks(QPainter& painter, const QRectF& cells, const CarpetPicture& picture) {
    const vrd::Minute dates = picture.image.height();
    const double width = std::max(1.0, QFontMetricsF(painter.font()).height() / 12);
    for (const auto& [marks, kind] : {std::pair(&picture.sources, vrd::MarkKind::Source),
                                      std::pair(&picture.residuals, vrd::MarkKind::Residual)}) {
        const QColor edge = mark_look::Swatch(kind);
        QColor tint = edge;
        tint.setAlpha(110);
        QPen pen(edge, width);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        painter.setBrush(tint);
        for (const vrd::Interval& mark : *marks)
            for (const CarpetBlock& block : CarpetBlocks(mark, picture.firstDate, dates))
                painter.drawRect(CarpetBlockRect(cells, dates, block));
    }
}

// The selection outlined in the chart's violet, a colour no mark has; the whole period is not
// outlined.
void PaintSelection(QPainter& painter, const QRectF& cells, const CarpetPicture& picture) {
    const vrd::Minute dates = picture.image.height();
    const vrd::Interval& selection = *picture.selection;
    const vrd::Minute origin = vrd::StartOfDay(picture.firstDate);
    if (selection.from <= origin && selection.to >= origin + dates * vrd::kMinutesPerDay)
        return;
    painter.setPen(
        QPen(band_look::kSelectionEdge, std::max(1.5, QFontMetricsF(painter.font()).height() / 8)));
    painter.setBrush(Qt::NoBrush);
    for (const CarpetBlock& block : CarpetBlocks(selection, picture.firstDate, dates))
        painter.drawRect(CarpetBlockRect(cells, dates, block));
}

} // namespace

QRectF CarpetCellArea(const QRectF& area, const QFont& font) {
    const QFontMetricsF metrics(font);
    const double dates = metrics.horizontalAdvance(QStringLiteral("2011-05-12")) + metrics.height();
    const double scale = metrics.horizontalAdvance(QStringLiteral("105")) + metrics.height() * 2.5;
    return area.adjusted(dates, metrics.height() * 1.2, -scale, -metrics.height() * 1.6);
}

void PaintCarpet(QPainter& painter, const QRectF& area, const CarpetPicture& picture,
                 Language language) {
    painter.save();
    const QRectF cells = CarpetCellArea(area, painter.font());
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
    if (picture.standardDay)
        PaintStandardHours(painter, cells, *picture.standardDay, language);
    PaintDates(painter, cells, picture, language);
    PaintScale(painter, cells, picture.scale);
    PaintMarks(painter, cells, picture);
    if (picture.selection)
        PaintSelection(painter, cells, picture);
    painter.restore();
}

std::optional<vrd::ClockHours>
StandardDayShown(const std::optional<vrd::AssessmentSettings>& assessment) {
    if (!assessment)
        return std::nullopt;
    const vrd::AssessmentRules& rules = vrd::RulesOf(assessment->standard);
    return rules.emergence ? std::optional<vrd::ClockHours>(rules.emergence->day) : std::nullopt;
}
