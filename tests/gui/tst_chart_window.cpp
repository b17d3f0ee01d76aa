// The chart: one point per complete 1-minute line, quiet minutes and gaps at 55 dB, labels on the
// first charted minute of each hour; a year of minutes drawn at the width of the plot; zoom, pan
// and reset by mouse and keys; the read-out under the pointer; saving the chart as PNG.

#include "gui_test_support.h"
#include "views/chart_series.h"
#include "views/chart_zoom_view.h"
#include "views/frm_graph.h"

#include <QAction>
#include <QCategoryAxis>
#include <QChart>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMouseEvent>
#include <QTest>
#include <QValueAxis>
#include <QWheelEvent>

namespace {

// 13:58, 13:59, 14:00 (72), 14:01 (73), 14:02 (59: quiet), 14:03 gap, 14:04 (60), 15:00 (61).
std::string MinuteLines() {
    return LevelLine(13 * 60 + 58, 65) + LevelLine(13 * 60 + 59, 66) + LevelLine(14 * 60, 72) +
           LevelLine(14 * 60 + 1, 73) + LevelLine(14 * 60 + 2, 59) + GapLine(14 * 60 + 3) +
           LevelLine(14 * 60 + 4, 60) + LevelLine(15 * 60, 61);
}

QStringList Labels(const ChartSeries& series) {
    QStringList labels;
    for (const ChartAxisMark& mark : series.marks)
        labels << QString::number(mark.row) + QLatin1Char(':') + mark.label;
    return labels;
}

// A day of minutes from 00:00, levels 60 + minute % 40.
std::string Day() {
    std::string day;
    for (int minute = 0; minute < 24 * 60; ++minute)
        day += LevelLine(minute, 60 + minute % 40);
    return day + "\n";
}

AxisRange Shown(const QValueAxis* axis) {
    return {axis->min(), axis->max()};
}

// The viewport pixel at which the plot shows x (and level y).
QPoint PixelOf(const frmGraph& window, double x, double y) {
    const QPointF scene = window.Chart()->mapToPosition(QPointF(x, y), window.Levels());
    return window.View()->mapFromScene(window.Chart()->mapToScene(scene));
}

void Wheel(QWidget* viewport, QPoint at, int notches, Qt::KeyboardModifiers modifiers = {}) {
    QWheelEvent event(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, notches * 120),
                      Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &event);
}

void Mouse(QWidget* viewport, QEvent::Type type, QPoint at, Qt::MouseButton button,
           Qt::MouseButtons held, Qt::KeyboardModifiers modifiers = {}) {
    QMouseEvent event(type, at, viewport->mapToGlobal(at), button, held, modifiers);
    QApplication::sendEvent(viewport, &event);
}

void Drag(QWidget* viewport, QPoint from, QPoint to, Qt::MouseButton button,
          Qt::KeyboardModifiers modifiers = {}) {
    Mouse(viewport, QEvent::MouseButtonPress, from, button, button, modifiers);
    Mouse(viewport, QEvent::MouseMove, (from + to) / 2, Qt::NoButton, button, modifiers);
    Mouse(viewport, QEvent::MouseMove, to, Qt::NoButton, button, modifiers);
    Mouse(viewport, QEvent::MouseButtonRelease, to, button, Qt::NoButton, modifiers);
}

} // namespace

class TestChartWindow final : public QObject {
    Q_OBJECT

  private slots:
    void seriesFollowsTheMinutes();
    void windowPlotsTheSeries();
    void timeAxisShowsEachHourOnce();
    void aYearIsDrawnAtThePlotsWidth();
    void wheelZoomsAboutThePointer();
    void dragZoomsPansAndKeysReset();
    void zoomedTimeAxisShowsMinutes();
    void readoutShowsTheMinuteUnderThePointer();
    void savesTheChartAsPng();

  private:
    static void ShowDay(frmGraph& window);
};

