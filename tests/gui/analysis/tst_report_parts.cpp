// The parts of the printed report on their own: which reports it names and how, the units of its
// figures, and the chart drawn for paper (across its box, without the selection, and the window's
// chart put back as it was). Its caption is read in the PDFs of tst_analysis_report.

#include "tests/gui/analysis/analysis_test_data.h"
#include "tests/gui/gui_test_support.h"
#include "views/analysis/chart/analysis_chart.h"
#include "views/analysis/chart/analysis_overlay.h"
#include "views/analysis/chart/report_chart.h"
#include "views/analysis/window/frm_analysis.h"
#include "views/texts/analysis_report_text.h"
#include "views/texts/analysis_text.h"

#include <QAbstractAxis>
#include <QChart>
#include <QImage>
#include <QPainter>
#include <QTest>

namespace {

vrd::ReportForAnalysis Report(const std::string& path, const std::string& site,
                              std::optional<vrd::Failure> failure, bool minutes) {
    vrd::ReportForAnalysis report;
    report.path = path;
    report.site = site;
    report.serial = site.empty() ? std::string() : "SN " + site;
    report.failure = std::move(failure);
    if (minutes)
        report.minuteLines = DatedRecord(*vrd::ParseMinute("2011-05-12T10:00"), 60);
    return report;
}

QString ValueOf(const QList<ReportFigure>& figures, const QString& name) {
    for (const ReportFigure& figure : figures)
        if (figure.name == name)
            return figure.value;
    return QStringLiteral("<no ") + name + QStringLiteral(">");
}

// The chart drawn for paper into an image of size, as on a page of dpi dots per inch.
QImage PaperChart(AnalysisChart& chart, QSize size, double dpi = 150) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    PaintReportChart(chart, painter, QRectF(QPointF(0, 0), size), dpi, Language::English);
    return image;
}

AnalysisOverlay* OverlayOf(AnalysisChart& chart) {
    for (QGraphicsItem* item : chart.Chart()->childItems())
        if (auto* overlay = dynamic_cast<AnalysisOverlay*>(item))
            return overlay;
    return nullptr;
}

} // namespace

class TestReportParts final : public QObject {
    Q_OBJECT

  private slots:
    void onlyTheReportsThatGaveMinutesAreNamed();
    void everyFigureCarriesItsUnit();
    void theFiguresNameTheCombinedLevelAndTheWhoComparison();
    void theChartFillsItsBoxWithoutTheSelection();
};

void TestReportParts::onlyTheReportsThatGaveMinutesAreNamed() {
    const vrd::Failure decode{vrd::Stage::Decode, "no code table"};
    const vrd::Failure parse{vrd::Stage::Parse, "line 9: the level \"6O\" is not a number"};
    // A picture read as a plain report has a "site": its first line.
    const std::vector<vrd::ReportForAnalysis> reports = {
        Report("/logs/picture.png", "\x89PNG", vrd::Failure{vrd::Stage::Parse, "holds no report"},
               false),
        Report("/logs/week 1.vrd", "Chantier", std::nullopt, true),
        Report("/logs/bad.vrd", "", decode, false),
        Report("/logs/cut.txt", "", parse, true),
    };
    const auto analysed = ReportsAnalysed(reports);
    QCOMPARE(analysed.size(), std::size_t{2});
    QCOMPARE(ReportPath(*analysed[0]), QStringLiteral("/logs/week 1.vrd"));
    QCOMPARE(ReportPath(*analysed[1]), QStringLiteral("/logs/cut.txt"));
    QCOMPARE(ReportSite(analysed), QStringLiteral("Chantier"));
    QCOMPARE(ReportSerial(analysed), QStringLiteral("SN Chantier"));
    QCOMPARE(ReportFilesInBrief(analysed, Language::English),
             QStringLiteral("week 1.vrd + 1 more"));
    QCOMPARE(ReportFilesInBrief({analysed[0]}, Language::English), QStringLiteral("week 1.vrd"));
    QCOMPARE(ReportFilesInBrief({}, Language::English), QString());
    QCOMPARE(ReportSite({}), QString());
    QCOMPARE(PeriodText({0, 0}, Language::English), QStringLiteral("no minute"));
}

