// The analysis window's chart as a user works it: the legend through wheel zooms, the sliding Leq
// across the sample's gap, the legend of the bands, a box zoom's level axis, and the keys and
// button that show the whole period again.

#include "tests/gui/analysis/analysis_test_data.h"
#include "views/analysis/campaign/carpet_view.h"
#include "views/analysis/chart/analysis_chart.h"
#include "views/analysis/chart/analysis_overlay.h"
#include "views/analysis/window/frm_analysis.h"
#include "views/plot/chart_zoom_view.h"

#include <QChart>
#include <QCheckBox>
#include <QComboBox>
#include <QLegend>
#include <QLegendMarker>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QValueAxis>
#include <QWheelEvent>

#include <cmath>

namespace {

const QString kSample = QStringLiteral(VRD_SAMPLES_DIR "/sample.vrd");

// The labels of the legend's entries shown, in order.
QStringList LegendEntries(const AnalysisChart& chart) {
    // As the user sees it: after the legend has been laid out again.
    QCoreApplication::processEvents();
    QStringList entries;
    for (const QLegendMarker* marker : chart.Chart()->legend()->markers())
        if (marker->isVisible())
            entries.append(marker->label());
    return entries;
}

// Where the chart draws (x, y), in its view's viewport.
QPoint ViewportPoint(const AnalysisChart& chart, QPointF value) {
    const QPointF inChart = chart.Chart()->mapToPosition(value, chart.LevelSeries().first());
    return chart.View()->mapFromScene(chart.Chart()->mapToScene(inChart));
}

void Wheel(const AnalysisChart& chart, QPoint at, int notches) {
    QWidget* viewport = chart.View()->viewport();
    QWheelEvent wheel(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &wheel);
}

bool IsMultipleOf(double value, double step) {
    return std::fabs(value / step - std::round(value / step)) < 1e-9;
}

void ShowAndActivate(frmAnalysis& window) {
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

} // namespace

class TestAnalysisChart final : public QObject {
    Q_OBJECT

