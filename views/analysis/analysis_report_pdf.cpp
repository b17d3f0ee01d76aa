#include "views/analysis/analysis_report_pdf.h"

#include "export/safe_write.h"
#include "views/analysis/analysis_chart.h"
#include "views/analysis/analysis_session.h"
#include "views/analysis/analysis_table_models.h"
#include "views/analysis/analysis_text.h"

#include <QBuffer>
#include <QChart>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <functional>

namespace {

constexpr double kMarginMm = 18;
const QSizeF kUnshownChartSize(1000, 460);
// The chart's height over its width on the page.
constexpr double kChartShape = 0.46;
const QColor kRule(160, 160, 160);
const QColor kLowCoverage(255, 224, 178);

QString Hour(int hour) {
    return QStringLiteral("%1:00").arg(hour, 2, 10, QLatin1Char('0'));
}

QString SignedDb(double value) {
    return (value >= 0 ? QStringLiteral("+") : QString()) + QString::number(value, 'f', 1) +
           QStringLiteral(" dB");
}

// Lays the report out from the top of each page down; the same walk measures (to count the pages)
// and paints.
class ReportPages {
  public:
    ReportPages(QPagedPaintDevice& device, QPainter* painter, int pages)
        : device_(device), painter_(painter), pages_(pages) {
        // The painter's origin is the top left of the printable area: margins of kMarginMm from
        // the paper's edge, whatever part of them the printer already keeps.
        const QPageLayout layout = device.pageLayout();
        const int dpi = device.logicalDpiX();
        const QRectF paintable = layout.paintRectPixels(dpi);
        const QRectF paper = layout.fullRectPixels(dpi);
        const double margin = kMarginMm * dpi / 25.4;
        const double left = std::max(0.0, margin - paintable.left());
        const double top = std::max(0.0, margin - paintable.top());
        const double right = std::max(0.0, margin - (paper.right() - paintable.right()));
        const double bottom = std::max(0.0, margin - (paper.bottom() - paintable.bottom()));
        area_ =
            QRectF(left, top, paintable.width() - left - right, paintable.height() - top - bottom);
        body_ = Font(9.5);
        small_ = Font(8);
        bold_ = Font(9.5, true);
        heading_ = Font(12.5, true);
        title_ = Font(18, true);
        footerHeight_ = LineHeight(small_) * 2;
        y_ = area_.top();
    }

    int Page() const { return page_; }
    double Width() const { return area_.width(); }

    void Finish() { Footer(); }

    void Title(const QString& text) { Text(text, title_, 1.4); }
    void Heading(const QString& text) {
        Room(LineHeight(heading_) * 3);
        y_ += LineHeight(body_) * 0.6;
        Text(text, heading_, 1.3);
    }
    void Line(const QString& text) { Text(text, body_, 1.15); }
    void Note(const QString& text) { Text(text, small_, 1.15); }

    // Pairs of a name and a value in columns of pairs across the page.
    void Figures(const QList<FigureRow>& rows, int columns) {
        const double width = area_.width() / columns;
        const double line = LineHeight(body_) * 1.2;
        const auto perColumn = static_cast<int>((rows.size() + columns - 1) / columns);
        Room(line * perColumn);
        for (int i = 0; i < rows.size(); ++i) {
            const int column = i / perColumn;
            const int row = i % perColumn;
            const double left = area_.left() + column * width;
            const double top = y_ + row * line;
            Draw(QRectF(left, top, width * 0.55, line), rows[i].name, body_, Qt::AlignLeft);
            Draw(QRectF(left + width * 0.5, top, width * 0.4, line), rows[i].value, bold_,
                 Qt::AlignRight);
        }
        y_ += line * perColumn;
    }

    // A table with a header row, repeated on every page it runs onto. marked(row, column) shades
    // a cell.
    void Table(const QStringList& headers, const QList<double>& shares, int rows,
               const std::function<QString(int, int)>& cell,
               const std::function<bool(int, int)>& marked) {
        const double line = LineHeight(body_) * 1.35;
        const auto header = [&] {
            Room(line * 2);
            double left = area_.left();
            for (int column = 0; column < headers.size(); ++column) {
                const double width = area_.width() * shares[column];
                Draw(QRectF(left, y_, width - 4, line), headers[column], bold_,
                     column == 0 ? Qt::AlignLeft : Qt::AlignRight);
                left += width;
            }
            y_ += line;
            Rule();
        };
        header();
        for (int row = 0; row < rows; ++row) {
            if (y_ + line > Bottom()) {
                NextPage();
                header();
            }
            double left = area_.left();
            for (int column = 0; column < headers.size(); ++column) {
                const double width = area_.width() * shares[column];
                if (painter_ != nullptr && marked(row, column))
                    painter_->fillRect(QRectF(left, y_, width, line), kLowCoverage);
                Draw(QRectF(left, y_, width - 4, line), cell(row, column), body_,
                     column == 0 ? Qt::AlignLeft : Qt::AlignRight);
                left += width;
            }
            y_ += line;
        }
    }

