// A meter's CSV export of 1-s levels as a file of the analysis: the session gives the core's
// figures of the same samples, a file of another step is refused naming both files and both
// steps, and the chart draws a long series in a few points a column but every sample zoomed in.

#include "analysis/analyse.h"
#include "analysis/carpet.h"
#include "analysis/level_series.h"
#include "levels_csv/read_levels_csv.h"
#include "tests/gui/analysis/analysis_test_data.h"
#include "tests/gui/gui_test_support.h"
#include "views/analysis/chart/analysis_chart.h"
#include "views/analysis/chart/analysis_chart_data.h"
#include "views/analysis/session/analysis_session.h"
#include "views/analysis/window/frm_analysis.h"
#include "views/common/language.h"
#include "views/texts/analysis_text.h"

#include <QApplication>
#include <QChart>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QtTest>

#include <cmath>
#include <cstdio>
#include <string>

namespace {

// seconds rows of 1-s levels from 12/05/2011 00:00:00, in tenths of a decibel that wander over
// 20 dB; the seconds in [gapFrom, gapTo) have no row.
std::string SecondsCsv(int seconds, int gapFrom = 0, int gapTo = 0) {
    std::string text = "Date;Heure;LAeq;LA90\n";
    char row[64];
    for (int s = 0; s < seconds; ++s) {
        if (s >= gapFrom && s < gapTo)
            continue;
        const int tenths = 450 + (s * 37) % 200;
        std::snprintf(row, sizeof row, "12/05/2011;%02d:%02d:%02d;%d,%d;%d,%d\n", s / 3600,
                      s / 60 % 60, s % 60, tenths / 10, tenths % 10, (tenths - 40) / 10,
                      (tenths - 40) % 10);
        text += row;
    }
    return text;
}

vrd::ReportForAnalysis OpenCsv(TestFiles& files, const QString& name, const std::string& bytes) {
    const QString path = files.Write(name, bytes);
    return vrd::OpenReportForAnalysis(vrd::AnalysisInput(path.toStdString()));
}

// The core's reading of the same bytes, for the figures to compare with.
vrd::LevelSeries CoreSeries(const std::string& bytes) {
    vrd::LevelsCsvRead read = vrd::ReadLevelsCsv(bytes, "core.csv");
    if (!read.levels)
        return {};
    return vrd::LevelSeriesFromCsv(std::move(*read.levels));
}

void CompareFigures(const vrd::LevelFigures& shown, const vrd::LevelFigures& core) {
    QCOMPARE(shown.count, core.count);
    QCOMPARE(shown.leq, core.leq);
    QCOMPARE(shown.lmax, core.lmax);
    QCOMPARE(shown.lmin, core.lmin);
    QCOMPARE(shown.L(90), core.L(90));
    QCOMPARE(shown.L(10), core.L(10));
}

int PointsOf(const QList<QList<QPointF>>& polylines) {
    int points = 0;
    for (const QList<QPointF>& polyline : polylines)
        points += static_cast<int>(polyline.size());
    return points;
}

} // namespace

class TestAnalysisCsv final : public QObject {
    Q_OBJECT

  private slots:
    void aSecondsExportGivesTheCoresFigures();
    void anExportOfAnotherStepIsRefusedNamingBoth();
    void aRefusedExportKeepsNoSampleAndSaysWhy();
    void theChartDrawsADayOfSecondsInAFewPointsAColumn();
    void aFrenchWindowOnADayOfSecondsFitsA1280By800Screen();
    void theReportAndTheTablesOfAnExportAreWritten();
};

