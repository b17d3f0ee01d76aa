#include "views/analysis/analysis_report_pdf.h"

#include "export/safe_write.h"
#include "views/analysis/analysis_chart.h"
#include "views/analysis/analysis_report_text.h"
#include "views/analysis/analysis_session.h"
#include "views/analysis/analysis_text.h"
#include "views/analysis/report_campaign_pages.h"
#include "views/analysis/report_chart.h"
#include "views/analysis/report_pages.h"

#include <QBuffer>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace {

// The chart's height over its width on the page.
constexpr double kChartShape = 0.45;

QString Hour(int hour) {
    return QStringLiteral("%1:00").arg(hour, 2, 10, QLatin1Char('0'));
}

QString SignedDb(double value) {
    return (value >= 0 ? QStringLiteral("+") : QString()) + QString::number(value, 'f', 1) +
           QStringLiteral(" dB");
}

QList<PageFigure> PageFigures(const QList<ReportFigure>& figures) {
    QList<PageFigure> rows;
    for (const ReportFigure& figure : figures)
        rows.append({figure.name, figure.value});
    return rows;
}

PageFrame FrameOf(const AnalysisSession& session) {
    const auto analysed = ReportsAnalysed(session.Reports());
    return {ReportSite(analysed), PeriodText(session.AnalysedPeriod()),
            ReportFilesInBrief(analysed)};
}

void LayOut(ReportPages& pages, const AnalysisSession& session, AnalysisChart& chart) {
    const vrd::AnalysisResult& result = session.Result();
    const vrd::AnalysisSettings& settings = session.Settings();
    const vrd::Periods& periods = settings.periods;

    pages.Title(QStringLiteral("Noise measurement report"));
    const auto analysed = ReportsAnalysed(session.Reports());
    pages.Line(QStringLiteral("Site: ") + ReportSite(analysed));
    const QString serial = ReportSerial(analysed);
    if (!serial.isEmpty())
        pages.Line(QStringLiteral("Serial: ") + serial);

    pages.Heading(QStringLiteral("Files"));
    if (analysed.empty())
        pages.Line(QStringLiteral("none"));
    for (const vrd::ReportForAnalysis* report : analysed)
        pages.Line(ReportPath(*report));

    pages.Heading(QStringLiteral("Analysed period and settings"));
    const vrd::Interval period = session.AnalysedPeriod();
    const QString coverage = PercentText(result.coverage);
    pages.Line(QStringLiteral("Period: ") + PeriodText(period) +
               (coverage.isEmpty()
                    ? QString()
                    : QString(QStringLiteral(" (coverage ") + coverage + QStringLiteral(")"))));
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
    const QString caption = ReportChartCaption(chart, period, !session.Exclusions().empty(),
                                               settings.threshold.has_value());
    pages.Box(pages.Width() * kChartShape, caption, [&](QPainter& painter, const QRectF& box) {
        PaintReportChart(chart, painter, box, painter.device()->logicalDpiX());
    });

    pages.Heading(QStringLiteral("Figures of the analysed period"));
    pages.Figures(PageFigures(ReportFigures(result)), 2);

    pages.Heading(QStringLiteral("Days"));
    const int least = static_cast<int>(session.MinimumCoverage() * 100 + 0.5);
    pages.Note(QStringLiteral("A shaded figure rests on too little data: its period's coverage is "
                              "below ") +
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
                return DecibelText(day.levels.lday);
            case 2:
                return DecibelText(day.levels.levening);
            case 3:
                return DecibelText(day.levels.lnight);
            case 4:
                return DecibelText(day.levels.lden);
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
    LayOutCampaignPages(pages, session);
}

} // namespace

int PaintAnalysisReport(QPagedPaintDevice& device, const AnalysisSession& session,
                        AnalysisChart& chart) {
    // First the walk that counts the pages, for "Page n of m".
    const PageFrame frame = FrameOf(session);
    ReportPages measure(device, nullptr, 0, frame);
    LayOut(measure, session, chart);
    const int pages = measure.Page();

    QPainter painter(&device);
    ReportPages paint(device, &painter, pages, frame);
    LayOut(paint, session, chart);
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
        writer.setTitle(QStringLiteral("Noise measurement report ") +
                        ReportSite(ReportsAnalysed(session.Reports())));
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
