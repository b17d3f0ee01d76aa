#include "client_report/analysis_report_pdf.h"

#include "analysis/period_presets.h"
#include "client_report/report_assessment_pages.h"
#include "client_report/report_campaign_pages.h"
#include "client_report/report_chart_source.h"
#include "client_report/report_pages.h"
#include "export/safe_write.h"
#include "views/analysis/session/analysis_session.h"
#include "views/texts/analysis_report_text.h"
#include "views/texts/analysis_text.h"

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

QString SignedDb(double value, Language language) {
    return SignedLevelText(value, language) + UnitSpace(language) + QStringLiteral("dB");
}

QList<PageFigure> PageFigures(const QList<ReportFigure>& figures) {
    QList<PageFigure> rows;
    for (const ReportFigure& figure : figures)
        rows.append({figure.name, figure.value});
    return rows;
}

PageFrame FrameOf(const AnalysisSession& session, Language language) {
    const auto analysed = ReportsAnalysed(session.Reports());
    return {ReportSite(analysed), PeriodText(session.AnalysedPeriod(), language),
            ReportFilesInBrief(analysed, language)};
}

// A text and what tells it from the same English for another thing, as QT_TRANSLATE_NOOP3
// gives them: "none" of a file and of a threshold are two words in French.
struct Disambiguated {
    const char* source;
    const char* disambiguation;
};

QString Tr(Language language, Disambiguated text) {
    return Translated(language, "AnalysisReport", text.source, text.disambiguation);
}

void LayOutSettings(ReportPages& pages, const AnalysisSession& session, Language language) {
    const vrd::AnalysisSettings& settings = session.Settings();
    const vrd::Periods& periods = settings.periods;
    const auto text = [language](const char* source) { return ReportTr(language, source); };
    pages.Heading(text(QT_TRANSLATE_NOOP("AnalysisReport", "Analysed period and settings")));
    const QString coverage = PercentText(session.Result().coverage, language);
    pages.Line(text(QT_TRANSLATE_NOOP("AnalysisReport", "Period: %1"))
                   .arg(PeriodText(session.AnalysedPeriod(), language)) +
               (coverage.isEmpty()
                    ? QString()
                    : text(QT_TRANSLATE_NOOP("AnalysisReport", " (coverage %1)")).arg(coverage)));
    pages.Line(text(QT_TRANSLATE_NOOP("AnalysisReport", "Day %1–%2, evening %2–%3, night %3–%1; "
                                                        "penalties %4 evening, %5 night"))
                   .arg(Hour(periods.day), Hour(periods.evening), Hour(periods.night),
                        SignedDb(periods.eveningPenalty, language),
                        SignedDb(periods.nightPenalty, language)));
    pages.Line(
        text(QT_TRANSLATE_NOOP("AnalysisReport", "Threshold: %1; minimum coverage of a period: %2"))
            .arg(settings.threshold
                     ? LocaleOf(language).toString(*settings.threshold, 'f', 1) +
                           UnitSpace(language) + QStringLiteral("dB")
                     : Tr(language, QT_TRANSLATE_NOOP3("AnalysisReport", "none", "threshold")),
                 PercentText(session.MinimumCoverage(), language)));
}

