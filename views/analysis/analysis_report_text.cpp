#include "views/analysis/analysis_report_text.h"

#include "views/analysis/analysis_text.h"

#include <QFileInfo>

namespace {

const QString kNothing = QStringLiteral("–");

QString Latin1(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

QString FirstNonEmpty(const std::vector<const vrd::ReportForAnalysis*>& reports,
                      std::string vrd::ReportForAnalysis::*field) {
    for (const vrd::ReportForAnalysis* report : reports)
        if (!(report->*field).empty())
            return Latin1(report->*field);
    return {};
}

// A level with its unit, or the dash where there is none.
template <typename Level> QString Decibels(std::optional<Level> level) {
    return level ? LevelText(level) + QStringLiteral(" dB") : kNothing;
}

QString Minutes(std::int64_t minutes) {
    return QString::number(minutes) + QStringLiteral(" min");
}

} // namespace

std::vector<const vrd::ReportForAnalysis*>
ReportsAnalysed(const std::vector<vrd::ReportForAnalysis>& reports) {
    std::vector<const vrd::ReportForAnalysis*> analysed;
    for (const vrd::ReportForAnalysis& report : reports)
        if (!report.failure || !report.minuteLines.empty())
            analysed.push_back(&report);
    return analysed;
}

QString ReportPath(const vrd::ReportForAnalysis& report) {
    return QString::fromLocal8Bit(report.path.data(), static_cast<qsizetype>(report.path.size()));
}

QString ReportFilesInBrief(const std::vector<const vrd::ReportForAnalysis*>& reports) {
    if (reports.empty())
        return {};
    QString brief = QFileInfo(ReportPath(*reports.front())).fileName();
    if (reports.size() > 1)
        brief +=
            QStringLiteral(" + ") + QString::number(reports.size() - 1) + QStringLiteral(" more");
    return brief;
}

QString ReportSite(const std::vector<const vrd::ReportForAnalysis*>& reports) {
    return FirstNonEmpty(reports, &vrd::ReportForAnalysis::site);
}

QString ReportSerial(const std::vector<const vrd::ReportForAnalysis*>& reports) {
    return FirstNonEmpty(reports, &vrd::ReportForAnalysis::serial);
}

QString DecibelText(std::optional<double> level) {
    return level ? LevelText(level) + QStringLiteral(" dB") : QString();
}

QString PeriodText(vrd::Interval period) {
    if (period.to <= period.from)
        return QStringLiteral("no minute");
    return MinuteText(period.from) + QStringLiteral(" to ") + MinuteText(period.to);
}

QList<ReportFigure> ReportFigures(const vrd::AnalysisResult& result) {
    const vrd::LevelFigures& levels = result.overall;
    QList<ReportFigure> figures;
    const QString coverage = PercentText(result.coverage);
    figures.append({QStringLiteral("Coverage"), coverage.isEmpty() ? kNothing : coverage});
    figures.append({QStringLiteral("Minutes measured"), Minutes(result.minutes.measured)});
    figures.append({QStringLiteral("Minutes excluded"), Minutes(result.minutes.excluded)});
    figures.append({QStringLiteral("Leq"), Decibels(levels.leq)});
    figures.append({QStringLiteral("Lmax"), Decibels(levels.lmax)});
    figures.append({QStringLiteral("Lmin"), Decibels(levels.lmin)});
    for (const int percent : vrd::kStatisticalPercents)
        figures.append(
            {QStringLiteral("L") + QString::number(percent), Decibels(levels.L(percent))});
    figures.append({QStringLiteral("Lday"), Decibels(result.whole.lday)});
    figures.append({QStringLiteral("Levening"), Decibels(result.whole.levening)});
    figures.append({QStringLiteral("Lnight"), Decibels(result.whole.lnight)});
    figures.append({QStringLiteral("Lden"), Decibels(result.whole.lden)});
    if (const std::optional<vrd::Exceedance>& above = result.exceedance) {
        figures.append({QStringLiteral("Minutes above threshold"), Minutes(above->minutes)});
        figures.append({QStringLiteral("Events above threshold"), QString::number(above->events)});
        figures.append({QStringLiteral("Longest event"), Minutes(above->longest)});
    }
    return figures;
}