void TestAnalysisCsv::aSecondsExportGivesTheCoresFigures() {
    // Two hours with ten minutes missing from 00:30: the gap is no sample, not a level.
    const std::string bytes = SecondsCsv(7200, 1800, 2400);
    TestFiles files;
    vrd::ReportForAnalysis file = OpenCsv(files, QStringLiteral("meter.csv"), bytes);
    QVERIFY2(!file.failure, file.failure ? file.failure->reason.c_str() : "");
    QVERIFY(file.csvLevels);
    QCOMPARE(vrd::StepOfFile(file), std::optional<vrd::Millis>(vrd::kMillisPerSecond));

    AnalysisSession session;
    session.SetReports(Reports(std::move(file)));
    QCOMPARE(session.Step(), vrd::kMillisPerSecond);
    QCOMPARE(session.Series().Size(), std::size_t{6600});
    QCOMPARE(session.AnalysedPeriod().Length(), vrd::Minute{120});

    const vrd::LevelSeries core = CoreSeries(bytes);
    vrd::AnalysisSettings settings = session.Settings();
    const vrd::AnalysisResult expected = vrd::Analyse(core, settings);
    const vrd::AnalysisResult& shown = session.Result();
    CompareFigures(shown.overall, expected.overall);
    QCOMPARE(shown.step, vrd::kMillisPerSecond);
    QVERIFY(!shown.wholeLevels);
    QCOMPARE(shown.minutes.measured, std::int64_t{6600});
    QCOMPARE(shown.minutes.measuredTime, vrd::Millis{6600} * vrd::kMillisPerSecond);
    QCOMPARE(shown.hours.At(0).minutes, std::int64_t{3000}); // samples, not minutes
    QCOMPARE(shown.hours.At(0).leq, expected.hours.At(0).leq);
    QCOMPARE(shown.hours.At(1).lmax, expected.hours.At(1).lmax);

    // A selection's statistics are those of the core over the same minutes.
    const vrd::Interval firstHour{session.AnalysedPeriod().from,
                                  session.AnalysedPeriod().from + 60};
    QVERIFY(session.Select(firstHour));
    settings.fromTime = vrd::MillisOf(firstHour.from);
    settings.toTime = vrd::MillisOf(firstHour.to);
    CompareFigures(session.SelectionFigures().levels, vrd::Analyse(core, settings).overall);
    QCOMPARE(session.SelectionFigures().measured, std::int64_t{3000});

    // The carpet has a cell a minute, the energy mean of its 60 samples.
    const vrd::Carpet carpet =
        vrd::CarpetOf(session.Series(), session.AnalysedPeriod(), session.ExcludedIntervals());
    const vrd::Carpet coreCarpet = vrd::CarpetOf(core, session.AnalysedPeriod(), {});
    QCOMPARE(carpet.Dates(), coreCarpet.Dates());
    QCOMPARE(carpet.At(0, 0), coreCarpet.At(0, 0));
    double energy = 0;
    for (std::size_t i = 60; i < 120; ++i)
        energy += std::pow(10.0, core.Level(i) / 10);
    QVERIFY(vrd::Carpet::IsLevel(carpet.At(0, 1)));
    QVERIFY(std::abs(carpet.At(0, 1) - 10 * std::log10(energy / 60)) < 1e-4);
    QVERIFY(!vrd::Carpet::IsLevel(carpet.At(0, 35))); // in the gap
}

void TestAnalysisCsv::anExportOfAnotherStepIsRefusedNamingBoth() {
    TestFiles files;
    vrd::ReportForAnalysis meter = OpenCsv(files, QStringLiteral("meter.csv"), SecondsCsv(600));
    AnalysisSession session;
    session.SetReports(Reports(ThreeDays()));
    const std::optional<QString> refusal = session.StepRefusal(meter);
    QVERIFY(refusal);
    QVERIFY2(refusal->contains(QStringLiteral("meter.csv")), qPrintable(*refusal));
    QVERIFY2(refusal->contains(QStringLiteral("three days.txt")), qPrintable(*refusal));
    QVERIFY2(refusal->contains(QStringLiteral("1 s")), qPrintable(*refusal));
    QVERIFY2(refusal->contains(QStringLiteral("1 min")), qPrintable(*refusal));

    // Held beside the report all the same, its samples stay out of the 60-s series.
    const std::size_t reportSamples = session.Series().Size();
    std::vector<vrd::ReportForAnalysis> both = session.Reports();
    both.push_back(meter);
    session.SetReports(std::move(both));
    QCOMPARE(session.Step(), vrd::kMillisPerMinute);
    QCOMPARE(session.Series().Size(), reportSamples);

    // An export of the same step as the first one joins it.
    AnalysisSession exports;
    exports.SetReports(Reports(meter));
    QVERIFY(!exports.StepRefusal(
        OpenCsv(files, QStringLiteral("other.csv"), SecondsCsv(1200, 0, 600))));
}

void TestAnalysisCsv::aRefusedExportKeepsNoSampleAndSaysWhy() {
    TestFiles files;
    const vrd::ReportForAnalysis file =
        OpenCsv(files, QStringLiteral("no level.csv"), "Date;Heure;Vent\n12/05/2011;00:00:00;3\n");
    QVERIFY(file.failure);
    QVERIFY(file.csvRefusal);
    QVERIFY(!file.levels);
    QVERIFY(!file.failure->reason.empty());
    // The failure's reason leaves the file to the one who shows it, so that it is named once.
    QVERIFY2(file.failure->reason.find("no level.csv") == std::string::npos,
             file.failure->reason.c_str());
    QVERIFY(!vrd::StepOfFile(file));

    AnalysisSession session;
    session.SetReports(Reports(file));
    QVERIFY(session.Series().Empty());
    QCOMPARE(session.AnalysedPeriod().Length(), vrd::Minute{0});
}

void TestAnalysisCsv::theChartDrawsADayOfSecondsInAFewPointsAColumn() {
    TestFiles files;
    AnalysisSession session;
    session.SetReports(Reports(OpenCsv(files, QStringLiteral("day.csv"), SecondsCsv(86400))));
    const vrd::Minute origin = session.AnalysedPeriod().from;
    const BrokenLine line = LevelLine(session.Series(), origin);
    QCOMPARE(line.points.size(), qsizetype{86400});
    QCOMPARE(line.runStarts.size(), qsizetype{1});
    // Second s is drawn at the middle of its second.
    QCOMPARE(line.points[61].x(), 1.0 + 1.5 / 60);
    QCOMPARE(line.points[61].y(), session.Series().Level(61));

    // The whole day on 800 columns: a few points a column, the loudest and quietest kept.
    const QList<QList<QPointF>> whole = VisiblePolylines(line, 0, 1440, 800, 100);
    QVERIFY2(PointsOf(whole) <= 4 * 800 + 2, qPrintable(QString::number(PointsOf(whole))));
    double highest = 0;
    for (const QList<QPointF>& polyline : whole)
        for (const QPointF& point : polyline)
            highest = std::max(highest, point.y());
    QCOMPARE(highest, 64.9);

    // Ten minutes on the same columns: every second.
    const QList<QList<QPointF>> zoomed = VisiblePolylines(line, 600, 610, 800, 100);
    QVERIFY(PointsOf(zoomed) >= 600);
    QVERIFY(PointsOf(zoomed) <= 602);
}

