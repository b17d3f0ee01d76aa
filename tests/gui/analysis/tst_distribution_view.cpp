// The "Distribution" tab and its charts: the view follows the selection, the
// exclusions and the marks (a source mark splits source from residual) and
// shows the BS 4142 histogram only under that standard; the charts draw
// something for any data, nothing included; the L-markers write levels as the
// language does; the report's pages carry both charts in either language.

#include "client_report/report_distribution_pages.h"
#include "client_report/report_pages.h"
#include "tests/gui/analysis/analysis_test_data.h"
#include "tests/gui/gui_test_support.h"
#include "views/analysis/campaign/distribution_view.h"
#include "views/analysis/session/analysis_session.h"
#include "views/painting/distribution_painting.h"

#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace {

// Pixels of image far from white, and those of the source's red-orange and the residual's
// green.
struct Ink {
    int any = 0;
    int source = 0;
    int green = 0;
};

Ink InkOf(const QImage& image) {
    Ink ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor colour = image.pixelColor(x, y);
            if (colour.red() + colour.green() + colour.blue() < 3 * 230)
                ++ink.any;
            if (colour.red() > colour.green() + 40 && colour.red() > colour.blue() + 40)
                ++ink.source;
            if (colour.green() > colour.red() + 40 && colour.green() > colour.blue() + 20)
                ++ink.green;
        }
    return ink;
}

template <typename Paint> QImage Painted(Paint paint, QSize size = {900, 420}) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paint(painter, QRectF(QPointF(0, 0), size));
    return image;
}

vrd::LevelDistributions OneSet(std::initializer_list<std::pair<int, int>> levels) {
    vrd::LevelHistogram histogram;
    for (const auto& [level, times] : levels)
        histogram.Add(static_cast<std::int16_t>(level), times);
    vrd::LevelDistributions distributions;
    distributions.all = vrd::DistributionOf(histogram);
    return distributions;
}

// Two days from 12/05/2011: a quiet place (40 to 44 dB) with a fan of 52 or 53
// dB from 08:00 to 10:00 each date.
int FanLevel(int minute) {
    const int ofDay = minute % 1440;
    if (ofDay >= 480 && ofDay < 600)
        return 52 + minute % 2;
    return 40 + minute % 5;
}

vrd::ReportForAnalysis FanDays() {
    TestFiles files;
    const QString path = files.Write(QStringLiteral("fan.txt"), DatedReport(2 * 1440, FanLevel));
    vrd::ReportForAnalysis report;
    report.path = "fan.txt";
    report.site = "Site Test";
    report.minuteLines = OpenWithCore(path, vrd::ReportKind::Plain).state.MinuteLines;
    return report;
}

std::int64_t MinutesAt(const vrd::LevelDistribution& levels, int level) {
    const std::optional<vrd::LevelRow> row = levels.At(level);
    return row ? row->minutes : -1;
}

QString PdfText(const QString& pdf) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The distribution pages alone, as the report lays them out, in a PDF of path.
int WriteDistributionPages(const QString& path, const AnalysisSession& session, Language language) {
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(300);
    ReportPages measure(writer, nullptr, 0, {}, language);
    LayOutDistributionPages(measure, session, language);
    QPainter painter(&writer);
    ReportPages paint(writer, &painter, measure.Page(), {}, language);
    LayOutDistributionPages(paint, session, language);
    return measure.Page();
}

} // namespace

class TestDistributionView final : public QObject {
    Q_OBJECT

  private slots:
    void theChartsDrawAnyData() {
        const auto distribution = [](const vrd::LevelDistributions& distributions) {
            return InkOf(Painted([&](QPainter& painter, const QRectF& area) {
                PaintLevelDistribution(painter, area, distributions, Language::English);
            }));
        };
        // Nothing: a sentence, no axes.
        const Ink nothing = distribution({});
        QVERIFY(nothing.any > 50 && nothing.any < 5000);

        vrd::LevelDistributions normal = OneSet({{40, 100}, {41, 60}, {45, 20}, {60, 3}});
        const Ink one = distribution(normal);
        QVERIFY(one.any > nothing.any * 4);
        QCOMPARE(one.source, 0);

        // Every minute at one level puts L10, L50 and L90 on one line.
        QVERIFY(distribution(OneSet({{55, 10}})).any > nothing.any * 2);

        // Source and residual in the marks' colours; a set without minutes draws no
        // bars.
        normal.source = OneSet({{58, 30}, {59, 30}}).all;
        normal.residual = normal.all;
        const Ink split = distribution(normal);
        QVERIFY(split.source > 500);
        QVERIFY(split.green > 500);
        normal.source = vrd::LevelDistribution{};
        QVERIFY(distribution(normal).source < split.source / 10);
        // Marks that hold none of the minutes: all of them drawn as one.
        normal.residual = vrd::LevelDistribution{};
        const Ink unmarked = distribution(normal);
        QCOMPARE(unmarked.source, 0);
        QVERIFY(unmarked.any > nothing.any * 4);

        const auto background = [](const std::vector<vrd::BackgroundLevel>& levels) {
            return InkOf(Painted([&](QPainter& painter, const QRectF& area) {
                PaintBackgroundHistogram(painter, area, levels, Language::English);
            }));
        };
        const Ink none = background({});
        QVERIFY(none.any > 50 && none.any < 5000);
        const vrd::BackgroundLevel emptyNight = vrd::BackgroundOf(vrd::PeriodLabel::Night, {});
        QCOMPARE(background({emptyNight}).any, none.any);
        const vrd::BackgroundLevel day =
            vrd::BackgroundOf(vrd::PeriodLabel::Daytime, {38.2, 38.4, 39.0, 41.5, 37.9});
        QVERIFY(day.mode.has_value());
        const Ink panels = background({day, emptyNight});
        QVERIFY(panels.any > none.any * 4);
        QVERIFY(panels.source > 200);
    }