    // A box of height for paint to draw in, across the page.
    void Box(double height, const std::function<void(QPainter&, const QRectF&)>& paint) {
        Room(height);
        if (painter_ != nullptr)
            paint(*painter_, QRectF(area_.left(), y_, area_.width(), height));
        y_ += height;
    }

    double LineHeight(const QFont& font) const { return QFontMetricsF(font, &device_).height(); }

  private:
    QFont Font(double points, bool bold = false) const {
        QFont font(QStringLiteral("Liberation Sans"));
        font.setStyleHint(QFont::SansSerif);
        font.setPointSizeF(points);
        font.setBold(bold);
        return font;
    }

    double Bottom() const { return area_.bottom() - footerHeight_; }

    void Room(double height) {
        if (y_ + height > Bottom() && y_ > area_.top())
            NextPage();
    }

    void NextPage() {
        Footer();
        if (painter_ != nullptr)
            device_.newPage();
        ++page_;
        y_ = area_.top();
    }

    void Footer() {
        if (painter_ == nullptr)
            return;
        const double line = LineHeight(small_);
        const QRectF box(area_.left(), area_.bottom() - line, area_.width(), line);
        painter_->setPen(QPen(kRule, 0));
        painter_->drawLine(QPointF(area_.left(), box.top() - line * 0.4),
                           QPointF(area_.right(), box.top() - line * 0.4));
        Draw(box,
             QStringLiteral("Page ") + QString::number(page_) + QStringLiteral(" of ") +
                 QString::number(pages_),
             small_, Qt::AlignRight);
        Draw(box, QStringLiteral("Noise measurement report"), small_, Qt::AlignLeft);
    }

    void Rule() {
        if (painter_ != nullptr) {
            painter_->setPen(QPen(kRule, 0));
            painter_->drawLine(QPointF(area_.left(), y_), QPointF(area_.right(), y_));
        }
        y_ += LineHeight(body_) * 0.2;
    }

    void Text(const QString& text, const QFont& font, double spacing) {
        const QFontMetricsF metrics(font, &device_);
        // Long texts wrap within the page width.
        const QRectF needed =
            metrics.boundingRect(QRectF(0, 0, area_.width(), 1e9), Qt::TextWordWrap, text);
        const double height =
            std::max(needed.height(), metrics.height()) + metrics.height() * (spacing - 1);
        Room(height);
        if (painter_ != nullptr) {
            painter_->setFont(font);
            painter_->setPen(Qt::black);
            painter_->drawText(QRectF(area_.left(), y_, area_.width(), height),
                               Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text);
        }
        y_ += height;
    }

    void Draw(const QRectF& box, const QString& text, const QFont& font, Qt::Alignment align) {
        if (painter_ == nullptr)
            return;
        painter_->setFont(font);
        painter_->setPen(Qt::black);
        painter_->drawText(box, static_cast<int>(align | Qt::AlignVCenter), text);
    }