  private slots:
    void theLegendHoldsOneEntryALineHoweverItIsZoomed();
    void theSlidingLeqStaysOnTheMinutesAcrossTheSamplesGap();
    void theBandsHaveTheirLegendAndTheSelectionItsEntry();
    void aFrenchStandardsDayAndNightAreTheBandsAndTheCarpetsLines();
    void aBoxZoomShowsTheLevelsOnWholeFives();
    void homeEscAndTheButtonShowTheWholePeriodWhereverTheFocusIs();
};

void TestAnalysisChart::theLegendHoldsOneEntryALineHoweverItIsZoomed() {
    frmAnalysis window;
    window.Session().SetReports(Reports(ThreeDays()));
    ShowAndActivate(window);
    AnalysisChart& chart = *window.Chart();
    chart.Redraw();
    const QStringList whole = LegendEntries(chart);
    QCOMPARE(whole, (QStringList{QStringLiteral("Leq 1 min"), QStringLiteral("Day"),
                                 QStringLiteral("Evening"), QStringLiteral("Night")}));

    // Zoomed in about the gap at 01:40 the line breaks in two; zoomed out it is one again, and
    // in again two: the piece shown again must not bring a second entry.
    const QPoint gap = ViewportPoint(chart, {100.5, 50});
    for (const int notches : {12, -12, 12, -12, 12}) {
        Wheel(chart, gap, notches);
        chart.Redraw();
        QCOMPARE(chart.LevelSeries().size(), notches > 0 ? 2 : 1);
        QCOMPARE(LegendEntries(chart), whole);
    }

    // The same for the sliding Leq, whose pieces hide with it.
    auto* sliding = window.findChild<QCheckBox*>(QStringLiteral("ShowSliding"));
    sliding->setChecked(true);
    sliding->setChecked(false);
    sliding->setChecked(true);
    chart.Redraw();
    QCOMPARE(LegendEntries(chart).count(QStringLiteral("Sliding Leq 10 min")), 1);
    QCOMPARE(LegendEntries(chart).count(QStringLiteral("Leq 1 min")), 1);
}

void TestAnalysisChart::theSlidingLeqStaysOnTheMinutesAcrossTheSamplesGap() {
    frmAnalysis window;
    window.Session().SetReports({vrd::OpenReportForAnalysis({kSample.toStdString(), false})});
    ShowAndActivate(window);
    window.findChild<QComboBox*>(QStringLiteral("SlidingLength"))->setCurrentIndex(0);
    window.findChild<QCheckBox*>(QStringLiteral("ShowSliding"))->setChecked(true);
    AnalysisChart& chart = *window.Chart();
    QCOMPARE(chart.ShownOverlays().slidingMinutes, 5);

    // 04:40 to 05:40 of 12/05: levels about 30 dB, gap records from 05:04 to 05:08.
    chart.View()->Show({280, 340}, chart.View()->ShownY());
    chart.Redraw();
    QList<double> drawn;
    for (const QLineSeries* piece : chart.SlidingSeries())
        for (const QPointF& point : piece->points()) {
            if (point.x() < 290 || point.x() > 330)
                continue;
            drawn.append(point.x());
            // The devices' running levels stand near 60 dB here.
            QVERIFY2(point.y() < 40, qPrintable(QString::number(point.x())));
        }
    // 05:04 still holds four minutes of five; 05:05 to 05:11 too few; 05:12 four again.
    QVERIFY(drawn.contains(304.5));
    for (double x = 305.5; x < 312; ++x)
        QVERIFY2(!drawn.contains(x), qPrintable(QString::number(x)));
    QVERIFY(drawn.contains(312.5));
    QCOMPARE(chart.SlidingSeries().size(), 2);
    QCOMPARE(LegendEntries(chart).count(QStringLiteral("Sliding Leq 5 min")), 1);
}

void TestAnalysisChart::theBandsHaveTheirLegendAndTheSelectionItsEntry() {
    frmAnalysis window;
    AnalysisSession& session = window.Session();
    session.SetReports(Reports(ThreeDays()));
    AnalysisChart& chart = *window.Chart();
    QVERIFY(!LegendEntries(chart).contains(QStringLiteral("Selection")));
    // 07:00-19:00 after 00:00-07:00: a selection beside a night is named as one.
    session.Select({At(1, 7), At(1, 19)});
    QVERIFY(LegendEntries(chart).contains(QStringLiteral("Selection")));
    session.AddExclusion({Span(At(0, 14), At(0, 16)), "rain"});
    QVERIFY(LegendEntries(chart).contains(QStringLiteral("Excluded")));
    // The legend names what the bands draw, also when the chart is drawn for paper without the
    // selection.
    AnalysisOverlay* overlay = nullptr;
    for (QGraphicsItem* item : chart.Chart()->childItems())
        if (auto* found = dynamic_cast<AnalysisOverlay*>(item))
            overlay = found;
    QVERIFY(overlay != nullptr);
    AnalysisOverlay::Content onPaper = overlay->Shown();
    onPaper.selection.reset();
    overlay->SetContent(onPaper);
    QVERIFY(!LegendEntries(chart).contains(QStringLiteral("Selection")));
    session.Select({At(1, 8), At(1, 19)});

    window.findChild<QCheckBox*>(QStringLiteral("ShowPeriods"))->setChecked(false);
    window.findChild<QCheckBox*>(QStringLiteral("ShowExclusions"))->setChecked(false);
    QCOMPARE(LegendEntries(chart),
             (QStringList{QStringLiteral("Leq 1 min"), QStringLiteral("Selection")}));
    session.Select(session.AnalysedPeriod());
    QCOMPARE(LegendEntries(chart), QStringList{QStringLiteral("Leq 1 min")});
}

// With a French standard the bands are its day and night, 07:00-22:00 and 22:00-07:00, named so,
// and the carpet draws their bounds; BS 4142 and no standard give the periods' own.
void TestAnalysisChart::aFrenchStandardsDayAndNightAreTheBandsAndTheCarpetsLines() {
    frmAnalysis window;
    AnalysisSession& session = window.Session();
    session.SetReports(Reports(ThreeDays()));
    AnalysisChart& chart = *window.Chart();
    const QStringList lden = {QStringLiteral("Day"), QStringLiteral("Evening"),
                              QStringLiteral("Night")};
    for (const QString& entry : lden)
        QVERIFY(LegendEntries(chart).contains(entry));
    QVERIFY(!window.Carpet()->Picture().standardDay);

    session.SetAssessmentSettings(vrd::AssessmentSettings{vrd::Standard::FrIcpe, false});
    const QStringList entries = LegendEntries(chart);
    QVERIFY2(entries.contains(QStringLiteral("Day 07:00–22:00")) &&
                 entries.contains(QStringLiteral("Night 22:00–07:00")),
             qPrintable(entries.join(QLatin1Char('|'))));
    for (const QString& entry : lden)
        QVERIFY(!entries.contains(entry));
    const std::optional<vrd::ClockHours> day = window.Carpet()->Picture().standardDay;
    QVERIFY(day && day->from == 7 && day->to == 22);
    QVERIFY(chart.ShownStandardDay());

    // No bands asked for: no standard's periods either.
    window.findChild<QCheckBox*>(QStringLiteral("ShowPeriods"))->setChecked(false);
    QVERIFY(!chart.ShownStandardDay());
    window.findChild<QCheckBox*>(QStringLiteral("ShowPeriods"))->setChecked(true);
    session.SetAssessmentSettings(vrd::AssessmentSettings{vrd::Standard::Bs4142, false});
    QVERIFY(LegendEntries(chart).contains(QStringLiteral("Evening")));
    QVERIFY(!window.Carpet()->Picture().standardDay);
}

void TestAnalysisChart::aBoxZoomShowsTheLevelsOnWholeFives() {
    frmAnalysis window;
    window.Session().SetReports(Reports(ThreeDays()));
    ShowAndActivate(window);
    AnalysisChart& chart = *window.Chart();
    chart.Redraw();
    auto* levels = qobject_cast<QValueAxis*>(chart.Chart()->axes(Qt::Vertical).first());
    QCOMPARE(levels->tickType(), QValueAxis::TicksDynamic);
    QCOMPARE(levels->tickAnchor(), 0.0);
    const AxisRange whole = chart.View()->ShownY();
    QVERIFY(IsMultipleOf(whole.min, 10) && IsMultipleOf(whole.max, 10));

    // A box from 47.3 to 69.8 dB, as a hand draws it.
    QWidget* viewport = chart.View()->viewport();
    const QPoint from = ViewportPoint(chart, {600, 69.8});
    const QPoint to = ViewportPoint(chart, {900, 47.3});
    QTest::mousePress(viewport, Qt::LeftButton, Qt::ControlModifier, from);
    QTest::mouseMove(viewport, to);
    QTest::mouseRelease(viewport, Qt::LeftButton, Qt::ControlModifier, to);
    const AxisRange box = chart.View()->ShownY();
    QCOMPARE(box.min, 45.0);
    QCOMPARE(box.max, 70.0);
    QCOMPARE(levels->tickInterval(), 5.0);
    QVERIFY(chart.View()->ShownX().max < 1000);
}

void TestAnalysisChart::homeEscAndTheButtonShowTheWholePeriodWhereverTheFocusIs() {
    frmAnalysis window;
    window.Session().SetReports(Reports(ThreeDays()));
    ShowAndActivate(window);
    ChartZoomView& view = *window.Chart()->View();
    const auto zoomIn = [&] {
        view.Show({0, 180}, view.ShownY());
        QVERIFY(view.IsZoomed());
    };

    // Never clicked the chart: the focus is on a table, then on a button.
    zoomIn();
    window.DaysView()->setFocus();
    QTest::keyClick(window.DaysView(), Qt::Key_Home);
    QVERIFY(!view.IsZoomed());
    zoomIn();
    auto* select = window.findChild<QPushButton*>(QStringLiteral("SelectTyped"));
    select->setFocus();
    QTest::keyClick(select, Qt::Key_Escape);
    QVERIFY(!view.IsZoomed());

    // A text box keeps them for its text.
    zoomIn();
    window.FromEdit()->setFocus();
    window.FromEdit()->setCursorPosition(5);
    QTest::keyClick(window.FromEdit(), Qt::Key_Home);
    QCOMPARE(window.FromEdit()->cursorPosition(), 0);
    QTest::keyClick(window.FromEdit(), Qt::Key_Escape);
    QVERIFY(view.IsZoomed());

    // The chart itself, and the button beside it.
    view.setFocus();
    QTest::keyClick(&view, Qt::Key_Escape);
    QVERIFY(!view.IsZoomed());
    zoomIn();
    QTest::mouseClick(window.Chart()->ResetZoomButton(), Qt::LeftButton);
    QVERIFY(!view.IsZoomed());
}

VRD_GUI_TEST_MAIN(TestAnalysisChart)
#include "tst_analysis_chart.moc"