    void theMarkersWriteLevelsAsTheLanguageDoes() {
        QCOMPARE(DistributionMarkerText(90, 45.4, Language::English),
                 QStringLiteral("L90 45.4 dB"));
        QCOMPARE(DistributionMarkerText(10, 62.4, Language::French),
                 QStringLiteral("L10 62,4\u00a0dB"));
    }

    void theViewFollowsTheSelectionExclusionsAndMarks() {
        AnalysisSession session;
        session.SetReports(Reports(FanDays()));
        DistributionView view(session);
        QCOMPARE(view.Distributions().all.minutes, 2 * 1440);
        QVERIFY(!view.Distributions().source && !view.Distributions().residual);

        // The first date's morning: an hour of quiet, then an hour of the fan.
        QVERIFY(session.Select({At(0, 7), At(0, 9)}));
        const vrd::LevelDistribution& all = view.Distributions().all;
        QCOMPARE(all.minutes, 120);
        QCOMPARE(all.rows.front().level, 40);
        QCOMPARE(all.rows.back().level, 53);
        QCOMPARE(MinutesAt(all, 47), 0);
        QCOMPARE(MinutesAt(all, 52) + MinutesAt(all, 53), 60);
        QVERIFY(view.Caption()->text().contains(QStringLiteral("2011-05-12 07:00")));

        session.AddExclusion({Span(At(0, 8, 30), At(0, 9)), "rain"});
        QCOMPARE(view.Distributions().all.minutes, 90);

        // The fan marked: its minutes apart from the quiet ones, which are
        // residual.
        QVERIFY(!session.AddMark({vrd::MarkKind::Source, Span(At(0, 8), At(0, 10)), "fan"}));
        const vrd::LevelDistributions& split = view.Distributions();
        QVERIFY(split.source && split.residual);
        QCOMPARE(split.source->minutes, 30);
        QCOMPARE(split.source->rows.front().level, 52);
        QCOMPARE(split.residual->minutes, 60);
        QCOMPARE(split.residual->rows.back().level, 44);
        QCOMPARE(split.all.minutes, 90);

        session.RemoveMark(1);
        QVERIFY(!view.Distributions().source);
    }

    void theBackgroundShowsUnderBs4142Alone() {
        AnalysisSession session;
        session.SetReports(Reports(FanDays()));
        DistributionView view(session);
        QVERIFY(!view.ShowsBackground());
        session.SetAssessmentSettings(vrd::AssessmentSettings{vrd::Standard::Bs4142, false});
        QVERIFY(view.ShowsBackground());
        QVERIFY(view.Caption()->text().contains(QStringLiteral("BS 4142")));
        session.SetAssessmentSettings(
            vrd::AssessmentSettings{vrd::Standard::FrNeighbourhood, false});
        QVERIFY(!view.ShowsBackground());
        QVERIFY(!view.Caption()->text().contains(QStringLiteral("BS 4142")));

        // Drawn without a crash beside the distribution.
        session.SetAssessmentSettings(vrd::AssessmentSettings{vrd::Standard::Bs4142, false});
        view.resize(1200, 360);
        QVERIFY(InkOf(view.grab().toImage()).any > 2000);
    }

    void theReportCarriesBothCharts() {
        AnalysisSession session;
        session.SetReports(Reports(FanDays()));
        QVERIFY(!session.AddMark({vrd::MarkKind::Source, Span(At(0, 8), At(0, 10)), "fan"}));
        session.SetAssessmentSettings(vrd::AssessmentSettings{vrd::Standard::Bs4142, false});
        TestFiles files;

        const QString english = files.Path(QStringLiteral("english.pdf"));
        QVERIFY(WriteDistributionPages(english, session, Language::English) >= 1);
        const QString text = PdfText(english);
        for (const char* expected :
             {"Distribution of the levels", "Source noise", "Residual noise", "Level (dB)",
              "% of time above", "L90 4", "Mode 4", "Daytime: L90 of each hour", "Night-time"})
            QVERIFY2(text.contains(QLatin1String(expected)), expected);

        const QString french = files.Path(QStringLiteral("french.pdf"));
        WriteDistributionPages(french, session, Language::French);
        const QString frenchText = PdfText(french);
        for (const char* expected : {"Répartition des niveaux", "Bruit particulier",
                                     "Bruit résiduel", "Niveau (dB)", "% du temps au-dessus"})
            QVERIFY2(frenchText.contains(QString::fromUtf8(expected)), expected);
        QVERIFY2(frenchText.contains(QRegularExpression(QStringLiteral("L90 \\d+,\\d"))),
                 qPrintable(frenchText));
    }
};

VRD_GUI_TEST_MAIN(TestDistributionView)
#include "tst_distribution_view.moc"