    QPagedPaintDevice& device_;
    QPainter* painter_;
    int pages_;
    int page_ = 1;
    QRectF area_;
    double y_ = 0;
    double footerHeight_ = 0;
    QFont body_;
    QFont small_;
    QFont bold_;
    QFont heading_;
    QFont title_;
};

QList<FigureRow> WholeFigures(const vrd::AnalysisResult& result) {
    vrd::RangeFigures figures;
    if (result.selection)
        figures.range = *result.selection;
    figures.minutes = result.minutes.period;
    figures.excluded = result.minutes.excluded;
    figures.measured = result.minutes.measured;
    figures.gaps = result.minutes.gaps;
    figures.coverage = result.coverage;
    figures.levels = result.overall;
    figures.exceedance = result.exceedance;
    QList<FigureRow> rows = FigureRows(figures);
    rows.append({QStringLiteral("Lday"), LevelText(result.whole.lday)});
    rows.append({QStringLiteral("Levening"), LevelText(result.whole.levening)});
    rows.append({QStringLiteral("Lnight"), LevelText(result.whole.lnight)});
    rows.append({QStringLiteral("Lden"), LevelText(result.whole.lden)});
    return rows;
}

void LayOut(ReportPages& pages, const AnalysisSession& session, AnalysisChart& chart) {
    const vrd::AnalysisResult& result = session.Result();
    const vrd::AnalysisSettings& settings = session.Settings();
    const vrd::Periods& periods = settings.periods;

    pages.Title(QStringLiteral("Noise measurement report"));
    pages.Line(QStringLiteral("Site: ") + session.Site());
    pages.Line(QStringLiteral("Serial: ") + session.Serial());

    pages.Heading(QStringLiteral("Files"));
    if (session.Reports().empty())
        pages.Line(QStringLiteral("none"));
    for (const vrd::ReportForAnalysis& report : session.Reports())
        pages.Line(ReportFileText(report));

    pages.Heading(QStringLiteral("Analysed period and settings"));
    const vrd::Interval period = session.AnalysedPeriod();
    pages.Line(QStringLiteral("Period: ") + MinuteText(period.from) + QStringLiteral(" to ") +
               MinuteText(period.to) + QStringLiteral(" (coverage ") +
               PercentText(result.coverage) + QStringLiteral(")"));
    pages.Line(QStringLiteral("Day ") + Hour(periods.day) + QStringLiteral("–") +
               Hour(periods.evening) + QStringLiteral(", evening ") + Hour(periods.evening) +
               QStringLiteral("–") + Hour(periods.night) + QStringLiteral(", night ") +
               Hour(periods.night) + QStringLiteral("–") + Hour(periods.day) +
               QStringLiteral("; penalties ") + SignedDb(periods.eveningPenalty) +
               QStringLiteral(" evening, ") + SignedDb(periods.nightPenalty) +
               QStringLiteral(" night"));
    pages.Line(QStringLiteral("Threshold: ") +
               (settings.threshold
                    ? QString::number(*settings.threshold, 'f', 1) + QStringLiteral(" dB")
                    : QStringLiteral("none")) +
               QStringLiteral("; minimum coverage of a period: ") +
               PercentText(session.MinimumCoverage()));

    pages.Heading(QStringLiteral("Exclusions"));
    if (session.Exclusions().empty())
        pages.Line(QStringLiteral("none"));
    for (const vrd::Exclusion& exclusion : session.Exclusions())
        pages.Line(MinuteText(exclusion.interval.from) + QStringLiteral(" to ") +
                   MinuteText(exclusion.interval.to) + QStringLiteral("   ") +
                   QString::fromStdString(exclusion.reason));

    pages.Heading(QStringLiteral("Chart"));
    // Drawn into a box of the chart's shape as the window shows it, kept within the page's.
    pages.Box(pages.Width() * kChartShape,
              [&](QPainter& painter, const QRectF& box) { chart.Render(painter, box); });

    pages.Heading(QStringLiteral("Figures of the analysed period"));
    pages.Figures(WholeFigures(result), 2);

    pages.Heading(QStringLiteral("Days"));
    const int least = static_cast<int>(session.MinimumCoverage() * 100 + 0.5);
    pages.Note(QStringLiteral("Levels in dB. A shaded figure rests on too little data: its "
                              "period's coverage is below ") +
               QString::number(least) + QStringLiteral(" %."));
    const QStringList headers = {QStringLiteral("Date"),         QStringLiteral("Lday"),
                                 QStringLiteral("Levening"),     QStringLiteral("Lnight"),
                                 QStringLiteral("Lden"),         QStringLiteral("Day cov."),
                                 QStringLiteral("Evening cov."), QStringLiteral("Night cov.")};
    const QList<double> shares = {0.16, 0.11, 0.11, 0.11, 0.11, 0.13, 0.14, 0.13};
    const auto rows = static_cast<int>(std::min<std::int64_t>(result.days.Size(), 1 << 24));
    const double least01 = session.MinimumCoverage();
    pages.Table(
        headers, shares, rows,
        [&](int row, int column) -> QString {
            const vrd::DayFigures day = result.days.At(row);
            switch (column) {
            case 0:
                return DayText(day.date);
            case 1:
                return LevelText(day.levels.lday);
            case 2:
                return LevelText(day.levels.levening);
            case 3:
                return LevelText(day.levels.lnight);
            case 4:
                return LevelText(day.levels.lden);
            case 5:
                return PercentText(day.coverageDay);
            case 6:
                return PercentText(day.coverageEvening);
            default:
                return PercentText(day.coverageNight);
            }
        },
        [&](int row, int column) {
            const vrd::DayFigures day = result.days.At(row);
            switch (column) {
            case 1:
            case 5:
                return day.coverageDay < least01;
            case 2:
            case 6:
                return day.coverageEvening < least01;
            case 3:
            case 7:
                return day.coverageNight < least01;
            case 4:
                return day.coverageDay < least01 || day.coverageEvening < least01 ||
                       day.coverageNight < least01;
            default:
                return false;
            }
        });
}

} // namespace

int PaintAnalysisReport(QPagedPaintDevice& device, const AnalysisSession& session,
                        AnalysisChart& chart) {
    // A window never shown has no chart laid out: it is drawn at the size it opens with.
    if (chart.Chart()->size().width() < 1 || !chart.isVisible()) {
        chart.Chart()->resize(kUnshownChartSize);
        chart.Redraw();
    }
    chart.Redraw();
    // First the walk that counts the pages, for "Page n of m".
    ReportPages measure(device, nullptr, 0);
    LayOut(measure, session, chart);
    const int pages = measure.Page();

    QPainter painter(&device);
    ReportPages paint(device, &painter, pages);
    LayOut(paint, session, chart);
    paint.Finish();
    painter.end();
    return pages;
}

bool WriteAnalysisPdf(const QString& path, const AnalysisSession& session, AnalysisChart& chart,
                      QString& reason) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(300);
        writer.setTitle(QStringLiteral("Noise measurement report ") + session.Site());
        writer.setCreator(QStringLiteral("vrdview"));
        PaintAnalysisReport(writer, session, chart);
    }
    buffer.close();
    const QByteArray& bytes = buffer.data();
    const std::optional<std::string> failure = vrd::WriteFileSafely(
        path.toLocal8Bit().toStdString(),
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (failure)
        reason = QString::fromStdString(*failure);
    return !failure;
}