void TestChartWindow::seriesFollowsTheMinutes() {
    const ChartSeries series = BuildChartSeries(MinuteLines());
    // The last line's line feed is the store's last character: that line is not charted.
    QCOMPARE(series.points.size(), 7);
    const QList<double> levels = {65, 66, 72, 73, 55, 55, 60};
    for (qsizetype i = 0; i < levels.size(); ++i)
        QCOMPARE(series.points[i], QPointF(static_cast<double>(i + 1), levels[i]));
    QCOMPARE(Labels(series),
             (QStringList{QStringLiteral("1:12/05/2011-13h"), QStringLiteral("3:12/05/2011-14h"),
                          QStringLiteral("7:12/05/2011-14h")}));
    QCOMPARE(series.lowest, 55.0);
    QCOMPARE(series.highest, 73.0);

    QVERIFY(BuildChartSeries("").points.isEmpty());
    QVERIFY(BuildChartSeries("x").points.isEmpty());
}

void TestChartWindow::windowPlotsTheSeries() {
    frmGraph window;
    QCOMPARE(window.windowTitle(), QStringLiteral("frmGraph"));
    QCOMPARE(window.sizeHint(), QSize(1340, 637));
    window.ShowSeries(BuildChartSeries(MinuteLines()));
    QCOMPARE(window.Levels()->count(), 7);
    QCOMPARE(window.Levels()->at(3), QPointF(4, 73));
    QCOMPARE(window.Levels()->name(), QStringLiteral("Leq 1min"));
    QCOMPARE(window.Levels()->color(), QColor(45, 44, 78));
    QVERIFY(window.Chart()->legend()->isVisible());
    QCOMPARE(window.Chart()->backgroundBrush().color(), QColor(Qt::white));
    QCOMPARE(window.TimeAxis()->titleText(), QStringLiteral("Date"));
    const QList<QAbstractAxis*> levelAxes = window.Chart()->axes(Qt::Vertical);
    QCOMPARE(levelAxes.size(), 2);
    for (QAbstractAxis* axis : levelAxes) {
        QCOMPARE(axis->titleText(), QStringLiteral("LEq level"));
        QVERIFY(axis->isTitleVisible());
    }
    const auto* levelAxis = qobject_cast<QValueAxis*>(levelAxes.first());
    QVERIFY(levelAxis->min() <= 55 && levelAxis->max() >= 73);
    // The whole report on round numbers, on both sides.
    QCOMPARE(levelAxis->tickType(), QValueAxis::TicksFixed);
    QCOMPARE(qobject_cast<QValueAxis*>(levelAxes.last())->tickType(), QValueAxis::TicksFixed);
}

void TestChartWindow::timeAxisShowsEachHourOnce() {
    frmGraph window;
    window.ShowSeries(BuildChartSeries(MinuteLines()));
    QCOMPARE(window.TimeAxis()->categoriesLabels(),
             (QStringList{QStringLiteral("12/05/2011-13h"), QStringLiteral("12/05/2011-14h")}));
    QCOMPARE(window.TimeAxis()->endValue(QStringLiteral("12/05/2011-14h")), 3.0);

    // A day of loud minutes, shown after the short report: every hour at its first minute.
    std::string day;
    for (int minute = 0; minute < 24 * 60; ++minute)
        day += LevelLine(minute, 70);
    day += "\n";
    window.ShowSeries(BuildChartSeries(day));
    QCOMPARE(window.Levels()->count(), 24 * 60);
    const QStringList labels = window.TimeAxis()->categoriesLabels();
    QCOMPARE(labels.size(), 24);
    QCOMPARE(labels.first(), QStringLiteral("12/05/2011-00h"));
    QCOMPARE(window.TimeAxis()->endValue(QStringLiteral("12/05/2011-23h")), 23.0 * 60 + 1);
}

