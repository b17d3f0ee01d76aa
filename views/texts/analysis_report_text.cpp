#include "views/texts/analysis_report_text.h"

#include "analysis/period_presets.h"
#include "views/texts/analysis_text.h"
#include "views/texts/who_text.h"

#include <QCoreApplication>
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
QString Decibels(std::optional<double> level, Language language) {
    return level ? DecibelText(level, language) : kNothing;
}

QString Minutes(std::int64_t minutes, Language language) {
    return QString::number(minutes) + UnitSpace(language) + QStringLiteral("min");
}

QString Seconds(vrd::Millis length, Language language) {
    return SecondsText(length, language) + UnitSpace(language) + QStringLiteral("s");
}

// A time in minutes, with a fraction when it was given to the second.
QString MinutesOfTime(vrd::Millis time, Language language) {
    if (time % vrd::kMillisPerMinute == 0)
        return Minutes(time / vrd::kMillisPerMinute, language);
    return LocaleOf(language).toString(static_cast<double>(time) / 60000.0, 'g', 8) +
           UnitSpace(language) + QStringLiteral("min");
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

QString ReportFilesInBrief(const std::vector<const vrd::ReportForAnalysis*>& reports,
                           Language language) {
    if (reports.empty())
        return {};
    QString brief = QFileInfo(ReportPath(*reports.front())).fileName();
    if (reports.size() > 1)
        brief += QLatin1Char(' ') + Translated(language, "AnalysisReport",
                                               QT_TRANSLATE_N_NOOP("AnalysisReport", "+ %n more"),
                                               nullptr, static_cast<int>(reports.size() - 1));
    return brief;
}

QString ReportSite(const std::vector<const vrd::ReportForAnalysis*>& reports) {
    return FirstNonEmpty(reports, &vrd::ReportForAnalysis::site);
}

QString ReportSerial(const std::vector<const vrd::ReportForAnalysis*>& reports) {
    return FirstNonEmpty(reports, &vrd::ReportForAnalysis::serial);
}

QString ReportTr(Language language, const char* source) {
    return Translated(language, "AnalysisReport", source);
}

QString DecibelText(std::optional<double> level, Language language) {
    return level ? LevelText(level, language) + UnitSpace(language) + QStringLiteral("dB")
                 : QString();
}

QString PeriodText(vrd::Interval period, Language language) {
    if (period.to <= period.from)
        return ReportTr(language, QT_TRANSLATE_NOOP("AnalysisReport", "no minute"));
    return ReportTr(language, QT_TRANSLATE_NOOP("AnalysisReport", "%1 to %2"))
        .arg(MinuteText(period.from, language), MinuteText(period.to, language));
}

QList<ReportFigure> ReportFigures(const vrd::AnalysisResult& result, Language language) {
    const vrd::LevelFigures& levels = result.overall;
    const auto name = [language](const char* source) { return ReportTr(language, source); };
    const auto decibels = [language](std::optional<double> level) {
        return Decibels(level, language);
    };
    QList<ReportFigure> figures;
    const QString coverage = PercentText(result.coverage, language);
    figures.append({name(QT_TRANSLATE_NOOP("AnalysisReport", "Coverage")),
                    coverage.isEmpty() ? kNothing : coverage});
    // At another step than a minute the time is in seconds, as vrdtool stats gives it.
    const bool minuteStep = result.step == vrd::kMillisPerMinute;
    if (minuteStep) {
        figures.append({name(QT_TRANSLATE_NOOP("AnalysisReport", "Minutes measured")),
                        Minutes(result.minutes.measured, language)});
        figures.append({name(QT_TRANSLATE_NOOP("AnalysisReport", "Minutes excluded")),
                        MinutesOfTime(result.minutes.excludedTime, language)});
    } else {
        figures.append({name(QT_TRANSLATE_NOOP("AnalysisReport", "Time measured")),
                        Seconds(result.minutes.measuredTime, language)});
        figures.append({name(QT_TRANSLATE_NOOP("AnalysisReport", "Samples measured")),
                        QString::number(result.minutes.measured)});
        figures.append({name(QT_TRANSLATE_NOOP("AnalysisReport", "Time excluded")),
                        Seconds(result.minutes.excludedTime, language)});
    }
    figures.append({name(QT_TRANSLATE_NOOP("AnalysisReport", "Leq")), decibels(levels.leq)});
    figures.append({name(QT_TRANSLATE_NOOP("AnalysisReport", "Lmax")), decibels(levels.lmax)});
    figures.append({name(QT_TRANSLATE_NOOP("AnalysisReport", "Lmin")), decibels(levels.lmin)});
    for (const int percent : vrd::kStatisticalPercents)
        figures.append(
            {QStringLiteral("L") + QString::number(percent), decibels(levels.L(percent))});
    figures.append({QStringLiteral("Lday"), decibels(result.whole.lday)});
    figures.append({QStringLiteral("Levening"), decibels(result.whole.levening)});
    figures.append({QStringLiteral("Lnight"), decibels(result.whole.lnight)});
    // The combined level as its preset calls it: Ldn, CNEL, LAeq,24h.
    const QString combined = QLatin1String(vrd::CombinedLevelName(result.preset));
    figures.append({combined, decibels(result.whole.lden)});
    if (const std::optional<vrd::WhoComparison>& who = result.who) {
        figures.append({WhoSourceRowName(language), WhoSourceText(who->source, language)});
        const auto against = [&](const QString& level, std::optional<double> guideline,
                                 std::optional<double> excess) {
            figures.append(
                {WhoGuidelineName(level, language), WhoGuidelineDecibels(guideline, language)});
            figures.append({WhoExcessName(level, language),
                            excess ? SignedLevelText(*excess, language) + UnitSpace(language) +
                                         QStringLiteral("dB")
                                   : kNothing});
        };
        against(combined, who->ldenGuideline, who->ldenExcess);
        against(QStringLiteral("Lnight"), who->lnightGuideline, who->lnightExcess);
    }
    if (const std::optional<vrd::Exceedance>& above = result.exceedance) {
        figures.append({minuteStep
                            ? name(QT_TRANSLATE_NOOP("AnalysisReport", "Minutes above threshold"))
                            : name(QT_TRANSLATE_NOOP("AnalysisReport", "Time above threshold")),
                        minuteStep ? Minutes(above->minutes, language)
                                   : Seconds(above->minutes * result.step, language)});
        figures.append({name(QT_TRANSLATE_NOOP("AnalysisReport", "Events above threshold")),
                        QString::number(above->events)});
        figures.append({name(QT_TRANSLATE_NOOP("AnalysisReport", "Longest event")),
                        minuteStep ? Minutes(above->longest, language)
                                   : Seconds(above->longest * result.step, language)});
    }
    return figures;
}