void LayOutDays(ReportPages& pages, const AnalysisSession& session, Language language) {
    const vrd::AnalysisResult& result = session.Result();
    const auto text = [language](const char* source) { return ReportTr(language, source); };
    pages.Heading(text(QT_TRANSLATE_NOOP("AnalysisReport", "Days")));
    const int least = static_cast<int>(session.MinimumCoverage() * 100 + 0.5);
    pages.Note(text(QT_TRANSLATE_NOOP("AnalysisReport",
                                      "A shaded figure rests on too little data: its period's "
                                      "coverage is below %1."))
                   .arg(QString::number(least) + UnitSpace(language) + QStringLiteral("%")));
    const QStringList headers = {text(QT_TRANSLATE_NOOP("AnalysisReport", "Date")),
                                 QStringLiteral("Lday"),
                                 QStringLiteral("Levening"),
                                 QStringLiteral("Lnight"),
                                 QLatin1String(vrd::CombinedLevelName(result.preset)),
                                 text(QT_TRANSLATE_NOOP("AnalysisReport", "Day cov.")),
                                 text(QT_TRANSLATE_NOOP("AnalysisReport", "Evening cov.")),
                                 text(QT_TRANSLATE_NOOP("AnalysisReport", "Night cov."))};
    const QList<double> shares = {0.16, 0.11, 0.11, 0.11, 0.11, 0.13, 0.14, 0.13};
    const auto rows = static_cast<int>(std::min<std::int64_t>(result.days.Size(), 1 << 24));
    const double least01 = session.MinimumCoverage();
    pages.Table(
        headers, shares, rows,
        [&](int row, int column) -> QString {
            const vrd::DayFigures day = result.days.At(row);
            switch (column) {
            case 0:
                return DayText(day.date, language);
            case 1:
                return DecibelText(day.levels.lday, language);
            case 2:
                return DecibelText(day.levels.levening, language);
            case 3:
                return DecibelText(day.levels.lnight, language);
            case 4:
                return DecibelText(day.levels.lden, language);
            case 5:
                return PercentText(day.coverageDay, language);
            case 6:
                return PercentText(day.coverageEvening, language);
            default:
                return PercentText(day.coverageNight, language);
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

void LayOut(ReportPages& pages, const AnalysisSession& session, ReportChartSource& chart,
            Language language) {
    const auto text = [language](const char* source) { return ReportTr(language, source); };
    pages.Title(text(QT_TRANSLATE_NOOP("AnalysisReport", "Noise measurement report")));
    const auto analysed = ReportsAnalysed(session.Reports());
    pages.Line(text(QT_TRANSLATE_NOOP("AnalysisReport", "Site: %1")).arg(ReportSite(analysed)));
    const QString serial = ReportSerial(analysed);
    if (!serial.isEmpty())
        pages.Line(text(QT_TRANSLATE_NOOP("AnalysisReport", "Serial: %1")).arg(serial));

    pages.Heading(text(QT_TRANSLATE_NOOP("AnalysisReport", "Files")));
    if (analysed.empty())
        pages.Line(Tr(language, QT_TRANSLATE_NOOP3("AnalysisReport", "none", "file")));
    for (const vrd::ReportForAnalysis* report : analysed)
        pages.Line(ReportPath(*report));

    LayOutSettings(pages, session, language);

    pages.Heading(text(QT_TRANSLATE_NOOP("AnalysisReport", "Exclusions")));
    if (session.Exclusions().empty())
        pages.Line(Tr(language, QT_TRANSLATE_NOOP3("AnalysisReport", "none", "exclusion")));
    for (const vrd::Exclusion& exclusion : session.Exclusions())
        pages.Line(text(QT_TRANSLATE_NOOP("AnalysisReport", "%1 to %2   %3"))
                       .arg(TimeText(exclusion.span.start, language),
                            TimeText(exclusion.span.end, language),
                            QString::fromStdString(exclusion.reason)));

    pages.Heading(text(QT_TRANSLATE_NOOP("AnalysisReport", "Chart")));
    const vrd::Interval period = session.AnalysedPeriod();
    const QString caption = chart.Caption(period, !session.Exclusions().empty(),
                                          session.Settings().threshold.has_value(), language);
    pages.Box(pages.Width() * kChartShape, caption, [&](QPainter& painter, const QRectF& box) {
        chart.Paint(painter, box, painter.device()->logicalDpiX(), language);
    });

    pages.Heading(text(QT_TRANSLATE_NOOP("AnalysisReport", "Figures of the analysed period")));
    pages.Figures(PageFigures(ReportFigures(session.Result(), language)), 2);
    if (session.Result().who)
        pages.Note(text(QT_TRANSLATE_NOOP(
            "AnalysisReport",
            "The WHO guideline values are long-term averages at the most exposed "
            "facade: levels measured over some days are an indication of them.")));
    LayOutAssessmentPages(pages, session, language);

    LayOutDays(pages, session, language);
    LayOutCampaignPages(pages, session, language);
    LayOutAssessmentAppendix(pages, session, language);
}

} // namespace

int PaintAnalysisReport(QPagedPaintDevice& device, const AnalysisSession& session,
                        ReportChartSource& chart, Language language) {
    // First the walk that counts the pages, for "Page n of m".
    const PageFrame frame = FrameOf(session, language);
    ReportPages measure(device, nullptr, 0, frame, language);
    LayOut(measure, session, chart, language);
    const int pages = measure.Page();

    QPainter painter(&device);
    ReportPages paint(device, &painter, pages, frame, language);
    LayOut(paint, session, chart, language);
    painter.end();
    return pages;
}

bool WriteAnalysisPdf(const QString& path, const AnalysisSession& session, ReportChartSource& chart,
                      Language language, QString& reason) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(300);
        writer.setTitle(
            ReportTr(language, QT_TRANSLATE_NOOP("AnalysisReport", "Noise measurement report")) +
            QLatin1Char(' ') + ReportSite(ReportsAnalysed(session.Reports())));
        writer.setCreator(QStringLiteral("vrdview"));
        PaintAnalysisReport(writer, session, chart, language);
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