void TestReportParts::everyFigureCarriesItsUnit() {
    AnalysisSession session;
    session.SetReports({vrd::OpenReportForAnalysis({VRD_SAMPLES_DIR "/sample.vrd", false})});
    session.SetThreshold(65);
    QList<ReportFigure> figures = ReportFigures(session.Result(), Language::English);
    QVERIFY(ValueOf(figures, QStringLiteral("Coverage")).endsWith(QStringLiteral(" %")));
    for (const char* name :
         {"Minutes measured", "Minutes excluded", "Minutes above threshold", "Longest event"})
        QVERIFY2(ValueOf(figures, QLatin1String(name)).endsWith(QStringLiteral(" min")), name);
    for (const char* name :
         {"Leq", "Lmax", "Lmin", "L1", "L50", "L90", "L99", "Lday", "Levening", "Lnight", "Lden"})
        QVERIFY2(ValueOf(figures, QLatin1String(name)).endsWith(QStringLiteral(" dB")), name);
    QVERIFY(!ValueOf(figures, QStringLiteral("Events above threshold")).isEmpty());
    // The days table's levels likewise; a missing one stays an empty, shaded cell.
    QCOMPARE(DecibelText(63.44, Language::English), QStringLiteral("63.4 dB"));
    QCOMPARE(DecibelText(std::nullopt, Language::English), QString());

    // Without a threshold there is nothing above it to count; without minutes, no level.
    session.SetThreshold(std::nullopt);
    session.SetAnalysedTimes(vrd::MillisOf(*vrd::ParseMinute("2020-01-01T00:00")),
                             vrd::MillisOf(*vrd::ParseMinute("2020-01-02T00:00")));
    figures = ReportFigures(session.Result(), Language::English);
    QVERIFY(ValueOf(figures, QStringLiteral("Longest event")).startsWith(QStringLiteral("<no")));
    QCOMPARE(ValueOf(figures, QStringLiteral("Leq")), QStringLiteral("–"));
    QCOMPARE(ValueOf(figures, QStringLiteral("Minutes measured")), QStringLiteral("0 min"));
}

void TestReportParts::theFiguresNameTheCombinedLevelAndTheWhoComparison() {
    AnalysisSession session;
    session.SetReports({vrd::OpenReportForAnalysis({VRD_SAMPLES_DIR "/sample.vrd", false})});
    QVERIFY(session.SetPreset("uk"));
    session.SetWhoSource(vrd::WhoSource::Rail);
    const std::optional<double> excess = session.Result().who->ldenExcess;
    QList<ReportFigure> figures = ReportFigures(session.Result(), Language::English);
    QVERIFY(ValueOf(figures, QStringLiteral("Lden")).startsWith(QStringLiteral("<no")));
    QCOMPARE(ValueOf(figures, QStringLiteral("Noise source (WHO)")), QStringLiteral("railways"));
    QCOMPARE(ValueOf(figures, QStringLiteral("LAeq,24h WHO guideline")), QStringLiteral("54 dB"));
    QCOMPARE(ValueOf(figures, QStringLiteral("LAeq,24h − WHO guideline")),
             SignedLevelText(*excess, Language::English) + QStringLiteral(" dB"));

    // Wind turbines have no Lnight guideline; in French the terms of the trade.
    session.SetWhoSource(vrd::WhoSource::Wind);
    figures = ReportFigures(session.Result(), Language::French);
    QCOMPARE(ValueOf(figures, QStringLiteral("Valeur guide OMS Lnight")), QStringLiteral("aucune"));
    QCOMPARE(ValueOf(figures, QStringLiteral("Lnight − valeur guide OMS")), QStringLiteral("–"));
}

void TestReportParts::theChartFillsItsBoxWithoutTheSelection() {
    frmAnalysis window;
    window.Session().SetReports(
        {vrd::OpenReportForAnalysis({VRD_SAMPLES_DIR "/sample.vrd", false})});
    window.resize(1400, 860);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    AnalysisChart& chart = *window.Chart();
    const QSizeF shownSize = chart.Chart()->size();
    const QFont labels = chart.Chart()->axes().first()->labelsFont();

    // A box of a page's width (some 7 inches) is filled whatever its shape, none of the
    // background left showing.
    for (const QSize size : {QSize(1000, 500), QSize(1400, 1000)}) {
        const QImage whole = PaperChart(chart, size, size.width() / 7.0);
        int uncovered = 0;
        for (int y = 0; y < whole.height(); ++y)
            for (int x = 0; x < whole.width(); ++x)
                uncovered += whole.pixel(x, y) == QColor(Qt::magenta).rgb();
        QCOMPARE(uncovered, 0);
    }

    // The selection is the window's: the paper shows none.
    const QImage unselected = PaperChart(chart, QSize(1000, 500));
    const vrd::Interval afternoon{*vrd::ParseMinute("2011-05-12T14:00"),
                                  *vrd::ParseMinute("2011-05-12T16:00")};
    QVERIFY(window.Session().Select(afternoon));
    QVERIFY(OverlayOf(chart)->Shown().selection.has_value());
    QCOMPARE(PaperChart(chart, QSize(1000, 500)), unselected);

    // And the window's chart is as it was.
    QCOMPARE(chart.Chart()->size(), shownSize);
    QCOMPARE(chart.Chart()->axes().first()->labelsFont(), labels);
    QCOMPARE(OverlayOf(chart)->Shown().selection->from, afternoon.from);
}

VRD_GUI_TEST_MAIN(TestReportParts)
#include "tst_report_parts.moc"