// A day at a roadside: quiet nights, a busy day with its rush hours, a lorry now and then. With
// VRD_SHOTS set, the window is saved there as a picture.
void TestAnalysisCsv::aFrenchWindowOnADayOfSecondsFitsA1280By800Screen() {
    std::string text = "Date;Heure;LAeq;LA90\n";
    char row[64];
    double level = 40;
    unsigned random = 2011;
    for (int s = 0; s < 86400; ++s) {
        random = random * 1103515245u + 12345u;
        const double hour = s / 3600.0;
        const double rush = std::exp(-std::pow(hour - 8, 2)) + std::exp(-std::pow(hour - 18, 2));
        const double base = hour < 6 || hour >= 22 ? 38 : 52 + 6 * rush;
        const double noise = static_cast<double>(random >> 16 & 0xff) / 255.0 - 0.5;
        level += 0.05 * (base - level) + 1.2 * noise;
        const double lorry =
            (s % 1711) < 20 && hour >= 6 && hour < 22 ? 14 * std::sin(s % 1711 * 0.157) : 0;
        const int tenths = static_cast<int>(std::lround((level + lorry) * 10));
        std::snprintf(row, sizeof row, "12/05/2011;%02d:%02d:%02d;%d,%d;%d,%d\n", s / 3600,
                      s / 60 % 60, s % 60, tenths / 10, tenths % 10, (tenths - 50) / 10,
                      (tenths - 50) % 10);
        text += row;
    }
    TestFiles files;
    SetWindowLanguage(Language::French);
    {
        frmAnalysis window;
        window.Session().SetReports(Reports(OpenCsv(files, QStringLiteral("sonometre.csv"), text)));
        QCOMPARE(window.Session().Series().Size(), std::size_t{86400});
        // The hint speaks of the samples a pointer reads, not of minutes.
        const auto* readout = window.findChild<QLabel*>(QStringLiteral("AnalysisReadout"));
        QVERIFY(readout != nullptr);
        QVERIFY2(readout->text().contains(QStringLiteral("un échantillon")),
                 qPrintable(readout->text()));
        window.Session().SetThreshold(65);
        QVERIFY(window.Session().Select({At(0, 7), At(0, 9)}));
        window.resize(1280, 800);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY2(window.width() <= 1280 && window.height() <= 800,
                 qPrintable(QStringLiteral("%1x%2").arg(window.width()).arg(window.height())));
        window.Chart()->Redraw();
        QApplication::processEvents();
        int drawn = 0;
        for (const QLineSeries* piece : window.Chart()->LevelSeries())
            drawn += static_cast<int>(piece->count());
        QVERIFY2(drawn > 0 && drawn <= 4 * window.Chart()->width() + 4,
                 qPrintable(QString::number(drawn)));
        // The line is named after the step, not the devices' minute.
        QStringList legend;
        for (const QLegendMarker* marker : window.Chart()->Chart()->legend()->markers())
            if (marker->isVisible())
                legend.append(marker->label());
        QVERIFY2(legend.contains(QStringLiteral("Leq ") +
                                 StepText(vrd::kMillisPerSecond, Language::French)),
                 qPrintable(legend.join(QLatin1Char('|'))));
        QVERIFY(!legend.contains(QStringLiteral("Leq 1 min")));
        const QString shots = qEnvironmentVariable("VRD_SHOTS");
        if (!shots.isEmpty())
            QVERIFY(window.grab().save(shots + QStringLiteral("/analysis-csv.png")));
    }
    SetWindowLanguage(Language::English);
}

void TestAnalysisCsv::theReportAndTheTablesOfAnExportAreWritten() {
    TestFiles files;
    frmAnalysis window;
    window.Session().SetReports(
        Reports(OpenCsv(files, QStringLiteral("meter.csv"), SecondsCsv(7200, 1800, 2400))));
    window.Session().SetThreshold(60);
    QString reason;
    const QString pdf = files.Path(QStringLiteral("meter.pdf"));
    QVERIFY2(window.WritePdf(pdf, reason), qPrintable(reason));
    QVERIFY(TestFiles::Read(pdf).size() > 1000);
    const QString tables = files.Path(QStringLiteral("meter.xlsx"));
    QVERIFY2(window.WriteTables(tables, reason), qPrintable(reason));
    QVERIFY(TestFiles::Read(tables).size() > 1000);
}

VRD_GUI_TEST_MAIN(TestAnalysisCsv)
#include "tst_analysis_csv.moc"