void TestChartWindow::aYearIsDrawnAtThePlotsWidth() {
    // 365 days of 1440 minutes, each day with a date of its own (not a real calendar).
    std::string year;
    year.reserve(525'600 * 37);
    for (int day = 0; day < 365; ++day) {
        const std::string date = QStringLiteral("%1/%2/%3")
                                     .arg(day % 28 + 1, 2, 10, QLatin1Char('0'))
                                     .arg(day / 28 % 12 + 1, 2, 10, QLatin1Char('0'))
                                     .arg(2011 + day / 336)
                                     .toStdString();
        for (int minute = 0; minute < 24 * 60; ++minute)
            year += LevelLine(minute, 55 + (minute * 7 + day) % 50).replace(0, 10, date);
    }
    year += "\n";
    frmGraph window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.ShowSeries(BuildChartSeries(year));
    window.Redraw();
    QCOMPARE(window.Series().points.size(), 525'600);
    const auto columns = static_cast<qsizetype>(std::ceil(window.Chart()->plotArea().width()));
    QVERIFY2(window.Levels()->count() <= 4 * columns + 2,
             qPrintable(QString::number(window.Levels()->count())));
    // Every peak and dip of the year is still drawn.
    const QList<QPointF> drawn = window.Levels()->points();
    const auto [low, high] = std::minmax_element(
        drawn.begin(), drawn.end(), [](QPointF a, QPointF b) { return a.y() < b.y(); });
    QCOMPARE(low->y(), window.Series().lowest);
    QCOMPARE(high->y(), window.Series().highest);
    QCOMPARE(drawn.first(), window.Series().points.first());
    QCOMPARE(drawn.last(), window.Series().points.last());
    const qsizetype labels = window.TimeAxis()->categoriesLabels().size();
    QVERIFY2(labels > frmGraph::kMostTimeLabels / 2 && labels <= frmGraph::kMostTimeLabels + 1,
             qPrintable(QString::number(labels)));

    // Zoomed into one day, that day is drawn minute by minute.
    window.View()->Show({1440 * 100, 1440 * 101}, Shown(window.LevelAxis()));
    window.Redraw();
    QCOMPARE(window.Levels()->count(), 1440 + 1 + 2);
    QCOMPARE(window.Levels()->at(1), window.Series().points[1440 * 100 - 1]);
}

void TestChartWindow::ShowDay(frmGraph& window) {
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.ShowSeries(BuildChartSeries(Day()));
    // Until the first layout the plot has no size.
    QTRY_VERIFY(window.Chart()->plotArea().width() > 100);
}

void TestChartWindow::wheelZoomsAboutThePointer() {
    frmGraph window;
    ShowDay(window);
    ChartZoomView* view = window.View();
    const AxisRange whole = Shown(window.TimeAxis());
    const AxisRange levels = Shown(window.LevelAxis());
    QCOMPARE(whole, (AxisRange{0, 1440}));
    QVERIFY(!view->IsZoomed());

    // Two notches at 06:00: a range of 0.64 of the day, with 06:00 where it was.
    const QPoint at = PixelOf(window, 360, 70);
    Wheel(view->viewport(), at, 2);
    const AxisRange zoomed = Shown(window.TimeAxis());
    QCOMPARE(zoomed.Span(), 1440 * 0.64);
    QVERIFY(std::abs((360 - zoomed.min) / zoomed.Span() - 0.25) < 0.01);
    QCOMPARE(Shown(window.LevelAxis()), levels);
    QVERIFY(view->IsZoomed());

    // With Ctrl the level axis zooms, and the axis on the right follows.
    Wheel(view->viewport(), at, 1, Qt::ControlModifier);
    QCOMPARE(Shown(window.TimeAxis()), zoomed);
    QVERIFY(window.LevelAxis()->max() - window.LevelAxis()->min() < levels.Span());
    const QList<QAbstractAxis*> right = window.Chart()->axes(Qt::Vertical);
    const auto* second = qobject_cast<QValueAxis*>(right.last());
    QCOMPARE(Shown(second), Shown(window.LevelAxis()));

    // Zooming far out stops at the whole day; far in, at ten minutes.
    Wheel(view->viewport(), at, -50);
    QCOMPARE(Shown(window.TimeAxis()), whole);
    Wheel(view->viewport(), at, 100);
    QCOMPARE(Shown(window.TimeAxis()).Span(), ChartZoomView::kLeastMinutes);
}

void TestChartWindow::dragZoomsPansAndKeysReset() {
    frmGraph window;
    ShowDay(window);
    ChartZoomView* view = window.View();
    QWidget* viewport = view->viewport();
    const AxisRange levels = Shown(window.LevelAxis());

    // A rectangle from 06:00 at 90 dB to 12:00 at 70 dB.
    Drag(viewport, PixelOf(window, 360, 90), PixelOf(window, 720, 70), Qt::LeftButton);
    AxisRange x = Shown(window.TimeAxis());
    AxisRange y = Shown(window.LevelAxis());
    QVERIFY2(std::abs(x.min - 360) < 5 && std::abs(x.max - 720) < 5,
             qPrintable(QStringLiteral("%1..%2").arg(x.min).arg(x.max)));
    QVERIFY2(std::abs(y.min - 70) < 1 && std::abs(y.max - 90) < 1,
             qPrintable(QStringLiteral("%1..%2").arg(y.min).arg(y.max)));
    // Zoomed level axes tick on whole decibels.
    QCOMPARE(window.LevelAxis()->tickType(), QValueAxis::TicksDynamic);
    QCOMPARE(window.LevelAxis()->tickInterval(), 5.0);

    // A click is no rectangle; a flat rectangle zooms the time only.
    Drag(viewport, PixelOf(window, 500, 80), PixelOf(window, 501, 80), Qt::LeftButton);
    QCOMPARE(Shown(window.TimeAxis()), x);
    Drag(viewport, PixelOf(window, 400, 80), PixelOf(window, 500, 80), Qt::LeftButton);
    QVERIFY(std::abs(Shown(window.TimeAxis()).min - 400) < 5);
    QCOMPARE(Shown(window.LevelAxis()), y);
    x = Shown(window.TimeAxis());

    // Dragging with the middle button moves the range by as much as the pointer moved, and stops
    // at the start of the report.
    Drag(viewport, PixelOf(window, 450, 80), PixelOf(window, 430, 80), Qt::MiddleButton);
    AxisRange panned = Shown(window.TimeAxis());
    QVERIFY(std::abs(panned.min - (x.min + 20)) < 1);
    QCOMPARE(panned.Span(), x.Span());
    Drag(viewport, PixelOf(window, 430, 80), PixelOf(window, 430, 80) + QPoint(20000, 0),
         Qt::LeftButton, Qt::ShiftModifier);
    QCOMPARE(Shown(window.TimeAxis()).min, 0.0);

    // The arrow keys pan by a tenth of the range, + and - zoom, Home shows the whole day.
    view->setFocus();
    x = Shown(window.TimeAxis());
    QTest::keyClick(view, Qt::Key_Right);
    QCOMPARE(Shown(window.TimeAxis()).min, x.min + x.Span() / 10);
    QTest::keyClick(view, Qt::Key_Minus);
    QCOMPARE(Shown(window.TimeAxis()).Span(), x.Span() / ChartZoomView::kZoomStep);
    QTest::keyClick(view, Qt::Key_Home);
    QCOMPARE(Shown(window.TimeAxis()), (AxisRange{0, 1440}));
    QCOMPARE(Shown(window.LevelAxis()), levels);
    QCOMPARE(window.LevelAxis()->tickType(), QValueAxis::TicksFixed);

    // The context menu offers the same, and "Save chart as PNG".
    QStringList entries;
    for (const QAction* action : view->actions())
        if (!action->isSeparator())
            entries << action->text();
    QCOMPARE(entries,
             (QStringList{QStringLiteral("Zoom in"), QStringLiteral("Zoom out"),
                          QStringLiteral("Reset zoom"), QStringLiteral("Save chart as PNG")}));
    window.View()->ZoomTime(0.5);
    QVERIFY(view->IsZoomed());
    window.ResetZoomAction()->trigger();
    QVERIFY(!view->IsZoomed());
    QTest::keyClick(view, Qt::Key_Plus);
    QTest::keyClick(view, Qt::Key_Escape);
    QVERIFY(!view->IsZoomed());
}

void TestChartWindow::zoomedTimeAxisShowsMinutes() {
    frmGraph window;
    ShowDay(window);
    // 13:00 to 14:00 is rows 781 to 841: full hours with date and hour, between them every five
    // minutes.
    window.View()->Show({781, 841}, Shown(window.LevelAxis()));
    QTRY_COMPARE(window.TimeAxis()->categoriesLabels().size(), 13);
    const QStringList labels = window.TimeAxis()->categoriesLabels();
    QCOMPARE(labels.first(), QStringLiteral("12/05/2011-13h"));
    QCOMPARE(labels.at(1), QStringLiteral("13:05"));
    QCOMPARE(window.TimeAxis()->endValue(QStringLiteral("13:05")), 786.0);
    QCOMPARE(labels.last(), QStringLiteral("12/05/2011-14h"));
    // Back to the whole day: the hours again.
    window.View()->ResetZoom();
    QTRY_COMPARE(window.TimeAxis()->categoriesLabels().size(), 24);
}

void TestChartWindow::readoutShowsTheMinuteUnderThePointer() {
    frmGraph window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.ShowSeries(BuildChartSeries(MinuteLines()));
    QTRY_VERIFY(window.Chart()->plotArea().width() > 100);
    QWidget* viewport = window.View()->viewport();
    const QString hint = window.Readout()->text();

    const auto pointAt = [&](double x) {
        Mouse(viewport, QEvent::MouseMove, PixelOf(window, x, 60), Qt::NoButton, Qt::NoButton);
        return window.Readout()->text();
    };
    QCOMPARE(pointAt(4.2), QStringLiteral("Date: 12/05/2011\nTime: 14:01\nLevel: 73 dBA"));
    // The nearest minute; quiet minutes and gaps say what was drawn instead.
    QCOMPARE(pointAt(4.6),
             QStringLiteral("Date: 12/05/2011\nTime: 14:02\nLevel: 59 dBA, drawn at 55"));
    QCOMPARE(pointAt(6),
             QStringLiteral("Date: 12/05/2011\nTime: 14:03\nLevel: none (gap), drawn at 55"));

    // Off the plot, the hint again.
    Mouse(viewport, QEvent::MouseMove, QPoint(2, 2), Qt::NoButton, Qt::NoButton);
    QCOMPARE(window.Readout()->text(), hint);

    // A line too short for a level is read as blank, not past its end.
    const ChartSeries shortLine = BuildChartSeries("12/05/2011 - 17:0\nx");
    QCOMPARE(shortLine.points.size(), 1);
    const ChartReadout readout = ReadoutFor(shortLine, 0);
    QCOMPARE(readout.time, QStringLiteral("17:0"));
    QCOMPARE(readout.level, QStringLiteral("none (gap), drawn at 55"));
    QCOMPARE(ReadoutFor(shortLine, 1).date, QString());
}

void TestChartWindow::savesTheChartAsPng() {
    TestFiles files;
    frmGraph window;
    ShowDay(window);
    window.View()->ZoomTime(0.25);
    QList<QString> answers;
    QStringList suggested;
    window.SetSavePathChooser([&](QWidget*, const QString& name) -> std::optional<QString> {
        suggested << name;
        if (answers.isEmpty())
            return std::nullopt;
        return answers.takeFirst();
    });

    // Cancelled: nothing written, nothing said.
    QVERIFY(!window.SaveChartAsPng());
    QCOMPARE(suggested, QStringList{QStringLiteral("chart.png")});
    QCOMPARE(TakeWarning(window), QString());

    // Saved while a minute is pointed at: the image leaves the mark out, the chart keeps it.
    QWidget* viewport = window.View()->viewport();
    Mouse(viewport, QEvent::MouseMove, PixelOf(window, 720, 70), Qt::NoButton, Qt::NoButton);
    const QString path = files.Path(QStringLiteral("zoomed chart.png"));
    answers << path;
    window.SavePngAction()->trigger();
    QList<QString> legend;
    for (const QLegendMarker* marker : window.Chart()->legend()->markers())
        if (marker->isVisible())
            legend << marker->label();
    QCOMPARE(legend, QList<QString>{QStringLiteral("Leq 1min")});
    QVERIFY(window.Readout()->text().startsWith(QStringLiteral("Date: ")));
    Mouse(viewport, QEvent::MouseMove, QPoint(2, 2), Qt::NoButton, Qt::NoButton);
    const QImage image(path);
    QCOMPARE(image.size(), window.View()->size() * window.View()->devicePixelRatio());
    // The chart as shown.
    QCOMPARE(image.convertToFormat(QImage::Format_RGB32),
             window.View()->grab().toImage().convertToFormat(QImage::Format_RGB32));
    QCOMPARE(TakeWarning(window), QString());

    // A folder that is not there: a warning with the file and the reason, and no file.
    const QString nowhere = files.Path(QStringLiteral("missing/chart.png"));
    answers << nowhere;
    QVERIFY(!window.SaveChartAsPng());
    const QString warning = TakeWarning(window);
    QVERIFY2(warning.startsWith(QLatin1Char('"') + nowhere +
                                QStringLiteral("\" could not be written: ")),
             qPrintable(warning));
    QVERIFY(warning.size() > nowhere.size() + 30);
    QVERIFY(!QFile::exists(nowhere));
}

VRD_GUI_TEST_MAIN(TestChartWindow)
#include "tst_chart_window.moc"
